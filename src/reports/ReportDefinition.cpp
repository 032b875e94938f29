#include "reports/ReportDefinition.h"

#include "reports/ReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace reports {

namespace {

// A section as written: "[Name]" on a line of its own, then its lines.
struct Section {
    QString name;   // as written, trimmed
    QString lower;  // lower case, blanks collapsed
    int line = 0;   // 1-based line of the heading
    QStringList lines;
    QString text() const { return lines.join(QLatin1Char('\n')); }
};

class Parser {
public:
    Parser(QString path, const QString& text) : path_(std::move(path)), text_(text) {}

    std::shared_ptr<ReportDefinition> run();

private:
    [[noreturn]] void fail(int line, const QString& problem) const
    {
        const QString where = line > 0 ? QStringLiteral(", line %1").arg(line) : QString();
        throw ReportError(QStringLiteral("The report file %1 is not valid%2: %3")
                              .arg(QDir::toNativeSeparators(path_), where, problem)
                              .toStdString());
    }

    QList<Section> split() const;
    // key = value lines of a settings section, in order.
    QList<std::tuple<QString, QString, int>> keyValues(const Section& section) const;

    void readReport(const Section& s, ReportDefinition& d) const;
    void readParameters(const Section& s, ReportDefinition& d) const;
    void readFormats(const Section& s, ReportDefinition& d) const;
    void readCaptions(const Section& s, ReportDefinition& d) const;
    void readSubreports(const Section& s, ReportDefinition& d) const;
    void checkTemplates(const ReportDefinition& d) const;

    QString path_;
    QString text_;
};

const QRegularExpression& sectionHeading()
{
    static const QRegularExpression re(QStringLiteral(R"(^\[\s*([A-Za-z][A-Za-z0-9 _]*?)\s*\]\s*$)"));
    return re;
}

const QRegularExpression& identifier()
{
    static const QRegularExpression re(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*$)"));
    return re;
}

QString collapse(const QString& name)
{
    return name.simplified().toLower();
}

// "0.5 in", "12.7mm", "36 pt", "1 cm" in points; a bare number is in inches.
std::optional<double> lengthInPoints(const QString& text, const QString& defaultUnit)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*([0-9]*\.?[0-9]+)\s*(in|mm|cm|pt)?\s*$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double value = m.captured(1).toDouble();
    const QString unit = m.captured(2).isEmpty() ? defaultUnit : m.captured(2).toLower();
    if (unit == QLatin1String("mm"))
        return value * 72.0 / 25.4;
    if (unit == QLatin1String("cm"))
        return value * 72.0 / 2.54;
    if (unit == QLatin1String("pt"))
        return value;
    return value * 72.0;
}

std::optional<QPageSize> paperSize(const QString& text)
{
    const QString name = collapse(text);
    if (name == QLatin1String("letter"))
        return QPageSize(QPageSize::Letter);
    if (name == QLatin1String("legal"))
        return QPageSize(QPageSize::Legal);
    if (name == QLatin1String("a4"))
        return QPageSize(QPageSize::A4);
    if (name == QLatin1String("a5"))
        return QPageSize(QPageSize::A5);
    if (name == QLatin1String("folio") || name == QLatin1String("long"))
        return QPageSize(QSizeF(8.5, 13), QPageSize::Inch, QStringLiteral("Folio"));
    if (name == QLatin1String("half letter"))
        return QPageSize(QSizeF(5.5, 8.5), QPageSize::Inch, QStringLiteral("Half Letter"));
    // "8.5 x 13 in", "210 x 297 mm"
    static const QRegularExpression re(QStringLiteral(R"(^\s*([0-9]*\.?[0-9]+)\s*x\s*([0-9]*\.?[0-9]+)\s*(in|mm)\s*$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QPageSize::Unit unit = m.captured(3).toLower() == QLatin1String("mm") ? QPageSize::Millimeter : QPageSize::Inch;
    return QPageSize(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), unit, QStringLiteral("Custom"));
}

std::optional<bool> yesNo(const QString& text)
{
    const QString v = collapse(text);
    if (v == QLatin1String("yes") || v == QLatin1String("true") || v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("no") || v == QLatin1String("false") || v == QLatin1String("0") || v.isEmpty())
        return false;
    return std::nullopt;
}

QStringList nameList(const QString& text)
{
    QStringList names;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            names << part.trimmed();
    return names;
}

// "Group Header", "Group Header 2": the level (0-based), -1 when not such a section.
int groupLevel(const QString& lower, const QString& prefix)
{
    if (lower == prefix)
        return 0;
    if (!lower.startsWith(prefix + QLatin1Char(' ')))
        return -1;
    bool ok = false;
    const int n = lower.mid(prefix.size() + 1).toInt(&ok);
    return ok && n >= 1 && n <= 9 ? n - 1 : -2;
}

} // namespace

