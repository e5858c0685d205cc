#include "shell/ColorDlg.h"

#include "platform/PictureButton.h"
#include "shell/Schemes.h"
#include "store/Settings.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace Qt::StringLiterals;

namespace {

// The colour a widget shows near its top left corner, beside what it holds.
QColor Face(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(2, 2);
}

// The appearance dialog previews the scheme in force, then each option clicked: scheme 1 gives each
// tab its own hue, schemes 2 to 7 one hue for all. Only OK changes the scheme; closing leaves it.
TEST(SchemeTest, AppearanceDialogPreviewsTheOptionAndOnlyOkChangesTheScheme)
{
    Settings settings;
    settings.ColorScheme = 2;
    for (const bool ok : {false, true}) {
        ColorDlg dialog(settings);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const auto preview = [&dialog](int tab) {
            return Face(dialog.findChild<QWidget*>(u"preview%1"_s.arg(tab + 1)));
        };
        const auto choose = [&dialog](int scheme) {
            QTest::mouseClick(dialog.findChild<QRadioButton*>(u"scheme%1"_s.arg(scheme)), Qt::LeftButton);
        };
        EXPECT_EQ(preview(3), PaletteOf(Hue::Blue).light);
        for (int scheme = 2; scheme <= kSchemeCount; ++scheme) {
            choose(scheme);
            EXPECT_EQ(preview(1), PaletteOf(static_cast<Hue>(scheme - 2)).light) << scheme;
        }
        auto* button = dialog.findChild<PictureButton*>(u"previewButton1"_s);
        const QImage grayButton = button->grab().toImage();
        choose(1);
        const Hue tabHues[] = {Hue::Green, Hue::Orange, Hue::Pink, Hue::Blue};
        for (int tab = 0; tab < 4; ++tab)
            EXPECT_EQ(preview(tab), PaletteOf(tabHues[tab]).light) << tab;
        EXPECT_NE(button->grab().toImage(), grayButton);
        // The strip takes the light colour of the tab it shows.
        auto* strip = dialog.findChild<QTabBar*>(u"previewTabs"_s);
        strip->setCurrentIndex(1);
        EXPECT_EQ(strip->palette().color(QPalette::Window), PaletteOf(Hue::Orange).light);
        EXPECT_EQ(settings.ColorScheme, 2);
        if (ok)
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
        else
            dialog.close();
        EXPECT_EQ(settings.ColorScheme, ok ? 1 : 2);
    }
}

} // namespace
