#include "records/OperationRecord.h"

#include <algorithm>

namespace records {

QChar CountKindCode(CountKind kind)
{
    switch (kind) {
    case CountKind::Sponge:
        return QLatin1Char('S');
    case CountKind::Instrument:
        return QLatin1Char('I');
    case CountKind::Needle:
        return QLatin1Char('N');
    }
    return QLatin1Char('S');
}

CountKind CountKindFromCode(const QString& code)
{
    if (code.trimmed().compare(QLatin1String("I"), Qt::CaseInsensitive) == 0)
        return CountKind::Instrument;
    if (code.trimmed().compare(QLatin1String("N"), Qt::CaseInsensitive) == 0)
        return CountKind::Needle;
    return CountKind::Sponge;
}

QString CountKindName(CountKind kind)
{
    switch (kind) {
    case CountKind::Sponge:
        return QStringLiteral("SPONGES");
    case CountKind::Instrument:
        return QStringLiteral("INSTRUMENTS");
    case CountKind::Needle:
        return QStringLiteral("NEEDLES");
    }
    return {};
}

QList<ItemCount> DefaultCountItems()
{
    QList<ItemCount> items;
    for (const char* sponge : {"4x4 GAUZE", "8x4 GAUZE", "ABDOMINAL PACK", "CHERRIES", "PEANUTS", "VISCERAL PACK"})
        items.append({CountKind::Sponge, QString::fromLatin1(sponge)});
    for (const char* instrument : {"BASIC SET", "CLAMPS", "RETRACTORS", "SCISSORS"})
        items.append({CountKind::Instrument, QString::fromLatin1(instrument)});
    for (const char* needle : {"SUTURE NEEDLES", "HYPODERMIC NEEDLES", "BLADES"})
        items.append({CountKind::Needle, QString::fromLatin1(needle)});
    return items;
}

bool OperationRecord::hasCountMismatch() const
{
    return std::any_of(counts.begin(), counts.end(), [](const ItemCount& c) { return c.mismatch(); });
}

const RoleColumns& ColumnsOf(Role role)
{
    static const RoleColumns columns[] = {
        {"SurgeonSignID", "SurgeonDateSign", "SurgeonID1", "surgeon", "Do you want to change the Surgeon?",
         "Surgeon Signature is Required", true},
        {"ASurgeonSignID", "ASurgeonDateSign", "SurgeonID2", "Surgical Assistant",
         "Do you want to change the Surgical Assistant?", "Surgical Assistant Signature is Required", true},
        {"AnestSignID", "AnesDateSign", "AnestheID", "Anesthesiologist", "Do you want to change the Anesthesiologist?",
         "Anesthesiologist Signature is Required", true},
        {"CNurseSignID", "CnurseDateSign", "CnurseID1", "Circulating nurse", "Do you want to edit Circulating Nurse?",
         "Circulating Nurse Signature is Required", false},
        {"SNurseSignID", "SnurseDateSign", "SnurseID1", "Scrub Nurse", "Do you want to edit Scrub Nurse?",
         "Scrub Nurse Signature is Required", false},
    };
    return columns[static_cast<int>(role)];
}

namespace {

struct Category {
    const char* caption;
    const char* code;
};
constexpr Category kCategories[] = {{"Medium", "1"}, {"Minor", "2"}, {"Major", "3"}, {"Open Heart", "4"}, {"NSVD", "5"}};

} // namespace

QString CategoryCode(const QString& caption)
{
    for (const Category& c : kCategories)
        if (caption == QLatin1String(c.caption))
            return QString::fromLatin1(c.code);
    return {};
}

QString CategoryCaption(const QString& code)
{
    for (const Category& c : kCategories)
        if (code.trimmed() == QLatin1String(c.code))
            return QString::fromLatin1(c.caption);
    return {};
}

QStringList CategoryCaptions(bool hideMedium, bool hideOpenHeart)
{
    QStringList out;
    for (const Category& c : kCategories) {
        const QString caption = QString::fromLatin1(c.caption);
        if ((hideMedium && caption == QLatin1String("Medium")) || (hideOpenHeart && caption == QLatin1String("Open Heart")))
            continue;
        out << caption;
    }
    return out;
}

QString LateralityCode(bool left, bool right, bool both)
{
    if (both || (left && right))
        return QStringLiteral("B");
    if (left)
        return QStringLiteral("L");
    if (right)
        return QStringLiteral("R");
    return {};
}

} // namespace records
