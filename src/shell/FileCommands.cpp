#include "shell/FileCommands.h"

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Folders.h"
#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"
#include "store/DiaryText.h"
#include "store/GraphPeriod.h"
#include "store/Settings.h"
#include "views/Views.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace tarvel {

bool FileCommands::PageEdited() const
{
    return m.page.IsEdited();
}

QString FileCommands::DialogFolder() const
{
    return m.diary.IsUnnamed() ? m.folders.DocumentsFolder() : m.diary.fileFolder();
}

void FileCommands::ShowDiaryCaption()
{
    QString caption = LoadText(TextId::AppName);
    if (!m.diary.IsUnnamed())
        caption += QStringLiteral(" [") + m.diary.fileName() + QStringLiteral("]");
    // "*" leads the caption while the diary holds changes its file lacks (after Save data, Delete,
    // Import); " *" follows it while the Diary page holds edits. The window system puts each "*"
    // where a placeholder stands.
    const bool edited = PageEdited();
    const bool unsaved = m.diary.isModified();
    m.window.setWindowTitle((unsaved ? QStringLiteral("[*]") : QString()) + caption +
                            (edited ? QStringLiteral(" [*]") : QString()));
    m.window.setWindowModified(edited || unsaved);
}

bool FileCommands::AskSaveBeforeDiscard()
{
    // A refused save leaves the page as it was; the user decides again.
    if (!m.page.AskSaveEntry(DiaryPage::SaveQuestion::YesNoCancel))
        return false;
    if (!m.diary.isModified())
        return true;
    const bool unnamed = m.diary.IsUnnamed();
    const QString question =
        unnamed ? LoadText(TextId::FileIsNotSaved) + kCrLf + LoadText(TextId::SaveTheFile) + kCrLf + kCrLf +
                      LoadText(TextId::DataLostIfNotSaved)
                : LoadText(TextId::FileIsNotSaved) + kCrLf + LoadText(TextId::OverwriteFile) + kCrLf + kCrLf +
                      LoadText(TextId::NewEntriesLost);
    const int answer = m.messages.ShowMessage(question, ButtonsYesNoCancel, IconQuestion);
    if (answer == AnswerCancel)
        return false;
    if (answer == AnswerYes)
        return unnamed ? SaveDiaryAs() : SaveDiary();
    return true;
}

void FileCommands::ResetToEmptyDiary()
{
    if (StopQuietTimer)
        StopQuietTimer();
    m.settings.SaveSettings(m.settingsStore);
    QFile::remove(m.diary.backupPath());
    m.diary.setFilePath(QString());
    m.file.ResetBackup(m.diary);
    m_stamp = FileStamp();
    // The graphs start again at today's period and scale; the views and the page follow the clear.
    m.views.placePeriodAt(m.clock.Today());
    m.views.ResetWeightScale();
    m.diary.clear();
    NoteChangedFile();
    ShowDiaryCaption();
}

void FileCommands::NewDiary()
{
    if (AskSaveBeforeDiscard())
        ResetToEmptyDiary();
}

void FileCommands::CloseDiary()
{
    NewDiary();
}

bool FileCommands::TakeRead(DiaryReadResult read)
{
    if (read.error == DiaryReadError::CannotOpen) {
        m.messages.ShowMessage(LoadText(TextId::FileCannotBeOpened), ButtonsOk, IconInformation);
        return false;
    }
    if (read.error == DiaryReadError::NotADiary || !read.content) {
        m.messages.ShowMessage(LoadText(TextId::NotADiary), ButtonsOk, IconInformation);
        return false;
    }
    DiaryContent& content = *read.content;
    // The graphs show the period of the latest date read, at their first scale; the views and the
    // page follow the reset of the days.
    m.views.placePeriodAt(content.LatestDate.isValid() ? content.LatestDate : m.clock.Today());
    m.views.ResetWeightScale();
    const int dropped = content.DroppedLines;
    m.diary.reset(std::move(content));
    if (dropped > 0)
        m.messages.ShowMessage(LoadText(TextId::LinesUnreadable).arg(dropped) + kCrLf +
                                   LoadText(TextId::LinesLeftOut),
                               ButtonsOk, IconInformation);
    return true;
}

