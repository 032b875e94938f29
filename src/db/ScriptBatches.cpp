#include "db/ScriptBatches.h"

namespace db {

QStringList SplitBatches(const QString& script)
{
    QStringList batches;
    QStringList lines;
    auto flush = [&] {
        const QString batch = lines.join(QLatin1Char('\n'));
        if (!batch.trimmed().isEmpty())
            batches << batch;
        lines.clear();
    };

    QString text = script;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1); // a byte-order mark left by Windows editors
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().compare(QLatin1String("GO"), Qt::CaseInsensitive) == 0)
            flush();
        else
            lines << line;
    }
    flush();
    return batches;
}

} // namespace db
