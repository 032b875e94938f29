#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <array>

namespace records {

// The phases of an operation in the order they happen.
enum class Phase { PatientIn, Anesthesia, Cutting, Closing, AnesthesiaDone, PatientOut };
constexpr int kPhaseCount = 6;

// The crew roles that sign the record, each independently of the others.
enum class Role { Surgeon, SurgicalAssistant, Anesthesiologist, CirculatingNurse, ScrubNurse };
constexpr std::array<Role, 5> kRoles{Role::Surgeon, Role::SurgicalAssistant, Role::Anesthesiologist, Role::CirculatingNurse,
                                     Role::ScrubNurse};

// What the scrub nurse counts: sponges, instruments and needles, per item.
enum class CountKind { Sponge, Instrument, Needle };

struct ItemCount {
    CountKind kind = CountKind::Sponge;
    QString item;
    int initial = 0;
    int added = 0;
    int final = 0;

    // What must come back at closing: everything opened onto the field.
    int expected() const { return initial + added; }
    bool mismatch() const { return final != expected(); }
};

QChar CountKindCode(CountKind kind);  // 'S', 'I', 'N' as stored
CountKind CountKindFromCode(const QString& code);
QString CountKindName(CountKind kind); // "SPONGES", ...

// The sponges, instruments and needles a chart offers before anything is counted.
QList<ItemCount> DefaultCountItems();

// One operation record (STATION..tbORMasterFile). Plain columns are kept by
// their column names (any case); the phase and specimen times, which the
// table splits into a date and a time column, are kept whole.
class OperationRecord {
public:
    QString operatingNum = QStringLiteral("0"); // "0" until the server assigns the key
    QString hospNum;
    QString idNum;
    QString refNum;
    QString patientType = QStringLiteral("I");
    QString procedureId;
    QString rvsUnit;
    QString rvsDescription; // shown beside the code, never written

    bool isNew() const { return operatingNum.isEmpty() || operatingNum == QLatin1String("0"); }

    QString value(const QString& column) const { return values_.value(column.toLower()); }
    void set(const QString& column, const QString& value) { values_.insert(column.toLower(), value); }

    QDateTime phase(Phase p) const { return phases_[static_cast<int>(p)]; }
    void setPhase(Phase p, const QDateTime& when) { phases_[static_cast<int>(p)] = when; }

    QDateTime specimenIn;
    QDateTime specimenOut;

    // Who signed each role and when; empty while unsigned.
    QString signer(Role role) const { return signers_[static_cast<int>(role)]; }
    QDateTime signedAt(Role role) const { return signedAt_[static_cast<int>(role)]; }
    void setSignature(Role role, const QString& userId, const QDateTime& when)
    {
        signers_[static_cast<int>(role)] = userId;
        signedAt_[static_cast<int>(role)] = when;
    }
    bool isSigned(Role role) const { return !signer(role).isEmpty(); }

    QList<ItemCount> counts;
    QString countMismatchReason;

    bool hasCountMismatch() const;

private:
    QHash<QString, QString> values_;
    std::array<QDateTime, kPhaseCount> phases_;
    std::array<QString, 5> signers_;
    std::array<QDateTime, 5> signedAt_;
};

// The role's sign-off columns and its words in the messages.
struct RoleColumns {
    const char* signId;   // "SurgeonSignID"
    const char* signDate; // "SurgeonDateSign"
    const char* person;   // the column naming who holds the role ("SurgeonID1")
    const char* signatoryWord; // "surgeon" in "Sorry, you are not a valid signatory for surgeon."
    const char* changeQuestion; // "Do you want to change the Surgeon?"
    const char* printRequired;  // "Surgeon Signature is Required"
    bool doctor;
};
const RoleColumns& ColumnsOf(Role role);

// The stored category code of a chart's category caption and back ("Major" <-> "3").
QString CategoryCode(const QString& caption);
QString CategoryCaption(const QString& code);
QStringList CategoryCaptions(bool hideMedium, bool hideOpenHeart);

// The laterality code of the left/right/both boxes: "L", "R", "B" or "".
QString LateralityCode(bool left, bool right, bool both);

} // namespace records
