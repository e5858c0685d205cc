#include "store/DayWeight.h"

#include "platform/LocaleFormats.h"

namespace tarvel {

std::optional<double> WeighingOf(const Measurement& slot, const LocaleFormats& formats)
{
    if (slot.Weight.isEmpty())
        return std::nullopt;
    const std::optional<double> kg = formats.ParseNumber(slot.Weight);
    return kg && IsWeighing(*kg) ? kg : std::nullopt;
}

std::optional<double> BmiOf(const Measurement& slot, const LocaleFormats& formats)
{
    if (slot.Bmi.isEmpty() || !WeighingOf(slot, formats))
        return std::nullopt;
    const std::optional<double> bmi = formats.ParseNumber(slot.Bmi);
    return bmi && *bmi > 0 ? bmi : std::nullopt;
}

std::optional<double> DayWeightOf(const DayRecord& day, const LocaleFormats& formats)
{
    if (const std::optional<double> morning = WeighingOf(day.Slot[0], formats))
        return morning;
    return WeighingOf(day.Slot[1], formats);
}

std::array<std::optional<double>, 2> WeighingsOf(const DayRecord& day, const LocaleFormats& formats)
{
    return {{WeighingOf(day.Slot[0], formats), WeighingOf(day.Slot[1], formats)}};
}

} // namespace tarvel
