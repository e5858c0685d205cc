#include "platform/SerialPortMap.h"

#include <QDir>

#include <utility>

namespace tarvel {

namespace {

// Each group of four port numbers is one kind of device, numbered from 0 within its group.
constexpr int kPortsPerGroup = 4;

QString Join(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

SerialPortMap::SerialPortMap(QString deviceFolder, QString runtimeFolder)
    : m_deviceFolder(std::move(deviceFolder)), m_runtimeFolder(std::move(runtimeFolder))
{
}

QString SerialPortMap::DefaultRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime;
    return QDir::tempPath();
}

QString SerialPortMap::DevicePath(int portNumber) const
{
    if (portNumber < 1 || portNumber > kLastVirtualPort)
        return QString();
    if (portNumber >= kFirstVirtualPort)
        return Join(VirtualPortFolder(), QStringLiteral("com%1").arg(portNumber));
    static const char* const kDeviceNames[] = {"ttyS", "ttyUSB", "ttyACM"};
    const int group = (portNumber - 1) / kPortsPerGroup;
    const int index = (portNumber - 1) % kPortsPerGroup;
    return Join(m_deviceFolder, QLatin1String(kDeviceNames[group]) + QString::number(index));
}

QString SerialPortMap::VirtualPortFolder() const
{
    return Join(m_runtimeFolder, QStringLiteral("tarvel"));
}

} // namespace tarvel
