// The importer on a generated Apple Health export.xml of 100,000 body-mass records, beside the least
// work any streaming reader of the same bytes must do (its "floor"): cutting the XML into tokens and
// reading the attributes of every Record.
//
// bench/import_ratio.sh runs this program and prints the ratio of the import to its floor.

#include "platform/LocaleFormats.h"
#include "store/CsvImport.h"

#include <QByteArray>
#include <QDate>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace tarvel;

// Two weighings a day from 1990-01-01 (07:xx and 20:xx at -05:00), in kg and in lb by turns, with the
// header, the DTD and the Me element of a real export around them.
QByteArray GenerateExport(int records)
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE HealthData [\n"
                     "<!ELEMENT HealthData (ExportDate,Me,(Record)*)>\n]>\n<HealthData locale=\"en_US\">\n"
                     " <ExportDate value=\"2024-03-05 10:00:00 -0500\"/>\n <Me/>\n";
    out.reserve(records * 260 + out.size());
    const QDate first(1990, 1, 1);
    char line[400];
    for (int i = 0; i < records; ++i) {
        const QDate date = first.addDays(i / 2);
        const int hour = i % 2 == 0 ? 7 : 20;
        const bool pounds = i % 4 < 2;
        const double kg = 60 + (i % 997) * 0.01;
        std::snprintf(line, sizeof line,
                      " <Record type=\"HKQuantityTypeIdentifierBodyMass\" sourceName=\"Scale\" unit=\"%s\" "
                      "creationDate=\"%04d-%02d-%02d %02d:%02d:10 -0500\" startDate=\"%04d-%02d-%02d "
                      "%02d:%02d:00 -0500\" endDate=\"%04d-%02d-%02d %02d:%02d:00 -0500\" value=\"%.2f\"/>\n",
                      pounds ? "lb" : "kg", date.year(), date.month(), date.day(), hour, i % 60, date.year(),
                      date.month(), date.day(), hour, i % 60, date.year(), date.month(), date.day(), hour,
                      i % 60, pounds ? kg / 0.45359237 : kg);
        out += line;
    }
    out += "</HealthData>\n";
    return out;
}

const QByteArray& Export(int records)
{
    static const QByteArray bytes = GenerateExport(records);
    return bytes;
}

void BM_ImportAppleHealth(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    const QByteArray& bytes = Export(records);
    const LocaleFormats formats;
    const RecordStore diary;
    int imported = 0;
    for (auto _ : state) {
        const std::optional<CsvImportCounts> counts =
            ImportCsv(bytes, diary, QStringLiteral("170"), formats, QTimeZone(3600));
        imported = counts ? counts->imported : 0;
        benchmark::DoNotOptimize(imported);
    }
    if (imported != records) {
        state.SkipWithError("not every record was imported");
        return;
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.SetItemsProcessed(state.iterations() * records);
}

// What any streaming reader must do at least: the XML's tokens and every Record's attributes.
void BM_ImportFloor(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    const QByteArray& bytes = Export(records);
    int seen = 0;
    for (auto _ : state) {
        QXmlStreamReader xml(bytes);
        seen = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Record") {
                const QXmlStreamAttributes attributes = xml.attributes();
                benchmark::DoNotOptimize(attributes.size());
                ++seen;
            }
        }
        benchmark::DoNotOptimize(seen);
    }
    if (seen != records) {
        state.SkipWithError("unexpected record count");
        return;
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.SetItemsProcessed(state.iterations() * records);
}

BENCHMARK(BM_ImportAppleHealth)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFloor)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
