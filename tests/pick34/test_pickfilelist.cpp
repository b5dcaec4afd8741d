// The file deletion window's logic: which files it lists, what it shows of one, which path is
// the open file, and what a deletion keeps.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "pick34/logic/pickfilelist.h"
#include "pickbytes.h"
#include "shared/filefaults.h"
#include "support/kestrovatest.h"

using namespace fixture;

namespace {
class PickFileList : public KestrovaTest {};
}  // namespace

TEST_F(PickFileList, OnlyAPlainFileOfTheFolderIsRead) {
    writeFile("Pick3Night05Mar2012.lot", {});
    QDir(dataPath()).mkdir("Pick3Folder.lot");
    QFile::link(file("Pick3Night05Mar2012.lot"), file("Pick3Link.lot"));
    EXPECT_TRUE(isPlainFileIn(dataPath(), "Pick3Night05Mar2012.lot"));
    for (const char* name : {"Pick3Folder.lot", "Pick3Link.lot", "Missing.lot", "", ".", "..",
                             "../Pick3Night05Mar2012.lot", "sub/Pick3.lot"}) {
        EXPECT_FALSE(isPlainFileIn(dataPath(), QString::fromLatin1(name))) << name;
    }
}

TEST(PickDeletionLine, DigitCountFollowsTheFileName) {
    const PickImage entries(pickEntry(2, {1, 2, 3, 4}, 2) + pickEntry(0, {0, 0, 7, 0}) +
                            pickEntry(0, {9, 9, 9, 9}));
    EXPECT_EQ(deletionlines(entries, "Pick3Night05Mar2012.lot"), QStringList({"1 2 3", "0 0 7"}));
    EXPECT_EQ(deletionlines(entries, "Pick4StandDay.lot"), QStringList({"1 2 3 4", "0 0 7 0"}));
    EXPECT_EQ(deletionlines(entries, "pick3odd.lot"), QStringList({"", ""}));
    EXPECT_TRUE(deletionlines(PickImage(pickEntry(0, {1, 2, 3})), "Pick3Day.lot").isEmpty());
}

TEST_F(PickFileList, SameFileHoweverThePathIsSpelt) {
    writeFile("Pick3Night05Mar2012.lot", pickEntry(1, {1, 2, 3}));
    writeFile("Pick3Day05Mar2012.lot", pickEntry(1, {1, 2, 3}));
    QDir(dataPath()).mkdir("sub");
    QFile::link(dataPath(), file("sub/back"));
    const QString open = file("Pick3Night05Mar2012.lot");
    EXPECT_TRUE(sameFile(open, dataPath() + "/./Pick3Night05Mar2012.lot"));
    EXPECT_TRUE(sameFile(open, dataPath() + "/sub/../Pick3Night05Mar2012.lot"));
    EXPECT_TRUE(sameFile(open, dataPath() + "/sub/back/Pick3Night05Mar2012.lot"));
    EXPECT_TRUE(sameFile(open, dataPath() + "//Pick3Night05Mar2012.lot"));
    EXPECT_FALSE(sameFile(open, file("Pick3Day05Mar2012.lot")));
    EXPECT_FALSE(sameFile(open, {}));
    EXPECT_FALSE(sameFile({}, {}));
    // A file not made yet is still compared by its clean path.
    EXPECT_TRUE(sameFile(file("Pick4Day.lot"), dataPath() + "/sub/../Pick4Day.lot"));
}

TEST_F(PickFileList, DeletionKeepsAFileThePlayerMayOnlyReadOrTheSystemRefuses) {
    writeFile("Pick3Day05Mar2012.lot", pickEntry(1, {1, 2, 3}));
    QFile::setPermissions(file("Pick3Day05Mar2012.lot"), QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_TRUE(deleteEntryFile(file("Pick3Day05Mar2012.lot"))
                    .startsWith(QStringLiteral("The file could not be deleted. ")));
    EXPECT_TRUE(exists("Pick3Day05Mar2012.lot"));

    writeFile("Pick3Night05Mar2012.lot", pickEntry(1, {1, 2, 3}));
    fileFaults().failAt(FileFaults::Step::Remove, 1);
    EXPECT_EQ(deleteEntryFile(file("Pick3Night05Mar2012.lot")),
              QStringLiteral("The file could not be deleted. ") +
                  FileFaults::reason(FileFaults::Step::Remove));
    EXPECT_TRUE(exists("Pick3Night05Mar2012.lot"));
    EXPECT_EQ(deleteEntryFile(file("Pick3Night05Mar2012.lot")), QString());
    EXPECT_FALSE(exists("Pick3Night05Mar2012.lot"));
    // Gone already: nothing to say.
    EXPECT_EQ(deleteEntryFile(file("Pick3Night05Mar2012.lot")), QString());
}
