#include "chart/requests/frmRequest.h"

#include "chart/requests/Departments.h"
#include "chart/requests/ExamLookup.h"
#include "chart/requests/OrdersModel.h"
#include "chart/requests/frmRemarks.h"
#include "db/Connection.h"
#include "db/routines/RatesAndClasses.h"
#include "db/routines/RequestsAndExams.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace chart::requests {

namespace {

constexpr int kColumns = 15;

QStringList entryHeaders()
{
    // " |<CODE|<DESCRIPTION|<QTY|<AMOUNT|<SECTION|STAT|<REMARKS||||||<REASON|"
    return {QString(), QStringLiteral("CODE"), QStringLiteral("DESCRIPTION"), QStringLiteral("QTY"), QStringLiteral("AMOUNT"),
            QStringLiteral("SECTION"), QStringLiteral("STAT"), QStringLiteral("REMARKS"), QString(), QString(), QString(), QString(),
            QString(), QStringLiteral("REASON"), QString()};
}

QString money(const db::Decimal& value)
{
    return value.rounded(2).value_or(value).withScale(2).value_or(value).toString();
}

void refuse(const QString& text)
{
    shell::Notify(text);
}

} // namespace

frmRequest::frmRequest(const ChartPatient& patient, const OrdersModel& orders, QWidget* parent)
    : QDialog(parent), patient_(patient), orders_(orders)
{
    setObjectName(QStringLiteral("frmRequest"));
    mshflexEntry = new QTableWidget(1, kColumns);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    mshflexEntry->setHorizontalHeaderLabels(entryHeaders());
    mshflexEntry->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexEntry->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 8; c <= 12; ++c)
        mshflexEntry->setColumnHidden(c, true);
    mshflexEntry->setColumnHidden(14, true);
    mshflexEntry->setColumnWidth(0, 18);
    mshflexEntry->setColumnWidth(ColDescription, 300);
    mshflexEntry->verticalHeader()->hide();
    mshflexProfileList = new QTableWidget(0, 5);
    mshflexProfileList->setObjectName(QStringLiteral("mshflexProfileList"));
    mshflexProfileList->setHorizontalHeaderLabels({QString(), QStringLiteral("ExamID"), QStringLiteral("ExamName"), QStringLiteral("ProfileID"),
                                                   QStringLiteral("ProfileName")});
    mshflexProfileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexProfileList->verticalHeader()->hide();
    txtEntry = new QLineEdit;
    txtEntry->setObjectName(QStringLiteral("txtEntry"));
    lblHint = new QLabel;
    lblHint->setObjectName(QStringLiteral("lblHint"));
    const char* captions[] = {"&OK", "&Close", "&Delete Row"};
    for (int i = 0; i < 3; ++i) {
        cmdOption[static_cast<size_t>(i)] = new QPushButton(QString::fromLatin1(captions[i]));
        cmdOption[static_cast<size_t>(i)]->setObjectName(QStringLiteral("cmdOption_%1").arg(i));
        connect(cmdOption[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    auto* grids = new QHBoxLayout;
    grids->addWidget(mshflexEntry, 3);
    grids->addWidget(mshflexProfileList, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Medium, shell::StationLook::Medium, shell::StationLook::Medium, shell::StationLook::Medium);
    layout->addLayout(grids, 1);
    layout->addWidget(txtEntry);
    layout->addWidget(lblHint);
    layout->addLayout(shell::StationLook::ButtonRow({cmdOption[0], cmdOption[1], cmdOption[2]}, false));
    resize(1000, 480);

    rows_.resize(1);
    txtEntry->installEventFilter(this);
    connect(txtEntry, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Apostrophes never reach the server; everything is upper case.
        QString cleaned = text;
        cleaned.remove(QLatin1Char('\''));
        cleaned = cleaned.toUpper();
        if (cleaned != text)
            txtEntry->setText(cleaned);
    });
    connect(mshflexEntry, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row < 0 || column < 0)
            return;
        const QTableWidgetItem* item = mshflexEntry->item(row, column);
        txtEntry->setText(item ? item->text() : QString());
        showHint();
    });
    moveTo(0, ColCode);
}

