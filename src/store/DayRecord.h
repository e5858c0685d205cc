#pragma once

#include <QString>

#include <array>

namespace tarvel {

// One weighing of a day: time of day, weight in kg, BMI and memo, all as texts in the user's locale.
// A memo holds its line breaks as the marker "[CRLF]".
struct Measurement {
    QString Time;
    QString Weight;
    QString Bmi;
    QString Memo;

    bool IsEmpty() const { return Time.isEmpty() && Weight.isEmpty() && Bmi.isEmpty() && Memo.isEmpty(); }
    bool operator==(const Measurement&) const = default;
};

// One calendar day of the diary: the date text (the key), the morning (slot 0, "(1) Morning") and
// night (slot 1, "(2) Night") weighings, and the date's day number, by which records sort.
struct DayRecord {
    QString Date;
    std::array<Measurement, 2> Slot;
    qint64 DayNumber = 0;

    // The sort key as a text: the day number in decimal digits.
    QString SortKey() const { return QString::number(DayNumber); }

    // Columns by number as the list and the file lay them out: 0 date, 1..4 slot one (time,
    // weight, BMI, memo), 5..8 slot two, 9 sort key.
    QString Column(int column) const;

    bool operator==(const DayRecord&) const = default;
};

} // namespace tarvel
