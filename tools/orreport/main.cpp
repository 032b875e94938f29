// orreport: renders a report file to PDF from an embedded hospital database.
//
//   orreport --db hospital.db --report Reports/NurseLogs.RPT --param "" --param ""
//            --param 01/01/2024 --param 01/31/2024 --param V --param NURSE1 --pdf nurselogs.pdf
//
// The parameters fill the report's parameters in order, as the program's
// OpenReport does. --list shows a report's parameters instead.

#include "components/clsCurrentuser.h"
#include "db/DbError.h"
#include "reports/Report.h"
#include "server/EmbeddedServer.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/ProgramVersion.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

[[noreturn]] void fail(const QString& text)
{
    print(stderr, QStringLiteral("orreport: ") + text);
    std::exit(1);
}

QString typeName(reports::ParameterType type)
{
    switch (type) {
    case reports::ParameterType::Date:
        return QStringLiteral("Date");
    case reports::ParameterType::Number:
        return QStringLiteral("Number");
    case reports::ParameterType::Boolean:
        return QStringLiteral("Boolean");
    case reports::ParameterType::Text:
        break;
    }
    return QStringLiteral("Text");
}

// The heading fields without a log-in: straight from the hospital row.
void readHospitalHeading(db::Connection& connection)
{
    const db::Recordset hospital = connection.open(QStringLiteral("SELECT Company, Address1 FROM PATIENT_DATA..tbHospitalInfo"));
    if (!hospital.eof()) {
        app::Hospital().Company = hospital.text(QStringLiteral("Company"));
        app::Hospital().Address1 = hospital.text(QStringLiteral("Address1"));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts are needed, a screen is not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orreport"));
    QCoreApplication::setApplicationVersion(shell::ProgramVersionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a report file of the station to PDF from an embedded hospital database."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dbOption(QStringLiteral("db"), QStringLiteral("The embedded database file."), QStringLiteral("FILE"));
    const QCommandLineOption reportOption(QStringLiteral("report"), QStringLiteral("The report file (.RPT)."), QStringLiteral("PATH"));
    const QCommandLineOption paramOption(QStringLiteral("param"), QStringLiteral("The next parameter's value, in the report's order (repeat)."), QStringLiteral("VALUE"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."), QStringLiteral("OUT"));
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("List the report's parameters and sub-reports."));
    const QCommandLineOption userOption(QStringLiteral("user"), QStringLiteral("Log in as this station user (shown as who printed)."), QStringLiteral("ID"));
    const QCommandLineOption passwordOption(QStringLiteral("password"), QStringLiteral("The user's password."), QStringLiteral("PASSWORD"));
    parser.addOptions({dbOption, reportOption, paramOption, pdfOption, listOption, userOption, passwordOption});
    parser.process(application);

    if (!parser.isSet(reportOption))
        fail(QStringLiteral("give the report file with --report PATH (see --help)"));
    // A file named as it lies (from the current folder), else as the program
    // names it: "\Reports\X.RPT" under the folder of this tool.
    QString path = parser.value(reportOption);
    if (!QFileInfo::exists(path))
        path = reports::ResolveReportPath(path);
    std::unique_ptr<reports::Report> report;
    try {
        report = reports::Report::load(path);
    } catch (const reports::ReportError& e) {
        fail(e.message());
    }

    if (parser.isSet(listOption)) {
        print(stdout, QStringLiteral("%1 (%2)").arg(report->title(), report->path()));
        int n = 0;
        for (const reports::ReportParameter& p : report->parameters())
            print(stdout, QStringLiteral("  %1. %2 (%3) %4%5")
                              .arg(++n)
                              .arg(p.name, typeName(p.type), p.prompt,
                                   p.value.isNull() ? QString() : QStringLiteral(" [default %1]").arg(p.value.toString())));
        for (const QString& sub : report->subreportNames())
            print(stdout, QStringLiteral("  sub-report %1").arg(sub));
        return 0;
    }
    if (!parser.isSet(dbOption) || !parser.isSet(pdfOption))
        fail(QStringLiteral("give the database with --db FILE and the output with --pdf OUT (see --help)"));
    if (!QFileInfo::exists(parser.value(dbOption)))
        fail(QStringLiteral("the database %1 does not exist (orsql --db FILE --demo creates the demo hospital)").arg(parser.value(dbOption)));

    std::unique_ptr<db::Connection> connection;
    components::clsCurrentuser user;
    try {
        connection = server::OpenEmbedded(parser.value(dbOption));
        readHospitalHeading(*connection);
        if (parser.isSet(userOption)) {
            if (!user.logIn(std::move(connection), parser.value(userOption), parser.value(passwordOption)))
                fail(QStringLiteral("the user %1 could not log in").arg(parser.value(userOption)));
            app::CurrentUser = &user;
        }
    } catch (const db::DbError& e) {
        fail(QStringLiteral("the database could not be opened: %1").arg(e.message()));
    }
    reports::SetReportConnection(app::CurrentUser ? app::CurrentUser->SQLConnection() : connection.get());

    QVariantList values;
    for (const QString& value : parser.values(paramOption))
        values << value;
    if (values.size() > report->parameterCount())
        fail(QStringLiteral("%1 values given, but the report has %2 parameters (see --list)").arg(values.size()).arg(report->parameterCount()));
    report->setParameters(values);

    QElapsedTimer timer;
    timer.start();
    try {
        report->exportPdf(parser.value(pdfOption));
    } catch (const reports::ReportError& e) {
        fail(e.message());
    }
    print(stderr, QStringLiteral("%1: %2 page(s), %3 detail row(s), written to %4 in %5 ms")
                      .arg(report->title())
                      .arg(report->pageCount())
                      .arg(report->rows().size())
                      .arg(parser.value(pdfOption))
                      .arg(timer.elapsed()));
    reports::SetReportConnection(nullptr);
    app::CurrentUser = nullptr;
    return 0;
}
