#include "reports/XlsxExport.h"

#include "reports/Report.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <algorithm>

namespace reports {

namespace {

// 15 significant digits is all a spreadsheet number keeps: longer digit
// strings (account or card numbers) stay text.
constexpr int kMaxDigits = 15;
constexpr double kMaxColumnWidth = 60;

QString ErrorText(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

std::optional<XlsxExport::Number> XlsxExport::ParseNumber(const QString& printed)
{
    QString text = printed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true; // accounting style: (1,250.00)
        text = text.mid(1, text.size() - 2).trimmed();
    } else if (text.startsWith(QLatin1Char('-'))) {
        negative = true;
        text = text.mid(1);
    }
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,3}(?:,\\d{3})+|\\d+)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(1);
    const QString decimals = match.captured(2);
    // "007", "0012": codes, not amounts.
    if (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        return std::nullopt;
    QString digits = whole;
    digits.remove(QLatin1Char(','));
    if (digits.size() + decimals.size() > kMaxDigits)
        return std::nullopt;

    bool ok = false;
    double value = (digits + (decimals.isEmpty() ? QString() : QLatin1Char('.') + decimals)).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    Number number;
    number.value = negative ? -value : value;
    const bool grouped = whole.contains(QLatin1Char(','));
    if (grouped || !decimals.isEmpty()) {
        number.format = grouped ? QStringLiteral("#,##0") : QStringLiteral("0");
        if (!decimals.isEmpty())
            number.format += QLatin1Char('.') + QString(decimals.size(), QLatin1Char('0'));
    }
    return number;
}

QString XlsxExport::FileName(const QString& chosen)
{
    const QFileInfo info(chosen);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("xlsx"))
        return chosen;
    if (suffix == QLatin1String("xls"))
        return chosen + QLatin1Char('x');
    return chosen + QStringLiteral(".xlsx");
}

QString XlsxExport::SheetName(const QString& title)
{
    QString name = title.simplified();
    static const QRegularExpression forbidden(QStringLiteral("[\\[\\]:*?/\\\\]"));
    name.replace(forbidden, QStringLiteral(" "));
    name = name.simplified();
    // Apostrophes cannot open or close a sheet name.
    auto apostrophe = QLatin1Char('\'');
    while (name.startsWith(apostrophe))
        name = name.mid(1).trimmed();
    name = name.left(31).trimmed();
    while (name.endsWith(apostrophe))
        name = name.chopped(1).trimmed();
    return name.isEmpty() ? QStringLiteral("Report") : name;
}

void XlsxExport::Write(const QString& path, const QString& title, const QStringList& columns,
                       const QList<QStringList>& rows, const QStringList& heading)
{
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook* workbook = workbook_new(fileName.constData());
    if (!workbook)
        throw ReportError("Cannot create the spreadsheet file " + path.toStdString() + ".");

    const QByteArray titleText = title.toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(titleText.constData());
    workbook_set_properties(workbook, &properties);

    const QByteArray sheetName = SheetName(title).toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.constData());

    lxw_format* header = workbook_add_format(workbook);
    format_set_bold(header);
    format_set_bottom(header, LXW_BORDER_THIN);
    format_set_bg_color(header, 0xE8EDF3);
    QHash<QString, lxw_format*> numberFormats;
    auto numberFormat = [&](const QString& format) -> lxw_format* {
        if (format.isEmpty())
            return nullptr;
        lxw_format*& cached = numberFormats[format];
        if (!cached) {
            cached = workbook_add_format(workbook);
            format_set_num_format(cached, format.toUtf8().constData());
        }
        return cached;
    };

    int columnCount = int(columns.size());
    for (const QStringList& row : rows)
        columnCount = std::max(columnCount, int(row.size()));
    std::vector<double> widths(size_t(columnCount), 8.0);
    auto widen = [&](int column, const QString& text) {
        widths[size_t(column)] = std::min(kMaxColumnWidth, std::max(widths[size_t(column)], double(text.size()) + 2));
    };

    lxw_row_t line = 0;
    if (!heading.isEmpty()) {
        // The heading runs across the columns: it does not widen the first one.
        lxw_format* first = workbook_add_format(workbook);
        format_set_bold(first);
        format_set_font_size(first, 12);
        for (int i = 0; i < heading.size(); ++i)
            worksheet_write_string(sheet, line++, 0, heading[i].toUtf8().constData(), i == 0 ? first : nullptr);
        ++line;
    }
    const lxw_row_t headerRow = line;
    if (!columns.isEmpty()) {
        for (int c = 0; c < columns.size(); ++c) {
            worksheet_write_string(sheet, line, lxw_col_t(c), columns[c].toUtf8().constData(), header);
            widen(c, columns[c]);
        }
        ++line;
    }
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            const QString& text = row[c];
            if (text.trimmed().isEmpty())
                continue;
            if (const std::optional<Number> number = ParseNumber(text))
                worksheet_write_number(sheet, line, lxw_col_t(c), number->value, numberFormat(number->format));
            else
                worksheet_write_string(sheet, line, lxw_col_t(c), text.toUtf8().constData(), nullptr);
            widen(c, text.trimmed());
        }
        ++line;
    }
    for (int c = 0; c < columnCount; ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[size_t(c)], nullptr);
    if (!columns.isEmpty()) {
        worksheet_freeze_panes(sheet, headerRow + 1, 0);
        worksheet_autofilter(sheet, headerRow, 0, line > headerRow + 1 ? line - 1 : headerRow, lxw_col_t(columns.size() - 1));
    }

    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw ReportError("Cannot write the spreadsheet file " + path.toStdString() + ": " + ErrorText(error).toStdString());
}

} // namespace reports
