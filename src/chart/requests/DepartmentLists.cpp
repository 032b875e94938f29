#include "chart/requests/DepartmentLists.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "shell/Globals.h"

#include <QFont>
#include <QFontDatabase>
#include <QListWidget>

namespace chart::requests {

namespace {

db::Connection& shared()
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("The station is not connected to the database."));
    return *connection;
}

void fill(QListWidget& list, const QString& sql)
{
    list.clear();
    list.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (db::Recordset rs = shared().open(sql); !rs.eof(); rs.moveNext())
        list.addItem(ListRowText(ListedExam{rs.text(QStringLiteral("ItemName")).trimmed(), rs.text(QStringLiteral("RevenueID")).trimmed(),
                                            rs.text(QStringLiteral("SectionCode")).trimmed(), rs.text(QStringLiteral("ItemID")).trimmed()}));
}

QString activeRows(const QString& view, const QString& extra = QString())
{
    return QStringLiteral("SELECT ItemID, ItemName, RevenueID, ISNULL(SectionCode, '') AS SectionCode FROM %1 WHERE Status = 'A'%2")
        .arg(view, extra);
}

} // namespace

QString ListRowText(const ListedExam& exam)
{
    return exam.name.leftJustified(50, QLatin1Char(' '), true) + exam.department.leftJustified(2, QLatin1Char(' '), true)
           + exam.section.leftJustified(3, QLatin1Char(' '), true) + exam.code;
}

ListedExam ParseListRow(const QString& text)
{
    return ListedExam{text.left(50).trimmed(), text.mid(50, 2).trimmed(), text.mid(52, 3).trimmed(), text.mid(55, 4).trimmed()};
}

void FillLaboratoryList(QListWidget& list)
{
    fill(list, activeRows(QStringLiteral("STATION..LaboratoryExams"), QStringLiteral(" AND Common = 'Y'")) + QStringLiteral(" ORDER BY ItemName"));
}

void FillXrayList(QListWidget& list)
{
    fill(list, activeRows(QStringLiteral("STATION..XrayExams")) + QStringLiteral(" ORDER BY ItemName"));
}

void FillUltrasoundList(QListWidget& list)
{
    fill(list, activeRows(QStringLiteral("STATION..UltraExams")) + QStringLiteral(" ORDER BY ItemName"));
}

void FillOthersList(QListWidget& list)
{
    QStringList parts;
    for (const char* view : {"STATION..OtherExams", "STATION..PTExams", "STATION..CTExams", "STATION..RTSExams", "STATION..AudioExams",
                             "STATION..HSExams", "STATION..NuclearExams", "STATION..NeuroExams"})
        parts << activeRows(QLatin1String(view));
    fill(list, QStringLiteral("SELECT * FROM (") + parts.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(") X ORDER BY RevenueID, ItemName"));
}

} // namespace chart::requests
