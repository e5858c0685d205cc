#include "scale/ErrorLog.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;

namespace {

QDateTime At(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// Day first, "-" between the date parts and "." in the time: a layout no real locale needs, so the
// log's own order (year first) and the separators can each be told apart.
LocaleFormats DashesAndDots()
{
    LocaleFormats formats;
    formats.DayPos = 1;
    formats.MonthPos = 2;
    formats.YearPos = 3;
    formats.DateSep1 = QLatin1Char('-');
    formats.DateSep2 = QLatin1Char('-');
    formats.TimeSep = QLatin1Char('.');
    formats.BuildFormats();
    return formats;
}

TEST(ErrorLog, LivesInTheAppFolderWithOneSlash)
{
    TempFolder folder;
    FixedClock clock(At(2026, 12, 6, 9, 5));
    const LocaleFormats formats;
    const QString expected = folder.Path() + QStringLiteral("/ErrLog.txt");
    EXPECT_EQ(ErrorLog(folder.Path(), clock, formats).Path(), expected);
    EXPECT_EQ(ErrorLog(folder.Path() + QLatin1Char('/'), clock, formats).Path(), expected);
}

TEST(ErrorLog, EntryLayout)
{
    const LocaleFormats plain;
    const LocaleFormats german = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    const LocaleFormats dashes = DashesAndDots();
    const struct {
        const char* what;
        const LocaleFormats& formats;
        QDateTime now;
        int errorNumber;
        const char* description;
        const char* tag;
        int port;
        const char* line;
    } cases[] = {
        {"the usual entry", plain, At(2026, 12, 6, 9, 5), 8005, "Port already open", "MainForm-Form_Load 1",
         16, "[2026/12/06 09:05] (MainForm-Form_Load 1) No.=8005 Msg=Port already open Port=16\r\n"},
        {"German separators, still year first", german, At(2026, 12, 6, 9, 5), 8005, "Port already open",
         "MainForm-Form_Load 1", 16,
         "[2026.12.06 09:05] (MainForm-Form_Load 1) No.=8005 Msg=Port already open Port=16\r\n"},
        {"other separators, still year first", dashes, At(2026, 1, 2, 3, 4), 8002, "Invalid port number",
         "PortSet", 3, "[2026-01-02 03.04] (PortSet) No.=8002 Msg=Invalid port number Port=3\r\n"},
        {"padding of the time stamp only; seconds dropped", plain, At(2007, 3, 4, 0, 0, 59), 0, "", "T", 1,
         "[2007/03/04 00:00] (T) No.=0 Msg= Port=1\r\n"},
        {"late in the day", plain, At(2026, 10, 31, 23, 59, 59), 8015, "Timeout", "Recv", 10,
         "[2026/10/31 23:59] (Recv) No.=8015 Msg=Timeout Port=10\r\n"},
        {"negative numbers", plain, At(2026, 12, 6, 9, 5), -2147467259, "Access denied", "Open", -1,
         "[2026/12/06 09:05] (Open) No.=-2147467259 Msg=Access denied Port=-1\r\n"},
        {"description and tag are not quoted or escaped", plain, At(2026, 12, 6, 9, 5), 8012,
         "Device \"COM3\", not open [see log]", "Form (2)", 3,
         "[2026/12/06 09:05] (Form (2)) No.=8012 Msg=Device \"COM3\", not open [see log] Port=3\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        FixedClock clock(c.now);
        const ErrorLog log(folder.Path(), clock, c.formats);
        log.WriteErrLog(c.errorNumber, QString::fromUtf8(c.description), QString::fromUtf8(c.tag), c.port);
        EXPECT_EQ(ReadBytes(folder.File(QStringLiteral("ErrLog.txt"))), QByteArray(c.line)) << c.what;
    }
}

TEST(ErrorLog, EntriesAppendInOrder)
{
    TempFolder folder;
    FixedClock clock(At(2026, 12, 6, 9, 5, 10));
    const LocaleFormats formats;
    const ErrorLog log(folder.Path() + QLatin1Char('/'), clock, formats);

    log.WriteErrLog(8005, QStringLiteral("Port already open"), QStringLiteral("Open"), 2);
    clock.Set(At(2026, 12, 6, 9, 5, 50)); // the same minute: the same time stamp
    log.WriteErrLog(8002, QStringLiteral("Invalid port number"), QStringLiteral("Open"), 2);
    clock.Set(At(2026, 12, 6, 9, 6, 0));
    log.WriteErrLog(8015, QStringLiteral("Timeout"), QStringLiteral("Recv"), 2);

    EXPECT_EQ(ReadBytes(log.Path()),
              QByteArray("[2026/12/06 09:05] (Open) No.=8005 Msg=Port already open Port=2\r\n"
                         "[2026/12/06 09:05] (Open) No.=8002 Msg=Invalid port number Port=2\r\n"
                         "[2026/12/06 09:06] (Recv) No.=8015 Msg=Timeout Port=2\r\n"));
}

TEST(ErrorLog, AppendsToALogAlreadyThere)
{
    TempFolder folder;
    const QByteArray earlier = "[2026/12/05 18:00] (Open) No.=8005 Msg=Port already open Port=2\r\n";
    folder.Write(QStringLiteral("ErrLog.txt"), earlier);
    FixedClock clock(At(2026, 12, 6, 9, 5));
    const LocaleFormats formats;
    const ErrorLog log(folder.Path(), clock, formats);
    log.WriteErrLog(8015, QStringLiteral("Timeout"), QStringLiteral("Recv"), 2);
    EXPECT_EQ(ReadBytes(log.Path()), earlier + "[2026/12/06 09:05] (Recv) No.=8015 Msg=Timeout Port=2\r\n");
}

TEST(ErrorLog, AnUnwritableLogIsSkippedSilently)
{
    TempFolder folder;
    FixedClock clock(At(2026, 12, 6, 9, 5));
    const LocaleFormats formats;

    // The app folder does not exist: nothing is created, neither the folder nor the log.
    const QString missing = folder.File(QStringLiteral("gone"));
    const ErrorLog nowhere(missing, clock, formats);
    nowhere.WriteErrLog(8005, QStringLiteral("Port already open"), QStringLiteral("Open"), 1);
    EXPECT_FALSE(QFileInfo::exists(missing));

    // ErrLog.txt is a folder: it stays one, and a later entry after it is fixed is written.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("ErrLog.txt")));
    const ErrorLog blocked(folder.Path(), clock, formats);
    blocked.WriteErrLog(8005, QStringLiteral("Port already open"), QStringLiteral("Open"), 1);
    EXPECT_TRUE(QFileInfo(blocked.Path()).isDir());
    ASSERT_TRUE(QDir(folder.Path()).rmdir(QStringLiteral("ErrLog.txt")));
    blocked.WriteErrLog(8015, QStringLiteral("Timeout"), QStringLiteral("Recv"), 1);
    EXPECT_EQ(ReadBytes(blocked.Path()),
              QByteArray("[2026/12/06 09:05] (Recv) No.=8015 Msg=Timeout Port=1\r\n"));
}

TEST(ErrorLog, DeleteRemovesTheLogAndAMissingLogIsFine)
{
    TempFolder folder;
    folder.Write(QStringLiteral("TV_Backup"), "keep\r\n");
    FixedClock clock(At(2026, 12, 6, 9, 5));
    const LocaleFormats formats;
    const ErrorLog log(folder.Path(), clock, formats);

    log.Delete(); // nothing to delete yet
    EXPECT_FALSE(QFileInfo::exists(log.Path()));

    log.WriteErrLog(8005, QStringLiteral("Port already open"), QStringLiteral("Open"), 1);
    ASSERT_TRUE(QFileInfo::exists(log.Path()));
    log.Delete();
    EXPECT_FALSE(QFileInfo::exists(log.Path()));
    log.Delete();
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("TV_Backup")});

    // After a delete the next entry starts a fresh log.
    clock.Set(At(2026, 12, 6, 9, 7));
    log.WriteErrLog(8015, QStringLiteral("Timeout"), QStringLiteral("Recv"), 1);
    EXPECT_EQ(ReadBytes(log.Path()), QByteArray("[2026/12/06 09:07] (Recv) No.=8015 Msg=Timeout Port=1\r\n"));
}

} // namespace
