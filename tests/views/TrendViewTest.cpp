#include "views/TrendView.h"

#include "platform/PictureButton.h"
#include "platform/TextTable.h"
#include "store/DiaryFixture.h"
#include "store/Settings.h"
#include "store/Trend.h"
#include "views/DayToolTip.h"
#include "views/GraphPaging.h"
#include "views/GraphTicks.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::MakeWeighing;
using namespace Qt::StringLiterals;

namespace {

// Appends a day after the records, with a morning and a night weighing (weight and BMI alike).
void AddDay(DiaryFixture& f, QDate day, const char* morning, const char* night = "")
{
    f.AddDay(day, MakeWeighing("", morning, morning), MakeWeighing("", night, night));
}

// A picture of 560 x 400 pixels at 96 dpi (8400 x 6000 twips, 15 twips a pixel) in a window 800
// pixels wide: GraphUnit 100, plot 929..8129 across and 300..5400 down; January has 31 columns of
// 232 twips.
struct Graph {
    explicit Graph(const char* locale = "ja_JP") : f(locale)
    {
        f.period = {QDate(2024, 1, 1), QDate(2024, 1, 31)};
    }
    // With painterOnly the painter draws everything itself (a clipped painter takes no direct writing).
    void Draw(bool weight, GraphBackdrop* backdrop = nullptr, bool painterOnly = false)
    {
        labels.clear();
        image.fill(Qt::magenta);
        QPainter painter(&image);
        painter.setFont(font);
        if (painterOnly)
            painter.setClipRect(image.rect());
        const GraphSources sources{f.diary, f.period, settings, f.formats, trend};
        if (weight)
            DrawWeightGraph(painter, 96, g, sources, scale, &labels, backdrop);
        else
            DrawBmiGraph(painter, 96, g, sources, &labels, backdrop);
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const GraphLabel& label : labels)
            texts << label.text;
        return texts;
    }

