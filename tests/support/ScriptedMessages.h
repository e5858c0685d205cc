#pragma once

#include "platform/MessageService.h"

#include <QList>
#include <QString>

#include <vector>

namespace tarvel::testing {

// The message box double: answers from a script, in order, and records every message it was asked
// to show. A message beyond the script is answered with OK, or Cancel when OK is no choice.
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString text;
        ButtonKind buttonKind;
        IconKind iconKind;
    };

    Answer ShowMessage(const QString& text, ButtonKind buttonKind, IconKind iconKind) override
    {
        m_shown.push_back({text, buttonKind, iconKind});
        if (m_answers.isEmpty())
            return buttonKind == ButtonsOk || buttonKind == ButtonsOkCancel ? AnswerOk : AnswerCancel;
        return m_answers.takeFirst();
    }
    void Script(Answer answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    bool ScriptUsedUp() const { return m_answers.isEmpty(); }

private:
    QList<Answer> m_answers;
    std::vector<Shown> m_shown;
};

} // namespace tarvel::testing
