#include "entry/TrendSummary.h"

#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/Trend.h"

#include <cmath>

namespace tarvel {

namespace {

constexpr char16_t kOneDecimal[] = u"#0.0";

// A rate with its sign: "+0.3", "-0.3", and "0.0" for one that rounds to nothing.
QString SignedText(double value, const LocaleFormats& formats)
{
    const QString text = formats.FormatNumber(value, kOneDecimal);
    return value > 0 && text != formats.FormatNumber(0, kOneDecimal) ? QLatin1Char('+') + text : text;
}

} // namespace

QString TrendSummaryText(const QDate& today, const TrendStanding& standing, std::optional<double> goal,
                         const LocaleFormats& formats)
{
    if (!standing.trend)
        return QString();
    const QString trendText = formats.FormatNumber(*standing.trend, kOneDecimal);
    QString text =
        standing.weeklyRate
            ? LoadText(TextId::TrendWithRate).arg(trendText, SignedText(*standing.weeklyRate, formats))
            : LoadText(TextId::TrendValue).arg(trendText);
    const GoalForecast forecast = ForecastGoal(today, standing, goal);
    if (forecast.state == GoalState::None)
        return text;
    const QString goalText = formats.FormatNumber(*goal, kOneDecimal);
    text += QLatin1Char('\n');
    switch (forecast.state) {
    case GoalState::Reaching:
        return text + LoadText(TextId::GoalEta)
                          .arg(goalText, formats.FormatDate(forecast.date, formats.ShortDateFormat));
    case GoalState::NoDate:
        return text +
               LoadText(TextId::GoalToGo)
                   .arg(goalText, formats.FormatNumber(std::fabs(*goal - *standing.trend), kOneDecimal));
    default:
        return text + LoadText(TextId::GoalReached).arg(goalText);
    }
}

} // namespace tarvel
