#include "entry/TrendSummary.h"

#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/Trend.h"

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

QString TrendSummaryText(const QDate& lastDay, std::optional<double> trend, std::optional<double> weeklyRate,
                         std::optional<double> goal, const LocaleFormats& formats)
{
    if (!trend)
        return QString();
    const QString trendText = formats.FormatNumber(*trend, kOneDecimal);
    QString text = weeklyRate
                       ? LoadText(TextId::TrendWithRate).arg(trendText, SignedText(*weeklyRate, formats))
                       : LoadText(TextId::TrendValue).arg(trendText);
    const GoalForecast forecast = ForecastGoal(lastDay, trend, weeklyRate, goal);
    if (forecast.state == GoalState::None)
        return text;
    const QString goalText = formats.FormatNumber(*goal, kOneDecimal);
    text += QLatin1Char('\n');
    switch (forecast.state) {
    case GoalState::Reaching:
        return text + LoadText(TextId::GoalEta)
                          .arg(goalText, formats.FormatDate(forecast.date, formats.ShortDateFormat));
    case GoalState::MovingAway:
        return text + LoadText(TextId::GoalMovingAway).arg(goalText);
    case GoalState::NotMoving:
        return text + LoadText(TextId::GoalNotApproaching).arg(goalText);
    default:
        return text + LoadText(TextId::GoalReached).arg(goalText);
    }
}

} // namespace tarvel
