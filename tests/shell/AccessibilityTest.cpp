// What a screen reader and a dark desktop make of the main window: every control Tab reaches is
// named and says what it is (a Client is what the desktop calls a filler); every text on the
// scheme's panels stands out from its background.

#include "shell/MainWindow.h"

#include "shell/ColorDlg.h"
#include "support/ShellFixture.h"
#include "views/ListView.h"
#include "views/TrendView.h"
#include "views/Views.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace tarvel::testing;
using namespace Qt::StringLiterals;

namespace {

QString Spoken(QWidget* widget, QAccessible::Text kind = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

TEST(AccessibilityTest, EveryControlTabReachesHasANameAndARole)
{
    Shell s;
    MainWindow& w = s.Start();
    int controls = 0;
    for (int tab = 0; tab < w.MainTab()->count(); ++tab) {
        QWidget* page = w.MainTab()->widget(tab);
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if ((control->focusPolicy() & Qt::TabFocus) == 0 || !control->isVisibleTo(page))
                continue;
            ++controls;
            const QAccessible::Role role = QAccessible::queryAccessibleInterface(control)->role();
            const QString what = u"tab %1 %2"_s.arg(tab).arg(control->objectName());
            EXPECT_FALSE(Spoken(control).trimmed().isEmpty()) << qPrintable(what);
            EXPECT_NE(role, QAccessible::Client) << qPrintable(what);
            EXPECT_NE(role, QAccessible::NoRole) << qPrintable(what);
        }
    }
    EXPECT_EQ(controls, 31); // 23 on the Diary page, 2 on the List, 4 and 2 below the graphs
    // The two slots' inputs are told apart.
    EXPECT_NE(Spoken(s.Controls().weight[0]), Spoken(s.Controls().weight[1]));

    // The grid and the graphs say what they show; a saved day reaches the weight graph's description.
    QTest::keyClicks(s.Controls().name, u"Ann"_s);
    QTest::keyClicks(s.Controls().height, u"170"_s);
    QTest::keyClicks(s.Controls().weight[0], u"65.4"_s);
    QTest::mouseClick(s.Controls().save, Qt::LeftButton);
    const Views& views = w.ViewSet();
    for (QWidget* view :
         {static_cast<QWidget*>(views.List().Grid()), static_cast<QWidget*>(views.WeightView().Graph()),
          static_cast<QWidget*>(views.BmiView().Graph())}) {
        EXPECT_FALSE(Spoken(view).isEmpty()) << qPrintable(view->objectName());
        EXPECT_FALSE(Spoken(view, QAccessible::Description).isEmpty()) << qPrintable(view->objectName());
    }
    EXPECT_TRUE(Spoken(views.WeightView().Graph(), QAccessible::Description).contains(u"65.4"_s));
}

double Luminance(const QColor& colour)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Under a light and a dark desktop palette, every scheme's panels, tab strip and list cells keep
// their text at a contrast of at least 4.5 to 1 against the background the scheme gives them.
TEST(AccessibilityTest, SchemeTextsStayLegibleOnLightAndDarkDesktops)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    for (const QPalette& palette : {QPalette(Qt::white), dark}) {
        QApplication::setPalette(palette);
        Shell s;
        MainWindow& w = s.Start();
        for (int scheme = 1; scheme <= 7; ++scheme) {
            w.SetColorDlgRunner([scheme](ColorDlg& dialog) {
                QTest::mouseClick(dialog.findChild<QRadioButton*>(u"scheme%1"_s.arg(scheme)), Qt::LeftButton);
                QTest::mouseClick(dialog.findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
            });
            s.Command("appearance");
            const QString where =
                u"scheme %1 on %2"_s.arg(scheme).arg(palette.color(QPalette::Window).name());
            QTableWidget* grid = w.ViewSet().List().Grid();
            for (QWidget* panel :
                 {static_cast<QWidget*>(w.Page()), static_cast<QWidget*>(w.Page()->SexOptions()[0]),
                  static_cast<QWidget*>(w.MainTab()->tabBar()), w.MainTab()->widget(1),
                  w.MainTab()->widget(2), w.MainTab()->widget(3)}) {
                const QPalette& p = panel->palette();
                EXPECT_GE(Contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)), 4.5)
                    << qPrintable(where) << " " << qPrintable(panel->objectName());
            }
            for (const int column : {0, 1})
                EXPECT_GE(Contrast(grid->item(1, column)->foreground().color(),
                                   grid->item(1, column)->background().color()),
                          4.5)
                    << qPrintable(where);
        }
    }
    QApplication::setPalette(desktop);
}

} // namespace
