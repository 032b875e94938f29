#pragma once

#include "records/OperationRecord.h"
#include "records/OperationRecordRules.h"

#include <QStringList>

namespace db {
class Connection;
}

namespace records {

// Reading and writing one operation record on the shared connection. Every
// write here is meant to run inside shell::SaveTransaction, so a record is
// never left half-written; the functions throw db::DbError on failure.
class OperationRecordStore {
public:
    explicit OperationRecordStore(db::Connection& connection);

    // The record of the key through sp_Get_ORDiagnosis (and its counts);
    // false when the patient has no such record.
    bool load(const QString& hospNum, const QString& idNum, const QString& operatingNum, OperationRecord& record);

    // The whole save sequence: the procedure, the new key when the record was
    // new (stored back into record.operatingNum), every other column one by
    // one, the added columns (created first when an older table lacks them)
    // and the item counts. `serverNow` stamps the record.
    void save(OperationRecord& record, const RecordOptions& options, const QString& userId, const QDateTime& serverNow);

    void signOff(const QString& operatingNum, Role role, const QString& userId);
    void clearSignOff(const QString& operatingNum, Role role);
    // Deletes the record and its counts and logs the reset under `userId`.
    void reset(const OperationRecord& record, const QString& userId);

    // The relative-value unit of a code, "" when the code is unknown.
    QString rvsUnit(const QString& code);
    QString rvsDescription(const QString& code);

    // The active rooms, in the schedule's order.
    QStringList activeRooms();

    // A new record starts from the operation as it was booked: the room, the
    // surgeon, the anesthesiologist and the nurses of the admission's confirmed
    // booking of the procedure (any procedure when the record names none)
    // nearest to `now`. False, and nothing changed, when none was booked.
    bool prefillFromBooking(OperationRecord& record, const QDateTime& now);
    // ...and from the relative-value code the procedure item carries, when
    // the record has none yet.
    void prefillRelativeValue(OperationRecord& record);

    // Columns an older table may lack; the program adds them itself.
    struct AddedColumn {
        const char* name;
        const char* type;
    };
    static const std::vector<AddedColumn>& AddedColumns();
    // Adds any added column the table lacks.
    void ensureAddedColumns();

    // A text as the record keeps it: apostrophes become backquotes.
    static QString Stored(const QString& text);

private:
    void update(const QString& operatingNum, const QString& column, const QString& quotedValue);
    void saveCounts(const OperationRecord& record);
    void loadCounts(OperationRecord& record);

    db::Connection* connection_;
};

QString DateText(const QDateTime& when); // "mm/dd/yyyy"
QString TimeText(const QDateTime& when); // "hh:mm:ss AM"

} // namespace records
