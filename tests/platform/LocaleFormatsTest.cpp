#include "platform/LocaleFormats.h"

#include <QLocale>

#include <gtest/gtest.h>

using tarvel::LocaleFormats;

namespace {

struct LocaleCase {
    const char* name;
    int yearPos, monthPos, dayPos;
    char16_t dateSep1, dateSep2, timeSep, decimalSep;
    const char* dateFormat;
    const char* shortDateFormat;
    const char* monthStartFormat;
    const char* monthDayFormat;
    const char* timeFormat;
    const char* shortTimeFormat;
    const char* fifthOfMarch; // 2024-03-05 in DateFormat
    const char* composed;     // ComposeDateText(2024, 3, 5)
};

const LocaleCase kLocales[] = {
    {"ja_JP", 1, 2, 3, u'/', u'/', u':', u'.', "yyyy/mm/dd", "yyyy/m/d", "yyyy/m/1", "m/d", "hh:nn", "h:nn",
     "2024/03/05", "2024/3/5"},
    {"de_DE", 3, 2, 1, u'.', u'.', u':', u',', "dd/mm/yyyy", "d/m/yyyy", "1/m/yyyy", "d/m", "hh:nn", "h:nn",
     "05.03.2024", "5.3.2024"},
    {"en_US", 3, 1, 2, u'/', u'/', u':', u'.', "mm/dd/yyyy", "m/d/yyyy", "m/1/yyyy", "m/d", "hh:nn", "h:nn",
     "03/05/2024", "3/5/2024"},
    {"sv_SE", 1, 2, 3, u'-', u'-', u':', u',', "yyyy/mm/dd", "yyyy/m/d", "yyyy/m/1", "m/d", "hh:nn", "h:nn",
     "2024-03-05", "2024-3-5"},
    // The C locale writes dates with month names; it gets year-month-day with "/", ":" and ".".
    {"C", 1, 2, 3, u'/', u'/', u':', u'.', "yyyy/mm/dd", "yyyy/m/d", "yyyy/m/1", "m/d", "hh:nn", "h:nn",
     "2024/03/05", "2024/3/5"},
    // Finnish writes times with "." too.
    {"fi_FI", 3, 2, 1, u'.', u'.', u'.', u',', "dd/mm/yyyy", "d/m/yyyy", "1/m/yyyy", "d/m", "hh.nn", "h.nn",
     "05.03.2024", "5.3.2024"},
    // Arabic puts an invisible right-to-left mark before each "/".
    {"ar_EG", 3, 2, 1, u'/', u'/', u':', u'\u066B', "dd/mm/yyyy", "d/m/yyyy", "1/m/yyyy", "d/m", "hh:nn",
     "h:nn", "05/03/2024", "5/3/2024"},
};

void PrintTo(const LocaleCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProbedLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(ProbedLocale, FactsFormatsAndComposedDates)
{
    const LocaleCase& c = GetParam();
    const LocaleFormats f = LocaleFormats::ProbeLocale(QLocale(QString::fromLatin1(c.name)));
    EXPECT_EQ(f.YearPos, c.yearPos);
    EXPECT_EQ(f.MonthPos, c.monthPos);
    EXPECT_EQ(f.DayPos, c.dayPos);
    EXPECT_EQ(f.DateSep1, QChar(c.dateSep1));
    EXPECT_EQ(f.DateSep2, QChar(c.dateSep2));
    EXPECT_EQ(f.TimeSep, QChar(c.timeSep));
    EXPECT_EQ(f.DecimalSep, QChar(c.decimalSep));
    EXPECT_EQ(f.DateFormat, QLatin1String(c.dateFormat));
    EXPECT_EQ(f.ShortDateFormat, QLatin1String(c.shortDateFormat));
    EXPECT_EQ(f.MonthStartFormat, QLatin1String(c.monthStartFormat));
    EXPECT_EQ(f.MonthDayFormat, QLatin1String(c.monthDayFormat));
    EXPECT_EQ(f.TimeFormat, QLatin1String(c.timeFormat));
    EXPECT_EQ(f.ShortTimeFormat, QLatin1String(c.shortTimeFormat));

    const QDate fifth(2024, 3, 5);
    EXPECT_EQ(f.FormatDate(fifth, f.DateFormat), QLatin1String(c.fifthOfMarch));
    EXPECT_EQ(f.ComposeDateText(2024, 3, 5), QLatin1String(c.composed));

    // Whatever the locale writes, it reads back: the key, the composed text and the short date.
    for (const QString& text : {f.FormatDate(fifth, f.DateFormat), f.ComposeDateText(2024, 3, 5),
                                f.FormatDate(fifth, f.ShortDateFormat)}) {
        const auto value = f.ParseDateTimeText(text);
        ASSERT_TRUE(value.has_value()) << text.toStdString();
        EXPECT_EQ(value->date, fifth) << text.toStdString();
    }
    // The pattern-free layouts the diary writer uses agree with the formats.
    char16_t buffer[16];
    for (const QDate& day : {fifth, QDate(1999, 12, 31), QDate(205, 1, 1)}) {
        const qsizetype n = f.LayoutDateKey(buffer, day);
        EXPECT_EQ(QStringView(buffer, n), f.FormatDate(day, f.DateFormat));
    }
    for (const QTime& t : {QTime(0, 0), QTime(7, 5), QTime(23, 59)}) {
        const qsizetype n = f.LayoutStoredTime(buffer, t.hour(), t.minute());
        EXPECT_EQ(QStringView(buffer, n), f.FormatTime(t, f.TimeFormat));
    }

    const auto time = f.ParseDateTimeText(f.FormatTime(QTime(7, 5), f.TimeFormat));
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(time->time, QTime(7, 5));
    EXPECT_EQ(time->date, QDate(1899, 12, 30));
}

INSTANTIATE_TEST_SUITE_P(Locales, ProbedLocale, ::testing::ValuesIn(kLocales),
                         [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* text;
    QDate date; // null for a time or a failure
    QTime time; // null for a date or a failure
};

void ExpectParses(const LocaleFormats& f, const ParseCase& c)
{
    const auto value = f.ParseDateTimeText(QString::fromUtf8(c.text));
    if (c.date.isNull() && c.time.isNull()) {
        EXPECT_FALSE(value.has_value()) << "'" << c.text << "' should fail";
        return;
    }
    ASSERT_TRUE(value.has_value()) << "'" << c.text << "' should read";
    EXPECT_EQ(value->date, c.date.isNull() ? QDate(1899, 12, 30) : c.date) << c.text;
    EXPECT_EQ(value->time, c.time.isNull() ? QTime(0, 0) : c.time) << c.text;
}

TEST(ParseDateTimeText, YearFirstWithSlashAndColon)
{
    const LocaleFormats f = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP")));
    const ParseCase cases[] = {
        {"2024/3/5", QDate(2024, 3, 5), {}},
        {"2024/03/05", QDate(2024, 3, 5), {}},
        {"2024/2/29", QDate(2024, 2, 29), {}},
        {"2024/2/30", {}, {}},
        {"2023/2/29", {}, {}},
        {"2024/4/31", {}, {}},
        {"2024/3/0", {}, {}},
        {"2024/13/1", {}, {}},
        {"2024/3", {}, {}},
        {"24/3/5", QDate(2024, 3, 5), {}}, // two-digit years fall in 1930..2029
        {"95/3/5", QDate(1995, 3, 5), {}},
        {"2024/3/5x", QDate(2024, 3, 5), {}}, // each field is its leading number
        {"7:5", {}, QTime(7, 5)},
        {"07:30", {}, QTime(7, 30)},
        {"0:00", {}, QTime(0, 0)},
        {"23:59", {}, QTime(23, 59)},
        {"25:00", {}, {}},
        {"12:60", {}, {}},
        {"-1:30", {}, {}},
        {"", {}, {}},
        {"abc", {}, {}},
        {"2024/03/05 07:30", QDate(2024, 3, 5), QTime(7, 30)},
        {"2024-03-05", QDate(2024, 3, 5), {}}, // written year first under another locale
        {"2024.03.05", QDate(2024, 3, 5), {}},
    };
    for (const ParseCase& c : cases)
        ExpectParses(f, c);
}

TEST(ParseDateTimeText, DayFirstWithFullStops)
{
    const LocaleFormats f = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    const ParseCase cases[] = {
        {"5.3.2024", QDate(2024, 3, 5), {}},
        {"05.03.2024", QDate(2024, 3, 5), {}},
        {"31.4.2024", {}, {}},
        {"5.3", {}, {}},
        {"7:30", {}, QTime(7, 30)},
        {"2024-03-05", QDate(2024, 3, 5), {}},
        {"2024/03/05", QDate(2024, 3, 5), {}},
        {"3/5/2024", {}, {}}, // not year first and not the locale's separator
    };
    for (const ParseCase& c : cases)
        ExpectParses(f, c);
}

TEST(ParseDateTimeText, MonthFirstAndSameSeparatorForDateAndTime)
{
    const LocaleFormats us = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("en_US")));
    ExpectParses(us, {"3/5/2024", QDate(2024, 3, 5), {}});
    ExpectParses(us, {"12/31/1999", QDate(1999, 12, 31), {}});
    ExpectParses(us, {"31/12/1999", {}, {}});
    ExpectParses(us, {"2004/5/6", QDate(2004, 5, 6), {}}); // year first, as another locale wrote it
    ExpectParses(us, {"24/3/5", {}, {}});

    const LocaleFormats fi = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("fi_FI")));
    ExpectParses(fi, {"5.3.2024", QDate(2024, 3, 5), {}});
    ExpectParses(fi, {"7.30", {}, QTime(7, 30)});
}

