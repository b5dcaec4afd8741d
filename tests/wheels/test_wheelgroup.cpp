// The guarantee options of each window and the number group that a group size gives.
#include <gtest/gtest.h>

#include "wheels/logic/wheelgroup.h"
#include "wheels/logic/wheelvariant.h"

using wheels::GroupBoxes;
using wheels::Suggestions;

namespace {

Suggestions suggestions(std::initializer_list<int> first) {
    Suggestions s{};
    std::size_t p = 1;
    for (int v : first)
        s[p++] = static_cast<qint16>(v);
    for (; p <= 24; ++p)
        s[p] = static_cast<qint16>(40 + p);
    return s;
}

QStringList shown(const GroupBoxes& g) {
    QStringList texts;
    for (int i = 0; i < g.visible; ++i)
        texts << g.texts[static_cast<std::size_t>(i)];
    return texts;
}

}  // namespace

struct Columns {
    int k;
    QStringList headings;
    QStringList captions;  // "m" of each option, in type order
};

void PrintTo(const Columns& c, std::ostream* os) {
    *os << "k=" << c.k;
}

class GuaranteeColumns : public ::testing::TestWithParam<Columns> {};

TEST_P(GuaranteeColumns, HeadingsOverTheOptionsOfTheWindow) {
    QStringList headings, captions;
    for (const wheels::GuaranteeColumn& c : wheels::guaranteeColumns(GetParam().k)) {
        headings << c.heading;
        for (const auto* t : c.types)
            captions
                << QString::fromStdString(t->caption()).remove(QStringLiteral("Guarantee Match "));
    }
    EXPECT_EQ(headings, GetParam().headings);
    EXPECT_EQ(captions, GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, GuaranteeColumns,
    ::testing::Values(Columns{4, {"Any 4 from Group Picked"}, {"4", "3", "2"}},
                      Columns{5,
                              {"Any 5 from Group Picked", "Any 4 from Group Picked",
                               "Any 3 from Group Picked"},
                              {"5", "4", "3", "4", "3", "3"}},
                      Columns{6,
                              {"Any 6 from Group Picked", "Any 5 from Group Picked",
                               "Any 4 from Group Picked", "Any 3 from Group Picked"},
                              {"6", "5", "4", "3", "5", "4", "3", "4", "3", "3"}},
                      Columns{7, {"Any 7 from Group Picked"}, {"7", "6", "5", "4", "3"}}),
    [](const ::testing::TestParamInfo<Columns>& info) {
        return "k" + std::to_string(info.param.k);
    });

TEST(GuaranteeOptions, GroupSizesAreListedAsTheTableOffersThem) {
    EXPECT_EQ(wheels::groupSizeItems(*wheeldesign::findWheelType(4, 3)),
              (QStringList{"10", "15", "20"}));
    EXPECT_EQ(wheels::groupSizeItems(*wheeldesign::findWheelType(7, 5)), (QStringList{"16", "20"}));
    EXPECT_EQ(wheels::groupSizeItems(*wheeldesign::findWheelType(6, 1)),
              (QStringList{"7", "8", "9", "10", "11", "12", "13", "14"}));
    EXPECT_EQ(wheels::guaranteeLine(*wheeldesign::findWheelType(6, 2)),
              "Guarantee Match 5 if any 6 drawn from the following number group:");
}

TEST(GuaranteeOptions, VariantsNameTheExtraOptionsOfEachWindow) {
    EXPECT_EQ(wheels::wheelVariant(4)->extraOptions[2], "Option9");
    EXPECT_EQ(wheels::wheelVariant(6)->extraOptions[0], "Option13");
    EXPECT_EQ(wheels::wheelVariant(6)->extraOptions[2], "Option11");
    EXPECT_FALSE(wheels::wheelVariant(7)->hasBonusFrame);
    EXPECT_TRUE(wheels::wheelVariant(4)->optimizedWhenUnused);
    EXPECT_FALSE(wheels::wheelVariant(5)->optimizedWhenUnused);
    EXPECT_TRUE(wheels::wheelVariant(4)->resetHidesBalls);
    EXPECT_EQ(wheels::wheelVariant(3), nullptr);
}

struct Size {
    int k, type;
    const char* item;
    const char* entries;
};

void PrintTo(const Size& s, std::ostream* os) {
    *os << s.k << " " << s.type << " " << s.item;
}

class GroupSize : public ::testing::TestWithParam<Size> {};

TEST_P(GroupSize, ShowsNBoxesAndTheEntriesOfTheShippedWheel) {
    GroupBoxes g;
    wheels::chooseGroupSize(g, GetParam().k, GetParam().type, GetParam().item, suggestions({}));
    const int n = QString::fromLatin1(GetParam().item).toInt();
    EXPECT_EQ(g.numballs, n);
    EXPECT_EQ(g.visible, n);
    EXPECT_EQ(g.entries, GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Table, GroupSize,
                         ::testing::Values(Size{6, 6, "14", "37"}, Size{6, 8, "11", "37"},
                                           Size{7, 1, "16", "11440"}, Size{4, 1, "5", "5"},
                                           Size{5, 3, "24", "55"}, Size{6, 3, "24", "160"},
                                           Size{6, 2, "24", "2917"}, Size{6, 4, "24", "20"},
                                           Size{4, 3, " 20 ", "13"}),
                         [](const ::testing::TestParamInfo<Size>& info) {
                             return "k" + std::to_string(info.param.k) + "type" +
                                    std::to_string(info.param.type) + "n" +
                                    QString::fromLatin1(info.param.item).trimmed().toStdString();
                         });

TEST(GroupSize, FirstNSuggestionsSortedByValueNotByText) {
    GroupBoxes g;
    wheels::chooseGroupSize(g, 6, 8, "8", suggestions({31, 7, 23, 0, 45, 2, 9, 10}));
    EXPECT_EQ(shown(g), (QStringList{"0", "2", "7", "9", "10", "23", "31", "45"}));
    for (int i = 8; i < 24; ++i)
        EXPECT_TRUE(g.texts[static_cast<std::size_t>(i)].isEmpty()) << i;
}

TEST(GroupSize, ChoosingASizeAgainDiscardsTypedNumbers) {
    GroupBoxes g;
    wheels::chooseGroupSize(g, 6, 9, "9", suggestions({5, 4, 3}));
    g.texts[0] = QStringLiteral("17");
    wheels::chooseGroupSize(g, 6, 9, "9", suggestions({5, 4, 3}));
    EXPECT_EQ(g.texts[0], "3");
}

TEST(GroupSize, ATextNamingNoSizeOfTheTypeKeepsTheSizeButRefillsTheBoxes) {
    GroupBoxes g;
    wheels::chooseGroupSize(g, 6, 8, "9", suggestions({}));
    g.texts[0] = QStringLiteral("17");
    for (const char* text : {"", "24", "x", "12"}) {  // 24 and 12 belong to other types only
        wheels::chooseGroupSize(g, 6, 8, text, suggestions({}));
        EXPECT_EQ(g.numballs, 9) << text;
        EXPECT_EQ(g.visible, 9) << text;
        EXPECT_EQ(g.entries, "12") << text;
        EXPECT_EQ(g.texts[0], "41") << text;
        EXPECT_TRUE(g.texts[9].isEmpty()) << text;
    }
    wheels::chooseGroupSize(g, 6, 11, "9", suggestions({}));
    EXPECT_EQ(g.entries, "12") << "no such type";
}