bool FileCommands::ReadDiary()
{
    // Stamped before the read: a change made while reading is seen as a change later, never missed.
    const FileStamp stamp = m.diary.IsUnnamed() ? FileStamp() : StampFile(m.diary.filePath());
    const bool read = TakeRead(m.file.ReadDiaryFile(m.diary.workingPath()));
    if (read) {
        m_stamp = stamp;
        NoteChangedFile();
        if (!m.diary.IsUnnamed()) {
            ShowDiaryCaption();
            UpdateRecentFiles();
        }
    }
    return read;
}

void FileCommands::TakeUpDiary(const QString& path)
{
    // The previous diary stays current until the new file has been read: an unreadable file must
    // not become the name under which the old records are saved later.
    const QString oldPath = m.diary.filePath();
    m.diary.setFilePath(path);
    UpdateRecentFiles();
    if (StopQuietTimer)
        StopQuietTimer();
    m.settings.SaveSettings(m.settingsStore);

    if (!ReadDiary()) {
        m.diary.setFilePath(oldPath);
        return;
    }
    QFile::remove(m.diary.backupPath());
    m.file.ResetBackup(m.diary);
    m.diary.markClean();
}

void FileCommands::OpenDiary()
{
    if (!AskSaveBeforeDiscard())
        return;
    const QString path = m.dialogs.OpenFile(LoadText(TextId::OpenDiary), DialogFolder(), DiaryFileFilter());
    if (path.isEmpty())
        return;
    TakeUpDiary(path);
}

void FileCommands::OpenDiaryAt(const QString& path)
{
    if (AskSaveBeforeDiscard())
        TakeUpDiary(path);
}

void FileCommands::OpenRecentDiary(const QString& path)
{
    if (path.isEmpty() || !AskSaveBeforeDiscard())
        return;
    if (!QFileInfo(path).isFile()) {
        m.messages.ShowMessage(LoadText(TextId::FileCannotBeOpened), ButtonsOk, IconInformation);
        return;
    }
    TakeUpDiary(path);
}

bool FileCommands::WriteDiary()
{
    if (!MayOverwriteFile())
        return false;
    if (PageEdited())
        m.page.SaveEntry();
    if (!m.file.WriteDiaryFile(m.diary)) {
        m.messages.ShowMessage(LoadText(TextId::FileCannotBeSaved), ButtonsOk, IconCritical);
        return false;
    }
    // The file holds the diary now: the backup of its unsaved work goes.
    if (!m.diary.IsUnnamed()) {
        if (!m.diary.backupPath().isEmpty())
            QFile::remove(m.diary.backupPath());
    }
    m_stamp = StampFile(m.diary.filePath());
    NoteChangedFile();
    ShowDiaryCaption();
    UpdateRecentFiles();
    m.diary.markClean();
    return true;
}

bool FileCommands::SaveDiary()
{
    if (m.diary.IsUnnamed())
        return SaveDiaryAs();
    return WriteDiary();
}

bool FileCommands::SaveDiaryAs()
{
    const QString path = m.dialogs.SaveFile(LoadText(TextId::SaveDiaryAs), DialogFolder(), DiaryFileFilter());
    if (path.isEmpty())
        return false;
    const QString oldPath = m.diary.filePath();
    // The goal goes along under the new name.
    m.settings.CarryGoal(m.settingsStore, oldPath, path);
    m.diary.setFilePath(path);
    if (WriteDiary())
        return true;
    // Nothing was written: the diary keeps the name it had.
    m.diary.setFilePath(oldPath);
    return false;
}

