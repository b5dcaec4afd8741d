// The version file of the upgrade check and the order of versions.
#include <gtest/gtest.h>

#include "shared/versionrecord.h"
#include "support/bytes.h"

using fixture::le16;

namespace {

VersionRecord v(int major, int minor, int revision) {
    return VersionRecord::fromBytes(le16(major) + le16(minor) + le16(revision));
}

TEST(VersionRecord, ReadsThreeLittleEndianNumbersAndZerosPastTheEnd) {
    EXPECT_EQ(v(1, 12, 2), (VersionRecord{1, 12, 2}));
    EXPECT_EQ(VersionRecord::fromBytes(le16(3)), (VersionRecord{3, 0, 0}));
    EXPECT_EQ(VersionRecord::fromBytes("<!"), (VersionRecord{0x213c, 0, 0}));
}

TEST(VersionRecord, ComparesMajorThenMinorThenRevision) {
    const VersionRecord own{1, 12, 2};
    EXPECT_GT(v(2, 0, 0), own);  // a weighted sum would call it older
    EXPECT_GT(v(1, 13, 0), own);
    EXPECT_GT(v(1, 12, 3), own);
    EXPECT_EQ(v(1, 12, 2), own);
    EXPECT_LT(v(1, 11, 9), own);
    EXPECT_LT(v(1, 2, 30), own);
}

TEST(VersionRecord, OnlyAMajorOf1To100IsAVersion) {
    EXPECT_FALSE(v(0, 12, 2).plausible());
    EXPECT_TRUE(v(1, 0, 0).plausible());
    EXPECT_TRUE(v(100, 0, 0).plausible());
    EXPECT_FALSE(v(101, 0, 0).plausible());
    EXPECT_FALSE(v(-1, 0, 0).plausible());
}

}  // namespace
