#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/FileTypeRegistry.h"
#include "platform/Folders.h"
#include "platform/PictureButton.h"
#include "platform/SettingsStore.h"
#include "platform/TextTable.h"
#include "shell/AboutDlg.h"
#include "shell/ButtonArt.h"
#include "shell/ColorDlg.h"
#include "shell/FileCommands.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenus.h"
#include "shell/WebPages.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrinterDialog.h"
#include "support/ShellFixture.h"
#include "support/TempFolder.h"
#include "views/ListView.h"
#include "views/TrendView.h"
#include "views/Views.h"
#include "views/WindowPicture.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

using namespace tarvel;
using tarvel::testing::Caption;
using tarvel::testing::FakeSerialPort;
using tarvel::testing::PageControls;
using tarvel::testing::ReadBytes;
using tarvel::testing::ScriptedFileDialogs;
using tarvel::testing::ScriptedMessages;
using tarvel::testing::ScriptedPrinterDialog;
using tarvel::testing::Shell;
using tarvel::testing::TempFolder;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

const QString kExecutable = Shell::kExecutable;
const QByteArray kEmptyBackup("-----,-----,-,,,,,,,,,,,,\r\n");
// A diary of Bea's with one morning weighing on 2004-05-06.
const QByteArray kBeaDiary("Bea,160.0,2,,,,,,,,,,,\r\n2004/05/06,07:30,055.00,21.5,,,,,\r\n");
// Ann's day before, as the backup holds it.
const QByteArray kAnnBackup("Ann,170.0,1,,,,,,,,,,,\r\n2026/12/05,07:30,065.40,22.6,,,,,\r\n");

// The question before an unsaved diary is given up.
QString UnsavedQuestion(bool named)
{
    return LoadText(720) + kCrLf + LoadText(named ? 723 : 721) + kCrLf + kCrLf + LoadText(named ? 724 : 722);
}

TEST(MainWindowTest, FirstStartRegistersTypeAndShowsTheEmptyShell)
{
    Shell s;
    MainWindow& w = s.Start();

    IniSettingsStore back(s.temp.File(U("tarvel.ini")));
    EXPECT_EQ(back.Get(U("RegSet"), U("Num"), QString()), U("1"));
    EXPECT_EQ(back.Get(U("FirstRun"), U("Value"), QString()), U("0"));
    const FileTypeRegistry registry(s.DataHome(), kExecutable, LoadText(150));
    EXPECT_TRUE(QFile::exists(registry.MimeFilePath()));
    EXPECT_TRUE(QFile::exists(registry.DesktopFilePath()));
    EXPECT_EQ(ReadBytes(s.Backup()), kEmptyBackup);
    EXPECT_TRUE(s.Texts().isEmpty());
    EXPECT_EQ(Caption(w), U("Tarvel"));

    QStringList menus;
    for (QAction* menu : w.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{U("File(&F)"), U("Setting(&S)"), U("Help(&H)")}));
    const std::pair<QAction*, const char*> captions[] = {{s.Action("newDiary"), "New(&N)"},
                                                         {s.Action("openDiary"), "Open(&O)..."},
                                                         {s.Action("saveDiaryAs"), "Save as(&A)..."},
                                                         {s.Action("exit"), "Exit(&X)"},
                                                         {s.Action("appearance"), "Appearance(&S)..."},
                                                         {s.Action("about"), "About(&A)..."}};
    for (const auto& [item, caption] : captions)
        EXPECT_EQ(item->text(), U(caption));
    QStringList tabs;
    for (int i = 0; i < w.MainTab()->count(); ++i)
        tabs << w.MainTab()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{U("Diary"), U("List"), U("Weight trend"), U("BMI trend")}));
    EXPECT_TRUE(w.MainTab()->isVisible());
    for (const char* recent : {"recentFile1", "recentFile2", "recentFile3"})
        EXPECT_FALSE(s.Action(recent)->isVisible()) << recent;

    // The toolbar holds the menus' own actions and Copy, in this order.
    QStringList toolbar;
    for (QAction* button : w.findChild<QToolBar*>(U("Toolbar"))->actions())
        toolbar << (button->isSeparator() ? U("|") : button->objectName());
    EXPECT_EQ(toolbar.join(U(" ")),
              U("newDiary openDiary saveDiary | print | choosePort graphRange appearance | "
                "copy | helpContents"));

    // The scale's port was opened at start-up.
    EXPECT_TRUE(s.scalePort.IsOpen());

    // The type is registered once: a later start leaves a removed file removed.
    s.window.reset();
    ASSERT_TRUE(QFile::remove(registry.MimeFilePath()));
    s.Start();
    EXPECT_FALSE(QFile::exists(registry.MimeFilePath()));
}

