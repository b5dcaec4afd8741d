// The entry file the Pick window lists and where a copy to the other draw time goes.
#include <gtest/gtest.h>

#include "pick34/logic/pickstanding.h"

TEST(PickListedFile, DatedOrStandingFromTheWindowsState) {
    PickEntryView view{4, PickTime::Night, QDate(2012, 3, 5), false};
    EXPECT_EQ(listedEntryFileName(view, QStringLiteral("DDMMYY")),
              QStringLiteral("Pick4Night05Mar2012.lot"));
    view.standing = true;
    EXPECT_EQ(listedEntryFileName(view, QStringLiteral("DDMMYY")),
              QStringLiteral("Pick4StandNight.lot"));
    view = {3, PickTime::Day, QDate(2012, 3, 5), true};
    EXPECT_EQ(listedEntryFileName(view, QStringLiteral("DDMMYY")),
              QStringLiteral("Pick3StandDay.lot"));
}

TEST(PickOtherTimeCopy, TargetAndQuestionOfEachGameAndTime) {
    struct Case {
        int game;
        PickTime source;
        const char* dateorder;
        const char* target;
        const char* question;
    };
    const Case cases[] = {
        {3, PickTime::Day, "DDMMYY", "Pick3Night05Mar2012.lot",
         "A pick 3 night entry already exists, do you want to replace it with this entry?"},
        {3, PickTime::Night, "DDMMYY", "Pick3Day05Mar2012.lot",
         "A pick 3 day entry already exists, do you want to replace it with this entry?"},
        {4, PickTime::Day, "MMDDYY", "Pick4NightMar052012.lot",
         "A pick 4 night entry already exists, do you want to replace it with this entry?"},
        {4, PickTime::Night, "YYMMDD", "Pick4Day2012Mar05.lot",
         "A pick 4 day entry already exists, do you want to replace it with this entry?"},
    };
    for (const Case& c : cases) {
        const OtherTimeCopy copy =
            otherTimeCopy(c.game, c.source, QDate(2012, 3, 5), QLatin1String(c.dateorder));
        EXPECT_EQ(copy.target, QLatin1String(c.target));
        EXPECT_EQ(copy.question, QLatin1String(c.question));
    }
}
