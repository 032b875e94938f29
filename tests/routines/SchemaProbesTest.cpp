// Probes of the server's schema for older hospital databases, and the
// small record helper.
#include "routines/RoutinesFixture.h"

#include "db/DbError.h"
#include "db/routines/RecordHelpers.h"
#include "db/routines/SchemaProbes.h"

namespace {

using namespace routines;

class SchemaProbes : public test::RoutinesFixture {};

TEST_F(SchemaProbes, ParameterCountIsAskedInTheProceduresDatabase)
{
    EXPECT_EQ(ProcedureParamCount(QStringLiteral("INVENTORY"), QStringLiteral("Pharma_AppendCM")), 8);
    EXPECT_EQ(ProcedureParamCount(QStringLiteral("STATION"), QStringLiteral("Pharma_AppendCM")), 0) << "not a procedure of STATION";
    EXPECT_EQ(ProcedureParamCount(QStringLiteral("STATION"), QStringLiteral("Nurse_CheckExamStatus")), 3);
    EXPECT_THROW(ProcedureParamCount(QStringLiteral("NOSUCHDB"), QStringLiteral("X")), db::DbError);
    EXPECT_THROW(ProcedureParamCount(QStringLiteral("STATION; DROP TABLE X"), QStringLiteral("X")), db::DbError);
}

TEST_F(SchemaProbes, MissingColumnsAreAddedToTheOperationRecord)
{
    EXPECT_GT(ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QStringLiteral("Verifiers")), 0);
    EXPECT_EQ(ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QStringLiteral("WoundClass")), 0);
    AddORMasterColumn(QStringLiteral("WoundClass"), QStringLiteral("varchar(20)"));
    EXPECT_EQ(ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QStringLiteral("WoundClass")), 20);
    EXPECT_THROW(AddORMasterColumn(QStringLiteral("WoundClass"), QStringLiteral("varchar(20)")), db::DbError) << "already there";
    EXPECT_THROW(AddORMasterColumn(QStringLiteral("A B"), QStringLiteral("int")), db::DbError);
    EXPECT_THROW(AddORMasterColumn(QStringLiteral("Notes"), QStringLiteral("text; DELETE STATION..tbORMasterFile")), db::DbError);
}

TEST_F(SchemaProbes, RecordsetFields)
{
    const db::Recordset rs = conn().open(QStringLiteral("SELECT 1 AS OneColumn"));
    EXPECT_TRUE(RecordsetHasField(rs, QStringLiteral("OneColumn")));
    EXPECT_TRUE(RecordsetHasField(rs, QStringLiteral("onecolumn")));
    EXPECT_FALSE(RecordsetHasField(rs, QStringLiteral("Other")));
    EXPECT_FALSE(RecordsetHasField(db::Recordset(), QStringLiteral("OneColumn")));
}

} // namespace
