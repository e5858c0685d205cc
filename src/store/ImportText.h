#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace tarvel {

class LocaleFormats;

// The pieces every imported layout is cut into: fields of a text table and the date and time texts
// of its rows.

// A row of fields and the line of the file it starts on (from 1).
struct TextRow {
    QStringList fields;
    int line = 0;
};

// How a table's fields are separated; Blanks is a run of spaces or tabs.
enum class FieldSeparator { Comma, Semicolon, Tab, Blanks };

// The fields of one line; quotes as in SplitTextRows.
QStringList SplitFields(QStringView line, FieldSeparator sep);

// Rows of the text from the line `firstLine` (counted from 1) on: RFC 4180 quoting (a quoted field may
// hold separators, line breaks and doubled quotes), CR LF or LF. Blank lines and lines starting with
// "#" give no row.
std::vector<TextRow> SplitTextRows(QStringView text, FieldSeparator sep, int firstLine);

// A point in time as a file writes it, turned into the diary's local date and time.
struct LocalTime {
    QDate date;
    QTime time; // 00:00 when the text held no time
    bool hasTime = false;
};

// A date alone: ISO ("2024-05-06"), with the month's English name (" Jul 15, 2026", "21 Sep 2023"), or
// in the order `dates` reads (the file's own order, found as the diary reader finds it).
std::optional<QDate> ReadImportDate(QStringView text, const LocaleFormats& dates);

// A time of day with an optional offset: "7:30", "07:12:45.318", "9:46 AM", "07:30:00+02",
// "08:00:00 -0500", "17:53:00.000Z". The offset in seconds east of UTC, when one is written.
struct TimeOfDay {
    QTime time;
    std::optional<int> offsetSeconds;
};
std::optional<TimeOfDay> ReadTimeOfDay(QStringView text);

// An offset alone: "Z", "+02", "+02:00", "-0500", "UTC+0300", "GMT-05:00"; seconds east of UTC.
std::optional<int> ReadUtcOffset(QStringView text);

// A date and time in one text ("2024-05-06T07:30:00+02", "06.05.2024 07:30", "2024-03-01 08:00:00
// -0500") or in two (dateText, timeText); the time may be missing. A time with an offset is moved into
// `local`; utcWhenPlain treats a time without one as UTC (a file that keeps its offsets in another
// column).
std::optional<LocalTime> ReadImportDateTime(QStringView dateText, QStringView timeText,
                                            const LocaleFormats& dates, const QTimeZone& local,
                                            bool utcWhenPlain = false);

// The date part of a date-time text, to find the file's date order from.
QStringView DatePartOf(QStringView text);

} // namespace tarvel
