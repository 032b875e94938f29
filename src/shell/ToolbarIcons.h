#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace shell {

// The main toolbar's icons, drawn as simple line pictures in the station's
// colours so that they look the same on every desktop theme. Keyed by the
// toolbar button's key ("Open", "Report", ...); an empty icon for other keys.
QIcon ToolbarIcon(const QString& key);

// The station's emblem: a white cross on a teal rounded square. The program's
// window icon and the splash picture.
QPixmap StationEmblem(int size);
QIcon StationIcon();

} // namespace shell
