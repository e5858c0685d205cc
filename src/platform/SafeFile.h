#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;

namespace tarvel {

// Writes a whole file so that the previous file survives any failure: the content goes to a hidden
// temporary file beside the target (TemporaryFileName), is flushed and synced, and only then is
// renamed over the target, after which the folder is synced too. The new file keeps the old one's
// permissions; a link at the path stays and the file it names is replaced. write() returns false
// when a write to the device failed. Returns true only when the new file is complete on disk.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write);

// The name of a temporary file of fileName: ".<fileName>.tarvel-" and six letters or digits. No
// other program and no user picks such a name, so one found later is left from a save that never
// finished.
QString TemporaryFileName(const QString& fileName, QStringView letters);
bool IsTemporaryFileName(QStringView name, const QString& fileName);

// Writes all bytes to the device; false when the device took fewer.
bool WriteAll(QIODevice& device, const char* data, qint64 size);

} // namespace tarvel
