// Paging speed of the views on a diary of 100,000 days: one graph period step of the real views,
// with both graphs drawn at 1,200 x 900 pixels over three months (the weight graph with its trend
// line and a goal line, as the window draws it), and one step of the data list. The floor is
// filling the same two images with white, measured in the same run. Also the trend of the whole
// diary computed anew, as after every change of the records.
//
//   build/bench/views_bench            (QT_QPA_PLATFORM=offscreen is set by the program)

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"
#include "store/GraphPeriod.h"
#include "store/Settings.h"
#include "store/Trend.h"
#include "views/ListView.h"
#include "views/TrendView.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStackedWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

using namespace tarvel;

namespace {

constexpr int kDays = 100000;
constexpr double kDpi = 96.0;
const QSize kPixels(1200, 900);

// 100,000 consecutive days from 1990-01-01 with both weighings, built in memory.
struct Sample {
    LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP")));
    Diary diary;
    Settings settings;
    GraphPeriod period;
    FixedClock clock{QDateTime(QDate(2264, 1, 1), QTime(12, 0))};
    Trend trend{diary.records()};

    Sample()
    {
        std::mt19937 random(20261206);
        QByteArray bytes = "Sample,170.0,1,,,,,,,,,,,\r\n";
        int centigrams = 6540;
        char line[128];
        const QDate first(1990, 1, 1);
        for (int i = 0; i < kDays; ++i) {
            const QDate date = first.addDays(i);
            centigrams = std::clamp(centigrams + static_cast<int>(random() % 41) - 20, 5500, 8000);
            std::snprintf(line, sizeof line, "%04d/%02d/%02d,07:30,%03d.%02d,%.1f,,21:10,%03d.%02d,%.1f,\r\n",
                          date.year(), date.month(), date.day(), centigrams / 100, centigrams % 100,
                          centigrams / 100.0 / 2.89, (centigrams + 40) / 100, (centigrams + 40) % 100,
                          (centigrams + 40) / 100.0 / 2.89);
            bytes += line;
        }
        settings.TrendMonths = 3;
        settings.GoalWeight = 65;
        DiaryContent content = ParseDiary(bytes, formats);
        diary.reset(std::move(content));
        // A period in the middle of the diary, so both directions have data.
        period.PeriodStart = PeriodStartFor(first.addDays(kDays / 2), settings.TrendMonths);
        period.PeriodEnd = PeriodEndFor(period.PeriodStart, settings.TrendMonths);
    }
};

Sample& TheSample()
{
    static Sample sample;
    return sample;
}

QImage WhiteImage()
{
    QImage image(kPixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void BM_GraphPagingStep(benchmark::State& state)
{
    Sample& s = TheSample();
    // The two linked views as the window's tabs hold them, each graph 1,200 x 900 pixels, the weight
    // graph in front; a step pages it as a click on a paging button does, and leaves the hidden BMI
    // graph to be drawn when its tab is shown.
    QStackedWidget tabs;
    auto* weight = new TrendView(TrendView::Kind::Weight, s.diary, s.period, s.settings, s.formats, s.clock);
    auto* bmi = new TrendView(TrendView::Kind::Bmi, s.diary, s.period, s.settings, s.formats, s.clock);
    tabs.addWidget(weight);
    tabs.addWidget(bmi);
    tabs.resize(kPixels + QSize(200, 200));
    TrendView::LinkPeriod(*weight, *bmi);
    weight->SetTrend(&s.trend);
    const GraphSurface* weightGraph = weight->findChild<GraphSurface*>();
    const GraphSurface* bmiGraph = bmi->findChild<GraphSurface*>();
    for (TrendView* view : {weight, bmi}) {
        view->resize(kPixels + QSize(200, 200));
        view->findChild<GraphSurface*>()->setFixedSize(kPixels);
        view->Redraw();
    }
    tabs.show();
    if (weightGraph->Image().size() != kPixels || bmiGraph->Image().size() != kPixels) {
        state.SkipWithError("the graphs were not drawn at the intended size");
        return;
    }
    const QImage& picture = weightGraph->Image();
    int trendPixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            trendPixels += QColor(picture.pixel(x, y)) == TrendLineColours().trend;
    }
    if (trendPixels < kPixels.width() / 2) {
        state.SkipWithError("the trend line was not drawn");
        return;
    }
    bool forward = true;
    int steps = 0;
    for (auto _ : state) {
        // Back and forth, so every step stays among the data.
        if (++steps % 8 == 0)
            forward = !forward;
        const QDate before = s.period.PeriodStart;
        if (forward)
            weight->GraphNextPage();
        else
            weight->GraphPreviousPage();
        if (s.period.PeriodStart == before)
            state.SkipWithError("the period did not move");
        benchmark::DoNotOptimize(weightGraph->Image().constBits());
        benchmark::DoNotOptimize(bmiGraph->Image().constBits());
    }
}
BENCHMARK(BM_GraphPagingStep)->Unit(benchmark::kMicrosecond);

void BM_GraphFloor(benchmark::State& state)
{
    QImage weight = WhiteImage();
    QImage bmi = WhiteImage();
    for (auto _ : state) {
        weight.fill(Qt::white);
        bmi.fill(Qt::white);
        benchmark::DoNotOptimize(weight.constBits());
        benchmark::DoNotOptimize(bmi.constBits());
    }
}
BENCHMARK(BM_GraphFloor)->Unit(benchmark::kMicrosecond);

void BM_TrendRecompute(benchmark::State& state)
{
    Sample& s = TheSample();
    for (auto _ : state) {
        const std::vector<TrendPoint> points = ComputeTrend(s.diary.records());
        benchmark::DoNotOptimize(WeeklyRateOf(points));
    }
}
BENCHMARK(BM_TrendRecompute)->Unit(benchmark::kMillisecond);

// The floor under the trend: reading each day's morning weight once.
void BM_TrendFloor(benchmark::State& state)
{
    Sample& s = TheSample();
    for (auto _ : state) {
        qint64 sum = 0;
        for (const DayRecord& record : s.diary.records().Records())
            sum += record.slot[0].weight.value_or(Mass{}).grams;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TrendFloor)->Unit(benchmark::kMillisecond);

void BM_ListPagingStep(benchmark::State& state)
{
    Sample& s = TheSample();
    ListView list(s.diary, s.formats, s.clock);
    list.resize(1200, 700);
    list.SetAskSaveEntry([] {});
    bool back = true;
    int steps = 0;
    for (auto _ : state) {
        if (++steps % 8 == 0)
            back = !back;
        // A step as the Left and Right keys take it.
        QKeyEvent key(QEvent::KeyPress, back ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(&list, &key);
    }
}
BENCHMARK(BM_ListPagingStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
