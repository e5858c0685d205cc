#pragma once

#include "platform/TextTable.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tarvel {

// The window's commands, each one QAction that the menu bar (File, Setting, Help) and the toolbar
// share: caption, shortcut, tooltip and enabled state live in one place. The window connects each
// action to the slot that does the work. Every action has an object name, so tests find it by name.
class MainMenus : public QObject {
    Q_OBJECT

    // Declared first: the actions below are made (and their texts registered here) in order.
    struct Texts {
        QAction* action;
        TextId textId;
        const char* suffix;              // the accelerator after the caption, "(&N)"
        std::optional<TextId> toolTipId; // none: not on the toolbar
    };
    std::vector<Texts> m_texts;

public:
    explicit MainMenus(QMainWindow& window);

    // Captions with their accelerator suffixes and tooltips; called once the texts are chosen.
    void ApplyTexts();
    // Shows a recent-file item (and the separator before them) for each non-empty path; an item
    // carries its path in data().
    void ShowRecentFiles(const std::array<QString, 3>& paths);

    QAction* const newDiary;
    QAction* const openDiary;
    QAction* const closeDiary;
    QAction* const saveDiary;
    QAction* const saveDiaryAs;
    QAction* const print;
    std::array<QAction*, 3> recentFiles{};
    QAction* const exit;
    QAction* const choosePort;
    QAction* const graphRange;
    QAction* const appearance;
    QAction* const helpContents;
    QAction* const helpTopics;
    QAction* const productPage;
    QAction* const makerPage;
    QAction* const about;
    QAction* const copy;     // the toolbar only
    QAction* const goToDate; // View > Go to date, Ctrl+G
    QAction* const importCsv;
    QAction* const exportCsv;
    // Setting > Units: kilograms, pounds, stones and pounds, one of them checked; each carries its
    // unit's settings key in data().
    std::array<QAction*, 3> units{};

private:
    QAction* Add(const char* name, TextId textId, const char* suffix,
                 std::optional<TextId> toolTipId = std::nullopt, const char* shortcut = nullptr);
    void BuildMenus(QMainWindow& window);
    void BuildToolbar(QMainWindow& window);

    QMenu* m_fileMenu = nullptr;
    QMenu* m_settingMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_unitsMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
};

} // namespace tarvel
