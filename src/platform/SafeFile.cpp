#include "platform/SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tarvel {

namespace {

bool SyncHandle([[maybe_unused]] int handle)
{
#ifdef Q_OS_UNIX
    return handle >= 0 && ::fsync(handle) == 0;
#else
    return true;
#endif
}

void SyncFolder([[maybe_unused]] const QString& folder)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(folder);
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

} // namespace

bool WriteAll(QIODevice& device, const char* data, qint64 size)
{
    while (size > 0) {
        const qint64 written = device.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() has been seen to report success after a failed buffered flush, so each
    // step is checked here before the rename is allowed to happen.
    if (!write(file) || file.error() != QFileDevice::NoError || !file.flush() || !SyncHandle(file.handle())) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    SyncFolder(QFileInfo(path).absolutePath());
    return true;
}

} // namespace tarvel
