#include "views/TrendGraph.h"

#include "store/DiaryFixture.h"
#include "store/Settings.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;

namespace {

// A picture of 560 x 400 pixels at 96 dpi (8400 x 6000 twips, 15 twips a pixel) in a window 800
// pixels wide: GraphUnit 100, plot 929..8129 across and 300..5400 down; January has 31 columns of
// 232 twips.
struct Graph {
    Graph()
    {
        f.period = {QDate(2024, 1, 1), QDate(2024, 1, 31)};
        image.fill(Qt::magenta);
    }

    void Add(QDate day, const char* morning, const char* night = "")
    {
        DayRecord record;
        record.Date = f.formats.FormatDate(day, f.formats.DateFormat);
        record.DayNumber = DayNumber(day);
        record.Slot[0].Weight = record.Slot[0].Bmi = QString::fromLatin1(morning);
        record.Slot[1].Weight = record.Slot[1].Bmi = QString::fromLatin1(night);
        f.diary.Records.Add(record);
        f.diary.NewEntryIndex = f.diary.Records.Count() + 1;
    }
    void Draw(bool weight)
    {
        QPainter painter(&image);
        const GraphSources sources{f.diary, f.period, settings, f.formats};
        if (weight)
            DrawWeightGraph(painter, 96, g, sources, scale, &labels);
        else
            DrawBmiGraph(painter, 96, g, sources, &labels);
    }
    QColor At(int x, int y) const { return image.pixelColor(x / 15, y / 15); }
    bool Dark(int x, int y) const { return qGray(image.pixel(x / 15, y / 15)) < 128; }
    int GreenPixels() const
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(0, 255, 0);
        return count;
    }
    // The texts drawn on one row (all rows when y is -1).
    QStringList Texts(int y = -1) const
    {
        QStringList texts;
        for (const GraphLabel& label : labels)
            if (y == -1 || label.y == y)
                texts << label.text;
        return texts;
    }

    DiaryFixture f;
    Settings settings;
    WeightScale scale;
    GraphGeometry g = ComputeGraphGeometry(12000, QSize(8400, 6000), QSize(8400, 6000));
    GraphLabels labels;
    QImage image{560, 400, QImage::Format_RGB32};
};

TEST(TrendGraph, GeometryInTwipsWithoutSixteenBitLimits)
{
    const struct {
        int window, width, height, unit, plotWidth, plotLeft, plotTop, plotBottom;
    } cases[] = {
        {12000, 8400, 6000, 100, 7200, 929, 300, 5400},
        {13500, 8400, 6000, 112, 7200, 917, 300, 5400},       // 112.5 rounds to the even 112
        {57600, 55500, 30000, 480, 47571, 6316, 1500, 27000}, // a 4K window: past 32,767 twips
    };
    for (const auto& c : cases) {
        const GraphGeometry g = ComputeGraphGeometry(c.window, QSize(c.width, c.height), QSize(c.width, 100));
        EXPECT_EQ(g.GraphUnit, c.unit);
        EXPECT_EQ(g.WeightPlotWidth, c.plotWidth);
        EXPECT_EQ(g.WeightPlotLeft, c.plotLeft);
        EXPECT_EQ(g.WeightPlotRight, c.plotLeft + c.plotWidth);
        EXPECT_EQ(g.BmiPlotLeft, c.plotLeft);
        EXPECT_EQ(g.PlotTop, c.plotTop);
        EXPECT_EQ(g.PlotBottom, c.plotBottom); // from the weight graph's height alone
    }
}

