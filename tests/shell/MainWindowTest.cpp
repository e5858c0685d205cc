// The main window as a user meets it: a day typed and saved, the backup offered at start, a diary
// named on the command line, unsaved work guarded, a full disk, the tab prompt, the scale, printing,
// the schemes on light and dark desktops, what a screen reader hears.

#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "platform/Translations.h"
#include "platform/WindowFont.h"
#include "shell/FileCommands.h"
#include "shell/Schemes.h"
#include "support/ShellFixture.h"
#include "support/WriteFaults.h"
#include "views/ListView.h"
#include "views/TrendView.h"
#include "views/Views.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

using namespace tarvel;
using namespace tarvel::testing;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kEmptyBackup("-----,-----,-,,,,,,,,,,,,\r\n");
// A diary of Bea's with one morning weighing on 2004-05-06.
const QByteArray kBeaDiary("Bea,160.0,2,,,,,,,,,,,\r\n2004/05/06,07:30,055.00,21.5,,,,,\r\n");

// The question before an unsaved diary without a name is given up.
const QString kUnsavedQuestion = LoadText(TextId::FileIsNotSaved) + kCrLf + LoadText(TextId::SaveTheFile) +
                                 kCrLf + kCrLf + LoadText(TextId::DataLostIfNotSaved);

// Types a morning weight on the page, with Ann's profile when none is filled in, and presses Save data.
void AddDay(const Shell& s, const QString& weight)
{
    const PageControls c = s.Controls();
    if (c.name->text().isEmpty()) {
        QTest::keyClicks(c.name, u"Ann"_s);
        QTest::keyClicks(c.height, u"170"_s);
    }
    QTest::keyClicks(c.weight[0], weight);
    QTest::mouseClick(c.save, Qt::LeftButton);
}

TEST(MainWindowTest, TypicalDayIsBackedUpThenSavedUnderAName)
{
    Shell s;
    MainWindow& w = s.Start();
    EXPECT_EQ(ReadBytes(s.Backup()), kEmptyBackup);
    const PageControls page = s.Controls();
    QTest::keyClicks(page.name, u"Ann"_s);
    QTest::keyClicks(page.height, u"170"_s);
    QTest::mouseClick(page.male, Qt::LeftButton);
    QTest::keyClicks(page.weight[0], u"65.4"_s);
    QTest::mouseClick(page.bmiButton[0], Qt::LeftButton);
    EXPECT_EQ(s.Caption(), u"Tarvel *"_s);
    QTest::mouseClick(page.save, Qt::LeftButton);

    const QByteArray day("Ann,170.0,1,,,,,,,,,,,\r\n2026/12/06,10:00,065.40,22.6,,,,,\r\n");
    EXPECT_EQ(ReadBytes(s.Backup()), day);
    EXPECT_TRUE(s.State().isModified());
    // The leading "*" says the diary holds changes its file lacks.
    EXPECT_EQ(s.Caption(), u"*Tarvel"_s);

    const QString path = s.temp.File(u"mine.ov1"_s);
    s.dialogs.Script(path);
    s.Command("saveDiary");
    EXPECT_EQ(ReadBytes(path), day);
    EXPECT_EQ(s.Caption(), u"Tarvel [mine.ov1]"_s);
    EXPECT_FALSE(QFile::exists(s.Backup()));
    // A diary without a file is saved from the documents folder, not the hidden program folder; a
    // named diary's dialogs start in its own folder.
    s.Command("openDiary");
    EXPECT_EQ(s.dialogs.shown,
              (QStringList{"save "_L1 + s.folders.DocumentsFolder(), "open "_L1 + s.temp.Path() + u'/'}));
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(s.messages.Texts().isEmpty());

    // The next start offers the diary in the File menu.
    s.Start();
    EXPECT_EQ(s.Find<QAction>("recentFile1").text(), "&1 "_L1 + path);
}

// File > Import adds another program's weighings and says how many rows it took; File > Export
// writes them out, and importing that again takes nothing twice.
TEST(MainWindowTest, ImportAndExportThroughTheFileMenu)
{
    Shell s;
    s.Start();
    const auto counts = [](int imported, int skipped, int unreadable) {
        return LoadText(TextId::RowsImported).arg(imported) + kCrLf +
               LoadText(TextId::RowsSkipped).arg(skipped) + kCrLf +
               LoadText(TextId::RowsUnreadable).arg(unreadable);
    };
    s.dialogs.Script(QStringLiteral(TARVEL_TEST_DATA "/openscale.csv"));
    s.Command("importCsv");
    EXPECT_EQ(s.messages.Texts(), QStringList{counts(5, 1, 1)});
    EXPECT_EQ(s.State().records().Count(), 3);
    EXPECT_EQ(s.Caption(), u"*Tarvel"_s);
    const QString csv = s.temp.File(u"out.csv"_s);
    s.dialogs.Script(csv);
    s.Command("exportCsv");
    EXPECT_EQ(ReadBytes(csv).count('\n'), 6); // the header and five weighings
    s.dialogs.Script(csv);
    s.Command("importCsv");
    EXPECT_EQ(s.messages.Texts().value(1), counts(0, 5, 0));
    EXPECT_EQ(s.State().records().Count(), 3);
}

