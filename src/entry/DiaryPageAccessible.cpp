// The Diary page's names for screen readers.

#include "entry/DiaryPage.h"

#include "platform/PictureButton.h"
#include "platform/TextTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tarvel {

void DiaryPage::NameForScreenReaders()
{
    m_dateLabel->setBuddy(m_date);
    m_heightLabel->setBuddy(m_height);
    // The label beside the name reads "'s Tarvel", which names nothing.
    m_name->setAccessibleName(LoadText(1200));
    m_dateButton->setAccessibleName(LoadText(1209));
    // Descriptions say what a control does where its tooltip does not: the date button opens the
    // calendar, and the time inputs share their tooltip with the date input.
    m_dateButton->setAccessibleDescription(LoadText(1596));

    // Per slot, morning then night: time, weight, BMI, memo, the time button and the BMI button.
    struct SlotTexts {
        int time, weight, bmi, memo, timeButton, bmiButton;
    };
    constexpr SlotTexts kSlotTexts[2] = {{1201, 1203, 1205, 1207, 1210, 1212},
                                         {1202, 1204, 1206, 1208, 1211, 1213}};
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const SlotTexts& texts = kSlotTexts[slot];
        m_time[slot]->setAccessibleName(LoadText(texts.time));
        m_time[slot]->setAccessibleDescription(LoadText(1595));
        m_weight[slot]->setAccessibleName(LoadText(texts.weight));
        m_bmi[slot]->setAccessibleName(LoadText(texts.bmi));
        m_memo[slot]->setAccessibleName(LoadText(texts.memo));
        m_timeButton[slot]->setAccessibleName(LoadText(texts.timeButton));
        m_bmiButton[slot]->setAccessibleName(LoadText(texts.bmiButton));
    }
}

} // namespace tarvel
