#include "entry/TrendSummary.h"

#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/Trend.h"
#include "store/WeightUnit.h"

#include <cmath>

namespace tarvel {

namespace {

// Differences of weight (a rate, what is left to go) are in kg or lb; stones give pounds.
WeightUnit DifferenceUnit(WeightUnit unit)
{
    return unit == WeightUnit::StonesPounds ? WeightUnit::Pounds : unit;
}

QString DifferenceText(double kg, WeightUnit unit, const LocaleFormats& formats)
{
    return KgUnitText(kg, DifferenceUnit(unit), 1, formats.DecimalSep);
}

// A rate with its sign: "+0.3 kg", "-0.3 kg", and "0.0 kg" for one that rounds to nothing.
QString SignedText(double kg, WeightUnit unit, const LocaleFormats& formats)
{
    const QString text = DifferenceText(kg, unit, formats);
    return kg > 0 && text != DifferenceText(0, unit, formats) ? QLatin1Char('+') + text : text;
}

} // namespace

QString TrendSummaryText(const QDate& today, const TrendStanding& standing, std::optional<double> goal,
                         WeightUnit unit, const LocaleFormats& formats)
{
    if (!standing.trend)
        return QString();
    const QString trendText = KgUnitText(*standing.trend, unit, 1, formats.DecimalSep);
    QString text =
        standing.weeklyRate
            ? LoadText(TextId::TrendWithRate).arg(trendText, SignedText(*standing.weeklyRate, unit, formats))
            : LoadText(TextId::TrendValue).arg(trendText);
    const GoalForecast forecast = ForecastGoal(today, standing, goal);
    if (forecast.state == GoalState::None)
        return text;
    const QString goalText = KgUnitText(*goal, unit, 1, formats.DecimalSep);
    text += QLatin1Char('\n');
    switch (forecast.state) {
    case GoalState::Reaching:
        return text + LoadText(TextId::GoalEta)
                          .arg(goalText, formats.FormatDate(forecast.date, formats.ShortDateFormat));
    case GoalState::NoDate:
        return text + LoadText(TextId::GoalToGo)
                          .arg(goalText, DifferenceText(std::fabs(*goal - *standing.trend), unit, formats));
    default:
        return text + LoadText(TextId::GoalReached).arg(goalText);
    }
}

} // namespace tarvel
