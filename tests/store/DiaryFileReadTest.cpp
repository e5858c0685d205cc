#include "DiaryFixture.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::ReadBytes;
using tarvel::testing::TestDataPath;

namespace {

const QByteArray kHeader = "Sample,170.0,1,,,,,,,,,,,\r\n";
const QByteArray kGoodLine = "2004/05/01,,,,good,,,,\r\n";
const QString kOneDropped = QStringLiteral("Lines that cannot be read: 1\r\nThey will be left out when the file is saved. (icon 3)");

// Columns 1..8 of a record joined with "|".
QString Slots(const DayRecord& record)
{
    QStringList columns;
    for (int c = 1; c <= 8; ++c)
        columns << record.Column(c);
    return columns.join(QLatin1Char('|'));
}

TEST(ReadDiaryFile, HeaderFieldsAndPlaceholders)
{
    const struct {
        const char* header;
        const char* locale;
        const char* name;
        const char* height;
        int sex;
    } cases[] = {
        {"Sample,170.0,1,,,,,,,,,,,", "ja_JP", "Sample", "170.0", 1},
        {"Sample,170.0,1,,,,,,,,,,,", "de_DE", "Sample", "170,0", 1},
        {"-----,-----,-,,,,,,,,,,,,", "ja_JP", "", "", 0}, // the empty diary line
        {"-----,-----,2", "ja_JP", "", "", 2},
        {"Anna,,2,", "ja_JP", "Anna", "", 2},
        {"Anna,165.5,abc", "ja_JP", "Anna", "165.5", 0},
        {"Anna,165.5,2.6", "ja_JP", "Anna", "165.5", 3},
        {"Wide,170.0,1,,,,,,,,,,,,,,,,,,,,,,,,,", "ja_JP", "Wide", "170.0", 1},
        {"x,y", "ja_JP", "Before", "180", 2}, // fewer than three fields: the owner stays
    };
    for (const auto& c : cases) {
        DiaryFixture f(c.locale);
        f.diary.Owner = {QStringLiteral("Before"), QStringLiteral("180"), 2};
        ASSERT_TRUE(f.Read(QByteArray(c.header) + "\r\n2004/05/06,,,,,,,,\r\n"));
        EXPECT_EQ(f.diary.Owner, (Profile{QString::fromLatin1(c.name), QString::fromLatin1(c.height), c.sex}))
            << c.header;
        EXPECT_EQ(f.Said(), QString()) << c.header;
    }
}

// Each line follows a readable day, so the file is a diary whatever the line gives.
TEST(ReadDiaryFile, RecordLinesAcceptedAndRejected)
{
    const struct {
        QByteArray line;
        const char* slots; // columns 1..8 joined with "|", or nullptr when the line is dropped
    } cases[] = {
        {"2004/05/06,07:30,065.40,22.6,after the run,21:10,066.10,22.9,",
         "07:30|65.40|22.6|after the run|21:10|66.10|22.9|"},
        {"2004/05/06,,,,,,,,", "|||||||"},                            // date only
        {"2004/5/6,,,,", "|||||||"},                                  // four fields: slots missing
        {"2004/05/06,07:30,065.40,22.6,m", "07:30|65.40|22.6|m||||"}, // second slot missing
        {"2004/05/06,,065.40,22.6,,,,,", nullptr},                    // a weight without a time
        {"2004/05/06,,000.00,00.0,,,,,", "|0|0|||||"},                // zero weight needs no time
        {"2004/05/06,-----,,,memo,,,,", "|||memo||||"},               // time placeholder
        {"2004/05/06,25:00,065.40,,,,,,", nullptr},                   // unreadable time with a weight
        {"2004/05/06,25:00,,,memo,,,,", "|||memo||||"},               // unreadable time alone is dropped
        {"2004/05/06,7:5,65.4,8.5,,,,,", "7:5|65.40|8.5|||||"},       // time text kept as written
        {"2004/05/06,07.30,065.40,,,,,,", "07:30|65.40||||||"},       // a time written with "."
        {"2004/05/06,07:30,abc,xyz,,,,,", "07:30|abc|xyz|||||"},      // no number: kept as it is
        {"2004/05/06,07:30,065.40,22.6,m,21:10,066.10,22.9,n,x,x,x,x,x,x,x,x,x", // 18 fields
         "07:30|65.40|22.6|m|21:10|66.10|22.9|n"},
        {"2004/05/06,07:30,065.40,22.6,a[CRLF]b[COMMA] c,,,,", "07:30|65.40|22.6|a[CRLF]b, c||||"},
        {QByteArray("2004/05/06,07:30,065.40,22.6,a\0b,,,,", 35), "07:30|65.40|22.6|a\\0b||||"},
        {"1899/12/30,,,,,,,,", "|||||||"}, // day 0, which a time alone also reads as
        {"----------,07:30,065.40,22.6,,,,,", nullptr},
        {"2004/02/30,07:30,065.40,22.6,,,,,", nullptr},
        {"07:30,07:30,065.40,22.6,,,,,", nullptr}, // a time is no date
        {"2004/05/06", nullptr},                   // one field holds no date
        {",07:30,065.40,22.6,,,,,", nullptr},
        {"", nullptr},
        {"  \t", nullptr},
    };
    for (const auto& c : cases) {
        DiaryFixture f;
        const std::string name = c.line.toPercentEncoding().toStdString();
        ASSERT_TRUE(f.Read(kHeader + kGoodLine + c.line + "\r\n")) << name;
        const bool blank = c.line.trimmed().isEmpty();
        ASSERT_EQ(f.diary.Records.Count(), c.slots ? 2 : 1) << name;
        EXPECT_EQ(f.Said(), c.slots || blank ? QString() : kOneDropped) << name;
        if (c.slots) {
            const int other = f.diary.Records.Item(1).Slot[0].Memo == QLatin1String("good") ? 2 : 1;
            EXPECT_EQ(Slots(f.diary.Records.Item(other)).replace(QChar(0), QStringLiteral("\\0")),
                      QString::fromUtf8(c.slots))
                << name;
        }
    }
}

// A file is written in one date order throughout and is read in that order, whatever the locale;
// only a file whose every day could be a month is read in the locale's order.
TEST(ReadDiaryFile, DatesInTheFilesOwnOrder)
{
    const QDate nov30(2026, 11, 30), mar4(2026, 3, 4), apr3(2026, 4, 3);
    const struct {
        const char* what;
        const char* first;
        const char* second;
        QDate en, de, ja, c; // the first line's date under en_US, de_DE, ja_JP and C
    } cases[] = {
        {"day first with .", "30.11.2026", "01.12.2026", nov30, nov30, nov30, nov30},
        {"month first with /", "11/30/2026", "12/01/2026", nov30, nov30, nov30, nov30},
        {"day first with /", "30/11/2026", "01/12/2026", nov30, nov30, nov30, nov30},
        {"year first with -", "2026-11-30", "2026-12-01", nov30, nov30, nov30, nov30},
        {"ambiguous with /", "03/04/2026", "03/05/2026", mar4, apr3, apr3, apr3},
        {"ambiguous with .", "03.04.2026", "04.04.2026", apr3, apr3, apr3, apr3},
    };
    for (const char* locale : {"en_US", "de_DE", "ja_JP", "C"}) {
        for (const auto& c : cases) {
            const QDate first = locale[0] == 'e' ? c.en : locale[0] == 'd' ? c.de : locale[0] == 'j' ? c.ja : c.c;
            SCOPED_TRACE(std::string(c.what) + " under " + locale);
            DiaryFixture f(locale);
            ASSERT_TRUE(f.Read(kHeader + c.first + ",07:30,065.40,22.6,,,,,\r\n" + c.second + ",,,,x,,,,\r\n"));
            EXPECT_EQ(f.Said(), QString());
            ASSERT_EQ(f.diary.Records.Count(), 2);
            const qint64 firstDay = f.diary.Records.Item(f.diary.Records.Item(1).Slot[0].Weight.isEmpty() ? 2 : 1).DayNumber;
            EXPECT_EQ(DateFromDayNumber(firstDay), first);
            // The record keeps its date in the layout the rest of the program reads.
            for (int p = 1; p <= 2; ++p)
                EXPECT_EQ(f.formats.ParseDate(f.diary.Records.Item(p).Date),
                          DateFromDayNumber(f.diary.Records.Item(p).DayNumber));
        }
    }
}

// What a read leaves: the diary read, or (refused) the diary as it was, and what the user is told.
TEST(ReadDiaryFile, FilesReadOrRefused)
{
    std::mt19937 random(20261206);
    QByteArray binary(4096, '\0');
    for (char& byte : binary)
        byte = static_cast<char>(random() & 0xFF);
    const QString notADiary = QStringLiteral("This file is not a Tarvel diary. (icon 3)");
    const struct {
        const char* what;
        QByteArray bytes; // null: the path names a folder
        bool read;
        int records;
        QString said;
    } cases[] = {
        {"empty diary line", "-----,-----,-,,,,,,,,,,,,\r\n", true, 0, {}},
        {"no bytes", "", true, 0, {}},
        {"a blank line", "\r\n", true, 0, {}},
        {"header only", kHeader, true, 0, {}},
        {"LF line ends, no last line end", "Sample,170.0,1\n2004/05/06,,,,a,,,,\n2004/05/07,,,,x", true, 2, {}},
        {"two lines dropped", kHeader + kGoodLine + "x,1\r\n2004/05/06,,065.40,,,,,,\r\n", true, 1,
         QStringLiteral("Lines that cannot be read: 2\r\nThey will be left out when the file is saved. (icon 3)")},
        {"random bytes", binary, false, 0, notADiary},
        {"a text", "Dear diary,\r\ntoday I weighed myself.\r\n", false, 0, notADiary},
        {"a table", "a,b,c\r\n1,2,3\r\n", false, 0, notADiary},
        {"only damaged lines", kHeader + "2004/05/06,,065.40,,,,,,\r\n", false, 0, notADiary},
        {"a folder", QByteArray(), false, 0, QStringLiteral("Data file cannot be opened. (icon 3)")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DiaryFixture f;
        ASSERT_TRUE(f.Read(kHeader + "2004/05/06,07:30,065.40,22.6,,,,,\r\n"));
        const GraphPeriod before = f.period;
        if (c.bytes.isNull()) {
            f.diary.DiaryPath = f.folder.Path();
            EXPECT_FALSE(f.file.ReadDiaryFile(f.diary, f.period, 1));
        } else {
            EXPECT_EQ(f.Read(c.bytes), c.read);
        }
        EXPECT_EQ(f.Said(), c.said);
        EXPECT_EQ(f.diary.Records.Count(), c.read ? c.records : 1);
        EXPECT_EQ(f.diary.Owner.ProfileName, c.read && c.bytes.startsWith("-----") ? "" : "Sample");
        EXPECT_EQ(f.diary.NewEntryIndex, f.diary.Records.Count() + 1);
        EXPECT_EQ(f.diary.CurrentIndex, std::max(1, f.diary.Records.Count()));
        EXPECT_EQ(f.diary.ListFirst, 1);
        EXPECT_EQ(f.period.PeriodStart, !c.read ? before.PeriodStart
                                        : c.records == 0 ? QDate(2026, 12, 1) // today's period
                                                         : QDate(2004, 5, 1));
    }
}

TEST(ReadDiaryFile, StoreOrderListWindowAndPeriod)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(kHeader + "2004/05/08,,,,c,,,,\r\n"
                                 "2004/05/06,,,,a,,,,\r\n"
                                 "2004/05/07,,,,b1,,,,\r\n"
                                 "2004/5/7,,,,b2,,,,\r\n"
                                 "2004/07/20,,065.40,22.6,,,,,\r\n" // dropped, yet sets the period
                                 "2004/05/10,,,,d,,,,\r\n"
                                 "2004/05/11,,,,e,,,,\r\n"));
    ASSERT_EQ(f.diary.Records.Count(), 6);
    QStringList memos;
    for (int p = 1; p <= 6; ++p)
        memos << f.diary.Records.Item(p).Slot[0].Memo;
    EXPECT_EQ(memos.join(QLatin1Char(' ')), QStringLiteral("a b1 b2 c d e"));
    EXPECT_EQ(f.diary.Records.Item(3).Date, QStringLiteral("2004/5/7")); // as written
    EXPECT_EQ(f.diary.CurrentIndex, 6);
    EXPECT_EQ(f.diary.ListLast, 7);
    EXPECT_EQ(f.diary.ListFirst, 3);
    EXPECT_EQ(f.period.PeriodStart, QDate(2004, 7, 1));
    EXPECT_EQ(f.period.PeriodEnd, QDate(2004, 7, 31));

