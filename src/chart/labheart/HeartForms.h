#pragma once

#include <QChar>
#include <QString>

#include <optional>
#include <vector>

namespace chart::labheart {

// The result form a heart-station result prints on, chosen by the letter the
// heart station stored with the result (FormType).
struct HeartForm {
    QChar formType;
    QString reportFile; // "\\Reports\\ResultECG.rpt"
    QString title;      // the viewer's caption
};

// Every form, in one table (HeartForms.cpp).
const std::vector<HeartForm>& HeartForms();
// The form of a letter (either case); nothing for a package ('P', printed
// exam by exam) or a letter the heart station does not use.
std::optional<HeartForm> HeartFormFor(QChar formType);

// A package result: its exams are listed by sp_Nurse_HS_Result_PackageExams.
constexpr char kPackageFormType = 'P';

} // namespace chart::labheart