// The File menu lists the latest three diaries, each once (also after a hand-edited settings file).
TEST(MainWindowTest, RecentFilesKeepTheLatestThreeOnce)
{
    Shell s;
    s.store.Save(u"History"_s, u"Path1"_s, u"/d/a.ov1"_s);
    s.store.Save(u"History"_s, u"Path2"_s, u"/d/a.ov1"_s);
    MainWindow& w = s.Start();
    const struct {
        const char* opened;
        const char* items;
    } steps[] = {
        {"/d/b.ov1", "&1 /d/b.ov1|&2 /d/a.ov1"},
        {"/d/c.ov1", "&1 /d/c.ov1|&2 /d/b.ov1|&3 /d/a.ov1"},
        {"/d/b.ov1", "&1 /d/b.ov1|&2 /d/c.ov1|&3 /d/a.ov1"},
        {"/d/R&D.ov1", "&1 /d/R&&D.ov1|&2 /d/b.ov1|&3 /d/c.ov1"},
        {"/d/c.ov1", "&1 /d/c.ov1|&2 /d/R&&D.ov1|&3 /d/b.ov1"},
    };
    for (const auto& step : steps) {
        s.State().setFilePath(QString::fromUtf8(step.opened));
        w.Commands().UpdateRecentFiles();
        QStringList items;
        for (const char* item : {"recentFile1", "recentFile2", "recentFile3"}) {
            if (s.Find<QAction>(item).isVisible())
                items << s.Find<QAction>(item).text();
        }
        EXPECT_EQ(items.join(u'|'), QString::fromUtf8(step.items)) << step.opened;
    }
}

// A backup holding data is offered at start: Yes makes it an unsaved diary without a name, No
// empties it and reads the diary named on the command line.
TEST(MainWindowTest, BackupIsOfferedAtStart)
{
    const QByteArray annBackup("Ann,170.0,1,,,,,,,,,,,\r\n2026/12/05,07:30,065.40,22.6,,,,,\r\n");
    for (const bool recall : {true, false}) {
        SCOPED_TRACE(recall);
        Shell s;
        s.PutBackup(annBackup);
        s.messages.Script(recall ? AnswerYes : AnswerNo, ButtonsYesNo);
        s.Start(s.temp.Write(u"bea.ov1"_s, kBeaDiary));
        EXPECT_EQ(s.messages.Texts(),
                  QStringList{LoadText(TextId::BackupKept) + kCrLf + LoadText(TextId::RecallBackup)});
        EXPECT_EQ(s.Controls().name->text(), recall ? u"Ann"_s : u"Bea"_s);
        EXPECT_EQ(s.State().records().Count(), 1);
        EXPECT_EQ(s.State().isModified(), recall);
        EXPECT_EQ(s.Caption(), recall ? u"*Tarvel"_s : u"Tarvel [bea.ov1]"_s);
        EXPECT_EQ(ReadBytes(s.Backup()), recall ? annBackup : kEmptyBackup);
    }
}

