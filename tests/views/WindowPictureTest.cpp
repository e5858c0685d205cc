#include "views/WindowPicture.h"

#include "store/DiaryFixture.h"
#include "store/Settings.h"
#include "support/ScriptedPrinterDialog.h"
#include "views/Views.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <vector>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::ScriptedPrinterDialog;

namespace {

// A main window as the shell builds it, maximised: menu bar, a toolbar with a red button, and
// MainTab holding a stand-in Diary page and the real List, Weight trend and BMI trend views over
// three days of December 2026.
struct Window {
    Window()
    {
        window.menuBar()->addMenu(QStringLiteral("File"));
        toolbar = window.addToolBar(QStringLiteral("Toolbar"));
        QPixmap red(24, 24);
        red.fill(Qt::red);
        toolbar->addAction(QIcon(red), QStringLiteral("Print"));
        tabs = new QTabWidget;
        tabs->addTab(new QLabel(QStringLiteral("Diary")), QStringLiteral("Diary"));
        tabs->addTab(views.ListPanel(), QStringLiteral("List"));
        tabs->addTab(views.WeightPanel(), QStringLiteral("Weight trend"));
        tabs->addTab(views.BmiPanel(), QStringLiteral("BMI trend"));
        window.setCentralWidget(tabs);
        window.showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(f.Read("Ann,170.0,1,,,,,,,,,,,\r\n2026/12/01,07:30,065.40,22.6,,,,,\r\n"
                           "2026/12/03,07:30,064.80,22.4,,,,,\r\n2026/12/05,21:00,065.10,22.5,,,,,\r\n"));
        views.Redraw();
    }
    DiaryFixture f;
    Settings settings;
    Views views{f.diary, f.period, settings, f.formats, f.clock};
    QMainWindow window;
    QToolBar* toolbar;
    QTabWidget* tabs;
};

// The pages of a PDF as pdftoppm renders them at 50 dpi.
std::vector<QImage> RenderPages(const QString& pdf)
{
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), pdf, prefix});
    std::vector<QImage> pages;
    const QFileInfo info(prefix);
    for (const QString& name : QDir(info.path()).entryList({info.fileName() + QStringLiteral("*.png")}))
        pages.emplace_back(info.path() + QLatin1Char('/') + name);
    return pages;
}

// Pixels of the colour, within a few units each way (the PDF may carry the picture compressed).
int CountNear(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) <= 4 && std::abs(c.green() - colour.green()) <= 4 &&
                     std::abs(c.blue() - colour.blue()) <= 4;
        }
    }
    return count;
}

TEST(WindowPicture, PrintIsOnePageOfTheCurrentTabAndLeavesTheWindowAlone)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    Window w;
    const QRect geometry = w.window.geometry();
    const QPoint tabAt = w.tabs->pos();
    const QColor weightBand(255, 234, 215);
    const struct {
        int tab;
        bool bands;
    } cases[] = {{2, true}, {0, false}, {1, false}};
    for (const auto& c : cases) {
        w.tabs->setCurrentIndex(c.tab);
        ScriptedPrinterDialog dialog;
        const QString pdf = w.f.folder.File(QStringLiteral("tab%1.pdf").arg(c.tab));
        dialog.Script(pdf);
        PrintView(w.window, *w.tabs, dialog);

        const std::vector<QImage> pages = RenderPages(pdf);
        ASSERT_EQ(pages.size(), 1u) << c.tab;
        EXPECT_GT(pages[0].width() * pages[0].height() - CountNear(pages[0], Qt::white), 20000) << c.tab;
        EXPECT_EQ(CountNear(pages[0], weightBand) > 500, c.bands) << c.tab;
        EXPECT_EQ(w.window.geometry(), geometry);
        EXPECT_TRUE(w.window.isMaximized());
        EXPECT_TRUE(w.toolbar->isVisible());
        EXPECT_EQ(w.tabs->pos(), tabAt);
    }

    ScriptedPrinterDialog cancelled;
    PrintView(w.window, *w.tabs, cancelled);
    EXPECT_EQ(cancelled.shown, 1);
    EXPECT_EQ(QDir(w.f.folder.Path()).entryList({QStringLiteral("*.pdf")}).size(), 3);
}

} // namespace
