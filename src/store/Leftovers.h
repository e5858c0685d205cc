#pragma once

#include <QString>
#include <QStringList>

class QDateTime;

namespace tarvel {

class LocaleFormats;

// What an interrupted run can leave beside the diary and the backup, dealt with at start-up.

// Removes the temporary files of saves of folder/fileName that never finished: regular files named
// as WriteFileSafely names its temporary files (".<fileName>.tarvel-XXXXXX"). Every other file stays,
// whatever its name. Returns the paths removed.
QStringList RemoveInterruptedSaves(const QString& folder, const QString& fileName);

// Puts a backup file that cannot be read as a diary out of the way, so that the reset at start-up
// does not overwrite it: it is renamed to "<backup>.unreadable-yyyyMMdd-HHmmss" (with "-2", "-3",
// ... when that name is taken). Unreadable means: it is not a regular file (a folder, a pipe), it
// cannot be opened or read, or it is not text (it holds a NUL byte, which no diary text has) and
// no day record reads from it. A backup with a day the reader takes stays, whatever else it holds:
// the recall question offers it. Returns the new path, or "" when the backup stays where it is
// (also when it is missing or the rename failed).
QString KeepAsideUnreadableBackup(const QString& backupPath, const LocaleFormats& formats,
                                  const QDateTime& now);

} // namespace tarvel
