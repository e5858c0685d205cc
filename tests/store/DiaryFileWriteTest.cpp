// The diary writer: the exact bytes of a diary in each locale, and what a failing disk leaves.

#include "DiaryFixture.h"

#include "platform/TextTable.h"
#include "store/DiaryText.h"
#include "support/FileSizeLimit.h"
#include "support/WriteFaults.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::FileSizeLimit;
using tarvel::testing::PermissionsStopWrites;
using tarvel::testing::ReadBytes;
using tarvel::testing::ReadOnlyFolder;
using tarvel::testing::TestDataPath;

namespace {

QByteArray Data(const char* name)
{
    return ReadBytes(TestDataPath(QString::fromLatin1(name)));
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(WriteDiaryFile, GoldenFilesInEachLocale)
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
        // A diary opened under another locale keeps every day and is written in the user's order.
        {"en_US", "sample-ymd.ov1", "sample-mdy.golden.ov1"},
        {"en_US", "sample-dmy.ov1", "sample-mdy.golden.ov1"},
        {"ja_JP", "sample-dmy.ov1", "sample-ymd.golden.ov1"},
        {"de_DE", "sample-ymd-dash.ov1", "sample-dmy.golden.ov1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.input) + " under " + c.locale);
        const QByteArray golden = Data(c.golden);
        ASSERT_FALSE(golden.isEmpty());
        DiaryFixture f(c.locale);
        ASSERT_TRUE(f.Read(Data(c.input)));
        EXPECT_EQ(f.WriteBack(), golden);
        DiaryFixture again(c.locale);
        ASSERT_TRUE(again.Read(golden));
        EXPECT_EQ(again.WriteBack(), golden);
        EXPECT_EQ(f.Said() + again.Said(), QString());
    }
}

TEST(WriteDiaryFile, StoreTextsInTheFileLayout)
{
    DiaryFixture f("de_DE");
    f.diary.Owner = {QStringLiteral("J\u00F6rg"), QStringLiteral("172cm"), 2};
    DayRecord day;
    day.Date = QStringLiteral("06.05.2004");
    day.DayNumber = DayNumber(QDate(2004, 5, 6));
    day.Slot[0] = {QStringLiteral("7:30"), QStringLiteral("65,4"), QStringLiteral("8,5"),
                   QStringLiteral("Lauf, dann Bad[CRLF]gut")};
    f.diary.Records.Add(day);
    f.diary.Records.Add(DayRecord()); // no date and no weighing: not written
    DayRecord undated;
    undated.Slot[1].Memo = QStringLiteral("raw\r\nbreak\nhere");
    f.diary.Records.Add(undated);
    f.diary.DiaryTitle = QStringLiteral("anna.ov1");
    f.diary.DiaryPath = f.folder.File(f.diary.DiaryTitle);
    EXPECT_EQ(f.WriteBack(), QByteArray("J\xC3\xB6rg,172.0,2,,,,,,,,,,,\r\n"
                                        ",,,,,,,,raw[CRLF]break[CRLF]here\r\n"
                                        "06.05.2004,07:30,065.40,08.5,Lauf[COMMA] dann Bad[CRLF]gut,,,,\r\n"));
}

// Texts the reader keeps as they are come back unchanged through a written file (found by the
// diary fuzz target).
TEST(WriteDiaryFile, WhatTheReaderKeptReadsBackUnchanged)
{
    const struct {
        const char* locale;
        QByteArray file;
    } cases[] = {
        // No numbers where "," is the decimal separator: "1.2.3" was written back as "123".
        {"de_DE", "A,,0,,,,,,,,,,,\r\n06.05.2004,07:30,1.2.3,x.y,,21:00,.,-,\r\n"},
        // A name that begins with U+FEFF, after the byte-order mark.
        {"ja_JP", "\xEF\xBB\xBF\xEF\xBB\xBFSample,170.0,1,,,,,,,,,,,\r\n"},
        {"ja_JP", "S,170.0,1,,,,,,,,,,,\r\n1899/12/29,07:30,065.40,22.6,,,,,\r\n1899/12/30,07:30,065.50,22.7,,,,,\r\n"},
    };
    for (const auto& c : cases) {
        DiaryFixture f(c.locale);
        ASSERT_TRUE(f.Read(c.file));
        EXPECT_EQ(f.WriteBack(), c.file) << c.locale;
    }
}

// A disk that fills up after any number of bytes of the new file: the diary file and the backup
// keep their previous content every time, the user hears of it each time, no temporary file is left
// behind, and the backup and its flag stay.
TEST(WriteFaults, AWriteCutShortAtEveryByteKeepsTheOldFile)
{
    for (const bool backup : {false, true}) {
        DiaryFixture f;
        ASSERT_TRUE(f.Read(Data("sample-ymd.golden.ov1")));
        ASSERT_TRUE(f.file.WriteBackup(f.diary));
        const QString path = backup ? f.diary.BackupPath : f.diary.DiaryPath;
        const QByteArray old = ReadBytes(path);
        DayRecord day;
        day.Date = QStringLiteral("2005/01/02");
        day.DayNumber = DayNumber(QDate(2005, 1, 2));
        day.Slot[0] = {QStringLiteral("07:30"), QStringLiteral("70.00"), QStringLiteral("22.6"), QString()};
        f.diary.Records.Add(day);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WriteDiary(buffer, f.diary.Owner, f.diary.Records, f.formats));
        const QByteArray next = buffer.data();
        f.diary.BackupRecalled = true;

        for (qint64 limit = 0; limit < next.size(); ++limit) {
            bool written = true;
            {
                FileSizeLimit full(limit);
                ASSERT_TRUE(full.Active());
                written = backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary);
            }
            ASSERT_FALSE(written) << "limit " << limit;
            ASSERT_EQ(ReadBytes(path), old) << "limit " << limit;
            ASSERT_EQ(FilesIn(f.folder.Path()), (QStringList{QStringLiteral("TV_Backup"), QStringLiteral("mine.ov1")}))
                << "limit " << limit;
        }
        EXPECT_EQ(f.messages.Messages().size(), static_cast<std::size_t>(next.size()));
        EXPECT_EQ(f.messages.Messages().back().text, LoadText(738));
        EXPECT_TRUE(f.diary.BackupRecalled);
        FileSizeLimit enough(next.size());
        EXPECT_TRUE(backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary));
        EXPECT_EQ(ReadBytes(path), next);
        // Only a named diary written deletes the backup.
        EXPECT_EQ(QFile::exists(f.diary.BackupPath), backup);
        EXPECT_EQ(f.diary.BackupRecalled, backup);
    }
}