    DiaryFixture f;
    Settings settings;
    const Trend diaryTrend{f.diary.records()};
    const Trend* trend = nullptr; // none: no trend line
    WeightScale scale;
    GraphGeometry g = ComputeGraphGeometry(12000, QSize(8400, 6000), QSize(8400, 6000));
    GraphLabels labels;
    QImage image{560, 400, QImage::Format_RGB32};
    QFont font;
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

TEST(TrendGraph, PeriodStepsAndTheirLimits)
{
    using enum PagingDirection;
    // Span, start, direction, the records' first and last day (none: today, 2026-12-06, for both)
    // and the new start (none: refused).
    const struct {
        int months;
        QDate start;
        PagingDirection direction;
        QDate first, last, newStart;
    } cases[] = {
        {1, QDate(2024, 2, 1), Back, QDate(2024, 1, 10), QDate(2024, 3, 1), QDate(2024, 1, 26)},
        {1, QDate(2024, 1, 26), Back, QDate(2024, 2, 22), QDate(2024, 3, 1), {}}, // ends 20 Feb, before the
                                                                                  // first
        {1, QDate(2024, 12, 26), Forward, QDate(2024, 1, 1), QDate(2025, 3, 1), QDate(2025, 1, 1)},
        {1, QDate(2024, 3, 26), Forward, QDate(2024, 1, 1), QDate(2024, 3, 30), {}}, // past the last record
        {1, QDate(2024, 1, 31), Forward, QDate(2024, 1, 1), QDate(2024, 3, 30), {}}, // not a period start
        {3, QDate(2024, 1, 1), Back, QDate(2024, 1, 5), QDate(2024, 3, 1), QDate(2023, 12, 16)},
        {3, QDate(2023, 11, 16), Forward, QDate(2023, 1, 5), QDate(2024, 4, 20), QDate(2023, 12, 1)},
        {1, QDate(2026, 12, 1), Forward, {}, {}, QDate(2026, 12, 6)},
        {1, QDate(2026, 12, 6), Forward, {}, {}, {}},
        {6, QDate(2024, 3, 1), Back, QDate(2023, 1, 5), QDate(2024, 12, 1), QDate(2024, 2, 1)},
        {6, QDate(2023, 1, 1), Back, QDate(2023, 6, 5), QDate(2024, 12, 1), {}}, // would end 31 May
        {12, QDate(2023, 12, 1), Forward, QDate(2023, 1, 1), QDate(2025, 2, 1), QDate(2024, 3, 1)},
        {12, QDate(2024, 3, 1), Forward, QDate(2023, 1, 1), QDate(2024, 5, 31), {}}, // 1 June: past the last
        {0, QDate(2024, 1, 1), Forward, QDate(2023, 1, 1), QDate(2025, 5, 31), {}},  // the whole diary
    };
    for (const auto& c : cases) {
        Graph graph;
        if (c.first.isValid()) {
            AddDay(graph.f, c.first, "60.00");
            AddDay(graph.f, c.last, "60.00");
        }
        GraphPeriod period{c.start, PeriodEndFor(c.start, c.months)};
        const bool taken =
            StepGraphPeriod(period, c.direction, c.months, graph.f.diary, graph.f.clock.Today());
        const QDate start = taken ? c.newStart : c.start;
        EXPECT_EQ(taken, c.newStart.isValid()) << c.start.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(period.PeriodStart, start);
        EXPECT_EQ(period.PeriodEnd, PeriodEndFor(start, c.months));
    }
}

TEST(TrendGraph, FastDrawingWhilePagingMatchesThePainter)
{
    // Both graphs drawn the fast way (a kept backdrop, stamped grid lines, markers and the polyline
    // written into the image) over a few pages and back, against the painter drawing everything anew:
    // the same texts and, but for the smoothing of the polyline, the same pixels; also after the zoom
    // changed the backdrop. The weight graph has its trend and goal lines.
    for (bool weight : {true, false}) {
        Graph fast;
        Graph painted;
        for (Graph* graph : {&fast, &painted}) {
            graph->trend = &graph->diaryTrend;
            graph->settings.TrendMonths = 3;
            graph->settings.GoalWeight = 22;
            for (int day = 0; day < 200; day += 2)
                AddDay(graph->f, QDate(2023, 11, 1).addDays(day), day % 4 ? "22.20" : "21.45", "23.05");
            graph->f.period = {QDate(2023, 11, 16), PeriodEndFor(QDate(2023, 11, 16), 3)};
        }
        GraphBackdrop backdrop;
        for (int step = 0; step < 6; ++step) {
            SCOPED_TRACE(step);
            fast.scale.WeightRange = painted.scale.WeightRange = step < 4 ? 2 : 3;
            for (Graph* graph : {&fast, &painted}) {
                StepGraphPeriod(graph->f.period, step < 3 ? PagingDirection::Forward : PagingDirection::Back,
                                3, graph->f.diary, QDate(2030, 1, 1));
                graph->Draw(weight, graph == &fast ? &backdrop : nullptr, graph == &painted);
            }
            EXPECT_EQ(fast.Texts(), painted.Texts());
            // The first date and the first of a new year carry the year.
            EXPECT_TRUE(step > 0 || !weight ||
                        fast.Texts().join(QLatin1Char(' ')) ==
                            QStringLiteral("[kg] 24 23 22 21 20 2023/12/1 12/16 2024/1/1 1/16 2/1 2/16"))
                << fast.Texts().join(QLatin1Char(' ')).toStdString();
            int worst = 0;
            int markers = 0;
            for (int y = 0; y < fast.image.height(); ++y) {
                for (int x = 0; x < fast.image.width(); ++x) {
                    const QRgb a = fast.image.pixel(x, y);
                    const QRgb b = painted.image.pixel(x, y);
                    markers += QColor(a) == QColor(0, 255, 0); // a marker's fill
                    worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))});
                }
            }
            EXPECT_LE(worst, 32);
            EXPECT_GT(markers, 0);
        }
    }
}

