#include "shell/StationLogFile.h"

#include "components/clsCurrentuser.h"
#include "shell/Globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>

#include <cstdio>

namespace shell {

namespace {

struct LogState {
    QMutex mutex;
    StationLogOptions options;
    QFile file;
    QtMessageHandler previous = nullptr;
    bool installed = false;
    bool toldUnwritable = false;
};

LogState& state()
{
    static LogState s;
    return s;
}

// Messages the log's own writing might raise must not come back into it.
thread_local bool writing = false;

QString levelName(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg:
        return QStringLiteral("WARNING");
    case QtCriticalMsg:
        return QStringLiteral("ERROR");
    case QtFatalMsg:
        return QStringLiteral("FATAL");
    case QtInfoMsg:
        return QStringLiteral("INFO");
    case QtDebugMsg:
        break;
    }
    return QStringLiteral("DEBUG");
}

QString offsetText(const QDateTime& time)
{
    const int seconds = time.offsetFromUtc();
    const int minutes = qAbs(seconds) / 60;
    return QStringLiteral("%1%2:%3").arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString currentUser()
{
    if (app::CurrentUser && !app::CurrentUser->EmployeeCode.trimmed().isEmpty())
        return app::CurrentUser->EmployeeCode.trimmed();
    return QStringLiteral("-");
}

QString rotated(const QString& path, int n)
{
    return path + QLatin1Char('.') + QString::number(n);
}

// orstation.log becomes orstation.log.1, .1 becomes .2 and so on; the oldest goes.
void rotate(LogState& s)
{
    s.file.close();
    const QString& path = s.options.path;
    QFile::remove(rotated(path, s.options.keep));
    for (int n = s.options.keep - 1; n >= 1; --n)
        if (QFile::exists(rotated(path, n)))
            QFile::rename(rotated(path, n), rotated(path, n + 1));
    if (s.options.keep > 0)
        QFile::rename(path, rotated(path, 1));
    else
        QFile::remove(path);
}

bool openFile(LogState& s)
{
    if (s.file.isOpen())
        return true;
    const QFileInfo info(s.options.path);
    QDir().mkpath(info.absolutePath());
    s.file.setFileName(s.options.path);
    const bool created = !info.exists();
    if (!s.file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // The log names users and what went wrong on a shared workstation: the
    // owner's alone, like the database.
    if (created)
        s.file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

void append(LogState& s, const QByteArray& line)
{
    if (!openFile(s)) {
        // The message itself still reaches standard error; say once why the
        // log does not have it.
        if (!s.toldUnwritable) {
            s.toldUnwritable = true;
            std::fprintf(stderr, "orstation: cannot write the log %s: %s\n", qPrintable(s.options.path),
                         qPrintable(s.file.errorString()));
        }
        return;
    }
    if (s.file.size() > 0 && s.file.size() + line.size() > s.options.rotateAt) {
        rotate(s);
        if (!openFile(s))
            return;
    }
    s.file.write(line);
    s.file.flush();
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    LogState& s = state();
    if (type != QtDebugMsg && type != QtInfoMsg && !writing) {
        writing = true;
        const QString line = StationLogLine(QDateTime::currentDateTime(), type, currentUser(),
                                            QSysInfo::machineHostName(), message);
        {
            QMutexLocker lock(&s.mutex);
            if (s.installed)
                append(s, line.toUtf8() + '\n');
        }
        writing = false;
    }
    if (s.previous)
        s.previous(type, context, message);
}

} // namespace

QString StationLogPath()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("orstation/orstation.log"));
}

QString StationLogLine(const QDateTime& time, QtMsgType type, const QString& user, const QString& workstation,
                       const QString& message)
{
    static const QRegularExpression quoted(QStringLiteral("(?<![\\w])'(?:[^']|'')*'"));
    static const QRegularExpression password(QStringLiteral("\\b(PWD|Password)\\s*=\\s*[^;]*"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lineEnds(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString text = message;
    text.replace(quoted, QStringLiteral("'…'"));
    text.replace(password, QStringLiteral("\\1=…"));
    text.replace(lineEnds, QStringLiteral(" | "));
    return QStringLiteral("%1%2 %3 user=%4 workstation=%5 %6")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")), offsetText(time), levelName(type),
             user.isEmpty() ? QStringLiteral("-") : user, workstation, text.trimmed());
}

void InstallStationLog(const StationLogOptions& options)
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    s.file.close();
    s.options = options;
    if (s.options.path.isEmpty())
        s.options.path = StationLogPath();
    s.toldUnwritable = false;
    if (!s.installed) {
        s.previous = qInstallMessageHandler(handler);
        s.installed = true;
    }
}

void RemoveStationLog()
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    if (!s.installed)
        return;
    qInstallMessageHandler(s.previous);
    s.previous = nullptr;
    s.installed = false;
    s.file.close();
}

} // namespace shell
