// Reading a file from outside the program no further than the largest it may be: the size is
// looked at first, and at most one byte past the limit is read when the size tells less.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "shared/limitedread.h"
#include "support/kestrovatest.h"

using Outcome = LimitedRead::Outcome;

namespace {

class Limited : public KestrovaTest {};

TEST_F(Limited, AFileUpToTheLimitIsReadWholeOneByteMoreIsTooLarge) {
    struct Case {
        qint64 size;
        Outcome outcome;
    };
    for (const Case& c : {Case{0, Outcome::Read}, Case{99, Outcome::Read}, Case{100, Outcome::Read},
                          Case{101, Outcome::TooLarge}}) {
        SCOPED_TRACE(c.size);
        const QByteArray bytes(c.size, 'x');
        writeFile("f", bytes);
        const LimitedRead read = readAtMost(file("f"), 100);
        EXPECT_EQ(read.outcome, c.outcome);
        EXPECT_EQ(read.bytes, c.outcome == Outcome::Read ? bytes : QByteArray());
    }
}

TEST_F(Limited, AFileWhoseSizeTellsLessIsReadNoFurtherThanTheLimit) {
    // The system's files give their size as 0 and hold more.
    ASSERT_EQ(QFileInfo(QStringLiteral("/proc/self/maps")).size(), 0);
    const LimitedRead read = readAtMost(QStringLiteral("/proc/self/maps"), 16);
    EXPECT_EQ(read.outcome, Outcome::TooLarge);
    EXPECT_TRUE(read.bytes.isEmpty());
}

TEST_F(Limited, WhatIsNoRegularFileIsUnreadableWithoutWaitingOnIt) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dataPath()).mkdir(QStringLiteral("folder")));
    for (const char* name : {"pipe", "folder", "missing"}) {
        SCOPED_TRACE(name);
        const LimitedRead read = readAtMost(file(QString::fromLatin1(name)), 100);
        EXPECT_EQ(read.outcome, Outcome::Unreadable);
        EXPECT_TRUE(read.error.contains(file(QString::fromLatin1(name))));
    }
    EXPECT_EQ(readAtMost(QStringLiteral("/dev/zero"), 100).outcome, Outcome::Unreadable);
}

}  // namespace
