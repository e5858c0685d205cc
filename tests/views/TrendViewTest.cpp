#include "views/TrendView.h"
#include "views/GraphSetDlg.h"

#include "entry/PictureButton.h"
#include "store/DiaryFixture.h"
#include "store/Settings.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvel;
using tarvel::testing::DiaryFixture;

namespace {

// Both trend views, linked, shown over a diary whose period is January 2024.
struct Trends {
    Trends()
        : weight(TrendView::Kind::Weight, f.diary, f.period, settings, f.formats, f.clock),
          bmi(TrendView::Kind::Bmi, f.diary, f.period, settings, f.formats, f.clock)
    {
        f.period = {QDate(2024, 1, 1), QDate(2024, 1, 31)};
        TrendView::LinkPeriod(weight, bmi);
        QObject::connect(&weight, &TrendView::RecordOpened, [this] { ++opened; });
        for (TrendView* view : {&weight, &bmi}) {
            view->resize(800, 500);
            view->show();
        }
    }

    void Add(QDate day)
    {
        DayRecord record;
        record.Date = f.formats.FormatDate(day, f.formats.DateFormat);
        record.DayNumber = DayNumber(day);
        record.Slot[0] = {QStringLiteral("07:30"), QStringLiteral("65.40"), QStringLiteral("22.6"),
                          QString()};
        f.diary.Records.Add(record);
        f.diary.NewEntryIndex = f.diary.Records.Count() + 1;
    }
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
    int opened = 0;
};

TEST(TrendView, ZoomLabelsWalkTheRangeAndRestWithAnEmptyDiary)
{
    Trends t;
    t.weight.Redraw();
    EXPECT_FALSE(t.weight.PlusLabel()->isEnabled());
    t.weight.ZoomWeightGraph(1);
    EXPECT_EQ(t.weight.Scale().WeightRange, 2);
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
    t.Mouse(QEvent::MouseMove, t.InDay(10, -150)); // above the plot
    EXPECT_EQ(t.Pointer(), Qt::ArrowCursor);

    t.DoubleClick(t.InDay(11));
    t.DoubleClick(t.InDay(10, -150));
    EXPECT_EQ(t.opened, 0);
    t.Mouse(QEvent::MouseMove, t.InDay(10));
    t.DoubleClick(t.InDay(10));
    EXPECT_EQ(t.opened, 1);
    EXPECT_EQ(t.f.diary.CurrentIndex, 2);
    EXPECT_EQ(t.Pointer(), Qt::ArrowCursor); // reset by the double click
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
    EXPECT_TRUE(t.weight.FrontButton()->isEnabled());

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
    EXPECT_FALSE(hold.Timer().isActive());

    steps.clear();
    hold.Press([&] { steps.push_back(now); });
    now += 300;
    hold.Release();
    hold.Tick();
    EXPECT_EQ(steps.size(), 1u);
}

TEST(TrendView, ElasticSizeAndNoResizeLoop)
{
    const int cases[][5] = {{800, 500, 0, 800, 600},
                            {801, 100, 0, 801, 601},
                            {806, 900, 0, 806, 604},
                            {800, 500, 1, 800, 500}}; // requested, maximised, result
    for (const auto& c : cases)
        EXPECT_EQ(ElasticSize({c[0], c[1]}, c[2] != 0), QSize(c[3], c[4])) << c[0];

    ElasticSizer sizer;
    EXPECT_EQ(sizer.Resized({800, 500}, false), QSize(800, 600));
    for (int answer = 0; answer < 4; ++answer) // the manager keeps the window at 800 x 560
        EXPECT_EQ(sizer.Resized({800, 560}, false), std::nullopt) << answer;
    EXPECT_EQ(sizer.Resized({1000, 560}, false), QSize(1000, 750)); // the user resizes again
    EXPECT_EQ(sizer.Resized({1200, 700}, true), std::nullopt);
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
        EXPECT_EQ(settings.BmiScaleMax, c.bmiMax);
        EXPECT_EQ(settings.BmiScaleMin, c.bmiMax == 50 ? 0 : 15);
        EXPECT_EQ(settings.TrendMonths, c.months);
    }
}

} // namespace
