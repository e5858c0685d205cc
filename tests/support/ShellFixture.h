#pragma once

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/FileTypeRegistry.h"
#include "platform/Folders.h"
#include "platform/PictureButton.h"
#include "platform/SettingsStore.h"
#include "shell/MainMenus.h"
#include "shell/MainWindow.h"
#include "support/FakeSerialPort.h"
#include "support/PageControls.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrinterDialog.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace tarvel::testing {

// The title as the window system shows it: " *" while the Diary page holds edits.
inline QString Caption(const QWidget& window)
{
    return window.windowHandle() != nullptr ? window.windowHandle()->title() : QString();
}

// A tool runner that finds nothing.
class NoTools : public ToolRunner {
public:
    QString FindTool(const QString&) const override { return QString(); }
    void RunTool(const QString&, const QStringList&) override {}
    bool StartTool(const QString&, const QStringList&) override { return false; }
};

// The main window over doubles: everything inside a temporary folder, a clock standing at
// 2026-12-06 10:00, the ja_JP locale (dates "2026/12/6", "." decimals), scripted messages, file and
// printer dialogs, the scale's port Com1 present. Settings, backup and files are prepared before
// Start(); the settings file is read when Store() is first used, at the latest by Start().
struct Shell {
    static inline const QString kExecutable = QStringLiteral("/opt/tarvel/bin/tarvel");

    TempFolder temp;
    FixedFolders folders{temp.Path() + QStringLiteral("/home")};
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(10, 0))};
    QString ini = temp.File(QStringLiteral("tarvel.ini"));
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    NoTools tools;
    FakeSerialPort scalePort;
    FakeSerialPort testPort;
    ScriptedPrinterDialog printerDialog;
    QStringList opened; // web pages asked for
    std::unique_ptr<MainWindow> window;

    Shell() { scalePort.Exists(1); }

    IniSettingsStore& Store()
    {
        if (!m_store)
            m_store = std::make_unique<IniSettingsStore>(ini);
        return *m_store;
    }
    QString Backup() const { return folders.AppFolder() + QStringLiteral("TV_Backup"); }
    void PutBackup(const QByteArray& bytes) const
    {
        QFile file(Backup());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QString DataHome() const { return temp.Path() + QStringLiteral("/share"); }

    MainWindow& Start(const QString& commandLine = QString())
    {
        window = std::make_unique<MainWindow>(ShellServices{
            messages, dialogs, clock, Store(), folders, tools, QLocale(QStringLiteral("ja_JP")), DataHome(),
            kExecutable, commandLine, temp.Path(), [this](const QString& url) { opened << url; }, scalePort,
            testPort, [](int port) { return QStringLiteral("/dev/fake%1").arg(port); }, printerDialog});
        window->Load();
        window->show();
        window->ShowFirstDay();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    DiaryPage& Page() const { return *window->Page(); }
    PageControls Controls() const { return PageControls(Page()); }
    Diary& State() const { return window->DiaryState(); }
    // A command of the menus and toolbar by its action's object name.
    QAction* Action(const char* name) const
    {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    void Command(const char* name) const { Action(name)->trigger(); }

    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& shown : messages.Messages())
            texts << shown.text;
        return texts;
    }

    // Types a morning weight on the page (on a new day of that date when one is given; with Ann's
    // profile when none is filled in) and presses Save data.
    void AddDay(const char* weight, const char* date = nullptr) const
    {
        const PageControls c = Controls();
        if (date != nullptr) {
            if (c.newDay->isEnabled())
                QTest::mouseClick(c.newDay, Qt::LeftButton);
            c.date->setText(QString::fromUtf8(date));
            c.time[0]->setText(QStringLiteral("07:30"));
        }
        if (c.name->text().isEmpty())
            c.name->setText(QStringLiteral("Ann"));
        if (c.height->text().isEmpty())
            c.height->setText(QStringLiteral("170"));
        QTest::keyClicks(c.weight[0], QString::fromUtf8(weight));
        QTest::mouseClick(c.save, Qt::LeftButton);
    }

private:
    std::unique_ptr<IniSettingsStore> m_store;
};

} // namespace tarvel::testing
