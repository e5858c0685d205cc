#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace tarvel {

// Writes a whole file so that the previous file survives any failure: the content goes to a
// temporary file beside the target, is flushed and synced, and only then replaces the target,
// after which the folder is synced too. write() returns false when a write to the device failed.
// Returns true only when the new file is complete on disk.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write);

// Writes all bytes to the device; false when the device took fewer.
bool WriteAll(QIODevice& device, const char* data, qint64 size);

} // namespace tarvel
