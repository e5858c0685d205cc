#include "views/ListView.h"

#include "platform/PictureButton.h"
#include "store/DiaryFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarvel;
using tarvel::testing::DiaryFixture;

namespace {

// A shown List view over `count` records of May 2004 onwards, the window as after reading the file
// (ending with the blank new-entry record). Every record has a morning weighing; record 1 a
// two-line memo with markup-like text; night slots are empty.
struct List {
    explicit List(int count) : view(f.diary, f.formats, f.clock)
    {
        for (int i = 1; i <= count; ++i) {
            f.AddDay(QDate(2004, 5, 1).addDays(i - 1),
                     tarvel::testing::MakeWeighing("07:30", "65.40", "22.6",
                                                   i == 1 ? "line one\n<b>two</b>" : ""));
        }
        view.SetAskSaveEntry([this] { ++asks; });
        QObject::connect(&view, &ListView::RecordOpened, [this](int record) { openedRecord = record; });
        view.resize(880, 420);
        view.show();
    }

    QString Text(int row, int column) const { return view.Grid()->item(row, column)->text(); }

    DiaryFixture f;
    ListView view;
    int asks = 0;
    int openedRecord = 0;
};

// Records lie across with merged numbers, a day stored over a shown one as stored; five fill the grid
// to its right and bottom edges, in a normal and a large font, and the field names and a two-line
// memo are not cut.
TEST(ListViewTest, GridLaysOutRecordsAcrossAndFillsItsCellsInAnyFont)
{
    for (const int points : {9, 14}) {
        List list(4); // window 1..5: four records and the blank record 5
        list.f.AddDay(QDate(2004, 5, 1), list.f.diary.records().Item(1).slot[0],
                      tarvel::testing::MakeWeighing("21:05", "66.10"));
        // Columns 0 (field names), 1 and 2 (record 1's slots) from the top; the blank record's number is
        // WindowStopsAtBothEnds's.
        const char* columns[][2] = {{"0", "|Date||Time|Weight|BMI|Memo"},
                                    {"1", "1|2004/5/1|(1)|7:30|65.40|22.6|line one\n<b>two</b>"},
                                    {"2", "1|2004/5/1|(2)|21:05|66.10||"}};
        for (const auto& [column, texts] : columns) {
            QStringList shown;
            for (int row = 0; row < 7; ++row)
                shown << list.Text(row, QByteArray(column).toInt());
            EXPECT_EQ(shown.join(QLatin1Char('|')), QString::fromUtf8(texts));
        }
        EXPECT_EQ(list.view.Grid()->columnSpan(0, 9), 2);
        list.view.resize(640, 420);
        list.view.setFont(QFont(list.view.font().family(), points));
        const QTableWidget& grid = *list.view.Grid();
        const QFontMetrics metrics(grid.font());
        const QSize filled(grid.horizontalHeader()->length(), grid.verticalHeader()->length());
        EXPECT_EQ(filled, grid.viewport()->size()) << points;
        EXPECT_GT(grid.columnWidth(0), metrics.horizontalAdvance(list.Text(4, 0))) << points;
        EXPECT_GE(grid.rowHeight(6), 2 * metrics.lineSpacing()) << points;
    }
}

TEST(ListViewTest, WindowStopsAtBothEnds)
{
    // Records, step (the Left or Right key, 1 the Diary page's step back, 2 Home then Left, 3 the
    // last day removed), the first and last record shown after it, save questions asked, back and
    // forward buttons enabled.
    using enum Qt::Key;
    const int cases[][7] = {
        {0, 0, 1, 1, 0, false, false},          // empty diary: the blank record 1 alone
        {3, Key_Left, 1, 4, 1, false, false},   // fewer than five: nowhere to go
        {10, Key_Right, 7, 11, 1, true, false}, // already at the last
        {10, 2, 1, 5, 2, false, true},          // already at the first
        {10, 1, 6, 10, 0, true, true},          // the Diary page's step does not ask
        {5, 3, 1, 5, 0, false, false},          // after a delete the window ends at the blank record
    };
    for (const auto& [records, step, first, last, asks, back, forward] : cases) {
        List list(records);
        if (step == 1) {
            list.f.diary.setCurrentIndex(list.view.WindowFirst() - 1); // the page moved before the window
            list.view.KeepCurrentInView();
        } else if (step == 2) {
            QTest::keyClick(&list.view, Key_Home);
            QTest::keyClick(&list.view, Key_Left);
        } else if (step == 3) {
            list.f.diary.removeDay(records);
        } else if (step != 0) {
            QTest::keyClick(&list.view, Qt::Key(step));
        }
        const QTableWidget& grid = *list.view.Grid();
        EXPECT_EQ(QList<int>({list.Text(0, 1).toInt(), list.Text(0, grid.columnCount() - 1).toInt(),
                              list.view.WindowFirst(), list.view.WindowLast(), list.asks,
                              list.view.BackButton()->isEnabled(), list.view.ForwardButton()->isEnabled()}),
                  QList<int>({first, last, first, last, asks, back, forward}))
            << records << " records, step " << step;
    }
}

// Keys and the wheel move the window, asking each time about the Diary page's edits: a record with
// Left and Right, a window with Page Up and Page Down, to the ends with Home and End.
TEST(ListViewTest, KeysAndWheelMoveTheWindow)
{
    List list(20); // window 17..21
    // Key, wheel notches towards the user, the first and last record shown.
    using enum Qt::Key;
    const int steps[][4] = {{Key_PageUp, 0, 12, 16},   {Key_Left, 0, 11, 15}, {Key_Home, 0, 1, 5},
                            {Key_PageUp, 0, 1, 5},     {0, 1, 2, 6},          {Key_End, 0, 17, 21},
                            {Key_PageDown, 0, 17, 21}, {0, -3, 14, 18},       {Key_Right, 0, 15, 19}};
    for (int asks = 1; const auto& [key, wheel, first, last] : steps) {
        if (key != 0) {
            QTest::keyClick(&list.view, Qt::Key(key));
        } else {
            QWheelEvent event(QPointF(50, 50), QPointF(50, 50), {}, QPoint(0, -120 * wheel), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list.view.Grid()->viewport(), &event);
        }
        const ListView& v = list.view;
        EXPECT_EQ(std::pair(v.ShownRecord(1), v.ShownRecord(5)), std::pair(first, last));
        EXPECT_EQ(list.asks, asks++);
    }
}

TEST(ListViewTest, DoubleClickOpensOnlyRecordNumbers)
{
    List list(10);                                                                      // window 7..11
    const int cases[][3] = {{1, 3, -1}, {4, 3, -1}, {0, 0, -1}, {0, 4, 8}, {0, 9, 11}}; // row, column, record
    for (const auto& [row, column, record] : cases) {
        list.openedRecord = -1; // none
        const QRect cell = list.view.Grid()->visualRect(list.view.Grid()->model()->index(row, column));
        QTest::mouseDClick(list.view.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(list.openedRecord, record) << row << " " << column;
    }
}

} // namespace