// A diary named on the command line, quoted or relative to the working folder, is read at start. A
// missing file or a folder leaves an empty diary without a name, so that Save asks for one.
TEST(MainWindowTest, CommandLineDiary)
{
    const struct {
        const char* argument;
        bool read;
    } cases[] = {{"\"%1/my diaries/bea.ov1\"", true},
                 {"my diaries/bea.ov1", true},
                 {"gone.ov1", false},
                 {"my diaries", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        Shell s;
        ASSERT_TRUE(QDir(s.temp.Path()).mkpath(u"my diaries"_s));
        const QString bea = s.temp.Write(u"my diaries/bea.ov1"_s, kBeaDiary);
        s.Start(QString::fromUtf8(c.argument).replace(u"%1"_s, s.temp.Path()));
        EXPECT_EQ(s.messages.Texts(),
                  c.read ? QStringList() : QStringList{LoadText(TextId::FileCannotBeOpened)});
        EXPECT_EQ(s.State().records().Count(), c.read ? 1 : 0);
        EXPECT_EQ(s.Controls().name->text(), c.read ? u"Bea"_s : QString());
        EXPECT_EQ(s.Caption(), c.read ? u"Tarvel [bea.ov1]"_s : u"Tarvel"_s);
        if (!c.read) {
            AddDay(s, u"65.4"_s);
            s.Command("saveDiary");
            EXPECT_EQ(s.dialogs.shown, QStringList{"save "_L1 + s.folders.DocumentsFolder()});
            EXPECT_FALSE(QFile::exists(s.temp.File(u"gone.ov1"_s)));
            EXPECT_EQ(ReadBytes(bea), kBeaDiary);
        }
    }
}

// New and closing the window ask before an unsaved diary is given up: Yes saves it first (a
// cancelled Save as dialog keeps it), No lets it go, Cancel keeps it.
TEST(MainWindowTest, UnsavedWorkIsGuardedByNewAndClose)
{
    const struct {
        bool close;
        Answer answer;
        const char* saveAs;
        bool givenUp;
    } cases[] = {
        {false, AnswerYes, "", false},    {false, AnswerYes, "saved.ov1", true},
        {false, AnswerNo, nullptr, true}, {false, AnswerCancel, nullptr, false},
        {true, AnswerYes, "", false},     {true, AnswerYes, "saved.ov1", true},
        {true, AnswerNo, nullptr, true},  {true, AnswerCancel, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.close ? "close " : "New ") << c.answer << " " << (c.saveAs ? c.saveAs : ""));
        Shell s;
        MainWindow& w = s.Start();
        AddDay(s, u"65.4"_s);
        const QByteArray backup = ReadBytes(s.Backup());
        s.messages.Script(c.answer, ButtonsYesNoCancel);
        if (c.saveAs != nullptr)
            s.dialogs.Script(*c.saveAs != '\0' ? s.temp.File(QString::fromUtf8(c.saveAs)) : QString());
        if (c.close)
            w.close();
        else
            s.Command("newDiary");
        EXPECT_EQ(s.messages.Texts(), QStringList{kUnsavedQuestion});
        EXPECT_EQ(s.dialogs.shown.size(), c.saveAs != nullptr ? 1 : 0);
        EXPECT_EQ(w.isVisible(), !(c.close && c.givenUp));
        EXPECT_EQ(s.State().records().Count(), c.givenUp && !c.close ? 0 : 1);
        EXPECT_EQ(ReadBytes(s.Backup()), !c.givenUp ? backup : c.close ? QByteArray() : kEmptyBackup);
        if (c.saveAs != nullptr && *c.saveAs != '\0') {
            EXPECT_EQ(ReadBytes(s.temp.File(QString::fromUtf8(c.saveAs))), backup);
        }
    }
}

TEST(MainWindowTest, OpenOfUnreadableFileKeepsCurrentDiary)
{
    Shell s;
    const QString bea = s.temp.Write(u"bea.ov1"_s, kBeaDiary);
    s.Start(bea);
    s.Controls().weight[0]->setText(u"56"_s);
    QTest::mouseClick(s.Controls().save, Qt::LeftButton);
    const auto records = s.State().records().Records();

    s.messages.Script(AnswerNo, ButtonsYesNoCancel);
    s.dialogs.Script(s.temp.File(u"elsewhere/missing.ov1"_s));
    s.Command("openDiary");
    EXPECT_EQ(s.messages.Texts(),
              (QStringList{LoadText(TextId::FileIsNotSaved) + kCrLf + LoadText(TextId::OverwriteFile) +
                               kCrLf + kCrLf + LoadText(TextId::NewEntriesLost),
                           LoadText(TextId::FileCannotBeOpened)}));
    EXPECT_EQ(s.State().records().Records(), records);
    EXPECT_EQ(s.State().filePath(), bea);
    EXPECT_EQ(s.Caption(), u"*Tarvel [bea.ov1]"_s);
    EXPECT_TRUE(s.State().isModified());
}

// What a read found is the window's to say: a file that is no diary is refused; one with a damaged
// line opens at its last day, the list ending at the new entry and the graphs in its latest month.
TEST(MainWindowTest, OpeningSaysWhatTheReadFound)
{
    QByteArray diary("Bea,160.0,2,,,,,,,,,,,\r\nx,1\r\n");
    for (int day = 1; day <= 7; ++day)
        diary += "2004/05/0" + QByteArray::number(day) + ",7:30,55,,,,,,\r\n";
    Shell s;
    s.Start();
    s.dialogs.Script(s.temp.Write(u"text.ov1"_s, "Dear diary,\r\ntoday I weighed myself.\r\n"));
    s.Command("openDiary");
    s.dialogs.Script(s.temp.Write(u"bea.ov1"_s, diary));
    s.Command("openDiary");
    EXPECT_EQ(s.messages.Texts(),
              (QStringList{LoadText(TextId::NotADiary), LoadText(TextId::LinesUnreadable).arg(1) + kCrLf +
                                                            LoadText(TextId::LinesLeftOut)}));
    EXPECT_EQ(s.Caption(), u"Tarvel [bea.ov1]"_s);
    const Diary& d = s.State();
    const ListView& list = s.List();
    EXPECT_EQ(QList<int>({d.currentIndex(), list.WindowFirst(), list.WindowLast()}), QList<int>({7, 4, 8}));
    EXPECT_EQ(s.GraphStart(), u"2004/5/1"_s);
}

