#include "platform/QtMessageService.h"

#include "platform/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

using namespace tarvel;

namespace {

// The real QMessageBox: the buttons and icon each kind shows, and the answer a click on a button, Enter,
// Escape or the close button gives, with the usual keys and with chosen ones (a Cancel the box does not
// show still answers Escape and the close button).
TEST(QtMessageService, ButtonKindsIconKindsKeysAndAnswers)
{
    using B = QMessageBox;
    const MessageKeys stay{AnswerYes, AnswerCancel}, declineByDefault{AnswerNo, AnswerNo};
    const B::StandardButtons ari = B::Abort | B::Retry | B::Ignore, ync = B::Yes | B::No | B::Cancel;
    const struct {
        ButtonKind buttonKind;
        IconKind iconKind;
        B::StandardButtons buttons;
        B::Icon icon;
        B::StandardButton press; // NoButton: the key or the close button
        const char* key;         // "enter", "escape" or "close"
        std::optional<MessageKeys> keys;
        Answer answer;
    } cases[] = {
        // clang-format off
        {ButtonsOk, IconCritical, B::Ok, B::Critical, B::Ok, "", {}, AnswerOk},
        {ButtonsOkCancel, IconQuestion, B::Ok | B::Cancel, B::Question, B::Cancel, "", {}, AnswerCancel},
        {ButtonsAbortRetryIgnore, IconExclamation, ari, B::Warning, B::Abort, "", {}, AnswerAbort},
        {ButtonsAbortRetryIgnore, IconExclamation, ari, B::Warning, B::Ignore, "", {}, AnswerIgnore},
        {ButtonsYesNoCancel, IconQuestion, ync, B::Question, B::No, "", {}, AnswerNo},
        {ButtonsYesNo, IconInformation, B::Yes | B::No, B::Information, B::Yes, "", {}, AnswerYes},
        {ButtonsRetryCancel, IconInformation, B::Retry | B::Cancel, B::Information, B::Retry, "", {},
         AnswerRetry},
        {ButtonsYesNoCancel, IconQuestion, ync, B::Question, B::NoButton, "close", {}, AnswerCancel},
        {ButtonsYesNo, IconQuestion, B::Yes | B::No, B::Question, B::NoButton, "enter", stay, AnswerYes},
        {ButtonsYesNo, IconQuestion, B::Yes | B::No, B::Question, B::NoButton, "escape", stay, AnswerCancel},
        {ButtonsYesNo, IconQuestion, B::Yes | B::No, B::Question, B::NoButton, "close", stay, AnswerCancel},
        {ButtonsYesNo, IconQuestion, B::Yes | B::No, B::Question, B::NoButton, "enter", declineByDefault,
         AnswerNo},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.buttonKind << " " << c.press << c.key << (c.keys ? " keyed" : ""));
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            B::StandardButtons visible;
            for (QAbstractButton* button : box->buttons())
                visible |= button->isVisible() ? box->standardButton(button) : B::NoButton;
            EXPECT_EQ(visible, c.buttons);
            EXPECT_EQ(box->icon(), c.icon) << c.iconKind;
            seen = box->windowTitle() + QLatin1Char('|') + box->text();
            const QString key = QString::fromLatin1(c.key);
            if (c.press != B::NoButton)
                box->button(c.press)->click();
            else if (key == u"close")
                box->close();
            else
                QTest::keyClick(box, key == u"enter" ? Qt::Key_Return : Qt::Key_Escape);
        });
        QtMessageService service;
        const QString text = QStringLiteral("line one\r\nline two");
        EXPECT_EQ(c.keys ? service.ShowQuestion(text, c.buttonKind, c.iconKind, *c.keys)
                         : service.ShowMessage(text, c.buttonKind, c.iconKind),
                  c.answer);
        EXPECT_EQ(seen, QStringLiteral("Tarvel|line one\r\nline two"));
    }
}

} // namespace
