// The main window's looks and reach: the schemes on light and dark desktops, what a screen reader
// hears, where the window comes back, and printing.

#include "shell/Schemes.h"
#include "support/ShellFixture.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace tarvel;
using namespace tarvel::testing;
using namespace Qt::StringLiterals;

namespace {

double Contrast(const QColor& text, const QColor& background)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(text), luminance(background)});
    return (light + 0.05) / (dark + 0.05);
}

// Setting > Appearance repaints the window in each scheme, the tab strip in the colour of the tab
// shown; Cancel keeps the scheme. On a light and on a dark desktop every text on the scheme's panels,
// tab strip and list cells keeps a contrast of at least 4.5 to 1 against the scheme's background.
TEST(MainWindowTest, AppearanceRepaintsTheWindowLegiblyOnLightAndDarkDesktops)
{
    const QPalette desktop = QApplication::palette();
    for (const QColor& window : {QColor(240, 240, 240), QColor(53, 53, 53)}) {
        QApplication::setPalette(QPalette(window, window)); // black or white texts to match
        Shell s;
        s.store.Save(u"ColorFlg"_s, u"Flg"_s, u"7"_s);
        s.Start();
        s.Tabs().setCurrentIndex(1);
        QTableWidget* grid = s.List().Grid();
        const std::vector<QWidget*> panels = {&s.Page(), s.Page().SexOptions()[0], s.Tabs().tabBar(),
                                              s.Tabs().widget(1), s.Tabs().widget(2)};
        int scheme = 1;
        QString button = u"cancel"_s;
        const auto appearance = [&] {
            Shell::Answer<QDialog>([&](QDialog& dialog) {
                dialog.findChild<QRadioButton*>(u"scheme%1"_s.arg(scheme))->click();
                dialog.findChild<QPushButton*>(button)->click();
            });
            s.Command("appearance");
        };
        appearance();
        EXPECT_EQ(s.Page().palette().color(QPalette::Window), PaletteOf(Hue::Gray).light); // kept
        button = u"ok"_s;
        for (scheme = 1; scheme <= 7; ++scheme) {
            appearance();
            const SchemeSlots slots = FillSchemeSlots(scheme);
            EXPECT_EQ(s.Page().palette().color(QPalette::Window), slots.Tab(DiaryTab).light) << scheme;
            EXPECT_EQ(s.Tabs().tabBar()->palette().color(QPalette::Window), slots.Tab(ListTab).light);
            for (QWidget* panel : panels) {
                const QPalette& p = panel->palette();
                EXPECT_GE(Contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)), 4.5)
                    << scheme << qPrintable(window.name() + panel->objectName());
            }
            for (QTableWidgetItem* cell : {grid->item(0, 1), grid->item(1, 1)}) {
                // A cell without a text colour of its own takes the palette's, as the grid draws it.
                const QColor text = cell->foreground().style() == Qt::NoBrush
                                        ? grid->palette().color(QPalette::Text)
                                        : cell->foreground().color();
                EXPECT_GE(Contrast(text, cell->background().color()), 4.5) << scheme;
            }
        }
    }
    QApplication::setPalette(desktop);
}

