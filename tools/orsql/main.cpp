// orsql: the command-line client of the embedded hospital database.
//
//   orsql --db FILE --demo [--scale N]      create the demo hospital at FILE
//   orsql --db FILE -Q "T-SQL"              run T-SQL, print each result set
//   orsql --db FILE -i script.sql           run a script of GO-separated batches
//   orsql --db FILE --translate -Q "T-SQL"  print the SQLite text instead of running it
//   orsql --db FILE                         read batches from standard input, each ended by GO
//   orsql --db FILE --backup OUT            copy the database while stations work on it
//   orsql --db FILE --check                 check the file's integrity; exit 1 when damaged

#include "ResultPrinter.h"

#include "db/DbError.h"
#include "db/ScriptBatches.h"
#include "server/DatabaseUpkeep.h"
#include "server/EmbeddedServer.h"
#include "shell/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

[[noreturn]] void fail(const QString& message)
{
    write(stderr, QStringLiteral("error: ") + message + QLatin1Char('\n'));
    std::fflush(stdout);
    std::exit(1);
}

// A new demo file replaces the old one whole, its write-ahead log included:
// a stale log beside a fresh file would be replayed into it.
void removeDatabaseFiles(const QString& path)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString file = path + suffix;
        if (QFile::exists(file) && !QFile::remove(file))
            fail(QStringLiteral("cannot replace %1").arg(file));
    }
}

