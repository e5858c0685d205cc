#include "store/Leftovers.h"

#include "store/DiaryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvel {

namespace {

constexpr qsizetype kTempSuffixLetters = 6;

bool IsAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsUpper(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// The six random letters QSaveFile puts after "<fileName>.". A suffix in one case throughout or
// capitalised like a word is left alone: it may be a copy the user made ("mine.ov1.backup"); QSaveFile
// picks such a suffix about once in twenty saves, and that leftover merely stays.
bool IsTempSuffix(QStringView suffix)
{
    if (suffix.size() != kTempSuffixLetters)
        return false;
    int upper = 0;
    for (QChar c : suffix) {
        if (!IsAsciiLetter(c))
            return false;
        upper += IsUpper(c) ? 1 : 0;
    }
    const bool capitalised = upper == 1 && IsUpper(suffix[0]);
    return upper != 0 && upper != kTempSuffixLetters && !capitalised;
}

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
    return ParseDiary(bytes, formats, 1).Records.empty() ? BackupState::Unreadable : BackupState::Readable;
}

} // namespace

QStringList RemoveInterruptedSaves(const QString& folder, const QString& fileName)
{
    QStringList removed;
    if (fileName.isEmpty() || folder.isEmpty())
        return removed;
    const QString prefix = fileName + QLatin1Char('.');
    const QDir dir(folder);
    // Compared by hand rather than by a name filter, whose wildcards a file name may contain.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!name.startsWith(prefix) || !IsTempSuffix(QStringView(name).sliced(prefix.size())))
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
