#include "platform/QtMessageService.h"

#include "platform/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

// The real QMessageBox: the buttons and icon each kind shows, and the answer each button gives.
TEST(QtMessageService, ButtonKindsIconKindsAndAnswers)
{
    using B = QMessageBox;
    const struct {
        ButtonKind buttonKind;
        IconKind iconKind;
        B::StandardButtons buttons;
        B::Icon icon;
        B::StandardButton press;
        Answer answer;
    } cases[] = {
        {ButtonsOk, IconCritical, B::Ok, B::Critical, B::Ok, AnswerOk},
        {ButtonsOkCancel, IconQuestion, B::Ok | B::Cancel, B::Question, B::Cancel, AnswerCancel},
        {ButtonsAbortRetryIgnore, IconExclamation, B::Abort | B::Retry | B::Ignore, B::Warning, B::Abort,
         AnswerAbort},
        {ButtonsAbortRetryIgnore, IconExclamation, B::Abort | B::Retry | B::Ignore, B::Warning, B::Ignore,
         AnswerIgnore},
        {ButtonsYesNoCancel, IconQuestion, B::Yes | B::No | B::Cancel, B::Question, B::No, AnswerNo},
        {ButtonsYesNo, IconInformation, B::Yes | B::No, B::Information, B::Yes, AnswerYes},
        {ButtonsRetryCancel, IconInformation, B::Retry | B::Cancel, B::Information, B::Retry, AnswerRetry},
    };
    for (const auto& c : cases) {
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->standardButtons(), c.buttons) << c.buttonKind;
            EXPECT_EQ(box->icon(), c.icon) << c.iconKind;
            seen = box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(c.press)->click();
        });
        EXPECT_EQ(
            QtMessageService().ShowMessage(QStringLiteral("line one\r\nline two"), c.buttonKind, c.iconKind),
            c.answer);
        EXPECT_EQ(seen, QStringLiteral("Tarvel|line one\r\nline two"));
    }
}

} // namespace
