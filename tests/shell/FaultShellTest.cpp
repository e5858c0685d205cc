// Faults met by the whole window: disks and folders that refuse the diary, the backup and the
// settings, an error log that cannot be written, and huge or damaged diaries. Each ends in a message
// or in silence, and the diary in memory survives it.

#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/FileTypeRegistry.h"
#include "platform/Folders.h"
#include "platform/MessageService.h"
#include "platform/PictureButton.h"
#include "platform/SettingsStore.h"
#include "platform/TextTable.h"
#include "shell/MainMenus.h"
#include "store/DiaryFile.h"
#include "support/FakeSerialPort.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrinterDialog.h"
#include "support/ShellFixture.h"
#include "support/Stopwatch.h"
#include "support/TempFolder.h"
#include "support/WriteFaults.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tarvel;
using tarvel::testing::Caption;
using tarvel::testing::FakeSerialPort;
using tarvel::testing::FileSizeLimit;
using tarvel::testing::PermissionsStopWrites;
using tarvel::testing::ReadBytes;
using tarvel::testing::ScriptedFileDialogs;
using tarvel::testing::ScriptedMessages;
using tarvel::testing::ScriptedPrinterDialog;
using tarvel::testing::Shell;
using tarvel::testing::Stopwatch;
using tarvel::testing::TempFolder;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

const QByteArray kBeaDiary("Bea,160.0,2,,,,,,,,,,,\r\n2004/05/06,07:30,055.00,21.5,,,,,\r\n");

// A folder that refuses files in the way a case asks, undone when it goes.
class FolderFault {
public:
    enum Kind { ReadOnly, FullDisk, FolderIsAFile, PathIsAFolder };

    // Root writes into a read-only folder; a full disk stands in for it then.
    static Kind Effective(Kind kind)
    {
        return kind == ReadOnly && !PermissionsStopWrites() ? FullDisk : kind;
    }

    FolderFault(Kind kind, const QString& folder, const QString& file)
        : m_kind(Effective(kind)), m_folder(folder)
    {
        switch (m_kind) {
        case ReadOnly:
            m_readOnly = std::make_unique<tarvel::testing::ReadOnlyFolder>(folder);
            break;
        case FullDisk:
            m_limit = std::make_unique<FileSizeLimit>(0);
            break;
        case FolderIsAFile:
            QDir(folder).removeRecursively();
            QFile(folder).open(QIODevice::WriteOnly);
            break;
        case PathIsAFolder:
            QFile::remove(file);
            QDir().mkpath(file + U("/inside"));
            break;
        }
    }
    ~FolderFault() { Lift(); }

    void Lift()
    {
        m_limit.reset();
        m_readOnly.reset();
        if (m_kind == FolderIsAFile && QFileInfo(m_folder).isFile()) {
            QFile::remove(m_folder);
            QDir().mkpath(m_folder);
        }
    }

private:
    Kind m_kind;
    QString m_folder;
    std::unique_ptr<FileSizeLimit> m_limit;
    std::unique_ptr<tarvel::testing::ReadOnlyFolder> m_readOnly;
};

