#include "shell/ButtonArt.h"
#include "shell/ColorDlg.h"
#include "shell/Schemes.h"

#include "entry/PictureButton.h"
#include "store/Settings.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

struct Rgb {
    int r, g, b;
};

QColor C(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

// The palette as the program shows it: light, medium, dark, accent of each hue.
struct PaletteRow {
    Rgb light, medium, dark, accent;
};
const PaletteRow kBlue{{230, 242, 255}, {215, 235, 255}, {157, 206, 255}, {77, 166, 255}};
const PaletteRow kGreen{{218, 237, 229}, {201, 228, 216}, {162, 209, 188}, {124, 191, 161}};
const PaletteRow kOrange{{255, 234, 215}, {255, 224, 196}, {255, 207, 164}, {255, 188, 117}};
const PaletteRow kPink{{255, 223, 223}, {255, 206, 206}, {255, 170, 170}, {255, 132, 132}};
const PaletteRow kPurple{{255, 208, 238}, {255, 196, 233}, {255, 157, 219}, {255, 102, 198}};
const PaletteRow kGray{{192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {128, 128, 128}};

TEST(SchemeTest, EverySchemeFillsTheTabSlotsFromThePalette)
{
    // Tabs in the order Diary, List, Weight trend, BMI trend; then the list accent.
    struct Case {
        int scheme;
        const PaletteRow* tabs[4];
        Rgb listAccent;
    };
    const Case cases[] = {
        {1, {&kGreen, &kOrange, &kPink, &kBlue}, {255, 188, 117}},
        {2, {&kBlue, &kBlue, &kBlue, &kBlue}, {77, 166, 255}},
        {3, {&kGreen, &kGreen, &kGreen, &kGreen}, {124, 191, 161}},
        {4, {&kOrange, &kOrange, &kOrange, &kOrange}, {255, 188, 117}},
        {5, {&kPink, &kPink, &kPink, &kPink}, {255, 132, 132}},
        {6, {&kPurple, &kPurple, &kPurple, &kPurple}, {255, 102, 198}},
        {7, {&kGray, &kGray, &kGray, &kGray}, {128, 128, 128}},
    };
    for (const Case& c : cases) {
        const SchemeSlots slots = FillSchemeSlots(c.scheme);
        for (int tab = 0; tab < 4; ++tab) {
            const PaletteRow& want = *c.tabs[tab];
            const TabColours& got = slots.Tab(tab);
            EXPECT_EQ(got.light, C(want.light)) << c.scheme << " tab " << tab;
            EXPECT_EQ(got.medium, C(want.medium)) << c.scheme << " tab " << tab;
            EXPECT_EQ(got.dark, C(want.dark)) << c.scheme << " tab " << tab;
            // The hue decides the pictures: its accent is the row's accent.
            EXPECT_EQ(PaletteOf(got.hue).accent, C(want.accent)) << c.scheme << " tab " << tab;
        }
        EXPECT_EQ(slots.listAccent, C(c.listAccent)) << c.scheme;
    }
    // Picture sets 1..6 follow the hues blue .. gray, so scheme n >= 2 shows set n - 1.
    for (int scheme = 2; scheme <= 7; ++scheme)
        EXPECT_EQ(PaletteOf(FillSchemeSlots(scheme).Tab(0).hue).pictureSet, scheme - 1) << scheme;
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
                EXPECT_EQ(up.devicePixelRatio(), ratio);
                EXPECT_EQ(down.size(), up.size());
                EXPECT_NE(up.toImage(), down.toImage()) << ratio;
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
        EXPECT_EQ(TabLogo(Hue::Pink, ratio).deviceIndependentSize(), QSizeF(80, 38));
        EXPECT_EQ(TabLogo(Hue::Pink, ratio).size(), QSize(80, 38) * ratio);
        EXPECT_EQ(AboutLogo(ratio).deviceIndependentSize(), QSizeF(93, 44));
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
        EXPECT_EQ(PanelFace(dialog.PreElastic(k)), C(kBlue.light)) << k;
    const QColor blueButton = Middle(dialog.Command(1));

    QTest::mouseClick(dialog.Option(1), Qt::LeftButton);
    const PaletteRow* fourColours[] = {&kGreen, &kOrange, &kPink, &kBlue};
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(PanelFace(dialog.PreElastic(k)), C(fourColours[k - 1]->light)) << k;
    EXPECT_NE(Middle(dialog.Command(1)), blueButton);
    EXPECT_EQ(Middle(dialog.Command(4)), blueButton);
    // The strip takes the light colour of the tab it shows.
    EXPECT_EQ(dialog.PreviewTab()->palette().color(QPalette::Window), C(kGreen.light));
    dialog.PreviewTab()->setCurrentIndex(1);
    EXPECT_EQ(dialog.PreviewTab()->palette().color(QPalette::Window), C(kOrange.light));
    EXPECT_EQ(settings.ColorScheme, 2);

    QTest::mouseClick(dialog.OKBtn(), Qt::LeftButton);
    EXPECT_EQ(settings.ColorScheme, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Cancel and closing the window leave the scheme.
    for (const bool cancel : {true, false}) {
        ColorDlg again(settings);
        again.show();
        QTest::mouseClick(again.Option(7), Qt::LeftButton);
        EXPECT_EQ(PanelFace(again.PreElastic(1)), C(kGray.light));
        if (cancel)
            QTest::mouseClick(again.CancelBtn(), Qt::LeftButton);
        else
            again.close();
        EXPECT_FALSE(again.isVisible());
        EXPECT_EQ(settings.ColorScheme, 1) << cancel;
    }
}

} // namespace
