// Start-up and shut-down of the main window.

#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/FileTypeRegistry.h"
#include "platform/Folders.h"
#include "platform/MessageService.h"
#include "platform/ScreenFit.h"
#include "platform/TextTable.h"
#include "scale/ErrorLog.h"
#include "scale/PortConnection.h"
#include "scale/ScaleLink.h"
#include "shell/FileCommands.h"
#include "shell/WindowPlacement.h"
#include "store/CommandLine.h"
#include "store/Leftovers.h"
#include "views/Views.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace tarvel {

namespace {

// Runs a routine each time the window it watches becomes the active window again.
class ActivationWatch : public QObject {
public:
    ActivationWatch(QWidget& window, std::function<void()> activated)
        : QObject(&window), m_activated(std::move(activated))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            m_activated();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_activated;
};

// The status bar's note, left of the scale's line, that another program changed the diary's file
// since it was read or saved here; looked at whenever the window becomes active again.
void WatchDiaryFile(MainWindow& window, FileCommands& commands)
{
    auto* note = new QLabel(&window);
    note->setObjectName(QStringLiteral("fileStatus"));
    note->setTextFormat(Qt::PlainText);
    note->hide();
    window.statusBar()->insertPermanentWidget(0, note);
    commands.ShowFileNote = [note](const QString& text) {
        note->setText(text);
        note->setVisible(!text.isEmpty());
    };
    new ActivationWatch(window, [&commands, &window] {
        if (!window.IsStarting())
            commands.NoteChangedFile();
    });
}

} // namespace

void MainWindow::Load()
{
    StartUp();
    FirstLoad();
}

void MainWindow::StartUp()
{
    // Only one Tarvel runs per user; main() has settled that before the window exists.
    const QString appFolder = m_services.folders.AppFolder();
    RegisterFileTypeOnce();
    m_diary.setAppFolder(appFolder);
    m_formats = LocaleFormats::ProbeLocale(m_services.locale);
    m_errorLog = std::make_unique<ErrorLog>(appFolder, m_services.clock, m_formats);
    m_errorLog->Delete();
    // What an interrupted save left beside the backup goes; a backup that cannot be read as a diary
    // is kept aside under another name for recovery by hand, not overwritten by the reset below.
    RemoveInterruptedSaves(appFolder, QString::fromLatin1(kBackupTitle));
    KeepAsideUnreadableBackup(m_diary.backupPath(), m_formats, m_services.clock.Now());

    m_backupRecalled = BackupHoldsData(m_diary.backupPath());
    if (m_backupRecalled) {
        const int answer = m_services.messages.ShowMessage(LoadText(TextId::BackupKept) + kCrLf +
                                                               LoadText(TextId::RecallBackup),
                                                           ButtonsYesNo, IconQuestion);
        m_backupRecalled = answer == AnswerYes;
    }
    m_commandLineFile = false;
    if (!m_backupRecalled) {
        m_file.ResetBackup(m_diary);
        ReadCommandLine();
        if (m_commandLineFile)
            RemoveInterruptedSaves(m_diary.fileFolder(), m_diary.fileName());
    }

    m_settings.Load(m_services.settingsStore);
    m_settings.TakeGoalOf(m_services.settingsStore, m_diary.filePath());
    m_link->Resynchronise();
    m_port = std::make_unique<PortConnection>(m_services.scalePort, *m_link, *m_errorLog, m_services.messages,
                                              m_settings.PortNo);
    m_port->Changed = [this] {
        m_lastReading.reset();
        ShowScaleStatus();
    };
    ApplyScheme();
    ShowUnit();
    ApplyTexts();
    ShowRecentFiles();
    m_tabs->setCurrentIndex(0);
    WatchDiaryFile(*this, *m_commands);
}

void MainWindow::RegisterFileTypeOnce()
{
    if (Settings::FileTypeRegistered(m_services.settingsStore))
        return;
    // A failure leaves the desktop without the association; the program works all the same.
    FileTypeRegistry(m_services.dataHome, m_services.executablePath, LoadText(TextId::DiaryFileType))
        .Install(m_services.tools);
    Settings::MarkFileTypeRegistered(m_services.settingsStore);
}

