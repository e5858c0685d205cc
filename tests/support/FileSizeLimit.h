#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

namespace tarvel::testing {

// Limits the size of files this process may write while it lives, so a real write fails with
// EFBIG as on a full disk, even for root. SIGXFSZ is ignored meanwhile so the write returns an
// error instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
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
    rlimit m_saved{};
    bool m_active = false;
    void (*m_handler)(int) = nullptr;
};

} // namespace tarvel::testing