// 1 to 5 and 21 to 31 January weigh 60 kg, and so does the trend: y = 300 + (62 - 60) x 5100 / 4 = 2850
// twips, pixel row 190. The 16 days between are no trend: the middle of 16 January is x = 929 + 232 x
// 15.5 = 4525 twips, pixel 302; the line runs again past 25 January's middle (6613 twips, pixel 441). A
// goal of 61 kg lies at 1575 twips, row 105; one of 62.1 kg at 172 twips, row 11, above the plot,
// is not drawn.
TEST(TrendGraph, TrendOverTheMarkersAndTheGoalLine)
{
    for (const auto& [goal, row, drawn] : {std::tuple(61.0, 105, true), {62.1, 11, false}}) {
        Graph graph;
        for (int day = 1; day <= 31; day += day == 5 ? 16 : 1)
            AddDay(graph.f, QDate(2024, 1, day), "60.00");
        graph.trend = &graph.diaryTrend;
        graph.settings.GoalWeight = goal;
        graph.Draw(true);
        const TrendLineColours lines;
        // The line begins in the middle of 1 January (1045 twips, pixel 69.7), over its markers.
        for (const auto& [x, trendColour] : {std::pair(66, false), {71, true}, {302, false}, {445, true}})
            EXPECT_EQ(QColor(graph.image.pixel(x, 190)) == lines.trend, trendColour) << x;
        int goalPixels = 0;
        for (int y = row - 1; y <= row + 1; ++y) {
            for (int x = 0; x < graph.image.width(); ++x)
                goalPixels += QColor(graph.image.pixel(x, y)) == lines.goal;
        }
        EXPECT_EQ(goalPixels > 200, drawn) << goalPixels;
    }
}

// A weight of 0 is no weighing for the graph (for the trend: StoreTest's Trend and DayWeight): the line
// runs from 10 to 12 January at 60.05 kg (2786 twips, pixel row 186) through the middle of 11 January
// (3365 twips, pixel 224), not down to the axis; the lead line out runs at that height to 2 February,
// past 1 February's 0.
TEST(TrendGraph, AZeroWeightIsNoWeighingForTheLineOrTheTrend)
{
    Graph graph;
    for (const auto& [month, day, kg] :
         {std::tuple(1, 10, "60.05"), {1, 11, "0"}, {1, 12, "60.05"}, {2, 1, "0"}, {2, 2, "60.05"}})
        AddDay(graph.f, QDate(2024, month, day), kg);
    graph.Draw(true);
    const auto black = [&](int x0, int x1) { // in rows 183 to 189
        int n = 0;
        for (int x = x0; x <= x1; ++x) {
            for (int y = 183; y < 190; ++y)
                n += graph.image.pixel(x, y) == qRgb(0, 0, 0);
        }
        return n;
    };
    EXPECT_GT(black(224, 224), 0);
    EXPECT_GT(black(528, 540), 0); // the last day's column, between its grid lines
}

// Over a year the weight axis holds every weighing and the goal: 58 to 75.4 kg around 67 kg needs
// ±9 kg, so the labels run from 76 down to 58. Over three months it stays around the first weight.
TEST(TrendGraph, LongSpansFitTheAxisToTheWeighingsAndTheGoal)
{
    for (const auto& [months, fitted] : {std::pair(12, true), {3, false}}) {
        Graph graph;
        graph.settings.TrendMonths = months;
        graph.settings.GoalWeight = 58;
        graph.f.period = {QDate(2023, 3, 1), PeriodEndFor(QDate(2023, 3, 1), months)};
        AddDay(graph.f, QDate(2023, 3, 2), "75.40");
        AddDay(graph.f, QDate(2023, 5, 1), "61.00", "66.00");
        graph.Draw(true);
        const QStringList texts = graph.Texts();
        EXPECT_EQ(texts.contains(u"76"_s) && texts.contains(u"58"_s), fitted)
            << texts.join(u' ').toStdString();
    }
}

