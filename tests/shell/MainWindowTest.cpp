// The main window as a user meets it: a day typed and saved, the backup offered at start, a diary
// named on the command line, unsaved work guarded, a full disk, the tab prompt, the scale, the
// desktop's language. Its looks are in MainWindowLookTest.cpp.

#include "shell/MainWindow.h"

#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "platform/Translations.h"
#include "platform/WindowFont.h"
#include "shell/FileCommands.h"
#include "support/ShellFixture.h"
#include "support/WriteFaults.h"
#include "views/ListView.h"
#include "views/Views.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <tuple>

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
    // In pounds the page's weights and the status line follow (66.20 kg = 145.95 lb, 66.40 = 146.39).
    s.Command("unitPounds");
    EXPECT_EQ(page(), u"2026/12/1|||13:10|145.9|*"_s);
    EXPECT_EQ(status(), u"Scale: 146.4 lb at 13:20, not stored: the page shows 2026/12/1"_s);
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
