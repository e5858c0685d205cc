#include "views/ListView.h"

#include "platform/Clock.h"
#include "platform/PictureButton.h"
#include "platform/TextTable.h"
#include "platform/WheelNotches.h"
#include "store/Diary.h"
#include "views/DayListModel.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace tarvel {

namespace {

constexpr int kRows = DayListModel::kRows;
constexpr int kMemoRow = DayListModel::kMemoRow;
const QColor kCellText(0x1c, 0x1c, 0x1c);
// The grid is sized so that the field names and a full window of records fill it.
constexpr int kGridColumns = 1 + 2 * kListWindowSize;

// Background of rows 1..6 of the record columns, two rows per band.
QColor BandColour(int row)
{
    if (row <= 2)
        return {230, 255, 242};
    if (row <= 4)
        return {240, 240, 255};
    return {255, 255, 223};
}

} // namespace

ListView::ListView(const Diary& diary, const LocaleFormats& formats, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_diary(diary), m_clock(clock), m_model(new DayListModel(diary, formats, this)),
      m_dark(255, 207, 164), m_accent(255, 188, 117)
{
    buildControls();
    m_hold.SetTimeSource([this] { return m_clock.Now().toMSecsSinceEpoch(); });
    m_count = m_diary.records().Count();
    showWindow();
    fillGrid();
    // The model follows the diary first; the window follows it after that.
    connect(m_model, &DayListModel::modelReset, this, &ListView::fillGrid);
    connect(m_model, &DayListModel::dataChanged, this, &ListView::fillGrid);
    connect(&m_diary, &Diary::daysReset, this, [this] { followDiary(Change::Reset); });
    connect(&m_diary, &Diary::daysAdded, this, [this] { followDiary(Change::Added); });
    connect(&m_diary, &Diary::dayStored, this, [this] { followDiary(Change::Stored); });
    connect(&m_diary, &Diary::dayRemoved, this, [this] { followDiary(Change::Removed); });
}

namespace {

// The list view holds the focus for its paging keys; a screen reader hears it as a named pane.
QAccessibleInterface* MakeListInterface(const QString&, QObject* object)
{
    if (auto* view = qobject_cast<ListView*>(object))
        return new QAccessibleWidget(view, QAccessible::Pane);
    return nullptr;
}

} // namespace

void ListView::buildControls()
{
    static const bool paneInstalled = [] {
        QAccessible::installFactory(MakeListInterface);
        return true;
    }();
    (void)paneInstalled;
    setAccessibleName(LoadText(TextId::DataList));
    // The view stands for the tab's panel: a click on it takes the focus from the memo box, and
    // with the focus it takes the paging keys.
    setFocusPolicy(Qt::StrongFocus);

    m_grid = new QTableWidget(kRows, 3, this);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Nothing in the grid is selected or edited; its mouse events are handled here.
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setWordWrap(true);
    m_grid->viewport()->setMouseTracking(true);
    m_grid->viewport()->installEventFilter(this);
    m_grid->setAccessibleName(LoadText(TextId::DataList));
    m_grid->setObjectName(QStringLiteral("listGrid"));

    m_backButton = new PictureButton(LoadText(TextId::PreviousArrow), PictureButton::Kind::Large, this);
    m_forwardButton = new PictureButton(LoadText(TextId::NextArrow), PictureButton::Kind::Large, this);
    m_backButton->setAccessibleName(LoadText(TextId::PreviousRecords));
    m_forwardButton->setAccessibleName(LoadText(TextId::NextRecords));
    m_backButton->setObjectName(QStringLiteral("listBack"));
    m_forwardButton->setObjectName(QStringLiteral("listForward"));
    connect(m_backButton, &PictureButton::Pressed, this, [this] { pressPaging(PagingDirection::Back); });
    connect(m_forwardButton, &PictureButton::Pressed, this,
            [this] { pressPaging(PagingDirection::Forward); });
    connect(m_backButton, &PictureButton::Released, &m_hold, &HoldRepeat::Release);
    connect(m_forwardButton, &PictureButton::Released, &m_hold, &HoldRepeat::Release);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_backButton);
    buttons->addStretch(1);
    buttons->addWidget(m_forwardButton);
    layout->addLayout(buttons);

    // Laid over the list, outside the layout; shown by a click on a memo cell.
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("listMemo"));
    m_memo->setReadOnly(true);
    m_memo->hide();
    m_memo->installEventFilter(this);
}

