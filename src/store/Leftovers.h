#pragma once

#include <QString>
#include <QStringList>

class QDateTime;

namespace tarvel {

class LocaleFormats;

// What an interrupted run can leave beside the diary and the backup, dealt with at start-up.

// Removes the temporary files of saves of folder/fileName that never finished. Files are written
// through QSaveFile (WriteFileSafely): on Linux it writes into an unnamed file, which leaves nothing
// behind; where the file system has no unnamed files it writes into "<fileName>.XXXXXX" (six random
// ASCII letters) beside the target, and when the target exists it also links the finished file
// under such a name just before renaming it over the target. Only regular files of exactly that
// name are removed, and not when the six letters read as a word a user might have chosen
// ("backup", "BACKUP", "Backup"). Returns the paths removed.
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
