#include "scale/ScaleStatus.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
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
            return LoadText(TextId::NoScale);
        return LoadText(TextId::ScaleCannotOpen).arg(PortName(connection.FellBackFrom(), deviceName));
    }
    const QString port = PortName(connection.PortNo(), deviceName);
    if (!connection.Connected())
        return LoadText(TextId::ScaleNotConnected).arg(port);
    if (last)
        return LoadText(TextId::ScaleLastReading).arg(port, last->weight, last->time);
    return LoadText(connection.Reconnected() ? TextId::ScaleReconnected : TextId::ScaleConnected).arg(port);
}

QString ScaleWeightText(const LocaleFormats& formats, Mass weight)
{
    return formats.FormatNumber(weight.kg(), kWeightPattern);
}

QString BluetoothStatusText(BluetoothScaleState state, const QString& name, const QString& address,
                            const std::optional<ScaleReading>& last)
{
    if (state == BluetoothScaleState::Off)
        return LoadText(TextId::BluetoothOff);
    const QString scale = name.isEmpty() ? address : QStringLiteral("%1 (%2)").arg(name, address);
    if (state == BluetoothScaleState::Waiting)
        return LoadText(TextId::ScaleAsleep).arg(scale);
    if (last)
        return LoadText(TextId::ScaleLastReading).arg(scale, last->weight, last->time);
    return LoadText(TextId::ScaleConnected).arg(scale);
}

} // namespace tarvel
