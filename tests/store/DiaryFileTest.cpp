// The diary file reader and writer: every kind of record line, the file's own date order, the
// exact bytes written in each locale, and what a failing disk leaves.

#include "DiaryFixture.h"

#include "support/FileSizeLimit.h"

#include <QBuffer>
#include <QDir>

#include <optional>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace Qt::StringLiterals;
using tarvel::testing::DiaryFixture;
using tarvel::testing::FileSizeLimit;
using tarvel::testing::ReadBytes;
using tarvel::testing::TestDataPath;

namespace {

const QByteArray kHeader = "Sample,170.0,1,,,,,,,,,,,\r\n";

QByteArray Data(const char* name)
{
    return ReadBytes(TestDataPath(QString::fromLatin1(name)));
}

// Each line follows a readable day, so the file is a diary whatever the line gives.
TEST(ReadDiaryFile, RecordLinesAcceptedAndRejected)
{
    const struct {
        QByteArray line;
        const char* slots; // columns 1..8 joined with "|", or nullptr when the line is dropped
    } cases[] = {
        {"2004/5/6,,,,", "|||||||"},                    // four fields: slots missing
        {"2004/05/06,,065.40,22.6,,,,,", nullptr},      // a weight without a time
        {"2004/05/06,,000.00,00.0,,,,,", "|0|0|||||"},  // zero weight needs no time
        {"2004/05/06,-----,,,memo,,,,", "|||memo||||"}, // time placeholder
        {"2004/05/06,25:00,,,memo,,,,", "|||memo||||"}, // unreadable time alone is dropped
        {"2004/05/06,7:5,65.4,8.5,,,,,", "07:05|65.40|8.5|||||"},
        {"2004/05/06,07.30,065.40,,,,,,", "07:30|65.40||||||"},                  // a time written with "."
        {"2004/05/06,07:30,6444444444001,,,,,,", "07:30|6444444444001||||||"}, // too large: kept as text
        {"2004/05/06,07:30,065.40,22.6,m,21:10,066.10,22.9,n,x,x,x,x,x,x,x,x,x", // 18 fields
         "07:30|65.40|22.6|m|21:10|66.10|22.9|n"},
        {"2004/05/06,07:30,065.40,22.6,a[CRLF]b[COMMA] c,,,,", "07:30|65.40|22.6|a[CRLF]b, c||||"},
        {"2004/02/30,07:30,065.40,22.6,,,,,", nullptr},
        {"07:30,07:30,065.40,22.6,,,,,", nullptr}, // a time is no date
        {"", nullptr},
    };
    for (const auto& c : cases) {
        DiaryFixture f;
        const std::string name = c.line.toPercentEncoding().toStdString();
        // A day before every day read after it.
        ASSERT_TRUE(f.Read(kHeader + "2004/05/01,,,,good,,,,\r\n" + c.line + "\r\n")) << name;
        EXPECT_EQ(f.Dropped(), c.slots || c.line.isEmpty() ? 0 : 1) << name;
        ASSERT_EQ(f.diary.records().Count(), c.slots ? 2 : 1) << name;
        EXPECT_EQ(c.slots ? tarvel::testing::StoredColumns(f.diary.records().Item(2), f.formats, 1)
                          : QString(),
                  QString::fromUtf8(c.slots))
            << name;
    }
}

// A file is written in one date order throughout and is read in the order that reads the most of
// its days, whatever the locale; the locale's order wins a tie, and a damaged line is dropped
// without moving the others, wherever it stands.
TEST(ReadDiaryFile, DatesInTheOrderThatReadsMostDays)
{
    const QDate nov30(2026, 11, 30), mar4(2026, 3, 4), apr3(2026, 4, 3), may6(2004, 5, 6), jun5(2004, 6, 5),
        may14(2004, 5, 14);
    const struct {
        const char* what;
        QStringList dates; // of the record lines
        QDate date, enUs;  // the earliest day read, and under en_US
        bool dropped = false;
    } cases[] = {
        {"day first with .", {u"30.11.2026"_s, u"01.12.2026"_s}, nov30, nov30},
        {"month first with /", {u"11/30/2026"_s, u"12/01/2026"_s}, nov30, nov30},
        {"day first with /", {u"30/11/2026"_s, u"01/12/2026"_s}, nov30, nov30},
        {"year first with -", {u"2026-11-30"_s, u"2026-12-01"_s}, nov30, nov30},
        {"ambiguous with /", {u"03/04/2026"_s, u"03/05/2026"_s}, apr3, mar4},
        // Day first: no month-first locale writes ".".
        {"ambiguous with .", {u"03.04.2026"_s, u"04.04.2026"_s}, apr3, apr3},
        {"a typo first", {u"14/17/2004"_s, u"05/06/2004"_s, u"05/07/2004"_s}, jun5, may6, true},
        {"a year-first typo", {u"2004/13/01"_s, u"05/06/2004"_s, u"05/07/2004"_s}, jun5, may6, true},
        {"a typo in year-first days", {u"2004/13/01"_s, u"2004/05/06"_s}, may6, may6, true},
        {"the most days win", {u"13/05/2004"_s, u"05/14/2004"_s, u"05/15/2004"_s}, may14, may14, true},
    };
    for (const char* locale : {"en_US", "de_DE"}) {
        for (const auto& c : cases) {
            const QDate first = locale == std::string("en_US") ? c.enUs : c.date;
            SCOPED_TRACE(std::string(c.what) + " under " + locale);
            DiaryFixture f(locale);
            const QString lines = c.dates.join(u",07:30,065.40,,,,,,\r\n"_s) + u",,,,x,,,,\r\n"_s;
            ASSERT_TRUE(f.Read(kHeader + lines.toUtf8()));
            EXPECT_EQ(f.diary.records().Count(), c.dates.size() - c.dropped);
            EXPECT_EQ(f.Dropped(), c.dropped ? 1 : 0);
            EXPECT_EQ(f.diary.records().Item(1).date, first);
        }
    }
}

// What a read leaves: the diary read, or (refused) the diary as it was, and what the reader reports.
// Each file is read over a diary of one day in May 2004, owned by Sample, with the memo "before".
TEST(ReadDiaryFile, FilesReadOrRefused)
{
    const char* notADiary = "not a diary";
    const QDate may(2004, 5, 6), none; // none: no date read, the window takes today's period
    static constexpr char kSample[] = "Sample|170.0|1";
    const struct {
        const char* what;
        QByteArray bytes;      // null: the path names a folder
        const char* memos;     // the first memo of every day read, each followed by "|"; nullptr: refused
        const char* said = ""; // the refusal, or the count of lines dropped
        QDate latest = QDate(2004, 5, 7); // the latest date read
        const char* owner = kSample;      // name, height and sex
        const char* locale = "ja_JP";
    } cases[] = {
        {"empty diary line", "-----,-----,-,,,,,,,,,,,,\r\n", "", "", none, "||0"},
        {"height in the locale", "S,170.0,1\r\n2004/05/06,,,,a,,,,", "a|", "", may, "S|170,0|1", "de_DE"},
        {"sex rounded", "Anna,165.5,2.6\r\n2004/05/06,,,,a,,,,", "a|", "", may, "Anna|165.5|3"},
        {"fewer than three fields: the owner stays", "x,y\r\n2004/05/06,,,,a,,,,", "a|", "", may},
        {"fewer than three fields alone: an empty diary", "x,y\r\n", "", "", none},
        {"no bytes", "", "", "", none},
        {"LF line ends", "Sample,170.0,1\n2004/05/06,,,,a,,,,\n2004/05/07,,,,x", "a|x|"},
        // Days in file order, equal days as they come; a dropped line's date still counts as latest.
        {"days out of order, two dropped",
         kHeader + "2004/05/08,,,,c,,,,\r\n2004/05/06,,,,a,,,,\r\n2004/05/07,,,,b1,,,,\r\n"
                   "2004/5/7,,,,b2,,,,\r\nx,1\r\n2004/07/20,,065.40,,,,,,\r\n"
                   "2004/05/10,,,,d,,,,\r\n2004/05/11,,,,e,,,,\r\n",
         "a|b1|b2|c|d|e|", "2 dropped", QDate(2004, 7, 20)},
        // Bytes that are no UTF-8 are Windows-1252, as older single-byte diaries were written.
        {"Windows-1252", Data("windows-1252.ov1"), "\u20AC 5 f\u00FCr Caf\u00E9 \u2013 gut|", "", may,
         "Jos\u00E9 M\u00FCller|180.0|1"},
        {"a text", "Dear diary,\r\ntoday I weighed myself.\r\n", nullptr, notADiary},
        {"only damaged lines", kHeader + "2004/05/06,,065.40,,,,,,\r\n", nullptr, notADiary},
        {"a folder", QByteArray(), nullptr, "cannot be opened"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DiaryFixture f(c.locale);
        ASSERT_TRUE(f.Read(kHeader + "2004/05/06,07:30,065.40,22.6,before,,,,\r\n"));
        if (c.bytes.isNull()) {
            EXPECT_FALSE(f.ReadFrom(f.folder.Path()));
        } else {
            EXPECT_EQ(f.Read(c.bytes), c.memos != nullptr);
        }
        const DiaryReadError error = f.read.error;
        EXPECT_EQ(error == DiaryReadError::CannotOpen  ? "cannot be opened"
                  : error == DiaryReadError::NotADiary ? notADiary
                  : f.Dropped() > 0                    ? std::to_string(f.Dropped()) + " dropped"
                                                       : std::string(),
                  c.said);
        QString memos;
        for (const DayRecord& record : f.diary.records().Records())
            memos += record.slot[0].memo + QLatin1Char('|');
        EXPECT_EQ(memos, QString::fromUtf8(c.memos ? c.memos : "before|"));
        const Profile& o = f.diary.owner();
        EXPECT_EQ(o.ProfileName + u'|' + o.ProfileHeight + u'|' + QString::number(o.ProfileSex),
                  QString::fromUtf8(c.owner));
        if (c.memos) {
            EXPECT_EQ(f.read.content->LatestDate, c.latest);
        }
    }
}

// Each file is written as its golden file, and a golden file or a file of texts the reader keeps as
// they are (some found by the diary fuzz target) reads back to the same bytes.
TEST(WriteDiaryFile, GoldenFilesInEachLocale)
{
    const struct {
        const char* locale;
        QByteArray input, golden; // golden empty: the input itself
    } cases[] = {
        {"ja_JP", Data("sample-ymd.ov1"), Data("sample-ymd.golden.ov1")},
        {"de_DE", Data("sample-dmy.ov1"), Data("sample-dmy.golden.ov1")},
        {"en_US", Data("sample-mdy.ov1"), Data("sample-mdy.golden.ov1")},
        {"sv_SE", Data("sample-ymd-dash.ov1"), Data("sample-ymd-dash.golden.ov1")},
        // A diary opened under another locale keeps every day and is written in the user's order.
        {"en_US", Data("sample-ymd.ov1"), Data("sample-mdy.golden.ov1")},
        {"de_DE", Data("sample-ymd-dash.ov1"), Data("sample-dmy.golden.ov1")},
        // No numbers where "," is the decimal separator: "1.2.3" was written back as "123".
        {"de_DE", "A,,0,,,,,,,,,,,\r\n06.05.2004,07:30,1.2.3,x.y,,21:00,.,-,\r\n", {}},
        // A name that begins with U+FEFF, after the byte-order mark.
        {"ja_JP", "\xEF\xBB\xBF\xEF\xBB\xBFSample,170.0,1,,,,,,,,,,,\r\n", {}},
        {"ja_JP", "S,170.0,1,,,,,,,,,,,\r\n1899/12/29,07:30,065.40,,,,,,\r\n1899/12/30,,,,,,,,\r\n", {}},
        // Days over the ends of months and years.
        {"de_DE",
         "S,170.0,1,,,,,,,,,,,\r\n31.12.2003,,,,,,,,\r\n01.01.2004,,,,,,,,\r\n29.02.2004,,,,,,,,\r\n"
         "01.03.2004,,,,,,,,\r\n19.03.2004,,,,,,,,\r\n20.03.2004,,,,,,,,\r\n",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.left(40).toStdString() + " under " + c.locale);
        const QByteArray golden = c.golden.isEmpty() ? c.input : c.golden;
        DiaryFixture f(c.locale), again(c.locale);
        ASSERT_TRUE(f.Read(c.input));
        EXPECT_EQ(f.WriteBack(), golden);
        ASSERT_TRUE(again.Read(golden));
        EXPECT_EQ(again.WriteBack(), golden);
        EXPECT_EQ(f.Dropped() + again.Dropped(), 0);
    }
}

TEST(WriteDiaryFile, StoreTextsInTheFileLayout)
{
    using tarvel::testing::MakeDay, tarvel::testing::MakeWeighing;
    DiaryFixture f("de_DE");
    DiaryContent content;
    content.Owner = Profile{QStringLiteral("J\u00F6rg"), QStringLiteral("172cm"), 2};
    content.Records = {MakeDay(QDate(2004, 5, 6), MakeWeighing("7:30", "65.4", "8.5", "Lauf, dann Bad\ngut")),
                       DayRecord(), // a day without date and weighing is not written
                       MakeDay(QDate(), {}, MakeWeighing("", "", "", "raw\r\nbreak\nhere"))};
    f.diary.reset(std::move(content));
    EXPECT_EQ(f.WriteBack(),
              QByteArray("J\xC3\xB6rg,172.0,2,,,,,,,,,,,\r\n"
                         ",,,,,,,,raw[CRLF]break[CRLF]here\r\n"
                         "06.05.2004,07:30,065.40,08.5,Lauf[COMMA] dann Bad[CRLF]gut,,,,\r\n"));
}

// A disk that fills up after any number of bytes of the new file: the diary file and the backup
// keep their previous content every time, each write reports its failure, no temporary file is left
// behind, and the backup stays (deleting it is the window's business).
TEST(WriteFaults, AWriteCutShortAtEveryByteKeepsTheOldFile)
{
    for (const bool backup : {false, true}) {
        DiaryFixture f;
        ASSERT_TRUE(f.Read(Data("sample-ymd.golden.ov1")));
        ASSERT_TRUE(f.file.WriteBackup(f.diary));
        const QString path = backup ? f.diary.backupPath() : f.diary.filePath();
        const QByteArray old = ReadBytes(path);
        f.diary.addDays({f.diary.records().Item(1)}); // one more day to write
        QBuffer buffer;
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(WriteDiary(buffer, f.diary.owner(), f.diary.records(), f.formats));
        const QByteArray next = buffer.data();

        for (qint64 limit = 0; limit < next.size(); ++limit) {
            std::optional<FileSizeLimit> full(limit);
            ASSERT_TRUE(full->Active());
            ASSERT_FALSE(backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary)) << limit;
            full.reset();
            ASSERT_EQ(ReadBytes(path), old) << limit;
            ASSERT_EQ(QDir(f.folder.Path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
                      (QStringList{QStringLiteral("TV_Backup"), QStringLiteral("mine.ov1")}))
                << limit;
        }
        FileSizeLimit enough(next.size());
        EXPECT_TRUE(backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary));
        EXPECT_EQ(ReadBytes(path), next);
        EXPECT_TRUE(QFile::exists(f.diary.backupPath()));
    }
}

} // namespace
