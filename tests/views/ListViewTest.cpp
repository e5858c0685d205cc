#include "views/ListView.h"

#include "platform/PictureButton.h"
#include "store/DiaryFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace tarvel;
using tarvel::testing::DiaryFixture;

namespace {

const QColor kDark(255, 207, 164);
const QColor kAccent(255, 188, 117);

// A shown List view over `count` records of May 2004 onwards, the window as after reading the file
// (ending with the blank new-entry record). Every record has a morning weighing; record 1 a
// two-line memo with markup-like text; night slots are empty.
struct List {
    explicit List(int count) : view(f.diary, f.formats, f.clock)
    {
        for (int i = 1; i <= count; ++i) {
            const QDate date = QDate(2004, 5, 1).addDays(i - 1);
            DayRecord record;
            record.Date = f.formats.FormatDate(date, f.formats.DateFormat);
            record.DayNumber = DayNumber(date);
            const QString memo = i == 1 ? QStringLiteral("line one[CRLF]<b>two</b>") : QString();
            record.Slot[0] = {QStringLiteral("07:30"), QStringLiteral("65.40"), QStringLiteral("22.6"), memo};
            f.diary.Records.Add(record);
        }
        f.diary.NewEntryIndex = count + 1;
        Window(std::max(1, count - 3), count + 1);
        view.SetAskSaveEntry([this] { ++asks; });
        QObject::connect(&view, &ListView::RecordOpened, [this](int record) { openedRecord = record; });
        view.resize(880, 420);
        view.show();
        QApplication::setActiveWindow(&view);
    }

    void Window(int first, int last)
    {
        f.diary.ListFirst = first;
        f.diary.ListLast = last;
        view.FillListGrid();
    }
    QString Text(int row, int column) const { return view.Grid()->item(row, column)->text(); }
    QColor Colour(int row, int column) const { return view.Grid()->item(row, column)->background().color(); }
    void Mouse(QEvent::Type type, int row, int column)
    {
        const QPoint pos = view.Grid()->visualRect(view.Grid()->model()->index(row, column)).center();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, view.Grid()->viewport()->mapToGlobal(pos), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.Grid()->viewport(), &event);
    }
    // Stands in for the hold timer running out: the clock moves by its interval, then it fires.
    void Fire()
    {
        QTimer* timer = view.HoldTimer();
        EXPECT_TRUE(timer->isActive());
        f.clock.Set(f.clock.Now().addMSecs(timer->interval()));
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }
    std::pair<int, int> Shown() const { return {f.diary.ListFirst, f.diary.ListLast}; }

    DiaryFixture f;
    ListView view;
    int asks = 0;
    int openedRecord = 0;
};

TEST(ListViewTest, GridLaysOutRecordsAcrossWithMergedNumbers)
{
    List list(3); // window 1..4: three records and the blank record 4
    // Column 0, then record 1's morning and night columns.
    const char* rows[][3] = {{"", "1", "1"},           {"Date", "2004/5/1", "2004/5/1"},
                             {"", "(1)", "(2)"},       {"Time", "7:30", ""},
                             {"Weight", "65.40", ""},  {"BMI", "22.6", ""},
                             {"Memo", "line one\n<b>two</b>", ""}};
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(list.Text(row, column), QString::fromUtf8(rows[row][column])) << row << "," << column;
        EXPECT_EQ(list.Text(row, 8), row == 0 ? QStringLiteral("4") : QString()) << row; // blank record
    }
    EXPECT_EQ(list.view.Grid()->columnSpan(0, 7), 2);
    EXPECT_EQ(list.view.Grid()->columnSpan(2, 7), 1);
}

