#include "store/Trend.h"

#include "platform/LocaleFormats.h"
#include "store/DayWeight.h"
#include "store/RecordStore.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// Within this of the goal, the goal counts as reached (it shows as the goal to one decimal).
constexpr double kGoalTolerance = 0.05;
// A goal further away than this at the current rate is not given a date.
constexpr qint64 kLongestForecastDays = 3653;

bool PointBefore(const TrendPoint& point, qint64 day)
{
    return point.dayNumber < day;
}

} // namespace

std::vector<TrendPoint> ComputeTrend(const RecordStore& records)
{
    std::vector<TrendPoint> points;
    points.reserve(static_cast<std::size_t>(records.Count()));
    // 0.9^gap for the common gaps, without a pow() per day.
    constexpr int kKeptGaps = 8;
    double keep[kKeptGaps + 1];
    keep[0] = 1;
    for (int gap = 1; gap <= kKeptGaps; ++gap)
        keep[gap] = keep[gap - 1] * (1 - kTrendDailyShare);
    for (const DayRecord& record : records.Records()) {
        if (!points.empty() && points.back().dayNumber == record.dayNumber())
            continue;
        const std::optional<double> weight = DayWeightOf(record);
        if (!weight)
            continue;
        if (points.empty()) {
            points.push_back({record.dayNumber(), *weight, *weight});
            continue;
        }
        const TrendPoint& last = points.back();
        const qint64 gap = record.dayNumber() - last.dayNumber;
        const double kept = gap <= kKeptGaps ? keep[static_cast<std::size_t>(gap)]
                                             : std::pow(1 - kTrendDailyShare, static_cast<double>(gap));
        points.push_back({record.dayNumber(), *weight, last.trend + (1 - kept) * (*weight - last.trend)});
    }
    return points;
}

std::optional<double> WeeklyRateOf(const std::vector<TrendPoint>& points)
{
    if (points.size() < 2)
        return std::nullopt;
    const TrendPoint& last = points.back();
    const qint64 from = last.dayNumber - kTrendRateDays;
    // The last point on or before `from`; the first point when the diary starts later.
    const auto after = std::upper_bound(points.begin(), points.end(), from,
                                        [](qint64 day, const TrendPoint& p) { return day < p.dayNumber; });
    const TrendPoint& earlier = after == points.begin() ? points.front() : *(after - 1);
    const qint64 days = after == points.begin() ? last.dayNumber - earlier.dayNumber : kTrendRateDays;
    return (last.trend - earlier.trend) / static_cast<double>(days) * 7;
}

Trend::Trend(const RecordStore& records) : m_records(records) {}

void Trend::Refresh() const
{
    if (m_revision == m_records.Revision())
        return;
    m_points = ComputeTrend(m_records);
    m_weeklyRate = WeeklyRateOf(m_points);
    m_revision = m_records.Revision();
}

const std::vector<TrendPoint>& Trend::Points() const
{
    Refresh();
    return m_points;
}

std::size_t Trend::FirstPointFrom(qint64 dayNumber) const
{
    const std::vector<TrendPoint>& points = Points();
    return static_cast<std::size_t>(std::lower_bound(points.begin(), points.end(), dayNumber, PointBefore) -
                                    points.begin());
}

std::optional<double> Trend::TrendOn(const QDate& date) const
{
    if (!date.isValid())
        return std::nullopt;
    const qint64 day = DayNumber(date);
    const std::size_t at = FirstPointFrom(day);
    if (at == m_points.size() || m_points[at].dayNumber != day)
        return std::nullopt;
    return m_points[at].trend;
}

std::optional<double> Trend::TrendAt(int position) const
{
    if (position < 1 || position > m_records.Count())
        return std::nullopt;
    return TrendOn(DateFromDayNumber(m_records.Item(position).dayNumber()));
}

std::optional<double> Trend::CurrentTrend() const
{
    const std::vector<TrendPoint>& points = Points();
    return points.empty() ? std::nullopt : std::optional<double>(points.back().trend);
}

QDate Trend::LastWeighedDay() const
{
    const std::vector<TrendPoint>& points = Points();
    return points.empty() ? QDate() : DateFromDayNumber(points.back().dayNumber);
}

std::optional<double> Trend::WeeklyRate() const
{
    Refresh();
    return m_weeklyRate;
}

GoalForecast ForecastGoal(const QDate& lastDay, std::optional<double> trend, std::optional<double> weeklyRate,
                          std::optional<double> goal)
{
    if (!goal || !trend)
        return {};
    const double distance = *goal - *trend;
    if (std::fabs(distance) < kGoalTolerance)
        return {GoalState::Reached, {}};
    const double rate = weeklyRate.value_or(0);
    if (rate * distance < 0)
        return {GoalState::MovingAway, {}};
    if (rate == 0)
        return {GoalState::NotMoving, {}};
    const double days = std::ceil(distance * 7 / rate);
    if (days > kLongestForecastDays)
        return {GoalState::NotMoving, {}};
    return {GoalState::Reaching, lastDay.addDays(static_cast<qint64>(days))};
}

} // namespace tarvel
