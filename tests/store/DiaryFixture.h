#pragma once

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"
#include "store/GraphPeriod.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

#include <QLocale>

namespace tarvel::testing {

// A diary, its file service and its doubles in one place: a temporary program folder, a clock that
// stands at 2026-12-06 10:00 and a locale chosen by name.
struct DiaryFixture {
    explicit DiaryFixture(const char* localeName = "ja_JP")
        : formats(LocaleFormats::ProbeLocale(QLocale(QString::fromLatin1(localeName)))),
          clock(QDateTime(QDate(2026, 12, 6), QTime(10, 0))), file(formats, messages, clock)
    {
        diary.SetAppFolder(folder.Path() + QLatin1Char('/'));
    }

    // Points the diary at a file of the temporary folder holding the given bytes and reads it.
    bool Read(const QByteArray& bytes, int trendMonths = 1)
    {
        Name(QStringLiteral("mine.ov1"));
        folder.Write(QStringLiteral("mine.ov1"), bytes);
        return file.ReadDiaryFile(diary, period, trendMonths);
    }

    // Makes the diary a named file in the temporary folder.
    void Name(const QString& title)
    {
        diary.DiaryFolder = folder.Path() + QLatin1Char('/');
        diary.DiaryTitle = title;
        diary.DiaryPath = diary.DiaryFolder + title;
    }

    // Writes the diary to its file and returns the bytes written.
    QByteArray WriteBack()
    {
        if (!file.WriteDiaryFile(diary))
            return QByteArray("<write failed>");
        return ReadBytes(diary.DiaryPath);
    }

    TempFolder folder;
    LocaleFormats formats;
    FixedClock clock;
    ScriptedMessages messages;
    DiaryFile file;
    Diary diary;
    GraphPeriod period;
};

} // namespace tarvel::testing