void frmRequest::setDepartment(const QString& code)
{
    department_ = code.trimmed().toUpper();
    const chart::requests::Department d = DepartmentOf(department_);
    setWindowTitle(d.caption.isEmpty() ? d.name.trimmed() + QStringLiteral(" Request Entry") : d.caption);
    shell::SaveTransaction::Load([&](db::Connection&) { rateClass_ = routines::GetPatientRateType(patient_.idNum); });
}

bool frmRequest::skipped(int column) const
{
    if (column == ColDescription || column == ColAmount || column == ColSection)
        return true;
    return column == ColQty && !QuantityTyped(department_);
}

void frmRequest::showHint()
{
    const int column = mshflexEntry->currentColumn();
    if (column == ColCode)
        lblHint->setText(QStringLiteral("Type the Examination Code or first few Letter(s) of the Examination name then press the <Enter> Key."));
    else if (column == ColStat)
        lblHint->setText(QStringLiteral("Type [Y]-YES if the Examination is STAT and [N]-NO if it is ROUTINE."));
    else if (column == ColRemarks || column == ColReason)
        lblHint->setText(QStringLiteral("Type additional remarks."));
    else
        lblHint->clear();
}

void frmRequest::ensureRow(int row)
{
    while (mshflexEntry->rowCount() <= row)
        mshflexEntry->insertRow(mshflexEntry->rowCount());
    if (static_cast<int>(rows_.size()) <= row)
        rows_.resize(static_cast<size_t>(row) + 1);
}

void frmRequest::moveTo(int row, int column)
{
    ensureRow(row);
    mshflexEntry->setCurrentCell(row, column);
    const QTableWidgetItem* item = mshflexEntry->item(row, column);
    txtEntry->setText(item ? item->text() : QString());
    showHint();
}

void frmRequest::moveBy(int rows, int columns)
{
    // The cursor stops only at the cells the nurse types in.
    QList<int> stops;
    for (int column : {int(ColCode), int(ColQty), int(ColStat), int(ColRemarks), int(ColReason)})
        if (!skipped(column))
            stops << column;
    int row = std::max(0, mshflexEntry->currentRow() + rows);
    int at = std::max(0, static_cast<int>(stops.indexOf(mshflexEntry->currentColumn())));
    at += columns;
    if (at >= stops.size()) {
        at = 0;
        ++row;
    } else if (at < 0) {
        at = 0;
    }
    // A new row only opens below a row that holds an exam.
    if (row >= static_cast<int>(rows_.size()) && (rows_.empty() || rows_.back().code.isEmpty()))
        row = static_cast<int>(rows_.size()) - 1;
    moveTo(std::max(0, row), stops.at(at));
}

bool frmRequest::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtEntry && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EnterCell(mshflexEntry->currentRow(), mshflexEntry->currentColumn(), txtEntry->text());
            return true;
        case Qt::Key_Up: moveBy(-1, 0); return true;
        case Qt::Key_Down: moveBy(1, 0); return true;
        case Qt::Key_Left: moveBy(0, -1); return true;
        case Qt::Key_Right: moveBy(0, 1); return true;
        case Qt::Key_Home: moveTo(mshflexEntry->currentRow(), ColCode); return true;
        case Qt::Key_End: moveTo(mshflexEntry->currentRow(), ColReason); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmRequest::showRow(int row)
{
    const OrderRow& r = rows_[static_cast<size_t>(row)];
    auto set = [&](int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        if (column == ColQty || column == ColAmount)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mshflexEntry->setItem(row, column, item);
    };
    const bool filled = !r.code.isEmpty();
    set(ColCode, r.code);
    set(ColDescription, r.description);
    set(ColQty, filled ? r.quantity.toString() : QString());
    set(ColAmount, filled ? money(r.amount) : QString());
    set(ColSection, r.section);
    set(ColStat, filled ? r.stat : QString());
    set(ColRemarks, r.remarks);
    set(ColReason, r.reason);
}

