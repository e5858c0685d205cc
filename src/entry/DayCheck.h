#pragma once

#include "platform/MessageService.h"
#include "store/DayWeight.h"
#include "store/WeightUnit.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace tarvel {

class LocaleFormats;

// A day as typed on the Diary page (or read by an importer): texts in the user's locale, memos
// with their line breaks.
struct DayInput {
    QString name;
    QString date;
    QString height;
    std::array<QString, 2> time, weight, bmi, memo;
    // The unit the weights are typed in.
    WeightUnit unit = WeightUnit::Kilograms;
    // A slot whose weight text is the one shown for its stored weight keeps that weight exactly:
    // the text of a stored 72.40 kg in pounds ("159.6") reads back as 72.39 kg.
    std::array<std::optional<Mass>, 2> weightAsShown;
};

// The input a problem is about, for the page to select and focus.
enum class DayField { None, Date, MorningTime, NightTime };

struct DayProblem {
    QString message; // complete, lines joined with CR LF
    IconKind icon;
    DayField field;
};

// What checking a day gives: a problem to report, or the day's date and the slots as stored. The
// BMI of each weighed slot is worked out from the height before the date and times are read, so
// bmiTenths holds them whenever the BMI check passed, even if a later check failed.
struct DayCheck {
    std::optional<DayProblem> problem;
    std::array<std::optional<int>, 2> bmiTenths;
    QDate date;
    std::array<Weighing, 2> slots;
};

// The rules of saving a day, in order: every missing input at once (name, date, height, a weight, a
// weighed slot's time); a weight that gives no BMI; the date; each weighed slot's time. A slot
// without a weight is stored empty, memo included.
DayCheck CheckDay(const DayInput& in, const LocaleFormats& formats);

} // namespace tarvel
