#pragma once

#include "db/Decimal.h"

#include <QString>

#include <optional>

namespace db {
class Connection;
}

namespace records {

// An operating-room revenue item as the build file holds it.
struct OrProcedure {
    QString code;
    QString description;
    db::Decimal rate; // RateA
    bool tagged = false; // counted as a procedure (section PRC)
};

// Which operating-room items count as procedures, and the operating room's
// own procedures with their rate. Every change is one transaction; each
// rule tells the user its outcome through the prompts, in the order the
// operating-room staff are used to.
class ProcedureTagging {
public:
    // The operating-room item with this code; nothing when there is none.
    // Throws db::DbError.
    static std::optional<OrProcedure> Find(db::Connection& connection, const QString& code);

    // Tags (or untags) the item as a procedure. An untagged item's section
    // becomes an empty text, never null: the reports pick procedures by
    // comparing the section. False when nothing was written.
    static bool Tag(const QString& code, const QString& description, bool asProcedure);

    // A rate text the build file takes: a plain non-negative number that
    // fits the money column.
    static std::optional<db::Decimal> ParseRate(const QString& text);

    // Creates the procedure (`original` empty) or edits the one found, with
    // the build file's change log, after checking the fields and asking
    // first. False when nothing was written.
    static bool SaveProcedure(const QString& code, const QString& description, const QString& rateText,
                              const std::optional<OrProcedure>& original);

    // What the change log says about an edit: the old and the new text.
    static QString EditLogText(const OrProcedure& before, const QString& description, const db::Decimal& rate);
};

} // namespace records
