#pragma once

#include "store/Diary.h"
#include "store/GraphPeriod.h"
#include "platform/LocaleFormats.h"

#include <QByteArray>
#include <QDate>

#include <optional>
#include <vector>

class QIODevice;

namespace tarvel {

class Clock;
class LocaleFormats;
class MessageService;

// What a diary file holds, as the reader accepted it.
struct DiaryContent {
    std::optional<Profile> Owner;   // nothing when the header has fewer than three fields
    std::vector<DayRecord> Records; // in file order
    QDate LatestPeriodStart;        // the period of the latest readable date; null when none
    QDate LatestPeriodEnd;
    int DroppedLines = 0;           // record lines rejected; blank lines are not counted
    bool NotADiary = false;         // no record read, and lines were dropped
};

// The date order of a file's dates, found by counting: fed one date field after another
// ("30.11.2026"; other texts are passed over), it counts for each layout (the separator, and the year
// of three or more digits first or last) how many dates read with the day before the month and how
// many with the month before the day. The order that reads the most dates wins, so that one damaged
// line never moves the others. On a tie the locale's own order and separator win; then day first for
// a year-last date written with "." or "-" (no month-first locale writes those); then the locale's
// order of day and month where it puts the year in the same place; then the usual one (year, month,
// day; or day, month, year). A year-first date reads year, month, day: no locale writes the day
// before the month there. The locale's facts are kept whenever the order and separator agree with
// them, so that its own reading applies.
class DateOrderFinder {
public:
    void Feed(QStringView field);
    // The locale's formats with the date order and separator found.
    LocaleFormats Formats(const LocaleFormats& locale) const;

private:
    struct Layout {
        QChar sep;
        int yearPos;
        int dayFirst;   // dates that read day, month (year last only)
        int monthFirst; // dates that read month, day
    };
    std::vector<Layout> m_layouts;
};

// Reads the text of a diary file: the header line, then one record line per day. Damaged lines
// are dropped and counted; numbers are normalised to the locale ("065.40" becomes "65.40" or
// "65,40"). A file is written in one date order throughout, so its dates are read in the order that
// reads the most of them (DateOrderFinder), the locale's on a tie. A date or time read in another
// order or with other separators is kept in the locale's layout.
DiaryContent ParseDiary(const QByteArray& bytes, const LocaleFormats& formats, int trendMonths);

// Writes the profile and records in the diary file layout (UTF-8, CR LF line ends, "." in numbers,
// dates and times in the locale's layout). False when the device refused a write.
bool WriteDiary(QIODevice& out, const Profile& owner, const RecordStore& records,
                const LocaleFormats& formats);

// Whether the backup file at path holds a diary to recall: false when it cannot be opened, is
// empty, or holds exactly the empty-diary line and its line end.
bool BackupHoldsData(const QString& path);

// Reads and writes the open diary's file and the backup file, reporting failures to the user.
class DiaryFile {
public:
    DiaryFile(const LocaleFormats& formats, MessageService& messages, const Clock& clock)
        : m_formats(formats), m_messages(messages), m_clock(clock)
    {
    }

    // Replaces the records and owner with the diary's file (FilePath) and sets the graph period
    // to the latest date's period (today's for a diary without dates); sets
    // CurrentIndex and the list window. When the file cannot be opened, shows "Data file cannot be
    // opened." and changes nothing; a file that is no diary (no day read from it, and lines dropped)
    // says so and changes nothing either. When lines were dropped, says how many (and gives the
    // count in droppedLines).
    bool ReadDiaryFile(Diary& diary, GraphPeriod& period, int trendMonths, int* droppedLines = nullptr) const;

    // Writes the records and owner to the diary's file (FilePath) without ever leaving a partial
    // file behind. When a named diary file was written completely, the backup is deleted and
    // BackupRecalled cleared. A failed write shows "Data file cannot be saved." and changes nothing
    // else.
    bool WriteDiaryFile(Diary& diary) const;

    // Writes the whole diary to the backup file, as WriteDiaryFile writes.
    bool WriteBackup(const Diary& diary) const;

    // Makes the backup an empty diary.
    bool ResetBackup(const Diary& diary) const;

private:
    bool WriteTo(const QString& path, const Diary& diary) const;

    const LocaleFormats& m_formats;
    MessageService& m_messages;
    const Clock& m_clock;
};

} // namespace tarvel
