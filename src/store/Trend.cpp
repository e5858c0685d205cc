#include "store/Trend.h"

#include "platform/LocaleFormats.h"
#include "store/DayWeight.h"
#include "store/RecordStore.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// Within this of the goal, the goal counts as reached; a little more for the sums' rounding.
constexpr double kGoalTolerance = 0.1 + 1e-9;

bool PointBefore(const TrendPoint& point, qint64 day)
{
    return point.dayNumber < day;
}

// The index of the point where the trend last started.
std::size_t RunStartOf(const std::vector<TrendPoint>& points)
{
    std::size_t at = points.size();
    while (at > 0 && !points[at - 1].startsRun)
        --at;
    return at > 0 ? at - 1 : 0;
}

} // namespace

std::vector<TrendPoint> ComputeTrend(const RecordStore& records)
{
    std::vector<TrendPoint> points;
    points.reserve(static_cast<std::size_t>(records.Count()));
    for (const DayRecord& record : records.Records()) {
        if (!points.empty() && points.back().dayNumber == record.dayNumber())
            continue;
        const std::optional<double> weight = DayWeightOf(record);
        if (!weight)
            continue;
        const qint64 day = record.dayNumber();
        if (points.empty() || day - points.back().dayNumber > kTrendLongestFill) {
            points.push_back({day, *weight, *weight, true});
            continue;
        }
        // The filled days first, on the straight line from the last weighing, then the day itself.
        const TrendPoint& last = points.back();
        const qint64 gap = day - last.dayNumber;
        const double step = (*weight - last.weight) / static_cast<double>(gap);
        double trend = last.trend;
        for (qint64 k = 1; k < gap; ++k)
            trend += kTrendDailyShare * (last.weight + step * static_cast<double>(k) - trend);
        trend += kTrendDailyShare * (*weight - trend);
        points.push_back({day, *weight, trend, false});
    }
    return points;
}

std::optional<double> WeeklyRateOf(const std::vector<TrendPoint>& points)
{
    const std::size_t first =
        std::max(RunStartOf(points), points.size() > kTrendRateDays ? points.size() - kTrendRateDays : 0);
    if (points.empty() || points.back().dayNumber - points[first].dayNumber < kTrendRateLeastSpan)
        return std::nullopt;
    // Days counted from the last one keep the sums small.
    const qint64 origin = points.back().dayNumber;
    const double n = static_cast<double>(points.size() - first);
    double sumX = 0;
    double sumY = 0;
    for (std::size_t i = first; i < points.size(); ++i) {
        sumX += static_cast<double>(points[i].dayNumber - origin);
        sumY += points[i].trend;
    }
    double sumXY = 0;
    double sumXX = 0;
    for (std::size_t i = first; i < points.size(); ++i) {
        const double x = static_cast<double>(points[i].dayNumber - origin) - sumX / n;
        sumXY += x * (points[i].trend - sumY / n);
        sumXX += x * x;
    }
    return sumXY / sumXX * 7;
}

Trend::Trend(const RecordStore& records) : m_records(records) {}

void Trend::Refresh() const
{
    if (m_revision == m_records.Revision())
        return;
    m_points = ComputeTrend(m_records);
    m_weeklyRate = WeeklyRateOf(m_points);
    m_runStart = RunStartOf(m_points);
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

TrendStanding Trend::Standing() const
{
    const std::vector<TrendPoint>& points = Points();
    if (points.empty())
        return {};
    return {points.back().trend, m_weeklyRate, points[m_runStart].trend,
            DateFromDayNumber(points.back().dayNumber)};
}

GoalForecast ForecastGoal(const QDate& today, const TrendStanding& standing, std::optional<double> goal)
{
    if (!goal || !standing.trend)
        return {};
    const double distance = *goal - *standing.trend;
    // Past the goal: on its other side from where the trend started.
    const double fromStart = *goal - standing.start.value_or(*standing.trend);
    if (std::fabs(distance) <= kGoalTolerance || distance * fromStart < 0)
        return {GoalState::Reached, {}};
    const double rate = standing.weeklyRate.value_or(0);
    // A trend older than the longest gap the next weighing bridges says nothing about today.
    const bool current = standing.lastDay.isValid() && standing.lastDay.daysTo(today) <= kTrendLongestFill;
    if (rate * distance <= 0 || !current)
        return {GoalState::NoDate, {}};
    const double days = std::ceil(distance * 7 / rate);
    if (days > static_cast<double>(today.daysTo(today.addYears(1))))
        return {GoalState::NoDate, {}};
    return {GoalState::Reaching, today.addDays(static_cast<qint64>(days))};
}

} // namespace tarvel
