// Timings of the diary file reader and writer and of the record lookup, each beside the least work
// any reader or writer of the same file must do (its "floor"): reading the bytes, decoding them and
// cutting them into QString fields; writing the bytes with one plain file write.
//
// bench/ratio.sh runs this program and prints the ratio of each real operation to its floor.

#include "platform/LocaleFormats.h"
#include "platform/SafeFile.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"
#include "store/RecordStore.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

using namespace tarvel;

constexpr std::uint32_t kSeed = 20240601;

// The folder every generated and written file goes to; removed when the program ends.
const QString& TempFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        std::exit(1);
    }
    static const QString path = dir.path();
    return path;
}

// A diary of `days` consecutive days from 1990-01-01, both weighings filled, a memo on about every
// fifth day (some holding the line-break marker), CR LF line ends. The same days give the same bytes.
QByteArray GenerateDiary(int days)
{
    std::mt19937 random(kSeed);
    auto below = [&random](std::uint32_t n) { return static_cast<int>(random() % n); };

    QByteArray out;
    out.reserve(static_cast<qsizetype>(days) * 60 + 64);
    out += "Sample,170.0,1,,,,,,,,,,,\r\n";

    const QDate first(1990, 1, 1);
    int centigrams = 6540; // the morning weight in 1/100 kg, wandering between 55 and 80 kg
    char line[160];
    for (int i = 0; i < days; ++i) {
        const QDate date = first.addDays(i);
        centigrams += below(41) - 20;
        if (centigrams < 5500)
            centigrams = 5500;
        if (centigrams > 8000)
            centigrams = 8000;
        const int nightCentigrams = centigrams + 30 + below(80);
        const double morningBmi = centigrams / 100.0 / (1.7 * 1.7);
        const double nightBmi = nightCentigrams / 100.0 / (1.7 * 1.7);

        QByteArray memo;
        if (below(5) == 0) {
            memo = below(3) == 0 ? "ran 5 km[CRLF]felt fine" : "after dinner out";
        }
        std::snprintf(line, sizeof line,
                      "%04d/%02d/%02d,07:%02d,%03d.%02d,%.1f,%s,21:%02d,%03d.%02d,%.1f,\r\n", date.year(),
                      date.month(), date.day(), below(60), centigrams / 100, centigrams % 100, morningBmi,
                      memo.constData(), below(60), nightCentigrams / 100, nightCentigrams % 100, nightBmi);
        out += line;
    }
    return out;
}

// One generated diary, written once to the temporary folder.
struct Sample {
    QString path;
    QByteArray bytes;
};

const Sample& SampleFor(int days)
{
    static std::map<int, Sample> samples;
    auto found = samples.find(days);
    if (found != samples.end())
        return found->second;

    Sample sample;
    sample.bytes = GenerateDiary(days);
    sample.path = TempFolder() + QStringLiteral("/sample-%1.ov1").arg(days);
    QFile file(sample.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(sample.bytes) != sample.bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sample.path));
        std::exit(1);
    }
    file.close();
    return samples.emplace(days, std::move(sample)).first->second;
}

void BM_ReadDiaryFile(benchmark::State& state)
{
    const int days = static_cast<int>(state.range(0));
    const Sample& sample = SampleFor(days);
    const LocaleFormats formats;
    const DiaryFile diaryFile(formats);

    Diary diary;
    bool whole = false; // read without a line dropped
    for (auto _ : state) {
        DiaryReadResult read = diaryFile.ReadDiaryFile(sample.path);
        whole = read.content && read.content->DroppedLines == 0;
        if (read.content)
            diary.reset(std::move(*read.content));
        benchmark::DoNotOptimize(whole);
        benchmark::ClobberMemory();
    }
    if (!whole || diary.records().Count() != days) {
        state.SkipWithError("the diary was not read completely");
        return;
    }
    state.SetBytesProcessed(state.iterations() * sample.bytes.size());
    state.SetItemsProcessed(state.iterations() * days);
}

// What any reader must do at least: read the file, decode it and cut it into QString fields.
void BM_ReadFloor(benchmark::State& state)
{
    const int days = static_cast<int>(state.range(0));
    const Sample& sample = SampleFor(days);
    qsizetype fieldCount = 0;
    for (auto _ : state) {
        QFile file(sample.path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the sample");
            return;
        }
        const QByteArray bytes = file.readAll();
        file.close();
        const QString text = QString::fromUtf8(bytes);
        const QStringList lines = text.split(QLatin1Char('\n'));
        std::vector<QStringList> rows;
        rows.reserve(static_cast<std::size_t>(lines.size()));
        for (const QString& line : lines)
            rows.push_back(line.split(QLatin1Char(',')));
        fieldCount = 0;
        for (const QStringList& row : rows)
            fieldCount += row.size();
        benchmark::DoNotOptimize(rows.data());
        benchmark::DoNotOptimize(fieldCount);
        benchmark::ClobberMemory();
    }
    // The header and every day line have 14 and 9 fields; the last line end leaves one empty line.
    if (fieldCount != 14 + static_cast<qsizetype>(days) * 9 + 1) {
        state.SkipWithError("unexpected field count");
        return;
    }
    state.SetBytesProcessed(state.iterations() * sample.bytes.size());
    state.SetItemsProcessed(state.iterations() * days);
}

