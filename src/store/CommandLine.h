#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvel {

// The diary named on the command line, split the way Diary keeps it: the folder ends in "/", the
// title is the file name, the path is the whole absolute path.
struct CommandLineDiary {
    QString folder;
    QString title;
    QString path;

    bool operator==(const CommandLineDiary&) const = default;
};

// The one optional diary path the program takes, as the whole text after the program name, quoted
// or not. A relative path is taken against the working folder. Gives nothing for an empty text or
// one that names a folder; the command line is then ignored.
std::optional<CommandLineDiary> DiaryFromCommandLine(const QString& text, const QString& workingFolder);

// The text after the program name: the arguments after the first, joined with single blanks, so a
// path with blanks passed unquoted as several arguments still reads as one path.
QString CommandLineText(const QStringList& arguments);

} // namespace tarvel
