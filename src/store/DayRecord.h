#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <compare>
#include <optional>

namespace tarvel {

// A mass in whole grams. The diary keeps weights in 0.01 kg steps (10 g); scales may be finer.
struct Mass {
    qint64 grams = 0;

    double kg() const { return static_cast<double>(grams) / 1000.0; }
    auto operator<=>(const Mass&) const = default;
};

// One weighing of a day: its time of day, weight, BMI (in tenths) and memo (lines joined by "\n").
// A weight or BMI field that a diary file held as something other than a number is kept as written
// (keptWeight, keptBmi; no value then), so that saving the diary writes it back unchanged.
struct Weighing {
    std::optional<QTime> time;
    std::optional<Mass> weight;
    std::optional<int> bmiTenths;
    QString memo;
    QString keptWeight;
    QString keptBmi;

    // Whether the slot holds a weight field at all (a value or a kept text): such a slot is taken.
    bool hasWeight() const { return weight.has_value() || !keptWeight.isEmpty(); }
    bool isEmpty() const
    {
        return !time && !hasWeight() && !bmiTenths && keptBmi.isEmpty() && memo.isEmpty();
    }
    bool operator==(const Weighing&) const = default;
};

// One calendar day of the diary: its date (the key) and the morning (slot 0, "(1) Morning") and
// night (slot 1, "(2) Night") weighings.
struct DayRecord {
    QDate date;
    std::array<Weighing, 2> slot;

    // The day's number counted from 1899-12-30, by which records sort and are looked up.
    qint64 dayNumber() const { return date.isValid() ? date.toJulianDay() - kJulianDayOfZero : 0; }

    bool operator==(const DayRecord&) const = default;

private:
    static constexpr qint64 kJulianDayOfZero = 2415019; // 1899-12-30
};

} // namespace tarvel
