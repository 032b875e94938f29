#include "chart/results/ResultArea.h"

#include "chart/ChartPanel.h"
#include "db/Connection.h"
#include "patients/RecordTable.h"
#include "shell/Prompts.h"
#include "shell/Globals.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace chart {

namespace {

// Columns whose heading names a date print as dates.
patients::RecordTable::Kind kindOf(const QString& heading)
{
    return heading.contains(QLatin1String("DATE"), Qt::CaseInsensitive) ? patients::RecordTable::Kind::Date
                                                                         : patients::RecordTable::Kind::Text;
}

std::vector<patients::RecordTable::Column> gridColumns(const QString& formatString)
{
    // The blanks after a heading in the format string set its column's width,
    // as they always have; a date-time needs room for all of itself.
    const QStringList parts = formatString.split(QLatin1Char('|'));
    std::vector<patients::RecordTable::Column> columns;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString heading = parts[i];
        if (heading.startsWith(QLatin1Char('<')) || heading.startsWith(QLatin1Char('>')) || heading.startsWith(QLatin1Char('^')))
            heading.remove(0, 1);
        const int padded = static_cast<int>(heading.size());
        heading = heading.trimmed();
        if (heading.isEmpty())
            continue;
        const bool date = kindOf(heading) == patients::RecordTable::Kind::Date;
        columns.push_back({heading, heading, std::max(date ? 150 : 70, padded * 7 + 12), kindOf(heading)});
    }
    return columns;
}

} // namespace

QStringList FormatStringHeadings(const QString& formatString)
{
    QStringList headings;
    const QStringList parts = formatString.split(QLatin1Char('|'));
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString heading = parts[i];
        if (heading.startsWith(QLatin1Char('<')) || heading.startsWith(QLatin1Char('>')) || heading.startsWith(QLatin1Char('^')))
            heading.remove(0, 1);
        heading = heading.trimmed();
        if (!heading.isEmpty())
            headings << heading;
    }
    return headings;
}

ResultArea::ResultArea(ResultAreaKind kind, QWidget* parent)
    : QWidget(parent)
    , kind_(std::move(kind))
{
    setObjectName(QStringLiteral("area_") + kind_.key);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(4);
    grid = new patients::RecordTable(kind_.gridName.toLatin1().constData(), gridColumns(kind_.formatString), this);
    grid->setMinimumHeight(120);
    root->addWidget(grid, 3);

    auto* below = new QHBoxLayout;
    txtReading = new QPlainTextEdit(this);
    txtReading->setObjectName(kind_.textName);
    txtReading->setReadOnly(true);
    txtReading->setMinimumHeight(90);
    below->addWidget(txtReading, 1);
    auto* side = new QVBoxLayout;
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(kind_.infoName);
    lblInfo->setWordWrap(true);
    lblInfo->setMinimumWidth(170);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    side->addWidget(lblInfo, 1);
    cmdPrint = new QPushButton(QStringLiteral("&Print Result"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint_") + kind_.key);
    cmdPrint->setVisible(static_cast<bool>(kind_.print));
    cmdPrint->setEnabled(false);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    side->addWidget(cmdPrint);
    below->addLayout(side);
    root->addLayout(below, 2);

    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { chooseRow(current.isValid() ? current.row() : -1); });
}

void ResultArea::load(const ChartPatient& patient)
{
    patient_ = &patient;
    clear();
    rows_ = kind_.load(*app::SQLConnection(), patient);
    grid->fill(rows_);
}

void ResultArea::clear()
{
    rows_ = db::Recordset();
    grid->clear();
    chooseRow(-1);
}

int ResultArea::rowCount() const
{
    return grid->rowCount();
}

db::Recordset ResultArea::rowAt(int row) const
{
    db::Recordset cursor = rows_;
    if (cursor.resultSetCount() == 0)
        return cursor;
    cursor.moveFirst();
    for (int i = 0; i < row && !cursor.eof(); ++i)
        cursor.moveNext();
    return cursor;
}

void ResultArea::chooseRow(int row)
{
    chosen_ = row >= 0 && row < rowCount() ? row : -1;
    txtReading->clear();
    lblInfo->clear();
    cmdPrint->setEnabled(chosen_ >= 0);
    if (chosen_ < 0)
        return;
    const db::Recordset at = rowAt(chosen_);
    if (at.eof())
        return;
    txtReading->setPlainText(at.hasField(kind_.readingField) ? at.text(kind_.readingField) : QString());
    // Who read it and when, from whichever of the usual columns the area has.
    QStringList info;
    const auto add = [&](const char* field, const char* caption) {
        if (at.hasField(QLatin1String(field)) && !at.text(QLatin1String(field)).trimmed().isEmpty())
            info << QLatin1String(caption) + at.text(QLatin1String(field)).trimmed();
    };
    add("Exam. Name", "Exam: "); // the field names are matched whatever their case
    const QString doctor = at.hasField(QStringLiteral("DR. Lastname"))
                               ? (at.text(QStringLiteral("DR. Lastname")).trimmed() + QStringLiteral(", ")
                                  + at.text(QStringLiteral("DR. Firstname")).trimmed() + QLatin1Char(' ')
                                  + at.text(QStringLiteral("DR. Middlename")).trimmed()).trimmed()
                               : QString();
    if (doctor.size() > 1)
        info << QStringLiteral("Read by: DR. ") + doctor;
    for (const char* field : {"Result Date", "RESULT DATE", "ResultDate"}) {
        if (at.hasField(QLatin1String(field))) {
            const QDateTime when = at.field(QLatin1String(field)).toDateTime();
            if (when.isValid())
                info << QStringLiteral("Released: ") + when.toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
            break;
        }
    }
    lblInfo->setText(info.join(QLatin1Char('\n')));
}

bool ResultArea::cmdPrint_Click()
{
    if (!kind_.print || !patient_)
        return false;
    if (chosen_ < 0) {
        shell::Notify(QStringLiteral("Please select a result to print."));
        return false;
    }
    return kind_.print(*patient_, rowAt(chosen_));
}

} // namespace chart
