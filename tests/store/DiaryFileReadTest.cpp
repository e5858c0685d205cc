#include "DiaryFixture.h"

#include "platform/MessageService.h"

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::ReadBytes;
using tarvel::testing::TestDataPath;

namespace {

const QByteArray kHeader = "Sample,170.0,1,,,,,,,,,,,\r\n";

// The slots of the only record, columns 1..8, joined with "|".
QString Slots(const Diary& diary, int position = 1)
{
    QStringList columns;
    for (int c = 1; c <= 8; ++c)
        columns << diary.Records.Item(position).Column(c);
    return columns.join(QLatin1Char('|'));
}

TEST(ReadDiaryFile, EmptyDiariesGiveTheNewEntryPageAndTodaysPeriod)
{
    for (const QByteArray& bytes :
         {QByteArray("-----,-----,-,,,,,,,,,,,,\r\n"), QByteArray(), QByteArray("\r\n")}) {
        DiaryFixture f;
        f.diary.Owner = {QStringLiteral("Before"), QStringLiteral("180"), 2};
        ASSERT_TRUE(f.Read(bytes));
        EXPECT_EQ(f.diary.Records.Count(), 0);
        EXPECT_EQ(f.diary.NewEntryIndex, 1);
        EXPECT_EQ(f.diary.CurrentIndex, 1);
        EXPECT_EQ(f.diary.ListFirst, 1);
        EXPECT_EQ(f.diary.ListLast, 1);
        EXPECT_EQ(f.period.PeriodStart, QDate(2026, 12, 1));
        EXPECT_EQ(f.period.PeriodEnd, QDate(2026, 12, 31));
        if (bytes.startsWith("-----")) {
            EXPECT_EQ(f.diary.Owner, Profile()); // the empty line's placeholders clear the owner
        } else {
            // A header of fewer than three fields leaves the owner as it was.
            EXPECT_EQ(f.diary.Owner.ProfileName, QStringLiteral("Before"));
            EXPECT_EQ(f.diary.Owner.ProfileSex, 2);
        }
    }
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
        {"-----,-----,2", "ja_JP", "", "", 2},
        {"Anna,,2,", "ja_JP", "Anna", "", 2},
        {"Anna,165.5,abc", "ja_JP", "Anna", "165.5", 0},
        {"Anna,165.5,2.6", "ja_JP", "Anna", "165.5", 3},
        {",,", "ja_JP", "", "", 0},
    };
    for (const auto& c : cases) {
        DiaryFixture f(c.locale);
        ASSERT_TRUE(f.Read(QByteArray(c.header) + "\r\n"));
        EXPECT_EQ(f.diary.Owner.ProfileName, QString::fromLatin1(c.name)) << c.header;
        EXPECT_EQ(f.diary.Owner.ProfileHeight, QString::fromLatin1(c.height)) << c.header;
        EXPECT_EQ(f.diary.Owner.ProfileSex, c.sex) << c.header;
    }
}