// Folders that refuse the file: "Data file cannot be saved.", whatever stood there stays.
TEST(WriteFaults, FoldersThatRefuseTheFile)
{
    enum Fault { ReadOnly, PathIsAFolder, FolderIsAFile };
    for (const Fault fault : {ReadOnly, PathIsAFolder, FolderIsAFile}) {
        if (fault == ReadOnly && !PermissionsStopWrites())
            continue; // root writes into any folder; the full disk above stands in for it
        SCOPED_TRACE(fault);
        DiaryFixture f;
        const QString place = f.folder.File(QStringLiteral("place"));
        ASSERT_TRUE(QDir().mkpath(place));
        QString path = place + QStringLiteral("/mine.ov1");
        std::unique_ptr<ReadOnlyFolder> readOnly;
        if (fault == ReadOnly) {
            f.folder.Write(QStringLiteral("place/mine.ov1"), "old\r\n");
            readOnly = std::make_unique<ReadOnlyFolder>(place);
        } else if (fault == PathIsAFolder) {
            ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
        } else {
            f.folder.Write(QStringLiteral("place/file"), "old\r\n");
            path = place + QStringLiteral("/file/mine.ov1");
        }
        const QStringList before = FilesIn(place);
        f.diary.DiaryPath = path;
        EXPECT_FALSE(f.file.WriteDiaryFile(f.diary));
        readOnly.reset();
        EXPECT_EQ(f.Said(), QStringLiteral("Data file cannot be saved. (icon 0)"));
        EXPECT_EQ(FilesIn(place), before);
        EXPECT_TRUE(fault != ReadOnly || ReadBytes(path) == "old\r\n");
    }
}

TEST(WriteDiaryFile, ResetBackupWritesTheEmptyDiaryLine)
{
    DiaryFixture f;
    ASSERT_TRUE(f.file.ResetBackup(f.diary));
    EXPECT_EQ(ReadBytes(f.diary.BackupPath), QByteArray("-----,-----,-,,,,,,,,,,,,\r\n"));
    EXPECT_FALSE(BackupHoldsData(f.diary.BackupPath));
    ASSERT_TRUE(f.file.WriteBackup(f.diary));
    EXPECT_TRUE(BackupHoldsData(f.diary.BackupPath));
}

} // namespace
