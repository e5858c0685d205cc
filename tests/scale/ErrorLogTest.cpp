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

TEST(ErrorLog, EntryLayout)
{
    const LocaleFormats plain;
    const LocaleFormats german = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    const struct {
        const LocaleFormats& formats;
        QDateTime now;
        int errorNumber;
        const char *description, *tag;
        int port;
        const char* line;
    } cases[] = {
        {plain, At(2026, 12, 6, 9, 5), 8005, "Port already open", "MainForm-Form_Load 1", 16,
         "[2026/12/06 09:05] (MainForm-Form_Load 1) No.=8005 Msg=Port already open Port=16\r\n"},
        // The locale's separators, but always year first; seconds are dropped.
        {german, At(2007, 3, 4, 0, 0, 59), 8005, "Port already open", "MainForm-Set_Com 3", 1,
         "[2007.03.04 00:00] (MainForm-Set_Com 3) No.=8005 Msg=Port already open Port=1\r\n"},
        // The description is written as it is, without quoting or escaping.
        {plain, At(2026, 12, 6, 9, 5), -2147467259, "Device \"x\", not open [see log]", "Open", -1,
         "[2026/12/06 09:05] (Open) No.=-2147467259 Msg=Device \"x\", not open [see log] Port=-1\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        FixedClock clock(c.now);
        const ErrorLog log(folder.Path(), clock, c.formats);
        log.WriteErrLog(c.errorNumber, QString::fromUtf8(c.description), QString::fromUtf8(c.tag), c.port);
        EXPECT_EQ(ReadBytes(folder.File(QStringLiteral("ErrLog.txt"))), QByteArray(c.line)) << c.line;
    }
}

TEST(ErrorLog, EntriesAppendUntilTheLogIsDeletedAndAnUnwritableLogIsSkipped)
{
    TempFolder folder;
    const QByteArray earlier = "[2026/12/05 18:00] (Open) No.=8005 Msg=Port already open Port=2\r\n";
    folder.Write(QStringLiteral("ErrLog.txt"), earlier);
    FixedClock clock(At(2026, 12, 6, 9, 5, 10));
    const LocaleFormats formats;
    // A folder given with its trailing "/" gives no doubled "/".
    const ErrorLog log(folder.Path() + QLatin1Char('/'), clock, formats);
    EXPECT_EQ(log.Path(), folder.Path() + QStringLiteral("/ErrLog.txt"));
    log.WriteErrLog(8002, QStringLiteral("Invalid port number"), QStringLiteral("Open"), 2);
    EXPECT_EQ(ReadBytes(log.Path()),
              earlier + "[2026/12/06 09:05] (Open) No.=8002 Msg=Invalid port number Port=2\r\n");
    log.Delete();
    EXPECT_FALSE(QFileInfo::exists(log.Path()));
    log.Delete(); // a missing log is no error
    log.WriteErrLog(8015, QStringLiteral("Timeout"), QStringLiteral("Recv"), 2);
    EXPECT_EQ(ReadBytes(log.Path()), QByteArray("[2026/12/06 09:05] (Recv) No.=8015 Msg=Timeout Port=2\r\n"));

    const QString missing = folder.File(QStringLiteral("gone"));
    ErrorLog(missing, clock, formats).WriteErrLog(8005, QStringLiteral("x"), QStringLiteral("Open"), 1);
    EXPECT_FALSE(QFileInfo::exists(missing)); // neither the folder nor the log is created
    log.Delete();
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("ErrLog.txt")));
    log.WriteErrLog(8005, QStringLiteral("x"), QStringLiteral("Open"), 1);
    EXPECT_TRUE(QFileInfo(log.Path()).isDir());
}

} // namespace
