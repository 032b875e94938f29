#include "components/clslabViewer.h"

#include "reports/Report.h"
#include "shell/Prompts.h"

namespace components {

bool clslabViewer::Show_Results()
{
    if (!SQLConnection) {
        shell::Notify(QStringLiteral("The laboratory viewer has no connection to the database."), shell::PromptIcon::Critical);
        return false;
    }
    // Without AutoPrint the viewer lists every released request of the stay.
    const QString request = AutoPrint ? RequestNum.trimmed() : QString();
    if (!reports::OpenReport(ResultForm(), {IdNumber.trimmed(), request, printedByStation_, UserID}))
        return false;
    return reports::ShowReport(false, QStringLiteral("Laboratory Result"), false, false, DisablePrintButton);
}

} // namespace components
