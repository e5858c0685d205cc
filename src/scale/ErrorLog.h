#pragma once

#include <QString>

namespace tarvel {

class Clock;
class LocaleFormats;

// The log of serial port failures, ErrLog.txt in the program's data folder. Each entry is one line
// appended and the file is closed again at once, so a crash loses nothing already logged. A log
// that cannot be written is skipped silently.
class ErrorLog {
public:
    ErrorLog(const QString& appFolder, const Clock& clock, const LocaleFormats& formats);

    // Appends "[yyyy/mm/dd hh:nn] (tag) No.=n Msg=description Port=p" and CR LF.
    void WriteErrLog(int errorNumber, const QString& description, const QString& tag, int port) const;

    // Start-up removes the previous run's log.
    void Delete() const;

    QString Path() const { return m_path; }

private:
    QString m_path;
    const Clock& m_clock;
    const LocaleFormats& m_formats;
};

} // namespace tarvel
