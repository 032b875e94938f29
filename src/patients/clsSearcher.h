#pragma once

#include <QString>

namespace patients {

// The station's own code look-up: resolves a typed code or name to one row of
// a code table. A text that matches one row is taken at once; a text that
// matches several opens frmSearcher on the matching rows for the user to pick.
//
// Each search takes the code text by reference. On true, the reference and
// Code hold the chosen code and Description its text; on false the reference
// is left as it was. A failing statement throws db::DbError to the caller.
class clsSearcher {
public:
    bool SearchAdmissionType(QString& code);
    bool SearchVessel(QString& code);
    bool SearchHospital(QString& code);
    bool SearchMembership(QString& code);
    bool SearchORProcedure(QString& code);

    // The last result; empty after a search that found nothing or was cancelled.
    QString Code;
    QString Description;

    // Which search opened the look-up dialog (frmSearcher::FunctionType).
    enum FunctionTypes { AdmissionType = 1, Vessel, Hospital, Membership, ORProcedure };

private:
    struct Lookup {
        QString exactSql;    // the look-up of the typed text
        QString codeColumn;  // columns of its result
        QString nameColumn;
        QString notFound;    // the message when nothing matches
        QString caption;     // the dialog's caption and query, "##" standing for the text
        QString dialogQuery;
        int functionType;
    };

    bool search(const Lookup& lookup, QString& code);
};

} // namespace patients
