#pragma once

#include "store/Trend.h"
#include "store/WeightUnit.h"

#include <QDate>
#include <QString>

#include <optional>

namespace tarvel {

class LocaleFormats;

// The Diary page's lines on the trend, in the user's unit: "Trend 72.4 kg, -0.3 kg/week" (the rate left out
// while there is none) and, with a goal, that the trend has reached it, when it reaches it at that rate
// counted from today, or else how far it is: "Goal 65.0 kg: 5.0 kg to go". Numbers with one decimal
// and dates as the locale writes them. Empty without a trend.
QString TrendSummaryText(const QDate& today, const TrendStanding& standing, std::optional<double> goal,
                         WeightUnit unit, const LocaleFormats& formats);

} // namespace tarvel
