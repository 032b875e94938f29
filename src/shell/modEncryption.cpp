#include "shell/modEncryption.h"

namespace modEncryption {

namespace {

// Two capital hexadecimal digits, right-aligned with a leading blank for one digit.
QString hexCell(int value)
{
    return QStringLiteral("%1").arg(QString::number(value, 16).toUpper(), 2, QLatin1Char(' '));
}

} // namespace

QString Encrypt(const QString& mode, const QString& key, const QString& text)
{
    if (mode != QLatin1String("E") || key.isEmpty())
        return QString();
    QString result = hexCell(Seed);
    int running = Seed;
    for (int i = 0; i < text.size(); ++i) {
        const int code = text.at(i).unicode();
        const int keyCode = key.at(i % key.size()).unicode();
        running = ((running + code) % 255) ^ keyCode;
        result += hexCell(running);
    }
    return result;
}

} // namespace modEncryption