void BM_WriteDiaryFile(benchmark::State& state)
{
    const int days = static_cast<int>(state.range(0));
    const Sample& sample = SampleFor(days);
    const LocaleFormats formats;
    const DiaryFile diaryFile(formats);

    Diary diary;
    diary.setAppFolder(TempFolder() + QLatin1Char('/'));
    DiaryReadResult read = diaryFile.ReadDiaryFile(sample.path);
    if (!read.content || read.content->DroppedLines > 0 ||
        static_cast<int>(read.content->Records.size()) != days) {
        state.SkipWithError("cannot read the sample");
        return;
    }
    diary.reset(std::move(*read.content));
    diary.setFilePath(TempFolder() + QLatin1Char('/') + QStringLiteral("written-%1.ov1").arg(days));

    bool written = true;
    for (auto _ : state) {
        written = diaryFile.WriteDiaryFile(diary) && written;
        benchmark::DoNotOptimize(written);
    }
    const qint64 size = QFileInfo(diary.filePath()).size();
    if (!written || size <= 0) {
        state.SkipWithError("the diary was not written");
        return;
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.SetItemsProcessed(state.iterations() * days);
}

// What any writer must do at least: hand the file's bytes to one plain file write.
void BM_WriteFloor(benchmark::State& state)
{
    const int days = static_cast<int>(state.range(0));
    const Sample& sample = SampleFor(days);
    const QString path = TempFolder() + QStringLiteral("/floor-%1.ov1").arg(days);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(sample.bytes) != sample.bytes.size()) {
            state.SkipWithError("cannot write the floor file");
            return;
        }
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * sample.bytes.size());
    state.SetItemsProcessed(state.iterations() * days);
}

// Not a floor but a yardstick: the same bytes through the same safe write the diary writer uses
// (temporary file, fsync, rename, folder sync), so the writer's distance from it is its own
// formatting work.
void BM_WriteSafeBytes(benchmark::State& state)
{
    const int days = static_cast<int>(state.range(0));
    const Sample& sample = SampleFor(days);
    const QString path = TempFolder() + QStringLiteral("/safe-%1.ov1").arg(days);
    for (auto _ : state) {
        const bool written = WriteFileSafely(path, [&sample](QIODevice& out) {
            return WriteAll(out, sample.bytes.constData(), sample.bytes.size());
        });
        if (!written) {
            state.SkipWithError("cannot write the file safely");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * sample.bytes.size());
    state.SetItemsProcessed(state.iterations() * days);
}

// A store of `count` records on every second day from 1990-01-01; the days between are missing.
const RecordStore& StoreOf(int count)
{
    static std::map<int, std::unique_ptr<RecordStore>> stores;
    auto found = stores.find(count);
    if (found != stores.end())
        return *found->second;
    std::vector<DayRecord> records(static_cast<std::size_t>(count));
    const qint64 firstDay = DayNumber(QDate(1990, 1, 1));
    for (int i = 0; i < count; ++i)
        records[static_cast<std::size_t>(i)].date = DateFromDayNumber(firstDay + 2 * static_cast<qint64>(i));
    auto store = std::make_unique<RecordStore>();
    store->Assign(std::move(records));
    return *stores.emplace(count, std::move(store)).first->second;
}

void BM_FindItem(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const RecordStore& store = StoreOf(count);
    const qint64 firstDay = store.Item(1).dayNumber();

    // Random days over the store's range and a little beyond; about half are missing.
    constexpr std::size_t kKeys = 1 << 14;
    std::vector<qint64> keys(kKeys);
    std::mt19937 random(kSeed);
    const std::uint32_t span = static_cast<std::uint32_t>(2 * count + 2);
    for (qint64& key : keys)
        key = firstDay - 1 + static_cast<qint64>(random() % span);

    std::size_t next = 0;
    qint64 found = 0;
    for (auto _ : state) {
        const int position = store.FindItem(keys[next]);
        next = (next + 1) & (kKeys - 1);
        found += position != 0;
        benchmark::DoNotOptimize(position);
    }
    benchmark::DoNotOptimize(found);
    state.counters["hit_rate"] =
        state.iterations() > 0 ? static_cast<double>(found) / static_cast<double>(state.iterations()) : 0.0;
    state.SetItemsProcessed(state.iterations());
    state.SetComplexityN(count);
}

// The diary sizes of the file benchmarks. The largest file takes about half a second a pass; a
// longer minimum time gives it several.
void DiarySizes(benchmark::internal::Benchmark* bench)
{
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
}

} // namespace

BENCHMARK(BM_ReadDiaryFile)->Apply(DiarySizes);
BENCHMARK(BM_ReadFloor)->Apply(DiarySizes);
BENCHMARK(BM_WriteDiaryFile)->Apply(DiarySizes);
BENCHMARK(BM_WriteFloor)->Apply(DiarySizes);
BENCHMARK(BM_WriteSafeBytes)->Apply(DiarySizes);
BENCHMARK(BM_FindItem)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Complexity(benchmark::oLogN);

BENCHMARK_MAIN();
