#include "store/DayWeight.h"

namespace tarvel {

std::optional<double> WeighingOf(const Weighing& slot)
{
    if (!slot.weight || !IsWeighing(slot.weight->kg()))
        return std::nullopt;
    return slot.weight->kg();
}

std::optional<double> BmiOf(const Weighing& slot)
{
    if (!slot.bmiTenths || *slot.bmiTenths <= 0 || !WeighingOf(slot))
        return std::nullopt;
    return *slot.bmiTenths / 10.0;
}

std::optional<double> DayWeightOf(const DayRecord& day)
{
    if (const std::optional<double> morning = WeighingOf(day.slot[0]))
        return morning;
    return WeighingOf(day.slot[1]);
}

std::array<std::optional<double>, 2> WeighingsOf(const DayRecord& day)
{
    return {{WeighingOf(day.slot[0]), WeighingOf(day.slot[1])}};
}

} // namespace tarvel
