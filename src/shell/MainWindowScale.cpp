// The scale's line in the main window's status bar.

#include "shell/MainWindow.h"

#include "platform/Clock.h"
#include "scale/PortConnection.h"

#include <QLabel>
#include <QStatusBar>

namespace tarvel {

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
    if (m_port)
        m_scaleStatus->setText(ScaleStatusText(*m_port, m_services.portDevice, m_lastReading));
}

void MainWindow::NoteScaleReading(const QString& weight)
{
    m_lastReading = ScaleReading{weight, m_formats.FormatTime(m_services.clock.TimeOfDay(), m_formats.TimeFormat)};
    ShowScaleStatus();
}

} // namespace tarvel
