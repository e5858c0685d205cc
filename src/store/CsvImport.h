#pragma once

#include <QByteArray>
#include <QString>

#include "store/RecordStore.h"

#include <optional>
#include <vector>

namespace tarvel {

class LocaleFormats;

// What an import did with the file's rows.
struct CsvImportCounts {
    int imported = 0;
    int skipped = 0;             // the day was in the diary already, or the half-day had a weighing
    int unreadable = 0;          // no readable date, time or weight
    std::vector<DayRecord> days; // the days to add, in date order
};

// Reads weighings from CSV for the records (comma or semicolon separated, fields quoted or not;
// UTF-8 or Windows-1252). The header row names the columns in any order, matched without regard to
// case, quotes or units in brackets: a name holding "date" is the date or date-time, "time" the
// time, one holding "weight" (or a unit alone, "kg") the weight, "bmi" the BMI, "memo", "comment" or
// "note" the memo, and "slot" (1 morning, 2 night) the slot; other columns are passed over. A
// weight is in kg unless its header names pounds ("Weight (lb)", "lbs", "pounds"), which are
// converted and rounded to 0.01 kg; a header naming another unit refuses the file. A weight of 0 or
// less, or beyond the diary's limit (WeightWithinLimit), makes the row unreadable.
// Dates are ISO or in the file's own order, found as the diary reader finds it; numbers take "."
// or ",". A weighing goes to the morning slot before noon and the night slot from noon (a row
// without a time to the morning at 00:00), unless a slot column says otherwise; of several
// weighings in one half-day the earliest is kept. A missing BMI is worked out from heightText
// (the diary's height); without a height it stays empty. Days already in the records are never
// touched: the result holds only new days. Nothing when the header has no date or no weight column or a
// weight unit not known; refusal then says why, ready to show.
std::optional<CsvImportCounts> ImportCsv(const QByteArray& bytes, const RecordStore& records,
                                         const QString& heightText, const LocaleFormats& formats,
                                         QString* refusal = nullptr);

} // namespace tarvel