void frmRequest::clearRow(int row)
{
    rows_[static_cast<size_t>(row)] = OrderRow{};
    showRow(row);
    txtEntry->clear();
}

QStringList frmRequest::laboratoryCodesExcept(int row) const
{
    QStringList codes = orders_.laboratoryCodes();
    if (department_ == QLatin1String("LB"))
        for (size_t i = 0; i < rows_.size(); ++i)
            if (static_cast<int>(i) != row && !rows_[i].code.isEmpty())
                codes << rows_[i].code;
    return codes;
}

bool frmRequest::EnterCell(int row, int column, const QString& typed)
{
    if (row < 0)
        return false;
    ensureRow(row);
    QString text = typed;
    text.remove(QLatin1Char('\''));
    text = text.trimmed().toUpper();
    bool accepted = true;
    switch (column) {
    case ColCode:
        accepted = enterCode(row, text);
        break;
    case ColQty:
        accepted = enterQuantity(row, text);
        break;
    case ColStat:
        accepted = enterStat(row, text);
        break;
    case ColRemarks:
    case ColReason: {
        if (rows_[static_cast<size_t>(row)].code.isEmpty())
            return false;
        QString line = typed;
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\''));
        (column == ColRemarks ? rows_[static_cast<size_t>(row)].remarks : rows_[static_cast<size_t>(row)].reason) = line.toUpper();
        showRow(row);
        break;
    }
    default:
        return false;
    }
    if (accepted) {
        mshflexEntry->setCurrentCell(row, column);
        moveBy(0, 1);
    }
    return accepted;
}

bool frmRequest::enterCode(int row, const QString& text)
{
    if (text.isEmpty())
        return false;
    std::optional<Exam> exam;
    bool refused = false;
    const bool read = shell::SaveTransaction::Load([&](db::Connection&) {
        exam = LookUpExam(department_, text, rateClass_);
        if (!exam)
            return;
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (static_cast<int>(i) != row && rows_[i].code == exam->code) {
                refuse(QStringLiteral("Can't request the same examination."));
                refused = true;
                return;
            }
        }
        if (orders_.contains(department_, exam->code)) {
            refuse(QStringLiteral("Examination is already in the Orders List."));
            refused = true;
            return;
        }
        if (routines::CheckExamStatus(patient_.idNum, exam->code, department_) || routines::CheckExamPosted(patient_.idNum, exam->code, department_)) {
            refused = true;
            return;
        }
        if (department_ == QLatin1String("LB")) {
            const QStringList ordered = laboratoryCodesExcept(row);
            if (routines::CheckProfileAgainstOrders(exam->code, ordered) || routines::CheckExamInProfiles(exam->code, ordered)) {
                refused = true;
                return;
            }
            mshflexProfileList->setRowCount(0);
            for (const routines::ExamProfileRow& p : routines::GetExamProfiles(exam->code)) {
                const int at = mshflexProfileList->rowCount();
                mshflexProfileList->insertRow(at);
                const QString cells[] = {QString(), p.examId, p.examName, p.profileId, p.profileName};
                for (int c = 0; c < 5; ++c)
                    mshflexProfileList->setItem(at, c, new QTableWidgetItem(cells[c]));
            }
        }
        if (exam->price.isZero()) {
            refuse(QStringLiteral("Cannot charge examination with Zero(0) amount."));
            refused = true;
        }
    });
    if (!read || !exam || refused) {
        clearRow(row);
        return false;
    }
    OrderRow r;
    r.department = department_;
    r.code = exam->code;
    r.description = exam->name;
    r.section = exam->section;
    r.unitPrice = exam->price;
    r.amount = exam->price;
    r.quantity = db::Decimal::fromInteger(1);
    r.stat = QStringLiteral("N");
    // The previous row's doctor is the likely one for the next.
    for (const OrderRow& other : rows_)
        if (!other.doctorId.isEmpty())
            r.doctorId = other.doctorId, r.doctorName = other.doctorName;
    frmRemarks details(this);
    details.ExamID = r.code;
    details.DeptID = department_;
    details.IdNum = patient_.idNum;
    details.row = r;
    if (!details.Form_Load() || shell::Prompts::current().exec(details) != QDialog::Accepted) {
        clearRow(row);
        return false;
    }
    r = details.row;
    r.cashBasisBypass = CashBasisWarned && r.stat == QLatin1String("Y");
    rows_[static_cast<size_t>(row)] = r;
    showRow(row);
    return true;
}

