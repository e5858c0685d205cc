#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;

namespace tarvel {

// Flushes an open file's content to the disk (fsync); false when the system could not.
bool SyncFile(int handle);

// Writes a whole file so that the previous file survives any failure: the content goes to a hidden
// temporary file beside the target (TemporaryFileName), is flushed and synced, and only then is
// renamed over the target, after which the folder is synced too. The new file keeps the old one's
// permissions; a link at the path stays and the file it names is replaced. write() returns false
// when a write to the device failed; sync() makes the written file durable (SyncFile, or a test's
// observer). Returns true only when the new file is complete on disk.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const std::function<bool(int handle)>& sync = SyncFile);

// What a file looked like when this program last read or wrote it: enough to notice later that
// another program (a sync folder's client, an editor) changed it since.
struct FileStamp {
    QString path; // the file itself, links followed; "" when nothing was stamped
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;
};

// The stamp of the file at path now; an empty stamp when it cannot be read.
FileStamp StampFile(const QString& path);
// Whether the file a stamp was taken of now holds other bytes. Size and time tell at once that
// nothing changed; when either moved, the content decides (a copy that kept the bytes changed
// nothing). A file that is gone, or an empty stamp, counts as unchanged: writing loses nothing.
bool ChangedSince(const FileStamp& stamp);
// Whether path names the file a stamp was taken of (also through another spelling or a link).
bool IsStampedFile(const FileStamp& stamp, const QString& path);

// The name of a temporary file of fileName: ".<fileName>.tarvel-" and six letters or digits. No
// other program and no user picks such a name, so one found later is left from a save that never
// finished.
QString TemporaryFileName(const QString& fileName, QStringView letters);
bool IsTemporaryFileName(QStringView name, const QString& fileName);

// Writes all bytes to the device; false when the device took fewer.
bool WriteAll(QIODevice& device, const char* data, qint64 size);

} // namespace tarvel