void ListView::SetAskSaveEntry(std::function<void()> askSaveEntry)
{
    m_askSaveEntry = std::move(askSaveEntry);
}

void ListView::SetUnit(WeightUnit unit)
{
    m_model->setUnit(unit);
}

void ListView::SetListColours(const QColor& dark, const QColor& accent)
{
    m_dark = dark;
    m_accent = accent;
    colourRecordColumns();
    m_hoverPair = 0;
    m_hoverRow = -1;
}

void ListView::WatchTitleLabel(QWidget* label)
{
    if (m_titleLabel)
        m_titleLabel->removeEventFilter(this);
    m_titleLabel = label;
    if (label)
        label->installEventFilter(this);
}

void ListView::showWindow()
{
    const int newEntry = std::max(1, m_diary.newEntryIndex());
    m_last = std::clamp(m_last, 1, newEntry);
    m_first = std::max(1, m_last - (kListWindowSize - 1));
    m_model->setWindow(m_first, m_last);
    describeWindow();
}

void ListView::fillGrid()
{
    const int columns = m_model->columnCount();
    m_grid->setUpdatesEnabled(false);
    m_grid->clearSpans();
    m_grid->setColumnCount(columns);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            QTableWidgetItem* item = m_grid->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled);
                // Every cell has a light background of the scheme's, also on a dark desktop.
                item->setForeground(kCellText);
                m_grid->setItem(row, column, item);
            }
            const QModelIndex index = m_model->index(row, column);
            item->setText(index.data().toString());
            item->setTextAlignment(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
        }
        // The headers stay hidden (column 0 and row 0 show the same); screen readers say them with
        // each cell: "12/6, morning", "Weight", "92.40".
        m_grid->setHorizontalHeaderItem(
            column, new QTableWidgetItem(m_model->headerData(column, Qt::Horizontal).toString()));
        // The number and the date stand in both columns of a record; they show once across them.
        if (column % 2 == 1) {
            m_grid->setSpan(0, column, 1, 2);
            m_grid->setSpan(1, column, 1, 2);
        }
    }
    for (int row = 0; row < kRows; ++row)
        m_grid->setVerticalHeaderItem(
            row, new QTableWidgetItem(m_model->headerData(row, Qt::Vertical).toString()));
    colourRecordColumns();
    m_hoverPair = 0;
    m_hoverRow = -1;
    sizeGridCells();
    m_grid->setUpdatesEnabled(true);
}

void ListView::describeWindow()
{
    // Screen readers say which records the grid holds; the blank new-entry record is not counted.
    const int records = m_diary.newEntryIndex() - 1;
    const QString shownRecords =
        records == 0
            ? LoadText(TextId::NoRecordsYet)
            : LoadText(TextId::RecordsRange).arg(m_first).arg(std::min(m_last, records)).arg(records);
    m_grid->setAccessibleDescription(shownRecords);
    setAccessibleDescription(shownRecords);
    m_backButton->setEnabled(!windowAtEnd(PagingDirection::Back));
    m_forwardButton->setEnabled(!windowAtEnd(PagingDirection::Forward));
}

void ListView::colourRecordColumns()
{
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        for (int row = 0; row < kRows; ++row) {
            if (QTableWidgetItem* item = m_grid->item(row, column))
                item->setBackground(row == 0 || column == 0 ? m_dark : BandColour(row));
        }
    }
}

void ListView::colourRecordNumbers(int accentPair)
{
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        if (QTableWidgetItem* item = m_grid->item(0, column)) {
            const bool accent = column >= 1 && (column + 1) / 2 == accentPair;
            item->setBackground(accent ? m_accent : m_dark);
        }
    }
}

