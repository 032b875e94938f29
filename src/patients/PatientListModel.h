#pragma once

#include "db/Recordset.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

namespace patients {

// The rows of a patient list as the grid shows them, straight from the
// recordset of the list procedure (no copy, no per-row work while loading:
// dates are formatted, names tidied and colours chosen only for the cells drawn).
//
// Columns by position, as the list procedures return them:
//   0 marker (a blank field; the grid draws the marker on the current row),
//   1 hospital number, 2 admission number, 3 patient name, 4 admission date,
//   5 discharge date, 6 billing date, 7 cash-basis flag (hidden),
//   8 precaution id (hidden; none means standard, "1").
// The list always has at least one (blank) row, as the grid keeps two rows
// counting its heading.
class PatientListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Marker = 0, HospitalNumber, AdmissionNumber, PatientName, AdmissionDate, DischargeDate, BillingDate,
                  CashBasis, Precaution, ColumnCount };

    // Text colours of the legend.
    static QColor BilledColor();
    static QColor CashBasisColor();

    // A precaution the rows may be painted in (background).
    struct RowPrecaution {
        QString id;
        QString name;
        QColor color;
    };
    // One colour the grid paints, and what it means.
    struct LegendEntry {
        enum class Paint { Text, Row } paint;
        QColor color;
        QString meaning;
    };
    // Every colour the grid may paint now, in the legend's order: the text
    // colours, then the precautions' row colours when they are shown.
    QList<LegendEntry> legend() const;

    explicit PatientListModel(QObject* parent = nullptr);

    // Shows the rows of the recordset's current result set.
    void setRecordset(const db::Recordset& rows);
    void clear();
    // The precautions rows are painted in; empty: no precaution colouring.
    void setPrecautions(const QList<RowPrecaution>& precautions);
    // The same without names (the legend then says "Precaution" and the id).
    void setPrecautionColors(QHash<QString, QColor> colors);
    // The row marked in column 0 (-1 for none).
    void setCurrentRow(int row);

    // Number of patients listed (0 for the blank row of an empty list).
    int recordCount() const;
    // The cell as shown (dates as "MM/dd/yyyy hh:mm AM"); "" outside the data.
    QString text(int row, int column) const;
    // The texts of a column as shown that are longest in characters (those
    // within `slack` characters of the longest, at most `limit` of them):
    // the only ones worth measuring when the grid fits its columns.
    QStringList longestTexts(int column, int slack, int limit) const;
    // The column headings of the grid (blank for the marker and hidden columns).
    static QStringList Headings();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The colours the grid may paint changed (the precautions were read again).
    void legendChanged();

private:
    QVariant raw(int row, int column) const;
    bool billed(int row) const;
    bool cashBasis(int row) const;

    db::Recordset recordset_;
    const db::ResultSet* rows_ = nullptr;
    QHash<QString, QColor> precautionColors_;
    QList<RowPrecaution> precautions_;
    int currentRow_ = -1;
};

// "yyyy-MM-dd HH:mm:ss..." as the grid shows it: "MM/dd/yyyy hh:mm AM"; other text unchanged.
QString GridDateText(const QString& stored);

} // namespace patients
