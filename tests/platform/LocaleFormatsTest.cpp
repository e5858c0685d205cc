#include "platform/LocaleFormats.h"

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

using tarvel::LocaleFormats;

namespace {

LocaleFormats Probe(const char* name)
{
    return LocaleFormats::ProbeLocale(QLocale(QString::fromLatin1(name)));
}

TEST(LocaleFormats, FactsFormatsAndDatesWrittenReadBack)
{
    const struct {
        const char* name;
        const char* facts;        // year, month, day positions; DateSep1, DateSep2, TimeSep, DecimalSep
        const char* formats;      // Date-, ShortDate-, MonthStart-, MonthDay-, Time-, ShortTimeFormat
        const char* fifthOfMarch; // 2024-03-05 in DateFormat
    } cases[] = {
        // clang-format off
        {"ja_JP", "123 //:.", "yyyy/mm/dd yyyy/m/d yyyy/m/1 m/d hh:nn h:nn", "2024/03/05"},
        {"de_DE", "321 ..:,", "dd/mm/yyyy d/m/yyyy 1/m/yyyy d/m hh:nn h:nn", "05.03.2024"},
        {"en_US", "312 //:.", "mm/dd/yyyy m/d/yyyy m/1/yyyy m/d hh:nn h:nn", "03/05/2024"},
        {"sv_SE", "123 --:,", "yyyy/mm/dd yyyy/m/d yyyy/m/1 m/d hh:nn h:nn", "2024-03-05"},
        // C writes dates with month names; it gets year-month-day with "/", ":" and ".".
        {"C",     "123 //:.", "yyyy/mm/dd yyyy/m/d yyyy/m/1 m/d hh:nn h:nn", "2024/03/05"},
        // Finnish writes times with "."; Arabic puts an invisible right-to-left mark before each "/".
        {"fi_FI", "321 ...,", "dd/mm/yyyy d/m/yyyy 1/m/yyyy d/m hh.nn h.nn", "05.03.2024"},
        {"ar_EG", "321 //:\u066B", "dd/mm/yyyy d/m/yyyy 1/m/yyyy d/m hh:nn h:nn", "05/03/2024"},
        // clang-format on
    };
    const QDate fifth(2024, 3, 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LocaleFormats f = Probe(c.name);
        const QString facts = QString::number(f.YearPos * 100 + f.MonthPos * 10 + f.DayPos) +
                              QLatin1Char(' ') + f.DateSep1 + f.DateSep2 + f.TimeSep + f.DecimalSep;
        EXPECT_EQ(facts, QString::fromUtf8(c.facts));
        EXPECT_EQ(QStringList({f.DateFormat, f.ShortDateFormat, f.MonthStartFormat, f.MonthDayFormat,
                               f.TimeFormat, f.ShortTimeFormat})
                      .join(QLatin1Char(' ')),
                  QLatin1String(c.formats));
        EXPECT_EQ(f.FormatDate(fifth, f.DateFormat), QLatin1String(c.fifthOfMarch));
        for (const QString& text :
             {f.FormatDate(fifth, f.DateFormat), f.FormatDate(fifth, f.ShortDateFormat)})
            EXPECT_EQ(f.ParseDate(text), fifth) << text.toStdString();
        const auto time = f.ParseDateTimeText(f.FormatTime(QTime(7, 5), f.TimeFormat));
        EXPECT_TRUE(time && time->time == QTime(7, 5) && !time->hasDate);
        // The pattern-free layouts the diary writer uses agree with the formats.
        char16_t buffer[16];
        for (const QDate& day : {fifth, QDate(1999, 12, 31), QDate(205, 1, 1)})
            EXPECT_EQ(QStringView(buffer, f.LayoutDateKey(buffer, day)), f.FormatDate(day, f.DateFormat));
        for (const QTime& t : {QTime(0, 0), QTime(23, 59)})
            EXPECT_EQ(QStringView(buffer, f.LayoutStoredTime(buffer, t.hour(), t.minute())),
                      f.FormatTime(t, f.TimeFormat));
    }
}

// What a person types into a date or time field: the locale's order and separator, or year first
// as another locale wrote it; a time alone reads on the zero date.
TEST(LocaleFormats, TypedDatesAndTimes)
{
    const struct {
        const char *locale, *text, *read; // read: "yyyy-mm-dd hh:mm", "" when refused
    } cases[] = {
        // clang-format off
        {"ja_JP", "2024/3/5", "2024-03-05 00:00"}, {"ja_JP", "2024/2/29", "2024-02-29 00:00"},
        {"ja_JP", "2024/2/30", ""}, {"ja_JP", "2023/2/29", ""}, {"ja_JP", "2024/4/31", ""},
        {"ja_JP", "2024/3/0", ""}, {"ja_JP", "2024/13/1", ""}, {"ja_JP", "2024/3", ""}, {"ja_JP", "", ""},
        {"ja_JP", "abc", ""},
        {"ja_JP", "29/3/5", "2029-03-05 00:00"}, {"ja_JP", "30/3/5", "1930-03-05 00:00"}, // 1930..2029
        {"ja_JP", "2024/3/5x", "2024-03-05 00:00"}, // each field is its leading number
        {"ja_JP", "7:5", "1899-12-30 07:05"}, {"ja_JP", "23:59", "1899-12-30 23:59"},
        {"ja_JP", "25:00", ""}, {"ja_JP", "12:60", ""}, {"ja_JP", "-1:30", ""},
        {"ja_JP", "2024/03/05 07:30", "2024-03-05 07:30"},
        {"ja_JP", "2024-03-05", "2024-03-05 00:00"}, {"ja_JP", "2024.03.05", "2024-03-05 00:00"},
        {"de_DE", "5.3.2024", "2024-03-05 00:00"}, {"de_DE", "31.4.2024", ""}, {"de_DE", "5.3", ""},
        {"de_DE", "7:30", "1899-12-30 07:30"}, {"de_DE", "2024/03/05", "2024-03-05 00:00"},
        {"de_DE", "3/5/2024", ""}, // neither year first nor the locale's separator
        {"en_US", "3/5/2024", "2024-03-05 00:00"}, {"en_US", "12/31/1999", "1999-12-31 00:00"},
        {"en_US", "31/12/1999", ""}, {"en_US", "2004/5/6", "2004-05-06 00:00"}, {"en_US", "24/3/5", ""},
        {"fi_FI", "5.3.2024", "2024-03-05 00:00"}, {"fi_FI", "7.30", "1899-12-30 07:30"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const auto value = Probe(c.locale).ParseDateTimeText(QString::fromUtf8(c.text));
        const QString read =
            value ? value->date.toString(u"yyyy-MM-dd ") + value->time.toString(u"hh:mm") : QString();
        EXPECT_EQ(read, QLatin1String(c.read)) << c.locale << " '" << c.text << "'";
    }
    // The one reading of a date typed on the page: complete, in the locale's order and separators.
    const struct {
        const char *locale, *text;
        bool read; // as 2024-05-07
    } typed[] = {
        // clang-format off
        {"en_US", "5/7/2024", true}, {"en_US", " 05/07/2024 ", true}, {"en_US", "5/7/24", false},
        {"en_US", "5/7/202", false}, {"en_US", "2024-05-07", false}, {"en_US", "5/7/2024x", false},
        {"en_US", "5/0/2024", false}, {"de_DE", "7.5.2024", true}, {"de_DE", "7.5.24", false},
        {"de_DE", "7.5.", false}, {"ja_JP", "2024/5/7", true}, {"ja_JP", "0024/5/7", false},
        // clang-format on
    };
    for (const auto& c : typed) {
        EXPECT_EQ(Probe(c.locale).ReadTypedDate(QString::fromUtf8(c.text)),
                  c.read ? std::optional<QDate>(QDate(2024, 5, 7)) : std::nullopt)
            << c.locale << " '" << c.text << "'";
    }
}

} // namespace
