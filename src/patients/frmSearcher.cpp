#include "patients/frmSearcher.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace patients {

namespace {

// The grid was laid out in twips, fifteen to a pixel on the station's screens.
constexpr int kTwipsPerPixel = 15;
constexpr int kColumnTwips[] = {200, 4150, 2000};
constexpr int kDescriptionColumn = 1;
constexpr int kCodeColumn = 2;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

frmSearcher::frmSearcher(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSearcher"));
    setModal(true);

    lblSearchStr = new QLabel(QStringLiteral("&Search:"));
    lblSearchStr->setObjectName(QStringLiteral("lblSearchStr"));
    txtSearchStr = new QLineEdit;
    txtSearchStr->setObjectName(QStringLiteral("txtSearchStr"));
    txtSearchStr->setPlaceholderText(QStringLiteral("Type a name and press Enter"));
    txtSearchStr->setClearButtonEnabled(true);
    lblSearchStr->setBuddy(txtSearchStr);

    model_ = new QStandardItemModel(0, 3, this);
    model_->setHorizontalHeaderLabels({QString(), QStringLiteral("Description"), QStringLiteral("Code")});
    grdDispWindow = new QTableView;
    grdDispWindow->setObjectName(QStringLiteral("grdDispWindow"));
    grdDispWindow->setModel(model_);
    grdDispWindow->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDispWindow->setSelectionMode(QAbstractItemView::SingleSelection);
    grdDispWindow->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDispWindow->setAlternatingRowColors(true);
    grdDispWindow->setShowGrid(false);
    grdDispWindow->verticalHeader()->hide();
    grdDispWindow->verticalHeader()->setDefaultSectionSize(grdDispWindow->fontMetrics().height() + 8);
    grdDispWindow->horizontalHeader()->setHighlightSections(false);
    grdDispWindow->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < 3; ++column)
        grdDispWindow->setColumnWidth(column, kColumnTwips[column] / kTwipsPerPixel);
    grdDispWindow->horizontalHeader()->setStretchLastSection(true);

    cmdSelect = new QPushButton(QStringLiteral("&Select"));
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter belongs to the search box and the grid, not to a default button.
    for (QPushButton* button : {cmdSelect, cmdCancel})
        button->setAutoDefault(false);

    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(8);
    searchRow->addWidget(lblSearchStr);
    searchRow->addWidget(txtSearchStr, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addLayout(searchRow);
    layout->addWidget(grdDispWindow, 1);
    layout->addLayout(buttons);
    resize((kColumnTwips[0] + kColumnTwips[1] + kColumnTwips[2]) / kTwipsPerPixel + 60, 400);

    connect(grdDispWindow, &QTableView::doubleClicked, this, &frmSearcher::cmdSelect_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmSearcher::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSearcher::cmdCancel_Click);
    txtSearchStr->installEventFilter(this);
    grdDispWindow->installEventFilter(this);
}

QString frmSearcher::statementFor(const QString& text) const
{
    // The query keeps its own quotes around "##"; only the text's inner
    // apostrophes need doubling. Where "##" stands in a LIKE pattern
    // (like '##' + '%', like '%' + '##' + '%') the text is taken literally too.
    static const QRegularExpression likeBefore(QStringLiteral("like\\s*(?:'%'\\s*\\+\\s*)?'$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const auto inner = [](const QString& quoted) { return quoted.mid(1, quoted.size() - 2); };
    const QString plain = inner(db::Quote(text));
    const QString literal = inner(db::Quote(db::LikeLiteral(text)));
    QString statement;
    qsizetype from = 0;
    for (qsizetype at = Query.indexOf(QStringLiteral("##")); at >= 0; at = Query.indexOf(QStringLiteral("##"), from)) {
        statement += Query.mid(from, at - from);
        statement += likeBefore.match(statement).hasMatch() ? literal : plain;
        from = at + 2;
    }
    return statement + Query.mid(from);
}

void frmSearcher::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!loaded_)
        Form_Load();
}

void frmSearcher::Form_Load()
{
    loaded_ = true;
    setWindowTitle(SearchCaption);
    txtSearchStr->setText(Criteria);
    FillGrid();
    txtSearchStr->setFocus();
}

void frmSearcher::FillGrid()
{
    model_->removeRows(0, model_->rowCount());
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        return;
    try {
        db::Recordset rows = connection->open(statementFor(txtSearchStr->text()));
        const int fields = std::min(rows.fieldCount(), 2);
        for (; !rows.eof(); rows.moveNext()) {
            QList<QStandardItem*> cells{new QStandardItem};
            for (int field = 0; field < fields; ++field)
                cells << new QStandardItem(rows.field(field).text().trimmed());
            model_->appendRow(cells);
        }
    } catch (const db::DbError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
    }
    if (model_->rowCount() > 0)
        grdDispWindow->setCurrentIndex(model_->index(0, kDescriptionColumn));
}

void frmSearcher::cmdSelect_Click()
{
    const QModelIndex current = grdDispWindow->currentIndex();
    if (!current.isValid())
        return;
    Code = model_->index(current.row(), kCodeColumn).data().toString();
    Description = model_->index(current.row(), kDescriptionColumn).data().toString();
    Valid = true;
    accept();
}

void frmSearcher::cmdCancel_Click()
{
    Valid = false;
    reject();
}

bool frmSearcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == txtSearchStr) {
        if (isEnter(key)) {
            FillGrid();
            return true;
        }
        if (key == Qt::Key_Down) {
            grdDispWindow->setFocus();
            return true;
        }
    } else if (watched == grdDispWindow && isEnter(key)) {
        cmdSelect_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace patients
