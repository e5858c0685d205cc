#include "store/CommandLine.h"

#include <QDir>

namespace tarvel {

std::optional<CommandLineDiary> DiaryFromCommandLine(const QString& text, const QString& workingFolder)
{
    QString path = text;
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    if (path.endsWith(QLatin1Char('"')))
        path.chop(1);
    // A folder gives nothing. Decided before cleaning the path, which would turn "sub/" into "sub" and
    // "sub/.." into the working folder, both of them read as a file name afterwards.
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) || path == QLatin1String(".") ||
        path == QLatin1String("..") || path.endsWith(QLatin1String("/.")) ||
        path.endsWith(QLatin1String("/..")))
        return std::nullopt;
    if (QDir::isRelativePath(path))
        path = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path));

    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    CommandLineDiary diary{path.left(slash + 1), path.mid(slash + 1), path};
    if (diary.title.isEmpty())
        return std::nullopt;
    return diary;
}

QString CommandLineText(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

} // namespace tarvel
