#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace tarvel::testing {

// Whether a folder's permissions stop this process from writing into it: tried once on a
// read-only temporary folder. They do not for root (as in many containers), so a test then has to
// fail the write another way.
inline bool PermissionsStopWrites()
{
    static const bool stop = [] {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        ::chmod(folder.constData(), 0555);
        QFile probe(dir.filePath(QStringLiteral("probe")));
        const bool refused = !probe.open(QIODevice::WriteOnly);
        ::chmod(folder.constData(), 0755);
        return refused;
    }();
    return stop;
}

// Takes the write permission of a folder away while it lives.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : m_path(QFile::encodeName(path))
    {
        ::chmod(m_path.constData(), 0555);
    }
    ~ReadOnlyFolder() { ::chmod(m_path.constData(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QByteArray m_path;
};

} // namespace tarvel::testing
