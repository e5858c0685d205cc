#pragma once

#include "store/RecordStore.h"

#include <QObject>
#include <QString>

namespace tarvel {

// The diary owner, written as the diary file's header. ProfileName never holds "," (the name input
// refuses it). ProfileHeight is centimetres as a text with the locale's decimal separator.
struct Profile {
    QString ProfileName;
    QString ProfileHeight;
    int ProfileSex = 0; // 0 none, 1 male, 2 female

    bool operator==(const Profile&) const = default;
};

// The name of the backup file in the program folder.
inline constexpr char kBackupTitle[] = "TV_Backup";

// How many records the data list shows side by side.
inline constexpr int kListWindowSize = 5;

class Diary;

// Whether the diary differs from its file. It reads and is set like a bool; a change emits
// Diary::DataChangedChanged, so the window title follows it whoever sets it.
class ChangedFlag {
public:
    explicit ChangedFlag(Diary& diary) : m_diary(diary) {}
    ChangedFlag(const ChangedFlag&) = delete;
    ChangedFlag& operator=(const ChangedFlag&) = delete;
    ChangedFlag& operator=(bool changed);
    operator bool() const { return m_changed; }

private:
    Diary& m_diary;
    bool m_changed = false;
};

// The open diary: its records and owner, the positions and flags every part of the window consults,
// and which file it is. The main window owns one and hands it out by reference. Days are stored and
// removed through StoreDay and RemoveDay, which keep the list's window and say so with
// RecordsChanged; the views follow that signal.
class Diary : public QObject {
    Q_OBJECT

public:
    RecordStore Records;
    Profile Owner;

    // The position of the blank new-entry page: always the number of records + 1.
    int NewEntryIndex() const { return Records.Count() + 1; }

    int CurrentIndex = 1; // the record shown on the Diary page, 1..NewEntryIndex()
    ChangedFlag DataChanged{*this};
    bool Loading = false;
    bool Initializing = true;
    bool BackupRecalled = false;

    // The record window of the data list.
    int ListFirst = 1;
    int ListLast = 1;

    // The diary file's path; empty while no diary file is named yet and the diary lives in the
    // backup alone. Setting another path emits filePathChanged.
    const QString& filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    // The folder of filePath(), ending in "/", and its file name; both empty while unnamed.
    QString fileFolder() const;
    QString fileName() const;

    // The backup file, TV_Backup in the program's folder.
    const QString& backupPath() const { return m_backupPath; }
    // Points the backup at TV_Backup in the given folder, which ends in "/".
    void setAppFolder(const QString& appFolder);

    // True while no diary file is named.
    bool IsUnnamed() const { return m_filePath.isEmpty(); }

    // The file the diary is read from and saved to: the diary file, or the backup while none is
    // named.
    const QString& workingPath() const { return IsUnnamed() ? m_backupPath : m_filePath; }

    // New and Close: no records, no owner, positions at the start, nothing changed.
    void Reset();

    // Stores a day: overwrites the slots of the day with its date, or adds it (a new day widens the
    // list's window until it holds kListWindowSize records, then moves it on). Returns its position.
    int StoreDay(DayRecord day);
    // Removes the day at a position (1..count); the list's window keeps showing records.
    void RemoveDay(int position);

Q_SIGNALS:
    // Days were stored or removed: the list and the graphs are to be drawn again.
    void RecordsChanged();
    void DataChangedChanged(bool changed);
    void filePathChanged(const QString& path);

private:
    QString m_filePath;
    QString m_backupPath;
};

} // namespace tarvel
