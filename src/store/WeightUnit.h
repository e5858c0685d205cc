#pragma once

#include "store/DayRecord.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace tarvel {

// The unit the window shows and takes weights in. The diary itself always keeps kg in 0.01 kg steps;
// a weight typed in another unit is converted and rounded once, and shown back in the same unit.
enum class WeightUnit { Kilograms, Pounds, StonesPounds };

inline constexpr double kKgPerPound = 0.45359237;
inline constexpr int kPoundsPerStone = 14;

// The unit's settings key ("kg", "lb", "st") and back; unknown keys read as nothing.
QString UnitKey(WeightUnit unit);
std::optional<WeightUnit> UnitFromKey(QStringView key);

// The symbol written after a number in the unit ("kg", "lb"); stones and pounds name their units
// inside the number ("12 st 8.0 lb"), so the symbol is "st lb" for labels.
QString UnitSymbol(WeightUnit unit);

// A mass laid out in the unit: "72.40" (kg, 0.01), "176.4" (lb, 0.1), "12 st 8.0 lb" (st and lb,
// 0.1 lb), with the given decimal separator. The steps are finer than the diary's 0.01 kg in kg and
// coarser in lb, so every text typed in the unit shows back as typed.
QString MassNumberText(Mass mass, WeightUnit unit, QChar decimalSep);
// Stones and pounds without the pounds' symbol ("12 st 8.0"), for a place that names the unit.
QString StonesText(Mass mass, QChar decimalSep);
// The same with the unit's symbol after it where it has one: "72.40 kg", "176.4 lb", "12 st 8.0 lb".
QString MassUnitText(Mass mass, WeightUnit unit, QChar decimalSep);
// A weight in kg laid out in the unit with the given decimals for kg and lb ("70.0 kg", "154.3 lb");
// stones and pounds as MassUnitText. For the trend and goal texts, which show fewer decimals.
QString KgUnitText(double kg, WeightUnit unit, int decimals, QChar decimalSep);

// A mass's value in the unit as a number (kg or lb; stones and pounds give pounds), for graph axes.
double ValueInUnit(double kg, WeightUnit unit);
double KgFromValue(double value, WeightUnit unit);

// A weight as a text gives it, converted to kg (not rounded).
struct WeightReading {
    double kg = 0;
    std::optional<WeightUnit> named; // the unit the text named, if it named one
};

// Reads "72.4", "72.4 kg", "161.6 lbs", "12 st 4 lb", "12st 4.5", "12 st" (units in any case, with or
// without blanks). A number without a unit is in fallback; with fallback StonesPounds, "12 4" is
// 12 st 4 lb and a lone number is stones. Nothing when the text is not such a weight or is negative.
std::optional<WeightReading> ReadWeightText(QStringView text, QChar decimalSep, WeightUnit fallback);

} // namespace tarvel
