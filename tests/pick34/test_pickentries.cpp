// Pick entry lines, deleting selected entries, deleting a file left empty and copying files.
#include <gtest/gtest.h>

#include <QFile>

#include "pick34/logic/pickentries.h"
#include "pickbytes.h"
#include "support/kestrovatest.h"

using namespace fixture;

TEST(PickEntryLine, DigitsEachFollowedByABlankThenTheBetName) {
    struct Case {
        int game;
        PickDigits digits;
        int bettype;
        const char* line;
    };
    const Case cases[] = {
        {3, {4, 0, 7, 0}, 0, "4 0 7 "},
        {3, {0, 0, 7, 9}, 1, "0 0 7 Exact"},
        {4, {1, 2, 3, 4}, 2, "1 2 3 4 Any"},
        {4, {0, 0, 0, 0}, 3, "0 0 0 0 Exact/Any"},
        {3, {9, 9, 9, 0}, 4, "9 9 9 Combo"},
        {3, {1, 2, 3, 0}, 5, "1 2 3 "},
        {3, {1, 2, 3, 0}, -1, "1 2 3 "},
        {4, {-1, 10, 300, 9}, 1, "-1 10 300 9 Exact"},  // damaged digits as they stand
    };
    for (const Case& c : cases) {
        PickRecord r;
        r.digits = c.digits;
        r.bettype = static_cast<qint16>(c.bettype);
        EXPECT_EQ(pickentryline(r, c.game), QLatin1String(c.line));
    }
}

TEST(PickEntryLine, ListsTheCountedEntriesInFileOrder) {
    const PickImage entries(pickEntry(2, {1, 2, 3}) + pickEntry(0, {4, 5, 6}, 4) +
                            pickEntry(0, {7, 8, 9}));
    EXPECT_EQ(pickentrylines(entries, 3), QStringList({"1 2 3 ", "4 5 6 Combo"}));
}

namespace {

// Removing one at a time, as a player's selection is worked through: the lowest selected
// position, every later record moved down one place, the count lowered, and again.
QByteArray removeOneByOne(QByteArray bytes, std::vector<bool> selected) {
    PickImage image(std::move(bytes));
    int m = image.count();
    for (;;) {
        int p = -1;
        for (int i = 0; i < m && i < static_cast<int>(selected.size()); ++i) {
            if (selected[static_cast<std::size_t>(i)]) {
                p = i;
                break;
            }
        }
        if (p < 0) {
            break;
        }
        for (int r = p + 2; r <= m; ++r) {
            image.put(r - 1, image.record(r));
        }
        PickRecord first = image.record(1);
        first.count = m - 1;
        image.put(1, first);
        selected.erase(selected.begin() + p);
        --m;
    }
    return image.bytes();
}

QByteArray fiveEntries() {
    return pickEntry(5, {1, 1, 1}) + pickEntry(0, {2, 2, 2}, 1) + pickEntry(7, {3, 3, 3}) +
           pickEntry(0, {4, 4, 4}) + pickEntry(0, {5, 5, 5}, 2) + pickEntry(0, {9, 9, 9});
}

}  // namespace

TEST(PickEntryDelete, SelectedEntriesGoAndTheFileKeepsItsLength) {
    PickImage image(fiveEntries());
    EXPECT_EQ(removeSelectedEntries(image, {false, true, true}), 2);
    EXPECT_EQ(image.bytes(), pickEntry(3, {1, 1, 1}) + pickEntry(0, {4, 4, 4}) +
                                 pickEntry(0, {5, 5, 5}, 2) + pickEntry(0, {5, 5, 5}, 2) +
                                 pickEntry(0, {5, 5, 5}, 2) + pickEntry(0, {9, 9, 9}));
}

TEST(PickEntryDelete, OnePassLeavesTheBytesOfRemovingOneAtATime) {
    // Every selection of five entries, with a stale sixth record past the count.
    for (int mask = 0; mask < 32; ++mask) {
        std::vector<bool> selected;
        for (int i = 0; i < 5; ++i) {
            selected.push_back((mask >> i) & 1);
        }
        PickImage image(fiveEntries());
        removeSelectedEntries(image, selected);
        EXPECT_EQ(image.bytes().toHex().toStdString(),
                  removeOneByOne(fiveEntries(), selected).toHex().toStdString())
            << "mask " << mask;
    }
}

TEST(PickEntryDelete, SelectionsPastTheCountAreIgnored) {
    PickImage image(fiveEntries());
    EXPECT_EQ(removeSelectedEntries(image, {false, false, false, false, false, true, true}), 0);
    EXPECT_EQ(image.bytes(), fiveEntries());
}

class PickEntryFile : public KestrovaTest {
protected:
    const QString name = QStringLiteral("Pick3Day05Mar2012.lot");
};

TEST_F(PickEntryFile, DeletingSelectedEntriesRewritesTheFile) {
    writeFile(name, fiveEntries());
    int remaining = -1;
    EXPECT_EQ(deleteSelectedEntries(file(name), {true, false, false, false, true}, &remaining),
              QString());
    EXPECT_EQ(remaining, 3);
    EXPECT_EQ(readFile(name), removeOneByOne(fiveEntries(), {true, false, false, false, true}));
}

TEST_F(PickEntryFile, DeletingNothingWritesNothing) {
    int remaining = -1;
    EXPECT_EQ(deleteSelectedEntries(file(name), {true}, &remaining), QString());
    EXPECT_EQ(remaining, 0);
    EXPECT_FALSE(exists(name));
}

TEST_F(PickEntryFile, OnlyAFileWithACountOfZeroIsDeletedWhenLeft) {
    struct Case {
        QByteArray bytes;
        bool deleted;
    };
    const Case cases[] = {
        {pickEntry(0, {1, 2, 3}), true},
        {QByteArray(), true},
        {pickEntry(1, {1, 2, 3}), false},
        {pickEntry(-1, {1, 2, 3}) + pickEntry(0, {4, 5, 6}), false},  // damaged, may hold entries
    };
    for (const Case& c : cases) {
        writeFile(name, c.bytes);
        EXPECT_EQ(deleteIfNoEntries(file(name)), c.deleted);
        EXPECT_EQ(exists(name), !c.deleted);
    }
    QFile::remove(file(name));
    EXPECT_FALSE(deleteIfNoEntries(file(name)));
    EXPECT_FALSE(deleteIfNoEntries(QString()));
}

TEST_F(PickEntryFile, CopyReplacesTheTargetWhole) {
    writeFile(name, fiveEntries());
    writeFile(QStringLiteral("Pick3StandDay.lot"), pickEntry(9, {8, 8, 8}).repeated(9));
    EXPECT_EQ(copyEntryFile(file(name), file(QStringLiteral("Pick3StandDay.lot"))), QString());
    EXPECT_EQ(readFile(QStringLiteral("Pick3StandDay.lot")), fiveEntries());
}

TEST_F(PickEntryFile, CopyOfAMissingSourceSaysSoAndLeavesTheTarget) {
    writeFile(QStringLiteral("Pick3StandDay.lot"), pickEntry(1, {8, 8, 8}));
    const QString message = copyEntryFile(file(name), file(QStringLiteral("Pick3StandDay.lot")));
    EXPECT_TRUE(message.startsWith(QStringLiteral("The entries could not be copied.")));
    EXPECT_EQ(readFile(QStringLiteral("Pick3StandDay.lot")), pickEntry(1, {8, 8, 8}));
}