TEST(MainWindowTest, LeavingTheDiaryTabWithEditsAsks)
{
    Shell s;
    MainWindow& w = s.Start();
    const QString listTitle = s.Find<ViewPanel>("listPanel").TitleLabel()->text();
    QTest::keyClicks(s.Controls().weight[0], u"65"_s);
    QTest::keyClicks(s.Controls().name, u"Ann"_s);
    ASSERT_EQ(s.Caption(), u"Tarvel *"_s);
    // A later activation (back from a dialog) keeps what was typed.
    w.ShowFirstDay();
    EXPECT_EQ(s.Caption(), u"Tarvel *"_s);
    QTabBar* bar = s.Tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_TRUE(s.messages.Texts().isEmpty());

    // Yes without a height: the save is refused, and the user stays on the page with the input.
    s.messages.Script(AnswerYes, ButtonsYesNo);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(s.messages.Texts().size(), 2);
    EXPECT_EQ(s.messages.Texts()[0],
              LoadText(TextId::DataIsChanged) + kCrLf + LoadText(TextId::SaveDataAndContinue));
    EXPECT_EQ(s.messages.Texts()[1], LoadText(TextId::InputHeight) + kCrLf);
    EXPECT_EQ(s.Tabs().currentIndex(), 0);
    EXPECT_EQ(s.Caption(), u"Tarvel *"_s);
    EXPECT_EQ(s.Controls().weight[0]->text(), u"65"_s);

    // The keyboard's switch and a notch of the wheel over the tabs ask too: Escape (Cancel) stays on
    // the page; half a notch asks nothing yet.
    const auto wheel = [bar](int delta) {
        QWheelEvent turn(bar->tabRect(0).center(), bar->mapToGlobal(bar->tabRect(0).center()), {}, {0, delta},
                         Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &turn);
    };
    s.messages.Script(AnswerCancel, ButtonsYesNo);
    QTest::keyClick(s.Controls().weight[0], Qt::Key_Tab, Qt::ControlModifier);
    s.messages.Script(AnswerCancel, ButtonsYesNo);
    wheel(-60);
    EXPECT_EQ(s.messages.Texts().size(), 3);
    wheel(-60);
    EXPECT_EQ(s.messages.Texts().size(), 4);
    EXPECT_EQ(s.Tabs().currentIndex(), 0);
    EXPECT_EQ(s.messages.Messages().back().keys.escape, AnswerCancel);

    // No drops the input, the typed name with it: the page and the tab captions show what is stored.
    s.messages.Script(AnswerNo, ButtonsYesNo);
    wheel(-120);
    EXPECT_EQ(s.messages.Texts().size(), 5);
    EXPECT_EQ(s.Caption(), u"Tarvel"_s);
    EXPECT_EQ(s.Controls().weight[0]->text(), QString());
    EXPECT_EQ(s.Controls().name->text(), QString());
    EXPECT_EQ(s.Find<ViewPanel>("listPanel").TitleLabel()->text(), listTitle);
    EXPECT_EQ(s.Tabs().currentIndex(), 1);
}

