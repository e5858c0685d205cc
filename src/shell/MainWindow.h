#pragma once

#include "platform/LocaleFormats.h"
#include "scale/ScaleStatus.h"
#include "shell/WindowShape.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"
#include "store/GraphPeriod.h"
#include "store/Settings.h"
#include "store/Trend.h"

#include <QDateTime>
#include <QLocale>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QTabWidget;
class QWheelEvent;

namespace tarvel {

class BluetoothLink;
class Clock;
class CsvCommands;
class DiaryPage;
class ErrorLog;
struct GattReading;
class PortConnection;
class ScaleLink;
class SchemePainter;
class SerialPort;
class FileCommands;
class FileDialogs;
class Folders;
class HelpWindow;
class MainMenus;
class MessageService;
class PrinterDialog;
class SettingsStore;
class ToolRunner;
class Views;

// What the window takes from its surroundings. The program passes the real services; tests pass
// doubles, a temporary folder, a fixed clock and a locale of their choice.
struct ShellServices {
    MessageService& messages;
    FileDialogs& dialogs;
    const Clock& clock;
    SettingsStore& settingsStore;
    const Folders& folders;
    ToolRunner& tools;
    QLocale locale;
    // Where the desktop entry and the MIME type go (the XDG data folder) and the program they start.
    QString dataHome;
    QString executablePath;
    // The text after the program name on the command line, and the folder it was given in.
    QString commandLine;
    QString workingFolder;
    // Opens a web page; the Help menu's two web items use it.
    std::function<void(const QString&)> openUrl;
    // The scale's port, the Port dialog's test port, and the device each port number stands for.
    SerialPort& scalePort;
    SerialPort& testPort;
    std::function<QString(int)> portDevice;
    // The printer dialog of the Print command.
    PrinterDialog& printerDialog;
};

// The main window: menus, toolbar and the tab strip MainTab with the Diary, List, Weight trend and
// BMI trend panels. It owns the diary's state and hands it to the pages, runs start-up and
// shut-down, and dispatches the menu and toolbar commands. Its parts carry object names (the diary
// "diary", the page "diaryPage", the tab strip "MainTab", the panels and graphs theirs).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const ShellServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: StartUp and then FirstLoad. Shows nothing yet.
    void Load();
    // The first activation: reads a command-line diary, shows the current day and the tabs. The
    // window runs it once it is first shown; later calls do nothing.
    void ShowFirstDay();

    // A later start of the program asked for this window.
    void BringToFront();

    // True until the first activation has shown the current day.
    bool IsStarting() const { return m_starting; }
    // The file commands; a later start of the program hands its diary to them.
    FileCommands& Commands() const { return *m_commands; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The questions before closing and the shut-down steps; false when the user cancelled (the
    // window stays open, nothing changed).
    bool MayClose();
    // The Port command: Setting > Port and the toolbar's port button.
    void ChoosePort();
    // The Range command: Setting > Range and the toolbar's range button.
    void SetGraphRange();
    // The About command: Help > About.
    void ShowAbout();
    // The Appearance command: Setting > Appearance and the toolbar's appearance button. Runs the
    // dialog and, when it changed ColorScheme, applies the new scheme at once.
    void SetAppearance();
    // ColorScheme onto the window; the tab strip's colour after a change of tabs or schemes.
    void ApplyScheme();
    // Setting > Units: the page, the list, the graphs and the trend lines show weights in the
    // settings' unit.
    void SetUnit(const QString& unitKey);
    void ShowUnit();
    void SyncTabColour();
    // The Go to date command: View > Go to date (Ctrl+G). Asks for a day and shows it on the current
    // tab: the Diary tab and the list its record or the nearest one, the graphs its period.
    void GoToDate();
    void BuildTabs();
    void ConnectPage();
    void ConnectCommands();
    void StartUp();
    void FirstLoad();
    void RegisterFileTypeOnce();
    void ReadCommandLine();
    // The window where the last run left it, within the screens present now; on the first start
    // 100 twips from the primary screen's corner. Kept in the settings at close.
    void PlaceWindow();
    // Once framed: the window, frame included, moved and shrunk onto its screen's free area.
    void FitOnScreen();
    void RememberWindow();
    void ApplyTexts();
    void ShowRecentFiles();
    // The tab prompt: false when a press on another tab's header must not switch tabs.
    bool MayLeaveTab(const QPoint& position);
    // The wheel over the tab bar while the Diary page holds edits: true when the event is taken.
    bool TurnTabsByWheel(const QWheelEvent& wheel);
    void ShowHelp(bool topics);
    void ShowDate(const QDate& day);
    void FocusTabView(int tab);
    // The scale's readings and its line in the status bar (MainWindowScale.cpp): a reading goes onto
    // the Diary page when the page can take it, else the status bar holds it until it can; the line
    // is shown after every change of the port, every reading and every day the page shows.
    void ConnectScale();
    // Connects to the Bluetooth scale the settings name (none: the link stays idle).
    void StartBluetoothScale();
    // A Bluetooth reading goes by its own time: today's to the page as the serial scale's do, another
    // day's into its empty slot of that day, an equal one already there ignored, the rest held.
    void TakeBluetoothReading(const GattReading& reading);
    void PlaceHeldReading();
    void BuildScaleStatus();
    void ShowScaleStatus();

    const ShellServices m_services;
    Diary m_diary;
    Settings m_settings;
    LocaleFormats m_formats;
    Trend m_trend{m_diary.records()};
    DiaryFile m_file;
    bool m_commandLineFile = false;
    bool m_activated = false;
    bool m_starting = true;        // until the first activation has shown the current day
    bool m_backupRecalled = false; // the backup of unsaved work was taken up at the start
    WindowShape m_shape;
    QPoint m_tabWheel; // wheel turns over the tab bar not yet a whole notch

    QTabWidget* m_tabs = nullptr;
    DiaryPage* m_page = nullptr;
    std::unique_ptr<Views> m_views;
    std::unique_ptr<SchemePainter> m_schemes;
    std::unique_ptr<FileCommands> m_commands;
    std::unique_ptr<ScaleLink> m_link;
    std::unique_ptr<ErrorLog> m_errorLog;
    std::unique_ptr<PortConnection> m_port;
    MainMenus* m_menus = nullptr;
    HelpWindow* m_help = nullptr;
    QLabel* m_scaleStatus = nullptr;
    std::unique_ptr<CsvCommands> m_csv;
    std::optional<ScaleReading> m_lastReading;
    std::unique_ptr<BluetoothLink> m_bluetooth;
    std::optional<ScaleReading> m_lastBluetoothReading;
    // Readings waiting for a page that takes them, oldest first; the status bar shows the first.
    // A serial reading replaces the serial one waiting; a Bluetooth reading whose slot of a stored
    // day is taken (dayTaken) waits for nothing and is only shown.
    struct HeldReading {
        QString weight;
        QDateTime weighed;
        bool bluetooth = false;
        bool dayTaken = false;
    };
    std::vector<HeldReading> m_heldReadings;
    // Where the desktop's frame puts the inside of a normal (not maximised) window; a maximised
    // frame is thinner, so the place kept at close is reckoned with this one.
    std::optional<QPoint> m_normalFrameOffset;
};

} // namespace tarvel