TEST(ReadDiaryFile, RecordLinesAcceptedAndRejected)
{
    const struct {
        const char* line;
        const char* slots; // columns 1..8 joined with "|", or nullptr when the line is rejected
    } cases[] = {
        {"2004/05/06,07:30,065.40,22.6,after the run,21:10,066.10,22.9,",
         "07:30|65.40|22.6|after the run|21:10|66.10|22.9|"},
        {"2004/05/06,,,,,,,,", "|||||||"},                            // date only
        {"2004/5/6,,,,", "|||||||"},                                  // four fields: slots missing
        {"2004/05/06,07:30,065.40,22.6,m", "07:30|65.40|22.6|m||||"}, // second slot missing
        {"2004/05/06,,065.40,22.6,,,,,", nullptr},                    // a weight without a time
        {"2004/05/06,,0,,,,,,", "|0||||||"},                          // zero weight needs no time
        {"2004/05/06,,000.00,00.0,,,,,", "|0|0|||||"},
        {"2004/05/06,-----,,,memo,,,,", "|||memo||||"},          // time placeholder
        {"2004/05/06,25:00,065.40,,,,,,", nullptr},              // unreadable time with a weight
        {"2004/05/06,25:00,,,memo,,,,", "|||memo||||"},          // unreadable time alone is dropped
        {"2004/05/06,7:5,65.4,8.5,,,,,", "7:5|65.40|8.5|||||"},  // time text kept as written
        {"2004/05/06,07:30,abc,xyz,,,,,", "07:30|abc|xyz|||||"}, // no number: kept as it is
        {"2004/05/06,,,,,21:10,066.10,22.9,,extra,fields", "||||21:10|66.10|22.9|"},
        {"2004/05/06,07:30,065.40,22.6,a[CRLF]b,,,,", "07:30|65.40|22.6|a[CRLF]b||||"},
        {"2004/05/06,07:30,065.40,22.6,a[COMMA] b,,,,", "07:30|65.40|22.6|a, b||||"},
        {"----------,07:30,065.40,22.6,,,,,", nullptr},
        {"2004/02/30,07:30,065.40,22.6,,,,,", nullptr},
        {"07:30,07:30,065.40,22.6,,,,,", nullptr}, // a time is no date
        {"2004/05/06", nullptr},                   // one field holds no date
        {",07:30,065.40,22.6,,,,,", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        DiaryFixture f;
        ASSERT_TRUE(f.Read(kHeader + c.line + "\r\n"));
        if (c.slots == nullptr) {
            EXPECT_EQ(f.diary.Records.Count(), 0) << c.line;
            continue;
        }
        ASSERT_EQ(f.diary.Records.Count(), 1) << c.line;
        EXPECT_EQ(Slots(f.diary), QString::fromUtf8(c.slots)) << c.line;
        EXPECT_EQ(f.diary.Records.Item(1).DayNumber, DayNumber(QDate(2004, 5, 6))) << c.line;
    }
}

TEST(ReadDiaryFile, NumbersTakeTheLocaleDecimalSeparator)
{
    DiaryFixture f("de_DE");
    ASSERT_TRUE(f.Read(kHeader + "06.05.2004,07:30,065.40,22.6,,21:10,066.10,08.5,\r\n"));
    ASSERT_EQ(f.diary.Records.Count(), 1);
    EXPECT_EQ(Slots(f.diary), QStringLiteral("07:30|65,40|22,6||21:10|66,10|8,5|"));

    DiaryFixture sv("sv_SE");
    ASSERT_TRUE(sv.Read(kHeader + "2004-05-06,07:30,065.40,22.6,,,,,\r\n"));
    ASSERT_EQ(sv.diary.Records.Count(), 1);
    EXPECT_EQ(Slots(sv.diary), QStringLiteral("07:30|65,40|22,6|||||"));
}

TEST(ReadDiaryFile, StoreOrderPositionsAndListWindow)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(kHeader + "2004/05/08,,,,c,,,,\r\n"
                                 "2004/05/06,,,,a,,,,\r\n"
                                 "2004/05/07,,,,b1,,,,\r\n"
                                 "2004/5/7,,,,b2,,,,\r\n"
                                 "2004/05/10,,,,d,,,,\r\n"
                                 "2004/05/11,,,,e,,,,\r\n"));
    ASSERT_EQ(f.diary.Records.Count(), 6);
    QStringList memos;
    for (int p = 1; p <= 6; ++p)
        memos << f.diary.Records.Item(p).Slot[0].Memo;
    EXPECT_EQ(memos.join(QLatin1Char(' ')), QStringLiteral("a b1 b2 c d e"));
    // The date text stays as written; the day number says which day it is.
    EXPECT_EQ(f.diary.Records.Item(3).Date, QStringLiteral("2004/5/7"));
    EXPECT_EQ(f.diary.Records.FindItem(DayNumber(QDate(2004, 5, 7))), 2);
    EXPECT_EQ(f.diary.NewEntryIndex, 7);
    EXPECT_EQ(f.diary.CurrentIndex, 6);
    EXPECT_EQ(f.diary.ListLast, 7);
    EXPECT_EQ(f.diary.ListFirst, 3);
}

