#pragma once

#include <QString>

namespace tarvel {

// The line break inside a message text.
inline const QString kCrLf = QStringLiteral("\r\n");

// Button kinds of the one message box.
enum ButtonKind : int {
    ButtonsOk = 0,
    ButtonsOkCancel = 1,
    ButtonsAbortRetryIgnore = 2,
    ButtonsYesNoCancel = 3,
    ButtonsYesNo = 4,
    ButtonsRetryCancel = 5,
};

// Icon kinds; any other value shows no icon.
enum IconKind : int {
    IconCritical = 0,
    IconQuestion = 1,
    IconExclamation = 2,
    IconInformation = 3,
};

// Answers, the button the user pressed.
enum Answer : int {
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerAbort = 3,
    AnswerRetry = 4,
    AnswerIgnore = 5,
    AnswerYes = 6,
    AnswerNo = 7,
};

// The one modal message box of the program. The title is always the program's name; the text is
// complete when passed (callers join table texts with CR LF).
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual Answer ShowMessage(const QString& text, ButtonKind buttons, IconKind icon) = 0;
};

} // namespace tarvel
