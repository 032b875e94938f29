#include "records/frmSurgicalMemo.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "records/OperationRecordStore.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/EditTracker.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace records {

namespace {

const ChartVariant& MemoVariant()
{
    static const ChartVariant v{"frmSurgicalMemo", "Surgical Memorandum", "\\Reports\\SurgicalMemorandum.RPT",
                                "\\Reports\\AnesthesiaRecord.RPT", "Print &Anesthesia Record", true, true,
                                "PRINT SURGICAL MEMORANDUM", false};
    return v;
}

struct MemoField {
    const char* column;
    const char* caption;
};

constexpr MemoField kCountFields[] = {
    {"SuturesText", "Sutures:"},          {"Sponge4", "4x4 sponges, initial:"}, {"Sponge4Final", "4x4 sponges, final:"},
    {"Sponge8", "8x4 sponges, initial:"}, {"Sponge8Final", "8x4 sponges, final:"}, {"Peanuts", "Peanuts, initial:"},
    {"PeanutsFinal", "Peanuts, final:"},  {"VisceralPack", "Visceral packs, initial:"},
    {"VisceralPackFinal", "Visceral packs, final:"}, {"Needles", "Needles, initial:"}, {"NeedlesFinal", "Needles, final:"},
    {"AnestheticAgent", "Anesthetic agent:"}, {"PreOPHR", "Pre-op heart rate:"}, {"PreOPO2Sat", "Pre-op O2 saturation:"},
    {"PreOPWt", "Pre-op weight:"}};

constexpr MemoField kPostPartumFields[] = {
    {"Menarche", "Menarche:"},       {"LMP", "LMP:"},                 {"Babyout", "Baby out:"},
    {"PlacentaOut", "Placenta out:"}, {"TimeOfInduction", "Time of induction:"}, {"Gravida", "Gravida:"},
    {"Para", "Para:"},               {"Abortion", "Abortion:"},       {"Living", "Living:"},
    {"FDIU", "FDIU:"},               {"StillBirth", "Still birth:"},  {"Gender", "Baby's sex:"},
    {"BirthWeight", "Birth weight:"}, {"BodyLength", "Body length:"}, {"ApgarScore", "APGAR score:"},
    {"SMAnd", "SMAnd:"},             {"VaginalPack", "Vaginal pack:"}, {"PresentationCBF", "Presentation (C, B or F):"},
    {"PresentationDS", "Presentation (D or S):"}, {"Episiotomy", "Episiotomy (R, L or M):"},
    {"EpisiotomyDegree", "Episiotomy degree (1 to 4):"}};

// The memorandum's sponge items, in the order the scrub nurse counts them.
const char* const kSpongeItems[] = {"4x4 GAUZE", "8x4 GAUZE", "ABDOMINAL PACK", "PEANUTS", "VISCERAL PACK", "CHERRIES"};

bool AtSiteKestra()
{
    return app::Hospital().clientname.trimmed().compare(QLatin1String("KESTRA"), Qt::CaseInsensitive) == 0;
}

} // namespace

const std::vector<const char*>& frmSurgicalMemo::MemoColumns()
{
    static const std::vector<const char*> columns = [] {
        std::vector<const char*> out;
        for (const MemoField& f : kCountFields)
            out.push_back(f.column);
        for (const MemoField& f : kPostPartumFields)
            out.push_back(f.column);
        return out;
    }();
    return columns;
}