TEST(ReadDiaryFile, PeriodFollowsTheLatestReadableDateEvenOfARejectedLine)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(kHeader + "2004/05/06,07:30,065.40,22.6,,,,,\r\n"
                                 "2004/07/20,,065.40,22.6,,,,,\r\n" // rejected: weight without time
                                 "2004/06/01,07:30,065.40,22.6,,,,,\r\n"));
    EXPECT_EQ(f.diary.Records.Count(), 2);
    EXPECT_EQ(f.period.PeriodStart, QDate(2004, 7, 1));
    EXPECT_EQ(f.period.PeriodEnd, QDate(2004, 7, 31));

    DiaryFixture three;
    ASSERT_TRUE(three.Read(kHeader + "2004/02/10,,,,,,,,\r\n", 3));
    EXPECT_EQ(three.period.PeriodStart, QDate(2003, 12, 1));
    EXPECT_EQ(three.period.PeriodEnd, QDate(2004, 2, 29));
}

TEST(ReadDiaryFile, LineEndsAndEncodings)
{
    // LF alone reads as CR LF does; a last line without a line end counts.
    DiaryFixture lf;
    ASSERT_TRUE(lf.Read("Sample,170.0,1,,,,,,,,,,,\n2004/05/06,07:30,065.40,22.6,,,,,\n2004/05/07,,,,x,,,,"));
    ASSERT_EQ(lf.diary.Records.Count(), 2);
    EXPECT_EQ(lf.diary.Records.Item(2).Slot[0].Memo, QStringLiteral("x"));

    // UTF-8, with or without a byte-order mark.
    DiaryFixture utf8;
    ASSERT_TRUE(utf8.Read(
        "\xEF\xBB\xBFJos\xC3\xA9,170.0,1,,,,,,,,,,,\r\n2004/05/06,,,,caf\xC3\xA9 \xE2\x82\xAC,,,,\r\n"));
    EXPECT_EQ(utf8.diary.Owner.ProfileName, QStringLiteral("Jos\u00E9"));
    EXPECT_EQ(utf8.diary.Records.Item(1).Slot[0].Memo, QStringLiteral("caf\u00E9 \u20AC"));

    // Bytes that are no UTF-8 are Windows-1252, as older single-byte diaries were written.
    DiaryFixture legacy;
    ASSERT_TRUE(legacy.Read(ReadBytes(TestDataPath(QStringLiteral("windows-1252.ov1")))));
    EXPECT_EQ(legacy.diary.Owner.ProfileName, QStringLiteral("Jos\u00E9 M\u00FCller"));
    ASSERT_EQ(legacy.diary.Records.Count(), 1);
    EXPECT_EQ(legacy.diary.Records.Item(1).Slot[0].Memo,
              QStringLiteral("\u20AC 5 f\u00FCr Caf\u00E9 \u2013 gut"));
}

TEST(ReadDiaryFile, AFileThatCannotBeOpenedChangesNothing)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(kHeader + "2004/05/06,07:30,065.40,22.6,,,,,\r\n"));
    const GraphPeriod before = f.period;
    for (const QString& path : {f.folder.File(QStringLiteral("missing.ov1")), f.folder.Path()}) {
        f.diary.DiaryPath = path;
        EXPECT_FALSE(f.file.ReadDiaryFile(f.diary, f.period, 1));
        EXPECT_EQ(f.diary.Records.Count(), 1);
        EXPECT_EQ(f.diary.Owner.ProfileName, QStringLiteral("Sample"));
        EXPECT_EQ(f.diary.NewEntryIndex, 2);
        EXPECT_EQ(f.period.PeriodStart, before.PeriodStart);
    }
    ASSERT_EQ(f.messages.Messages().size(), 2u);
    EXPECT_EQ(f.messages.Messages()[0].text, QStringLiteral("Data file cannot be opened."));
    EXPECT_EQ(f.messages.Messages()[0].buttonKind, ButtonsOk);
    EXPECT_EQ(f.messages.Messages()[0].iconKind, IconInformation);
}

} // namespace
