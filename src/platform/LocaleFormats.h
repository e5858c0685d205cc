#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

class QLocale;

namespace tarvel {

// A value read by ParseDateTimeText: a date (at midnight), or a time of day on the zero date
// 1899-12-30, or both. hasDate tells a text that named a date from a time alone, since the date
// 1899-12-30 itself reads as the zero date too.
struct DateTimeValue {
    QDate date;
    QTime time;
    bool hasDate = false;
};

// The day number of a date: days counted from 1899-12-30, which is day 0. Records sort by it.
qint64 DayNumber(const QDate& date);
QDate DateFromDayNumber(qint64 day);

// The user's date, time and number conventions, found once at start-up, with the six format texts
// built from them and the routines that read and write dates, times and numbers by them.
//
// Format texts use "yyyy", "mm", "dd", "m", "d", "hh", "h", "nn"; a "/" stands for the locale's
// date separator (the first "/" for DateSep1, any later one for DateSep2) and ":" for TimeSep.
class LocaleFormats {
public:
    // Year-month-day with "/", ":" and ".": the conventions for a locale without numeric dates.
    LocaleFormats();

    // Reads the part order and separators of the locale's short date, the time separator of its
    // short time and its decimal point, then builds the format texts.
    static LocaleFormats ProbeLocale(const QLocale& locale);

    int YearPos = 1;
    int MonthPos = 2;
    int DayPos = 3;
    QChar DateSep1 = QLatin1Char('/');
    QChar DateSep2 = QLatin1Char('/');
    QChar TimeSep = QLatin1Char(':');
    QChar DecimalSep = QLatin1Char('.');

    QString DateFormat;       // record key, e.g. yyyy/mm/dd
    QString ShortDateFormat;  // date shown, e.g. yyyy/m/d
    QString MonthStartFormat; // first of a month, e.g. yyyy/m/1
    QString MonthDayFormat;   // graph labels, e.g. m/d
    QString TimeFormat;       // time stored, hh:nn
    QString ShortTimeFormat;  // time shown, h:nn

    // Rebuilds the six format texts from the facts above.
    void BuildFormats();

    // Reads a date typed in the locale's order, or a time of day; nothing when the text is no
    // valid date or time.
    std::optional<DateTimeValue> ParseDateTimeText(QStringView text) const;
    // The date that ParseDateTimeText reads, or nothing when the text is no date.
    std::optional<QDate> ParseDate(QStringView text) const;
    // The one reading of a date a person typed: the three parts in the locale's order and separators,
    // digits only, the year with four digits, month and day with one or two, blanks around allowed.
    // Moving the page to a typed date, saving a page and every question that saves use it, so a
    // date the page did not move to is never the date a page is stored under. Dates read from files
    // take the wider ParseDate.
    std::optional<QDate> ReadTypedDate(QStringView text) const;

    QString FormatDate(const QDate& date, QStringView pattern) const;
    QString FormatTime(const QTime& time, QStringView pattern) const;
    QString FormatDateTime(const QDate& date, const QTime& time, QStringView pattern) const;
    // FormatDateTime into a buffer, for writers that build long texts; returns the count of
    // characters written (a pattern of n characters needs at most 4n + 12).
    qsizetype LayoutDateTime(char16_t* out, qsizetype capacity, const QDate& date, const QTime& time,
                             QStringView pattern) const;

    // The date as DateFormat lays it out and the time as TimeFormat does, written into a buffer of at
    // least 16 characters without reading a pattern; returns the count. Writers of many records
    // use these.
    qsizetype LayoutDateKey(char16_t* out, const QDate& date) const;
    qsizetype LayoutStoredTime(char16_t* out, int hour, int minute) const;

    // Reads a time written as one or two digits, TimeSep and one or two digits ("7:30", "07:30"),
    // the way times are stored; false for any other text. The values are not range-checked.
    bool ReadPlainTime(QStringView text, int& hour, int& minute) const;

    // Numbers shown on screen, written and read with DecimalSep.
    QString FormatNumber(double value, QStringView pattern) const;
    std::optional<double> ParseNumber(QStringView text) const;
    double LeadingNumber(QStringView text) const;

private:
    std::optional<QDate> ReadDateFields(QStringView text, QChar sep1, QChar sep2) const;
    std::optional<QTime> ReadTimeFields(QStringView text, QChar sep) const;
    std::optional<DateTimeValue> LenientRead(QStringView text) const;
};

} // namespace tarvel
