// The Diary page's names for screen readers.

#include "entry/DiaryPage.h"

#include "platform/PictureButton.h"
#include "platform/TextTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tarvel {

void DiaryPage::nameForScreenReaders()
{
    m_dateLabel->setBuddy(m_date);
    m_heightLabel->setBuddy(m_height);
    // The label beside the name reads "'s Tarvel", which names nothing.
    m_name->setAccessibleName(LoadText(TextId::YourName));
    m_dateButton->setAccessibleName(LoadText(TextId::ChooseDate));
    // Descriptions say what a control does where its tooltip does not: the date button opens the
    // calendar, and the time inputs share their tooltip with the date input.
    m_dateButton->setAccessibleDescription(LoadText(TextId::DateButtonDescription));

    // Per slot, morning then night: time, weight, BMI, memo, the time button and the BMI button.
    struct SlotTexts {
        TextId time, weight, bmi, memo, timeButton, bmiButton;
    };
    constexpr SlotTexts kSlotTexts[2] = {
        {TextId::MorningTime, TextId::MorningWeight, TextId::MorningBmi, TextId::MorningMemo,
         TextId::EnterMorningTime, TextId::ComputeMorningBmi},
        {TextId::NightTime, TextId::NightWeight, TextId::NightBmi, TextId::NightMemo, TextId::EnterNightTime,
         TextId::ComputeNightBmi}};
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const SlotTexts& texts = kSlotTexts[slot];
        m_time[slot]->setAccessibleName(LoadText(texts.time));
        m_time[slot]->setAccessibleDescription(LoadText(TextId::TimeDescription));
        m_weight[slot]->setAccessibleName(LoadText(texts.weight));
        m_bmi[slot]->setAccessibleName(LoadText(texts.bmi));
        m_memo[slot]->setAccessibleName(LoadText(texts.memo));
        m_timeButton[slot]->setAccessibleName(LoadText(texts.timeButton));
        m_bmiButton[slot]->setAccessibleName(LoadText(texts.bmiButton));
    }
}

} // namespace tarvel
