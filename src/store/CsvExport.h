#pragma once

#include "store/WeightUnit.h"

#include <QString>
#include <QTimeZone>

namespace tarvel {

class RecordStore;

// The records as CSV (RFC 4180) that Tarvel and other programs read back without guessing: a header
// naming the unit ("Date,Weight (kg),BMI,Memo,Slot"), then one row per weighing with an ISO 8601
// date-time carrying the offset of `local` at that time ("2024-01-14T07:30:00+01:00"; the date alone
// for a weighing without a time), the weight with "." (kg or lb with two decimals, so every stored
// 0.01 kg comes back exactly; stones and pounds are written as pounds), the BMI, the memo with real
// line breaks and the slot (1 morning, 2 night). Rows end in CR LF.
QString ExportCsv(const RecordStore& records, WeightUnit unit = WeightUnit::Kilograms,
                  const QTimeZone& local = QTimeZone::systemTimeZone());

// The first layout of the export ("tarvel-1"): "date,slot,time,weight_kg,bmi,memo", ISO dates, times
// as hh:mm, numbers in kg with "." and without trailing zeros.
QString ExportCsvTarvel1(const RecordStore& records);

} // namespace tarvel
