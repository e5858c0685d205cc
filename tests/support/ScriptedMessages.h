#pragma once

#include "platform/MessageService.h"

#include <QString>

#include <deque>
#include <vector>

namespace tarvel::testing {

// The message box double: answers from a script, in order, and records every message it was
// asked to show. A message beyond the script is answered with OK (or Cancel when OK is no choice)
// and counted as unscripted, so a test can tell an unexpected message.
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString text;
        int buttonKind;
        int iconKind;
    };

    explicit ScriptedMessages(std::deque<int> answers = {}) : m_answers(std::move(answers)) {}

    int ShowMessage(const QString& text, int buttonKind, int iconKind) override;

    void Script(int answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    int Unscripted() const { return m_unscripted; }
    bool ScriptUsedUp() const { return m_answers.empty(); }

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
    int m_unscripted = 0;
};

} // namespace tarvel::testing
