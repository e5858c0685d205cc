#include "entry/DaySave.h"

#include "platform/LocaleFormats.h"
#include "store/Diary.h"

#include <algorithm>

namespace tarvel {

SaveDecision decideSave(const Diary& diary, const DayCheck& check)
{
    if (check.problem)
        return {};
    // The page's own day is stored as it stands; another stored day only takes the page's weighings
    // into its empty slots.
    const int stored = diary.records().FindItem(DayNumber(check.date));
    if (stored == 0 || stored == diary.currentIndex())
        return {SaveAction::StoreOwn, 0};
    return {diary.slotTaken(stored, check.slots) ? SaveAction::SlotTaken : SaveAction::AskMerge, stored};
}

std::optional<QDate> dateToMoveTo(const Diary& diary, QStringView typed, QStringView shown,
                                  const LocaleFormats& formats)
{
    const std::optional<QDate> date = formats.ReadTypedDate(typed);
    if (!date || formats.ReadTypedDate(shown) == date)
        return std::nullopt;
    if (diary.currentIndex() == diary.newEntryIndex() && diary.records().FindItem(DayNumber(*date)) == 0)
        return std::nullopt;
    return date;
}

DeletePlan planDelete(const Diary& diary, const QDate& today)
{
    const int current = diary.currentIndex();
    const int newEntry = diary.newEntryIndex();
    if (current >= newEntry || current < 1)
        return {};
    DeletePlan plan{true, std::max(1, current == newEntry - 1 ? current - 1 : current), {}, false};
    if (newEntry == 2)
        plan = {true, plan.shownAfter, today, true};
    else if (current == 1)
        plan.target = diary.records().Item(2).date;
    else if (current == newEntry - 1)
        plan.target = diary.records().Item(current - 1).date;
    return plan;
}

} // namespace tarvel
