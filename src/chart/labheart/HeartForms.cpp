#include "chart/labheart/HeartForms.h"

namespace chart::labheart {

// FormType letter -> result form. The letters are the ones the heart station
// stores with its results:
//
//   E  electrocardiogram                      ResultECG.rpt            "ECG Examination"
//   D  2D echocardiogram, adult               Exam_2DEcho_Adult.rpt    "Echocardiographic Report"
//   C  carotid duplex scan                    Carotid.rpt              "Carotid Examination"
//   K  carotid and vertebral duplex scan      Carotid2.rpt             "Carotid Examination"
//   R  renal artery duplex scan               RenalArtery.rpt          "Renal Artery Duplex Scan"
//   H  stress test / Holter (haemodynamic)    Exam_Hemodynamic.rpt     "Hemodynamic Cardiovascular Laboratory"
//   U  venous study, upper extremity          VenousUpper.rpt          "Venous Upper Examination"
//   L  venous study, lower extremity          VenousLower.rpt          "VenousLower"
//   T  transcranial Doppler                   Transcranial.rpt         "Transcranial Ultrasonography"
//   A  arterial study, upper extremity        ArterialUpper.rpt        "Arterial Evaluation"
//   B  segmental pressures, upper extremity   ArterialUpper2.rpt       "Arterial Evaluation"
//   F  arterial study, lower extremity        ArterialLower.rpt        "Arterial Lower Evaluation"
//   G  arterial duplex scan, lower extremity  ArterialLower2.rpt       "Arterial Duplex Scan"
//   O  abdominal aorta                        AbdominalAorta2.rpt      "Abdominal Aorta Examination"
//   P  package: each exam on its own form (sp_Nurse_HS_Result_PackageExams)
const std::vector<HeartForm>& HeartForms()
{
    auto form = [](char letter, const char* file, const char* title) {
        return HeartForm{QLatin1Char(letter), QStringLiteral("\\Reports\\") + QString::fromLatin1(file), QString::fromLatin1(title)};
    };
    static const std::vector<HeartForm> forms = {
        form('E', "ResultECG.rpt", "ECG Examination"),
        form('D', "Exam_2DEcho_Adult.rpt", "Echocardiographic Report"),
        form('C', "Carotid.rpt", "Carotid Examination"),
        form('K', "Carotid2.rpt", "Carotid Examination"),
        form('R', "RenalArtery.rpt", "Renal Artery Duplex Scan"),
        form('H', "Exam_Hemodynamic.rpt", "Hemodynamic Cardiovascular Laboratory"),
        form('U', "VenousUpper.rpt", "Venous Upper Examination"),
        form('L', "VenousLower.rpt", "VenousLower"),
        form('T', "Transcranial.rpt", "Transcranial Ultrasonography"),
        form('A', "ArterialUpper.rpt", "Arterial Evaluation"),
        form('B', "ArterialUpper2.rpt", "Arterial Evaluation"),
        form('F', "ArterialLower.rpt", "Arterial Lower Evaluation"),
        form('G', "ArterialLower2.rpt", "Arterial Duplex Scan"),
        form('O', "AbdominalAorta2.rpt", "Abdominal Aorta Examination"),
    };
    return forms;
}

std::optional<HeartForm> HeartFormFor(QChar formType)
{
    const QChar letter = formType.toUpper();
    for (const HeartForm& form : HeartForms())
        if (form.formType == letter)
            return form;
    return std::nullopt;
}

} // namespace chart::labheart
