#include "support/ScriptedFileDialogs.h"

namespace tarvel::testing {

QString ScriptedFileDialogs::OpenFile(const QString& title, const QString& folder, const QString& filter)
{
    return Answer(Open, title, folder, filter);
}

QString ScriptedFileDialogs::SaveFile(const QString& title, const QString& folder, const QString& filter)
{
    return Answer(Save, title, folder, filter);
}

QString ScriptedFileDialogs::Answer(Kind kind, const QString& title, const QString& folder,
                                    const QString& filter)
{
    m_shown.push_back({kind, title, folder, filter});
    if (m_paths.empty()) {
        ++m_unscripted;
        return QString();
    }
    QString path = m_paths.front();
    m_paths.pop_front();
    return path;
}

} // namespace tarvel::testing