// Save, Save as and the backup of Save data, each where the disk refuses the file: the user reads
// "Data file cannot be saved.", the diary keeps its name, its records and its unsaved mark, the old
// file is whole, and once the fault is gone the same diary is saved completely.
TEST(FaultShellTest, SaveSaveAsAndBackupWhereTheDiskRefuses)
{
    enum Command { Save, SaveAs, Backup };
    const struct {
        Command command;
        FolderFault::Kind fault;
        const char* name;
    } cases[] = {
        {Save, FolderFault::ReadOnly, "Save, read-only folder"},
        {Save, FolderFault::FullDisk, "Save, full disk"},
        {SaveAs, FolderFault::ReadOnly, "Save as, read-only folder"},
        {SaveAs, FolderFault::FullDisk, "Save as, full disk"},
        {SaveAs, FolderFault::FolderIsAFile, "Save as, the folder is a file"},
        {SaveAs, FolderFault::PathIsAFolder, "Save as, the path names a folder"},
        {Backup, FolderFault::ReadOnly, "backup, read-only program folder"},
        {Backup, FolderFault::FullDisk, "backup, full disk"},
        {Backup, FolderFault::FolderIsAFile, "backup, the program folder is a file"},
        {Backup, FolderFault::PathIsAFolder, "backup, TV_Backup is a folder"},
    };
    if (!PermissionsStopWrites())
        std::printf(
            "[          ] folder permissions do not stop this user: a full disk stands in for them\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shell s;
        ASSERT_TRUE(QDir(s.temp.Path()).mkpath(U("diaries")));
        const QString bea = s.temp.Write(U("diaries/bea.ov1"), kBeaDiary);
        MainWindow& w = s.Start(c.command == Save ? bea : QString());
        s.AddDay("65.4", "2026/12/05");
        ASSERT_TRUE(s.Texts().isEmpty());
        const QString title = Caption(w);
        const int records = s.State().Records.Count();
        const QByteArray backup = ReadBytes(s.Backup());
        const QString target = c.command == Save     ? bea
                               : c.command == SaveAs ? s.temp.File(U("diaries/new.ov1"))
                                                     : s.Backup();
        const QString folder = QFileInfo(target).absolutePath();
        const QByteArray old = ReadBytes(target);
        {
            FolderFault fault(c.fault, folder, target);
            switch (c.command) {
            case Save:
                s.Command("saveDiary");
                break;
            case SaveAs:
                s.dialogs.Script(target);
                s.Command("saveDiaryAs");
                break;
            case Backup:
                s.AddDay("65.2", "2026/12/06");
                break;
            }
            EXPECT_EQ(s.Texts(), QStringList{LoadText(738)});
            EXPECT_EQ(Caption(w), title);
            EXPECT_TRUE(s.State().DataChanged);
            EXPECT_EQ(s.State().Records.Count(), records + (c.command == Backup ? 1 : 0));
            if (c.command != Backup) {
                EXPECT_EQ(ReadBytes(s.Backup()), backup); // the backup still holds the unsaved day
            }
            const FolderFault::Kind kind = FolderFault::Effective(c.fault);
            if (kind == FolderFault::ReadOnly || kind == FolderFault::FullDisk) {
                EXPECT_EQ(ReadBytes(target), old);
            }
        }
        // The fault is gone: the diary in memory is saved whole.
        const QString saved = s.temp.File(U("diaries/saved.ov1"));
        s.dialogs.Script(saved);
        s.Command(c.command == Save ? "saveDiary" : "saveDiaryAs");
        const QString written = c.command == Save ? bea : saved;
        EXPECT_EQ(s.Texts().size(), 1);
        EXPECT_FALSE(s.State().DataChanged);
        EXPECT_TRUE(ReadBytes(written).contains("\r\n2026/12/05,07:30,065.40,"));
        if (c.command == Backup) {
            EXPECT_TRUE(ReadBytes(written).contains("2026/12/06,07:30,065.20,22.6,,,,,\r\n"));
        }
    }
}

// A backup that is a folder at start-up holds nothing to recall. Storing a day then either writes
// the backup (start-up put the folder aside) or says the file cannot be saved; the day stays in
// memory for Save as, and the folder's content is not lost.
TEST(FaultShellTest, ABackupThatIsAFolder)
{
    Shell s;
    ASSERT_TRUE(QDir().mkpath(s.Backup() + U("/inside")));
    MainWindow& w = s.Start();
    // An unreadable backup is no diary to recall, and no error either.
    EXPECT_TRUE(s.Texts().isEmpty()) << s.Texts().join(U(" | ")).toStdString();
    const qsizetype atStart = s.Texts().size();
    s.AddDay("65.4", "2026/12/05");
    EXPECT_EQ(s.State().Records.Count(), 1);
    EXPECT_TRUE(s.State().DataChanged);
    const QStringList saving = s.Texts().mid(atStart);
    if (QFileInfo(s.Backup()).isFile()) {
        EXPECT_TRUE(saving.isEmpty() && BackupHoldsData(s.Backup()));
    } else {
        EXPECT_EQ(saving, QStringList{LoadText(738)});
    }
    const qsizetype shown = s.Texts().size();

    const QString saved = s.temp.File(U("saved.ov1"));
    s.dialogs.Script(saved);
    s.Command("saveDiaryAs");
    EXPECT_EQ(ReadBytes(saved),
              QByteArray("Ann,170.0,0,,,,,,,,,,,\r\n2026/12/05,07:30,065.40,22.6,,,,,\r\n"));
    EXPECT_TRUE(w.close());
    EXPECT_EQ(s.Texts().size(), shown);
    QStringList kept;
    QDirIterator it(s.folders.AppFolder(), {U("inside")}, QDir::Dirs, QDirIterator::Subdirectories);
    while (it.hasNext())
        kept << it.next();
    EXPECT_EQ(kept.size(), 1);
}

