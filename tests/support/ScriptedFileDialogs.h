#pragma once

#include "platform/FileDialogs.h"

#include <QString>

#include <deque>
#include <vector>

namespace tarvel::testing {

// The file dialog double: answers from a script of paths, in order ("" is Cancel), and records every
// dialog it was asked to show. A dialog beyond the script is cancelled and counted as unscripted.
class ScriptedFileDialogs : public FileDialogs {
public:
    enum Kind { Open, Save };

    struct Shown {
        Kind kind;
        QString title;
        QString folder;
        QString filter;
    };

    explicit ScriptedFileDialogs(std::deque<QString> paths = {}) : m_paths(std::move(paths)) {}

    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override;

    void Script(const QString& path) { m_paths.push_back(path); }
    const std::vector<Shown>& Dialogs() const { return m_shown; }
    int Unscripted() const { return m_unscripted; }
    bool ScriptUsedUp() const { return m_paths.empty(); }

private:
    QString Answer(Kind kind, const QString& title, const QString& folder, const QString& filter);

    std::deque<QString> m_paths;
    std::vector<Shown> m_shown;
    int m_unscripted = 0;
};

} // namespace tarvel::testing
