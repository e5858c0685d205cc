#include "platform/QtMessageService.h"

#include "platform/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tarvel;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows a message through the real QMessageBox and presses the given button once the box is up.
int ShowAndPress(int buttonKind, int iconKind, QMessageBox::StandardButton press, SeenBox& seen)
{
    QTimer::singleShot(0, [&seen, press]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        QAbstractButton* button = box->button(press);
        ASSERT_NE(button, nullptr);
        button->click();
    });
    QtMessageService messages;
    return messages.ShowMessage(QStringLiteral("line one\r\nline two"), buttonKind, iconKind);
}

TEST(QtMessageService, ButtonKindsIconKindsAndAnswers)
{
    using B = QMessageBox;
    const struct {
        int buttonKind;
        int iconKind;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton press;
        int answer;
    } cases[] = {
        {0, 0, B::Ok, B::Critical, B::Ok, AnswerOk},
        {1, 1, B::Ok | B::Cancel, B::Question, B::Cancel, AnswerCancel},
        {2, 2, B::Abort | B::Retry | B::Ignore, B::Warning, B::Abort, AnswerAbort},
        {2, 2, B::Abort | B::Retry | B::Ignore, B::Warning, B::Ignore, AnswerIgnore},
        {3, 1, B::Yes | B::No | B::Cancel, B::Question, B::No, AnswerNo},
        {4, 3, B::Yes | B::No, B::Information, B::Yes, AnswerYes},
        {5, 3, B::Retry | B::Cancel, B::Information, B::Retry, AnswerRetry},
        {9, -1, B::Ok, B::NoIcon, B::Ok, AnswerOk}, // kinds outside the tables
    };
    for (const auto& c : cases) {
        SeenBox seen;
        const int answer = ShowAndPress(c.buttonKind, c.iconKind, c.press, seen);
        EXPECT_EQ(answer, c.answer) << c.buttonKind << "/" << c.iconKind;
        EXPECT_EQ(seen.buttons, c.buttons) << c.buttonKind;
        EXPECT_EQ(seen.icon, c.icon) << c.iconKind;
        EXPECT_EQ(seen.title, QStringLiteral("Tarvel"));
        EXPECT_EQ(seen.text, QStringLiteral("line one\r\nline two"));
    }
}

} // namespace
