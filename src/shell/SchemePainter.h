#pragma once

#include "shell/Schemes.h"

#include <QMetaObject>
#include <QPixmap>

#include <array>

class QColor;
class QTabBar;
class QTabWidget;
class QWidget;

namespace tarvel {

class DiaryPage;
class Views;

// Puts a colour scheme on the main window: the background of the four tab panels and of the sex
// frame, the tab strip, the calendar, the list grid, the pictures of every picture button and the
// four tab logos. The window owns it beside the tabs it paints.
class SchemePainter {
public:
    // The tab strip follows every switch of tabs (SyncTabColour) from here on.
    SchemePainter(QTabWidget& tabs, DiaryPage& page, Views& views);
    ~SchemePainter();
    SchemePainter(const SchemePainter&) = delete;
    SchemePainter& operator=(const SchemePainter&) = delete;

    // Fills the tab colour slots for colorScheme and puts colours, pictures and logos in place. The
    // tab strip takes the Diary light colour.
    void ApplyScheme(int colorScheme);
    // The tab strip takes the light colour of the tab shown.
    void SyncTabColour();

    const SchemeSlots& Slots() const { return m_slots; }
    // The button pictures as up/down pairs: 0/1 large and 2/3 wide of the Diary hue, 4/5, 6/7 and
    // 8/9 large of the List, Weight trend and BMI trend hues, 10/11 small of the Weight trend hue.
    const std::array<QPixmap, 12>& Pictures() const { return UpDnBtnImg; }

private:
    void PutPictures();
    void PutLogos();

    QTabWidget& m_tabs;
    DiaryPage& m_page;
    Views& m_views;
    SchemeSlots m_slots;
    std::array<QPixmap, 12> UpDnBtnImg;
    QMetaObject::Connection m_tabSwitch;
};

// The background of a panel, drawn by the panel itself under any style.
void PaintPanel(QWidget& panel, const QColor& colour);
// The colour of a tab strip's tabs.
void PaintTabStrip(QTabBar& strip, const QColor& colour);

} // namespace tarvel
