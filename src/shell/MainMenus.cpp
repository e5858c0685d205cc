#include "shell/MainMenus.h"

#include "platform/TextTable.h"
#include "shell/ToolbarIcons.h"
#include "shell/WebPages.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tarvel {

namespace {

// Menu items by index: text id and accelerator suffix; id 0 marks a separator.
struct ItemText {
    int id;
    const char* suffix;
};

constexpr ItemText kFileItems[] = {{103, "(&N)"},    {104, "(&O)..."}, {105, "(&C)"}, {0, ""},
                                   {106, "(&S)"},    {107, "(&A)..."}, {0, ""},       {108, "(&P)..."},
                                   {0, ""},          {0, ""},          {0, ""},       {0, ""},
                                   {0, ""},          {109, "(&X)"}};
constexpr ItemText kSettingItems[] = {{111, "(&C)..."}, {112, "(&G)..."}, {113, "(&S)..."}};
constexpr ItemText kHelpItems[] = {{115, "(&C)..."}, {116, "(&S)..."}, {0, ""}, {117, "(&G)"},
                                   {118, "(&H)"},    {0, ""},          {119, "(&A)..."}};

// Toolbar buttons by index: tooltip text id and picture; id 0 marks a separator.
struct ButtonInfo {
    int id;
    ToolbarPicture picture;
};
constexpr ButtonInfo kButtons[] = {
    {0, ToolbarPicture::New},       {103, ToolbarPicture::New},   {104, ToolbarPicture::Open},
    {106, ToolbarPicture::Save},    {0, ToolbarPicture::New},     {108, ToolbarPicture::Print},
    {0, ToolbarPicture::New},       {111, ToolbarPicture::Port},  {112, ToolbarPicture::Range},
    {113, ToolbarPicture::Appearance}, {0, ToolbarPicture::New},  {120, ToolbarPicture::Copy},
    {0, ToolbarPicture::New},       {114, ToolbarPicture::Help}};

QString Caption(int id, const char* suffix)
{
    return LoadText(id) + QString::fromLatin1(suffix);
}

// A path shown in a menu: "&" would otherwise mark the next letter as the accelerator.
QString MenuSafe(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

template <std::size_t N, std::size_t M>
void FillMenu(QMenu* menu, std::array<QAction*, N>& items, const ItemText (&texts)[M],
              const std::function<void(int)>& dispatch)
{
    static_assert(N == M);
    for (std::size_t i = 0; i < N; ++i) {
        const bool separator = texts[i].id == 0 && !(N == 14 && i >= 9 && i <= 11);
        QAction* action = separator ? menu->addSeparator() : menu->addAction(QString());
        items[i] = action;
        if (!separator) {
            const int index = static_cast<int>(i);
            QObject::connect(action, &QAction::triggered, menu, [dispatch, index] { dispatch(index); });
        }
    }
}

} // namespace

MainMenus::MainMenus(QMainWindow& window, Dispatch dispatch) : QObject(&window), m_dispatch(std::move(dispatch))
{
    BuildMenus(window);
    BuildToolbar(window);
}

void MainMenus::BuildMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    m_fileMenu = bar->addMenu(QString());
    m_settingMenu = bar->addMenu(QString());
    m_helpMenu = bar->addMenu(QString());
    FillMenu(m_fileMenu, m_file, kFileItems, m_dispatch.file);
    FillMenu(m_settingMenu, m_setting, kSettingItems, m_dispatch.setting);
    FillMenu(m_helpMenu, m_help, kHelpItems, m_dispatch.help);
    m_file[0]->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    m_file[1]->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    m_file[4]->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_file[7]->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // The two web items and their separator only when the build names a web page.
    for (const std::size_t web : {2u, 3u, 4u})
        m_help[web]->setVisible(kHomePage[0] != '\0');
    ShowRecentFiles({});
}

void MainMenus::BuildToolbar(QMainWindow& window)
{
    m_toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    for (std::size_t i = 1; i < m_buttons.size(); ++i) {
        if (kButtons[i].id == 0) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction* button = m_toolbar->addAction(ToolbarIcon(kButtons[i].picture), QString());
        m_buttons[i] = button;
        const int index = static_cast<int>(i);
        connect(button, &QAction::triggered, this, [this, index] { m_dispatch.toolbar(index); });
    }
}

void MainMenus::ApplyTexts()
{
    m_fileMenu->setTitle(Caption(102, "(&F)"));
    m_settingMenu->setTitle(Caption(110, "(&S)"));
    m_helpMenu->setTitle(Caption(114, "(&H)"));
    const auto caption = [](auto& items, const auto& texts) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (texts[i].id != 0)
                items[i]->setText(Caption(texts[i].id, texts[i].suffix));
        }
    };
    caption(m_file, kFileItems);
    caption(m_setting, kSettingItems);
    caption(m_help, kHelpItems);
    for (std::size_t i = 1; i < m_buttons.size(); ++i) {
        if (m_buttons[i] != nullptr) {
            m_buttons[i]->setText(LoadText(kButtons[i].id));
            m_buttons[i]->setToolTip(LoadText(kButtons[i].id));
        }
    }
}

void MainMenus::ShowRecentFiles(const std::array<QString, 3>& paths)
{
    for (int i = 8; i <= 11; ++i)
        mnuFileItem(i)->setVisible(false);
    for (std::size_t n = 0; n < paths.size(); ++n) {
        if (paths[n].isEmpty())
            return;
        QAction* item = m_file[9 + n];
        item->setText(QStringLiteral("&%1 ").arg(n + 1) + MenuSafe(paths[n]));
        item->setVisible(true);
        m_file[8]->setVisible(true);
    }
}

void MainMenus::EnableCommand(QAction* menuItem, QAction* button, bool enabled)
{
    if (menuItem != nullptr)
        menuItem->setEnabled(enabled);
    if (button != nullptr)
        button->setEnabled(enabled);
}

} // namespace tarvel
