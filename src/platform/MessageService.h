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

// The keys of a message box: the answer Enter gives (its default button) and the answer Escape and
// the window's close button give. The escape answer may be AnswerCancel on a box that shows no Cancel
// button: a question such as "Save data and continue process?" answered Yes or No, where closing the
// box means "leave me where I am".
struct MessageKeys {
    Answer enter;
    Answer escape;
};

// Whether a box of the button kind shows the button of the answer.
inline bool Offers(ButtonKind buttons, Answer answer)
{
    switch (buttons) {
    case ButtonsOk:
        return answer == AnswerOk;
    case ButtonsOkCancel:
        return answer == AnswerOk || answer == AnswerCancel;
    case ButtonsAbortRetryIgnore:
        return answer == AnswerAbort || answer == AnswerRetry || answer == AnswerIgnore;
    case ButtonsYesNoCancel:
        return answer == AnswerYes || answer == AnswerNo || answer == AnswerCancel;
    case ButtonsYesNo:
        return answer == AnswerYes || answer == AnswerNo;
    case ButtonsRetryCancel:
        return answer == AnswerRetry || answer == AnswerCancel;
    }
    return false;
}

// The usual keys of a button kind: Enter takes the first button; Escape takes Cancel where there is
// one, else the button that declines (No, Abort), else the only button.
inline MessageKeys DefaultKeys(ButtonKind buttons)
{
    switch (buttons) {
    case ButtonsOkCancel:
        return {AnswerOk, AnswerCancel};
    case ButtonsAbortRetryIgnore:
        return {AnswerAbort, AnswerAbort};
    case ButtonsYesNoCancel:
        return {AnswerYes, AnswerCancel};
    case ButtonsYesNo:
        return {AnswerYes, AnswerNo};
    case ButtonsRetryCancel:
        return {AnswerRetry, AnswerCancel};
    case ButtonsOk:
        break;
    }
    return {AnswerOk, AnswerOk};
}

// The one modal message box of the program. The title is always the program's name; the text is
// complete when passed (callers join table texts with CR LF).
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual Answer ShowMessage(const QString& text, ButtonKind buttons, IconKind icon) = 0;
    // A message whose keys differ from the button kind's usual ones. A service without keys (a
    // console) shows it as ShowMessage does.
    virtual Answer ShowQuestion(const QString& text, ButtonKind buttons, IconKind icon, MessageKeys keys)
    {
        static_cast<void>(keys);
        return ShowMessage(text, buttons, icon);
    }
};

} // namespace tarvel
