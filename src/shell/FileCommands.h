#pragma once

#include "platform/SafeFile.h"

#include <QString>

#include <functional>

class QWidget;

namespace tarvel {

class Clock;
class DiaryFile;
class DiaryPage;
class FileDialogs;
class Folders;
class MessageService;
class SettingsStore;
class Views;
class Diary;
struct DiaryReadResult;
struct Settings;

// The File menu's diary commands: which file is the current diary, the two questions that guard
// unsaved work, and the recently used files. The window's title shows the diary's name and keeps
// the Diary page's edited marker.
class FileCommands {
public:
    struct Parts {
        Diary& diary;
        Settings& settings;
        SettingsStore& settingsStore;
        const DiaryFile& file;
        FileDialogs& dialogs;
        const Folders& folders;
        MessageService& messages;
        const Clock& clock;
        DiaryPage& page;
        Views& views;
        QWidget& window;
    };

    explicit FileCommands(const Parts& parts) : m(parts) {}

    void NewDiary();
    void OpenDiary();
    // Open of a path chosen elsewhere (a later start given a diary): the same questions, then the file.
    void OpenDiaryAt(const QString& path);
    void CloseDiary();
    // File > Save; false when nothing was written (the Save as dialog was cancelled, or the write
    // failed and said so).
    bool SaveDiary();
    bool SaveDiaryAs();
    // A recent file's item: asks to save first; a file that is gone is reported (FileCannotBeOpened).
    void OpenRecentDiary(const QString& path);

    // The questions before the current diary is given up: first about the Diary page's edits, then
    // about a diary that no file holds. False when the caller must stop: the user cancelled, or
    // chose to save and the saving did not happen.
    bool AskSaveBeforeDiscard();

    // Puts the diary's file path first in the recent files, without duplicates, and tells the menu.
    void UpdateRecentFiles();

    // Reads the diary's file into the diary and shows it: profile, views, current day. On
    // a named diary the title names it and the file joins the recent files. False (after "Data
    // file cannot be opened.") when the file could not be read; the diary is then as it was.
    bool ReadDiary();
    // The title for the current diary: "Tarvel", or "Tarvel [name.ov1]", with the edited marker
    // kept when the page has one.
    void ShowDiaryCaption();

    // Says in the status bar (ShowFileNote) whether another program changed the diary's file since
    // it was read or saved here. Run when the window becomes active again.
    void NoteChangedFile();

    // Shows a note about the diary's file ("" takes it away).
    std::function<void(const QString&)> ShowFileNote;
    // Called after the recent files changed, to rebuild their menu items.
    std::function<void()> RecentFilesChanged;
    // Called when another diary is taken up: the scale's quiet period ends.
    std::function<void()> StopQuietTimer;

private:
    void ResetToEmptyDiary();
    // Takes a read into the window: a refused file is reported (texts 700, 740) and changes
    // nothing; otherwise the diary holds the owner and days read, the graphs show the latest date's
    // period (today's for a diary without dates), the list ends at the new-entry column, the page
    // shows the last day, and dropped lines are reported (741, 742).
    bool TakeRead(DiaryReadResult read);
    // Takes the file at path as the current diary, as Open does once the file is chosen.
    void TakeUpDiary(const QString& path);
    bool WriteDiary();
    // Before the diary's file is written over: when another program changed it, asks whether to
    // read it again, overwrite it or write nothing. True when the write may go on.
    bool MayOverwriteFile();
    // Reading the changed file again: this diary, with the page's input, goes into the backup and a
    // copy beside the file first, so that neither side is lost.
    void ReloadChangedFile();
    QString KeptCopyPath(const QString& folder) const;
    bool PageEdited() const;
    // Where the file dialogs start: the diary's folder, or the documents folder for a diary that
    // has no file yet (its folder is then the hidden program folder).
    QString DialogFolder() const;

    Parts m;
    // The diary's file as it was last read or written here.
    FileStamp m_stamp;
};

// Writes the diary's backup; a failed write says "Data file cannot be saved." (text 738).
bool WriteBackupOrSay(const DiaryFile& file, const Diary& diary, MessageService& messages);

} // namespace tarvel
