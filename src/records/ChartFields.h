#pragma once

#include "records/OperationRecord.h"
#include "records/OperationRecordRules.h"

#include <QHash>
#include <QString>

#include <map>
#include <vector>

class QFormLayout;
class QWidget;

namespace records {

// Which part of the chart a text field sits on.
enum class FieldPlace { Procedure, Anesthesia, Counts, Specimen, Notes };

// A text box of the chart bound to one column of the record. `shownBy`
// names the option that shows the field (nullptr: always shown).
struct BoundField {
    const char* objectName;
    const char* column;
    const char* caption;
    FieldPlace place;
    bool multiline;
    bool RecordOptions::*shownBy;
};

// The chart's plain text fields, in the order they appear on their tabs.
const std::vector<BoundField>& ChartTextFields();

// The chart's text boxes made from the table. build() makes the boxes of
// the places it is given: each becomes a row of its place's form layout, is
// limited to its column's length (single-line boxes) and is hidden with its
// row when its option is off.
class ChartTextBoxes {
public:
    void build(const std::map<FieldPlace, QFormLayout*>& forms, QWidget* owner, const RecordOptions& options);
    void fill(const OperationRecord& record);
    void read(OperationRecord& record) const;
    QWidget* box(const QString& objectName) const { return boxes_.value(objectName); }

private:
    QHash<QString, QWidget*> boxes_;
};

QString BoxText(const QWidget* box);
void SetBoxText(QWidget* box, const QString& text);

} // namespace records
