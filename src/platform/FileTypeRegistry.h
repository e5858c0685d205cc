#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarvel {

// Runs the desktop's tools: the database tools after the type files changed, and programs the user
// asks for. Tests replace it to record the calls instead of running anything.
class ToolRunner {
public:
    virtual ~ToolRunner() = default;
    // The full path of a tool on PATH, or "" when there is none.
    virtual QString FindTool(const QString& name) const = 0;
    // Runs the tool and waits a limited time; its outcome does not matter to the caller.
    virtual void RunTool(const QString& program, const QStringList& arguments) = 0;
    // Starts the tool on its own, without waiting for it; false when it could not be started.
    virtual bool StartTool(const QString& program, const QStringList& arguments) = 0;
};

// Looks tools up with QStandardPaths and runs them with QProcess, output discarded.
class ProcessToolRunner : public ToolRunner {
public:
    QString FindTool(const QString& name) const override;
    void RunTool(const QString& program, const QStringList& arguments) override;
    bool StartTool(const QString& program, const QStringList& arguments) override;
};

// Makes ".ov1" files open in Tarvel from the desktop, per user: a shared-mime-info definition of
// application/x-tarvel-diary in <data>/mime/packages/tarvel.xml, a desktop entry that opens such
// files in <data>/applications/tarvel.desktop and the program's icon (kIconName) in the user's
// hicolor theme, followed by a refresh of the two databases when the tools are installed. A file
// that already holds the same content is left alone, so the refresh runs only after a change (first
// start, or the program moved).
class FileTypeRegistry {
public:
    // dataHome is the XDG data folder (~/.local/share); executable is the program's absolute path.
    FileTypeRegistry(QString dataHome, QString executable, QString description);

    static QString DefaultDataHome();

    // False when a file could not be written; callers carry on either way.
    bool Install(ToolRunner& tools) const;

    QString MimeFilePath() const;
    QString DesktopFilePath() const;
    QString IconFilePath() const;

private:
    QString m_dataHome;
    QString m_executable;
    QString m_description;
};

// The icon's name in the icon theme, as the desktop entry names it, and the built-in picture
// (compiled into tarvel_platform) that Install puts into the theme and the window falls back on.
inline constexpr char kIconName[] = "tarvel";
inline constexpr char kIconResource[] = ":/icons/tarvel.svg";

// The two files, as Install writes them per user. The build writes them once more with the same
// description and "tarvel" as the executable for the system-wide installation, so the package and
// the first start never disagree about the type.
QByteArray MimeDefinition(const QString& description);
QByteArray DesktopEntry(const QString& executable);

// The executable as one argument of a desktop entry's Exec value: quoted when it holds a reserved
// character, with the escapes the quoting and the string value need.
QString DesktopExecArgument(const QString& path);

} // namespace tarvel
