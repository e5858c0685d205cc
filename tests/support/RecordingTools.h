#pragma once

#include "platform/FileTypeRegistry.h"

#include <QStringList>

namespace tarvel::testing {

// The tool runner double: finds only the tools it is told are installed (in /usr/bin), and records
// the runs ("program arguments") and detached starts ("start program arguments") instead of
// running anything.
class RecordingTools : public ToolRunner {
public:
    explicit RecordingTools(QStringList installed = {}) : m_installed(std::move(installed)) {}
    QString FindTool(const QString& name) const override
    {
        return m_installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    void RunTool(const QString& program, const QStringList& arguments) override
    {
        calls << (QStringList{program} + arguments).join(QLatin1Char(' '));
    }
    bool StartTool(const QString& program, const QStringList& arguments) override
    {
        calls << (QStringList{QStringLiteral("start"), program} + arguments).join(QLatin1Char(' '));
        return true;
    }
    QStringList calls;

private:
    QStringList m_installed;
};

} // namespace tarvel::testing