// A year of two weighings a day: month labels thinned to the room a month has, no day markers, and
// day columns that divide the plot exactly.
TEST(TrendGraph, AYearThinsItsLabelsAndMarkers)
{
    const double steps[][3] = {{900, 700, 1}, {600, 700, 2},  {300, 700, 3},
                               {200, 700, 6}, {100, 700, 12}, {20, 700, 48}}; // month, label, step
    for (const auto& [month, label, step] : steps)
        EXPECT_EQ(MonthLabelStep(month, label), step) << month;
    Graph graph;
    graph.settings.TrendMonths = 12;
    graph.f.period = {QDate(2023, 3, 1), PeriodEndFor(QDate(2023, 3, 1), 12)};
    for (int day = 0; day < 366; ++day)
        AddDay(graph.f, QDate(2023, 3, 1).addDays(day), day % 2 ? "22.20" : "21.45", "22.90");
    graph.Draw(true);
    const auto* pixels = reinterpret_cast<const QRgb*>(graph.image.constBits()); // a marker's green fill:
    EXPECT_EQ(std::count(pixels, pixels + graph.image.width() * graph.image.height(), qRgb(0, 255, 0)), 0);
    const QStringList dates = graph.Texts().filter(QStringLiteral("/"));
    EXPECT_TRUE(dates.size() >= 3 && dates.size() <= 12) << dates.join(u' ').toStdString();
    EXPECT_EQ(dates.filter(QRegularExpression(QStringLiteral("^\\d{4}/\\d{1,2}$"))), dates);
    EXPECT_EQ(WeightDayAt(graph.g, graph.f.period, graph.g.WeightPlotRight - 1, 2000), 366);
}

// In a large font every date label stands inside the plot or is left out, and the axis title
// ends before the top value label (at half the plot's left, 31 pixels) with a gap.
TEST(TrendGraph, LabelsStayInsideThePlotInALargeFont)
{
    const std::tuple<const char*, int, QDate, QDate> cases[] = {
        {"de_DE", 1, {2026, 11, 8}, {2026, 12, 7}},
        {"ja_JP", 1, {2026, 11, 26}, {2026, 12, 25}},
        {"en_US", 3, {2026, 9, 16}, {2026, 12, 15}},
        {"ja_JP", 12, {2026, 1, 1}, {2026, 12, 31}},
        {"de_DE", kWholeDiaryMonths, {2026, 12, 3}, {2026, 12, 3}}};
    for (const auto& [locale, months, start, end] : cases) {
        Graph graph(locale);
        graph.font.setPointSize(14);
        graph.settings.TrendMonths = months;
        graph.f.period = {start, end};
        AddDay(graph.f, start, "65.40");
        graph.Draw(true);
        const QFontMetrics metrics(graph.font, &graph.image);
        int dates = 0;
        for (const GraphLabel& label : graph.labels) {
            if (label.y == graph.g.PlotBottom + 2 * graph.g.GraphUnit && ++dates > 0) {
                EXPECT_LE(label.x + 15 * metrics.horizontalAdvance(label.text), graph.g.WeightPlotRight)
                    << locale;
            }
        }
        int title = 0;
        int gap = 0; // dark pixels in the three columns before the value label
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 31; ++x)
                (x < 28 ? title : gap) += qGray(graph.image.pixel(x, y)) < 160 ? 1 : 0;
        EXPECT_TRUE(dates > 0 && title > 0 && gap == 0) << locale << " " << months << " " << gap;
    }
}

GraphSurface* Surface(const TrendView& view)
{
    return view.findChild<GraphSurface*>();
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
    void RedrawBoth(QDate first, QDate second)
    {
        AddDay(f, first, "65.40");
        AddDay(f, second, "65.40");
        for (TrendView* view : {&weight, &bmi}) {
            view->UpdateGraphPagingButtons();
            view->Redraw();
        }
    }
    // The middle of a January day's column, `down` twips under the plot's top, in the graph's pixels.
    static QPointF At(const TrendView& view, int day, int down = 1000)
    {
        const GraphSurface* graph = Surface(view);
        const double dpi = graph->logicalDpiX();
        const QSize size(PixelsToTwips(graph->width(), dpi), PixelsToTwips(graph->height(), dpi));
        const GraphGeometry g = ComputeGraphGeometry(PixelsToTwips(view.window()->width(), dpi), size, size);
        const GraphSpan s = graph->objectName() == u"WeightGraph" ? WeightSpan(g) : BmiSpan(g);
        return QPointF(s.left + s.width / 31.0 * (day - 0.5), g.PlotTop + down) * dpi / kTwipsPerInch;
    }
    void DoubleClick(int day, int down = 1000)
    {
        const QPointF at = At(weight, day, down);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, Surface(weight)->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(Surface(weight), &event);
        }
    }

    DiaryFixture f;
    Settings settings;
    TrendView weight;
    TrendView bmi;
    int openedRecord = -1; // none
};

