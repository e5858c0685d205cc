#include "support/ScriptedMessages.h"

namespace tarvel::testing {

int ScriptedMessages::ShowMessage(const QString& text, int buttonKind, int iconKind)
{
    m_shown.push_back({text, buttonKind, iconKind});
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    ++m_unscripted;
    const bool okOffered = buttonKind == ButtonsOk || buttonKind == ButtonsOkCancel || buttonKind < 0 ||
                           buttonKind > ButtonsRetryCancel;
    return okOffered ? AnswerOk : AnswerCancel;
}

} // namespace tarvel::testing