    DiaryFixture three;
    ASSERT_TRUE(three.Read(kHeader + "2004/02/10,,,,,,,,\r\n", 3));
    EXPECT_EQ(three.period.PeriodStart, QDate(2003, 12, 1));
    EXPECT_EQ(three.period.PeriodEnd, QDate(2004, 2, 29));
}

TEST(ReadDiaryFile, EncodingsAndDecimalSeparator)
{
    DiaryFixture utf8("de_DE");
    ASSERT_TRUE(utf8.Read("\xEF\xBB\xBFJos\xC3\xA9,170.0,1,,,,,,,,,,,\r\n"
                          "06.05.2004,07:30,065.40,22.6,caf\xC3\xA9 \xE2\x82\xAC,21:10,066.10,08.5,\r\n"));
    EXPECT_EQ(utf8.diary.Owner.ProfileName, QStringLiteral("Jos\u00E9"));
    EXPECT_EQ(Slots(utf8.diary.Records.Item(1)), QStringLiteral("07:30|65,40|22,6|caf\u00E9 \u20AC|21:10|66,10|8,5|"));

    // Bytes that are no UTF-8 are Windows-1252, as older single-byte diaries were written.
    DiaryFixture legacy;
    ASSERT_TRUE(legacy.Read(ReadBytes(TestDataPath(QStringLiteral("windows-1252.ov1")))));
    EXPECT_EQ(legacy.diary.Owner.ProfileName, QStringLiteral("Jos\u00E9 M\u00FCller"));
    ASSERT_EQ(legacy.diary.Records.Count(), 1);
    EXPECT_EQ(legacy.diary.Records.Item(1).Slot[0].Memo, QStringLiteral("\u20AC 5 f\u00FCr Caf\u00E9 \u2013 gut"));
}

} // namespace
