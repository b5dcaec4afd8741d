// Safe writes and removals: every step checked, the old file kept whole when one fails, and a
// file the player may only read never replaced or deleted.
#include <cerrno>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "shared/drawrecord.h"
#include "shared/filefaults.h"
#include "shared/safefile.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"
#include "support/smalldisk.h"

using namespace fixture;
using Step = FileFaults::Step;

namespace {

class SafeFile : public KestrovaTest {
protected:
    QStringList files() const {
        return QDir(dataPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void makeReadOnly(const QString& name) const {
        ASSERT_TRUE(QFile::setPermissions(
            file(name), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
};

const QByteArray kOld = entry(2, {1, 2, 3}) + entry(0, {4, 5, 6});
const QByteArray kNew = entry(1, {7, 8, 9});

class WholeFileStep : public SafeFile, public ::testing::WithParamInterface<Step> {};

TEST_P(WholeFileStep, AFailedStepKeepsTheOldFileAndLeavesNothingBehind) {
    writeFile("x.lot", kOld);
    fileFaults().failAt(GetParam(), 1);
    QString error;
    EXPECT_FALSE(writeWholeFile(file("x.lot"), kNew, &error));
    EXPECT_EQ(error, FileFaults::reason(GetParam()));
    EXPECT_EQ(readFile("x.lot"), kOld);
    EXPECT_EQ(files(), QStringList{"x.lot"}) << "the temporary file is gone";
    // The disk has room again: the same write goes through.
    EXPECT_TRUE(writeWholeFile(file("x.lot"), kNew));
    EXPECT_EQ(readFile("x.lot"), kNew);
    EXPECT_EQ(files(), QStringList{"x.lot"});
}

std::string stepName(const ::testing::TestParamInfo<Step>& info) {
    return info.param == Step::Write ? "Write" : info.param == Step::Flush ? "Flush" : "Commit";
}

INSTANTIATE_TEST_SUITE_P(EachStep, WholeFileStep,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit), stepName);

TEST_F(SafeFile, TheSeamFailsOnlyTheStepItWasArmedFor) {
    fileFaults().failAt(Step::Write, 2);
    EXPECT_TRUE(writeWholeFile(file("a.lot"), kNew));
    EXPECT_FALSE(writeWholeFile(file("b.lot"), kNew));
    EXPECT_TRUE(writeWholeFile(file("c.lot"), kNew));
    EXPECT_EQ(fileFaults().seen(Step::Write), 3);
    EXPECT_EQ(fileFaults().seen(Step::Commit), 2);
    EXPECT_EQ(files(), (QStringList{"a.lot", "c.lot"}));
    fileFaults().reset();
    EXPECT_EQ(fileFaults().seen(Step::Write), 0);
}

TEST_F(SafeFile, AFileThePlayerMayOnlyReadIsNeitherReplacedNorDeleted) {
    writeFile("ro.lot", kOld);
    makeReadOnly("ro.lot");
    EXPECT_TRUE(mayOnlyRead(file("ro.lot")));
    QString error;
    EXPECT_FALSE(writeWholeFile(file("ro.lot"), kNew, &error));
    EXPECT_EQ(error, QStringLiteral("Existing file %1 is not writable").arg(file("ro.lot")));
    EXPECT_FALSE(removeFile(file("ro.lot"), &error));
    EXPECT_EQ(error, QStringLiteral("%1 is read-only").arg(file("ro.lot")));
    EXPECT_EQ(readFile("ro.lot"), kOld);
    EXPECT_EQ(files(), QStringList{"ro.lot"});

    writeFile("rw.lot", kOld);
    EXPECT_FALSE(mayOnlyRead(file("rw.lot")));
    EXPECT_FALSE(mayOnlyRead(file("missing.lot")));
}

TEST_F(SafeFile, RemoveFileGoesThroughTheSeam) {
    writeFile("a.lot", kOld);
    writeFile("b.lot", kOld);
    fileFaults().failAt(Step::Remove, 1);
    QString error;
    EXPECT_FALSE(removeFile(file("a.lot"), &error));
    EXPECT_EQ(error, FileFaults::reason(Step::Remove));
    EXPECT_TRUE(removeFile(file("b.lot")));
    EXPECT_EQ(files(), QStringList{"a.lot"});
}

TEST_F(SafeFile, ARecordWriteThatFailsLeavesTheFileAsItWas) {
    for (Step step : {Step::Write, Step::Flush}) {
        writeFile("x.lot", kOld);
        DrawFile f(file("x.lot"));
        fileFaults().failAt(step, 1);
        EXPECT_FALSE(f.setCount(5));
        // An append writes its record before the count, so a failure keeps the count as it was.
        fileFaults().failAt(step, 1);
        EXPECT_EQ(f.append(DrawRecord{}), DrawFile::Append::Failed);
        EXPECT_EQ(readFile("x.lot"), kOld);
    }
}

// A real full disk: writes below and above the file buffer's size fail at different steps, and
// each says why in the system's words.
TEST_F(SafeFile, OnARealFullDiskEveryWriteGivesTheSystemsReason) {
    SmallDisk disk(dataPath());
    if (!disk.mounted()) {
        GTEST_SKIP() << "this machine refuses to mount a small file system here ("
                     << disk.why().toStdString() << "); it needs root";
    }
    writeFile("x.dat", kOld);
    ASSERT_TRUE(disk.fill());
    for (const int size : {8, 17434, 100000}) {
        SCOPED_TRACE(size);
        QString error;
        EXPECT_FALSE(writeWholeFile(file("x.dat"), QByteArray(size, 'n'), &error));
        EXPECT_EQ(error.toStdString(), qt_error_string(ENOSPC).toStdString());
        EXPECT_EQ(readFile("x.dat"), kOld);
    }
    EXPECT_EQ(files(), (QStringList{"filler", "x.dat"}));
}

}  // namespace