TEST(ListViewTest, WindowStopsAtBothEnds)
{
    struct Case {
        int records, first, last;
        int step; // -1 back, +1 forward, 2 the Diary page's step back, 0 only fill
        int wantFirst, wantLast, wantAsks;
        bool backEnabled, forwardEnabled;
    };
    const Case cases[] = {
        {0, 1, 1, 0, 1, 1, 0, false, false},    // empty diary: the blank record 1 alone
        {3, 1, 4, -1, 1, 4, 1, false, false},   // fewer than five: nowhere to go
        {10, 7, 11, -1, 6, 10, 1, true, true},  // just read, one back
        {10, 7, 11, +1, 7, 11, 1, true, false}, // already at the last
        {10, 1, 5, -1, 1, 5, 1, false, true},   // already at the first
        {10, 7, 11, 2, 6, 10, 0, true, true},   // the Diary page's step does not ask
        {4, 2, 6, 0, 1, 5, 0, false, false},    // after a delete the window ends at the blank record
    };
    for (const Case& c : cases) {
        List list(c.records);
        list.Window(c.first, c.last);
        if (c.step == -1)
            list.view.ListStepBack();
        else if (c.step == 1)
            list.view.ListStepForward();
        else if (c.step == 2)
            list.view.StepList(PagingDirection::Back);
        SCOPED_TRACE(::testing::Message() << c.records << " records, " << c.first << ", step " << c.step);
        EXPECT_EQ(list.view.ShownRecord(1), c.wantFirst);
        EXPECT_EQ(list.view.ShownRecord(list.view.ShownRecordCount()), c.wantLast);
        EXPECT_EQ(list.Shown(), std::make_pair(c.wantFirst, c.wantLast));
        EXPECT_EQ(list.asks, c.wantAsks);
        EXPECT_EQ(list.view.BackButton()->isEnabled(), c.backEnabled);
        EXPECT_EQ(list.view.ForwardButton()->isEnabled(), c.forwardEnabled);
    }
}

// The repeat timing itself is HoldRepeat's, tested with the trend views.
TEST(ListViewTest, HoldingStopsAtTheFirstRecordOrWhenTheWindowLosesActivation)
{
    List list(6);
    list.Window(2, 6);
    QTest::mousePress(list.view.BackButton(), Qt::LeftButton);
    list.Fire();
    EXPECT_EQ(list.Shown(), std::make_pair(1, 5));
    list.Fire(); // finds the window at its end: no step, no further timer
    EXPECT_FALSE(list.view.HoldTimer()->isActive());
    QTest::mouseRelease(list.view.BackButton(), Qt::LeftButton);
    EXPECT_EQ(list.asks, 1);

    // A save question opened by a step takes the activation; the repeating must not run on unseen.
    QWidget box;
    list.view.SetAskSaveEntry([&] {
        box.show();
        QApplication::setActiveWindow(&box);
    });
    QTest::mousePress(list.view.ForwardButton(), Qt::LeftButton);
    list.Fire();
    EXPECT_FALSE(list.view.HoldTimer()->isActive());
    QTest::mouseRelease(list.view.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(list.Shown(), std::make_pair(2, 6));
}

TEST(ListViewTest, PointingHighlightsDoubleClickOpensAndAMemoShowsAsPlainText)
{
    List list(10); // window 7..11
    list.Mouse(QEvent::MouseMove, 0, 4);
    EXPECT_EQ(QList<QColor>({list.Colour(0, 3), list.Colour(0, 1)}), QList<QColor>({kAccent, kDark}));
    list.Mouse(QEvent::MouseMove, 3, 4);
    EXPECT_EQ(list.Colour(0, 3), kDark);

    const int cases[][3] = {{1, 3, 0}, {4, 3, 0}, {0, 0, 0}, {0, 4, 8}, {0, 9, 11}}; // row, column, record
    for (const auto& [row, column, record] : cases) {
        list.openedRecord = 0;
        list.Mouse(QEvent::MouseButtonPress, row, column);
        list.Mouse(QEvent::MouseButtonDblClick, row, column);
        EXPECT_EQ(list.openedRecord, record) << row << " " << column;
    }

    list.Window(1, 5);
    list.Mouse(QEvent::MouseButtonRelease, 6, 2); // night slot: empty
    EXPECT_FALSE(list.view.MemoBox()->isVisible());
    list.Mouse(QEvent::MouseButtonRelease, 6, 1);
    ASSERT_TRUE(list.view.MemoBox()->isVisible());
    EXPECT_EQ(list.view.MemoBox()->toPlainText(), QStringLiteral("line one\n<b>two</b>"));
    list.view.ListStepForward(); // a paging step hides it at once
    EXPECT_FALSE(list.view.MemoBox()->isVisible());
}

} // namespace
