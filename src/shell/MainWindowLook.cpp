// The colour scheme of the main window and the appearance command.

#include "shell/MainWindow.h"

#include "shell/ColorDlg.h"
#include "shell/SchemePainter.h"

namespace tarvel {

void MainWindow::ApplyScheme()
{
    m_schemes->ApplyScheme(m_settings.ColorScheme);
}

void MainWindow::SyncTabColour()
{
    m_schemes->SyncTabColour();
}

void MainWindow::SetAppearance()
{
    const int before = m_settings.ColorScheme;
    ColorDlg dialog(m_settings, this);
    dialog.exec();
    // The scheme already in force is not painted again.
    if (m_settings.ColorScheme == before)
        return;
    ApplyScheme();
    SyncTabColour();
}

} // namespace tarvel
