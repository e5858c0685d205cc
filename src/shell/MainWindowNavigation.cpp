// The Go to date command, the keyboard focus of the tabs and the wheel over the tab bar.
#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "shell/GoToDateDlg.h"
#include "views/ListView.h"
#include "views/TrendView.h"
#include "views/Views.h"

#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <algorithm>

namespace tarvel {

void MainWindow::FocusTabView(int tab)
{
    // The paging keys reach the list and the graphs as soon as their tab is shown.
    QWidget* views[] = {nullptr, &m_views->List(), &m_views->WeightView(), &m_views->BmiView()};
    if (tab >= 1 && tab <= 3)
        views[tab]->setFocus(Qt::TabFocusReason);
}

bool MainWindow::TurnTabsByWheel(const QWheelEvent& wheel)
{
    QTabBar* bar = m_tabs->tabBar();
    if (!bar->style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling, nullptr, bar))
        return false;
    // As the tab bar itself does: a whole notch down (or to the right) turns to the next tab, parts
    // of notches add up. Here the tab question comes first; the Diary tab is the first, so a turn up
    // leads nowhere.
    m_tabWheel += wheel.angleDelta();
    const int x = m_tabWheel.x() / QWheelEvent::DefaultDeltasPerStep;
    const int y = m_tabWheel.y() / QWheelEvent::DefaultDeltasPerStep;
    if (x == 0 && y == 0)
        return true;
    m_tabWheel = QPoint();
    if ((x < 0 || y < 0) && m_page->AskSaveEntry())
        m_tabs->setCurrentIndex(1);
    return true;
}

void MainWindow::GoToDate()
{
    // The calendar starts on the record the Diary tab shows, else the last record, else today.
    const RecordStore& store = m_diary.records();
    QDate day = m_services.clock.Today();
    if (!store.IsEmpty()) {
        const int shown = std::min(m_diary.currentIndex(), store.Count());
        day = store.Item(std::max(1, shown)).date;
    }
    GoToDateDlg dialog(day, this);
    if (dialog.exec() == QDialog::Accepted && dialog.ChosenDate().isValid())
        ShowDate(dialog.ChosenDate());
}

void MainWindow::ShowDate(const QDate& day)
{
    const int tab = m_tabs->currentIndex();
    if (tab >= 2) {
        m_views->WeightView().ShowDate(day);
        return;
    }
    // The Diary tab and the list show the day's record, else the nearest one.
    const int position = m_diary.records().NearestItem(DayNumber(day));
    if (position == 0)
        return;
    if (tab == 0)
        m_page->OpenRecord(position);
    else
        m_views->List().ShowRecord(position);
}

} // namespace tarvel
