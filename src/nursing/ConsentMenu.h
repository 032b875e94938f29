#pragma once

#include <QString>

namespace shell {
class mdiORMenu;
}

namespace nursing {

class ConsentForm;

// The consent form a menu item opens ("mnuSurgicalTreatment", ...), loaded
// for the selected patient. Null when no patient is selected (the nurse is
// told so), for a name that is not a consent item, or when the form could
// not be read (the error is shown).
ConsentForm* OpenConsentForm(const QString& menuItem);

// Lets the main window's consent items open their forms as child windows.
void ConnectConsentMenus(shell::mdiORMenu& window);

} // namespace nursing
