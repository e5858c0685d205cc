#include "shell/SchemePainter.h"

#include "entry/DiaryPage.h"
#include "platform/PictureButton.h"
#include "shell/ButtonArt.h"
#include "views/ListView.h"
#include "views/TrendView.h"
#include "views/Views.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCharFormat>
#include <vector>

#include <algorithm>
#include <initializer_list>

namespace tarvel {

namespace {

// Captions stay dark on the light hues whatever the desktop's colours are.
const QColor kDarkText(0x1c, 0x1c, 0x1c);

void PutPair(const std::vector<PictureButton*>& buttons, const QPixmap& up, const QPixmap& down)
{
    for (PictureButton* button : buttons) {
        if (button != nullptr)
            button->SetPictures(up, down);
    }
}

} // namespace

void PaintPanel(QWidget& panel, const QColor& colour)
{
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, colour);
    // The panel's labels, options and frame titles stay dark on the light hue when the desktop's
    // own text colour is light (a dark palette).
    palette.setColor(QPalette::WindowText, kDarkText);
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
}

void PaintTabStrip(QTabBar& strip, const QColor& colour)
{
    QPalette palette = strip.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    if (strip.style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
        // Fusion draws the tabs of a tab widget from the Button colour made paler (saturation
        // x 0.75) and lighter (value x 1.01 x 1.04); this Button colour comes out as the one asked
        // for, so that the tab shown merges with its panel. Other styles draw tabs in Window.
        float hue = 0;
        float saturation = 0;
        float value = 0;
        colour.getHsvF(&hue, &saturation, &value);
        palette.setColor(QPalette::Button, QColor::fromHsvF(hue, std::min(1.0F, saturation / 0.75F),
                                                            std::min(1.0F, value / (1.01F * 1.04F))));
    }
    palette.setColor(QPalette::ButtonText, kDarkText);
    palette.setColor(QPalette::WindowText, kDarkText);
    strip.setPalette(palette);
}

SchemePainter::SchemePainter(QTabWidget& tabs, DiaryPage& page, Views& views)
    : m_tabs(tabs), m_page(page), m_views(views), m_slots(FillSchemeSlots(1))
{
    m_views.ListPanel()->Logo()->setObjectName(QStringLiteral("LogoImgL"));
    m_views.WeightPanel()->Logo()->setObjectName(QStringLiteral("LogoImgW"));
    m_views.BmiPanel()->Logo()->setObjectName(QStringLiteral("LogoImgB"));
    m_tabSwitch = QObject::connect(&tabs, &QTabWidget::currentChanged, &tabs, [this] { SyncTabColour(); });
}

SchemePainter::~SchemePainter()
{
    // The tabs outlive the painter inside the window; a switch while they are torn down must not
    // reach it.
    QObject::disconnect(m_tabSwitch);
}

void SchemePainter::ApplyScheme(int colorScheme)
{
    m_slots = FillSchemeSlots(colorScheme);
    const TabColours& diary = m_slots.Tab(DiaryTab);

    PaintTabStrip(*m_tabs.tabBar(), diary.light);
    PaintPanel(m_page, diary.light);
    PaintPanel(*m_views.ListPanel(), m_slots.Tab(ListTab).light);
    PaintPanel(*m_views.WeightPanel(), m_slots.Tab(WeightTab).light);
    PaintPanel(*m_views.BmiPanel(), m_slots.Tab(BmiTab).light);
    PaintPanel(*m_page.SexFrame(), diary.light);
    // The option buttons take the colour too, but let the frame's face show through them: styles
    // shade the inside of a frame.
    for (QRadioButton* option : m_page.SexOptions()) {
        QPalette optionPalette = option->palette();
        optionPalette.setColor(QPalette::Window, diary.light);
        option->setPalette(optionPalette);
    }

    // The calendar: its navigation bar and the selected day in the dark colour, the row of weekday
    // names in the medium colour.
    m_page.SetCalendarLook([dark = diary.dark, medium = diary.medium](QCalendarWidget& calendar) {
        QPalette palette = calendar.palette();
        palette.setColor(QPalette::Highlight, dark);
        palette.setColor(QPalette::HighlightedText, kDarkText);
        calendar.setPalette(palette);
        QTextCharFormat weekdays = calendar.headerTextFormat();
        weekdays.setBackground(medium);
        weekdays.setForeground(kDarkText);
        calendar.setHeaderTextFormat(weekdays);
    });

    m_views.List().SetListColours(m_slots.Tab(ListTab).dark, m_slots.listAccent);
    m_views.WeightView().SetLineColours({m_slots.trendLine, m_slots.goalLine});

    PutPictures();
    PutLogos();
}

void SchemePainter::SyncTabColour()
{
    const int shown = m_tabs.currentIndex();
    if (shown >= 0 && shown < 4)
        PaintTabStrip(*m_tabs.tabBar(), m_slots.Tab(shown).light);
}

void SchemePainter::PutPictures()
{
    const qreal ratio = m_tabs.devicePixelRatio();
    const auto pair = [this, ratio](std::size_t index, int tab, ButtonShape shape) {
        const Hue hue = m_slots.Tab(tab).hue;
        UpDnBtnImg.at(index) = ButtonPicture(hue, shape, false, ratio);
        UpDnBtnImg.at(index + 1) = ButtonPicture(hue, shape, true, ratio);
    };
    pair(0, DiaryTab, ButtonShape::Large);
    pair(2, DiaryTab, ButtonShape::Wide);
    pair(4, ListTab, ButtonShape::Large);
    pair(6, WeightTab, ButtonShape::Large);
    pair(8, BmiTab, ButtonShape::Large);
    pair(10, WeightTab, ButtonShape::Small);

    PutPair(m_page.LargeButtons(), UpDnBtnImg[0], UpDnBtnImg[1]);
    PutPair(m_page.WideButtons(), UpDnBtnImg[2], UpDnBtnImg[3]);
    PutPair({m_views.List().BackButton(), m_views.List().ForwardButton()}, UpDnBtnImg[4], UpDnBtnImg[5]);
    TrendView& weight = m_views.WeightView();
    TrendView& bmi = m_views.BmiView();
    PutPair({weight.FrontButton(), weight.NextButton()}, UpDnBtnImg[6], UpDnBtnImg[7]);
    PutPair({bmi.FrontButton(), bmi.NextButton()}, UpDnBtnImg[8], UpDnBtnImg[9]);
    PutPair({weight.PlusLabel(), weight.MinusLabel()}, UpDnBtnImg[10], UpDnBtnImg[11]);
}

void SchemePainter::PutLogos()
{
    const qreal ratio = m_tabs.devicePixelRatio();
    const std::array<QLabel*, 4> logos = {m_page.Logo(), m_views.ListPanel()->Logo(),
                                          m_views.WeightPanel()->Logo(), m_views.BmiPanel()->Logo()};
    for (int tab = 0; tab < 4; ++tab)
        logos.at(static_cast<std::size_t>(tab))->setPixmap(TabLogo(m_slots.Tab(tab).hue, ratio));
}

} // namespace tarvel
