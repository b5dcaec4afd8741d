// The file chooser's lists: the file list's patterns and its choice across refreshes, the folder
// list's Change only from the player, and the drive list's roots.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/filelists.h"

namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

QStringList names(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        out << list.item(i)->text();
    }
    return out;
}

}  // namespace

TEST(FileListBox, ListsTheFilesOfItsPatternsOnly) {
    QTemporaryDir dir;
    for (const char* name : {"b.txt", "a.CSV", "c.csv", "d.lot", "e.txt~"}) {
        touch(dir.filePath(name));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.txt"));
    platform::FileListBox files;
    files.setPattern("*.txt;*.csv");
    files.setPath(dir.path());
    // Patterns ignore letter case, as the player's other systems do.
    EXPECT_EQ(names(files), (QStringList{"a.CSV", "b.txt", "c.csv"}));
    EXPECT_EQ(files.pattern(), QStringLiteral("*.txt;*.csv"));
}

TEST(FileListBox, NeverListsTheLockOfARunningCopy) {
    QTemporaryDir dir;
    for (const char* name : {".kestrova.lock", "Lotto.lot", ".hidden.lock"}) {
        touch(dir.filePath(name));
    }
    platform::FileListBox files;
    files.setPath(dir.path());
    for (const char* pattern : {"", "*", "*.*", "*.lock", ".kestrova*"}) {
        files.setPattern(pattern);
        EXPECT_FALSE(names(files).contains(".kestrova.lock")) << pattern;
    }
    EXPECT_TRUE(names(files).isEmpty());
    files.setPattern("*.lock");
    EXPECT_EQ(names(files), QStringList{".hidden.lock"});
}

TEST(FileListBox, KeepsTheChoiceOnRefreshButNotInANewFolder) {
    QTemporaryDir dir;
    touch(dir.filePath("a.lot"));
    touch(dir.filePath("b.lot"));
    platform::FileListBox files;
    files.setPattern("*.lot");
    files.setPath(dir.path());
    EXPECT_TRUE(files.fileName().isEmpty());
    files.setFileName("b.lot");
    EXPECT_EQ(files.fileName(), QStringLiteral("b.lot"));
    touch(dir.filePath("0.lot"));
    files.refresh();
    EXPECT_EQ(names(files), (QStringList{"0.lot", "a.lot", "b.lot"}));
    EXPECT_EQ(files.fileName(), QStringLiteral("b.lot"));
    QFile::remove(dir.filePath("b.lot"));
    files.refresh();
    EXPECT_TRUE(files.fileName().isEmpty());
    files.setFileName("a.lot");
    files.setPath(dir.path());
    EXPECT_TRUE(files.fileName().isEmpty());
}

TEST(FileListBox, ClickComesFromThePlayer) {
    QTemporaryDir dir;
    touch(dir.filePath("a.lot"));
    platform::FileListBox files;
    files.setPattern("*.lot");
    files.setPath(dir.path());
    QSignalSpy clicks(&files, &platform::FileListBox::Click);
    files.setFileName("a.lot");
    EXPECT_EQ(clicks.count(), 0);
    files.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&files));
    const QRect row = files.visualItemRect(files.item(0));
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(FileListBox, AFileCurrentButNotSelectedIsNotChosen) {
    QTemporaryDir dir;
    touch(dir.filePath("a.lot"));
    touch(dir.filePath("b.lot"));
    platform::FileListBox files;
    files.setPattern("*.lot");
    files.setPath(dir.path());
    files.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&files));
    // The keyboard's focus makes a file current without choosing it.
    files.setCurrentRow(1, QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(files.fileName().isEmpty());
    files.setFileName("a.lot");
    const QRect row = files.visualItemRect(files.item(0));
    QTest::mouseClick(files.viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    EXPECT_EQ(files.currentRow(), 0);
    EXPECT_TRUE(files.fileName().isEmpty());
}

TEST(DirListBox, SetPathRaisesNoChange) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    platform::DirListBox folders;
    QSignalSpy changes(&folders, &platform::DirListBox::Change);
    folders.setPath(dir.filePath("sub"));
    EXPECT_EQ(folders.path(), dir.filePath("sub"));
    QCoreApplication::processEvents();  // folders the background reading reported so far
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(folders.path(), dir.filePath("sub"));
}

TEST(DriveListBox, OffersTheRootFirstAndFindsTheDriveOfAFolder) {
    const QStringList roots = platform::driveRoots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.front(), QDir::rootPath());
    platform::DriveListBox drives;
    QSignalSpy changes(&drives, &platform::DriveListBox::Change);
    drives.setDriveOf(QDir::tempPath());
    EXPECT_TRUE(QDir::tempPath().startsWith(drives.drive()));
    EXPECT_EQ(changes.count(), 0);
}

TEST(DriveListBox, TheDeepestRootThatHoldsTheFolderIsItsDrive) {
    platform::DriveListBox drives;
    drives.setRoots({"/", "/mnt/x", "/mnt/x/y/z", "/media/usb"});
    EXPECT_EQ(drives.count(), 4);
    QSignalSpy changes(&drives, &platform::DriveListBox::Change);
    const struct {
        const char* folder;
        const char* drive;
    } cases[] = {
        {"/mnt/x/y", "/mnt/x"}, {"/mnt/x", "/mnt/x"}, {"/mnt/x/y/z/w", "/mnt/x/y/z"},
        {"/mnt/xy", "/"},       {"/mnt/x/../q", "/"}, {"/media/usb/", "/media/usb"},
        {"/home/player", "/"},  {"/", "/"},
    };
    for (const auto& c : cases) {
        drives.setDriveOf(QString::fromLatin1(c.folder));
        EXPECT_EQ(drives.drive(), QString::fromLatin1(c.drive)) << c.folder;
    }
    EXPECT_EQ(changes.count(), 0);
}
