#include "store/Leftovers.h"

#include "platform/LocaleFormats.h"
#include "platform/SafeFile.h"
#include "store/DiaryFile.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;

namespace {

// Start-up removes only the temporary files the program's own saves leave, never a file of the user.
// The writer's temporary file is hidden beside the target and goes with a failed write; one that a
// killed save left is what start-up removes.
TEST(Leftovers, RemoveInterruptedSavesTakesOnlyOurTemporaryFiles)
{
    TempFolder folder;
    QString temporary;
    const QString mine = folder.Write(QStringLiteral("mine.ov1"), "old");
    EXPECT_FALSE(WriteFileSafely(mine, [&temporary](QIODevice& out) {
        temporary = static_cast<QFileDevice&>(out).fileName();
        return false;
    }));
    EXPECT_FALSE(QFile::exists(temporary));
    EXPECT_TRUE(QFileInfo(temporary).fileName().startsWith(QLatin1Char('.'))) << temporary.toStdString();
    folder.Write(QFileInfo(temporary).fileName(), "left by a killed save");
    QDir(folder.Path()).mkdir(QStringLiteral(".mine.ov1.tarvel-QwErTy"));
    QFile::link(mine, folder.File(QStringLiteral(".mine.ov1.tarvel-AsDfGh")));
    const struct {
        const char* name;
        bool removed;
    } files[] = {
        {".mine.ov1.tarvel-faTN9F", true},   {".mine.ov1.tarvel-000000", true},
        {"mine.ov1.faTNvF", false},          {".mine.ov1.tarvel-abcde", false},
        {".mine.ov1.tarvel-abcdefg", false}, {".mine.ov1.tarvel-ab-cde", false},
        {"mine.ov1.tarvel-abcdef", false},   {".other.ov1.tarvel-abcdef", false},
    };
    for (const auto& f : files)
        folder.Write(QString::fromUtf8(f.name), "data");

    const QStringList removed = RemoveInterruptedSaves(folder.Path() + QLatin1Char('/'), QStringLiteral("mine.ov1"));

    for (const auto& f : files) {
        const QString path = folder.File(QString::fromUtf8(f.name));
        EXPECT_EQ(QFile::exists(path), !f.removed) << f.name;
        EXPECT_EQ(removed.contains(path), f.removed) << f.name;
    }
    EXPECT_TRUE(removed.contains(temporary) && !QFile::exists(temporary) && removed.size() == 3)
        << removed.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo(folder.File(QStringLiteral(".mine.ov1.tarvel-QwErTy"))).isDir());
    EXPECT_TRUE(QFileInfo(folder.File(QStringLiteral(".mine.ov1.tarvel-AsDfGh"))).isSymLink());
}

// What start-up makes of the backup: one that cannot be read goes aside under the first free name,
// anything the reader can use stays; then only a backup with more than the empty diary is offered.
TEST(Leftovers, KeepAsideUnreadableBackup)
{
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP")));
    const QByteArray diary = "Sample,170.0,1,,,,,,,,,,,\r\n2004/05/06,07:30,065.40,22.6,,,,,\r\n";
    const QDateTime now(QDate(2026, 12, 6), QTime(9, 5, 7));
    const struct {
        const char* what;
        QByteArray bytes; // null: nothing there; "/": a folder
        bool holds;       // BackupHoldsData afterwards
        int aside = 0;    // 0: it stays; n: it goes under the n-th name ("-n" from the second on)
        int taken = 0;    // names already taken by earlier unreadable backups
    } cases[] = {
        {"missing", QByteArray(), false},
        {"empty diary line", "-----,-----,-,,,,,,,,,,,,\r\n", false},
        {"diary", diary, true, 0, 2},
        {"diary with a tail of NUL bytes", diary + QByteArray(512, '\0'), true},
        {"NUL bytes only", QByteArray(4096, '\0'), false, 1},
        {"picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false, 3, 2},
        {"folder", "/", false, 1},
    };
    auto asideName = [](int n) {
        return QStringLiteral("TV_Backup.unreadable-20261206-090507") + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const QString backup = folder.File(QStringLiteral("TV_Backup"));
        for (int n = 1; n <= c.taken; ++n)
            folder.Write(asideName(n), "earlier");
        if (c.bytes == "/")
            QDir(folder.Path()).mkdir(QStringLiteral("TV_Backup"));
        else if (!c.bytes.isNull())
            folder.Write(QStringLiteral("TV_Backup"), c.bytes);

        const QString aside = KeepAsideUnreadableBackup(backup, formats, now);

        EXPECT_EQ(aside, c.aside ? folder.File(asideName(c.aside)) : QString());
        EXPECT_EQ(QFileInfo::exists(backup), !c.aside && !c.bytes.isNull());
        EXPECT_EQ(BackupHoldsData(backup), c.holds);
        EXPECT_TRUE(c.bytes == "/" || !c.aside || ReadBytes(aside) == c.bytes);
        EXPECT_TRUE(c.taken == 0 || ReadBytes(folder.File(asideName(1))) == "earlier");
    }
}

} // namespace
