#pragma once

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "store/DiaryFile.h"
#include "store/GraphPeriod.h"
#include "support/Days.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

#include <QLocale>

namespace tarvel::testing {

// A diary, its file service and its doubles in one place: a temporary program folder, a clock that
// stands at 2026-12-06 10:00 and a locale chosen by name.
struct DiaryFixture {
    explicit DiaryFixture(const char* localeName = "ja_JP")
        : formats(LocaleFormats::ProbeLocale(QLocale(QString::fromLatin1(localeName)))),
          clock(QDateTime(QDate(2026, 12, 6), QTime(10, 0))), file(formats)
    {
        diary.setAppFolder(folder.Path() + QLatin1Char('/'));
    }

    // Names the diary mine.ov1 in the temporary folder, puts the bytes there and reads it.
    bool Read(const QByteArray& bytes)
    {
        diary.setFilePath(folder.Write(QStringLiteral("mine.ov1"), bytes));
        return ReadFrom(diary.filePath());
    }

    // Reads the file at path; what was read replaces the diary's owner and days, and the outcome
    // stays in read.
    bool ReadFrom(const QString& path)
    {
        read = file.ReadDiaryFile(path);
        if (!read.content)
            return false;
        diary.reset(*read.content);
        return true;
    }

    // The lines the last read dropped.
    int Dropped() const { return read.content ? read.content->DroppedLines : 0; }

    // Writes the diary to its file (the backup while none is named) and returns the bytes written.
    QByteArray WriteBack()
    {
        return file.WriteDiaryFile(diary) ? ReadBytes(diary.workingPath()) : QByteArray("<write failed>");
    }

    // Adds a day with its two weighings.
    void AddDay(QDate day, const Weighing& morning = {}, const Weighing& night = {})
    {
        diary.storeDay(MakeDay(day, morning, night));
    }

    TempFolder folder;
    LocaleFormats formats;
    FixedClock clock;
    ScriptedMessages messages;
    DiaryFile file;
    Diary diary;
    GraphPeriod period;
    DiaryReadResult read;
};

} // namespace tarvel::testing
