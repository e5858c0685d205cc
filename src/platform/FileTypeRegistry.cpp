#include "platform/FileTypeRegistry.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>

#include <algorithm>

namespace tarvel {

namespace {

constexpr int kToolTimeoutMs = 10000;

const QString kMimeType = QStringLiteral("application/x-tarvel-diary");
const QString kMimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kAppComment = QStringLiteral("Diary of body weight");

enum class FileOutcome { Unchanged, Written, Failed };

// A desktop entry string value: backslash and the control characters a line cannot hold escaped.
QString EscapeValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

FileOutcome UpdateFile(const QString& path, const QByteArray& content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return FileOutcome::Unchanged;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return FileOutcome::Failed;
    const bool written = WriteFileSafely(
        path, [&](QIODevice& out) { return WriteAll(out, content.constData(), content.size()); });
    return written ? FileOutcome::Written : FileOutcome::Failed;
}

void RunIfInstalled(ToolRunner& tools, const QString& name, const QString& folder)
{
    const QString program = tools.FindTool(name);
    if (!program.isEmpty())
        tools.RunTool(program, {folder});
}

} // namespace

QByteArray MimeDefinition(const QString& description)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("mime-info"));
    writer.writeDefaultNamespace(kMimeNamespace);
    writer.writeStartElement(QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), kMimeType);
    writer.writeTextElement(QStringLiteral("comment"), description);
    writer.writeEmptyElement(QStringLiteral("glob"));
    writer.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.ov1"));
    writer.writeEndDocument();
    return xml;
}

QByteArray DesktopEntry(const QString& executable)
{
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tarvel\n"
                                         "Comment=%1\n"
                                         "Exec=%2 %f\n"
                                         "Icon=%4\n"
                                         "Terminal=false\n"
                                         "Categories=Utility;\n"
                                         "MimeType=%3;\n")
                              .arg(EscapeValue(kAppComment), DesktopExecArgument(executable), kMimeType,
                                   QLatin1String(kIconName));
    return entry.toUtf8();
}

QString ProcessToolRunner::FindTool(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

void ProcessToolRunner::RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (process.waitForStarted(kToolTimeoutMs) && !process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kToolTimeoutMs);
    }
}

bool ProcessToolRunner::StartTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

QString DesktopExecArgument(const QString& path)
{
    // Characters that make the argument need quotes, and those that need a backslash inside them.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");

    const bool quote = std::any_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); });
    QString argument;
    if (quote)
        argument += QLatin1Char('"');
    for (const QChar c : path) {
        if (quote && escapedInQuotes.contains(c))
            argument += QLatin1Char('\\');
        // A lone % would start a field code.
        if (c == QLatin1Char('%'))
            argument += QLatin1Char('%');
        argument += c;
    }
    if (quote)
        argument += QLatin1Char('"');
    // The string value escapes come on top of the quoting: a literal backslash ends up as four.
    return EscapeValue(argument);
}

FileTypeRegistry::FileTypeRegistry(QString dataHome, QString executable, QString description)
    : m_dataHome(std::move(dataHome)), m_executable(std::move(executable)),
      m_description(std::move(description))
{
}

QString FileTypeRegistry::DefaultDataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString FileTypeRegistry::MimeFilePath() const
{
    return m_dataHome + QStringLiteral("/mime/packages/tarvel.xml");
}

QString FileTypeRegistry::DesktopFilePath() const
{
    return m_dataHome + QStringLiteral("/applications/tarvel.desktop");
}

QString FileTypeRegistry::IconFilePath() const
{
    return m_dataHome + QStringLiteral("/icons/hicolor/scalable/apps/") + QLatin1String(kIconName) +
           QStringLiteral(".svg");
}

bool FileTypeRegistry::Install(ToolRunner& tools) const
{
    const FileOutcome mime = UpdateFile(MimeFilePath(), MimeDefinition(m_description));
    const FileOutcome desktop = UpdateFile(DesktopFilePath(), DesktopEntry(m_executable));
    // The icon too, so the desktop entry's icon shows also when the program runs from where it was
    // built rather than from an installed package.
    QFile picture(QString::fromLatin1(kIconResource));
    const FileOutcome icon = picture.open(QIODevice::ReadOnly) ? UpdateFile(IconFilePath(), picture.readAll())
                                                               : FileOutcome::Failed;
    // Each database is refreshed only after its file changed: the tools take a moment.
    if (mime == FileOutcome::Written)
        RunIfInstalled(tools, QStringLiteral("update-mime-database"), m_dataHome + QStringLiteral("/mime"));
    if (desktop == FileOutcome::Written)
        RunIfInstalled(tools, QStringLiteral("update-desktop-database"),
                       m_dataHome + QStringLiteral("/applications"));
    return mime != FileOutcome::Failed && desktop != FileOutcome::Failed && icon != FileOutcome::Failed;
}

} // namespace tarvel
