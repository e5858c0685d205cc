// The colour scheme of the main window, the appearance command and the unit of weights.

#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "shell/ColorDlg.h"
#include "shell/MainMenus.h"
#include "shell/SchemePainter.h"
#include "views/Views.h"

#include <QAction>

namespace tarvel {

void MainWindow::ApplyScheme()
{
    m_schemes->ApplyScheme(m_settings.ColorScheme);
}

void MainWindow::SyncTabColour()
{
    m_schemes->SyncTabColour();
}

void MainWindow::SetUnit(const QString& unitKey)
{
    const std::optional<WeightUnit> unit = UnitFromKey(unitKey);
    if (!unit || *unit == m_settings.Unit)
        return;
    m_settings.Unit = *unit;
    m_settings.SaveUnit(m_services.settingsStore);
    ShowUnit();
}

void MainWindow::ShowUnit()
{
    for (QAction* item : m_menus->units)
        item->setChecked(item->data().toString() == UnitKey(m_settings.Unit));
    m_page->SetUnit(m_settings.Unit);
    m_page->ShowTrendSummary();
    m_views->ShowUnit();
    ShowScaleStatus();
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
