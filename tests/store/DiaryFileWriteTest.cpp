#include "DiaryFixture.h"

#include "platform/MessageService.h"
#include "store/DiaryText.h"
#include "support/FileSizeLimit.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::FileSizeLimit;
using tarvel::testing::ReadBytes;
using tarvel::testing::TestDataPath;

namespace {

QByteArray Data(const char* name)
{
    return ReadBytes(TestDataPath(QString::fromLatin1(name)));
}

TEST(WriteDiaryFile, GoldenFilesInEachDateOrder)
{
    const struct {
        const char* locale;
        const char* input;
        const char* golden;
    } cases[] = {
        {"ja_JP", "sample-ymd.ov1", "sample-ymd.golden.ov1"},
        {"C", "sample-ymd.ov1", "sample-ymd.golden.ov1"},
        {"de_DE", "sample-dmy.ov1", "sample-dmy.golden.ov1"},
        {"en_US", "sample-mdy.ov1", "sample-mdy.golden.ov1"},
        {"sv_SE", "sample-ymd-dash.ov1", "sample-ymd-dash.golden.ov1"},
        // A year-first diary opened where dates are written month first keeps every day.
        {"en_US", "sample-ymd.ov1", "sample-mdy.golden.ov1"},
    };
    for (const auto& c : cases) {
        const QByteArray golden = Data(c.golden);
        ASSERT_FALSE(golden.isEmpty()) << c.golden;
        DiaryFixture f(c.locale);
        ASSERT_TRUE(f.Read(Data(c.input)));
        EXPECT_EQ(f.WriteBack(), golden) << c.locale;
        // What was written reads and writes back byte for byte.
        DiaryFixture again(c.locale);
        ASSERT_TRUE(again.Read(golden));
        EXPECT_EQ(again.WriteBack(), golden) << c.locale;
        EXPECT_TRUE(f.messages.Messages().empty());
    }
}

TEST(WriteDiaryFile, StoreTextsInTheFileLayout)
{
    DiaryFixture f("de_DE");
    f.diary.Owner = {QStringLiteral("Anna"), QString(), 2};
    DayRecord day;
    day.Date = QStringLiteral("06.05.2004");
    day.DayNumber = DayNumber(QDate(2004, 5, 6));
    day.Slot[0] = {QStringLiteral("7:30"), QStringLiteral("65,4"), QStringLiteral("8,5"),
                   QStringLiteral("Lauf, dann Bad[CRLF]gut")};
    f.diary.Records.Add(day);
    DayRecord blank; // no date and no weighing: not written
    f.diary.Records.Add(blank);
    DayRecord undated;
    undated.Slot[1].Memo = QStringLiteral("raw\r\nbreak\nhere");
    f.diary.Records.Add(undated);
    f.Name(QStringLiteral("anna.ov1"));
    EXPECT_EQ(f.WriteBack(),
              QByteArray("Anna,,2,,,,,,,,,,,\r\n"
                         ",,,,,,,,raw[CRLF]break[CRLF]here\r\n"
                         "06.05.2004,07:30,065.40,08.5,Lauf[COMMA] dann Bad[CRLF]gut,,,,\r\n"));

    // Read back, the commas are commas again and the line breaks stay markers.
    DiaryFixture back("de_DE");
    ASSERT_TRUE(back.Read(ReadBytes(f.diary.DiaryPath)));
    ASSERT_EQ(back.diary.Records.Count(), 1); // the undated record has no date to be read by
    EXPECT_EQ(back.diary.Records.Item(1).Slot[0].Memo, QStringLiteral("Lauf, dann Bad[CRLF]gut"));
    EXPECT_EQ(back.diary.Records.Item(1).Slot[0].Weight, QStringLiteral("65,40"));
    EXPECT_EQ(back.diary.Records.Item(1).Slot[0].Bmi, QStringLiteral("8,5"));
}

TEST(WriteDiaryFile, NamesAndMemosBeyondAsciiAreUtf8)
{
    DiaryFixture f;
    f.diary.Owner = {QStringLiteral("J\u00F6rg \u5C71\u7530"), QStringLiteral("172cm"), 1};
    f.Name(QStringLiteral("j.ov1"));
    EXPECT_EQ(f.WriteBack(), QByteArray("J\xC3\xB6rg \xE5\xB1\xB1\xE7\x94\xB0,172.0,1,,,,,,,,,,,\r\n"));
}

TEST(WriteDiaryFile, MoreThanSixteenBitsOfLines)
{
    QByteArray text = "Long,180.0,1,,,,,,,,,,,\r\n";
    QDate day(1900, 1, 1);
    const int days = 40000;
    for (int i = 0; i < days; ++i, day = day.addDays(1)) {
        text += day.toString(QStringLiteral("yyyy/MM/dd")).toLatin1() + ",07:30,0" +
                QByteArray::number(60 + i % 30) + ".25,22.1,,21:00,0" + QByteArray::number(61 + i % 30) +
                ".50,22.4," + (i % 5 == 0 ? "note" : "") + "\r\n";
    }
    DiaryFixture f;
    ASSERT_TRUE(f.Read(text));
    EXPECT_EQ(f.diary.Records.Count(), days);
    EXPECT_EQ(f.diary.NewEntryIndex, days + 1);
    EXPECT_EQ(f.diary.CurrentIndex, days);
    EXPECT_EQ(f.diary.ListFirst, days - 3);
    EXPECT_EQ(f.diary.Records.FindItem(DayNumber(QDate(1900, 1, 1).addDays(39999))), 40000);
    EXPECT_EQ(f.WriteBack(), text);
}

// A device that takes the first limit bytes and refuses the rest.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }
    qint64 taken = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (taken + size > m_limit)
            return -1;
        taken += size;
        return size;
    }