QString readScript(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

void runBatch(db::Connection& connection, const QString& batch)
{
    const db::ResultSets sets = connection.backend().run(batch, nullptr);
    if (!sets.empty())
        write(stdout, orsql::FormatResultSets(sets));
    std::fflush(stdout);
}

// Batches typed at the terminal or piped in: a line holding only GO runs what
// came before it; an error is shown and the next batch still runs.
int interactive(db::Connection& connection)
{
    const bool terminal = isatty(STDIN_FILENO);
    QTextStream in(stdin);
    QString batch;
    int line = 1;
    int failures = 0;
    auto flush = [&] {
        if (!batch.trimmed().isEmpty()) {
            try {
                runBatch(connection, batch);
            } catch (const db::DbError& error) {
                write(stderr, QStringLiteral("error: ") + error.message() + QLatin1Char('\n'));
                ++failures;
            }
        }
        batch.clear();
        line = 1;
    };
    for (;;) {
        if (terminal) {
            write(stdout, QStringLiteral("%1> ").arg(line));
            std::fflush(stdout);
        }
        QString text;
        if (!in.readLineInto(&text))
            break;
        if (text.trimmed().compare(QLatin1String("GO"), Qt::CaseInsensitive) == 0) {
            flush();
            continue;
        }
        if (text.trimmed().compare(QLatin1String("EXIT"), Qt::CaseInsensitive) == 0 ||
            text.trimmed().compare(QLatin1String("QUIT"), Qt::CaseInsensitive) == 0)
            break;
        batch += text + QLatin1Char('\n');
        ++line;
    }
    flush();
    return failures == 0 ? 0 : 1;
}

// Backs up, checks, or both: with both the check reads the new copy, so a
// backup that is kept has been proven sound.
int upkeep(const QString& path, const QString& backup, bool check)
{
    try {
        if (!backup.isEmpty()) {
            server::BackupDatabase(path, backup);
            write(stdout, QStringLiteral("%1 backed up to %2\n").arg(path, backup));
        }
    } catch (const db::DbError& error) {
        fail(error.message());
    }
    if (!check)
        return 0;
    const QString checked = backup.isEmpty() ? path : backup;
    if (!QFileInfo(checked).isFile())
        fail(QStringLiteral("no database file at %1").arg(checked));
    const server::IntegrityReport report = server::CheckDatabase(checked);
    if (report.sound) {
        write(stdout, QStringLiteral("%1 is sound: the integrity check found no problem.\n").arg(checked));
        return 0;
    }
    write(stdout, QStringLiteral("%1 is DAMAGED: the integrity check found these problems:\n").arg(checked));
    for (const QString& problem : report.problems)
        write(stdout, QStringLiteral("  ") + problem + QLatin1Char('\n'));
    write(stdout, QStringLiteral("Restore the last sound backup, or ask IT staff before the stations use this file again.\n"));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orsql"));
    QCoreApplication::setApplicationVersion(shell::ProgramVersionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs T-SQL on the station's embedded hospital database."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dbOption(QStringLiteral("db"), QStringLiteral("The database file."), QStringLiteral("FILE"));
    const QCommandLineOption demoOption(QStringLiteral("demo"), QStringLiteral("Create the demo hospital at FILE, replacing it."));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Size of the demo hospital (1 is the demo for people)."), QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption queryOption(QStringLiteral("Q"), QStringLiteral("T-SQL text to run."), QStringLiteral("text"));
    const QCommandLineOption inputOption(QStringLiteral("i"), QStringLiteral("A script of batches separated by GO lines."), QStringLiteral("script"));
    const QCommandLineOption translateOption(QStringLiteral("translate"), QStringLiteral("Print the SQLite text instead of running it."));
    const QCommandLineOption backupOption(QStringLiteral("backup"), QStringLiteral("Copy the database to OUT while stations keep working on it."), QStringLiteral("OUT"));
    const QCommandLineOption checkOption(QStringLiteral("check"), QStringLiteral("Check the database file's integrity; exit 1 when it is damaged."));
    parser.addOptions({dbOption, demoOption, scaleOption, queryOption, inputOption, translateOption, backupOption, checkOption});
    // Single-letter options as sqlcmd writes them: -Q, -i.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        fail(QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));
    if (parser.isSet(queryOption) && parser.isSet(inputOption))
        fail(QStringLiteral("give either -Q or -i, not both"));
    const bool hasText = parser.isSet(queryOption) || parser.isSet(inputOption);
    if (!parser.isSet(demoOption) && !hasText && !parser.isSet(dbOption))
        fail(QStringLiteral("nothing to do: give --db FILE with --demo, -Q or -i, or alone to type batches (see --help)"));
    if (parser.isSet(translateOption) && !hasText)
        fail(QStringLiteral("--translate needs -Q or -i"));

    // Upkeep works on the file as it is: it neither creates nor upgrades it.
    if (parser.isSet(backupOption) || parser.isSet(checkOption)) {
        if (parser.isSet(demoOption) || hasText || parser.isSet(translateOption))
            fail(QStringLiteral("--backup and --check go with --db FILE alone"));
        if (!parser.isSet(dbOption))
            fail(QStringLiteral("--db FILE is required"));
        return upkeep(parser.value(dbOption), parser.isSet(backupOption) ? parser.value(backupOption) : QString(),
                      parser.isSet(checkOption));
    }

    bool scaleOk = false;
    const int scale = parser.value(scaleOption).toInt(&scaleOk);
    if (!scaleOk || scale < 1)
        fail(QStringLiteral("--scale needs a whole number of at least 1"));

    // Translating needs the schema but no data: without --db a throw-away file serves.
    QTemporaryDir scratch;
    QString path = parser.value(dbOption);
    if (path.isEmpty()) {
        if (!parser.isSet(translateOption) || parser.isSet(demoOption))
            fail(QStringLiteral("--db FILE is required"));
        path = scratch.filePath(QStringLiteral("translate.db"));
    }

    const QString text = !hasText ? QString()
        : parser.isSet(queryOption) ? parser.value(queryOption) : readScript(parser.value(inputOption));

    try {
        if (parser.isSet(demoOption))
            removeDatabaseFiles(path);
        auto connection = server::OpenEmbedded(path);
        if (parser.isSet(demoOption)) {
            server::CreateDemoHospital(*connection, scale);
            write(stderr, QStringLiteral("demo hospital (scale %1) created at %2\n").arg(scale).arg(path));
        }
        if (!hasText)
            return parser.isSet(demoOption) ? 0 : interactive(*connection);

        for (const QString& batch : db::SplitBatches(text)) {
            if (parser.isSet(translateOption)) {
                write(stdout, server::TranslateOnly(*connection, batch) + QLatin1Char('\n'));
                continue;
            }
            runBatch(*connection, batch);
        }
    } catch (const db::DbError& error) {
        fail(error.message());
    } catch (const std::exception& error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
