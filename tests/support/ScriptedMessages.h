#pragma once

#include "platform/MessageService.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tarvel::testing {

// The message box double: answers from a script, in order, and records every message it was asked
// to show. Like the real box it gives only an answer the box offers: one of its buttons, or what
// Escape gives; any other scripted answer fails the test. A scripted answer may name the button kind
// the question must show. A message beyond the script is answered as Escape answers it.
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString text;
        ButtonKind buttonKind;
        IconKind iconKind;
        MessageKeys keys = DefaultKeys(buttonKind);
    };

    Answer ShowMessage(const QString& text, ButtonKind buttonKind, IconKind iconKind) override
    {
        return ShowQuestion(text, buttonKind, iconKind, DefaultKeys(buttonKind));
    }
    Answer ShowQuestion(const QString& text, ButtonKind buttonKind, IconKind iconKind,
                        MessageKeys keys) override
    {
        m_shown.push_back({text, buttonKind, iconKind, keys});
        if (m_answers.isEmpty())
            return keys.escape;
        const Scripted next = m_answers.takeFirst();
        if (next.buttons && *next.buttons != buttonKind)
            ADD_FAILURE() << "asked with button kind " << buttonKind << " instead of " << *next.buttons
                          << ": " << text.toStdString();
        if (!Offers(buttonKind, next.answer) && next.answer != keys.escape)
            ADD_FAILURE() << "answer " << next.answer << " is no choice of button kind " << buttonKind << ": "
                          << text.toStdString();
        return next.answer;
    }
    void Script(Answer answer) { m_answers.push_back({answer, std::nullopt}); }
    // The answer to a question that must show the given buttons.
    void Script(Answer answer, ButtonKind buttons) { m_answers.push_back({answer, buttons}); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    // The texts shown, in order: how a test reads back what the user read.
    QStringList Texts() const
    {
        QStringList texts;
        for (const Shown& shown : m_shown)
            texts << shown.text;
        return texts;
    }
    bool ScriptUsedUp() const { return m_answers.isEmpty(); }

private:
    struct Scripted {
        Answer answer;
        std::optional<ButtonKind> buttons;
    };
    QList<Scripted> m_answers;
    std::vector<Shown> m_shown;
};

} // namespace tarvel::testing
