#pragma once

#include "platform/LocaleFormats.h"
#include "store/DayRecord.h"
#include "store/WeighingText.h"

#include <QStringList>

#include <QLatin1StringView>

namespace tarvel::testing {

// A weighing written as a diary file writes it: time "07:30", weight in kg "65.40", BMI "22.6" (a
// weight or BMI that is no number is kept as text), memo with "\n" line breaks; empty gives none.
inline Weighing MakeWeighing(const char* time, const char* kg = "", const char* bmi = "",
                             const char* memo = "")
{
    Weighing w;
    if (*time)
        w.time = QTime::fromString(QString::fromLatin1(time), QStringLiteral("h:mm"));
    if (*kg) {
        if (const auto hundredths = ReadScaled(QString::fromLatin1(kg), QLatin1Char('.'), 2))
            w.weight = Mass{*hundredths * 10};
        else
            w.keptWeight = QString::fromLatin1(kg);
    }
    if (*bmi) {
        if (const auto tenths = ReadScaled(QString::fromLatin1(bmi), QLatin1Char('.'), 1))
            w.bmiTenths = static_cast<int>(*tenths);
        else
            w.keptBmi = QString::fromLatin1(bmi);
    }
    w.memo = QString::fromUtf8(memo);
    return w;
}

inline DayRecord MakeDay(QDate date, const Weighing& morning = {}, const Weighing& night = {})
{
    return DayRecord{date, {morning, night}};
}

// A day's columns joined by "|" from first to last (0 date, 1..4 morning time, weight, BMI and memo,
// 5..8 the night), dates and times laid out as the diary file stores them ("2024/05/06", "07:30").
inline QString StoredColumns(const DayRecord& day, const LocaleFormats& formats, int first = 0, int last = 8)
{
    QStringList columns;
    for (int c = first; c <= last; ++c) {
        const Weighing& w = day.slot[c <= 4 ? 0 : 1];
        columns << (c == 0             ? formats.FormatDate(day.date, formats.DateFormat)
                    : (c - 1) % 4 == 0 ? TimeText(w, formats)
                                       : ColumnText(day, c, formats));
    }
    return columns.join(QLatin1Char('|'));
}

} // namespace tarvel::testing
