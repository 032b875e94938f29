#pragma once

#include "records/OperationRecord.h"
#include "records/OperationRecordRules.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <map>
#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace records {

enum class CrewKind { Doctor, Nurse, AnesthesiaType, FreeText };

// A staff field of the chart: the code box, the column it fills, the column
// the record's read-back gives the person's name in, and the role whose
// signature a change of person clears.
struct CrewField {
    const char* objectName;
    const char* column;
    const char* nameColumn;
    const char* caption;
    CrewKind kind;
    std::optional<Role> role;
    bool RecordOptions::*shownBy;
};
const std::vector<CrewField>& ChartCrewFields();

// The crew part of the chart: code boxes with the person's name beside them
// and the sign-off buttons. Enter in a box asks the chart whether the role
// may change (a signed role asks its question first) and then opens the
// right look-up for the kind of person.
class ChartCrew : public QObject {
    Q_OBJECT
public:
    using MayChange = std::function<bool(Role)>;

    ChartCrew(QWidget* owner, MayChange mayChange);

    void build(QGridLayout* grid, const RecordOptions& options);
    void fill(const OperationRecord& record);
    void read(OperationRecord& record) const;
    // Paints each role's sign-off button green while the role is signed.
    void showSignatures(const OperationRecord& record);

    // Runs the look-up of a box as Enter does.
    void lookUp(QLineEdit* box);

    QLineEdit* box(const QString& objectName) const { return boxes_.value(objectName); }
    QLabel* nameLabel(const QString& objectName) const { return names_.value(objectName); }
    // cmdSignature(0) surgeon, (1) surgical assistant, (3) anesthesiologist,
    // (6) circulating nurse, (8) scrub nurse.
    std::map<int, QPushButton*> cmdSignature;
    static int SignatureIndex(Role role);

signals:
    void signatureClicked(records::Role role);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setRoleLocked(Role role, bool locked);

    QWidget* owner_;
    MayChange mayChange_;
    QHash<QString, QLineEdit*> boxes_;
    QHash<QString, QLabel*> names_;
};

} // namespace records
