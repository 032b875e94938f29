#include "patients/PatientLegend.h"

#include "patients/PatientListModel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace patients {

namespace {
constexpr int kPerLine = 4;
}

PatientLegend::PatientLegend(const PatientListModel* model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("fraLegend"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    auto* caption = new QLabel(QStringLiteral("LEGEND:"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    row->addWidget(caption, 0, Qt::AlignTop);
    // Four entries a line: with the precautions shown the legend takes two
    // lines rather than pushing the list wider than the screen.
    entries_ = new QGridLayout;
    entries_->setHorizontalSpacing(12);
    entries_->setVerticalSpacing(2);
    row->addLayout(entries_);
    connect(model_, &PatientListModel::legendChanged, this, &PatientLegend::rebuild);
    rebuild();
}

void PatientLegend::rebuild()
{
    while (QLayoutItem* item = entries_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int n = 0;
    for (const PatientListModel::LegendEntry& entry : model_->legend()) {
        const bool text = entry.paint == PatientListModel::LegendEntry::Paint::Text;
        // A text colour is shown as text in that colour; a row colour as a
        // swatch of the row, with a border so that white still shows.
        auto* swatch = new QFrame(this);
        swatch->setFixedSize(12, 12);
        swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid palette(mid);").arg(entry.color.name()));
        auto* label = new QLabel(entry.meaning, this);
        label->setObjectName(QStringLiteral("lblLegend_%1").arg(n++));
        label->setProperty("legendColor", entry.color);
        label->setProperty("legendPaint", text ? QStringLiteral("text") : QStringLiteral("row"));
        if (text)
            label->setStyleSheet(QStringLiteral("color: %1;").arg(entry.color.name()));
        auto* pair = new QWidget(this);
        auto* pairLayout = new QHBoxLayout(pair);
        pairLayout->setContentsMargins(0, 0, 0, 0);
        pairLayout->setSpacing(4);
        pairLayout->addWidget(swatch);
        pairLayout->addWidget(label);
        entries_->addWidget(pair, (n - 1) / kPerLine, (n - 1) % kPerLine, Qt::AlignLeft);
    }
}

} // namespace patients
