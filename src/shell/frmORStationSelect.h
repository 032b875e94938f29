#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;

namespace shell {

// The choice of the operating-room station the user works at: the stations
// of the operating-room department; a double-click takes the row's station.
class frmORStationSelect : public QWidget {
    Q_OBJECT

public:
    explicit frmORStationSelect(QWidget* parent = nullptr);

    QTableWidget* mshStations = nullptr;

    void Form_Load();
    void mshStations_DblClick();

signals:
    // The station changed: the patient list shows the new station's patients.
    void stationChosen(const QString& stationId, const QString& stationName);

private:
    QLabel* lblHint_ = nullptr;
};

} // namespace shell