// A stable reading goes onto the page as if typed, with the time of the weighing; one the page
// cannot take (another day, or a weighed slot) waits in the status bar until a page that can is shown.
TEST(MainWindowTest, ScaleReadingGoesOntoThePageOrWaitsInTheStatusBar)
{
    Shell s;
    s.Start(s.temp.Write(u"bea.ov1"_s, kBeaDiary));
    const PageControls c = s.Controls();
    const auto status = [&] { return s.window->findChild<QLabel*>(u"scaleStatus"_s)->text(); };
    const auto weigh = [&](int hour, int minute, const QByteArray& message) {
        s.window->Commands().StopQuietTimer();
        s.clock.Set(QDateTime(QDate(2026, 12, 6), QTime(hour, minute)));
        s.scalePort.Feed("\n" + message);
        QCoreApplication::processEvents();
    };
    const auto page = [&] {
        return QStringList{c.date->text(),    c.time[0]->text(),   c.weight[0]->text(),
                           c.time[1]->text(), c.weight[1]->text(), s.Caption().right(1)}
            .join(u'|');
    };
    weigh(10, 0, "ST,+065.40kg\r\n");
    EXPECT_EQ(page(), u"2004/5/6|7:30|55.00|||]"_s);
    EXPECT_EQ(status(), u"Scale: 65.40 kg at 10:00, not stored: the page shows 2004/5/6"_s);
    s.clock.Set(QDateTime(QDate(2026, 12, 6), QTime(10, 30)));
    QTest::mouseClick(c.newDay, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(page(), u"2026/12/6|10:00|65.40|||*"_s);
    QTest::mouseClick(c.save, Qt::LeftButton);
    EXPECT_EQ(status(), u"Scale: Com1 (/dev/fake1) connected, last reading 65.40 kg at 10:00"_s);

    // Today's stored day: its weighed morning takes nothing, its empty night takes a reading.
    weigh(11, 0, "ST,+070.00kg\r\n");
    EXPECT_EQ(page(), u"2026/12/6|10:00|65.40|||]"_s);
    EXPECT_EQ(status(),
              u"Scale: 70.00 kg at 11:00, not stored: the page's (1) Morning weight is already stored"_s);
    weigh(13, 5, "ST,+071.00kg\r\n");
    QTest::mouseClick(c.save, Qt::LeftButton);
    const DayRecord& today = s.State().records().Item(2);
    EXPECT_EQ(today.slot[0].time, std::optional(QTime(10, 0)));
    EXPECT_EQ(today.slot[1].time, std::optional(QTime(13, 5)));
    EXPECT_EQ(today.slot[0].weight, std::optional(Mass{65400}));
    EXPECT_EQ(today.slot[1].weight, std::optional(Mass{71000}));
    s.messages.Script(AnswerNo, ButtonsYesNoCancel);
    s.Command("newDiary");
    weigh(13, 10, "ST,+066.20kg\r\n");
    EXPECT_EQ(c.weight[1]->text(), u"66.20"_s);
    // A new page for another day takes nothing either.
    c.date->clear();
    QTest::keyClicks(c.date, u"2026/12/1"_s);
    weigh(13, 20, "ST,+066.40kg\r\n");
    EXPECT_EQ(page(), u"2026/12/1|||13:10|66.20|*"_s);
    EXPECT_EQ(status(), u"Scale: 66.40 kg at 13:20, not stored: the page shows 2026/12/1"_s);
}

TEST(MainWindowTest, ARecordOpenedFromTheListIsShownOnTheDiaryTab)
{
    Shell s;
    s.Start(s.temp.Write(u"bea.ov1"_s, kBeaDiary));
    ListView& list = s.List();
    EXPECT_EQ(list.ShownRecord(1), 1);
    EXPECT_EQ(s.Find<ViewPanel>("listPanel").TitleLabel()->text(), u"Bea 's data list"_s);
    s.Page().NewEntry();
    s.Tabs().setCurrentIndex(1);
    Q_EMIT list.RecordOpened(1);
    EXPECT_EQ(s.Tabs().currentIndex(), 0);
    EXPECT_EQ(s.Controls().date->text(), u"2004/5/6"_s);
}

// Go to date (Ctrl+G) shows the chosen day on the tab in front: the Diary tab (after asking about
// its edits) and the list the day's record or the nearest one, the graphs the period holding it.
TEST(MainWindowTest, GoToDateShowsTheDayOnEachTab)
{
    QByteArray diary("Bea,160.0,2,,,,,,,,,,,\r\n");
    for (int day = 0; day < 60; day += 5) // twelve days from 1 May 2004, five days apart
        diary += QDate(2004, 5, 1).addDays(day).toString(u"yyyy/MM/dd").toLatin1() + ",7:30,55,,,,,,\r\n";
    Shell s;
    s.Start(s.temp.Write(u"bea.ov1"_s, diary));
    QList<QDate> offered;
    QTest::keyClicks(s.Controls().weight[0], u"6"_s);
    s.messages.Script(AnswerNo, ButtonsYesNo);
    // Tab, day chosen, and what is shown: the Diary tab's date, the list's first record, the graphs' start.
    const std::tuple<int, QDate, QString> cases[] = {
        {0, QDate(2004, 5, 13), u"2004/5/11"_s}, {0, QDate(2004, 6, 3), u"2004/6/5"_s},
        {1, QDate(2004, 6, 20), u"9"_s},         {1, QDate(2004, 5, 6), u"2"_s},
        {2, QDate(2004, 6, 20), u"2004/6/1"_s},  {3, QDate(2003, 1, 1), u"2004/5/1"_s},
    };
    for (const auto& [tab, day, expected] : cases) {
        s.Tabs().setCurrentIndex(tab);
        Shell::Answer<QDialog>([&, day](QDialog& dialog) {
            auto* calendar = dialog.findChild<QCalendarWidget*>(u"goToCalendar"_s);
            offered << calendar->selectedDate();
            calendar->setSelectedDate(day);
            dialog.accept();
        });
        s.Command("goToDate");
        const QString shown = tab == 0   ? s.Controls().date->text()
                              : tab == 1 ? QString::number(s.List().ShownRecord(1))
                                         : s.GraphStart();
        EXPECT_EQ(shown, expected) << tab;
    }
    EXPECT_EQ(s.messages.Texts().size(), 1); // the edit on the Diary tab was asked about once
    EXPECT_EQ(offered.value(0), QDate(2004, 6, 25));
}

// Save as and the backup of Save data on a full disk: the user reads "Data file cannot be saved.",
// the diary keeps its name, its records and its unsaved mark, the file on disk is whole; once there
// is room again the diary is saved completely.
TEST(MainWindowTest, SavingOnAFullDisk)
{
    for (const bool backup : {false, true}) {
        SCOPED_TRACE(backup ? "backup" : "Save as");
        Shell s;
        const QString bea = s.temp.Write(u"bea.ov1"_s, kBeaDiary);
        s.Start(bea);
        s.Controls().weight[0]->setText(u"56"_s);
        QTest::mouseClick(s.Controls().save, Qt::LeftButton);
        const QByteArray backupBytes = ReadBytes(s.Backup());
        {
            FileSizeLimit full(0);
            ASSERT_TRUE(full.Active());
            if (backup) {
                s.Controls().weight[0]->setText(u"57"_s);
                QTest::mouseClick(s.Controls().save, Qt::LeftButton);
            } else {
                s.dialogs.Script(s.temp.File(u"new.ov1"_s));
                s.Command("saveDiaryAs");
            }
        }
        EXPECT_EQ(s.messages.Texts(), QStringList{LoadText(TextId::FileCannotBeSaved)});
        EXPECT_EQ(s.Caption(), u"*Tarvel [bea.ov1]"_s);
        EXPECT_TRUE(s.State().isModified());
        EXPECT_EQ(ReadBytes(bea), kBeaDiary);
        EXPECT_EQ(ReadBytes(s.Backup()), backupBytes);
        s.Command("saveDiary");
        EXPECT_EQ(s.messages.Texts().size(), 1);
        EXPECT_EQ(s.Caption(), u"Tarvel [bea.ov1]"_s);
        EXPECT_TRUE(
            ReadBytes(bea).contains(backup ? "2004/05/06,07:30,057.00," : "2004/05/06,07:30,056.00,"));
    }
}

// A diary far longer than the writer's buffer opens at its last day and is saved byte for byte.
TEST(MainWindowTest, ALongDiaryIsSavedWhole)
{
    QByteArray bytes = "Ann,170.0,1,,,,,,,,,,,\r\n";
    QDate date(2000, 1, 1);
    for (int i = 0; i < 5000; ++i, date = date.addDays(1))
        bytes += date.toString(u"yyyy/MM/dd"_s).toLatin1() + ",07:30,065.40,22.6,run,21:10,066.10,22.9,\r\n";
    Shell s;
    const QString path = s.temp.Write(u"long.ov1"_s, bytes);
    s.Start(path);
    EXPECT_EQ(s.Controls().date->text(), date.addDays(-1).toString(u"yyyy/M/d"_s));
    s.Command("saveDiary");
    EXPECT_TRUE(s.messages.Texts().isEmpty());
    EXPECT_TRUE(ReadBytes(path) == bytes);
}

TEST(MainWindowTest, PrintWritesThePage)
{
    Shell s;
    s.Start();
    const QString pdf = s.temp.File(u"page.pdf"_s);
    s.printerDialog.Script(pdf);
    s.Command("print");
    EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF"));
}

double Contrast(const QColor& text, const QColor& background)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(text), luminance(background)});
    return (light + 0.05) / (dark + 0.05);
}

