#pragma once

#include <QString>

namespace tarvel {

class RecordStore;

// The records as CSV (RFC 4180): a header row, then one row per weighing with the ISO date, the
// slot (1 morning, 2 night), the time as hh:mm, weight and BMI with "." and the memo with real line
// breaks. Rows end in CR LF.
QString ExportCsv(const RecordStore& records);

} // namespace tarvel
