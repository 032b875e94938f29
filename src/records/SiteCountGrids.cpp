#include "records/SiteCountGrids.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/StationLook.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace records {

namespace {

// The grids' headings as the site's form prints them.
const char* const kSpongeHeader =
    "<     SPONGE COUNT      |<  ON TABLE  |<  ON FLOOR  |<     TOTAL      |<  ON TABLE  |<  ON FLOOR  |<     TOTAL      ";
const char* const kOtherHeader = "<                    |<  BEFORE  |<  AFTER  |<     TOTAL      |<    |<    |<     ";
const char* const kSpongeRows[] = {"4x4", "8x4", "ABDOMINAL PACK", "CHERRIES", "PEANUTS", "OS"};
const char* const kOtherRows[] = {"INSTRUMENT COUNT", "NEEDLE COUNT", "SUTURES"};

QTableWidget* Grid(QWidget* parent, const char* name, const char* header, const QStringList& rows)
{
    QStringList captions;
    for (const QString& part : QString::fromLatin1(header).split(QLatin1Char('|')))
        captions << part.mid(1);
    auto* grid = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(captions.size()), parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setHorizontalHeaderLabels(captions);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int r = 0; r < rows.size(); ++r) {
        auto* caption = new QTableWidgetItem(rows[r]);
        caption->setFlags(caption->flags() & ~Qt::ItemIsEditable);
        grid->setItem(r, 0, caption);
        for (int c = 1; c < captions.size(); ++c)
            grid->setItem(r, c, new QTableWidgetItem);
    }
    return grid;
}

QStringList Names(const char* const* begin, const char* const* end)
{
    QStringList out;
    for (auto it = begin; it != end; ++it)
        out << QString::fromLatin1(*it);
    return out;
}

void Fill(QTableWidget* grid, db::Recordset rows)
{
    for (int r = 0; !rows.eof() && r < grid->rowCount(); rows.moveNext(), ++r)
        for (int c = 1; c < grid->columnCount() && c < rows.fieldCount(); ++c)
            grid->item(r, c)->setText(rows.field(c).text());
}

void Write(db::Connection& connection, const QTableWidget* grid, const QString& idNum, const QString& operatingNum, int type)
{
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList values{db::Quote(idNum)};
        for (int c = 0; c < 7; ++c)
            values << db::Quote(c < grid->columnCount() && grid->item(r, c) ? grid->item(r, c)->text().trimmed() : QString());
        values << QString::number(r + 1) << db::Quote(operatingNum) << QString::number(type);
        connection.execute(QStringLiteral("INSERT INTO STATION..TBSPONGECOUNT VALUES(%1)").arg(values.join(QLatin1Char(','))));
    }
}

} // namespace

SiteCountGrids::SiteCountGrids(QWidget* parent)
    : QWidget(parent)
{
    mshSponge = Grid(this, "mshSponge", kSpongeHeader, Names(std::begin(kSpongeRows), std::end(kSpongeRows)));
    mshOtherCount = Grid(this, "mshOtherCount", kOtherHeader, Names(std::begin(kOtherRows), std::end(kOtherRows)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(shell::StationLook::Tight);
    layout->addWidget(mshSponge, 2);
    layout->addWidget(mshOtherCount, 1);
}

void SiteCountGrids::load(db::Connection& connection, const QString& idNum, const QString& operatingNum)
{
    const QString keys = QStringLiteral("where idnum = %1 and operatingnum = %2").arg(db::Quote(idNum), db::Quote(operatingNum));
    Fill(mshSponge, connection.open(QStringLiteral("Select Column1 as [SPONGE COUNT], Column2 as [ON TABLE], Column3 as [ON FLOOR], "
                                                   "Column4 AS [TOTAL], Column5 AS [ON TABLE],Column6 AS [ON FLOOR], Column7  AS "
                                                   "[TOTAL] from station..tbspongecount %1 AND TYPE = 1 ORDER BY RowNum")
                                        .arg(keys)));
    Fill(mshOtherCount, connection.open(QStringLiteral("Select Column1 as [ ], Column2 as [BEFORE], Column3 as [AFTER], Column4 AS "
                                                       "[TOTAL], Column5, Column6, Column7 from station..tbspongecount %1 AND TYPE = 2 "
                                                       "ORDER BY RowNum")
                                            .arg(keys)));
}

void SiteCountGrids::save(db::Connection& connection, const QString& idNum, const QString& operatingNum) const
{
    connection.execute(QStringLiteral("DELETE STATION..TBSPONGECOUNT WHERE IDNUM = %1 AND OPERATINGNUM = %2")
                           .arg(db::Quote(idNum), db::Quote(operatingNum)));
    Write(connection, mshSponge, idNum, operatingNum, 1);
    Write(connection, mshOtherCount, idNum, operatingNum, 2);
}

} // namespace records
