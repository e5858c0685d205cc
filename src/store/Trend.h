#pragma once

#include <QDate>

#include <optional>
#include <vector>

namespace tarvel {

class LocaleFormats;
class RecordStore;

// One weighed day: its day number, its weight (the morning weighing, else the night one), the
// smoothed trend on that day, and whether the trend starts anew there (the first weighing, or the
// first after a gap of more than kTrendLongestFill days).
struct TrendPoint {
    qint64 dayNumber = 0;
    double weight = 0;
    double trend = 0;
    bool startsRun = false;
};

// How much of the way from the trend to the day's weight one day closes.
inline constexpr double kTrendDailyShare = 0.1;
// Weighings at most this many days apart are joined by filled days; a longer gap starts the trend
// anew.
inline constexpr qint64 kTrendLongestFill = 14;
// The rate is the slope over this many last weighed days...
inline constexpr std::size_t kTrendRateDays = 14;
// ...and is given only when they span at least this many days.
inline constexpr qint64 kTrendRateLeastSpan = 7;

// The trend of every weighed day, oldest first. A day's weight is DayWeightOf it; of several
// records of one day the first weighed one counts. The days missing between two weighings at most
// kTrendLongestFill days apart are filled on the straight line between their weights; then, day by
// day, trend = previous + kTrendDailyShare * (weight - previous), starting at the first weighing
// and again at the first one after a longer gap. Filled days smooth the trend but are no points.
std::vector<TrendPoint> ComputeTrend(const RecordStore& records);

// The change of the trend per week: the least-squares slope of the trend over the last
// kTrendRateDays weighed days since the trend last started, times 7. Nothing when those days span
// less than kTrendRateLeastSpan days.
std::optional<double> WeeklyRateOf(const std::vector<TrendPoint>& points);

// Where the trend stands for the Diary page: the last weighed day's trend, the weekly rate when
// there is one, the trend where it last started (the direction of travel runs from there) and the
// last weighed day.
struct TrendStanding {
    std::optional<double> trend;
    std::optional<double> weeklyRate;
    std::optional<double> start;
    QDate lastDay;
};

// The trend of one diary, computed when it is first asked for after its records changed (by any
// RecordStore call: a stored or removed day, a diary read, a reset) and kept until the next change.
// Every view that draws or shows the trend asks this one object, so a paint costs a look-up.
class Trend {
public:
    explicit Trend(const RecordStore& records);

    // The weighed days, oldest first.
    const std::vector<TrendPoint>& Points() const;
    // The trend on the day of the record at a position (1..count), or on a date; nothing when that
    // day has no weighing (a filled day has none either).
    std::optional<double> TrendAt(int position) const;
    std::optional<double> TrendOn(const QDate& date) const;
    // The last weighed day's trend and day; nothing in a diary without weighings.
    std::optional<double> CurrentTrend() const;
    QDate LastWeighedDay() const;
    // WeeklyRateOf the points, kept with them.
    std::optional<double> WeeklyRate() const;
    TrendStanding Standing() const;
    // The index of the first point on or after the day (Points().size() when there is none).
    std::size_t FirstPointFrom(qint64 dayNumber) const;

private:
    void Refresh() const;

    const RecordStore& m_records;
    mutable std::vector<TrendPoint> m_points;
    mutable std::optional<double> m_weeklyRate;
    mutable std::size_t m_runStart = 0;
    mutable std::optional<quint64> m_revision;
};

// Where the trend stands against a goal weight.
enum class GoalState {
    None,     // no goal, or no trend
    Reached,  // the trend is within 0.1 kg of the goal, or past it coming from where it started
    Reaching, // the trend moves toward it at the shown rate: `date` is when, within a year
    NoDate,   // no rate, a rate away from the goal or too slow to reach it within a year, or a
              // trend that the next weighing starts anew (more than kTrendLongestFill days old)
};

struct GoalForecast {
    GoalState state = GoalState::None;
    QDate date;
};

// Whether and when the trend reaches the goal at the weekly rate, counted from today.
GoalForecast ForecastGoal(const QDate& today, const TrendStanding& standing, std::optional<double> goal);

} // namespace tarvel