private:
    qint64 m_limit;
};

TEST(WriteDiaryFile, EveryRefusedByteIsReported)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(Data("sample-ymd.ov1")));
    const qint64 size = Data("sample-ymd.golden.ov1").size();
    for (qint64 limit = 0; limit < size; ++limit) {
        FailingDevice device(limit);
        EXPECT_FALSE(WriteDiary(device, f.diary.Owner, f.diary.Records, f.formats)) << limit;
    }
    FailingDevice enough(size);
    EXPECT_TRUE(WriteDiary(enough, f.diary.Owner, f.diary.Records, f.formats));
    EXPECT_EQ(enough.taken, size);
}

TEST(WriteDiaryFile, AFailedWriteKeepsTheOldFileTheBackupAndTheFlags)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(Data("sample-ymd.golden.ov1")));
    const QByteArray old = ReadBytes(f.diary.DiaryPath);
    // Grow the diary past the file size limit set below.
    for (int i = 0; i < 3000; ++i) {
        DayRecord day;
        day.Date = QDate(2010, 1, 1).addDays(i).toString(QStringLiteral("yyyy/MM/dd"));
        day.DayNumber = DayNumber(QDate(2010, 1, 1).addDays(i));
        day.Slot[0] = {QStringLiteral("07:00"), QStringLiteral("70.00"), QStringLiteral("24.2"), QString()};
        f.diary.Records.Add(day);
    }
    ASSERT_TRUE(f.file.WriteBackup(f.diary));
    const QByteArray backup = ReadBytes(f.diary.BackupPath);
    ASSERT_GT(backup.size(), 64 * 1024);
    f.diary.BackupRecalled = true;
    f.diary.DataChanged = true;

    bool written = true;
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.Active());
        written = f.file.WriteDiaryFile(f.diary);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(f.diary.DiaryPath), old);
    EXPECT_EQ(ReadBytes(f.diary.BackupPath), backup);
    EXPECT_TRUE(f.diary.BackupRecalled);
    EXPECT_TRUE(f.diary.DataChanged);
    ASSERT_EQ(f.messages.Messages().size(), 1u);
    EXPECT_EQ(f.messages.Messages()[0].text, QStringLiteral("Data file cannot be saved."));
    EXPECT_EQ(f.messages.Messages()[0].buttonKind, ButtonsOk);
    EXPECT_EQ(f.messages.Messages()[0].iconKind, IconCritical);
    // Only the diary and the backup are in the folder: no temporary file was left behind.
    EXPECT_EQ(QDir(f.folder.Path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(WriteDiaryFile, ANamedDiaryWrittenDeletesTheBackupButTheBackupWriteDoesNot)
{
    DiaryFixture f;
    ASSERT_TRUE(f.Read(Data("sample-ymd.golden.ov1")));
    const QString diaryPath = f.diary.DiaryPath;

    ASSERT_TRUE(f.file.WriteBackup(f.diary));
    EXPECT_EQ(ReadBytes(f.diary.BackupPath), Data("sample-ymd.golden.ov1"));
    EXPECT_EQ(f.diary.DiaryPath, diaryPath); // the diary's paths are back
    EXPECT_EQ(f.diary.DiaryTitle, QStringLiteral("mine.ov1"));

    f.diary.BackupRecalled = true;
    ASSERT_TRUE(f.file.WriteDiaryFile(f.diary));
    EXPECT_FALSE(QFile::exists(f.diary.BackupPath));
    EXPECT_FALSE(f.diary.BackupRecalled);

    // While the diary is the backup, writing it keeps it.
    DiaryFixture unnamed;
    unnamed.diary.Owner.ProfileName = QStringLiteral("X");
    unnamed.diary.BackupRecalled = true;
    ASSERT_TRUE(unnamed.file.WriteDiaryFile(unnamed.diary));
    EXPECT_TRUE(QFile::exists(unnamed.diary.BackupPath));
    EXPECT_TRUE(unnamed.diary.BackupRecalled);
}

TEST(WriteDiaryFile, ResetBackupWritesTheEmptyDiaryLine)
{
    DiaryFixture f;
    ASSERT_TRUE(f.file.ResetBackup(f.diary));
    const QByteArray bytes = ReadBytes(f.diary.BackupPath);
    EXPECT_EQ(bytes, QByteArray(kEmptyDiaryLine) + "\r\n");
    EXPECT_EQ(bytes.size(), 27);
}

// Texts the reader keeps as they are come back unchanged through a written file (both cases were
// found by the diary fuzz target).
TEST(WriteDiaryFile, WhatTheReaderKeptReadsBackUnchanged)
{
    const struct {
        const char* locale;
        QByteArray file; // written back byte for byte
    } cases[] = {
        // Fields that are no numbers where "," is the decimal separator: the reader's "," is "." again,
        // not dropped ("1.2.3" was written back as "123").
        {"de_DE", "A,,0,,,,,,,,,,,\r\n06.05.2004,07:30,1.2.3,x.y,,21:00,.,-,\r\n"},
        // A name that begins with U+FEFF, after the byte-order mark: only the mark is dropped, and the
        // writer puts one in front again (the name lost its first character).
        {"ja_JP", "\xEF\xBB\xBF\xEF\xBB\xBFSample,170.0,1,,,,,,,,,,,\r\n"},
    };
    for (const auto& c : cases) {
        DiaryFixture f(c.locale);
        ASSERT_TRUE(f.Read(c.file));
        EXPECT_EQ(f.WriteBack(), c.file) << c.locale;
    }
    DiaryFixture german("de_DE");
    ASSERT_TRUE(german.Read(cases[0].file));
    EXPECT_EQ(german.diary.Records.Item(1).Slot[0].Weight, QStringLiteral("1,2,3"));
    DiaryFixture named;
    ASSERT_TRUE(named.Read(cases[1].file));
    EXPECT_EQ(named.diary.Owner.ProfileName, QStringLiteral("\uFEFFSample"));
}

TEST(ReplaceText, ReplacesEveryOccurrence)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString marker = QLatin1String(kLineBreakMarker);
    EXPECT_EQ(ReplaceText(QStringLiteral("a[CRLF]b[CRLF][CRLF]"), marker, crlf),
              QStringLiteral("a\r\nb\r\n\r\n"));
    EXPECT_EQ(ReplaceText(QStringLiteral("a\r\nb"), crlf, marker), QStringLiteral("a[CRLF]b"));
    EXPECT_EQ(ReplaceText(QStringLiteral("[CRLF"), marker, crlf), QStringLiteral("[CRLF"));
    EXPECT_EQ(ReplaceText(QString(), marker, crlf), QString());
    EXPECT_EQ(ReplaceText(QStringLiteral("aaa"), QStringLiteral("a"), QStringLiteral("aa")),
              QStringLiteral("aaaaaa"));
}

} // namespace
