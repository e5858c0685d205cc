#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tarvel {

class LocaleFormats;

// The Diary page's lines on the trend: "Trend 72.4 kg, -0.3 kg/week" (the rate left out while
// there is none) and, with a goal, when the trend reaches it at that rate, that it moves away, does
// not move toward it, or has reached it. Numbers with one decimal and dates as the locale writes
// them. Empty without a trend.
QString TrendSummaryText(const QDate& lastDay, std::optional<double> trend, std::optional<double> weeklyRate,
                         std::optional<double> goal, const LocaleFormats& formats);

} // namespace tarvel
