#pragma once

#include "store/DayRecord.h"
#include "store/WeightUnit.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace tarvel {

class LocaleFormats;

// Numbers and times of a weighing turned into texts and back, for the edges that show, type, read or
// write them: the diary file, the CSV files, the widgets and the tools. The store keeps values.

// Numbers in fixed steps are value / 10^decimals: weights in hundredths of a kg, BMIs in tenths;
// decimals is 1 or 2.

// The number a text is, with the given decimal separator, rounded to decimals places as the diary
// always rounded it; nothing when the text is no number or too large to be a weight.
std::optional<qint64> ReadScaled(QStringView text, QChar decimalSep, int decimals);
// The same for a number already read.
std::optional<qint64> RoundScaled(double value, int decimals);
// A scaled number laid out with at least minWhole whole digits and all its decimals ("065.40").
QString FormatScaled(qint64 value, int decimals, int minWhole, QChar decimalSep);

// A weight rounded to the diary's 0.01 kg.
std::optional<Mass> MassFromKg(double kg);
// A BMI in tenths from its value, rounded to 0.1.
std::optional<int> BmiTenthsOf(double bmi);

// The weight and BMI as the window shows them in the user's locale: "65.40" and "22.6" laid out
// "##0.00" and "#0.0", a value of 0 as "0", a kept text as written (its "." as the locale's
// separator), empty when there is none.
QString WeightText(const Weighing& w, const LocaleFormats& formats);
QString BmiText(const Weighing& w, const LocaleFormats& formats);
// The weight in the user's unit: in kg as WeightText, else its value converted ("176.4",
// "12 st 8.0 lb"; a kept text as written). With its unit: "72.40 kg", "176.4 lb".
QString WeightText(const Weighing& w, WeightUnit unit, const LocaleFormats& formats);
QString WeightUnitText(const Weighing& w, WeightUnit unit, const LocaleFormats& formats);
// The time laid out as stored ("07:30" with the locale's separator); empty when there is none.
QString TimeText(const Weighing& w, const LocaleFormats& formats);

// The weight in kg as the Diary page and the list read it: the value, or the number a kept text
// begins with (0 for none).
double ShownKg(const Weighing& w);

// The columns of a record as the diary tool shows them, laid out as the window shows them: 0 date, 1..4 the
// morning (time, weight, BMI, memo with "[CRLF]" for its line breaks), 5..8 the night, 9 the day number.
QString ColumnText(const DayRecord& day, int column, const LocaleFormats& formats);

// A memo with each line break ("\r\n", "\n" or "\r") as "\n", as the store keeps it.
QString MemoWithLineBreaks(QString memo);

} // namespace tarvel
