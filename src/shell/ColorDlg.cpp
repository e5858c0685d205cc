#include "shell/ColorDlg.h"

#include "platform/DialogFont.h"
#include "platform/PictureButton.h"
#include "platform/ScreenFit.h"
#include "platform/TextTable.h"
#include "shell/ButtonArt.h"
#include "shell/SchemePainter.h"
#include "shell/Schemes.h"
#include "store/Settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace tarvel {

ColorDlg::ColorDlg(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings),
      m_shown(settings.ColorScheme >= 1 && settings.ColorScheme <= kSchemeCount ? settings.ColorScheme : 1)
{
    setWindowTitle(LoadText(TextId::AppearanceTitle));
    UseDialogFont(*this);

    m_check = new QLabel(LoadText(TextId::SelectScreenColor), this);
    auto* options = new QVBoxLayout;
    for (int k = 1; k <= kSchemeCount; ++k) {
        auto* option = new QRadioButton(LoadText(kSchemeNameTexts[Index(k)]), this);
        option->setObjectName(QStringLiteral("scheme%1").arg(k));
        m_options.at(Index(k)) = option;
        options->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, k] { ShowPreview(k); });
    }
    options->addStretch(1);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(LoadText(TextId::Cancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_ok, &QPushButton::clicked, this, &ColorDlg::Accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addLayout(options);
    body->addSpacing(12);
    body->addWidget(BuildPreview(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_check);
    layout->addSpacing(4);
    layout->addLayout(body);
    layout->addLayout(buttons);

    m_options.at(Index(m_shown))->setChecked(true);
    ShowPreview(m_shown);
    FitToScreen(*this);
}

QWidget* ColorDlg::BuildPreview()
{
    // The strip's tabs stand over the four panels, each a quarter of the preview's width, each with
    // its button centred in it.
    auto* preview = new QWidget(this);
    m_previewTab = new QTabBar(preview);
    m_previewTab->setObjectName(QStringLiteral("previewTabs"));
    m_previewTab->setExpanding(true);
    m_previewTab->setDrawBase(false);
    m_previewTab->setToolTip(LoadText(TextId::PreviewTip));
    auto* panels = new QHBoxLayout;
    panels->setSpacing(0);
    for (int k = 1; k <= 4; ++k) {
        m_previewTab->addTab(LoadText(kTabCaptionTexts[Index(k)]));
        auto* panel = new QWidget(preview);
        panel->setObjectName(QStringLiteral("preview%1").arg(k));
        panel->setToolTip(LoadText(TextId::PreviewTip));
        auto* button = new PictureButton(LoadText(TextId::ButtonSample), PictureButton::Kind::Large, panel);
        button->setObjectName(QStringLiteral("previewButton%1").arg(k));
        button->setToolTip(LoadText(TextId::PreviewTip));
        auto* centre = new QHBoxLayout(panel);
        centre->setContentsMargins(8, 24, 8, 24);
        centre->addStretch(1);
        centre->addWidget(button);
        centre->addStretch(1);
        panel->setMinimumWidth(button->sizeHint().width() + 24);
        panels->addWidget(panel, 1);
        m_panels.at(Index(k)) = panel;
        m_buttons.at(Index(k)) = button;
    }
    connect(m_previewTab, &QTabBar::currentChanged, this, &ColorDlg::SyncPreviewTab);
    auto* layout = new QVBoxLayout(preview);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_previewTab);
    layout->addLayout(panels, 1);
    return preview;
}

void ColorDlg::ShowPreview(int colorScheme)
{
    m_shown = colorScheme;
    const SchemeSlots slots = FillSchemeSlots(colorScheme);
    const qreal ratio = devicePixelRatio();
    for (int k = 1; k <= 4; ++k) {
        const TabColours& tab = slots.Tab(k - 1);
        PaintPanel(*m_panels.at(Index(k)), tab.light);
        m_buttons.at(Index(k))->SetPictures(ButtonPicture(tab.hue, ButtonShape::Large, false, ratio),
                                            ButtonPicture(tab.hue, ButtonShape::Large, true, ratio));
    }
    SyncPreviewTab();
}

void ColorDlg::SyncPreviewTab()
{
    const int shown = m_previewTab->currentIndex();
    if (shown >= 0 && shown < 4)
        PaintTabStrip(*m_previewTab, FillSchemeSlots(m_shown).Tab(shown).light);
}

void ColorDlg::Accept()
{
    m_settings.ColorScheme = m_shown;
    accept();
}

} // namespace tarvel
