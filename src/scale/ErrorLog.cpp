#include "scale/ErrorLog.h"

#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/LocaleFormats.h"

#include <QFile>

namespace tarvel {

ErrorLog::ErrorLog(const QString& appFolder, const Clock& clock, const LocaleFormats& formats)
    : m_path(WithTrailingSlash(appFolder) + QStringLiteral("ErrLog.txt")), m_clock(clock), m_formats(formats)
{
}

void ErrorLog::WriteErrLog(int errorNumber, const QString& description, const QString& tag, int port) const
{
    const QDateTime now = m_clock.Now();
    const QString line = QLatin1Char('[') +
                         m_formats.FormatDateTime(now.date(), now.time(), u"yyyy/mm/dd hh:nn") +
                         QStringLiteral("] (") + tag + QStringLiteral(") No.=") +
                         QString::number(errorNumber) + QStringLiteral(" Msg=") + description +
                         QStringLiteral(" Port=") + QString::number(port) + QStringLiteral("\r\n");
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(line.toUtf8());
    file.close();
}

void ErrorLog::Delete() const
{
    QFile::remove(m_path);
}

} // namespace tarvel
