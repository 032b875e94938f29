// Where the program finds its report files and pictures: beside itself in a
// build folder, in the share folder once installed.

#include "shell/ShippedFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ShippedFilesTest, BuildFolderFirstThenTheInstalledShareFolderThenTheProgramsOwn)
{
    QTemporaryDir root;
    const QDir top(root.path());

    // A build folder: Reports beside the program.
    ASSERT_TRUE(top.mkpath(QStringLiteral("build/src/Reports")));
    EXPECT_EQ(shell::ShippedFilesFolderFor(top.filePath(QStringLiteral("build/src"))), top.filePath(QStringLiteral("build/src")));

    // An installed program under any root: /usr/bin beside /usr/share/orstation.
    ASSERT_TRUE(top.mkpath(QStringLiteral("usr/bin")));
    ASSERT_TRUE(top.mkpath(QStringLiteral("usr/share/orstation/Reports")));
    EXPECT_EQ(shell::ShippedFilesFolderFor(top.filePath(QStringLiteral("usr/bin"))),
              top.filePath(QStringLiteral("usr/share/orstation")));

    // Files beside the program win over an installed copy.
    ASSERT_TRUE(top.mkpath(QStringLiteral("usr/bin/Reports")));
    EXPECT_EQ(shell::ShippedFilesFolderFor(top.filePath(QStringLiteral("usr/bin"))), top.filePath(QStringLiteral("usr/bin")));

    // Neither: the program's folder, where start-up reports what is missing.
    ASSERT_TRUE(top.mkpath(QStringLiteral("opt/station")));
    EXPECT_EQ(shell::ShippedFilesFolderFor(top.filePath(QStringLiteral("opt/station"))), top.filePath(QStringLiteral("opt/station")));
}

} // namespace
