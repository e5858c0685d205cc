#pragma once

#include "entry/DayCheck.h"

#include <QDate>
#include <QStringView>

#include <optional>

namespace tarvel {

class Diary;
class LocaleFormats;

// The Diary page's decisions, made on the diary and the page's position without any widget: what
// Save data does with a checked day, whether a typed date moves the page, and what Delete this data
// removes and shows afterwards. The page asks the questions and shows the messages they name.

// What Save data does with the page's day.
enum class SaveAction {
    Refuse,    // the check found a problem: its message, nothing stored
    StoreOwn,  // stored as the page's own day (new, or the day shown)
    AskMerge,  // another stored day has the date: its empty slots take the weighings, with consent
    SlotTaken, // another stored day has the date and a weighed slot of the page is taken there
};

struct SaveDecision {
    SaveAction action = SaveAction::Refuse;
    int position = 0; // the stored day to merge into (AskMerge, SlotTaken)
};

SaveDecision decideSave(const Diary& diary, const DayCheck& check);

// The date a typed text moves the page to: nothing while the text is no complete date, when it is
// the shown day's own date, or on the new-entry page when no day has that date (the date is then
// simply the new page's input).
std::optional<QDate> dateToMoveTo(const Diary& diary, QStringView typed, QStringView shown,
                                  const LocaleFormats& formats);

// What deleting the shown record does: nothing (but showing the page again) off a record; else the
// record shown afterwards (the one that moves into the removed one's place, or the one before the
// last) and where the graph period moves: to target when always is set, or when the deleted day
// lies in the period; no move when target is invalid.
struct DeletePlan {
    bool deletes = false;
    int shownAfter = 0;
    QDate target;
    bool always = false;
};

DeletePlan planDelete(const Diary& diary, const QDate& today);

} // namespace tarvel