// A double click opens only a day with a record; a screen reader hears the first and last weighing
// of the period, on its first and last day, passing over a weight that is no weighing.
TEST(TrendView, DoubleClickOpensOnlyADayWithARecord)
{
    Trends t;
    AddDay(t.f, QDate(2024, 1, 1), "65.10");
    AddDay(t.f, QDate(2024, 1, 31), "66.20", "151"); // over the limit: no weighing
    AddDay(t.f, QDate(2024, 2, 1), "71.00");
    t.RedrawBoth(QDate(2023, 12, 28), QDate(2024, 1, 10));
    const QString said = Surface(t.weight)->accessibleDescription();
    EXPECT_TRUE(said.contains(u"first weight 65.10 kg, last weight 66.20 kg"_s)) << said.toStdString();
    t.DoubleClick(11);
    t.DoubleClick(10, -150); // above the plot
    EXPECT_EQ(t.openedRecord, -1);
    t.DoubleClick(10);
    EXPECT_EQ(t.openedRecord, 3);
}

TEST(TrendView, PagingRedrawsBothAndAHoldEndsWhenTheButtonIsDisabled)
{
    Trends t;
    t.f.period = {QDate(2024, 1, 6), QDate(2024, 2, 5)};
    t.RedrawBoth(QDate(2024, 1, 10), QDate(2024, 3, 5));
    const QImage before = Surface(t.bmi)->Image();
    QTest::mouseClick(t.weight.FrontButton(), Qt::LeftButton); // a short click: one step
    EXPECT_EQ(t.f.period.PeriodStart, QDate(2024, 1, 1));
    EXPECT_FALSE(t.bmi.FrontButton()->isEnabled()); // the month of the first record
    EXPECT_NE(Surface(t.bmi)->Image(), before);
    QTest::mouseClick(t.bmi.NextButton(), Qt::LeftButton);
    QTest::mousePress(t.weight.FrontButton(), Qt::LeftButton); // from 6 Jan: one step, then the button is off
    auto* hold = t.weight.findChild<HoldRepeat*>();
    for (int tick = 0; tick < 4; ++tick)
        hold->Tick();
    EXPECT_EQ(t.f.period.PeriodStart, QDate(2024, 1, 1));
    EXPECT_FALSE(hold->Timer().isActive());
    // Zoom: out from ±2 kg takes 3 steps to ±5, in from there 5 steps to ±0.5; a click past either end
    // leaves the graph as it is.
    for (const auto& [label, steps] : {std::pair(t.weight.MinusLabel(), 3), {t.weight.PlusLabel(), 5}}) {
        for (int click = 0; click <= steps; ++click) {
            const QImage before = Surface(t.weight)->Image();
            QTest::mouseClick(label, Qt::LeftButton);
            EXPECT_EQ(Surface(t.weight)->Image() == before, click == steps) << click;
        }
    }
    // Behind a hidden tab of a shown window the other graph is drawn when shown, not at each step.
    QWidget window;
    t.bmi.setParent(&window);
    window.show();
    t.bmi.hide();
    const QImage hidden = Surface(t.bmi)->Image();
    QTest::mouseClick(t.weight.NextButton(), Qt::LeftButton);
    EXPECT_EQ(Surface(t.bmi)->Image(), hidden);
    t.bmi.show();
    EXPECT_NE(Surface(t.bmi)->Image(), hidden);
    t.bmi.setParent(nullptr);
}

