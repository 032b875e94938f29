#pragma once

#include <QString>

class QLineEdit;

namespace shell {

// The declared length of a text column ("STATION..tbNurseFluid", "Oral"),
// asked of the server once (COL_LENGTH) and kept for the session; 0 when
// the server does not know the column. Tests clear the cache with
// ForgetColumnLengths() after replacing the connection.
int ColumnLength(const QString& table, const QString& column);
void ForgetColumnLengths();

// Gives a text box the length of the column it is saved to, so nothing a
// nurse types is cut or refused by the server at save time. Only for
// char/varchar columns: for a `text` column the server reports the size of
// its pointer (16), not a limit, and such boxes stay unlimited.
void LimitToColumn(QLineEdit* box, const QString& table, const QString& column);

} // namespace shell
