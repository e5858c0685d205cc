#pragma once

#include <QDate>

#include <optional>
#include <vector>

namespace tarvel {

class LocaleFormats;
class RecordStore;

// One weighed day: its day number, its weight (the morning weighing, else the night one) and the
// smoothed trend on that day.
struct TrendPoint {
    qint64 dayNumber = 0;
    double weight = 0;
    double trend = 0;
};

// How much of the way from the trend to a new weight one day closes; a gap of g days closes
// 1 - (1 - kTrendDailyShare)^g of it.
inline constexpr double kTrendDailyShare = 0.1;
// The span over which the trend's rate of change is measured.
inline constexpr int kTrendRateDays = 28;

// The trend of every weighed day, oldest first: the first day's trend is its weight; each later
// day, gap days on, moves the trend (1 - 0.9^gap) of the way to its weight. A day's weight is
// DayWeightOf it; of several records of one day the first weighed one counts.
std::vector<TrendPoint> ComputeTrend(const RecordStore& records);

// The change of the trend per week over the last kTrendRateDays days before the last weighed day:
// against the trend as it stood on that earlier day (the last weighed day's on or before it) or,
// in a shorter diary, against the first weighed day. Nothing with fewer than two weighed days.
std::optional<double> WeeklyRateOf(const std::vector<TrendPoint>& points);

// The trend of one diary, computed when it is first asked for after its records changed (by any
// RecordStore call: a stored or removed day, a diary read, a reset) and kept until the next change.
// Every view that draws or shows the trend asks this one object, so a paint costs a look-up.
class Trend {
public:
    explicit Trend(const RecordStore& records);

    // The weighed days, oldest first.
    const std::vector<TrendPoint>& Points() const;
    // The trend on the day of the record at a position (1..count), or on a date; nothing when that
    // day has no weighing.
    std::optional<double> TrendAt(int position) const;
    std::optional<double> TrendOn(const QDate& date) const;
    // The last weighed day's trend and day; nothing in a diary without weighings.
    std::optional<double> CurrentTrend() const;
    QDate LastWeighedDay() const;
    // WeeklyRateOf the points, kept with them.
    std::optional<double> WeeklyRate() const;
    // The index of the first point on or after the day (Points().size() when there is none).
    std::size_t FirstPointFrom(qint64 dayNumber) const;

private:
    void Refresh() const;

    const RecordStore& m_records;
    mutable std::vector<TrendPoint> m_points;
    mutable std::optional<double> m_weeklyRate;
    mutable std::optional<quint64> m_revision;
};

// Where the trend stands against a goal weight.
enum class GoalState {
    None,       // no goal, or no trend
    Reached,    // the trend is within 0.05 kg of the goal
    Reaching,   // the trend moves toward it: `date` is when, at the weekly rate
    MovingAway, // the trend moves away from it
    NotMoving,  // no rate, or one that would take more than ten years
};

struct GoalForecast {
    GoalState state = GoalState::None;
    QDate date;
};

// Whether and when the trend (of lastDay) reaches the goal at the weekly rate; the date is counted
// from lastDay.
GoalForecast ForecastGoal(const QDate& lastDay, std::optional<double> trend, std::optional<double> weeklyRate,
                          std::optional<double> goal);

} // namespace tarvel
