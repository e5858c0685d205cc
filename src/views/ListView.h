#pragma once

#include "platform/PagingDirection.h"
#include "store/WeightUnit.h"
#include "views/HoldRepeat.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QTableWidget;

namespace tarvel {

class Clock;
class LocaleFormats;
class PictureButton;
class Diary;
class DayListModel;

// The List tab's data list: a window of up to five consecutive records (first..last) side by side in a
// transposed grid, two columns per record (morning and night slot) and one row per field, with row 0 holding
// the record numbers and column 0 the field names. Two paging buttons move the window one record (holding
// repeats, faster the longer it is held); double-clicking a record number opens that record; pointing at a
// record number highlights it; clicking a memo cell shows the whole memo in a read-only box over the list
// until it loses the focus. The grid's texts come from a DayListModel over the diary; the view keeps the
// window and follows the diary's changes: a diary read or cleared shows the last window, a new day widens
// or moves the window, a removed one keeps it full, an import ends it at the page's day.
class ListView : public QWidget {
    Q_OBJECT

public:
    // The clock times the press-and-hold repetition of the paging buttons.
    ListView(const Diary& diary, const LocaleFormats& formats, const Clock& clock, QWidget* parent = nullptr);

    // Run before every paging step: the Diary page's question whether to save its edits.
    void SetAskSaveEntry(std::function<void()> askSaveEntry);
    // The List tab's colours: the record numbers and field names take dark, the record number under
    // the pointer takes accent.
    void SetListColours(const QColor& dark, const QColor& accent);
    // The unit the weight row shows.
    void SetUnit(WeightUnit unit);
    // A click on this label (the tab's title) takes the focus to the list, which hides the memo box.
    void WatchTitleLabel(QWidget* label);

    // Moves the window one record without asking to save when the Diary page's record left it.
    void KeepCurrentInView();
    // The window's first and last record.
    int WindowFirst() const { return m_first; }
    int WindowLast() const { return m_last; }
    // After asking to save: the window placed to show the record at a position (Go to date).
    void ShowRecord(int position);

    // The record number shown at page position 1..5, or 0 when the grid shows none there.
    int ShownRecord(int pagePosition) const;

    // The grid (object name "listGrid"; the memo box over it is "listMemo") and the paging buttons
    // ("listBack", "listForward"), which the window's colour schemes paint.
    QTableWidget* Grid() const { return m_grid; }
    PictureButton* BackButton() const { return m_backButton; }
    PictureButton* ForwardButton() const { return m_forwardButton; }

Q_SIGNALS:
    // A record was double-clicked in the grid: the window shows it on the Diary tab.
    void RecordOpened(int position);

protected:
    bool event(QEvent* event) override;
    // Left and Right move one record, Page Up and Page Down a window of records, Home and End to
    // the first and last window; the wheel one record a notch.
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Change { Reset, Added, Stored, Removed };
    void followDiary(Change change);
    void buildControls();
    // Brings the window into shape (its last record within 1..newEntryIndex and its first
    // kListWindowSize - 1 before, at least 1) and shows it.
    void showWindow();
    // Moves the window one record; the ends hold it in place.
    void moveWindow(PagingDirection direction);
    // A paging step: ask to save, hide the memo, move the window.
    void stepWindow(PagingDirection direction);
    // Asks to save, then shows the window that ends at last (kept within the records).
    void placeWindow(int last);
    void showWindowEnd(PagingDirection end);
    // Puts the model's texts and headers in the grid's cells.
    void fillGrid();
    // The records shown, for screen readers, and the paging buttons' states.
    void describeWindow();
    void colourRecordColumns();
    void sizeGridCells();

    // Press-and-hold of a paging button.
    void pressPaging(PagingDirection direction);
    bool windowAtEnd(PagingDirection direction) const;

    void highlightListRecord(const QPoint& pos);
    void colourRecordNumbers(int accentPair);
    void openRecordAt(const QPoint& pos);
    void showMemoAt(const QPoint& pos);
    void placeMemo(int left);

    const Diary& m_diary;
    const Clock& m_clock;
    DayListModel* m_model = nullptr; // what the grid shows
    std::function<void()> m_askSaveEntry;
    QColor m_dark;
    QColor m_accent;
    QWidget* m_titleLabel = nullptr;
    int m_first = 1;
    int m_last = 1;
    int m_count = 0; // the diary's records when the window last followed it

    QTableWidget* m_grid = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    PictureButton* m_backButton = nullptr;
    PictureButton* m_forwardButton = nullptr;

    // The page position (1..5) and row (0..6) under the pointer at the last highlight update.
    int m_hoverPair = 0;
    int m_hoverRow = -1;

    // Press-and-hold of the paging buttons, timed by the view's clock.
    HoldRepeat m_hold;
    int m_wheelAngle = 0; // wheel turns not yet a whole step
};

} // namespace tarvel
