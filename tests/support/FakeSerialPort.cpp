#include "support/FakeSerialPort.h"

namespace tarvel::testing {

PortResult FakeSerialPort::Open()
{
    calls.push_back(QStringLiteral("open %1").arg(m_selected));
    if (m_open)
        return {kPortAlreadyOpen, QStringLiteral("Port already open")};
    const auto scripted = m_results.find(m_selected);
    const PortResult result =
        scripted == m_results.end() ? PortResult{8002, QStringLiteral("No such device")} : scripted->second;
    m_open = result.Ok();
    return result;
}

PortResult FakeSerialPort::Close()
{
    calls.push_back(QStringLiteral("close %1").arg(m_selected));
    m_open = false;
    m_buffer.clear();
    return m_closeFailure;
}

QByteArray FakeSerialPort::Read(int n)
{
    const QByteArray taken = m_buffer.left(n);
    m_buffer.remove(0, taken.size());
    return taken;
}

void FakeSerialPort::Feed(const QByteArray& bytes)
{
    m_buffer += bytes;
    Q_EMIT Received();
}

} // namespace tarvel::testing
