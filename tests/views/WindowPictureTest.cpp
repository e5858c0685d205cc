#include "views/WindowPicture.h"

#include "store/DiaryFixture.h"
#include "store/Settings.h"
#include "support/ScriptedPrinterDialog.h"
#include "views/Views.h"

#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::ScriptedPrinterDialog;

namespace {

// Pixels of the colour, within a few units each way (the PDF may carry the picture compressed).
int CountNear(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::max({std::abs(c.red() - colour.red()), std::abs(c.green() - colour.green()),
                               std::abs(c.blue() - colour.blue())}) <= 4;
        }
    }
    return count;
}

// A maximised main window as the shell builds it (menu bar, toolbar, and MainTab holding a
// stand-in Diary page and the real views over three days of December 2026) printed to PDF files,
// which pdftoppm renders at 50 dpi.
TEST(WindowPicture, PrintIsOnePageOfTheCurrentTabAndLeavesTheWindowAlone)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    DiaryFixture f;
    Settings settings;
    Views views{f.diary, settings, f.formats, f.clock};
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    toolbar->addAction(QStringLiteral("Print"));
    auto* tabs = new QTabWidget;
    tabs->addTab(new QLabel(QStringLiteral("Diary")), QStringLiteral("Diary"));
    for (QWidget* panel : {views.ListPanel(), views.WeightPanel(), views.BmiPanel()})
        tabs->addTab(panel, panel->objectName());
    window.setCentralWidget(tabs);
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(f.Read("Ann,170.0,1,,,,,,,,,,,\r\n2026/12/01,07:30,065.40,22.6,,,,,\r\n"
                       "2026/12/03,07:30,064.80,22.4,,,,,\r\n2026/12/05,21:00,065.10,22.5,,,,,\r\n"));
    const QRect geometry = window.geometry();
    const QPoint tabAt = tabs->pos();

    for (const int tab : {2, 0, 1}) { // only the weight trend shows its bands
        tabs->setCurrentIndex(tab);
        ScriptedPrinterDialog dialog;
        const QString pdf = f.folder.File(QStringLiteral("tab%1.pdf").arg(tab));
        dialog.Script(pdf);
        PrintView(window, *tabs, dialog);
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), pdf,
                           pdf + QStringLiteral("-p")});
        const QStringList pages =
            QDir(f.folder.Path()).entryList({QStringLiteral("tab%1.pdf-p*.png").arg(tab)});
        ASSERT_EQ(pages.size(), 1) << tab;
        const QImage page(f.folder.File(pages.first()));
        EXPECT_GT(page.width() * page.height() - CountNear(page, Qt::white), 20000) << tab;
        EXPECT_EQ(CountNear(page, QColor(255, 234, 215)) > 500, tab == 2) << tab;
        EXPECT_EQ(window.geometry(), geometry);
        EXPECT_TRUE(window.isMaximized());
        EXPECT_TRUE(toolbar->isVisible());
        EXPECT_EQ(tabs->pos(), tabAt);
    }
}

} // namespace