void ListView::sizeGridCells()
{
    // The field names' column takes what its longest name needs, at least an eleventh of the
    // grid; the ten record columns share the rest to the last pixel.
    const QSize area = m_grid->viewport()->size();
    const QFontMetrics metrics(m_grid->font());
    int names = 0;
    for (int row = 0; row < kRows; ++row)
        names = std::max(names, metrics.horizontalAdvance(m_model->index(row, 0).data().toString()));
    const int padding = 2 * metrics.averageCharWidth();
    const int first = std::min(std::max(names + padding, area.width() / kGridColumns), area.width() / 3);
    const int rest = area.width() - first;
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        const int k = column - 1; // the record columns' k-th share of the rest
        const int width =
            column == 0 ? first : (k + 1) * rest / (kGridColumns - 1) - k * rest / (kGridColumns - 1);
        m_grid->setColumnWidth(column, std::max(1, width));
    }
    // Rows of a seventh each, the memo row taking what is left, and at least two lines for it as
    // long as the other rows keep one.
    const int line = metrics.height() + 4;
    const int memoNeeds = 2 * metrics.lineSpacing() + 4;
    int height = area.height() / kRows;
    if (area.height() - (kRows - 1) * height < memoNeeds)
        height = std::max(line, (area.height() - memoNeeds) / (kRows - 1));
    for (int row = 0; row < kRows; ++row)
        m_grid->setRowHeight(row,
                             std::max(1, row == kMemoRow ? area.height() - (kRows - 1) * height : height));
}

int ListView::ShownRecord(int pagePosition) const
{
    return pagePosition >= 1 ? m_model->recordAt(2 * pagePosition - 1) : 0;
}

bool ListView::windowAtEnd(PagingDirection direction) const
{
    return direction == PagingDirection::Back ? m_model->windowFirst() == 1
                                              : m_model->windowLast() == m_diary.newEntryIndex();
}

void ListView::moveWindow(PagingDirection direction)
{
    if (direction == PagingDirection::Back) {
        --m_first;
        --m_last;
        if (m_first < 1) {
            m_first = 1;
            m_last = std::min(kListWindowSize, m_diary.newEntryIndex());
        }
    } else {
        ++m_first;
        ++m_last;
        if (m_last > m_diary.newEntryIndex()) {
            m_last = m_diary.newEntryIndex();
            m_first = std::max(1, m_last - (kListWindowSize - 1));
        }
    }
    showWindow();
}

void ListView::KeepCurrentInView()
{
    const int current = m_diary.currentIndex();
    if (current < m_first || current > m_last) {
        m_memo->hide();
        moveWindow(current < m_first ? PagingDirection::Back : PagingDirection::Forward);
    }
}

void ListView::followDiary(Change change)
{
    const int count = m_diary.records().Count();
    switch (change) {
    case Change::Reset:
        m_last = m_diary.newEntryIndex(); // the window at the end, on the blank new-entry record
        break;
    case Change::Added:
        m_last = m_diary.currentIndex(); // the window ends at the page's day
        break;
    case Change::Stored:
        // A new day widens the window until it holds kListWindowSize records, then moves it on.
        if (count > m_count)
            ++m_last;
        break;
    case Change::Removed:
        // When the removed record leaves the window short at the end, it moves back by one.
        if (m_count + 1 <= kListWindowSize)
            m_last = std::max(1, m_last - 1);
        else if (m_first + kListWindowSize - 2 == m_count + 1)
            --m_last;
        break;
    }
    m_count = count;
    showWindow();
}

void ListView::stepWindow(PagingDirection direction)
{
    if (m_askSaveEntry)
        m_askSaveEntry();
    m_memo->hide();
    moveWindow(direction);
}

void ListView::placeWindow(int last)
{
    if (m_askSaveEntry)
        m_askSaveEntry();
    m_memo->hide();
    const int newEntry = m_diary.newEntryIndex();
    m_last = std::clamp(last, std::min(kListWindowSize, newEntry), newEntry);
    showWindow();
}

void ListView::ShowRecord(int position)
{
    // The window starts at the record where the records after it allow.
    placeWindow(position + kListWindowSize - 1);
}

void ListView::showWindowEnd(PagingDirection end)
{
    placeWindow(end == PagingDirection::Back ? 1 : m_diary.newEntryIndex());
}