// Keys and the wheel page both graphs, here over a year: Home and End show the periods of the first
// and the last record, a page is four quarters, and steps past the records are refused.
TEST(TrendView, KeysAndWheelPageBothGraphs)
{
    Trends t;
    t.settings.TrendMonths = 12;
    t.RedrawBoth(QDate(2022, 1, 10), QDate(2024, 6, 20));
    // Key, wheel notches towards the user, the period's new start.
    const std::tuple<int, int, QDate> steps[] = {
        {Qt::Key_End, 0, QDate(2023, 7, 1)},    {Qt::Key_PageDown, 0, QDate(2024, 4, 1)},
        {Qt::Key_PageUp, 0, QDate(2023, 4, 1)}, {Qt::Key_Home, 0, QDate(2021, 2, 1)},
        {Qt::Key_Right, 0, QDate(2021, 5, 1)},  {Qt::Key_Left, 0, QDate(2021, 2, 1)},
        {Qt::Key_Left, 0, QDate(2021, 2, 1)},   {0, 2, QDate(2021, 8, 1)},
        {Qt::Key_PageUp, 0, QDate(2021, 2, 1)}, {0, -1, QDate(2021, 2, 1)},
    };
    for (const auto& [key, notches, start] : steps) {
        if (key != 0) {
            QTest::keyClick(&t.weight, Qt::Key(key));
        } else {
            QWheelEvent wheel(QPointF(9, 9), QPointF(9, 9), {}, QPoint(0, -120 * notches), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&t.weight, &wheel);
        }
        EXPECT_EQ(t.f.period.PeriodStart, start) << key << " " << notches;
    }
    // The BMI graph follows: its back button is off at the first record's period.
    EXPECT_EQ(std::pair(t.bmi.FrontButton()->isEnabled(), t.bmi.NextButton()->isEnabled()),
              std::pair(false, true));
}

// The tooltip of a day: its date and weighings (with the BMI on the BMI graph) and a trend when
// given; nothing where no record lies.
TEST(TrendView, PointingAtADayShowsItsWeighings)
{
    DiaryFixture german("de_DE");
    const DayRecord day =
        tarvel::testing::MakeDay(QDate(2024, 1, 10), MakeWeighing("07:30", "65.40", "22.6", "memo"),
                                 MakeWeighing("21:00", "0", "", "a weight of 0 is no weighing"));
    const QString morning = u"10.1.2024\n"_s + LoadText(TextId::Morning) + u"  7:30  65,40 kg"_s;
    EXPECT_EQ(DayToolTipText(day, false, WeightUnit::Kilograms, german.formats), morning);
    EXPECT_EQ(DayToolTipText(day, true, WeightUnit::Kilograms, german.formats, 65.449),
              morning + u"  BMI 22,6\nTrend 65,4 kg"_s);
    EXPECT_EQ(DayToolTipText(day, false, WeightUnit::Pounds, german.formats, 65.449),
              QString(morning).replace(u"65,40 kg"_s, u"144,2 lb"_s) + u"\nTrend 144,3 lb"_s);

    Trends t;
    t.RedrawBoth(QDate(2024, 1, 10), QDate(2024, 1, 11));
    t.f.AddDay(QDate(2024, 1, 11), MakeWeighing("", "65.40", "65.40"), MakeWeighing("21:05", "66.00"));
    t.bmi.SetTrendSource([](const QDate& date) { return date.day() + 0.04; });
    const auto tipAt = [&](int day) { // the tooltip the graph shows when the pointer rests there
        const QPoint at = Trends::At(t.bmi, day).toPoint();
        QHelpEvent rest(QEvent::ToolTip, at, Surface(t.bmi)->mapToGlobal(at));
        QApplication::sendEvent(Surface(t.bmi), &rest);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(9), QString());
    EXPECT_EQ(tipAt(11), u"2024/1/11\n%1  65.40 kg  BMI 65.4\n%2  21:05  66.00 kg\nTrend 11.0 kg"_s.arg(
                             LoadText(TextId::Morning), LoadText(TextId::Night)));
}

// The paging buttons of the list and of both graphs repeat through HoldRepeat.
TEST(TrendView, HoldRepeatsFasterAndTheReleaseAddsNoStep)
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
    EXPECT_EQ(steps.size(), repeated);
}

} // namespace