TEST(FormatDateTime, PatternsUseTheLocaleSeparators)
{
    const LocaleFormats sv = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("sv_SE")));
    EXPECT_EQ(sv.FormatDateTime(QDate(2004, 5, 6), QTime(7, 3), u"yyyy/mm/dd hh:nn"),
              QStringLiteral("2004-05-06 07:03"));
    EXPECT_EQ(sv.FormatDate(QDate(2004, 5, 6), sv.MonthStartFormat), QStringLiteral("2004-5-1"));
    EXPECT_EQ(sv.FormatDate(QDate(2004, 5, 6), sv.MonthDayFormat), QStringLiteral("5-6"));
    EXPECT_EQ(sv.FormatTime(QTime(7, 3), sv.ShortTimeFormat), QStringLiteral("7:03"));

    const LocaleFormats de = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(de.FormatDate(QDate(2004, 5, 6), de.ShortDateFormat), QStringLiteral("6.5.2004"));
    EXPECT_EQ(de.FormatDate(QDate(2004, 5, 6), de.MonthDayFormat), QStringLiteral("6.5"));
}

TEST(DayNumber, CountsFromTheLastDayOf1899)
{
    EXPECT_EQ(tarvel::DayNumber(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(tarvel::DayNumber(QDate(1900, 1, 1)), 2);
    EXPECT_EQ(tarvel::DayNumber(QDate(2004, 5, 6)), 38113);
    EXPECT_EQ(tarvel::DayNumber(QDate(1899, 12, 1)), -29);
    EXPECT_EQ(tarvel::DateFromDayNumber(38113), QDate(2004, 5, 6));
}

} // namespace