TEST(TrendGraph, EmptyDiaryShowsBandsGridAndTitlesOnly)
{
    Graph weight;
    weight.Draw(true);
    EXPECT_EQ(weight.At(15, 15), QColor(Qt::white)); // the picture's background is drawn
    // Points between grid lines in each quarter, from the top.
    const QColor bands[] = {{255, 234, 215}, {255, 255, 223}, {230, 242, 255}, {230, 242, 255}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(weight.At(1045, 360 + 1275 * i), bands[i]) << i;
    EXPECT_EQ(weight.Texts(), QStringList{QStringLiteral("[kg]")});
    EXPECT_EQ(weight.GreenPixels(), 0);

    Graph bmi;
    bmi.Draw(false);
    // Edges at BMI 19.8 (y 4176), 24.2 (3054) and 26.4 (2493) on the 15..35 scale.
    const struct {
        int y;
        QColor colour;
    } bmiBands[] = {
        {4650, {230, 230, 230}}, {3600, {157, 206, 255}}, {2700, {255, 188, 117}}, {1500, {255, 223, 223}}};
    for (const auto& band : bmiBands)
        EXPECT_EQ(bmi.At(1045, band.y), band.colour) << band.y;
    EXPECT_EQ(bmi.Texts().size(), 12); // "BMI" and eleven values, no dates
    EXPECT_EQ(bmi.GreenPixels(), 0);
}

TEST(TrendGraph, ValueAndDateLabels)
{
    // The only record lies `day` days after the period's start; the centre was 64 before.
    const struct {
        double range;
        const char* firstWeight;
        int day;
        int months;
        QDate start;
        QStringList values;
        QStringList dates;
    } cases[] = {
        {0.5,
         "65.30",
         3,
         1,
         QDate(2024, 1, 26),
         {"66", "65"},
         {"2024/1/26", "2/1", "2/6", "2/11", "2/16", "2/21"}},
        {2,
         "70.80",
         3,
         3,
         QDate(2024, 1, 16),
         {"72", "71", "70", "69", "68"},
         {"2024/1/16", "2/1", "2/16", "3/1", "3/16", "4/1"}},
        {5,
         "70.80",
         3,
         1,
         QDate(2024, 12, 26),
         {"75", "74", "73", "72", "71", "70", "69", "68", "67", "66", "65"},
         {"2024/12/26", "2025/1/1", "1/6", "1/11", "1/16", "1/21"}},
        {2,
         "80.00",
         -40,
         1,
         QDate(2024, 1, 1),
         {"66", "65", "64", "63", "62"}, // no record in the period
         {"2024/1/1", "1/6", "1/11", "1/16", "1/21", "1/26"}},
    };
    for (const auto& c : cases) {
        Graph graph;
        graph.settings.TrendMonths = c.months;
        graph.f.period = {c.start, PeriodEndFor(c.start, c.months)};
        graph.scale = {c.range, 64};
        graph.Add(c.start.addDays(c.day), c.firstWeight);
        graph.Draw(true);
        EXPECT_EQ(graph.Texts(graph.g.PlotBottom + 200), c.dates);
        const QStringList texts = graph.Texts();
        EXPECT_EQ(texts.mid(1, static_cast<int>(c.values.size())), c.values);
    }
    for (int max : {35, 50}) {
        Graph bmi;
        bmi.settings.BmiScaleMax = max;
        bmi.settings.BmiScaleMin = max == 35 ? 15 : 0;
        bmi.Draw(false);
        const QStringList values = bmi.Texts().mid(1);
        EXPECT_EQ(values.first(), QString::number(max));
        EXPECT_EQ(values.at(1), QString::number(max == 35 ? 33 : 45));
        EXPECT_EQ(values.last(), QString::number(max == 35 ? 15 : 0));
    }
}

TEST(TrendGraph, MarkersOnlyInsideThePlotAndSegmentsCutAtItsEdge)
{
    Graph graph;
    graph.Add(QDate(2023, 12, 28), "69.00");
    graph.Add(QDate(2024, 1, 10), "70.00");     // A: (3083, 2850), inside
    graph.Add(QDate(2024, 1, 12), "72.10");     // B: (3547, 172), above the plot, on the picture
    graph.Add(QDate(2024, 1, 14), "80.00");     // C: above the picture
    graph.Add(QDate(2024, 1, 20), "", "69.50"); // a night point, inside
    graph.Draw(true);
    EXPECT_EQ(graph.scale.WeightCenter, 70);

    EXPECT_EQ(graph.At(3083, 2850), QColor(0, 255, 0));
    // The night point at 10/14 of day 20's column, 2.5 kg below the top label (72).
    EXPECT_EQ(graph.At(929 + 232 * 19 + 166, 300 + 3188), QColor(0, 255, 0));
    for (int dx = -60; dx <= 60; dx += 15)
        EXPECT_NE(graph.At(3547 + dx, 172), QColor(0, 255, 0)) << dx;

    // A to B: on the line just below the plot's top, and nothing of it just above.
    EXPECT_TRUE(graph.Dark(3514, 360));
    EXPECT_EQ(graph.At(3535, 240), QColor(Qt::white));
    // B to C lies wholly above the plot: it is drawn off the picture, not rising from B.
    for (int x = 3500; x < 3700; x += 15)
        EXPECT_EQ(graph.At(x, 150), QColor(Qt::white)) << x;
}

TEST(TrendGraph, DayUnderThePointer)
{
    const Graph graph;
    const GraphGeometry& g = graph.g;
    const struct {
        double x, y;
        int day;
    } cases[] = {
        {1045, 2000, 1},
        {929 + 232, 2000, 1}, // the border belongs to the earlier day
        {929 + 233, 300, 2},
        {929 + 232 * 31, 5400, 31},
        {929 + 232 * 31 + 1, 2000, -1}, // past the last column
        {900, 2000, -1},
        {1045, 299, -1},
        {1045, 5401, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WeightDayAt(g, graph.f.period, c.x, c.y), c.day) << c.x << "," << c.y;
        EXPECT_EQ(BmiDayAt(g, graph.f.period, c.x, c.y), c.day);
    }
}

QDate D(int y, int m, int d)
{
    return QDate(y, m, d);
}

TEST(TrendGraph, PeriodStepsAndTheirLimits)
{
    const struct {
        int months;
        QDate start;
        int direction;
        QDate first, last;      // records; none when invalid (today, 2026-12-06, stands for both)
        QDate newStart, newEnd; // invalid: refused
    } cases[] = {
        {1, D(2024, 2, 1), 0, D(2024, 1, 10), D(2024, 3, 1), D(2024, 1, 26), D(2024, 2, 25)},
        {1, D(2024, 1, 26), 0, D(2024, 2, 22), D(2024, 3, 1), {}, {}}, // new end 20 Feb before the first
        {1, D(2024, 1, 26), 1, D(2024, 1, 1), D(2024, 3, 1), D(2024, 2, 1), D(2024, 2, 29)},
        {1, D(2024, 12, 26), 1, D(2024, 1, 1), D(2025, 3, 1), D(2025, 1, 1), D(2025, 1, 31)},
        {1, D(2024, 3, 26), 1, D(2024, 1, 1), D(2024, 3, 30), {}, {}}, // past the last record
        {1, D(2024, 1, 31), 1, D(2024, 1, 1), D(2024, 3, 30), {}, {}}, // not a period start
        {3, D(2024, 1, 1), 0, D(2024, 1, 5), D(2024, 3, 1), D(2023, 12, 16), D(2024, 3, 15)},
        {3, D(2024, 2, 1), 1, D(2024, 1, 5), D(2024, 4, 20), D(2024, 2, 16), D(2024, 5, 15)},
        {3, D(2023, 11, 16), 1, D(2023, 1, 5), D(2024, 4, 20), D(2023, 12, 1), D(2024, 2, 29)},
        {1, D(2026, 12, 1), 1, {}, {}, D(2026, 12, 6), D(2027, 1, 5)},
        {1, D(2026, 12, 6), 1, {}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        Graph graph;
        if (c.first.isValid()) {
            graph.Add(c.first, "60.00");
            graph.Add(c.last, "60.00");
        }
        GraphPeriod period{c.start, PeriodEndFor(c.start, c.months)};
        const GraphPeriod before = period;
        const bool taken =
            StepGraphPeriod(period, c.direction, c.months, graph.f.diary, graph.f.clock.Today());
        const std::string where = c.start.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(taken, c.newStart.isValid()) << where;
        EXPECT_EQ(period.PeriodStart, taken ? c.newStart : before.PeriodStart) << where;
        EXPECT_EQ(period.PeriodEnd, taken ? c.newEnd : before.PeriodEnd) << where;
    }
}

} // namespace

TEST(TrendGraph, BackdropGivesTheSamePictureAndTextsWhilePaging)
{
    // Both graphs drawn with a kept backdrop over a few pages and back, against drawing everything
    // anew each time: the same pixels and the same texts, also after the zoom changed the backdrop.
    for (bool weight : {true, false}) {
        Graph kept;
        Graph fresh;
        for (Graph* graph : {&kept, &fresh}) {
            graph->settings.TrendMonths = 3;
            for (int day = 0; day < 200; day += 2)
                graph->Add(QDate(2023, 11, 1).addDays(day), day % 4 ? "22.20" : "21.45", "23.05"); // kg and BMI
            graph->f.period = {QDate(2023, 11, 16), PeriodEndFor(QDate(2023, 11, 16), 3)};
        }
        GraphBackdrop backdrop;
        for (int step = 0; step < 6; ++step) {
            SCOPED_TRACE(step);
            if (step == 4)
                kept.scale.WeightRange = fresh.scale.WeightRange = 1;
            for (Graph* graph : {&kept, &fresh}) {
                StepGraphPeriod(graph->f.period, step < 3 ? 1 : 0, 3, graph->f.diary, QDate(2030, 1, 1));
                graph->labels.clear();
                graph->image.fill(Qt::magenta);
                QPainter painter(&graph->image);
                const GraphSources sources{graph->f.diary, graph->f.period, graph->settings, graph->f.formats};
                GraphBackdrop* with = graph == &kept ? &backdrop : nullptr;
                if (weight)
                    DrawWeightGraph(painter, 96, graph->g, sources, graph->scale, &graph->labels, with);
                else
                    DrawBmiGraph(painter, 96, graph->g, sources, &graph->labels, with);
            }
            ASSERT_GT(fresh.GreenPixels(), 0);
            EXPECT_EQ(kept.image, fresh.image);
            QStringList keptTexts = kept.Texts();
            QStringList freshTexts = fresh.Texts();
            keptTexts.sort();
            freshTexts.sort();
            EXPECT_EQ(keptTexts, freshTexts);
        }
    }
}
