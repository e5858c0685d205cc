#include "entry/DaySave.h"

#include "store/DiaryFixture.h"

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::MakeWeighing;

// What Save data does, decided without a widget: a diary of 1, 6 (weighed in the morning) and 9 May
// 2004, the page at record `current`, a day of May saved (0: the check found a problem).
TEST(DaySaveTest, WhatSaveDoes)
{
    const struct {
        int current, day;
        bool morning; // the page weighed in the morning, else at night
        SaveAction action;
        int position;
    } cases[] = {
        {2, 0, true, SaveAction::Refuse, 0},    {2, 6, true, SaveAction::StoreOwn, 0},
        {4, 7, true, SaveAction::StoreOwn, 0},  {4, 6, false, SaveAction::AskMerge, 2},
        {4, 6, true, SaveAction::SlotTaken, 2}, {1, 9, true, SaveAction::AskMerge, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.current) + " " + std::to_string(c.day));
        tarvel::testing::DiaryFixture f;
        for (int day : {1, 6, 9})
            f.AddDay(QDate(2004, 5, day), day == 6 ? MakeWeighing("07:30", "65.40") : Weighing{});
        f.diary.setCurrentIndex(c.current);
        DayCheck check;
        if (c.day == 0)
            check.problem = DayProblem{QStringLiteral("no"), IconInformation, DayField::None};
        check.date = QDate(2004, 5, std::max(c.day, 1));
        check.slots[c.morning ? 0 : 1] = MakeWeighing("08:00", "64.00");
        const SaveDecision decision = decideSave(f.diary, check);
        EXPECT_EQ(std::pair(decision.action, decision.position), std::pair(c.action, c.position));
    }
}