bool FileCommands::MayOverwriteFile()
{
    if (!IsStampedFile(m_stamp, m.diary.filePath()) || !ChangedSince(m_stamp))
        return true;
    const QString question = LoadText(TextId::FileChangedElsewhere).arg(m.diary.fileName()) + kCrLf + kCrLf +
                             LoadText(TextId::ChangedYesReads) + kCrLf +
                             LoadText(TextId::ChangedNoOverwrites) + kCrLf +
                             LoadText(TextId::ChangedCancelWrites);
    const int answer = m.messages.ShowMessage(question, ButtonsYesNoCancel, IconExclamation);
    if (answer == AnswerNo)
        return true;
    if (answer == AnswerYes)
        ReloadChangedFile();
    return false;
}

QString FileCommands::KeptCopyPath(const QString& folder) const
{
    const QFileInfo diary(m.diary.filePath());
    const QString suffix = diary.suffix().isEmpty() ? QString() : QLatin1Char('.') + diary.suffix();
    const QString base = QDir(folder).filePath(diary.completeBaseName() + QStringLiteral(" (kept ") +
                                               m.clock.Now().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    for (int n = 1; n < 100; ++n) {
        const QString path =
            base + (n == 1 ? QString() : QLatin1Char('-') + QString::number(n)) + QLatin1Char(')') + suffix;
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return path;
    }
    return QString();
}

void FileCommands::ReloadChangedFile()
{
    // The page's input joins the diary first; a page that cannot be stored stays as it is, and the
    // file is not read.
    if (PageEdited() && !m.page.SaveEntry())
        return;
    // The backup holds this diary at once (a crash now loses nothing); the copy beside the diary's
    // file, where the user finds it, outlives the backup's reset below.
    if (!WriteBackupOrSay(m.file, m.diary, m.messages))
        return;
    QString kept;
    for (const QString& folder :
         {m.diary.fileFolder(), QFileInfo(m.diary.backupPath()).path() + QLatin1Char('/')}) {
        kept = KeptCopyPath(folder);
        if (!kept.isEmpty() && QFile::copy(m.diary.backupPath(), kept)) {
            // As private as the diary itself.
            if (QFileInfo::exists(m.diary.filePath()))
                QFile::setPermissions(kept, QFile::permissions(m.diary.filePath()));
            break;
        }
        kept.clear();
    }
    if (kept.isEmpty()) {
        m.messages.ShowMessage(LoadText(TextId::FileCannotBeSaved), ButtonsOk, IconCritical);
        return;
    }
    TakeUpDiary(m.diary.filePath());
    m.messages.ShowMessage(LoadText(TextId::DiaryKeptAs).arg(QDir::toNativeSeparators(kept)), ButtonsOk,
                           IconInformation);
}

void FileCommands::NoteChangedFile()
{
    const bool changed =
        !m.diary.IsUnnamed() && IsStampedFile(m_stamp, m.diary.filePath()) && ChangedSince(m_stamp);
    if (ShowFileNote)
        ShowFileNote(changed ? LoadText(TextId::FileChangedSaveAsks).arg(m.diary.fileName()) : QString());
}

void FileCommands::UpdateRecentFiles()
{
    auto& p = m.settings.RecentPath;
    const QString& current = m.diary.filePath();
    if (p[0] == current)
        return;
    if (p[1] != current)
        p[2] = p[1];
    p[1] = p[0];
    p[0] = current;
    if (p[2] == p[0])
        p[2].clear();
    if (p[1] == p[0]) {
        p[1] = p[2];
        p[2].clear();
    }
    if (p[2] == p[1])
        p[2].clear();
    if (RecentFilesChanged)
        RecentFilesChanged();
}

bool WriteBackupOrSay(const DiaryFile& file, const Diary& diary, MessageService& messages)
{
    if (file.WriteBackup(diary))
        return true;
    messages.ShowMessage(LoadText(TextId::FileCannotBeSaved), ButtonsOk, IconCritical);
    return false;
}

} // namespace tarvel
