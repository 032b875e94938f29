#pragma once

#include <QString>

namespace patients {

// The main window's items whose captions depend on the selected patient.

// "Untag as CVOR/RR Patient" when the selected admission or visit is tagged
// as a cardiovascular-OR / recovery-room case, else "Tag as CVOR/RR Patient".
// Throws db::DbError on a database error.
QString CvorCaption(const QString& idNum, const QString& patientType);

// Sets the captions of the main window's patient items (the menu item
// "mnuCVOR") for the selected patient. Does nothing without a main window.
// A database error is reported and leaves the caption as it was.
void RefreshPatientMenus();

} // namespace patients
