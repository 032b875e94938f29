#include "patients/frmSearchAdmitted.h"

#include "db/SqlText.h"
#include "patients/ListControls.h"
#include "patients/PatientGrid.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace patients {

frmSearchAdmitted::frmSearchAdmitted(QWidget* parent) : PatientListBase(QStringLiteral("No Records Found."), parent)
{
    setObjectName(QStringLiteral("frmSearchAdmitted"));
    setWindowTitle(QStringLiteral("Admitted Patients"));
    resize(860, 500);

    QFrame* criteria = newCriteriaFrame();
    auto* row = new QHBoxLayout(criteria);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(10);
    auto* kinds = new QButtonGroup(this);
    const char* const captions[] = {"Inpatient", "Outpatient"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]), criteria);
        option->setObjectName(QStringLiteral("optPatientType_%1").arg(i));
        kinds->addButton(option, i);
        row->addWidget(option);
        optPatientType[static_cast<size_t>(i)] = option;
    }
    optPatientType[0]->setChecked(true);
    connect(kinds, &QButtonGroup::idClicked, this, &frmSearchAdmitted::optPatientType_Click);
    row->addSpacing(12);
    row->addWidget(SmallCaption(QStringLiteral("Last Name"), criteria));
    txtSearch = new QLineEdit(criteria);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setClearButtonEnabled(true);
    txtSearch->setMinimumWidth(200);
    TypeInCapitals(txtSearch);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmSearchAdmitted::cmdSearch_Click);
    row->addWidget(txtSearch, 1);
    cmdSearch = new QPushButton(QStringLiteral("&Search"), criteria);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setAutoDefault(false);
    cmdSearch->setMinimumWidth(88);
    connect(cmdSearch, &QPushButton::clicked, this, &frmSearchAdmitted::cmdSearch_Click);
    row->addWidget(cmdSearch);

    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(2, 0, 2, 0);
    footer->addWidget(newLegend(this));
    footer->addStretch(1);
    footer->addWidget(SmallCaption(QStringLiteral("Rec. No."), this));
    lblRecNum = ValueLabel("lblRecNum", this);
    lblRecNum->setMinimumWidth(110);
    footer->addWidget(lblRecNum);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(criteria);
    MSHFlexList->setEmptyText(QStringLiteral("No Records Found."));
    layout->addWidget(MSHFlexList, 1);
    layout->addLayout(footer);
    setCounterLabel(lblRecNum);

    Form_Load();
}

void frmSearchAdmitted::Form_Load()
{
    cmdSearch_Click();
}

QString frmSearchAdmitted::listPatientType() const
{
    return optPatientType[1]->isChecked() ? QStringLiteral("O") : QStringLiteral("I");
}

QString frmSearchAdmitted::ListStatement() const
{
    const QString letter = optPatientType[1]->isChecked() ? QStringLiteral("O") : QStringLiteral("A");
    return QStringLiteral("STATION..sp_Get_OR_PatientList ") + db::Quote(letter) + QLatin1Char(',')
           + db::Quote(txtSearch->text().trimmed());
}

void frmSearchAdmitted::cmdSearch_Click()
{
    loadList(ListStatement());
}

void frmSearchAdmitted::optPatientType_Click(int)
{
    cmdSearch_Click();
}

} // namespace patients
