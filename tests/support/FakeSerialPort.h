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
    PortResult Open() override;
    PortResult Close() override;
    bool IsOpen() const override { return m_open; }
    int BufferedCount() const override { return static_cast<int>(m_buffer.size()); }
    QByteArray Read(int n) override;

    // What opening port n gives; ports without a script report a missing device.
    void Script(int portNumber, PortResult result) { m_results[portNumber] = std::move(result); }
    void Exists(int portNumber) { Script(portNumber, {}); }
    // A failure for every close.
    void FailCloses(PortResult result) { m_closeFailure = std::move(result); }
    // Appends characters and notifies.
    void Feed(const QByteArray& bytes);

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
