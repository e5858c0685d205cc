// Fuzzes the importer of other programs' exports: any bytes are read as an export under two locales
// and two time zones, with kg and lb for weights that name no unit.
//
// Whatever the bytes, the result must be sound: counts that add up (no row counted twice), days in
// date order and each once, never a day the diary holds, every slot filled a weighing within the
// diary's limits in 0.01 kg, the first unreadable lines rising. And what was imported, exported and
// imported again gives the same days: the export holds all an import gives.
#include "FuzzCheck.h"
#include "platform/LocaleFormats.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/DayWeight.h"

#include <QLocale>

#include <array>
#include <cstdint>

using namespace tarvel;

namespace {

long g_daysChecked = 0;

const std::array<LocaleFormats, 2>& AllFormats()
{
    static const std::array<LocaleFormats, 2> formats = {
        LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP"))),
        LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE"))),
    };
    return formats;
}

// The diary already holds 2024-05-06.
const RecordStore& Diary()
{
    static const RecordStore records = [] {
        RecordStore r;
        DayRecord day{QDate(2024, 5, 6), {}};
        day.slot[0].weight = Mass{70000};
        r.Add(day);
        return r;
    }();
    return records;
}

void CheckSound(const CsvImportCounts& c)
{
    int weighings = 0;
    QDate previous;
    for (const DayRecord& day : c.days) {
        FUZZ_CHECK(day.date.isValid() && (!previous.isValid() || previous < day.date));
        FUZZ_CHECK(Diary().FindItem(day.dayNumber()) == 0);
        previous = day.date;
        for (const Weighing& w : day.slot) {
            if (w.isEmpty())
                continue;
            ++weighings;
            FUZZ_CHECK(w.weight && IsWeighing(w.weight->kg()) && w.weight->grams % 10 == 0 && w.time);
        }
        ++g_daysChecked;
    }
    FUZZ_CHECK(weighings == c.imported);
    FUZZ_CHECK(c.inDiary >= 0 && c.extra >= 0 && c.noWeight >= 0 && c.computed >= 0 && c.unreadable >= 0);
    FUZZ_CHECK(static_cast<int>(c.unreadableLines.size()) == std::min(c.unreadable, 3));
    for (std::size_t i = 1; i < c.unreadableLines.size(); ++i)
        FUZZ_CHECK(c.unreadableLines[i - 1] < c.unreadableLines[i]);
    FUZZ_CHECK(c.firstValues.size() <= 3);
}

} // namespace

// For the replay runner: how many imported days were checked over all inputs.
long FuzzReplayCheckedCount()
{
    return g_daysChecked;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const LocaleFormats& formats : AllFormats()) {
        for (const QTimeZone& zone : {QTimeZone(3600), QTimeZone(-9 * 3600 - 1800)}) {
            for (const WeightUnit unit : {WeightUnit::Kilograms, WeightUnit::Pounds}) {
                const std::optional<CsvImportCounts> counts =
                    ImportCsv(bytes, Diary(), QStringLiteral("170"), formats, zone, unit);
                if (!counts)
                    continue;
                CheckSound(*counts);
                RecordStore imported;
                imported.Assign(counts->days);
                const auto again = ImportCsv(ExportCsv(imported, unit, zone).toUtf8(), RecordStore(),
                                             QStringLiteral("170"), formats, zone);
                FUZZ_CHECK(again && again->days == counts->days);
            }
        }
    }
    return 0;
}
