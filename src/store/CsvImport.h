#pragma once

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include "store/ImportLayouts.h"
#include "store/RecordStore.h"
#include "store/WeightUnit.h"

#include <optional>
#include <vector>

namespace tarvel {

class LocaleFormats;

// What an import would do with a file's rows; nothing is stored until the caller adds days.
struct CsvImportCounts {
    int imported = 0;
    int inDiary = 0;    // the day is in the diary already
    int extra = 0;      // a later weighing of a half-day that has one
    int noWeight = 0;   // a day without a weight
    int computed = 0;   // interpolated or computed, not a weighing
    int unreadable = 0; // no readable date, time or weight, or a weight beyond the diary's limits
    std::vector<int> unreadableLines; // the first three
    bool unitNamed = true;            // false when the file's weights were read in the fallback unit
    std::vector<double> firstValues;  // the first weights as written, for asking the unit (in or
                                      // beyond the limits)
    std::vector<DayRecord> days;      // the days to add, in date order
};

// Reads the weighings of a weight diary export (any layout ReadWeightFile knows) and places them for
// the records: a weighing before noon goes to the morning slot, from noon to the night (a row without
// a time to the morning at 00:00), unless the file names the slot; of several weighings in one half-day
// the earliest is kept. Weights are rounded to 0.01 kg; a missing BMI is worked out from heightText
// (the diary's height), left empty without one. Days already in the records are never touched: the
// result holds only new days. Weights that name no unit are in `fallback`. Times with an offset are
// moved into `local`. Nothing when the file holds no date and weight columns or names a weight unit
// not known; refusal then says why, ready to show.
std::optional<CsvImportCounts> ImportCsv(const QByteArray& bytes, const RecordStore& records,
                                         const QString& heightText, const LocaleFormats& formats,
                                         const QTimeZone& local, WeightUnit fallback = WeightUnit::Kilograms,
                                         QString* refusal = nullptr);

// The counts as lines for a person, in the texts of the window: imported, already in the diary,
// extra weighings of a half-day, without a weight, computed, unreadable (with the first lines).
QString ImportReportText(const CsvImportCounts& counts);

} // namespace tarvel
