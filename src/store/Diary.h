#pragma once

#include "store/RecordStore.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

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

// What a diary file holds, as the reader accepted it.
struct DiaryContent {
    std::optional<Profile> Owner;   // nothing when the header has fewer than three fields
    std::vector<DayRecord> Records; // in file order
    QDate LatestDate;               // the latest readable date, of a dropped line too; null when none
    int DroppedLines = 0;           // record lines rejected; blank lines are not counted
    bool NotADiary = false;         // no record read, and lines were dropped
};

// The open diary: its days and owner, whether it differs from its file, and which file it is. The
// main window owns one and hands it out by reference. Days change only through storeDay, removeDay,
// reset and clear, each of which says so with a signal; every view follows those signals itself.
class Diary : public QObject {
    Q_OBJECT

public:
    const RecordStore& records() const { return m_records; }
    const Profile& owner() const { return m_owner; }
    void setOwner(const Profile& owner) { m_owner = owner; }

    // The position of the blank new-entry page: always the number of records + 1.
    int newEntryIndex() const { return m_records.Count() + 1; }

    // The record the Diary page shows, 1..newEntryIndex().
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int position) { m_currentIndex = position; }

    // Whether the diary differs from its file; a change emits modifiedChanged, so the window title
    // follows it whoever marks it.
    bool isModified() const { return m_modified; }
    void markModified() { setModified(true); }
    void markClean() { setModified(false); }

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

    // The days (in date order) and, when the content names one, the owner of a diary read; the page
    // moves to the last day. Emits daysReset.
    void reset(DiaryContent content);
    // New and Close: no days, no owner, the page at the start, nothing changed. Emits daysReset.
    void clear();

    // Stores a day: overwrites the slots of the day with its date, or adds it. Returns its position.
    // Emits dayStored.
    int storeDay(DayRecord day);
    // Whether putting the weighed slots of slots into the stored day at position would overwrite
    // one of its weighings.
    bool slotTaken(int position, const std::array<Weighing, 2>& slots) const;
    // Puts the weighed slots of slots into the stored day at position (none of them taken) and
    // returns its position. Emits dayStored.
    int mergeIntoDay(int position, const std::array<Weighing, 2>& slots);
    // Removes the day at a position (1..count). Emits dayRemoved.
    void removeDay(int position);
    // Adds days that the diary does not hold (an import); the page keeps the day it shows. Emits
    // daysAdded.
    void addDays(std::vector<DayRecord> days);

Q_SIGNALS:
    // The whole diary was replaced (read, recalled, new, closed).
    void daysReset();
    // A day was stored, new or overwritten.
    void dayStored(const QDate& day);
    // A day was removed.
    void dayRemoved(const QDate& day);
    // Days were added around the page's day.
    void daysAdded();
    void modifiedChanged(bool modified);
    void filePathChanged(const QString& path);

private:
    void setModified(bool modified);

    RecordStore m_records;
    Profile m_owner;
    int m_currentIndex = 1;
    bool m_modified = false;
    QString m_filePath;
    QString m_backupPath;
};

} // namespace tarvel
