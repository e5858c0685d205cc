#pragma once

#include "platform/PictureButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <array>

namespace tarvel::testing {

// The Diary page's controls, found by their object names; slot 0 is the morning, 1 the night.
struct PageControls {
    explicit PageControls(const QWidget& page) : m_page(page)
    {
        for (std::size_t i = 0; i < 2; ++i) {
            const char* slot = i == 0 ? "morning" : "night";
            time[i] = Find<QLineEdit>(slot, "Time");
            weight[i] = Find<QLineEdit>(slot, "Weight");
            bmi[i] = Find<QLineEdit>(slot, "Bmi");
            memo[i] = Find<QPlainTextEdit>(slot, "Memo");
            timeButton[i] = Find<PictureButton>(slot, "TimeButton");
            bmiButton[i] = Find<PictureButton>(slot, "BmiButton");
        }
    }

    template <class W> W* Find(const char* name, const char* suffix = "") const
    {
        auto* found = m_page.findChild<W*>(QString::fromLatin1(name) + QString::fromLatin1(suffix));
        EXPECT_NE(found, nullptr) << name << suffix;
        return found;
    }

    const QWidget& m_page;
    QLineEdit* name = Find<QLineEdit>("name");
    QLineEdit* height = Find<QLineEdit>("height");
    QRadioButton* male = Find<QRadioButton>("male");
    QRadioButton* female = Find<QRadioButton>("female");
    QLineEdit* date = Find<QLineEdit>("date");
    PictureButton* dateButton = Find<PictureButton>("dateButton");
    std::array<QLineEdit*, 2> time{}, weight{}, bmi{};
    std::array<QPlainTextEdit*, 2> memo{};
    std::array<PictureButton*, 2> timeButton{}, bmiButton{};
    QLabel* position = Find<QLabel>("position");
    QLabel* count = Find<QLabel>("count");
    PictureButton* previous = Find<PictureButton>("previousButton");
    PictureButton* next = Find<PictureButton>("nextButton");
    PictureButton* save = Find<PictureButton>("saveButton");
    PictureButton* newDay = Find<PictureButton>("newButton");
    PictureButton* remove = Find<PictureButton>("deleteButton");
};

} // namespace tarvel::testing
