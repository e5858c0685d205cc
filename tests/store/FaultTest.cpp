// Faults of the disk and damaged or oversized files met by the diary reader and writer, the backup
// and the settings store: each ends in a message or in silence, never in a crash or a lost file.

#include "DiaryFixture.h"

#include "platform/MessageService.h"
#include "platform/SettingsStore.h"
#include "platform/TextTable.h"
#include "store/DiaryText.h"
#include "store/Settings.h"
#include "support/FileSizeLimit.h"
#include "support/Stopwatch.h"
#include "support/WriteFaults.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

#include <random>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::FileSizeLimit;
using tarvel::testing::PermissionsStopWrites;
using tarvel::testing::ReadBytes;
using tarvel::testing::ReadOnlyFolder;
using tarvel::testing::Stopwatch;
using tarvel::testing::TempFolder;
using tarvel::testing::TestDataPath;

namespace {

const QByteArray kHeader = "Sample,170.0,1,,,,,,,,,,,\r\n";

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The diary as the writer lays it out, without touching a file.
QByteArray Written(const DiaryFixture& f)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteDiary(buffer, f.diary.Owner, f.diary.Records, f.formats));
    return buffer.data();
}

void AddDay(Diary& diary, const QDate& date, const char* weight)
{
    DayRecord day;
    day.Date = date.toString(QStringLiteral("yyyy/MM/dd"));
    day.DayNumber = DayNumber(date);
    day.Slot[0] = {QStringLiteral("07:30"), QString::fromLatin1(weight), QStringLiteral("22.6"), QString()};
    diary.Records.Add(day);
}

// A disk that fills up after any number of bytes of the new file: the diary file and the backup
// keep their previous content every time, the user hears of it each time, and no temporary file is
// left behind.
TEST(WriteFaults, AWriteCutShortAtEveryByteKeepsTheOldFile)
{
    for (const bool backup : {false, true}) {
        DiaryFixture f;
        ASSERT_TRUE(f.Read(ReadBytes(TestDataPath(QStringLiteral("sample-ymd.golden.ov1")))));
        ASSERT_TRUE(f.file.WriteBackup(f.diary));
        const QString path = backup ? f.diary.BackupPath : f.diary.DiaryPath;
        const QByteArray old = ReadBytes(path);
        AddDay(f.diary, QDate(2005, 1, 2), "70.00");
        const QByteArray next = Written(f);
        ASSERT_NE(next, old);

        for (qint64 limit = 0; limit < next.size(); ++limit) {
            bool written = true;
            {
                FileSizeLimit full(limit);
                ASSERT_TRUE(full.Active());
                written = backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary);
            }
            ASSERT_FALSE(written) << "limit " << limit;
            ASSERT_EQ(ReadBytes(path), old) << "limit " << limit;
            ASSERT_EQ(FilesIn(f.folder.Path()),
                      (QStringList{QStringLiteral("TV_Backup"), QStringLiteral("mine.ov1")}))
                << "limit " << limit;
        }
        EXPECT_EQ(f.messages.Messages().size(), static_cast<std::size_t>(next.size()));
        EXPECT_EQ(f.messages.Messages().back().text, LoadText(738));
        // With room for the whole file the write goes through.
        FileSizeLimit enough(next.size());
        EXPECT_TRUE(backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary));
        EXPECT_EQ(ReadBytes(path), next);
    }
}

