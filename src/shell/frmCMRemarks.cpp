#include "shell/frmCMRemarks.h"

#include "db/Connection.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

frmCMRemarks::frmCMRemarks(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCMRemarks"));
    setWindowTitle(QStringLiteral("List of CM Remarks"));
    resize(380, 320);

    auto* heading = new QLabel(QStringLiteral("Choose a standard remark:"), this);
    lstRemarks = new QListWidget(this);
    lstRemarks->setObjectName(QStringLiteral("lstRemarks"));
    lstRemarks->setAlternatingRowColors(true);
    lstRemarks->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdOk = new QPushButton(QStringLiteral("&Select"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addWidget(lstRemarks, 1);
    layout->addLayout(buttons);

    connect(cmdOk, &QPushButton::clicked, this, &frmCMRemarks::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRemarks, &QListWidget::itemDoubleClicked, this, &frmCMRemarks::cmdOk_Click);

    loadRemarks();
}

void frmCMRemarks::loadRemarks()
{
    // A list that cannot be read is told the station's one way; the picker
    // stays open empty, and the remark box of the dialog that opened it
    // still takes typing.
    SaveTransaction::Load([this](db::Connection& conn) {
        db::Recordset rs = conn.open(QStringLiteral("STATION..sp_Nurse_Get_CMRemarks 7"));
        for (; !rs.eof(); rs.moveNext())
            lstRemarks->addItem(rs.text(QStringLiteral("Remarks")));
    });
    if (lstRemarks->count() > 0)
        lstRemarks->setCurrentRow(0);
}

void frmCMRemarks::cmdOk_Click()
{
    QListWidgetItem* item = lstRemarks->currentItem();
    if (!item)
        return;
    remark_ = item->text();
    accept();
}

QString frmCMRemarks::AddRemark(const QString& box, const QString& remark)
{
    if (box.isEmpty())
        return remark;
    if (box.contains(remark))
        return box;
    return box + QStringLiteral(", ") + remark;
}

void frmCMRemarks::PickInto(QPlainTextEdit& box, QWidget* parent)
{
    frmCMRemarks picker(parent);
    if (Prompts::current().exec(picker) != QDialog::Accepted || picker.remark().isEmpty())
        return;
    box.setPlainText(AddRemark(box.toPlainText(), picker.remark()));
}

} // namespace shell
