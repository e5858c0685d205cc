#pragma once

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/PictureButton.h"
#include "platform/SettingsStore.h"
#include "shell/MainWindow.h"
#include "support/FakeSerialPort.h"
#include "support/PageControls.h"
#include "support/RecordingTools.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrinterDialog.h"
#include "support/TempFolder.h"
#include "views/ListView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace tarvel::testing {

// The main window over doubles: everything inside a temporary folder, a clock standing at
// 2026-12-06 10:00, the ja_JP locale (dates "2026/12/6", "." decimals), scripted messages, file and
// printer dialogs, the scale's port Com1 present. Settings, backup and files are prepared before
// Start().
struct Shell {
    TempFolder temp;
    FixedFolders folders{temp.Path() + QStringLiteral("/home")};
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(10, 0))};
    IniSettingsStore store{temp.File(QStringLiteral("tarvel.ini"))};
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    RecordingTools tools;
    FakeSerialPort scalePort, testPort;
    ScriptedPrinterDialog printerDialog;
    std::unique_ptr<MainWindow> window;

    Shell() { scalePort.Exists(1); }

    QString Backup() const { return folders.AppFolder() + QStringLiteral("TV_Backup"); }
    void PutBackup(const QByteArray& bytes) const
    {
        temp.Write(QDir(temp.Path()).relativeFilePath(Backup()), bytes);
    }

    MainWindow& Start(const QString& commandLine = QString())
    {
        window = std::make_unique<MainWindow>(
            ShellServices{messages, dialogs, clock, store, folders, tools, QLocale(QStringLiteral("ja_JP")),
                          temp.File(QStringLiteral("share")), QStringLiteral("/opt/tarvel/bin/tarvel"),
                          commandLine, temp.Path(), [](const QString&) {}, scalePort, testPort,
                          [](int port) { return QStringLiteral("/dev/fake%1").arg(port); }, printerDialog});
        window->Load();
        window->show();
        window->ShowFirstDay();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    // A part of the window by its object name.
    template <class T> T& Find(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    DiaryPage& Page() const { return Find<DiaryPage>("diaryPage"); }
    PageControls Controls() const { return PageControls(Page()); }
    Diary& State() const { return Find<Diary>("diary"); }
    QTabWidget& Tabs() const { return Find<QTabWidget>("MainTab"); }
    ListView& List() const { return Find<ListView>("listView"); }
    // The first day of the graphs' period, as a screen reader hears it from the BMI graph.
    QString GraphStart() const
    {
        return Find<QWidget>("BmiGraph").accessibleDescription().section(u' ', 0, 0);
    }
    // The title as the window system shows it: " *" while the Diary page holds edits.
    QString Caption() const { return window->windowHandle()->title(); }
    // A command of the menus and toolbar by its action's object name.
    void Command(const char* name) const { Find<QAction>(name).trigger(); }
    // Works the next modal dialog of type D as soon as it shows; act closes it.
    template <class D> static void Answer(std::function<void(D&)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }
};

} // namespace tarvel::testing
