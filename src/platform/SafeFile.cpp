#include "platform/SafeFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tarvel {

namespace {

constexpr char kTempMark[] = ".tarvel-";
constexpr int kTempLetters = 6;
constexpr char kTempAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

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

// The file a path finally names: a link is followed (also one that leads nowhere yet), so that the
// link stays and the file it names is replaced.
QString FinalPath(const QString& path)
{
    QString final = path;
    for (int depth = 0; depth < 16; ++depth) {
        const QFileInfo info(final);
        if (!info.isSymLink())
            break;
        final = info.symLinkTarget();
    }
    return final;
}

bool RenameOver(const QString& from, const QString& to)
{
    // rename() replaces the target in one step, so a reader sees the old file or the new one.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QByteArray HashOf(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace

bool SyncFile([[maybe_unused]] int handle)
{
#ifdef Q_OS_UNIX
    return handle >= 0 && ::fsync(handle) == 0;
#else
    return true;
#endif
}

FileStamp StampFile(const QString& path)
{
    // A link is followed: the stamp is of the file that holds the bytes.
    const QFileInfo info(path);
    if (!info.isFile())
        return FileStamp();
    FileStamp stamp{info.canonicalFilePath(), info.size(), info.lastModified(), HashOf(path)};
    return stamp.hash.isEmpty() ? FileStamp() : stamp;
}

bool ChangedSince(const FileStamp& stamp)
{
    if (stamp.path.isEmpty())
        return false;
    const QFileInfo info(stamp.path);
    if (!info.isFile())
        return false;
    if (info.size() == stamp.size && info.lastModified() == stamp.modified)
        return false;
    const QByteArray now = HashOf(stamp.path);
    return !now.isEmpty() && now != stamp.hash;
}

bool IsStampedFile(const FileStamp& stamp, const QString& path)
{
    const QFileInfo info(path);
    return !stamp.path.isEmpty() &&
           (info.exists() ? info.canonicalFilePath() : info.absoluteFilePath()) == stamp.path;
}

QString TemporaryFileName(const QString& fileName, QStringView letters)
{
    QString name = QLatin1Char('.') + fileName + QLatin1String(kTempMark);
    name.append(letters);
    return name;
}

bool IsTemporaryFileName(QStringView name, const QString& fileName)
{
    const QString prefix = TemporaryFileName(fileName, QStringView());
    if (name.size() != prefix.size() + kTempLetters || !name.startsWith(prefix))
        return false;
    for (const QChar c : name.sliced(prefix.size())) {
        if (!QLatin1String(kTempAlphabet).contains(c))
            return false;
    }
    return true;
}

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

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const std::function<bool(int)>& sync)
{
    const QFileInfo target(FinalPath(path));
    if (target.isDir())
        return false;
    const QString folder = target.absolutePath();
    QFile file;
    for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
        QString letters(kTempLetters, Qt::Uninitialized);
        for (QChar& c : letters)
            c = QLatin1Char(
                kTempAlphabet[QRandomGenerator::global()->bounded(int(sizeof kTempAlphabet - 1))]);
        file.setFileName(folder + QLatin1Char('/') + TemporaryFileName(target.fileName(), letters));
        // NewOnly never opens a file that is there already; a taken name is tried again.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !file.exists())
            return false;
    }
    if (!file.isOpen())
        return false;
    // The new file keeps the permissions of the file it replaces.
    if (target.exists())
        file.setPermissions(target.permissions());
    const bool complete =
        write(file) && file.error() == QFileDevice::NoError && file.flush() && sync(file.handle());
    file.close();
    if (!complete || file.error() != QFileDevice::NoError ||
        !RenameOver(file.fileName(), target.filePath())) {
        file.remove();
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace tarvel
