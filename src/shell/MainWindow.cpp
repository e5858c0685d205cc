#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "entry/TrendSummary.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageService.h"
#include "platform/ScreenFit.h"
#include "platform/TextTable.h"
#include "platform/WindowFont.h"
#include "scale/BluetoothLink.h"
#include "scale/CommDlg.h"
#include "scale/ErrorLog.h"
#include "scale/PortConnection.h"
#include "scale/ScaleLink.h"
#include "shell/AboutDlg.h"
#include "shell/ButtonArt.h"
#include "shell/CsvCommands.h"
#include "shell/FileCommands.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenus.h"
#include "shell/SchemePainter.h"
#include "shell/WebPages.h"
#include "shell/WindowPlacement.h"
#include "views/GraphSetDlg.h"
#include "views/ListView.h"
#include "views/TrendView.h"
#include "views/Views.h"
#include "views/WindowPicture.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvel {

MainWindow::MainWindow(const ShellServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_file(m_formats)
{
    setWindowTitle(LoadText(TextId::AppName) + QStringLiteral("[*]"));
    // The diary is found by name like the window's other parts; as a member it leaves the window's
    // children before the window deletes them.
    m_diary.setParent(this);
    m_diary.setObjectName(QStringLiteral("diary"));
    m_menus = new MainMenus(*this);
    BuildTabs();
    m_commands = std::make_unique<FileCommands>(
        FileCommands::Parts{m_diary, m_settings, services.settingsStore, m_file, services.dialogs,
                            services.folders, services.messages, services.clock, *m_page, *m_views, *this});
    m_commands->RecentFilesChanged = [this] { ShowRecentFiles(); };
    m_link = std::make_unique<ScaleLink>(services.scalePort, m_formats, services.clock);
    ConnectScale();
    m_commands->StopQuietTimer = [this] { m_link->StopQuietTimer(); };
    ConnectPage();
    ConnectCommands();
    BuildScaleStatus();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(FirstWindowRect(screen->availableGeometry(), WindowFrame(*this), 0).size());

    // The tabs stay hidden until the first activation has shown the current day.
    m_tabs->hide();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("MainTab"));
    m_tabs->setDocumentMode(false);
    // The tab strip takes the focus, not the frame around the pages, which screen readers would
    // meet as a nameless stop. Setting the frame's policy sets the strip's (its focus proxy) too.
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    m_tabs->setAccessibleName(LoadText(TextId::DiaryTabs));
    m_page = new DiaryPage(m_diary, m_formats, m_services.clock, m_services.messages);
    m_page->setObjectName(QStringLiteral("diaryPage"));
    m_views = std::make_unique<Views>(m_diary, m_settings, m_formats, m_services.clock);
    m_tabs->addTab(m_page, QString());
    m_tabs->addTab(m_views->ListPanel(), QString());
    m_tabs->addTab(m_views->WeightPanel(), QString());
    m_tabs->addTab(m_views->BmiPanel(), QString());
    m_tabs->tabBar()->installEventFilter(this);
    m_tabs->installEventFilter(this);
    setCentralWidget(m_tabs);
    m_views->WeightView().SetTrend(&m_trend);
    // Pointing at a day on either graph shows the weight trend of that day.
    for (TrendView* view : {&m_views->WeightView(), &m_views->BmiView()})
        view->SetTrendSource([this](const QDate& date) { return m_trend.TrendOn(date); });
    m_page->SetTrendSummary([this] {
        return TrendSummaryText(m_services.clock.Today(), m_trend.Standing(), m_settings.GoalWeight,
                                m_settings.Unit, m_formats);
    });
    m_schemes = std::make_unique<SchemePainter>(*m_tabs, *m_page, *m_views);
}

