#pragma once

#include "platform/LocaleFormats.h"
#include "store/Diary.h"

#include <QByteArray>
#include <QDate>

#include <optional>
#include <vector>

class QIODevice;

namespace tarvel {

class LocaleFormats;

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
// are dropped and counted; a weight or BMI field that is no number is kept as written. A file is
// written in one date order throughout, so its dates are read in the order that reads the most of
// them (DateOrderFinder), the locale's on a tie; times are read with ":" or ".".
DiaryContent ParseDiary(const QByteArray& bytes, const LocaleFormats& formats);

// Writes the profile and records in the diary file layout (UTF-8, CR LF line ends, "." in numbers,
// dates and times in the locale's layout). False when the device refused a write.
bool WriteDiary(QIODevice& out, const Profile& owner, const RecordStore& records,
                const LocaleFormats& formats);

// Whether the backup file at path holds a diary to recall: false when it cannot be opened, is
// empty, or holds exactly the empty-diary line and its line end.
bool BackupHoldsData(const QString& path);

// Why ReadDiaryFile refused a file.
enum class DiaryReadError {
    None,
    CannotOpen, // the file could not be opened
    NotADiary,  // no day was read from it, and lines were dropped
};

// What ReadDiaryFile found: the content, or nothing and the reason.
struct DiaryReadResult {
    std::optional<DiaryContent> content;
    DiaryReadError error = DiaryReadError::None;
};

// Reads and writes a diary's file and the backup file. It shows nothing and decides nothing for the
// window: what a read or a failed write means to the user is the caller's.
class DiaryFile {
public:
    explicit DiaryFile(const LocaleFormats& formats) : m_formats(formats) {}

    // Reads the diary file at path (ParseDiary).
    DiaryReadResult ReadDiaryFile(const QString& path) const;

    // Writes the records and owner to the diary's file (FilePath) without ever leaving a partial
    // file behind. False when the write failed; the previous file is then whole.
    bool WriteDiaryFile(const Diary& diary) const;

    // Writes the whole diary to the backup file, as WriteDiaryFile writes.
    bool WriteBackup(const Diary& diary) const;

    // Makes the backup an empty diary.
    bool ResetBackup(const Diary& diary) const;

private:
    bool WriteTo(const QString& path, const Diary& diary) const;

    const LocaleFormats& m_formats;
};

} // namespace tarvel
