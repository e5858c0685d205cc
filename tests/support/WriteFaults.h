#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tarvel::testing {

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

// Whether a folder's permissions stop this process from writing into it, tried once. They do not
// for root (as in many containers), so a test then has to fail the write another way.
inline bool PermissionsStopWrites()
{
    static const bool stop = [] {
        QTemporaryDir dir;
        const ReadOnlyFolder readOnly(dir.path());
        return !QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
    }();
    return stop;
}

// Limits the size of files this process may write while it lives, so a real write fails with
// EFBIG as on a full disk, even for root. SIGXFSZ is ignored meanwhile so the write returns an
// error instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        m_active = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        rlimit limited = m_saved;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Active() const { return m_active; }

private:
    void (*m_handler)(int);
    rlimit m_saved{};
    bool m_active = false;
};

} // namespace tarvel::testing
