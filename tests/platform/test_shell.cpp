// The shell seam's own results, without a test handler.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/shell.h"

TEST(Shell, OpeningAMissingFileReportsItMissing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(platform::shellOpen(QStringLiteral("help/index.html"), dir.path()),
              platform::kFileMissing);
}
