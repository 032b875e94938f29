#pragma once

#include <QString>

namespace shell {

// The folder holding what the program ships with it: the Reports folder, the
// background picture and the assistant character. In a build folder they lie
// beside the program; an installed program finds them in its share folder
// (/usr/share/orstation beside /usr/bin), found from the program's own place
// so that a package unpacked under another root works the same.
QString ShippedFilesFolder();

// The same choice for a given program folder, for tests.
QString ShippedFilesFolderFor(const QString& programFolder);

} // namespace shell
