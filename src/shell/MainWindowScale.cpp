// The scale's readings and its line in the main window's status bar.

#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/TextTable.h"
#include "scale/PortConnection.h"
#include "scale/ScaleLink.h"

#include <QLabel>
#include <QStatusBar>

namespace tarvel {

void MainWindow::ConnectScale()
{
    // A stable reading goes onto the page as if typed, with the inputs' own rules, when the page can
    // take it; otherwise it waits, shown in the status bar, until a page that can is shown. It is
    // never dropped without a word.
    m_link->WeightAccepted = [this](const QString& weight, const QDateTime& weighed) {
        m_heldReading = HeldReading{weight, weighed};
        PlaceHeldReading();
    };
    // Queued: the page finishes moving (a typed date follows the blank page) before a reading goes in.
    connect(m_page, &DiaryPage::ShownDayChanged, this, &MainWindow::PlaceHeldReading, Qt::QueuedConnection);
}

void MainWindow::PlaceHeldReading()
{
    if (!m_heldReading)
        return;
    if (m_page->PutScaleReading(m_heldReading->weight, m_heldReading->weighed)) {
        m_lastReading = ScaleReading{
            m_heldReading->weight, m_formats.FormatTime(m_heldReading->weighed.time(), m_formats.TimeFormat)};
        m_heldReading.reset();
    }
    ShowScaleStatus();
}

void MainWindow::BuildScaleStatus()
{
    m_scaleStatus = new QLabel(this);
    m_scaleStatus->setObjectName(QStringLiteral("scaleStatus"));
    m_scaleStatus->setTextFormat(Qt::PlainText);
    // A permanent widget: menu tooltips shown in the status bar do not hide it.
    statusBar()->addPermanentWidget(m_scaleStatus, 1);
}

void MainWindow::ShowScaleStatus()
{
    if (m_heldReading) {
        // A reading waiting for its page says so until it is placed, over what the port is doing.
        const QDateTime& weighed = m_heldReading->weighed;
        const QString time = m_formats.FormatTime(weighed.time(), m_formats.TimeFormat);
        m_scaleStatus->setText(
            m_page->FitScaleReading(weighed) == DiaryPage::ScaleFit::SlotUsed
                ? LoadText(TextId::ReadingNotStoredSlotTaken)
                      .arg(
                          m_heldReading->weight, time,
                          LoadText(DiaryPage::SlotOfWeighing(weighed) == 0 ? TextId::Morning : TextId::Night))
                : LoadText(TextId::ReadingNotStoredPageShows)
                      .arg(m_heldReading->weight, time, m_page->DateText()));
    } else if (m_port) {
        m_scaleStatus->setText(ScaleStatusText(*m_port, m_services.portDevice, m_lastReading));
    }
}

} // namespace tarvel
