#pragma once

#include "store/WeightUnit.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace tarvel {

class LocaleFormats;

// A weighing as a file holds it, in the diary's local time and in kg (not yet rounded).
struct ImportedWeighing {
    int line = 0; // the line of the file it stands on, from 1
    QDate date;
    QTime time;    // 00:00 when the file gave no time
    double kg = 0; // the weight read in the file's unit, converted
    std::optional<double> bmi;
    QString memo;
    std::optional<std::size_t> slot; // 0 morning, 1 night, when the file names it
};

// What a file holds, read without regard to the diary.
struct ImportReading {
    std::vector<ImportedWeighing> weighings; // in file order
    int noWeight = 0;                        // rows of a day without a weight ("--", empty)
    int computed = 0;                        // interpolated rows, not weighings
    int unreadable = 0;                      // rows without a readable date, time or weight
    std::vector<int> unreadableLines;        // the first three of them
    bool unitNamed = true;                   // the file names the unit of every weight it holds
    std::vector<double> firstValues;         // the first three weights as written, whether or not taken
    QString refusal;                         // why the file gives nothing; empty when it was read
};

// Reads the weighings of an export of a weight diary, recognising its layout from its bytes:
// - an Apple Health export.xml (its BodyMass records, read as a stream);
// - a text table: its header line is the first one (a leading "#" allowed) whose columns, split at
//   ",", ";", a tab or runs of blanks, name a date or a time and a weight, in English, German or
//   Japanese. Lines before it and comment lines are passed over ("#Units: lb" names the unit).
// A weight's unit comes from its value ("73.3 kg", "12 st 4 lb"), else its column's name ("Weight
// (lb)", "weight[kg]"), else "#Units:", else `fallback` (unitNamed is false then). Each column has
// its own decimal separator; a comma file whose unquoted decimal commas split a number into two
// fields is put back together. Times with an offset (or a file with an offset column, whose times are
// UTC) are moved into `local`. A weight above 0 and within the diary's limits is a weighing; any
// other is unreadable.
ImportReading ReadWeightFile(const QByteArray& bytes, const LocaleFormats& formats, const QTimeZone& local,
                             WeightUnit fallback);

// The BodyMass records of an Apple Health export.xml, read as a stream.
ImportReading ReadAppleHealth(const QByteArray& bytes, const LocaleFormats& formats, const QTimeZone& local);

// Whether the bytes are an XML document (after a byte-order mark and blanks).
bool IsXmlBytes(const QByteArray& bytes);

// A weight in kg rounded to the diary's 0.01 kg, halves up as the file wrote them.
double RoundedKg(double kg);

// Adds an unreadable row at line to the reading's count and first lines.
void CountUnreadable(ImportReading& reading, int line);

} // namespace tarvel