// Setting > Appearance repaints the window in each scheme, the tab strip in the colour of the tab
// shown; Cancel keeps the scheme. On a light and on a dark desktop every text on the scheme's panels,
// tab strip and list cells keeps a contrast of at least 4.5 to 1 against the scheme's background.
TEST(MainWindowTest, AppearanceRepaintsTheWindowLegiblyOnLightAndDarkDesktops)
{
    const QPalette desktop = QApplication::palette();
    for (const QColor& window : {QColor(240, 240, 240), QColor(53, 53, 53)}) {
        QApplication::setPalette(QPalette(window, window)); // black or white texts to match
        Shell s;
        s.store.Save(u"ColorFlg"_s, u"Flg"_s, u"7"_s);
        s.Start();
        s.Tabs().setCurrentIndex(1);
        QTableWidget* grid = s.List().Grid();
        const std::vector<QWidget*> panels = {&s.Page(), s.Page().SexOptions()[0], s.Tabs().tabBar(),
                                              s.Tabs().widget(1), s.Tabs().widget(2)};
        int scheme = 1;
        QString button = u"cancel"_s;
        const auto appearance = [&] {
            Shell::Answer<QDialog>([&](QDialog& dialog) {
                dialog.findChild<QRadioButton*>(u"scheme%1"_s.arg(scheme))->click();
                dialog.findChild<QPushButton*>(button)->click();
            });
            s.Command("appearance");
        };
        appearance();
        EXPECT_EQ(s.Page().palette().color(QPalette::Window), PaletteOf(Hue::Gray).light); // kept
        button = u"ok"_s;
        for (scheme = 1; scheme <= 7; ++scheme) {
            appearance();
            const SchemeSlots slots = FillSchemeSlots(scheme);
            EXPECT_EQ(s.Page().palette().color(QPalette::Window), slots.Tab(DiaryTab).light) << scheme;
            EXPECT_EQ(s.Tabs().tabBar()->palette().color(QPalette::Window), slots.Tab(ListTab).light);
            for (QWidget* panel : panels) {
                const QPalette& p = panel->palette();
                EXPECT_GE(Contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)), 4.5)
                    << scheme << qPrintable(window.name() + panel->objectName());
            }
            for (QTableWidgetItem* cell : {grid->item(0, 1), grid->item(1, 1)}) {
                // A cell without a text colour of its own takes the palette's, as the grid draws it.
                const QColor text = cell->foreground().style() == Qt::NoBrush
                                        ? grid->palette().color(QPalette::Text)
                                        : cell->foreground().color();
                EXPECT_GE(Contrast(text, cell->background().color()), 4.5) << scheme;
            }
        }
    }
    QApplication::setPalette(desktop);
}