QString Spoken(QWidget* widget, QAccessible::Text kind = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

// The focusable objects a screen reader finds showing under `node` (the accessibility tree, not the
// widgets, so table cells count too); `hiddenFocusable` counts those that claim to show below a
// hidden ancestor, as a closed calendar's days would.
void FocusableShowing(QAccessibleInterface* node, bool ancestorShown,
                      std::vector<QAccessibleInterface*>& found, int& hiddenFocusable)
{
    const QAccessible::State state = node->state();
    if (state.focusable && !state.invisible)
        ancestorShown ? found.push_back(node) : void(++hiddenFocusable);
    for (int i = 0; i < node->childCount(); ++i)
        FocusableShowing(node->child(i), ancestorShown && !state.invisible, found, hiddenFocusable);
}

// To a screen reader every control Tab reaches on each tab, the calendar's days while it is open,
// has a name that no other control of the tab shares and a role that says what it is (a Client is
// what the desktop calls a filler); a closed calendar is not there at all. A day saved through Save
// data's press action, as a screen reader presses it, reaches the descriptions of the list and the
// weight graph, and each of the list's cells is said with its day, weighing and field.
TEST(MainWindowTest, ScreenReadersHearEveryControlAndWhatTheViewsShow)
{
    Shell s;
    s.Start();
    // The tab strip and its 4 tabs, then the Diary page's controls, the list and its 2 buttons, the
    // graphs and 4 or 2; last the Diary tab with the calendar open: the calendar, its day grid, 7
    // weekdays and 42 days.
    const int expected[] = {5 + 23, 5 + 3, 5 + 5, 5 + 3, 5 + 23 + 2 + 7 + 42};
    for (int tab = 0; tab <= s.Tabs().count(); ++tab) {
        s.Tabs().setCurrentIndex(tab % 4);
        if (tab == 4) {
            QTest::mouseClick(s.Controls().dateButton, Qt::LeftButton);
            // The calendar made on opening takes the scheme's colours.
            EXPECT_NE(s.Page().Calendar()->palette().color(QPalette::Highlight),
                      QApplication::palette().color(QPalette::Highlight));
        }
        std::vector<QAccessibleInterface*> found;
        int hiddenFocusable = 0;
        FocusableShowing(QAccessible::queryAccessibleInterface(s.window.get()), true, found, hiddenFocusable);
        EXPECT_EQ(found.size(), expected[tab]) << tab;
        EXPECT_EQ(hiddenFocusable, 0) << tab;
        std::map<QString, int> names;
        for (QAccessibleInterface* control : found) {
            const QString name = control->text(QAccessible::Name);
            const QAccessible::Role role = control->role();
            EXPECT_FALSE(name.trimmed().isEmpty()) << tab << role;
            EXPECT_TRUE(role != QAccessible::Client && role != QAccessible::NoRole)
                << tab << qPrintable(name);
            // The calendar's days repeat their numbers across months; the tab strip is named after
            // its current tab.
            EXPECT_TRUE(role == QAccessible::Cell || role == QAccessible::PageTab || ++names[name] == 1)
                << tab << qPrintable(name);
        }
    }
    s.Controls().name->setFocus(); // closes the calendar

    QTest::keyClicks(s.Controls().name, u"Ann"_s);
    QTest::keyClicks(s.Controls().height, u"170"_s);
    QTest::keyClicks(s.Controls().weight[0], u"65.4"_s);
    QAccessible::queryAccessibleInterface(s.Controls().save)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(s.State().records().Count(), 1);
    QTableWidget* grid = s.List().Grid();
    EXPECT_TRUE(Spoken(grid, QAccessible::Description).contains(u'1'));
    EXPECT_TRUE(Spoken(&s.Find<QWidget>("WeightGraph"), QAccessible::Description).contains(u"65.4"_s));
    QAccessibleTableCellInterface* cell =
        QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(4, 1)->tableCellInterface();
    // Qt makes new header cells for each call and leaves them to the caller; handing them to its
    // cache is the way to delete them.
    const QList<QAccessibleInterface*> columns = cell->columnHeaderCells();
    const QList<QAccessibleInterface*> rows = cell->rowHeaderCells();
    const QString said = columns.size() == 1 && rows.size() == 1
                             ? columns[0]->text(QAccessible::Name) + u" "_s + rows[0]->text(QAccessible::Name)
                             : QString();
    for (QAccessibleInterface* header : columns + rows)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    EXPECT_EQ(said, grid->item(1, 1)->text() + u", morning Weight"_s);
}

// A window remembered larger than the screen there is now, and beside it, comes back on it and as
// large as it; Print writes its page; closing remembers the window's place.
TEST(MainWindowTest, TheWindowComesBackWithinTheScreenThereIsNowAndPrints)
{
    Shell s;
    for (const auto& [key, value] :
         {std::pair{"Left", "3000"}, {"Top", "200"}, {"Width", "4000"}, {"Height", "3000"}})
        s.store.Save(u"Window"_s, QString::fromLatin1(key), QString::fromLatin1(value));
    MainWindow& w = s.Start();
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(w.pos()));
    EXPECT_TRUE(screen.contains(w.frameGeometry()) && w.width() > 780) << w.width(); // shrunk to it
    const QString pdf = s.temp.File(u"page.pdf"_s);
    s.printerDialog.Script(pdf);
    s.Command("print");
    EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF"));
    w.move(20, 30);
    w.resize(640, 480);
    w.close();
    EXPECT_EQ(s.store.Get(u"Window"_s, u"Left"_s, {}) + s.store.Get(u"Window"_s, u"Width"_s, {}), u"20640"_s);
}

} // namespace