// File > Print and the print button reach the printer through the printer dialog, the copy button
// puts the inner area on the clipboard, Help > About opens the about dialog.
TEST(MainWindowTest, PrintCopyAndAboutCommands)
{
    Shell s;
    MainWindow& w = s.Start();
    const QString pdf = s.temp.File(U("page.pdf"));
    s.printerDialog.Script(pdf);
    for (QAction* print : {s.Action("print"), s.Action("print")}) {
        QFile::remove(pdf);
        print->trigger();
        EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF")) << print->text().toStdString();
    }
    EXPECT_EQ(s.printerDialog.shown, 2);

    QGuiApplication::clipboard()->clear();
    s.Action("copy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), InnerArea(w).size());

    QString caption;
    QTimer closer;
    closer.callOnTimeout([&caption] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* about = qobject_cast<AboutDlg*>(top); about != nullptr && about->isVisible()) {
                caption = about->windowTitle();
                about->OKButton()->click();
            }
        }
    });
    closer.start(10);
    s.Action("about")->trigger();
    EXPECT_EQ(caption, LoadText(600));
}

TEST(MainWindowTest, TypicalDayIsBackedUpThenSavedUnderAName)
{
    Shell s;
    MainWindow& w = s.Start();
    const PageControls page = s.Controls();
    QTest::keyClicks(page.name, U("Ann"));
    QTest::keyClicks(page.height, U("170"));
    QTest::mouseClick(page.male, Qt::LeftButton);
    QTest::keyClicks(page.weight[0], U("65.4"));
    QTest::mouseClick(page.bmiButton[0], Qt::LeftButton);
    QTest::mouseClick(page.save, Qt::LeftButton);

    const QByteArray day("Ann,170.0,1,,,,,,,,,,,\r\n2026/12/06,10:00,065.40,22.6,,,,,\r\n");
    EXPECT_EQ(ReadBytes(s.Backup()), day);
    EXPECT_TRUE(s.State().DataChanged);
    EXPECT_EQ(Caption(w), U("Tarvel"));

    const QString path = s.temp.File(U("mine.ov1"));
    s.dialogs.Script(path);
    s.Command("saveDiary");
    ASSERT_EQ(s.dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(s.dialogs.Dialogs()[0].kind, ScriptedFileDialogs::Save);
    EXPECT_EQ(s.dialogs.Dialogs()[0].title, LoadText(107));
    EXPECT_EQ(s.dialogs.Dialogs()[0].filter, DiaryFileFilter());
    // A diary without a file starts in the documents folder, not in the hidden program folder.
    EXPECT_EQ(s.dialogs.Dialogs()[0].folder, s.folders.DocumentsFolder());
    EXPECT_EQ(ReadBytes(path), day);
    EXPECT_EQ(Caption(w), U("Tarvel [mine.ov1]"));
    EXPECT_FALSE(QFile::exists(s.Backup()));
    // A named diary's dialogs start in its folder.
    s.Command("openDiary");
    ASSERT_EQ(s.dialogs.Dialogs().size(), 2u);
    EXPECT_EQ(s.dialogs.Dialogs()[1].folder, s.temp.Path() + U("/"));
    EXPECT_FALSE(s.State().DataChanged);
    EXPECT_EQ(w.SettingsState().RecentPath[0], path);
    EXPECT_EQ(s.Action("recentFile1")->text(), U("&1 ") + path);
    EXPECT_TRUE(s.Action("recentFile1")->isVisible());

    EXPECT_TRUE(w.close());
    EXPECT_TRUE(s.Texts().isEmpty());
    EXPECT_EQ(IniSettingsStore(s.temp.File(U("tarvel.ini"))).Get(U("History"), U("Path1"), QString()), path);
}

TEST(MainWindowTest, RecalledBackupIsAnUnsavedDiary)
{
    Shell s;
    s.temp.Write(U("bea.ov1"), kBeaDiary);
    const QString backup = s.Backup();
    s.PutBackup(kAnnBackup);
    s.messages.Script(AnswerYes);
    MainWindow& w = s.Start(s.temp.File(U("bea.ov1")));

    ASSERT_EQ(s.messages.Messages().size(), 1u);
    EXPECT_EQ(s.Texts()[0], LoadText(727) + kCrLf + LoadText(728));
    EXPECT_EQ(s.messages.Messages()[0].buttonKind, ButtonsYesNo);
    ASSERT_EQ(s.State().Records.Count(), 1);
    EXPECT_EQ(s.State().Records.Item(1).Slot[0].Weight, U("65.40"));
    EXPECT_EQ(s.State().Owner.ProfileName, U("Ann"));
    EXPECT_EQ(s.Controls().name->text(), U("Ann"));
    EXPECT_TRUE(s.State().IsUnnamed());
    EXPECT_TRUE(s.State().DataChanged);
    EXPECT_EQ(Caption(w), U("Tarvel"));

    s.messages.Script(AnswerCancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(s.Texts().value(1), UnsavedQuestion(false));
    EXPECT_EQ(ReadBytes(backup), kAnnBackup);

    s.messages.Script(AnswerNo);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(s.Texts().size(), 3);
    EXPECT_FALSE(QFile::exists(backup));
}

TEST(MainWindowTest, DeclinedBackupIsResetAndCommandLineDiaryRead)
{
    Shell s;
    s.temp.Write(U("bea.ov1"), kBeaDiary);
    s.PutBackup(kAnnBackup);
    s.messages.Script(AnswerNo);
    MainWindow& w = s.Start(s.temp.File(U("bea.ov1")));

    EXPECT_EQ(s.Texts(), QStringList{LoadText(727) + kCrLf + LoadText(728)});
    EXPECT_EQ(ReadBytes(s.Backup()), kEmptyBackup);
    EXPECT_EQ(Caption(w), U("Tarvel [bea.ov1]"));
    EXPECT_EQ(s.State().Owner.ProfileName, U("Bea"));
    EXPECT_EQ(s.State().Records.Count(), 1);
    EXPECT_FALSE(s.State().DataChanged);
}

TEST(MainWindowTest, CommandLineDiary)
{
    // An absolute path in quotes, and a path relative to the working folder (the temporary folder).
    for (bool relative : {false, true}) {
        SCOPED_TRACE(relative);
        Shell s;
        ASSERT_TRUE(QDir(s.temp.Path()).mkpath(U("my diaries")));
        const QString path = s.temp.Write(U("my diaries/bea.ov1"), kBeaDiary);
        MainWindow& w = s.Start(relative ? U("my diaries/bea.ov1") : U("\"") + path + U("\""));

        EXPECT_TRUE(s.Texts().isEmpty());
        EXPECT_EQ(s.State().DiaryPath, path);
        EXPECT_EQ(Caption(w), U("Tarvel [bea.ov1]"));
        EXPECT_EQ(s.State().Records.Count(), 1);
        EXPECT_EQ(s.Controls().name->text(), U("Bea"));
    }

    // A file that is not there leaves an empty diary without a name: Save asks for one.
    Shell s;
    const QString gone = s.temp.File(U("gone.ov1"));
    MainWindow& w = s.Start(gone);
    EXPECT_EQ(s.Texts(), QStringList{LoadText(700)});
    EXPECT_TRUE(s.State().IsUnnamed());
    EXPECT_EQ(s.State().Records.Count(), 0);
    EXPECT_EQ(Caption(w), U("Tarvel"));
    s.AddDay("65.4");
    s.dialogs.Script(QString());
    s.Command("saveDiary");
    ASSERT_EQ(s.dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(s.dialogs.Dialogs()[0].kind, ScriptedFileDialogs::Save);
    EXPECT_FALSE(QFile::exists(gone));
}

TEST(MainWindowTest, UnsavedWorkIsGuardedByNewAndShutDown)
{
    Shell s;
    MainWindow& w = s.Start();
    s.Command("newDiary");
    EXPECT_TRUE(s.Texts().isEmpty());

    s.AddDay("65.4");
    ASSERT_EQ(s.State().Records.Count(), 1);
    const QByteArray backup = ReadBytes(s.Backup());
    ASSERT_NE(backup, kEmptyBackup);

    // Yes, then a cancelled Save as dialog: nothing is given up.
    s.messages.Script(AnswerYes);
    s.Command("newDiary");
    EXPECT_EQ(s.Texts(), QStringList{UnsavedQuestion(false)});
    ASSERT_EQ(s.dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(s.dialogs.Dialogs()[0].kind, ScriptedFileDialogs::Save);
    EXPECT_EQ(s.State().Records.Count(), 1);
    EXPECT_TRUE(s.State().DataChanged);
    EXPECT_EQ(ReadBytes(s.Backup()), backup);
    EXPECT_EQ(Caption(w), U("Tarvel"));

    s.messages.Script(AnswerNo);
    s.Command("newDiary");
    EXPECT_EQ(s.Texts().size(), 2);
    EXPECT_EQ(s.State().Records.Count(), 0);
    EXPECT_EQ(s.State().Owner, Profile());
    EXPECT_EQ(s.Controls().name->text(), QString());
    EXPECT_FALSE(s.State().DataChanged);
    EXPECT_EQ(ReadBytes(s.Backup()), kEmptyBackup);

    s.AddDay("66");
    s.messages.Script(AnswerYes);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(s.Texts().value(2), UnsavedQuestion(false));
    EXPECT_EQ(s.dialogs.Dialogs().size(), 2u);
    EXPECT_EQ(s.State().Records.Count(), 1);
    EXPECT_TRUE(QFile::exists(s.Backup()));
}

TEST(MainWindowTest, OpenOfUnreadableFileKeepsCurrentDiary)
{
    Shell s;
    const QString bea = s.temp.Write(U("bea.ov1"), kBeaDiary);
    MainWindow& w = s.Start(bea);
    s.Controls().weight[0]->setText(U("56"));
    QTest::mouseClick(s.Controls().save, Qt::LeftButton);
    ASSERT_TRUE(s.State().DataChanged);
    const auto records = s.State().Records.Records();

    const QString missing = s.temp.File(U("elsewhere/missing.ov1"));
    s.messages.Script(AnswerNo);
    s.dialogs.Script(missing);
    s.Command("openDiary");

    EXPECT_EQ(s.Texts(), (QStringList{UnsavedQuestion(true), LoadText(700)}));
    EXPECT_EQ(s.State().Records.Records(), records);
    EXPECT_EQ(s.State().Owner.ProfileName, U("Bea"));
    EXPECT_EQ(s.State().DiaryPath, bea);
    EXPECT_EQ(s.State().DiaryFolder, s.temp.Path() + U("/"));
    EXPECT_EQ(s.State().DiaryTitle, U("bea.ov1"));
    EXPECT_EQ(Caption(w), U("Tarvel [bea.ov1]"));
    EXPECT_TRUE(s.State().DataChanged);
    EXPECT_EQ(w.SettingsState().RecentPath[0], missing);
    EXPECT_EQ(w.SettingsState().RecentPath[1], bea);
}

TEST(MainWindowTest, RecentFilesKeepTheLatestThreeOnce)
{
    using Paths = std::array<const char*, 3>;
    struct Case {
        Paths before;
        const char* current;
        Paths after;
    };
    const Case cases[] = {
        {{"/d/a.ov1", "/d/b.ov1", "/d/c.ov1"}, "/d/a.ov1", {"/d/a.ov1", "/d/b.ov1", "/d/c.ov1"}},
        {{"/d/a.ov1", "/d/b.ov1", "/d/c.ov1"}, "/d/b.ov1", {"/d/b.ov1", "/d/a.ov1", "/d/c.ov1"}},
        {{"/d/a.ov1", "/d/b.ov1", "/d/c.ov1"}, "/d/c.ov1", {"/d/c.ov1", "/d/a.ov1", "/d/b.ov1"}},
        {{"/d/a.ov1", "/d/b.ov1", "/d/c.ov1"}, "/d/n.ov1", {"/d/n.ov1", "/d/a.ov1", "/d/b.ov1"}},
        {{"/d/a.ov1", "/d/b.ov1", ""}, "/d/A.ov1", {"/d/A.ov1", "/d/a.ov1", "/d/b.ov1"}},
        {{"/d/a.ov1", "", ""}, "/d//a.ov1", {"/d//a.ov1", "/d/a.ov1", ""}},
        {{"", "", ""}, "/d/R&D.ov1", {"/d/R&D.ov1", "", ""}},
        // Duplicates from a hand-edited settings file are dropped.
        {{"/d/a.ov1", "/d/b.ov1", "/d/b.ov1"}, "/d/b.ov1", {"/d/b.ov1", "/d/a.ov1", ""}},
        {{"/d/a.ov1", "/d/a.ov1", ""}, "/d/n.ov1", {"/d/n.ov1", "/d/a.ov1", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        Shell s;
        for (int i = 0; i < 3; ++i)
            s.Store().Save(U("History"), U("Path%1").arg(i + 1), U(c.before[static_cast<std::size_t>(i)]));
        MainWindow& w = s.Start();
        s.State().DiaryPath = U(c.current);
        w.Commands().UpdateRecentFiles();

        for (std::size_t i = 0; i < 3; ++i) {
            const QString expected = U(c.after[i]);
            EXPECT_EQ(w.SettingsState().RecentPath[i], expected) << i;
            QAction* item = s.Action(("recentFile" + std::to_string(i + 1)).c_str());
            EXPECT_EQ(item->isVisible(), !expected.isEmpty()) << i;
            if (!expected.isEmpty()) {
                EXPECT_EQ(item->text(), U("&%1 ").arg(i + 1) + QString(expected).replace(U("&"), U("&&")));
            }
        }
    }
}

TEST(MainWindowTest, OpenRecentFile)
{
    for (int goneItem : {1, 2}) {
        SCOPED_TRACE(goneItem);
        Shell s;
        const QString gone = s.temp.File(U("gone.ov1"));
        const QString bea = s.temp.Write(U("bea.ov1"), kBeaDiary);
        const std::array<QString, 3> recent = goneItem == 1 ? std::array<QString, 3>{gone, bea, QString()}
                                                            : std::array<QString, 3>{bea, gone, QString()};
        s.Store().Save(U("History"), U("Path1"), recent[0]);
        s.Store().Save(U("History"), U("Path2"), recent[1]);
        MainWindow& w = s.Start();

        s.Command(goneItem == 1 ? "recentFile1" : "recentFile2");
        EXPECT_EQ(s.Texts(), QStringList{LoadText(700)});
        EXPECT_EQ(w.SettingsState().RecentPath, recent);
        EXPECT_TRUE(s.State().IsUnnamed());
        EXPECT_EQ(Caption(w), U("Tarvel"));

        s.Command(goneItem == 1 ? "recentFile2" : "recentFile1");
        EXPECT_EQ(s.Texts().size(), 1);
        EXPECT_EQ(Caption(w), U("Tarvel [bea.ov1]"));
        EXPECT_EQ(s.State().Records.Count(), 1);
        EXPECT_EQ(w.SettingsState().RecentPath, (std::array<QString, 3>{bea, gone, QString()}));
        EXPECT_EQ(ReadBytes(s.Backup()), kEmptyBackup);
    }
}

TEST(MainWindowTest, LeavingTheDiaryTabWithEditsAsks)
{
    Shell s;
    MainWindow& w = s.Start();
    QTest::keyClicks(s.Controls().weight[0], U("65"));
    ASSERT_EQ(Caption(w), U("Tarvel *"));
    // A later activation (back from a dialog) keeps what was typed.
    w.ShowFirstDay();
    EXPECT_EQ(Caption(w), U("Tarvel *"));
    QTabBar* bar = w.MainTab()->tabBar();

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_TRUE(s.Texts().isEmpty());
    EXPECT_EQ(Caption(w), U("Tarvel *"));

    s.messages.Script(AnswerNo);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(s.Texts(), QStringList{LoadText(718) + kCrLf + LoadText(719)});
    EXPECT_EQ(s.messages.Messages()[0].buttonKind, ButtonsYesNo);
    EXPECT_EQ(Caption(w), U("Tarvel"));
    EXPECT_EQ(s.Controls().weight[0]->text(), QString());
    EXPECT_EQ(w.MainTab()->currentIndex(), 1);
}

TEST(MainWindowTest, OwnerNameInPanelTitlesIsPlainText)
{
    Shell s;
    MainWindow& w = s.Start();
    const std::pair<ViewPanel*, const char*> panels[] = {{w.ViewSet().ListPanel(), " 's data list"},
                                                         {w.ViewSet().WeightPanel(), " 's weight trend"},
                                                         {w.ViewSet().BmiPanel(), " 's BMI trend"}};
    for (const auto& [panel, suffix] : panels)
        EXPECT_EQ(panel->TitleLabel()->text(), U("(New)") + U(suffix));

    QTest::keyClicks(s.Controls().name, U("<b>Ann</b>"));
    for (const auto& [panel, suffix] : panels) {
        EXPECT_EQ(panel->TitleLabel()->text(), U("<b>Ann</b>") + U(suffix));
        EXPECT_EQ(panel->TitleLabel()->textFormat(), Qt::PlainText);
    }
}

TEST(MainWindowTest, SchemePaintsPanelsButtonsLogosAndTheTabStrip)
{
    Shell s;
    s.Store().Save(U("ColorFlg"), U("Flg"), U("1"));
    MainWindow& w = s.Start();
    const qreal ratio = w.devicePixelRatio();
    const Views& v = w.ViewSet();
    // The 4-color scheme: Diary green, List orange, Weight trend pink, BMI trend blue.
    const struct {
        QWidget* panel;
        QLabel* logo;
        Hue hue;
        QColor light;
    } tabs[] = {{w.Page(), s.Page().Logo(), Hue::Green, QColor(218, 237, 229)},
                {v.ListPanel(), v.ListPanel()->Logo(), Hue::Orange, QColor(255, 234, 215)},
                {v.WeightPanel(), v.WeightPanel()->Logo(), Hue::Pink, QColor(255, 223, 223)},
                {v.BmiPanel(), v.BmiPanel()->Logo(), Hue::Blue, QColor(230, 242, 255)}};
    for (int tab = 0; tab < 4; ++tab) {
        const auto& t = tabs[tab];
        w.MainTab()->setCurrentIndex(tab);
        EXPECT_EQ(w.MainTab()->tabBar()->palette().color(QPalette::Window), t.light) << tab;
        EXPECT_EQ(t.panel->grab().toImage().pixelColor(2, 2), t.light) << tab;
        EXPECT_EQ(t.logo->pixmap().toImage(), TabLogo(t.hue, ratio).toImage()) << tab;
        EXPECT_TRUE(t.logo->isVisible()) << tab;
    }
    EXPECT_EQ(s.Page().SexFrame()->grab().toImage().pixelColor(1, 1), tabs[0].light);

    const auto shows = [ratio](PictureButton* button, Hue hue, ButtonShape shape) {
        return button->UpPicture().toImage() == ButtonPicture(hue, shape, false, ratio).toImage() &&
               button->DownPicture().toImage() == ButtonPicture(hue, shape, true, ratio).toImage();
    };
    EXPECT_TRUE(shows(s.Controls().save, Hue::Green, ButtonShape::Large));
    EXPECT_TRUE(shows(s.Controls().bmiButton[1], Hue::Green, ButtonShape::Wide));
    EXPECT_TRUE(shows(v.List().ForwardButton(), Hue::Orange, ButtonShape::Large));
    EXPECT_TRUE(shows(v.WeightView().FrontButton(), Hue::Pink, ButtonShape::Large));
    EXPECT_TRUE(shows(v.WeightView().MinusLabel(), Hue::Pink, ButtonShape::Small));
    EXPECT_TRUE(shows(v.BmiView().NextButton(), Hue::Blue, ButtonShape::Large));

    // The calendar in the Diary medium and dark colours, the list's record numbers in the List dark.
    EXPECT_EQ(s.Page().Calendar()->palette().color(QPalette::Highlight), QColor(162, 209, 188));
    EXPECT_EQ(s.Page().Calendar()->headerTextFormat().background().color(), QColor(201, 228, 216));
    EXPECT_EQ(v.List().Grid()->item(0, 1)->background().color(), QColor(255, 207, 164));
}

TEST(MainWindowTest, AppearanceCommandAppliesOnlyAChangedScheme)
{
    Shell s;
    s.Store().Save(U("ColorFlg"), U("Flg"), U("7"));
    MainWindow& w = s.Start();
    int choice = 1;
    bool ok = true;
    int runs = 0;
    w.SetColorDlgRunner([&](ColorDlg& dialog) {
        ++runs;
        EXPECT_TRUE(dialog.Option(w.SettingsState().ColorScheme)->isChecked());
        QTest::mouseClick(dialog.Option(choice), Qt::LeftButton);
        QTest::mouseClick(ok ? dialog.OKBtn() : dialog.CancelBtn(), Qt::LeftButton);
    });
    const auto pictureKey = [&s] { return s.Controls().dateButton->UpPicture().cacheKey(); };
    const qint64 grayKey = pictureKey();
    // A click on the Diary page (it closes the calendar) before the user turns to the List tab.
    QTest::mouseClick(w.Page(), Qt::LeftButton, {}, QPoint(2, 2));
    w.MainTab()->setCurrentIndex(1);

    s.Action("appearance")->trigger();
    EXPECT_EQ(w.SettingsState().ColorScheme, 1);
    EXPECT_NE(pictureKey(), grayKey);
    EXPECT_EQ(w.Page()->palette().color(QPalette::Window), QColor(218, 237, 229));
    EXPECT_EQ(s.Page().Logo()->pixmap().toImage(), TabLogo(Hue::Green, w.devicePixelRatio()).toImage());
    EXPECT_TRUE(s.Page().Logo()->isVisibleTo(w.Page()));
    // The strip shows the List tab's colour, not the Diary colour the scheme starts it with.
    EXPECT_EQ(w.MainTab()->tabBar()->palette().color(QPalette::Window), QColor(255, 234, 215));

    // The scheme in force chosen again, and a choice cancelled: nothing is painted again.
    const qint64 key = pictureKey();
    s.Action("appearance")->trigger();
    choice = 3;
    ok = false;
    s.Action("appearance")->trigger();
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(w.SettingsState().ColorScheme, 1);
    EXPECT_EQ(pictureKey(), key);
}

TEST(MainWindowTest, HelpMenu)
{
    Shell s;
    MainWindow& w = s.Start();
    EXPECT_EQ(w.Help(), nullptr);
    s.Action("helpContents")->trigger();
    ASSERT_NE(w.Help(), nullptr);
    EXPECT_TRUE(w.Help()->isVisible());

    // Both web items open the configured web page; without one they are hidden and open nothing.
    const bool homePage = kHomePage[0] != '\0';
    EXPECT_EQ(s.Action("productPage")->isVisible(), homePage);
    s.Action("productPage")->trigger();
    s.Action("makerPage")->trigger();
    EXPECT_EQ(s.opened, homePage ? (QStringList{U(kHomePage), U(kHomePage)}) : QStringList());
}

TEST(MainWindowTest, ScaleWeightGoesIntoTheNewDay)
{
    Shell s;
    MainWindow& w = s.Start();
    // Before noon the morning input, as if typed: the page is marked edited.
    s.scalePort.Feed("\nST,+065.40kg\r\n");
    EXPECT_EQ(s.Controls().weight[0]->text(), U("65.40"));
    EXPECT_EQ(Caption(w), U("Tarvel *"));
    s.Controls().name->setText(U("Ann"));
    s.Controls().height->setText(U("170"));
    QTest::mouseClick(s.Controls().save, Qt::LeftButton);
    ASSERT_EQ(s.State().Records.Count(), 1);

    // A stored day shown takes nothing; New ends the quiet period, so the next weighing counts.
    s.scalePort.Feed("ST,+070.00kg\r\n");
    EXPECT_EQ(s.Controls().weight[0]->text(), U("65.40"));
    s.messages.Script(AnswerNo);
    s.Command("newDiary");
    s.scalePort.Feed("\nST,+066.20kg\r\n");
    EXPECT_EQ(s.Controls().weight[0]->text(), U("66.20"));
}

TEST(MainWindowTest, ViewsShowTheDiaryAndOpenADayOnTheDiaryTab)
{
    Shell s;
    const QString bea = s.temp.File(U("bea.ov1"));
    QFile file(bea);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kBeaDiary);
    file.close();
    MainWindow& w = s.Start(bea);

    ListView& list = w.ViewSet().List();
    EXPECT_EQ(list.ShownRecord(1), 1);
    EXPECT_EQ(w.ViewSet().ListPanel()->TitleLabel()->text(), U("Bea 's data list"));
    // The period follows the diary's latest day, so the weight graph shows its marker.
    EXPECT_EQ(w.Period().PeriodStart, QDate(2004, 5, 1));

    s.Page().NewEntry();
    w.MainTab()->setCurrentIndex(1);
    Q_EMIT list.RecordOpened(1);
    EXPECT_EQ(w.MainTab()->currentIndex(), 0);
    EXPECT_EQ(s.Controls().date->text(), U("2004/5/6"));
}

} // namespace
