#include "platform/Clock.h"
#include "platform/FileTypeRegistry.h"
#include "platform/Folders.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageService.h"
#include "platform/QtPrinterDialog.h"
#include "platform/QtSerialPort.h"
#include "platform/SerialPortMap.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "shell/FileCommands.h"
#include "shell/MainWindow.h"
#include "shell/WebPages.h"
#include "store/CommandLine.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QThread>

namespace {

// Raises a window of this program for a later start. On Wayland the compositor raises a window
// only for the activation token the desktop gave that start: Qt's Wayland plugin takes it from
// XDG_ACTIVATION_TOKEN when the window asks to be activated.
void ActivateWithToken(const std::function<void()>& activate, const QString& token)
{
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    activate();
    // A token serves once; an unused one must not raise a window later.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarvel"));
    QApplication::setApplicationName(QStringLiteral("Tarvel"));
    QApplication::setDesktopFileName(QStringLiteral("tarvel"));
    // The theme's icon (the installed one, or the one the first start put in the user's theme), else
    // the built-in picture: title bars and task switchers show it also when run from the build tree.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QLatin1String(tarvel::kIconName), QIcon(QLatin1String(tarvel::kIconResource))));
    // Before any text is looked up: menus, messages and Qt's own dialogs in the desktop's language.
    const tarvel::Translations translations(QLocale::system().uiLanguages());

    // A second start hands over to the running window, with the diary it was given, and ends before
    // it touches any file.
    const QString commandLine = tarvel::CommandLineText(QCoreApplication::arguments());
    const auto named = tarvel::DiaryFromCommandLine(commandLine, QDir::currentPath());
    tarvel::SingleInstance instance;
    const QString activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    if (!instance.TryBecomePrimary(named ? named->path : QString(), activationToken))
        return 0;

    tarvel::QtMessageService messages;
    tarvel::QtFileDialogs dialogs;
    tarvel::SystemClock clock;
    tarvel::IniSettingsStore settings;
    tarvel::StandardFolders folders;
    tarvel::ProcessToolRunner tools;
    tarvel::QtPrinterDialog printerDialog;
    const tarvel::SerialPortMap ports;
    tarvel::QtSerialPort scalePort(ports);
    tarvel::QtSerialPort testPort(ports);
    testPort.SetNotifying(false);
    const tarvel::ShellServices services{messages,
                                         dialogs,
                                         clock,
                                         settings,
                                         folders,
                                         tools,
                                         QLocale::system(),
                                         tarvel::FileTypeRegistry::DefaultDataHome(),
                                         QCoreApplication::applicationFilePath(),
                                         commandLine,
                                         QDir::currentPath(),
                                         [](const QString& url) { tarvel::OpenWebPage(url); },
                                         scalePort,
                                         testPort,
                                         [&ports](int port) { return ports.DevicePath(port); },
                                         printerDialog};

    tarvel::MainWindow window(services);
    messages.SetParent(&window);
    dialogs.SetParent(&window);
    // A question on screen (the recall question at start, a save question) comes to the front
    // instead of the window it belongs to; before its first showing the window shows itself.
    QObject::connect(&instance, &tarvel::SingleInstance::ActivationRequested, &window,
                     [&window](const QString& token) {
                         if (QWidget* modal = QApplication::activeModalWidget()) {
                             ActivateWithToken(
                                 [modal] {
                                     modal->raise();
                                     modal->activateWindow();
                                 },
                                 token);
                         } else if (!window.IsStarting()) {
                             ActivateWithToken([&window] { window.BringToFront(); }, token);
                         }
                     });
    // A diary sent by a later start opens only once the start-up is over (settings read, the recall
    // question answered) and no dialog is up, through the usual questions about unsaved work: run
    // inside a dialog or before the settings were read, it would reset the backup and write the
    // settings from their defaults. A nested event loop (a menu, a native dialog) waits too.
    instance.HoldOpenRequestsUntil([&window] {
        return !window.IsStarting() && QApplication::activeModalWidget() == nullptr &&
               QApplication::activePopupWidget() == nullptr && QThread::currentThread()->loopLevel() <= 1;
    });
    QObject::connect(&instance, &tarvel::SingleInstance::OpenRequested, &window,
                     [&window](const QString& path) { window.Commands().OpenDiaryAt(path); });
    window.Load();
    window.show();
    return app.exec();
}