// Folders that refuse the file: the write fails with "Data file cannot be saved.", whatever stood at
// the path stays, and nothing is created.
TEST(WriteFaults, FoldersThatRefuseTheFile)
{
    enum Fault { ReadOnly, PathIsAFolder, FolderIsAFile, FullDisk };
    const struct {
        Fault fault;
        const char* name;
    } cases[] = {{ReadOnly, "read-only folder"},
                 {PathIsAFolder, "the path names a folder"},
                 {FolderIsAFile, "the folder is a regular file"},
                 {FullDisk, "full disk"}};
    if (!PermissionsStopWrites())
        std::printf(
            "[          ] folder permissions do not stop this user: a full disk stands in for them\n");
    for (const auto& c : cases) {
        for (const bool backup : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (backup ? " (backup)" : " (diary)"));
            DiaryFixture f;
            ASSERT_TRUE(f.Read(kHeader + "2004/05/06,07:30,065.40,22.6,,,,,\r\n"));
            AddDay(f.diary, QDate(2004, 5, 7), "66.00");
            ASSERT_TRUE(f.file.WriteBackup(f.diary));
            f.diary.BackupRecalled = true;
            const QString place = f.folder.File(QStringLiteral("place"));
            ASSERT_TRUE(QDir().mkpath(place));
            QString path = place + QStringLiteral("/mine.ov1");
            const QByteArray old = kHeader + "old\r\n";
            std::unique_ptr<ReadOnlyFolder> readOnly;
            std::unique_ptr<FileSizeLimit> limit;
            Fault fault = c.fault;
            if (fault == ReadOnly && !PermissionsStopWrites())
                fault = FullDisk; // root writes into any folder; a full disk stands in for it
            switch (fault) {
            case ReadOnly:
                f.folder.Write(QStringLiteral("place/mine.ov1"), old);
                readOnly = std::make_unique<ReadOnlyFolder>(place);
                break;
            case PathIsAFolder:
                ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
                break;
            case FolderIsAFile:
                f.folder.Write(QStringLiteral("place/file"), old);
                path = place + QStringLiteral("/file/mine.ov1");
                break;
            case FullDisk:
                f.folder.Write(QStringLiteral("place/mine.ov1"), old);
                limit = std::make_unique<FileSizeLimit>(0);
                ASSERT_TRUE(limit->Active());
                break;
            }
            (backup ? f.diary.BackupPath : f.diary.DiaryPath) = path;
            const QStringList before = FilesIn(place);
            EXPECT_FALSE(backup ? f.file.WriteBackup(f.diary) : f.file.WriteDiaryFile(f.diary));
            limit.reset();
            readOnly.reset();
            ASSERT_EQ(f.messages.Messages().size(), 1u);
            EXPECT_EQ(f.messages.Messages()[0].text, LoadText(738));
            EXPECT_EQ(f.messages.Messages()[0].iconKind, IconCritical);
            EXPECT_EQ(FilesIn(place), before);
            if (fault == PathIsAFolder) {
                EXPECT_TRUE(QFileInfo(path + QStringLiteral("/inside")).isDir());
            } else if (fault != FolderIsAFile) {
                EXPECT_EQ(ReadBytes(path), old);
            }
            // A failed write is no diary file written: the backup and its flag stay.
            EXPECT_TRUE(f.diary.BackupRecalled);
            EXPECT_TRUE(backup || QFile::exists(f.diary.BackupPath));
        }
    }
}

