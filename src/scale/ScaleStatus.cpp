#include "scale/ScaleStatus.h"

#include "platform/TextTable.h"
#include "scale/PortConnection.h"

namespace tarvel {

namespace {

QString PortName(int portNo, const std::function<QString(int)>& deviceName)
{
    const QString device = deviceName ? deviceName(portNo) : QString();
    const QString port = QStringLiteral("Com%1").arg(portNo);
    return device.isEmpty() ? port : port + QStringLiteral(" (%1)").arg(device);
}

} // namespace

QString ScaleStatusText(const PortConnection& connection, const std::function<QString(int)>& deviceName,
                        const std::optional<ScaleReading>& last)
{
    if (connection.State() == PortState::NoScale) {
        if (connection.FellBackFrom() == 0)
            return LoadText(1400);
        return LoadText(1405).arg(PortName(connection.FellBackFrom(), deviceName));
    }
    const QString port = PortName(connection.PortNo(), deviceName);
    if (!connection.Connected())
        return LoadText(1403).arg(port);
    if (last)
        return LoadText(1402).arg(port, last->weight, last->time);
    return LoadText(connection.Reconnected() ? 1404 : 1401).arg(port);
}

} // namespace tarvel
