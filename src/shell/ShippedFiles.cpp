#include "shell/ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {

QString ShippedFilesFolderFor(const QString& programFolder)
{
    const QDir folder(programFolder);
    if (QFileInfo(folder.filePath(QStringLiteral("Reports"))).isDir())
        return programFolder;
    // The build tells where the share folder lies from the program's folder
    // (../share/orstation for the usual /usr/bin and /usr/share).
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral(ORSTATION_SHARE_FROM_BIN)));
    if (QFileInfo(QDir(installed).filePath(QStringLiteral("Reports"))).isDir())
        return installed;
    // Neither: the program's folder, where the missing files are reported.
    return programFolder;
}

QString ShippedFilesFolder()
{
    return ShippedFilesFolderFor(QCoreApplication::applicationDirPath());
}

} // namespace shell
