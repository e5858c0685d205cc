#pragma once

#include "platform/FileDialogs.h"

#include <QStringList>

namespace tarvel::testing {

// The file dialog double: answers from a script of paths, in order ("" and a dialog beyond the
// script are Cancel), and records every dialog it was asked to show.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString OpenFile(const QString&, const QString& folder, const QString&) override
    {
        return Answer(QStringLiteral("open "), folder);
    }
    QString SaveFile(const QString&, const QString& folder, const QString&) override
    {
        return Answer(QStringLiteral("save "), folder);
    }
    void Script(const QString& path) { m_paths << path; }

    // Every dialog shown as "open folder" or "save folder", in order.
    QStringList shown;

private:
    QString Answer(const QString& kind, const QString& folder)
    {
        shown << kind + folder;
        return m_paths.isEmpty() ? QString() : m_paths.takeFirst();
    }

    QStringList m_paths;
};

} // namespace tarvel::testing