QString Spoken(QWidget* widget, QAccessible::Text kind = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

// The focusable objects a screen reader finds showing under `node` (the accessibility tree, not the
// widgets, so table cells count too); `hiddenFocusable` counts those that claim to show below a
// hidden ancestor, as a closed calendar's days would.
void FocusableShowing(QAccessibleInterface* node, bool ancestorShown,
                      std::vector<QAccessibleInterface*>& found, int& hiddenFocusable)
{
    const QAccessible::State state = node->state();
    if (state.focusable && !state.invisible)
        ancestorShown ? found.push_back(node) : void(++hiddenFocusable);
    for (int i = 0; i < node->childCount(); ++i)
        FocusableShowing(node->child(i), ancestorShown && !state.invisible, found, hiddenFocusable);
}

// To a screen reader every control Tab reaches on each tab, the calendar's days while it is open,
// has a name that no other control of the tab shares and a role that says what it is (a Client is
// what the desktop calls a filler); a closed calendar is not there at all. A day saved through Save
// data's press action, as a screen reader presses it, reaches the descriptions of the list and the
// weight graph, and each of the list's cells is said with its day, weighing and field.
TEST(MainWindowTest, ScreenReadersHearEveryControlAndWhatTheViewsShow)
{
    Shell s;
    s.Start();
    // The tab strip and its 4 tabs, then the Diary page's controls, the list and its 2 buttons, the
    // graphs and 4 or 2; last the Diary tab with the calendar open: the calendar, its day grid, 7
    // weekdays and 42 days.
    const int expected[] = {5 + 23, 5 + 3, 5 + 5, 5 + 3, 5 + 23 + 2 + 7 + 42};
    for (int tab = 0; tab <= s.Tabs().count(); ++tab) {
        s.Tabs().setCurrentIndex(tab % 4);
        if (tab == 4) {
            QTest::mouseClick(s.Controls().dateButton, Qt::LeftButton);
            // The calendar made on opening takes the scheme's colours.
            EXPECT_NE(s.Page().Calendar()->palette().color(QPalette::Highlight),
                      QApplication::palette().color(QPalette::Highlight));
        }
        std::vector<QAccessibleInterface*> found;
        int hiddenFocusable = 0;
        FocusableShowing(QAccessible::queryAccessibleInterface(s.window.get()), true, found, hiddenFocusable);
        EXPECT_EQ(found.size(), expected[tab]) << tab;
        EXPECT_EQ(hiddenFocusable, 0) << tab;
        std::map<QString, int> names;
        for (QAccessibleInterface* control : found) {
            const QString name = control->text(QAccessible::Name);
            const QAccessible::Role role = control->role();
            EXPECT_FALSE(name.trimmed().isEmpty()) << tab << role;
            EXPECT_TRUE(role != QAccessible::Client && role != QAccessible::NoRole)
                << tab << qPrintable(name);
            // The calendar's days repeat their numbers across months; the tab strip is named after
            // its current tab.
            EXPECT_TRUE(role == QAccessible::Cell || role == QAccessible::PageTab || ++names[name] == 1)
                << tab << qPrintable(name);
        }
    }
    s.Controls().name->setFocus(); // closes the calendar

    QTest::keyClicks(s.Controls().name, u"Ann"_s);
    QTest::keyClicks(s.Controls().height, u"170"_s);
    QTest::keyClicks(s.Controls().weight[0], u"65.4"_s);
    QAccessible::queryAccessibleInterface(s.Controls().save)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(s.State().records().Count(), 1);
    QTableWidget* grid = s.List().Grid();
    EXPECT_TRUE(Spoken(grid, QAccessible::Description).contains(u'1'));
    EXPECT_TRUE(Spoken(&s.Find<QWidget>("WeightGraph"), QAccessible::Description).contains(u"65.4"_s));
    QAccessibleTableCellInterface* cell =
        QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(4, 1)->tableCellInterface();
    // Qt makes new header cells for each call and leaves them to the caller; handing them to its
    // cache is the way to delete them.
    const QList<QAccessibleInterface*> columns = cell->columnHeaderCells();
    const QList<QAccessibleInterface*> rows = cell->rowHeaderCells();
    const QString said = columns.size() == 1 && rows.size() == 1
                             ? columns[0]->text(QAccessible::Name) + u" "_s + rows[0]->text(QAccessible::Name)
                             : QString();
    for (QAccessibleInterface* header : columns + rows)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    EXPECT_EQ(said, grid->item(1, 1)->text() + u", morning Weight"_s);
}

// A window remembered larger than the screen there is now, and beside it, comes back on it and as
// large as it; closing remembers the window's place.
TEST(MainWindowTest, TheWindowComesBackWithinTheScreenThereIsNow)
{
    Shell s;
    for (const auto& [key, value] :
         {std::pair{"Left", "3000"}, {"Top", "200"}, {"Width", "4000"}, {"Height", "3000"}})
        s.store.Save(u"Window"_s, QString::fromLatin1(key), QString::fromLatin1(value));
    MainWindow& w = s.Start();
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(w.pos()));
    EXPECT_TRUE(screen.contains(w.frameGeometry()) && w.width() > 780) << w.width(); // shrunk to it
    w.move(20, 30);
    w.resize(640, 480);
    w.close();
    EXPECT_EQ(s.store.Get(u"Window"_s, u"Left"_s, {}) + s.store.Get(u"Window"_s, u"Width"_s, {}), u"20640"_s);
}

