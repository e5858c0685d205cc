#include "views/TrendView.h"

#include "platform/PictureButton.h"
#include "store/DiaryFixture.h"
#include "store/Settings.h"
#include "views/GraphPaging.h"
#include "views/GraphSetDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;

namespace {

// Appends a day after the records, with a morning and a night weighing (weight and BMI alike).
void AddDay(DiaryFixture& f, QDate day, const char* morning, const char* night = "")
{
    DayRecord record;
    record.Date = f.formats.FormatDate(day, f.formats.DateFormat);
    record.DayNumber = DayNumber(day);
    record.Slot[0].Weight = record.Slot[0].Bmi = QString::fromLatin1(morning);
    record.Slot[1].Weight = record.Slot[1].Bmi = QString::fromLatin1(night);
    f.diary.Records.Add(record);
    f.diary.NewEntryIndex = f.diary.Records.Count() + 1;
}

const QColor kMarker(0, 255, 0);

// A picture of 560 x 400 pixels at 96 dpi (8400 x 6000 twips, 15 twips a pixel) in a window 800
// pixels wide: GraphUnit 100, plot 929..8129 across and 300..5400 down; January has 31 columns of
// 232 twips.
struct Graph {
    Graph() { f.period = {QDate(2024, 1, 1), QDate(2024, 1, 31)}; }
    void Add(QDate day, const char* morning, const char* night = "") { AddDay(f, day, morning, night); }
    // With painterOnly the painter draws everything itself (a clipped painter takes no direct writing).
    void Draw(bool weight, GraphBackdrop* backdrop = nullptr, bool painterOnly = false)
    {
        labels.clear();
        image.fill(Qt::magenta);
        QPainter painter(&image);
        if (painterOnly)
            painter.setClipRect(image.rect());
        const GraphSources sources{f.diary, f.period, settings, f.formats};
        if (weight)
            DrawWeightGraph(painter, 96, g, sources, scale, &labels, backdrop);
        else
            DrawBmiGraph(painter, 96, g, sources, &labels, backdrop);
    }
    QColor At(int x, int y) const { return image.pixelColor(x / 15, y / 15); }
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

TEST(TrendGraph, GeometryInTwipsWithoutSixteenBitLimitsAndTheDayUnderThePointer)
{
    const int cases[][8] = {
        // window, width, height, unit, plot width, left, top, bottom
        {12000, 8400, 6000, 100, 7200, 929, 300, 5400},
        {13500, 8400, 6000, 112, 7200, 917, 300, 5400},       // 112.5 rounds to the even 112
        {57600, 55500, 30000, 480, 47571, 6316, 1500, 27000}, // a 4K window: past 32,767 twips
    };
    for (const auto& c : cases) {
        const GraphGeometry g = ComputeGraphGeometry(c[0], QSize(c[1], c[2]), QSize(c[1], 100));
        EXPECT_EQ(QList<int>({g.GraphUnit, g.WeightPlotWidth, g.WeightPlotLeft, g.PlotTop, g.PlotBottom}),
                  QList<int>({c[3], c[4], c[5], c[6], c[7]}))
            << c[0];
        EXPECT_EQ(g.BmiPlotLeft, c[5]);
    }
    // A border between columns belongs to the earlier day.
    const double points[][3] = {{1045, 2000, 1},  {1161, 2000, 1}, {1162, 300, 2},  {8121, 5400, 31},
                                {8122, 2000, -1}, {900, 2000, -1}, {1045, 299, -1}, {1045, 5401, -1}};
    const Graph graph;
    for (const auto& [x, y, day] : points) {
        EXPECT_EQ(WeightDayAt(graph.g, graph.f.period, x, y), day) << x << "," << y;
        EXPECT_EQ(BmiDayAt(graph.g, graph.f.period, x, y), day) << x << "," << y;
    }
}

TEST(TrendGraph, ValueAndDateLabels)
{
    // The only record lies `day` days after the period's start; the centre was 64 before.
    const struct {
        double range;
        const char* weight;
        int day, months;
        QDate start;
        const char *values, *dates;
    } cases[] = {
        {0.5, "65.30", 3, 1, QDate(2024, 1, 26), "66 65", "2024/1/26 2/1 2/6 2/11 2/16 2/21"},
        {2, "70.80", 3, 3, QDate(2024, 1, 16), "72 71 70 69 68", "2024/1/16 2/1 2/16 3/1 3/16 4/1"},
        {5, "70.80", 3, 1, QDate(2024, 12, 26), "75 74 73 72 71 70 69 68 67 66 65",
         "2024/12/26 2025/1/1 1/6 1/11 1/16 1/21"},
        {2, "80.00", -40, 1, QDate(2024, 1, 1), "66 65 64 63 62", // no record in the period
         "2024/1/1 1/6 1/11 1/16 1/21 1/26"},
    };
    for (const auto& c : cases) {
        Graph graph;
        graph.settings.TrendMonths = c.months;
        graph.f.period = {c.start, PeriodEndFor(c.start, c.months)};
        graph.scale = {c.range, 64};
        graph.Draw(true);
        EXPECT_EQ(graph.Texts(), QStringList{QStringLiteral("[kg]")}); // an empty diary: no values, no dates
        graph.Add(c.start.addDays(c.day), c.weight);
        graph.Draw(true);
        const QStringList values = QString::fromLatin1(c.values).split(QLatin1Char(' '));
        EXPECT_EQ(graph.Texts(graph.g.PlotBottom + 200).join(QLatin1Char(' ')), QString::fromLatin1(c.dates));
        EXPECT_EQ(graph.Texts().mid(1, values.size()), values) << c.values;
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

    EXPECT_EQ(graph.At(3083, 2850), kMarker);
    // The night point at 10/14 of day 20's column, 2.5 kg below the top label (72).
    EXPECT_EQ(graph.At(929 + 232 * 19 + 166, 300 + 3188), kMarker);
    for (int dx = -60; dx <= 60; dx += 15)
        EXPECT_NE(graph.At(3547 + dx, 172), kMarker) << dx;

    // A to B: on the line just below the plot's top, and nothing of it just above.
    EXPECT_LT(qGray(graph.At(3514, 360).rgb()), 128);
    EXPECT_EQ(graph.At(3535, 240), QColor(Qt::white));
    // B to C lies wholly above the plot: it is drawn off the picture, not rising from B.
    for (int x = 3500; x < 3700; x += 15)
        EXPECT_EQ(graph.At(x, 150), QColor(Qt::white)) << x;
}

QDate D(int y, int m, int d)
{
    return QDate(y, m, d);
}

TEST(TrendGraph, PeriodStepsAndTheirLimits)
{
    const PagingDirection back = PagingDirection::Back;
    const PagingDirection forward = PagingDirection::Forward;
    const struct {
        int months;
        QDate start;
        PagingDirection direction;
        QDate first, last;      // records; none when invalid (today, 2026-12-06, stands for both)
        QDate newStart, newEnd; // invalid: refused
    } cases[] = {
        {1, D(2024, 2, 1), back, D(2024, 1, 10), D(2024, 3, 1), D(2024, 1, 26), D(2024, 2, 25)},
        {1, D(2024, 1, 26), back, D(2024, 2, 22), D(2024, 3, 1), {}, {}}, // new end 20 Feb before the first
        {1, D(2024, 1, 26), forward, D(2024, 1, 1), D(2024, 3, 1), D(2024, 2, 1), D(2024, 2, 29)},
        {1, D(2024, 12, 26), forward, D(2024, 1, 1), D(2025, 3, 1), D(2025, 1, 1), D(2025, 1, 31)},
        {1, D(2024, 3, 26), forward, D(2024, 1, 1), D(2024, 3, 30), {}, {}}, // past the last record
        {1, D(2024, 1, 31), forward, D(2024, 1, 1), D(2024, 3, 30), {}, {}}, // not a period start
        {3, D(2024, 1, 1), back, D(2024, 1, 5), D(2024, 3, 1), D(2023, 12, 16), D(2024, 3, 15)},
        {3, D(2024, 2, 1), forward, D(2024, 1, 5), D(2024, 4, 20), D(2024, 2, 16), D(2024, 5, 15)},
        {3, D(2023, 11, 16), forward, D(2023, 1, 5), D(2024, 4, 20), D(2023, 12, 1), D(2024, 2, 29)},
        {1, D(2026, 12, 1), forward, {}, {}, D(2026, 12, 6), D(2027, 1, 5)},
        {1, D(2026, 12, 6), forward, {}, {}, {}, {}},
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

TEST(TrendGraph, FastDrawingWhilePagingMatchesThePainter)
{
    // Both graphs drawn the fast way (a kept backdrop, stamped grid lines, markers and the polyline
    // written into the image) over a few pages and back, against the painter drawing everything anew:
    // the same texts and, but for the smoothing of the polyline, the same pixels; also after the zoom
    // changed the backdrop.
    for (bool weight : {true, false}) {
        Graph fast;
        Graph painted;
        for (Graph* graph : {&fast, &painted}) {
            graph->settings.TrendMonths = 3;
            for (int day = 0; day < 200; day += 2)
                graph->Add(QDate(2023, 11, 1).addDays(day), day % 4 ? "22.20" : "21.45", "23.05");
            graph->f.period = {QDate(2023, 11, 16), PeriodEndFor(QDate(2023, 11, 16), 3)};
        }
        GraphBackdrop backdrop;
        for (int step = 0; step < 6; ++step) {
            SCOPED_TRACE(step);
            if (step == 4)
                fast.scale.WeightRange = painted.scale.WeightRange = 3;
            for (Graph* graph : {&fast, &painted}) {
                StepGraphPeriod(graph->f.period, step < 3 ? PagingDirection::Forward : PagingDirection::Back,
                                3, graph->f.diary, QDate(2030, 1, 1));
                graph->Draw(weight, graph == &fast ? &backdrop : nullptr, graph == &painted);
            }
            QStringList texts[2] = {fast.Texts(), painted.Texts()};
            texts[0].sort();
            texts[1].sort();
            EXPECT_EQ(texts[0], texts[1]);
            int markers = 0;
            int worst = 0;
            for (int y = 0; y < fast.image.height(); ++y) {
                for (int x = 0; x < fast.image.width(); ++x) {
                    const QRgb a = fast.image.pixel(x, y);
                    const QRgb b = painted.image.pixel(x, y);
                    markers += QColor(b) == kMarker;
                    worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))});
                }
            }
            EXPECT_GT(markers, 0);
            EXPECT_LE(worst, 32);
        }
    }
}

// Both trend views, linked, shown over a diary whose period is January 2024.
struct Trends {
    Trends()
        : weight(TrendView::Kind::Weight, f.diary, f.period, settings, f.formats, f.clock),
          bmi(TrendView::Kind::Bmi, f.diary, f.period, settings, f.formats, f.clock)
    {
        f.period = {QDate(2024, 1, 1), QDate(2024, 1, 31)};
        TrendView::LinkPeriod(weight, bmi);
        QObject::connect(&weight, &TrendView::RecordOpened, [this](int record) { openedRecord = record; });
        for (TrendView* view : {&weight, &bmi}) {
            view->resize(800, 500);
            view->show();
        }
    }

