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

// A path shown in a menu: "&" would otherwise mark the next letter as the accelerator.
QString MenuSafe(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MainMenus::MainMenus(QMainWindow& window)
    : QObject(&window), newDiary(Add("newDiary", 103, "(&N)", 103, "Ctrl+N")),
      openDiary(Add("openDiary", 104, "(&O)...", 104, "Ctrl+O")), closeDiary(Add("closeDiary", 105, "(&C)")),
      saveDiary(Add("saveDiary", 106, "(&S)", 106, "Ctrl+S")),
      saveDiaryAs(Add("saveDiaryAs", 107, "(&A)...")), print(Add("print", 108, "(&P)...", 108, "Ctrl+P")),
      exit(Add("exit", 109, "(&X)")), choosePort(Add("choosePort", 111, "(&C)...", 111)),
      graphRange(Add("graphRange", 112, "(&G)...", 112)), appearance(Add("appearance", 113, "(&S)...", 113)),
      helpContents(Add("helpContents", 115, "(&C)...", 114, "F1")),
      helpTopics(Add("helpTopics", 116, "(&S)...")), productPage(Add("productPage", 117, "(&G)")),
      makerPage(Add("makerPage", 118, "(&H)")), about(Add("about", 119, "(&A)...")),
      copy(Add("copy", 120, "", 120)), goToDate(Add("goToDate", 1351, "(&D)...", 0, "Ctrl+G")),
      importCsv(Add("importCsv", 1410, "(&I)...")), exportCsv(Add("exportCsv", 1411, "(&E)..."))
{
    for (std::size_t i = 0; i < recentFiles.size(); ++i) {
        recentFiles[i] = new QAction(this);
        recentFiles[i]->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
    }
    BuildMenus(window);
    BuildToolbar(window);
}

QAction* MainMenus::Add(const char* name, int textId, const char* suffix, int toolTipId, const char* shortcut)
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
    m_fileMenu->setTitle(LoadCaption(102, "(&F)"));
    m_settingMenu->setTitle(LoadCaption(110, "(&S)"));
    m_viewMenu->setTitle(LoadCaption(1350, "(&V)"));
    m_helpMenu->setTitle(LoadCaption(114, "(&H)"));
    for (const Texts& t : m_texts) {
        t.action->setText(LoadCaption(t.textId, t.suffix));
        // On the toolbar a button shows the plain text as its tooltip and accessible name.
        if (t.toolTipId != 0) {
            t.action->setIconText(LoadText(t.toolTipId));
            t.action->setToolTip(LoadText(t.toolTipId));
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
