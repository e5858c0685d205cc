#pragma once

#include "scale/GattMeasurement.h"
#include "store/DayRecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tarvel {

class Diary;

// A weighing from a Bluetooth scale as the diary takes it: the weight rounded to the diary's 0.01 kg
// (pounds were converted by the parser), the scale's own time when it sent one, and what else it said.
struct ScaleWeighing {
    Mass weight; // a multiple of 10 g
    std::optional<QDateTime> time;
    std::optional<int> user;
    std::optional<int> fatTenths;
};

// Rounds the parsed weight half up to 10 g; nothing when the measurement carries no weight (a body
// composition record without its weight flag).
std::optional<ScaleWeighing> ToWeighing(const GattReading& reading);

// Whether a reading belongs to the user the Bluetooth setting names; none (-1) takes every user, and
// a reading that names no user is always taken.
bool TakesUser(const std::optional<int>& user, int wantedUser);

// One line of `tarvel-scale read`: "YYYY-MM-DD HH:MM:SS<TAB>72.40 kg", then "<TAB>user N" and
// "<TAB>fat 18.5 %" when the scale sent them. Without the scale's own time, the arrival time
// followed by " (received)".
QString ReadLine(const ScaleWeighing& weighing, const QDateTime& received);

// Where a weighing with its own time goes. Today's weighings take the Diary page's way, as the serial
// scale's do (Page). A weighing of another day goes into its half-day slot (before noon the morning)
// of the stored day with its date when that slot is empty (IntoStoredDay), or into a new day when the
// diary holds none of that date (IntoStoredDay, position 0); one already stored there with the same
// weight is ignored (AlreadyStored); a used slot is never overwritten, the reading is held (Held).
enum class Placement { Page, IntoStoredDay, AlreadyStored, Held };
struct PlaceDecision {
    Placement placement = Placement::Page;
    int position = 0; // the stored day (IntoStoredDay, AlreadyStored, Held); 0 for a new one
    int slot = 0;
};
PlaceDecision PlaceWeighing(const Diary& diary, const QDate& today, const QDateTime& weighed, Mass weight);

// The weighing a stored day takes: the time to the minute, the weight, and the BMI from the owner's
// height in cm when it is known.
Weighing StoredWeighing(const QDateTime& weighed, Mass weight, std::optional<double> heightCm);

} // namespace tarvel
