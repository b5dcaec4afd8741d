// The Wheels > Open items come from the wheel design table: one item per wheel type.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/wheelmenu.h"
#include "wheels/design/wheeltable.h"

TEST(WheelMenu, HoldsEveryWheelTypeOnceSevenBallsFirst) {
    const auto& items = wheelMenuItems();
    for (const wheeldesign::WheelType& t : wheeldesign::wheelTypes()) {
        const auto same = [&](const WheelMenuItem& w) {
            return w.k == t.k && w.d == t.d && w.m == t.m && w.openwheeltype == t.type;
        };
        EXPECT_EQ(std::count_if(items.begin(), items.end(), same), 1)
            << t.k << '-' << t.d << '-' << t.m;
    }
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.k > b.k || (a.k == b.k && a.openwheeltype < b.openwheeltype);
    }));
    EXPECT_EQ(items.front().caption, QStringLiteral("Guarantee Match 7 if 7 Picked from Group"));
    EXPECT_EQ(items[10].caption, QStringLiteral("Guarantee Match 4 if 5 Picked from Group"));
    EXPECT_EQ(items.back().caption, QStringLiteral("Guarantee Match 2 if 4 Picked from Group"));
}

TEST(WheelMenu, NamesAGamesWheelEntryFile) {
    EXPECT_EQ(wheelEntryFileName(QStringLiteral("Lotto"), 6, 5, 4),
              QStringLiteral("Lotto-6-5-4.lot"));
    EXPECT_EQ(wheelEntryFileName(QStringLiteral("649"), 4, 4, 2), QStringLiteral("649-4-4-2.lot"));
}
