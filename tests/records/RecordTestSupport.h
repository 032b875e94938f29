#pragma once

#include "app_support/AppFixture.h"
#include "records/OperationRecord.h"
#include "records/OperationRecordRules.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace test {

// A record a circulating nurse would have filled in by the end of an
// operation: every field the chart offers holds a value of its own.
inline records::OperationRecord FilledRecord(const QString& hospNum, const QString& idNum)
{
    using records::Phase;
    records::OperationRecord r;
    r.hospNum = hospNum;
    r.idNum = idNum;
    r.refNum = QStringLiteral("OR-REF-77");
    r.patientType = QStringLiteral("I");
    r.procedureId = QStringLiteral("ORP001");
    int n = 0;
    for (const char* column :
         {"SurgeonID1", "SurgeonID2", "SurgeonID3", "SnurseID1", "SnurseID2", "Nurse3", "SNOthers", "CnurseID1", "CnurseID2",
          "CNOthers", "AnestheID", "Anesth1", "Anesth2", "Anesthesia", "AsstNurseID1", "AsstNurseID2", "ANOthers",
          "OtherSurgeons", "AROD", "PHICCODE", "RoomName", "CaseNumber", "Procedures", "SpecificDesc", "OperationProposed",
          "ProphyLaxis", "Remarks", "prod", "psod", "procnd", "psoc", "meds", "drains", "PF", "ot", "Opfindings", "FoodIntake",
          "ManualORNo", "TotalFluids", "BloodLoss", "BloodProducts", "PreOPBP", "PreOPTemp", "PreOPPR", "PreOPRR", "PostOPBP",
          "PostOPO2Sat", "PostOPPR", "PostOPRR", "PostOPStatus", "PostOPTO", "SystemReview", "Premedication", "Inductions",
          "Maintenance", "Instrument", "Sutures", "InstrumentsInitial", "InstrumentsFinal", "SpecimenText", "Specimen2",
          "SuturesText2", "Verifiers"})
        r.set(QString::fromLatin1(column), QStringLiteral("%1%2").arg(QString::fromLatin1(column).left(3).toUpper()).arg(++n));
    r.set(QStringLiteral("Category"), QStringLiteral("3"));
    r.set(QStringLiteral("CountOS"), QStringLiteral("OK"));
    r.set(QStringLiteral("CountAP"), QStringLiteral("NO"));
    r.set(QStringLiteral("preopdxlat"), QStringLiteral("L"));
    r.set(QStringLiteral("postopdxlat"), QStringLiteral("R"));
    r.set(QStringLiteral("opperformedlat"), QStringLiteral("B"));
    const QDateTime in(QDate(2026, 11, 30), QTime(23, 40));
    r.setPhase(Phase::PatientIn, in);
    r.setPhase(Phase::Anesthesia, in.addSecs(10 * 60));
    r.setPhase(Phase::Cutting, in.addSecs(35 * 60));
    r.setPhase(Phase::Closing, in.addSecs(125 * 60)); // past midnight: the dates differ
    r.setPhase(Phase::AnesthesiaDone, in.addSecs(140 * 60));
    r.setPhase(Phase::PatientOut, in.addSecs(150 * 60));
    r.specimenIn = in.addSecs(60 * 60);
    r.specimenOut = in.addSecs(130 * 60);
    r.counts = records::DefaultCountItems();
    for (int i = 0; i < r.counts.size(); ++i) {
        r.counts[i].initial = 10 + i;
        r.counts[i].added = i % 3;
        r.counts[i].final = r.counts[i].expected();
    }
    return r;
}

// Every part of the chart shown, so that every column is written.
inline records::RecordOptions AllFieldsShown()
{
    records::RecordOptions o;
    o.showAnesthesiaDone = o.showSpecimen = o.countsFreeEntry = o.assistantNurses = o.completeIncomplete = o.lateralBoxes = true;
    return o;
}

// Signs the next user validation as `user`; an empty user closes it unsigned.
inline void SignNextValidation(ScriptedPrompts& prompts, const QString& user, const QString& password)
{
    prompts.onDialog([=](QDialog& d) {
        if (user.isEmpty()) {
            d.close();
            return;
        }
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(user);
        d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(password);
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
}

} // namespace test