bool frmSurgicalMemo::IsPostPartumColumn(const QString& column)
{
    for (const MemoField& f : kPostPartumFields)
        if (column.compare(QLatin1String(f.column), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

frmSurgicalMemo::frmSurgicalMemo(QWidget* parent)
    : frmChart(MemoVariant(), parent)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* counter = new QFormLayout;
    txtCounterStaff = new QLineEdit(page);
    txtCounterStaff->setObjectName(QStringLiteral("txtCounterStaff"));
    txtCounterStaff->setMaxLength(100);
    counter->addRow(QStringLiteral("Counted by:"), txtCounterStaff);
    layout->addLayout(counter);
    grdSponges = new QTableWidget(static_cast<int>(std::size(kSpongeItems)), 8, page);
    grdSponges->setObjectName(QStringLiteral("grdSponges"));
    grdSponges->setHorizontalHeaderLabels({QString(), QString(), QStringLiteral("On Table   "), QStringLiteral("On Floor   "),
                                           QStringLiteral("Total   "), QStringLiteral("On Table   "), QStringLiteral("On Floor   "),
                                           QStringLiteral("Total")});
    grdSponges->verticalHeader()->hide();
    grdSponges->setColumnHidden(0, true);
    grdSponges->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(grdSponges, 1);
    auto* grid = new QFormLayout;
    for (const MemoField& f : kCountFields) {
        auto* line = new QLineEdit(page);
        line->setObjectName(QStringLiteral("txt") + QString::fromLatin1(f.column));
        shell::LimitToColumn(line, QStringLiteral("STATION..tbORMasterFile"), QString::fromLatin1(f.column));
        grid->addRow(QString::fromLatin1(f.caption), line);
        boxes_.insert(QString::fromLatin1(f.column).toLower(), line);
    }
    layout->addLayout(grid);
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    SSTab2->addTab(scroll, QStringLiteral("Anesthesia,Agent, Medications and Supply."));

    fraPostPartum = new QGroupBox(QStringLiteral("Post Partum"));
    fraPostPartum->setObjectName(QStringLiteral("fraPostPartum"));
    auto* obstetric = new QGridLayout(fraPostPartum);
    int i = 0;
    for (const MemoField& f : kPostPartumFields) {
        auto* line = new QLineEdit(fraPostPartum);
        line->setObjectName(QStringLiteral("txt") + QString::fromLatin1(f.column));
        shell::LimitToColumn(line, QStringLiteral("STATION..tbORMasterFile"), QString::fromLatin1(f.column));
        obstetric->addWidget(new QLabel(QString::fromLatin1(f.caption), fraPostPartum), i / 2, (i % 2) * 2);
        obstetric->addWidget(line, i / 2, (i % 2) * 2 + 1);
        boxes_.insert(QString::fromLatin1(f.column).toLower(), line);
        ++i;
    }
    auto* obstetricScroll = new QScrollArea;
    obstetricScroll->setWidget(fraPostPartum);
    obstetricScroll->setWidgetResizable(true);
    SSTab2->addTab(obstetricScroll, QStringLiteral("Post Partum"));
    cmdPrintPostPartum = new QPushButton(QStringLiteral("Print Post &Partum"), this);
    cmdPrintPostPartum->setObjectName(QStringLiteral("cmdPrintPostPartum"));
    buttonRow->insertWidget(buttonRow->indexOf(cmdPrintCounts), cmdPrintPostPartum);
    connect(cmdPrintPostPartum, &QPushButton::clicked, this, [this] {
        if (record().isNew()) {
            shell::Notify(QStringLiteral("Sorry, no clinical operation record."));
            return;
        }
        PrintRecordForm(QStringLiteral("\\Reports\\Postpartum.RPT"), QStringLiteral("Post Partum Form"),
                        QStringLiteral("PRINT POST PARTUM FORM"));
    });
    tracker()->watch(this);
    connect(grdSponges, &QTableWidget::itemChanged, tracker(), &shell::EditTracker::markModified);
}

QList<SpongeRow> frmSurgicalMemo::spongeRows() const
{
    QList<SpongeRow> rows;
    for (int r = 0; r < grdSponges->rowCount(); ++r) {
        SpongeRow row;
        row.entryNum = r + 1;
        row.sponge = grdSponges->item(r, 1) ? grdSponges->item(r, 1)->text().trimmed() : QString();
        bool any = false;
        for (int c = 0; c < 6; ++c) {
            const QTableWidgetItem* cell = grdSponges->item(r, c + 2);
            row.counts[c] = cell ? cell->text().trimmed().toInt() : 0;
            any = any || (cell && !cell->text().trimmed().isEmpty());
        }
        // A row is sent when it names an item and holds a count.
        if (!row.sponge.isEmpty() && any)
            rows.append(row);
    }
    return rows;
}

void frmSurgicalMemo::setSpongeRows(const QList<SpongeRow>& rows)
{
    for (int r = 0; r < grdSponges->rowCount(); ++r) {
        grdSponges->setItem(r, 1, new QTableWidgetItem(QString::fromLatin1(kSpongeItems[r])));
        for (int c = 2; c < 8; ++c)
            grdSponges->setItem(r, c, new QTableWidgetItem);
    }
    for (const SpongeRow& row : rows) {
        const int r = row.entryNum - 1;
        if (r < 0 || r >= grdSponges->rowCount())
            continue;
        grdSponges->item(r, 1)->setText(row.sponge);
        for (int c = 0; c < 6; ++c)
            grdSponges->item(r, c + 2)->setText(QString::number(row.counts[c]));
    }
}

void frmSurgicalMemo::loadExtra(db::Connection& connection, const OperationRecord& record)
{
    const QString procedure = ProcedureID.isEmpty() ? record.procedureId : ProcedureID;
    postPartum_ = !connection.open(QStringLiteral("SELECT * from Station..tbIsForPostPartum where PrcID = %1").arg(db::Quote(procedure))).eof();
    loadedSponges_.clear();
    loadedCounter_.clear();
    if (record.isNew())
        return;
    db::Recordset rows = connection.open(QStringLiteral("STATION..sp_OR_GetSpongeRecords %1,%2,%3")
                                             .arg(db::Quote(record.hospNum), db::Quote(record.idNum), db::Quote(record.operatingNum)));
    for (; !rows.eof(); rows.moveNext()) {
        SpongeRow row;
        row.entryNum = rows.field(QStringLiteral("EntryNum")).toInt();
        row.sponge = rows.text(QStringLiteral("Sponge"));
        const char* names[] = {"FirstCountOnTable", "FirstCountOnFloor", "FirstCountTotal",
                               "SecondCountOnTable", "SecondCountOnFloor", "SecondCountTotal"};
        for (int c = 0; c < 6; ++c)
            row.counts[c] = rows.field(QString::fromLatin1(names[c])).toInt();
        loadedCounter_ = rows.text(QStringLiteral("CounterStaff"));
        loadedSponges_.append(row);
    }
}

void frmSurgicalMemo::fillExtra(const OperationRecord& record)
{
    for (const char* column : MemoColumns())
        box(QString::fromLatin1(column))->setText(record.value(QString::fromLatin1(column)));
    SSTab2->setTabVisible(SSTab2->count() - 1, postPartum_);
    cmdPrintPostPartum->setVisible(postPartum_);
    setSpongeRows(loadedSponges_);
    txtCounterStaff->setText(loadedCounter_);
}

void frmSurgicalMemo::gatherExtra(OperationRecord& record) const
{
    for (const char* column : MemoColumns()) {
        const QString name = QString::fromLatin1(column);
        // A procedure that is not post-partum saves the obstetric part empty.
        record.set(name, postPartum_ || !IsPostPartumColumn(name) ? box(name)->text().trimmed() : QString());
    }
}

void frmSurgicalMemo::saveExtra(db::Connection& connection, const OperationRecord& record)
{
    if (!AtSiteKestra()) {
        for (const char* column : MemoColumns())
            connection.execute(QStringLiteral("UPDATE STATION..TBORMASTERFILE SET %1 = %2 WHERE OPERATINGNUM = %3")
                                   .arg(QString::fromLatin1(column),
                                        db::Quote(OperationRecordStore::Stored(record.value(QString::fromLatin1(column)))),
                                        db::Quote(record.operatingNum)));
    }
    for (const SpongeRow& row : spongeRows()) {
        QStringList args{db::Quote(record.hospNum), db::Quote(record.idNum), db::Quote(txtCounterStaff->text().trimmed()),
                         db::Quote(OperationRecordStore::Stored(record.value(QStringLiteral("Procedures")))),
                         db::Quote(row.sponge), QString::number(row.entryNum)};
        for (int count : row.counts)
            args << QString::number(count);
        args << db::Quote(record.operatingNum);
        connection.execute(QStringLiteral("STATION..sp_OR_SaveSpongeCount ") + args.join(QLatin1Char(',')));
    }
}

} // namespace records