// Damaged and oversized diaries read without a message, keep what can be read, and what was read
// is written so that it reads back the same.
TEST(ReadFaults, DamagedAndOversizedFiles)
{
    std::mt19937 random(20261206);
    QByteArray binary(256 * 1024, '\0');
    for (char& byte : binary)
        byte = static_cast<char>(random() & 0xFF);

    const QByteArray day = "2004/05/06,07:30,065.40,22.6,";
    QByteArray manyFields = day + "m,21:10,066.10,22.9,n";
    for (int i = 0; i < 10000; ++i)
        manyFields += ",x";
    const QByteArray manyHeaderFields = "Wide,170.0,1" + QByteArray(10000, ',');
    // 100 MB in one line: a memo that never ends.
    const QByteArray hugeLine = day + QByteArray(100 * 1024 * 1024, 'w');
    const QByteArray nul("Sa\0m,170.0,1,,,,,,,,,,,\r\n"
                         "2004/05/06,07:30,065.40,22.6,a\0b,,,,\r\n"
                         "2004/05/\0"
                         "07,07:30,065.40,22.6,,,,,\r\n",
                         25 + 38 + 36);

    const struct {
        const char* name;
        QByteArray bytes;
        int records;
        QString owner;       // not checked when null
        qsizetype memoChars; // of the first record's morning memo
    } cases[] = {
        {"binary", binary, 0, QString(), 0},
        {"NUL bytes", nul, 1, QString::fromLatin1("Sa\0m", 4), 3},
        {"10,000 fields", kHeader + manyFields + "\r\n", 1, QStringLiteral("Sample"), 1},
        {"10,000 header fields", manyHeaderFields + "\r\n" + day + "\r\n", 1, QStringLiteral("Wide"), 0},
        {"100 MB in one line", hugeLine, 0, QStringLiteral("2004/05/06"), 0},
        {"100 MB record line", kHeader + hugeLine + "\r\n", 1, QStringLiteral("Sample"), 100 * 1024 * 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DiaryFixture f;
        Stopwatch watch;
        ASSERT_TRUE(f.Read(c.bytes));
        const std::string read = watch.Lap();
        EXPECT_TRUE(f.messages.Messages().empty());
        ASSERT_EQ(f.diary.Records.Count(), c.records);
        if (!c.owner.isNull()) {
            EXPECT_EQ(f.diary.Owner.ProfileName, c.owner);
        }
        if (c.records > 0) {
            EXPECT_EQ(f.diary.Records.Item(1).Slot[0].Memo.size(), c.memoChars);
        }
        const QByteArray written = f.WriteBack();
        const std::string write = watch.Lap();
        DiaryFixture back;
        ASSERT_TRUE(back.Read(written));
        EXPECT_EQ(back.diary.Records.Records(), f.diary.Records.Records());
        EXPECT_TRUE(back.WriteBack() == written);
        std::printf("[          ] %s, %lld bytes: read in %s; written in %s\n", c.name,
                    static_cast<long long>(c.bytes.size()), read.c_str(), write.c_str());
    }
}

// 1899-12-30 is day 0, the date a time of day alone also reads as: the day itself is kept.
TEST(ReadFaults, TheLastDayButOneOf1899IsADay)
{
    const QByteArray text = kHeader + "1899/12/29,07:30,065.40,22.6,,,,,\r\n"
                                      "1899/12/30,07:30,065.50,22.7,,,,,\r\n"
                                      "1899/12/31,07:30,065.60,22.7,,,,,\r\n";
    DiaryFixture f;
    ASSERT_TRUE(f.Read(text + "07:30,07:30,065.40,22.6,,,,,\r\n"));
    ASSERT_EQ(f.diary.Records.Count(), 3);
    EXPECT_EQ(f.diary.Records.Item(2).DayNumber, 0);
    EXPECT_EQ(f.WriteBack(), text);
}

TEST(ReadFaults, AMillionLines)
{
    constexpr int kDays = 1000000;
    QByteArray text = kHeader;
    text.reserve(40 * kDays);
    QDate date(1800, 1, 1);
    for (int i = 0; i < kDays; ++i, date = date.addDays(1)) {
        text += date.toString(QStringLiteral("yyyy/MM/dd")).toLatin1();
        text += i % 2 ? ",07:30,065.40,22.6,,21:10,066.10,22.9,\r\n" : ",06:45,064.90,22.5,run,,,,\r\n";
    }
    DiaryFixture f;
    Stopwatch watch;
    ASSERT_TRUE(f.Read(text));
    const std::string read = watch.Lap();
    ASSERT_EQ(f.diary.Records.Count(), kDays);
    EXPECT_EQ(f.diary.CurrentIndex, kDays);
    EXPECT_EQ(f.diary.ListFirst, kDays - 3);
    EXPECT_EQ(f.period.PeriodStart, QDate(4537, 11, 1));
    EXPECT_EQ(f.WriteBack(), text);
    std::printf("[          ] 1,000,000 lines, %lld bytes: read in %s; written in %s\n",
                static_cast<long long>(text.size()), read.c_str(), watch.Lap().c_str());
}

// Settings files with garbage, numbers out of every range, and a store that cannot be written:
// the defaults stand in, and saving fails silently.
TEST(SettingsFaults, GarbageHugeAndNegativeValues)
{
    const struct {
        QByteArray ini;
        int port, scheme, bmiMax, months;
    } cases[] = {
        {QByteArray("\x00\xff\xfe garbage \x01\x02\n[[[\n=\n[CommSet\nPort\n", 35), 1, 1, 35, 1},
        {"[CommSet]\nPort=99999999999999999999999999\n[ColorFlg]\nFlg=-1e308\n[BmiScale]\nMax=-50\n"
         "[TrendScale]\nMonth=-3\n",
         1, 1, 35, 1},
        {"[CommSet]\nPort=nan\n[ColorFlg]\nFlg=inf\n[BmiScale]\nMax=50.4\n[TrendScale]\nMonth=3e0\n", 1, 1,
         50, 3},
        {"[CommSet]\nPort=" + QByteArray(1 << 20, '9') + "\n[ColorFlg]\nFlg=" + QByteArray(1 << 20, '-') +
             "\n",
         1, 1, 35, 1},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const QString ini = folder.Write(QStringLiteral("Tarvel.ini"), c.ini);
        IniSettingsStore store(ini);
        Settings settings;
        settings.Load(store);
        EXPECT_EQ(settings.PortNo, c.port) << c.ini.left(80).toStdString();
        EXPECT_EQ(settings.ColorScheme, c.scheme) << c.ini.left(80).toStdString();
        EXPECT_EQ(settings.BmiScaleMax, c.bmiMax) << c.ini.left(80).toStdString();
        EXPECT_EQ(settings.TrendMonths, c.months) << c.ini.left(80).toStdString();
        EXPECT_EQ(settings.RecentPath, (std::array<QString, 3>{}));
    }
}

TEST(SettingsFaults, AStoreThatCannotBeWrittenIsSkippedSilently)
{
    TempFolder folder;
    folder.Write(QStringLiteral("file"), "x");
    // A folder where the settings file should be, and a settings file under a regular file.
    ASSERT_TRUE(QDir().mkpath(folder.File(QStringLiteral("dir.ini"))));
    for (const QString& ini :
         {folder.File(QStringLiteral("dir.ini")), folder.File(QStringLiteral("file/Tarvel.ini"))}) {
        IniSettingsStore store(ini);
        Settings settings;
        settings.PortNo = 3;
        settings.RecentPath[0] = QStringLiteral("/a.ov1");
        settings.SaveSettings(store);
        Settings::MarkFileTypeRegistered(store);
        // Nothing reached the disk, and the run goes on with what it had.
        EXPECT_TRUE(QFileInfo(folder.File(QStringLiteral("dir.ini"))).isDir());
        EXPECT_EQ(FilesIn(folder.File(QStringLiteral("dir.ini"))), QStringList());
        EXPECT_EQ(ReadBytes(folder.File(QStringLiteral("file"))), QByteArray("x"));
        Settings again;
        again.Load(store);
        EXPECT_EQ(again.PortNo, 3) << ini.toStdString();
    }
}

} // namespace
