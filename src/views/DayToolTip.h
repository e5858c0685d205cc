#pragma once

#include "store/WeightUnit.h"

#include <QString>

#include <optional>

namespace tarvel {

struct DayRecord;
class LocaleFormats;

// The text shown when the pointer rests on a day of a graph: the day's date, then one line for
// each weighing (morning or night, its time and weight, and on the BMI graph its BMI), then the
// day's trend weight when the caller has one.
QString DayToolTipText(const DayRecord& day, bool withBmi, WeightUnit unit, const LocaleFormats& formats,
                       std::optional<double> trend = std::nullopt);

} // namespace tarvel
