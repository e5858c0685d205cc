#pragma once

#include "store/DayRecord.h"

#include <array>
#include <optional>

namespace tarvel {

// The heaviest weight the diary takes, in kg (text MaximumWeight names it). One rule for every way a weight
// comes in: the Diary page refuses more as it is typed or set by the scale, and the importers leave
// such a row out. No lower limit here: a weight of 0 gives no BMI, which the save refuses.
constexpr double kMostWeightKg = 150;
inline bool WeightWithinLimit(double kg)
{
    return kg <= kMostWeightKg;
}

// The one place that decides which stored weights count as weighings, for the trend, the graphs,
// their tooltips and descriptions, and the importer.

// Whether a weight in kg is a weighing: above 0 and within the diary's limit. The Diary page saves
// no weight of 0 (it gives no BMI) and the importers leave such rows out, so a 0 or a weight over
// the limit read from a file is a text kept as written, not a weighing: no view plots, counts or
// describes it.
inline bool IsWeighing(double kg)
{
    return kg > 0 && WeightWithinLimit(kg);
}

// The slot's weight in kg when it is a weighing.
std::optional<double> WeighingOf(const Weighing& slot);

// The BMI of a slot that is a weighing, when it is above 0 ("00.0" in a file is no BMI).
std::optional<double> BmiOf(const Weighing& slot);

// The day's weight: the morning weighing, else the night one. Reads the night slot only when needed.
std::optional<double> DayWeightOf(const DayRecord& day);

// The weighings of a day by slot (0 morning, 1 night), in kg.
std::array<std::optional<double>, 2> WeighingsOf(const DayRecord& day);

} // namespace tarvel