QList<Section> Parser::split() const
{
    QList<Section> sections;
    const QStringList lines = text_.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QRegularExpressionMatch m = sectionHeading().match(line);
        if (m.hasMatch()) {
            Section s;
            s.name = m.captured(1).simplified();
            s.lower = collapse(s.name);
            s.line = i + 1;
            for (const Section& earlier : sections)
                if (earlier.lower == s.lower)
                    fail(i + 1, QStringLiteral("the section [%1] appears twice (first on line %2).").arg(s.name).arg(earlier.line));
            sections << s;
            continue;
        }
        if (sections.isEmpty()) {
            const QString t = line.trimmed();
            if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
                continue;
            fail(i + 1, QStringLiteral("text before the first section; a report file starts with a section such as [Report]."));
        }
        sections.last().lines << line;
    }
    if (sections.isEmpty())
        fail(0, QStringLiteral("it has no sections; a report file needs at least [Report] and a layout section."));
    return sections;
}

QList<std::tuple<QString, QString, int>> Parser::keyValues(const Section& section) const
{
    QList<std::tuple<QString, QString, int>> pairs;
    for (int i = 0; i < section.lines.size(); ++i) {
        const QString t = section.lines[i].trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
            continue;
        const int eq = t.indexOf(QLatin1Char('='));
        if (eq <= 0)
            fail(section.line + 1 + i, QStringLiteral("in [%1], \"%2\" is not a \"Name = value\" line.").arg(section.name, t));
        pairs.append({t.left(eq).trimmed(), t.mid(eq + 1).trimmed(), section.line + 1 + i});
    }
    return pairs;
}

void Parser::readReport(const Section& s, ReportDefinition& d) const
{
    for (const auto& [key, value, line] : keyValues(s)) {
        const QString k = collapse(key);
        if (k == QLatin1String("title")) {
            d.title = value;
        } else if (k == QLatin1String("paper")) {
            const std::optional<QPageSize> size = paperSize(value);
            if (!size)
                fail(line, QStringLiteral("unknown paper \"%1\" (use Letter, Legal, A4, A5, Folio, Half Letter or a size such as 8.5 x 13 in).").arg(value));
            d.paper = *size;
        } else if (k == QLatin1String("orientation")) {
            const QString v = collapse(value);
            if (v == QLatin1String("portrait"))
                d.orientation = QPageLayout::Portrait;
            else if (v == QLatin1String("landscape"))
                d.orientation = QPageLayout::Landscape;
            else
                fail(line, QStringLiteral("the orientation is Portrait or Landscape, not \"%1\".").arg(value));
        } else if (k == QLatin1String("margins")) {
            // One length for all four sides, or top, right, bottom, left.
            const QStringList parts = value.split(QLatin1Char(','));
            QString unit = QStringLiteral("in");
            static const QRegularExpression unitRe(QStringLiteral("(in|mm|cm|pt)\\s*$"), QRegularExpression::CaseInsensitiveOption);
            const QRegularExpressionMatch um = unitRe.match(value);
            if (um.hasMatch())
                unit = um.captured(1).toLower();
            QList<double> sides;
            for (const QString& part : parts) {
                const std::optional<double> points = lengthInPoints(part, unit);
                if (!points)
                    fail(line, QStringLiteral("margins are one length or four (top, right, bottom, left), such as 0.5 in or 12, 10, 12, 10 mm; not \"%1\".").arg(value));
                sides << *points;
            }
            if (sides.size() == 1)
                d.marginsPoints = QMarginsF(sides[0], sides[0], sides[0], sides[0]);
            else if (sides.size() == 4)
                d.marginsPoints = QMarginsF(sides[3], sides[0], sides[1], sides[2]);
            else
                fail(line, QStringLiteral("margins are one length or four (top, right, bottom, left), not %1.").arg(sides.size()));
        } else if (k == QLatin1String("font")) {
            // "DejaVu Sans, 9"
            const int comma = value.lastIndexOf(QLatin1Char(','));
            bool ok = false;
            const double size = comma > 0 ? value.mid(comma + 1).trimmed().remove(QStringLiteral("pt")).trimmed().toDouble(&ok) : 0;
            if (!ok || size < 4 || size > 72)
                fail(line, QStringLiteral("the font is a family and a size in points, such as \"DejaVu Sans, 9\"; not \"%1\".").arg(value));
            d.font.setFamily(value.left(comma).trimmed());
            d.font.setPointSizeF(size);
        } else if (k == QLatin1String("detail")) {
            d.detailQuery = value;
        } else if (k == QLatin1String("group")) {
            d.groupFields = nameList(value);
        } else if (k == QLatin1String("sum")) {
            d.sumFields = nameList(value);
        } else if (k == QLatin1String("newpagepergroup") || k == QLatin1String("new page per group")) {
            const std::optional<bool> flag = yesNo(value);
            if (!flag)
                fail(line, QStringLiteral("NewPagePerGroup is Yes or No, not \"%1\".").arg(value));
            d.newPagePerGroup = *flag;
        } else {
            fail(line, QStringLiteral("unknown setting \"%1\" in [Report] (known: Title, Paper, Orientation, Margins, Font, Detail, Group, Sum, NewPagePerGroup).").arg(key));
        }
    }
}

