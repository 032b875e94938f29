#pragma once

#include <QString>

namespace nursing {

class ConsentForm;

// The consent form a menu item opens ("mnuSurgicalTreatment", ...), loaded
// for the selected patient. Null when no patient is selected (the nurse is
// told so), for a name that is not a consent item, or when the form could
// not be read (the error is shown).
ConsentForm* OpenConsentForm(const QString& menuItem);

} // namespace nursing