void MainWindow::ConnectPage()
{
    connect(m_page, &DiaryPage::EditedChanged, this, [this] { m_commands->ShowDiaryCaption(); });
    connect(&m_diary, &Diary::modifiedChanged, this, [this] { m_commands->ShowDiaryCaption(); });
    // Each diary shows its own goal.
    connect(&m_diary, &Diary::filePathChanged, this, [this](const QString& path) {
        const std::optional<double> goal = m_settings.GoalWeight;
        m_settings.TakeGoalOf(m_services.settingsStore, path);
        if (m_settings.GoalWeight == goal)
            return;
        m_views->ApplyRange(RangeChange{.goal = true});
        m_page->ShowTrendSummary();
    });
    connect(m_page, &DiaryPage::OwnerNameChanged, this,
            [this](const QString& name) { m_views->SetOwnerTitles(name); });
    connect(m_page, &DiaryPage::BackupNeeded, this,
            [this] { WriteBackupOrSay(m_file, m_diary, m_services.messages); });
    connect(m_page, &DiaryPage::GraphPeriodNeedsMove, this,
            [this](const QDate& deletedDay, const QDate& target, bool always) {
                m_views->movePeriodForDelete(deletedDay, target, always);
            });
    connect(m_page, &DiaryPage::CurrentRecordMoved, &m_views->List(), &ListView::KeepCurrentInView);
    m_views->List().SetAskSaveEntry([this] { m_page->AskSaveEntry(); });
    // A record opened from the list or a graph is shown on the Diary tab, once the page's edits
    // are settled.
    const auto openRecord = [this](int position) {
        if (m_page->OpenRecord(position))
            m_tabs->setCurrentIndex(0);
    };
    connect(&m_views->List(), &ListView::RecordOpened, this, openRecord);
    connect(&m_views->WeightView(), &TrendView::RecordOpened, this, openRecord);
    connect(&m_views->BmiView(), &TrendView::RecordOpened, this, openRecord);
}

void MainWindow::ApplyTexts()
{
    const QString family = ChooseFontFamily(WindowFontName(), QFontDatabase::families(), LanguageCode());
    if (!family.isEmpty()) {
        QFont font = this->font();
        font.setFamily(family);
        // Set on the window, the font reaches the tabs, their panels and every text control.
        setFont(font);
    }
    m_menus->ApplyTexts();
    for (int tab = 0; tab < 4; ++tab)
        m_tabs->setTabText(tab, LoadText(kTabCaptionTexts[tab]));
}

void MainWindow::ShowRecentFiles()
{
    m_menus->ShowRecentFiles(m_settings.RecentPath);
}

void MainWindow::ConnectCommands()
{
    const MainMenus& c = *m_menus;
    FileCommands* files = m_commands.get();
    connect(c.newDiary, &QAction::triggered, this, [files] { files->NewDiary(); });
    connect(c.openDiary, &QAction::triggered, this, [files] { files->OpenDiary(); });
    connect(c.closeDiary, &QAction::triggered, this, [files] { files->CloseDiary(); });
    connect(c.saveDiary, &QAction::triggered, this, [files] { files->SaveDiary(); });
    connect(c.saveDiaryAs, &QAction::triggered, this, [files] { files->SaveDiaryAs(); });
    connect(c.print, &QAction::triggered, this,
            [this] { PrintView(*this, *m_tabs, m_services.printerDialog); });
    for (QAction* recent : c.recentFiles) {
        connect(recent, &QAction::triggered, this,
                [files, recent] { files->OpenRecentDiary(recent->data().toString()); });
    }
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
    connect(c.choosePort, &QAction::triggered, this, &MainWindow::ChoosePort);
    connect(c.graphRange, &QAction::triggered, this, &MainWindow::SetGraphRange);
    connect(c.appearance, &QAction::triggered, this, &MainWindow::SetAppearance);
    for (QAction* unit : c.units)
        connect(unit, &QAction::triggered, this, [this, unit] { SetUnit(unit->data().toString()); });
    connect(c.helpContents, &QAction::triggered, this, [this] { ShowHelp(false); });
    connect(c.helpTopics, &QAction::triggered, this, [this] { ShowHelp(true); });
    for (QAction* web : {c.productPage, c.makerPage}) {
        connect(web, &QAction::triggered, this,
                [this] { m_services.openUrl(QString::fromLatin1(kHomePage)); });
    }
    connect(c.about, &QAction::triggered, this, &MainWindow::ShowAbout);
    connect(c.copy, &QAction::triggered, this, [this] { CopyView(*this, *m_tabs); });
    connect(c.goToDate, &QAction::triggered, this, &MainWindow::GoToDate);
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::FocusTabView);
    m_csv = std::make_unique<CsvCommands>(CsvCommands::Parts{
        m_diary, m_formats, m_file, m_services.dialogs, m_services.folders, m_services.messages, *m_page});
    connect(c.importCsv, &QAction::triggered, this, [this] { m_csv->ImportCsv(); });
    connect(c.exportCsv, &QAction::triggered, this, [this] { m_csv->ExportCsv(); });
}

