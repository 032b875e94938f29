#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace components {

// The ICD-10 code check of the diagnosis look-up: a typed code is accepted
// only when the hospital's ICD table knows it, and its description comes back
// with it so that a window shows what the code means.
class clsICD {
public:
    explicit clsICD(db::Connection* connection = nullptr) : connection_(connection) {}

    // True when `code` is a known ICD-10 code: ICDCode then holds it as the
    // table spells it and Description its text. False (and both emptied) for
    // an unknown or empty code. Throws db::DbError when the table cannot be read.
    bool ValidateICDCode(const QString& code);

    QString ICDCode;
    QString Description;

private:
    db::Connection* connection_;
};

} // namespace components
