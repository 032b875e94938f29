#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// A failed statement. The message is the server's own text, so that a window
// can show it to the user and IT staff can recognise it.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The guarded write-back of an updatable recordset found the row changed by
// another writer since it was read.
class ConcurrencyError : public DbError {
public:
    using DbError::DbError;
};

} // namespace db