// An error log that cannot be written (a folder in its place) and a port that fails to open: the
// user is told about the port, the log is skipped silently, and the program runs on.
TEST(FaultShellTest, AnErrorLogThatCannotBeWritten)
{
    Shell s;
    const QString log = s.folders.AppFolder() + U("ErrLog.txt");
    ASSERT_TRUE(QDir().mkpath(log));
    s.scalePort.Script(1, {8002, U("Invalid port number")});
    MainWindow& w = s.Start();
    EXPECT_EQ(s.Texts(), QStringList{LoadText(725) + kCrLf + LoadText(726)});
    EXPECT_TRUE(QFileInfo(log).isDir());
    s.AddDay("65.4", "2026/12/05");
    EXPECT_EQ(s.State().Records.Count(), 1);
    EXPECT_TRUE(BackupHoldsData(s.Backup()));
    EXPECT_EQ(Caption(w), U("Tarvel"));
}

// A settings file full of garbage gives the defaults; a settings file that cannot be written is
// skipped silently at shut-down.
TEST(FaultShellTest, SettingsFileThatCannotBeWritten)
{
    Shell unwritable;
    ASSERT_TRUE(QDir().mkpath(unwritable.ini));
    MainWindow& u = unwritable.Start();
    EXPECT_TRUE(unwritable.Texts().isEmpty());
    EXPECT_TRUE(u.close());
    EXPECT_TRUE(QFileInfo(unwritable.ini).isDir());
    EXPECT_FALSE(QFile::exists(unwritable.Backup()));
    EXPECT_TRUE(unwritable.Texts().isEmpty());
}

// Diaries too big or too damaged for the usual: a folder, a binary file, a million lines and a
// 100 MB line open without a hang, show the last day, page, and save what was read.
TEST(FaultShellTest, HugeAndDamagedDiariesOpenShowPageAndSave)
{
    QByteArray million = "Ann,170.0,1,,,,,,,,,,,\r\n";
    million.reserve(40 * 1000000);
    QDate date(1800, 1, 1);
    for (int i = 0; i < 1000000; ++i, date = date.addDays(1))
        million +=
            date.toString(U("yyyy/MM/dd")).toLatin1() + ",07:30,065.40,22.6,run,21:10,066.10,22.9,\r\n";
    const QByteArray hugeMemo = "Ann,170.0,1,,,,,,,,,,,\r\n2004/05/06,07:30,065.40,22.6," +
                                QByteArray(100 * 1024 * 1024, 'w') + ",,,,\r\n";

    const struct {
        const char* name;
        QByteArray bytes;
        int records;
    } cases[] = {
        {"1,000,000 lines", million, 1000000},
        {"100 MB line", hugeMemo, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shell s;
        const QString path = s.temp.Write(U("big.ov1"), c.bytes);
        Stopwatch watch;
        MainWindow& w = s.Start(path);
        const std::string open = watch.Lap();
        EXPECT_TRUE(s.Texts().isEmpty());
        ASSERT_EQ(s.State().Records.Count(), c.records);
        EXPECT_EQ(Caption(w), U("Tarvel [big.ov1]"));
        if (c.records > 1) {
            EXPECT_EQ(s.Controls().date->text(), date.addDays(-1).toString(U("yyyy/M/d")));
            for (int i = 0; i < 3; ++i)
                QTest::mouseClick(s.Controls().previous, Qt::LeftButton);
            QTest::mouseClick(s.Controls().next, Qt::LeftButton);
            EXPECT_EQ(s.State().CurrentIndex, c.records - 2);
            EXPECT_EQ(s.Controls().date->text(), date.addDays(-3).toString(U("yyyy/M/d")));
        }
        const std::string page = watch.Lap();
        s.Command("saveDiary");
        const std::string save = watch.Lap();
        EXPECT_EQ(s.Texts().size(), 0);
        EXPECT_FALSE(s.State().DataChanged);
        if (c.records > 0) {
            EXPECT_TRUE(ReadBytes(path) == c.bytes); // the file was already in the writer's layout
        }
        std::printf("[          ] %s: opened and shown in %s; paged in %s; saved in %s\n", c.name,
                    open.c_str(), page.c_str(), save.c_str());
    }

    // A folder named on the command line: "Data file cannot be opened." and an empty diary without a
    // name, so that Save asks for one instead of writing over the folder.
    Shell s;
    const QString folder = s.temp.File(U("folder.ov1"));
    ASSERT_TRUE(QDir().mkpath(folder));
    s.Start(folder);
    EXPECT_EQ(s.Texts(), QStringList{LoadText(700)});
    EXPECT_TRUE(s.State().IsUnnamed());
    s.AddDay("65.4", "2026/12/05");
    s.dialogs.Script(QString());
    s.Command("saveDiary");
    ASSERT_EQ(s.dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(s.dialogs.Dialogs()[0].kind, ScriptedFileDialogs::Save);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