bool frmRequest::enterQuantity(int row, const QString& text)
{
    OrderRow& r = rows_[static_cast<size_t>(row)];
    if (r.code.isEmpty())
        return false;
    int most = 1;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { most = MaxQuantity(department_, r.code); }))
        return false;
    const std::optional<db::Decimal> typed = db::Decimal::parse(text);
    const bool one = typed && *typed == db::Decimal::fromInteger(1);
    if (most == 1 && !one) {
        refuse(department_ == QLatin1String("LB") ? QStringLiteral("You may only enter one(1) as quantity for this procedure.")
                                                  : QStringLiteral("You can only enter one(1) as quantity for this procedure."));
        showRow(row);
        return false;
    }
    // Quantities are whole numbers of exams.
    if (!typed || typed->scale() > 0 || !(db::Decimal() < *typed) || db::Decimal::fromInteger(most) < *typed) {
        refuse(QStringLiteral("Quantity should be > 0 and <= ") + QString::number(most) + QStringLiteral("."));
        showRow(row);
        return false;
    }
    r.quantity = *typed;
    r.amount = db::Decimal::multiply(r.unitPrice, *typed).value_or(r.unitPrice);
    showRow(row);
    return true;
}

bool frmRequest::enterStat(int row, const QString& text)
{
    OrderRow& r = rows_[static_cast<size_t>(row)];
    if (r.code.isEmpty())
        return false;
    if (text != QLatin1String("Y") && text != QLatin1String("N")) {
        refuse(QStringLiteral("Please enter Y (STAT) or N (Routine)."));
        showRow(row);
        return false;
    }
    r.stat = text;
    r.cashBasisBypass = CashBasisWarned && text == QLatin1String("Y");
    showRow(row);
    return true;
}

void frmRequest::cmdOption_Click(int index)
{
    switch (index) {
    case 0: {
        const bool reasonRequired = app::Hospital().clientname.trimmed().compare(QLatin1String("TALB"), Qt::CaseInsensitive) == 0
                                    || app::Hospital().blnRequireRadioReason;
        accepted_.clear();
        for (const OrderRow& r : rows_) {
            if (r.code.isEmpty())
                continue;
            if (reasonRequired && IsRadiology(r.department) && r.reason.trimmed().isEmpty()) {
                shell::Notify(QStringLiteral("Please enter reason of procedure: ") + r.description + QStringLiteral("  ."), shell::PromptIcon::Critical);
                accepted_.clear();
                return;
            }
            accepted_.push_back(r);
        }
        accept();
        break;
    }
    case 1:
        accepted_.clear();
        reject();
        break;
    case 2: {
        const bool any = std::any_of(rows_.begin(), rows_.end(), [](const OrderRow& r) { return !r.code.isEmpty(); });
        if (!any) {
            shell::Notify(QStringLiteral("Row cannot be deleted because there are no entries yet."));
            return;
        }
        if (!shell::Confirm(QStringLiteral("Are you sure to delete the request?")))
            return;
        const int row = std::max(0, mshflexEntry->currentRow());
        if (rows_.size() <= 1) {
            clearRow(0);
        } else {
            rows_.erase(rows_.begin() + row);
            mshflexEntry->removeRow(row);
        }
        moveTo(std::min(row, static_cast<int>(rows_.size()) - 1), ColCode);
        break;
    }
    default:
        break;
    }
}

} // namespace chart::requests
