#include "store/CsvImport.h"

#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "store/Bmi.h"
#include "store/DiaryFile.h"
#include "store/WeighingText.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tarvel {

namespace {

struct Placed {
    qint64 day;
    std::size_t slot;
    QTime time;
    Weighing w;
};

} // namespace

std::optional<CsvImportCounts> ImportCsv(const QByteArray& bytes, const RecordStore& records,
                                         const QString& heightText, const LocaleFormats& formats,
                                         const QTimeZone& local, WeightUnit fallback, QString* refusal)
{
    ImportReading reading = ReadWeightFile(bytes, formats, local, fallback);
    if (!reading.refusal.isEmpty()) {
        if (refusal)
            *refusal = reading.refusal;
        return std::nullopt;
    }
    CsvImportCounts counts;
    counts.noWeight = reading.noWeight;
    counts.computed = reading.computed;
    counts.unreadable = reading.unreadable;
    counts.unreadableLines = reading.unreadableLines;
    counts.unitNamed = reading.unitNamed;
    counts.firstValues = reading.firstValues;
    const std::optional<double> height = formats.ParseNumber(heightText);

    std::vector<Placed> placed;
    for (const ImportedWeighing& in : reading.weighings) {
        const double kg = RoundedKg(in.kg);
        Placed p{DayNumber(in.date), in.slot.value_or(in.time < QTime(12, 0) ? 0u : 1u), in.time, {}};
        // A BMI the file gives is kept when it is one (at least 0.1, held in tenths); else it is
        // worked out.
        p.w.bmiTenths = in.bmi ? BmiTenthsOf(*in.bmi) : std::nullopt;
        if (!p.w.bmiTenths || *p.w.bmiTenths <= 0) {
            const std::optional<double> bmi = BodyMassIndex(height, kg);
            p.w.bmiTenths = bmi ? BmiTenthsOf(*bmi) : std::nullopt;
        }
        p.w.time = QTime(in.time.hour(), in.time.minute());
        p.w.weight = MassFromKg(kg);
        p.w.memo = in.memo;
        placed.push_back(std::move(p));
    }

    // The earliest weighing of a half-day is kept; a day of the diary takes none.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.time < b.time; });
    std::map<qint64, DayRecord> added;
    for (Placed& p : placed) {
        if (records.FindItem(p.day) != 0) {
            ++counts.inDiary;
            continue;
        }
        DayRecord& day = added[p.day];
        if (!day.slot[p.slot].isEmpty()) {
            ++counts.extra;
            continue;
        }
        day.slot[p.slot] = std::move(p.w);
        ++counts.imported;
    }
    for (auto& [number, day] : added) {
        if (day.slot[0].isEmpty() && day.slot[1].isEmpty())
            continue;
        day.date = DateFromDayNumber(number);
        counts.days.push_back(std::move(day));
    }
    return counts;
}

QString ImportReportText(const CsvImportCounts& counts)
{
    QStringList lines{LoadText(TextId::RowsImported).arg(counts.imported),
                      LoadText(TextId::RowsInDiary).arg(counts.inDiary),
                      LoadText(TextId::RowsExtraWeighings).arg(counts.extra),
                      LoadText(TextId::RowsNoWeight).arg(counts.noWeight),
                      LoadText(TextId::RowsComputed).arg(counts.computed),
                      LoadText(TextId::RowsUnreadable).arg(counts.unreadable)};
    if (!counts.unreadableLines.empty()) {
        QStringList numbers;
        for (const int line : counts.unreadableLines)
            numbers << QString::number(line);
        lines.back() += QLatin1Char(' ') + LoadText(numbers.size() == 1 ? TextId::UnreadableLine : TextId::UnreadableLines)
                                                        .arg(numbers.join(u", "));
    }
    return lines.join(kCrLf);
}

} // namespace tarvel
