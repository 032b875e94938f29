#pragma once

#include "chart/ChartPanel.h"
#include "shell/UnsavedWork.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace shell {
class EditTracker;
}

namespace chart::nursing {

// The nursing profile of a stay: the patient's allergies (kept with the
// patient, beyond the stay), the history and examination check boxes, the
// physical examination by region, the brief history and, for an admission,
// the admitting diagnosis and chief complaint. Saved whole in one transaction.
class NursingProfilePage : public ChartPanel, public shell::UnsavedWork {
    Q_OBJECT
public:
    // The profile's check boxes: column (also the box's name after "chk") and caption.
    struct Box {
        const char* column;
        const char* caption;
    };
    static const std::vector<Box>& Boxes();
    // The examination regions: column and caption.
    static const std::vector<Box>& ExamRegions();

    explicit NursingProfilePage(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("Nursing Profile"); }
    void loadPatient(const ChartPatient& patient) override;

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override { return cmdSaveProfile_Click(); }
    QString unsavedWorkTitle() const override { return QStringLiteral("Nursing Profile"); }

    std::array<QComboBox*, 5> cboAllergy{};
    QLineEdit* txtOtherAllergies;
    std::vector<QCheckBox*> chkProfile;  // in the order of Boxes()
    std::vector<QLineEdit*> txtExam;     // in the order of ExamRegions()
    QPlainTextEdit* txtBriefHistory;
    QPlainTextEdit* txtPhysicalExamination;
    QPlainTextEdit* txtAdmDiagnosis;
    QPlainTextEdit* txtChiefComplaint;
    QPushButton* cmdSaveProfile;

    bool cmdSaveProfile_Click();

private:
    void clear();

    shell::EditTracker* tracker_;
    ChartPatient patient_;
    bool loadFailed_ = true;
};

} // namespace chart::nursing