void MainWindow::SetGraphRange()
{
    const RangeChange change = tarvel::SetGraphRange(m_settings, [this] {
        GraphSetDlg dialog(m_settings, m_formats, this);
        dialog.exec();
    });
    if (change.goal)
        m_settings.SaveGoalOf(m_services.settingsStore, m_diary.filePath());
    m_views->ApplyRange(change);
    if (change.goal)
        m_page->ShowTrendSummary();
}

void MainWindow::ChoosePort()
{
    const QString bluetooth = m_settings.Bluetooth;
    m_port->ChangePort([this] {
        CommDlg dialog(m_services.testPort, *m_errorLog, m_services.messages, m_services.portDevice, this);
        return dialog.Run(m_settings.PortNo, m_settings.Bluetooth, m_settings.BluetoothUser);
    });
    if (m_settings.Bluetooth != bluetooth)
        StartBluetoothScale();
}

void MainWindow::ShowAbout()
{
    AboutDlg dialog(AboutLogo(devicePixelRatio()), m_services.tools, m_services.messages, this);
    dialog.exec();
}

void MainWindow::ShowHelp(bool topics)
{
    if (m_help == nullptr) {
        m_help = new HelpWindow(this);
        m_help->setWindowFlag(Qt::Window);
    }
    if (topics)
        m_help->ShowTopics();
    else
        m_help->ShowContents();
}

void MainWindow::BringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (MayClose())
        event->accept();
    else
        event->ignore();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_activated)
        QMetaObject::invokeMethod(this, &MainWindow::ShowFirstDay, Qt::QueuedConnection);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The window keeps the proportions its graphs are drawn for, unless maximised.
    if (m_starting || isMinimized() || isFullScreen())
        return;
    QSize available;
    if (const QScreen* screen = this->screen()) {
        const QSize frame = frameGeometry().size() - size();
        available = screen->availableGeometry().size() - frame;
    }
    if (const std::optional<QSize> wanted = m_shape.Resized(event->size(), isMaximized(), available))
        resize(*wanted);
}

void MainWindow::FitOnScreen()
{
    // Framed now: the window, frame included, comes onto its screen's free area.
    const QScreen* screen = this->screen();
    if (screen == nullptr || isMaximized() || isFullScreen() || isMinimized())
        return;
    const QMargins frame = WindowFrame(*this);
    const QRect area = screen->availableGeometry();
    const QSize size = ShapedWindowSize(this->size(), false, area.size().shrunkBy(frame));
    if (size != this->size())
        resize(size);
    if (WindowPositionsMeaningful()) {
        const QPoint corner = PlaceSavedWindow(QRect(pos(), size.grownBy(frame)), {area}).topLeft();
        if (corner != pos())
            move(corner);
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    m_page->HideCalendar();
    QMainWindow::mousePressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabs->tabBar() && event->type() == QEvent::Wheel && m_tabs->currentIndex() == 0 &&
        m_page->IsEdited())
        return TurnTabsByWheel(*static_cast<QWheelEvent*>(event));
    if (watched == m_tabs->tabBar() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton)
            return !MayLeaveTab(press->position().toPoint());
    }
    // The keyboard's tab switches (Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Up/Down; the arrows on the
    // focused tab bar) ask about the Diary page's edits as a click on a header does.
    if ((watched == m_tabs || watched == m_tabs->tabBar()) && event->type() == QEvent::KeyPress &&
        m_tabs->currentIndex() == 0) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool control = key->modifiers().testFlag(Qt::ControlModifier);
        const bool switches =
            watched == m_tabs ? control && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                                            key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)
                              : key->key() == Qt::Key_Right || key->key() == Qt::Key_Down ||
                                    key->key() == Qt::Key_End || key->key() == Qt::Key_Left;
        if (switches)
            return !m_page->AskSaveEntry();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::MayLeaveTab(const QPoint& position)
{
    // A click on the Diary header itself, or beside the headers, stays on the page.
    const int tab = m_tabs->tabBar()->tabAt(position);
    if (m_tabs->currentIndex() != 0 || tab <= 0)
        return true;
    // A refused save keeps the user on the page with the message's advice and the typed texts.
    return m_page->AskSaveEntry();
}

} // namespace tarvel