// The desktop's first translated language picks the captions, the messages, the language code and
// with it the font fallbacks; English first, or no translated language, keeps the English texts. A
// language that marks a letter inside the word (German) has no "(&F)" suffix left in any caption.
// The Japanese tooltip of Next data leads with the number of the record it shows.
TEST(MainWindowTest, TheDesktopsLanguagePicksTextsCaptionsAndFonts)
{
    const std::tuple<QStringList, const char*, const char*, const char*> cases[] = {
        {{}, "New(&N)", "Data file cannot be opened.", "Courier New"},
        {{u"en-GB"_s, u"de-DE"_s}, "New(&N)", "Data file cannot be opened.", "Courier New"},
        {{u"fr"_s, u"de-DE"_s}, "&Neu", "Die Datendatei kann nicht geöffnet werden.", "Courier New"},
        {{u"ja_JP"_s}, "新規作成(&N)", "データファイルを開けません。", "ＭＳ　ゴシック"}};
    for (const auto& [languages, newCaption, message, font] : cases) {
        const Translations translations(languages);
        Shell s;
        s.Start(s.temp.Write(u"bea.ov1"_s, kBeaDiary)); // the new-entry page after Bea's one day
        EXPECT_EQ(s.Controls().next->toolTip(),
                  (*font == 'C' ? QString() : u"2"_s) + LoadText(TextId::NextDataTip));
        EXPECT_EQ(s.Find<QAction>("newDiary").text().toStdString(), newCaption);
        EXPECT_EQ(LoadText(TextId::FileCannotBeOpened).toStdString(), message);
        EXPECT_EQ(ChooseFontFamily({}, {u"Courier New"_s, u"ＭＳ　ゴシック"_s}, LanguageCode()).toStdString(),
                  font);
        for (const QAction* action : s.window->findChildren<QAction*>())
            EXPECT_FALSE(*newCaption == '&' && action->text().contains(u"(&"_s))
                << action->text().toStdString();
    }
}

} // namespace
