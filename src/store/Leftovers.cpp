#include "store/Leftovers.h"

#include "platform/SafeFile.h"
#include "store/DiaryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvel {

namespace {

enum class BackupState { Missing, Readable, Unreadable };

BackupState ExamineBackup(const QString& path, const LocaleFormats& formats)
{
    const QFileInfo info(path);
    if (!info.exists()) // also a link to nothing
        return BackupState::Missing;
    // Not opened unless it is a regular file: opening a pipe would wait for a writer.
    if (!info.isFile())
        return BackupState::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return BackupState::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return BackupState::Unreadable;
    if (!bytes.contains('\0'))
        return BackupState::Readable;
    return ParseDiary(bytes, formats).Records.empty() ? BackupState::Unreadable : BackupState::Readable;
}

} // namespace

QStringList RemoveInterruptedSaves(const QString& folder, const QString& fileName)
{
    QStringList removed;
    if (fileName.isEmpty() || folder.isEmpty())
        return removed;
    const QDir dir(folder);
    // Compared by hand rather than by a name filter, whose wildcards a file name may contain.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!IsTemporaryFileName(name, fileName))
            continue;
        const QString path = dir.filePath(name);
        if (QFile::remove(path))
            removed << path;
    }
    return removed;
}

QString KeepAsideUnreadableBackup(const QString& backupPath, const LocaleFormats& formats,
                                  const QDateTime& now)
{
    if (backupPath.isEmpty() || ExamineBackup(backupPath, formats) != BackupState::Unreadable)
        return QString();
    const QString base =
        backupPath + QStringLiteral(".unreadable-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 99; ++n) {
        const QString target = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        const QFileInfo taken(target);
        if (taken.exists() || taken.isSymLink())
            continue;
        return QFile::rename(backupPath, target) ? target : QString();
    }
    return QString();
}

} // namespace tarvel
