#include "shell/ButtonArt.h"
#include "shell/ColorDlg.h"
#include "shell/Schemes.h"

#include "platform/PictureButton.h"
#include "store/Settings.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

// The light colour of a tab under a scheme.
QColor Light(int scheme, int tab)
{
    return FillSchemeSlots(scheme).Tab(tab).light;
}

TEST(SchemeTest, SchemeOneGivesEachTabItsHueTheOthersOneHueForAll)
{
    const Hue schemeOne[] = {Hue::Green, Hue::Orange, Hue::Pink, Hue::Blue}; // Diary, List, Weight, BMI
    for (int scheme = 0; scheme <= kSchemeCount + 1; ++scheme) {             // out of range counts as 1
        const bool one = scheme < 2 || scheme > kSchemeCount;
        const SchemeSlots slots = FillSchemeSlots(scheme);
        for (int tab = 0; tab < 4; ++tab) {
            const Hue hue = one ? schemeOne[tab] : static_cast<Hue>(scheme - 2);
            const HueColours& palette = PaletteOf(hue);
            EXPECT_EQ(slots.Tab(tab).hue, hue) << scheme << " tab " << tab;
            EXPECT_EQ(QList<QColor>({slots.Tab(tab).light, slots.Tab(tab).medium, slots.Tab(tab).dark}),
                      QList<QColor>({palette.light, palette.medium, palette.dark}))
                << scheme << " tab " << tab;
            // Picture sets 1..6 follow the hues blue .. gray, so scheme n >= 2 shows set n - 1.
            EXPECT_TRUE(one || palette.pictureSet == scheme - 1) << scheme;
        }
        EXPECT_EQ(slots.listAccent, PaletteOf(one ? Hue::Orange : slots.Tab(1).hue).accent) << scheme;
    }
}

TEST(SchemeTest, PicturesHaveTheirSizesAtEveryRatioAndDownDiffersFromUp)
{
    const struct {
        ButtonShape shape;
        QSize size;
    } shapes[] = {
        {ButtonShape::Large, {105, 65}}, {ButtonShape::Wide, {112, 30}}, {ButtonShape::Small, {30, 30}}};
    for (const qreal ratio : {1.0, 2.0}) {
        for (const auto& [shape, size] : shapes) {
            for (const Hue hue : {Hue::Blue, Hue::Gray}) {
                const QPixmap up = ButtonPicture(hue, shape, false, ratio);
                const QPixmap down = ButtonPicture(hue, shape, true, ratio);
                EXPECT_EQ(up.deviceIndependentSize(), QSizeF(size)) << ratio;
                EXPECT_EQ(up.size(), size * ratio);
                EXPECT_EQ(down.size(), up.size());
                // The face is lit from above, the pressed face from below.
                const QImage upImage = up.toImage();
                const QImage downImage = down.toImage();
                const int x = up.width() / 2;
                const int top = qRound(6 * ratio);
                const int bottom = up.height() - qRound(6 * ratio);
                EXPECT_GT(qGray(upImage.pixel(x, top)), qGray(upImage.pixel(x, bottom)));
                EXPECT_LT(qGray(downImage.pixel(x, top)), qGray(downImage.pixel(x, bottom)));
            }
        }
        EXPECT_EQ(TabLogo(Hue::Pink, ratio).size(), QSize(80, 38) * ratio);
        EXPECT_EQ(AboutLogo(ratio).size(), QSize(93, 44) * ratio);
    }
    EXPECT_NE(TabLogo(Hue::Pink, 1).toImage(), TabLogo(Hue::Green, 1).toImage());
}

// The colour at the middle of a widget as it is drawn.
QColor Middle(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

// The colour a panel shows beside its button.
QColor PanelFace(QWidget* panel)
{
    return panel->grab().toImage().pixelColor(2, 2);
}

TEST(SchemeTest, AppearanceDialogPreviewsTheOptionAndOnlyOkChangesTheScheme)
{
    Settings settings;
    settings.ColorScheme = 2;
    ColorDlg dialog(settings);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.Option(2)->isChecked());
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(PanelFace(dialog.PreElastic(k)), Light(2, 0)) << k;
    const QColor blueButton = Middle(dialog.Command(1));

    QTest::mouseClick(dialog.Option(1), Qt::LeftButton);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(PanelFace(dialog.PreElastic(k)), Light(1, k - 1)) << k;
    EXPECT_NE(Middle(dialog.Command(1)), blueButton);
    EXPECT_EQ(Middle(dialog.Command(4)), blueButton);
    // The strip takes the light colour of the tab it shows.
    EXPECT_EQ(dialog.PreviewTab()->palette().color(QPalette::Window), Light(1, 0));
    dialog.PreviewTab()->setCurrentIndex(1);
    EXPECT_EQ(dialog.PreviewTab()->palette().color(QPalette::Window), Light(1, 1));
    EXPECT_EQ(settings.ColorScheme, 2);

    QTest::mouseClick(dialog.OKBtn(), Qt::LeftButton);
    EXPECT_EQ(settings.ColorScheme, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Cancel and closing the window leave the scheme.
    for (const bool cancel : {true, false}) {
        ColorDlg again(settings);
        again.show();
        QTest::mouseClick(again.Option(7), Qt::LeftButton);
        EXPECT_EQ(PanelFace(again.PreElastic(1)), Light(7, 0));
        if (cancel)
            QTest::mouseClick(again.CancelBtn(), Qt::LeftButton);
        else
            again.close();
        EXPECT_FALSE(again.isVisible());
        EXPECT_EQ(settings.ColorScheme, 1) << cancel;
    }
}

} // namespace
