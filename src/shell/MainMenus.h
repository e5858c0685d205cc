#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tarvel {

// The main window's menu bar (File, Setting, Help) and toolbar. Items are addressed by their index
// as the commands know them, separators included: File 0..13, Setting 0..2, Help 0..6, toolbar
// buttons 1..13. Each click is handed to the dispatcher of its menu with the item's index.
class MainMenus : public QObject {
    Q_OBJECT

public:
    struct Dispatch {
        std::function<void(int)> file;
        std::function<void(int)> setting;
        std::function<void(int)> help;
        std::function<void(int)> toolbar;
    };

    MainMenus(QMainWindow& window, Dispatch dispatch);

    // Captions with their accelerator suffixes, tooltips; called once the texts are chosen.
    void ApplyTexts();
    // Shows the recent-file items (and the separator before them) for the non-empty paths.
    void ShowRecentFiles(const std::array<QString, 3>& paths);
    // Enables a command in the menu and on the toolbar together.
    void EnableCommand(QAction* menuItem, QAction* button, bool enabled);

    QAction* mnuFileItem(int index) const { return m_file.at(static_cast<std::size_t>(index)); }
    QAction* mnuSetItem(int index) const { return m_setting.at(static_cast<std::size_t>(index)); }
    QAction* mnuHelpItem(int index) const { return m_help.at(static_cast<std::size_t>(index)); }
    // Button 1..13; the separators' indexes give nullptr.
    QAction* ToolbarButton(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }
    QToolBar* Toolbar() const { return m_toolbar; }
    QMenu* FileMenu() const { return m_fileMenu; }

private:
    void BuildMenus(QMainWindow& window);
    void BuildToolbar(QMainWindow& window);

    Dispatch m_dispatch;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_settingMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QAction*, 14> m_file{};
    std::array<QAction*, 3> m_setting{};
    std::array<QAction*, 7> m_help{};
    std::array<QAction*, 14> m_buttons{};
};

} // namespace tarvel