void Parser::readParameters(const Section& s, ReportDefinition& d) const
{
    // Name = Type | Prompt | Default
    for (const auto& [name, value, line] : keyValues(s)) {
        if (!identifier().match(name).hasMatch())
            fail(line, QStringLiteral("\"%1\" is not a parameter name (letters, digits and _ only).").arg(name));
        for (const ReportParameter& p : d.parameters)
            if (p.name.compare(name, Qt::CaseInsensitive) == 0)
                fail(line, QStringLiteral("the parameter %1 is declared twice.").arg(name));
        const QStringList parts = value.split(QLatin1Char('|'));
        ReportParameter p;
        p.name = name;
        const QString type = collapse(parts.value(0));
        if (type == QLatin1String("text") || type == QLatin1String("string"))
            p.type = ParameterType::Text;
        else if (type == QLatin1String("date"))
            p.type = ParameterType::Date;
        else if (type == QLatin1String("number"))
            p.type = ParameterType::Number;
        else if (type == QLatin1String("boolean") || type == QLatin1String("yes/no"))
            p.type = ParameterType::Boolean;
        else
            fail(line, QStringLiteral("the parameter %1 has the unknown type \"%2\" (use Text, Date, Number or Boolean).").arg(name, parts.value(0).trimmed()));
        p.prompt = parts.value(1).trimmed();
        if (p.prompt.isEmpty())
            p.prompt = name;
        if (parts.size() > 2)
            p.value = parts.mid(2).join(QLatin1Char('|')).trimmed();
        d.parameters << p;
    }
}

void Parser::readFormats(const Section& s, ReportDefinition& d) const
{
    for (const auto& [name, value, line] : keyValues(s))
        d.formats.insert(name.toLower(), value);
}

void Parser::readCaptions(const Section& s, ReportDefinition& d) const
{
    for (const auto& [name, value, line] : keyValues(s))
        d.captions.append({name, value.isEmpty() ? name : value});
}

void Parser::readSubreports(const Section& s, ReportDefinition& d) const
{
    const QDir folder = QFileInfo(path_).absoluteDir();
    for (const auto& [name, value, line] : keyValues(s)) {
        if (value.isEmpty())
            fail(line, QStringLiteral("the sub-report %1 names no file.").arg(name));
        QString file = value;
        file.replace(QLatin1Char('\\'), QLatin1Char('/'));
        d.subreports.append({name, QFileInfo(file).isAbsolute() ? file : folder.filePath(file)});
    }
}

void Parser::checkTemplates(const ReportDefinition& d) const
{
    auto check = [this](const BandText& band, const QString& section) {
        if (band.isEmpty())
            return;
        const QString problem = ReportTemplate::Check(band.html);
        if (!problem.isEmpty())
            fail(band.line, QStringLiteral("the layout of [%1] has a tag error: %2").arg(section, problem));
    };
    check(d.pageHeader, QStringLiteral("Page Header"));
    check(d.reportHeader, QStringLiteral("Report Header"));
    check(d.columnHeader, QStringLiteral("Column Header"));
    check(d.detail, QStringLiteral("Detail"));
    check(d.reportFooter, QStringLiteral("Report Footer"));
    check(d.pageFooter, QStringLiteral("Page Footer"));
    for (int i = 0; i < d.groupHeaders.size(); ++i) {
        check(d.groupHeaders[i], QStringLiteral("Group Header %1").arg(i + 1));
        check(d.groupFooters[i], QStringLiteral("Group Footer %1").arg(i + 1));
    }
}

