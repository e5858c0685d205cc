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
    explicit PageControls(const QWidget& page) : m_page(page) {}

    template <class W> W* Find(const QByteArray& name) const
    {
        auto* found = m_page.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name.constData();
        return found;
    }
    template <class W> std::array<W*, 2> Slots(const char* suffix) const
    {
        return {Find<W>("morning" + QByteArray(suffix)), Find<W>("night" + QByteArray(suffix))};
    }

    const QWidget& m_page;
    QLineEdit* name = Find<QLineEdit>("name");
    QLineEdit* height = Find<QLineEdit>("height");
    QRadioButton* male = Find<QRadioButton>("male");
    QRadioButton* female = Find<QRadioButton>("female");
    QLineEdit* date = Find<QLineEdit>("date");
    PictureButton* dateButton = Find<PictureButton>("dateButton");
    std::array<QLineEdit*, 2> time = Slots<QLineEdit>("Time"), weight = Slots<QLineEdit>("Weight"),
                              bmi = Slots<QLineEdit>("Bmi");
    std::array<QPlainTextEdit*, 2> memo = Slots<QPlainTextEdit>("Memo");
    std::array<PictureButton*, 2> timeButton = Slots<PictureButton>("TimeButton"),
                                  bmiButton = Slots<PictureButton>("BmiButton");
    QLabel* position = Find<QLabel>("position");
    QLabel* count = Find<QLabel>("count");
    PictureButton* previous = Find<PictureButton>("previousButton");
    PictureButton* next = Find<PictureButton>("nextButton");
    PictureButton* save = Find<PictureButton>("saveButton");
    PictureButton* newDay = Find<PictureButton>("newButton");
    PictureButton* remove = Find<PictureButton>("deleteButton");
};

} // namespace tarvel::testing