void MainWindow::ReadCommandLine()
{
    const auto named = DiaryFromCommandLine(m_services.commandLine, m_services.workingFolder);
    if (!named)
        return;
    m_diary.setFilePath(named->path);
    m_commandLineFile = true;
}

void MainWindow::FirstLoad()
{
    if (!m_commandLineFile)
        m_commands->ReadDiary();
    // A recalled backup is a diary that no file holds: the questions before closing must see it.
    if (m_backupRecalled)
        m_diary.markModified();
    Settings::TakeFirstRun(m_services.settingsStore);

    PlaceWindow();
    m_port->OpenScalePort(m_settings.PortChosen);
    StartBluetoothScale();
}

namespace {

// The screens' free areas, the primary screen's first.
std::vector<QRect> AvailableAreas()
{
    std::vector<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    }
    return screens;
}

} // namespace

void MainWindow::PlaceWindow()
{
    // Before the desktop has framed the window its frame is an estimate. Where windows cannot be
    // placed (Wayland) only the size is restored.
    const QMargins frame = WindowFrame(*this);
    const bool placeable = WindowPositionsMeaningful();
    if (m_settings.WindowRect) {
        // The rectangle holds the frame's corner and the inside's size.
        const QRect saved = *m_settings.WindowRect;
        const QRect placed =
            PlaceSavedWindow(QRect(saved.topLeft(), saved.size().grownBy(frame)), AvailableAreas());
        if (placeable)
            move(placed.topLeft());
        resize(placed.size().shrunkBy(frame));
        if (m_settings.WindowMaximised)
            setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // 100 twips from the screen's left and top edges, the whole window on its free area.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int offset = qRound(100.0 * screen->logicalDotsPerInch() / 1440.0);
        const QRect first = FirstWindowRect(screen->availableGeometry(), frame, offset);
        resize(first.size());
        if (placeable)
            move(first.topLeft() - QPoint(frame.left(), frame.top()));
    }
}

void MainWindow::RememberWindow()
{
    m_settings.WindowMaximised = isMaximized();
    const bool placeable = WindowPositionsMeaningful();
    std::optional<QRect> rect;
    if (isMaximized() || isMinimized()) {
        // Comes back maximised over the rectangle it had before. Never shown normal in this run,
        // the rectangle it started from stands.
        const QRect normal = normalGeometry();
        if (!normal.isEmpty() && (m_normalFrameOffset || !placeable))
            rect = QRect(normal.topLeft() - m_normalFrameOffset.value_or(QPoint()), normal.size());
    } else if (!geometry().isEmpty()) {
        // Kept as the desktop places a window: the frame's corner (pos) and the inside's size.
        rect = QRect(pos(), geometry().size());
    }
    if (!rect)
        return;
    if (!placeable) {
        // A position read back on Wayland means nothing: the one remembered before stays.
        rect->moveTopLeft(m_settings.WindowRect ? m_settings.WindowRect->topLeft() : QPoint());
    } else {
        const QMargins frame = WindowFrame(*this);
        rect->moveTopLeft(
            RememberedCorner(QRect(rect->topLeft(), rect->size().grownBy(frame)), frame, AvailableAreas()));
    }
    m_settings.WindowRect = rect;
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (windowState() == Qt::WindowNoState && isVisible())
        m_normalFrameOffset = geometry().topLeft() - pos();
}

void MainWindow::ShowFirstDay()
{
    // Later activations (returning from a dialog) leave the page alone: showing the current day
    // again would drop what the user has typed.
    if (m_activated)
        return;
    m_activated = true;
    if (m_commandLineFile) {
        m_commandLineFile = false;
        if (!m_commands->ReadDiary()) {
            // The unreadable file must not be overwritten by the empty diary on a later Save.
            m_diary.setFilePath(QString());
        }
    }
    m_page->ShowCurrentEntry();
    m_starting = false;
    m_page->SetStarting(false);
    m_tabs->show();
    FitOnScreen();
    m_page->setFocus(); // the name input
}

bool MainWindow::MayClose()
{
    if (!m_commands->AskSaveBeforeDiscard())
        return false;
    m_port->ClosePort();
    RememberWindow();
    m_settings.SaveSettings(m_services.settingsStore);
    // Whatever the backup held is now in a diary file, or the user chose to let it go.
    QFile::remove(m_diary.backupPath());
    return true;
}

} // namespace tarvel
