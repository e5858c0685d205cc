#pragma once

#include "platform/TextTable.h"

#include <QString>

namespace tarvel {

// The Open and Save As file dialogs. Both return the chosen absolute path, or "" when the user
// cancels. Open accepts only a file that exists; Save asks before replacing an existing file and
// adds the extension of the filter's first entry to a name typed without one ("anna" -> "anna.ov1"). The filter uses Qt's syntax
// ("Name (*.ext);;Other (*)") and its first entry is the one selected.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString OpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString SaveFile(const QString& title, const QString& folder, const QString& filter) = 0;
};

// The filter of the diary dialogs: diary files first, then every file. "All Files" is "*", not "*.*":
// on Linux "*.*" would hide file names without a dot.
inline QString DiaryFileFilter()
{
    return LoadText(TextId::DiaryFiles) + QStringLiteral(" (*.ov1);;") + LoadText(TextId::AllFiles) +
           QStringLiteral(" (*)");
}

} // namespace tarvel