    void Add(QDate day) { AddDay(f, day, "65.40"); }
    void RedrawBoth()
    {
        for (TrendView* view : {&weight, &bmi}) {
            view->UpdateGraphPagingButtons();
            view->Redraw();
        }
    }

    // A point in the weight graph's pixels: the middle of a January day's column, `down` twips
    // under the plot's top.
    QPointF InDay(int day, int down = 1000) const
    {
        const GraphGeometry& g = weight.Geometry();
        const double dayWidth = std::nearbyint(g.WeightPlotWidth / 31.0);
        const double scale = weight.Dpi() / kTwipsPerInch;
        return {(g.WeightPlotLeft + dayWidth * (day - 0.5)) * scale, (g.PlotTop + down) * scale};
    }
    void Mouse(QEvent::Type type, QPointF at)
    {
        QWidget* graph = weight.Graph();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, graph->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(graph, &event);
    }
    void DoubleClick(QPointF at)
    {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            Mouse(type, at);
    }
    Qt::CursorShape Pointer() const { return weight.Graph()->cursor().shape(); }

    DiaryFixture f;
    Settings settings;
    TrendView weight;
    TrendView bmi;
    int openedRecord = 0;
};

TEST(TrendView, ZoomLabelsWalkTheRangeAndRestWithAnEmptyDiary)
{
    Trends t;
    t.weight.Redraw();
    EXPECT_FALSE(t.weight.PlusLabel()->isEnabled());
    t.Add(QDate(2024, 1, 10));
    t.weight.Redraw();
    // Clicks on + and -, each with the range it leaves: it stops at 0.5 and 5 kg.
    const char clicks[] = "+++------+";
    const double ranges[] = {1, 0.5, 0.5, 1, 2, 3, 4, 5, 5, 4};
    for (int i = 0; clicks[i] != '\0'; ++i) {
        QTest::mouseClick(clicks[i] == '+' ? t.weight.PlusLabel() : t.weight.MinusLabel(), Qt::LeftButton);
        EXPECT_EQ(t.weight.Scale().WeightRange, ranges[i]) << i;
    }
}

TEST(TrendView, PointerAndDoubleClickOpenOnlyADayWithARecord)
{
    Trends t;
    t.Add(QDate(2023, 12, 28));
    t.Add(QDate(2024, 1, 10));
    t.RedrawBoth();

    t.Mouse(QEvent::MouseMove, t.InDay(10));
    EXPECT_EQ(t.Pointer(), Qt::PointingHandCursor);
    t.weight.Redraw(); // a drawing leaves the arrow; the next move in the same day sets the hand again
    EXPECT_EQ(t.Pointer(), Qt::ArrowCursor);
    t.Mouse(QEvent::MouseMove, t.InDay(10, 1200));
    EXPECT_EQ(t.Pointer(), Qt::PointingHandCursor);
    t.Mouse(QEvent::MouseMove, t.InDay(11));
    EXPECT_EQ(t.Pointer(), Qt::ArrowCursor);

    t.DoubleClick(t.InDay(11));
    t.DoubleClick(t.InDay(10, -150)); // above the plot
    EXPECT_EQ(t.openedRecord, 0);
    t.DoubleClick(t.InDay(10));
    EXPECT_EQ(t.openedRecord, 2);
}

TEST(TrendView, PagingOneGraphRedrawsBothAndAHoldEndsWhenTheButtonIsDisabled)
{
    Trends t;
    t.Add(QDate(2024, 1, 10));
    t.Add(QDate(2024, 3, 5));
    t.f.period = {QDate(2024, 1, 6), QDate(2024, 2, 5)};
    t.RedrawBoth();
    const QImage before = t.bmi.Image();
    QTest::mouseClick(t.weight.FrontButton(), Qt::LeftButton); // a short click: one step
    EXPECT_EQ(t.f.period.PeriodStart, QDate(2024, 1, 1));
    EXPECT_FALSE(t.bmi.FrontButton()->isEnabled()); // the month of the first record
    EXPECT_NE(t.bmi.Image(), before);
    QTest::mouseClick(t.bmi.NextButton(), Qt::LeftButton);
    EXPECT_EQ(t.f.period.PeriodStart, QDate(2024, 1, 6));

    t.f.period = {QDate(2024, 1, 11), QDate(2024, 2, 10)};
    t.RedrawBoth();
    QTest::mousePress(t.weight.FrontButton(), Qt::LeftButton);
    for (int tick = 0; tick < 4; ++tick)
        t.weight.Hold().Tick();
    EXPECT_EQ(t.f.period.PeriodStart, QDate(2024, 1, 1)); // two steps, then the button is off
    EXPECT_FALSE(t.weight.Hold().Timer().isActive());
}

// The paging buttons of the list and of both graphs repeat through HoldRepeat.
TEST(TrendView, HoldRepeatsFasterAndAClickStepsOnce)
{
    HoldRepeat hold;
    qint64 now = 0;
    hold.SetTimeSource([&] { return now; });
    std::vector<qint64> steps;
    hold.Press([&] { steps.push_back(now); });
    while (now < 6000) {
        now += hold.Timer().interval();
        hold.Tick();
    }
    // After 0.5 s every 0.2 s, every 0.1 s from 2 s into the repetition, every 0.02 s from 5 s.
    const qint64 gaps[][2] = {{500, 200}, {2700, 200}, {2900, 100}, {5600, 100}, {5700, 20}}; // at, gap
    for (const auto& [at, gap] : gaps) {
        const auto it = std::find(steps.begin(), steps.end(), at);
        ASSERT_NE(it, steps.end()) << at;
        EXPECT_EQ(*(it + 1) - at, gap) << at;
    }
    const std::size_t repeated = steps.size();
    hold.Release();
    EXPECT_EQ(steps.size(), repeated); // the release after repeating adds no step

    steps.clear();
    hold.Press([&] { steps.push_back(now); });
    now += 300;
    hold.Release();
    hold.Tick();
    EXPECT_EQ(steps.size(), 1u);
}

TEST(GraphSetDlg, RangeCommandReportsWhatChangedAndAnUnknownSpanBecomesOneMonth)
{
    const struct {
        int presetMonths, bmiEntry, spanEntry; // -1: leave as it is
        bool ok, span, bmiScale;
        int bmiMax, months;
    } cases[] = {
        {-1, -1, -1, true, false, false, 35, 1}, {-1, 0, -1, true, false, true, 50, 1},
        {-1, 1, 1, false, false, false, 50, 1},  {-1, -1, 1, true, true, false, 50, 3},
        {6, -1, -1, false, true, false, 50, 1}, // even on Cancel
    };
    Settings settings; // 35 / 15, one month
    for (const auto& c : cases) {
        if (c.presetMonths >= 0)
            settings.TrendMonths = c.presetMonths;
        const RangeChange change = SetGraphRange(settings, [&] {
            GraphSetDlg dialog(settings);
            if (c.bmiEntry >= 0)
                dialog.BmiScaleCombo()->setCurrentIndex(c.bmiEntry);
            if (c.spanEntry >= 0)
                dialog.TrendCombo()->setCurrentIndex(c.spanEntry);
            (c.ok ? dialog.OKBtn() : dialog.CancelBtn())->click();
        });
        EXPECT_EQ(change.span, c.span) << c.bmiEntry << c.spanEntry << c.ok;
        EXPECT_EQ(change.bmiScale, c.bmiScale) << c.bmiEntry << c.spanEntry << c.ok;
        EXPECT_EQ(QList<int>({settings.BmiScaleMax, settings.BmiScaleMin, settings.TrendMonths}),
                  QList<int>({c.bmiMax, c.bmiMax == 50 ? 0 : 15, c.months}));
    }
}

} // namespace
