#include "shell/MainMenus.h"

#include "platform/TextTable.h"
#include "shell/ToolbarIcons.h"
#include "shell/WebPages.h"
#include "store/WeightUnit.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tarvel {

namespace {

// A path shown in a menu: "&" would otherwise mark the next letter as the accelerator.
QString MenuSafe(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MainMenus::MainMenus(QMainWindow& window)
    : QObject(&window), newDiary(Add("newDiary", TextId::NewDiary, "(&N)", TextId::NewDiary, "Ctrl+N")),
      openDiary(Add("openDiary", TextId::OpenDiary, "(&O)...", TextId::OpenDiary, "Ctrl+O")),
      closeDiary(Add("closeDiary", TextId::CloseDiary, "(&C)")),
      saveDiary(Add("saveDiary", TextId::SaveDiary, "(&S)", TextId::SaveDiary, "Ctrl+S")),
      saveDiaryAs(Add("saveDiaryAs", TextId::SaveDiaryAs, "(&A)...")),
      print(Add("print", TextId::Print, "(&P)...", TextId::Print, "Ctrl+P")),
      exit(Add("exit", TextId::Exit, "(&X)")),
      choosePort(Add("choosePort", TextId::ChoosePort, "(&C)...", TextId::ChoosePort)),
      graphRange(Add("graphRange", TextId::GraphRange, "(&G)...", TextId::GraphRange)),
      appearance(Add("appearance", TextId::Appearance, "(&S)...", TextId::Appearance)),
      helpContents(Add("helpContents", TextId::HelpContents, "(&C)...", TextId::HelpMenu, "F1")),
      helpTopics(Add("helpTopics", TextId::HelpTopics, "(&S)...")),
      productPage(Add("productPage", TextId::ProductPage, "(&G)")),
      makerPage(Add("makerPage", TextId::MakerPage, "(&H)")), about(Add("about", TextId::About, "(&A)...")),
      copy(Add("copy", TextId::Copy, "", TextId::Copy)),
      goToDate(Add("goToDate", TextId::GoToDate, "(&D)...", std::nullopt, "Ctrl+G")),
      importCsv(Add("importCsv", TextId::ImportCsv, "(&I)...")),
      exportCsv(Add("exportCsv", TextId::ExportCsv, "(&E)..."))
{
    const struct {
        const char* name;
        TextId textId;
        const char* suffix;
        WeightUnit unit;
    } unitItems[] = {{"unitKilograms", TextId::UnitKilograms, "(&K)", WeightUnit::Kilograms},
                     {"unitPounds", TextId::UnitPounds, "(&P)", WeightUnit::Pounds},
                     {"unitStonesPounds", TextId::UnitStonesPounds, "(&T)", WeightUnit::StonesPounds}};
    auto* unitGroup = new QActionGroup(this);
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = Add(unitItems[i].name, unitItems[i].textId, unitItems[i].suffix);
        units[i]->setCheckable(true);
        units[i]->setData(UnitKey(unitItems[i].unit));
        unitGroup->addAction(units[i]);
    }
    for (std::size_t i = 0; i < recentFiles.size(); ++i) {
        recentFiles[i] = new QAction(this);
        recentFiles[i]->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
    }
    BuildMenus(window);
    BuildToolbar(window);
}

QAction* MainMenus::Add(const char* name, TextId textId, const char* suffix, std::optional<TextId> toolTipId,
                        const char* shortcut)
{
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    if (shortcut != nullptr)
        action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    m_texts.push_back({action, textId, suffix, toolTipId});
    return action;
}

void MainMenus::BuildMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    m_fileMenu = bar->addMenu(QString());
    m_fileMenu->addActions({newDiary, openDiary, closeDiary});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({saveDiary, saveDiaryAs});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({importCsv, exportCsv});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(print);
    m_recentSeparator = m_fileMenu->addSeparator();
    for (QAction* recent : recentFiles)
        m_fileMenu->addAction(recent);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(exit);

    m_settingMenu = bar->addMenu(QString());
    m_settingMenu->addActions({choosePort, graphRange, appearance});
    m_unitsMenu = m_settingMenu->addMenu(QString());
    m_unitsMenu->setObjectName(QStringLiteral("unitsMenu"));
    for (QAction* unit : units)
        m_unitsMenu->addAction(unit);

    m_viewMenu = bar->addMenu(QString());
    m_viewMenu->addAction(goToDate);

    m_helpMenu = bar->addMenu(QString());
    m_helpMenu->addActions({helpContents, helpTopics});
    // The two web items and their separator only when the build names a web page.
    const bool web = kHomePage[0] != '\0';
    m_helpMenu->addSeparator()->setVisible(web);
    m_helpMenu->addActions({productPage, makerPage});
    for (QAction* page : {productPage, makerPage}) {
        page->setVisible(web);
        page->setEnabled(web);
    }
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(about);
    ShowRecentFiles({});
}

void MainMenus::BuildToolbar(QMainWindow& window)
{
    QToolBar* toolbar = window.addToolBar(tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    const struct {
        QAction* action;
        ToolbarPicture picture;
        bool separatorAfter;
    } buttons[] = {
        {newDiary, ToolbarPicture::New, false},         {openDiary, ToolbarPicture::Open, false},
        {saveDiary, ToolbarPicture::Save, true},        {print, ToolbarPicture::Print, true},
        {choosePort, ToolbarPicture::Port, false},      {graphRange, ToolbarPicture::Range, false},
        {appearance, ToolbarPicture::Appearance, true}, {copy, ToolbarPicture::Copy, true},
        {helpContents, ToolbarPicture::Help, false},
    };
    for (const auto& button : buttons) {
        button.action->setIcon(ToolbarIcon(button.picture));
        toolbar->addAction(button.action);
        if (button.separatorAfter)
            toolbar->addSeparator();
    }
}

void MainMenus::ApplyTexts()
{
    m_fileMenu->setTitle(LoadCaption(TextId::FileMenu, "(&F)"));
    m_settingMenu->setTitle(LoadCaption(TextId::SettingMenu, "(&S)"));
    m_viewMenu->setTitle(LoadCaption(TextId::ViewMenu, "(&V)"));
    m_unitsMenu->setTitle(LoadCaption(TextId::UnitsMenu, "(&U)"));
    m_helpMenu->setTitle(LoadCaption(TextId::HelpMenu, "(&H)"));
    for (const Texts& t : m_texts) {
        t.action->setText(LoadCaption(t.textId, t.suffix));
        // On the toolbar a button shows the plain text as its tooltip and accessible name.
        if (t.toolTipId) {
            t.action->setIconText(LoadText(*t.toolTipId));
            t.action->setToolTip(LoadText(*t.toolTipId));
        }
    }
}

void MainMenus::ShowRecentFiles(const std::array<QString, 3>& paths)
{
    bool any = false;
    bool shown = true; // a gap ends the list
    for (std::size_t n = 0; n < paths.size(); ++n) {
        shown = shown && !paths[n].isEmpty();
        QAction* item = recentFiles[n];
        item->setVisible(shown);
        item->setData(shown ? paths[n] : QString());
        if (shown)
            item->setText(QStringLiteral("&%1 ").arg(n + 1) + MenuSafe(paths[n]));
        any = any || shown;
    }
    m_recentSeparator->setVisible(any);
}

} // namespace tarvel