std::shared_ptr<ReportDefinition> Parser::run()
{
    auto d = std::make_shared<ReportDefinition>();
    d->path = path_;
    d->title = QFileInfo(path_).completeBaseName();
    d->font = QFont(QStringLiteral("DejaVu Sans"));
    d->font.setPointSizeF(9);

    QList<std::pair<int, BandText>> groupHeaders;
    QList<std::pair<int, BandText>> groupFooters;
    bool hasLayout = false;
    for (const Section& s : split()) {
        const BandText band{s.text(), s.line};
        auto layout = [&](BandText& target) {
            target = band;
            hasLayout = true;
        };
        if (s.lower == QLatin1String("report"))
            readReport(s, *d);
        else if (s.lower == QLatin1String("parameters"))
            readParameters(s, *d);
        else if (s.lower == QLatin1String("formats"))
            readFormats(s, *d);
        else if (s.lower == QLatin1String("captions"))
            readCaptions(s, *d);
        else if (s.lower == QLatin1String("subreports"))
            readSubreports(s, *d);
        else if (s.lower == QLatin1String("style"))
            d->styleSheet = s.text();
        else if (s.lower.startsWith(QLatin1String("query ")) || s.lower == QLatin1String("query")) {
            const QString name = s.name.mid(5).trimmed();
            if (!identifier().match(name).hasMatch())
                fail(s.line, QStringLiteral("a query section is named [Query Name], the name made of letters, digits and _."));
            if (d->query(name))
                fail(s.line, QStringLiteral("the query %1 is declared twice.").arg(name));
            if (s.text().trimmed().isEmpty())
                fail(s.line, QStringLiteral("the query %1 is empty.").arg(name));
            d->queries.append({name, s.text(), s.line});
        } else if (s.lower == QLatin1String("page header"))
            layout(d->pageHeader);
        else if (s.lower == QLatin1String("report header"))
            layout(d->reportHeader);
        else if (s.lower == QLatin1String("column header"))
            layout(d->columnHeader);
        else if (s.lower == QLatin1String("detail"))
            layout(d->detail);
        else if (s.lower == QLatin1String("report footer"))
            layout(d->reportFooter);
        else if (s.lower == QLatin1String("page footer"))
            layout(d->pageFooter);
        else if (const int level = groupLevel(s.lower, QStringLiteral("group header")); level != -1) {
            if (level < 0)
                fail(s.line, QStringLiteral("group sections are numbered 1 to 9, as in [Group Header 2]."));
            groupHeaders.append({level, band});
            hasLayout = true;
        } else if (const int level = groupLevel(s.lower, QStringLiteral("group footer")); level != -1) {
            if (level < 0)
                fail(s.line, QStringLiteral("group sections are numbered 1 to 9, as in [Group Footer 2]."));
            groupFooters.append({level, band});
            hasLayout = true;
        } else
            fail(s.line, QStringLiteral("unknown section [%1] (see Reports/README.md for the sections a report file may have).").arg(s.name));
    }
    if (!hasLayout)
        fail(0, QStringLiteral("it has no layout section ([Report Header], [Detail], [Page Header]...)."));

    // Detail rows come from the named query, else the first one.
    if (!d->detailQuery.isEmpty() && !d->query(d->detailQuery))
        fail(0, QStringLiteral("Detail = %1 names no [Query %1] section.").arg(d->detailQuery));
    if (d->detailQuery.isEmpty() && !d->queries.isEmpty())
        d->detailQuery = d->queries.first().name;
    if (!d->detail.isEmpty() && d->detailQuery.isEmpty())
        fail(d->detail.line, QStringLiteral("the [Detail] section repeats the rows of a query, but the file has no [Query ...] section."));

    const int levels = d->groupFields.size();
    d->groupHeaders.resize(levels);
    d->groupFooters.resize(levels);
    for (const auto& [level, band] : groupHeaders) {
        if (level >= levels)
            fail(band.line, QStringLiteral("[Group Header %1] has no group field: list it in Group = ... of [Report].").arg(level + 1));
        d->groupHeaders[level] = band;
    }
    for (const auto& [level, band] : groupFooters) {
        if (level >= levels)
            fail(band.line, QStringLiteral("[Group Footer %1] has no group field: list it in Group = ... of [Report].").arg(level + 1));
        d->groupFooters[level] = band;
    }
    if (levels > 0 && d->detailQuery.isEmpty())
        fail(0, QStringLiteral("Group = ... groups the rows of a query, but the file has no [Query ...] section."));
    checkTemplates(*d);
    return d;
}

std::shared_ptr<const ReportDefinition> ReportDefinition::Parse(const QString& path, const QString& text)
{
    return Parser(path, text).run();
}

std::shared_ptr<const ReportDefinition> ReportDefinition::Load(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw ReportError(QStringLiteral("The report file %1 was not found.").arg(QDir::toNativeSeparators(path)).toStdString());
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("The report file %1 could not be opened: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString())
                              .toStdString());
    const QByteArray bytes = file.readAll();
    // Files saved by Windows editors may be in the ANSI code page rather than UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return Parse(path, text);
}

QSizeF ReportDefinition::pageSizePoints() const
{
    const QSizeF size = paper.size(QPageSize::Point);
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

const ReportQuery* ReportDefinition::query(const QString& name) const
{
    for (const ReportQuery& q : queries)
        if (q.name.compare(name, Qt::CaseInsensitive) == 0)
            return &q;
    return nullptr;
}

} // namespace reports
