#include "entry/DayCheck.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/Bmi.h"
#include "store/DiaryText.h"
#include "store/WeighingText.h"

namespace tarvel {

namespace {

std::optional<DayProblem> MissingInputs(const DayInput& in)
{
    QString missing;
    const auto add = [&missing](TextId textId) { missing += LoadText(textId) + kCrLf; };
    if (in.name.isEmpty())
        add(TextId::InputName);
    if (in.date.isEmpty())
        add(TextId::InputDate);
    if (in.height.isEmpty())
        add(TextId::InputHeight);
    if (in.weight[0].isEmpty() && in.weight[1].isEmpty())
        add(TextId::InputWeight);
    for (std::size_t i = 0; i < 2; ++i) {
        if (!in.weight[i].isEmpty() && in.time[i].isEmpty())
            add(TextId::InputTime);
    }
    if (missing.isEmpty())
        return std::nullopt;
    return DayProblem{missing, IconInformation, DayField::None};
}

// The weight of a slot in kg as typed in the input's unit; kg texts read as before units existed.
std::optional<double> TypedKg(const DayInput& in, std::size_t i, const LocaleFormats& formats)
{
    if (in.weightAsShown[i])
        return in.weightAsShown[i]->kg();
    if (in.unit == WeightUnit::Kilograms)
        return formats.ParseNumber(in.weight[i]);
    const std::optional<WeightReading> read = ReadWeightText(in.weight[i], formats.DecimalSep, in.unit);
    return read ? std::optional<double>(read->kg) : std::nullopt;
}

} // namespace

DayCheck CheckDay(const DayInput& in, const LocaleFormats& formats)
{
    DayCheck check;
    if ((check.problem = MissingInputs(in)))
        return check;

    std::array<std::optional<int>, 2> bmis;
    for (std::size_t i = 0; i < 2; ++i) {
        if (in.weight[i].isEmpty())
            continue;
        // A BMI that rounds to 0.0 (a weight of 0, an unreadable height) is no BMI.
        bmis[i] = bmiTenths(formats.ParseNumber(in.height), TypedKg(in, i, formats));
        if (!bmis[i]) {
            check.problem = DayProblem{LoadText(TextId::InvalidWeightOrBmi), IconQuestion, DayField::None};
            return check;
        }
    }
    check.bmiTenths = bmis;

    const std::optional<QDate> date = formats.ReadTypedDate(in.date);
    if (!date) {
        check.problem =
            DayProblem{LoadText(TextId::InvalidDate) + kCrLf + LoadText(TextId::DateFormatShouldBe) +
                           formats.DateFormat + LoadText(TextId::FullStop),
                       IconQuestion, DayField::Date};
        return check;
    }
    check.date = *date;

    for (std::size_t i = 0; i < 2; ++i) {
        if (in.weight[i].isEmpty())
            continue;
        const std::optional<DateTimeValue> time = formats.ParseDateTimeText(in.time[i]);
        if (!time || !time->time.isValid()) {
            check.problem = DayProblem{LoadText(TextId::InvalidTime) + kCrLf + LoadText(TextId::TimeFormat),
                                       IconQuestion, i == 0 ? DayField::MorningTime : DayField::NightTime};
            return check;
        }
        Weighing& slot = check.slots[i];
        slot.time = QTime(time->time.hour(), time->time.minute());
        if (in.weightAsShown[i])
            slot.weight = in.weightAsShown[i];
        else if (in.unit == WeightUnit::Kilograms)
            slot.weight = MassFromKg(formats.LeadingNumber(in.weight[i]));
        else
            slot.weight = MassFromKg(TypedKg(in, i, formats).value_or(0));
        slot.bmiTenths = bmis[i];
        slot.memo = MemoWithLineBreaks(in.memo[i]);
    }
    return check;
}

} // namespace tarvel