void ListView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        stepWindow(event->key() == Qt::Key_Left ? PagingDirection::Back : PagingDirection::Forward);
        break;
    case Qt::Key_PageUp:
        placeWindow(m_last - kListWindowSize);
        break;
    case Qt::Key_PageDown:
        placeWindow(m_last + kListWindowSize);
        break;
    case Qt::Key_Home:
        showWindowEnd(PagingDirection::Back);
        break;
    case Qt::Key_End:
        showWindowEnd(PagingDirection::Forward);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ListView::wheelEvent(QWheelEvent* event)
{
    // Towards the user (or tilted right): later records; one notch, one record.
    if (const int steps = TakeWheelNotches(*event, m_wheelAngle); steps != 0)
        placeWindow(m_last - steps);
    event->accept();
}

// A click shorter than the hold delay moves one record, on the release. Held longer, the window
// moves at once and then repeatedly until the release or the end of the diary.
void ListView::pressPaging(PagingDirection direction)
{
    m_hold.Press([this, direction] {
        // At the end the repetition stops, and the release adds no step either.
        if (m_hold.HoldState() == HoldRepeat::State::Repeating && windowAtEnd(direction)) {
            m_hold.Stop();
            return;
        }
        stepWindow(direction);
    });
}

bool ListView::event(QEvent* event)
{
    // When the window loses activation during a hold (a save question opened by a step, or the user
    // switched away) or the list is hidden, the button's release may never arrive: end the
    // repetition now, and let a release that does arrive add no step.
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate || type == QEvent::Hide)
        m_hold.Stop();
    return QWidget::event(event);
}

void ListView::highlightListRecord(const QPoint& pos)
{
    const int row = m_grid->rowAt(pos.y());
    const int column = m_grid->columnAt(pos.x());
    const int pair = column >= 1 ? (column + 1) / 2 : 0;
    if (pair == m_hoverPair && row == m_hoverRow)
        return;
    m_hoverPair = pair;
    m_hoverRow = row;
    colourRecordNumbers(row == 0 ? pair : 0);
}

void ListView::openRecordAt(const QPoint& pos)
{
    const int column = m_grid->columnAt(pos.x());
    if (m_grid->rowAt(pos.y()) != 0 || column < 1)
        return;
    const int record = m_model->recordAt(column);
    if (record < 1 || record > m_diary.newEntryIndex())
        return;
    colourRecordNumbers(0);
    m_hoverPair = 0;
    m_hoverRow = -1;
    Q_EMIT RecordOpened(record);
}

void ListView::showMemoAt(const QPoint& pos)
{
    if (m_memo->isVisible())
        return;
    const int column = m_grid->columnAt(pos.x());
    if (m_grid->rowAt(pos.y()) != kMemoRow || column < 1)
        return;
    const QString memo = m_model->index(kMemoRow, column).data().toString();
    if (memo.isEmpty()) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    m_memo->setPlainText(memo);
    placeMemo(m_grid->viewport()->mapTo(this, pos).x());
    m_memo->show();
    m_memo->raise();
    m_memo->setFocus(Qt::MouseFocusReason);
}

void ListView::placeMemo(int left)
{
    // At the bottom of the view, starting at the click but kept inside the view's right edge.
    const int width = std::min(this->width(), std::max(200, this->width() / 3));
    const int height = std::min(this->height(), std::max(100, this->height() * 2 / 5));
    left = std::clamp(left, 0, this->width() - width);
    m_memo->setGeometry(left, this->height() - height, width, height);
}

void ListView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_memo->isVisible())
        placeMemo(m_memo->x());
}

bool ListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid->viewport()) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::FontChange:
            sizeGridCells();
            break;
        case QEvent::MouseMove:
            highlightListRecord(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::Leave:
            m_hoverPair = 0;
            m_hoverRow = -1;
            colourRecordNumbers(0);
            break;
        case QEvent::MouseButtonPress:
            // A click anywhere on the list takes the focus from the memo box, which hides it.
            setFocus(Qt::MouseFocusReason);
            highlightListRecord(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::MouseButtonDblClick:
            openRecordAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            showMemoAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::Wheel:
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        default:
            break;
        }
    } else if (watched == m_memo && event->type() == QEvent::FocusOut) {
        // Switching to another program or opening the box's own menu keeps it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_memo->hide();
    } else if (watched == m_titleLabel && event->type() == QEvent::MouseButtonPress) {
        setFocus(Qt::MouseFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvel
