#pragma once

#include "platform/SerialPort.h"

#include <map>
#include <vector>

namespace tarvel::testing {

// A serial port double. Each port number answers Open with a scripted result (default: no such
// device); characters the test feeds wait in a buffer and raise Received, as a real port does.
class FakeSerialPort : public SerialPort {
public:
    void SelectPort(int portNumber) override { m_selected = portNumber; }
    int SelectedPort() const override { return m_selected; }
    PortResult Open() override
    {
        calls.push_back(QStringLiteral("open %1").arg(m_selected));
        if (m_open)
            return {kPortAlreadyOpen, QStringLiteral("Port already open")};
        const auto scripted = m_results.find(m_selected);
        const PortResult result = scripted == m_results.end()
                                      ? PortResult{8002, QStringLiteral("No such device")}
                                      : scripted->second;
        m_open = result.Ok();
        return result;
    }
    PortResult Close() override
    {
        calls.push_back(QStringLiteral("close %1").arg(m_selected));
        m_open = false;
        m_buffer.clear();
        return m_closeFailure;
    }
    bool IsOpen() const override { return m_open; }
    int BufferedCount() const override { return static_cast<int>(m_buffer.size()); }
    QByteArray Read(int n) override
    {
        const QByteArray taken = m_buffer.left(n);
        m_buffer.remove(0, taken.size());
        return taken;
    }

    // What opening port n gives; ports without a script report a missing device.
    void Script(int portNumber, PortResult result) { m_results[portNumber] = std::move(result); }
    void Exists(int portNumber) { Script(portNumber, {}); }
    // A failure for every close.
    void FailCloses(PortResult result) { m_closeFailure = std::move(result); }
    // Appends characters and notifies.
    void Feed(const QByteArray& bytes)
    {
        m_buffer += bytes;
        Q_EMIT Received();
    }

    // Every Open and Close as "open n" / "close n", in order.
    std::vector<QString> calls;

private:
    std::map<int, PortResult> m_results;
    PortResult m_closeFailure;
    int m_selected = 1;
    bool m_open = false;
    QByteArray m_buffer;
};

} // namespace tarvel::testing
