#pragma once

#include "platform/SerialPort.h"
#include "platform/SerialPortMap.h"

#include <QSerialPort>

namespace tarvel {

// SerialPort on QSerialPort. Port n opens the device SerialPortMap gives for it, by path (Qt's
// port list leaves out pseudo-terminals such as the virtual scale's).
class QtSerialPort : public SerialPort {
    Q_OBJECT

public:
    explicit QtSerialPort(SerialPortMap map = SerialPortMap(), QObject* parent = nullptr);
    ~QtSerialPort() override;

    void SelectPort(int portNumber) override;
    int SelectedPort() const override { return m_portNumber; }
    PortResult Open() override;
    PortResult Close() override;
    bool IsOpen() const override;
    int BufferedCount() const override;
    QByteArray Read(int n) override;

    // Whether Received() is raised; the port dialog's test port only opens and closes.
    void SetNotifying(bool notifying) { m_notifying = notifying; }

private:
    void OnError(QSerialPort::SerialPortError error);
    void DropParityErrors();

    SerialPortMap m_map;
    QSerialPort* m_port;
    int m_portNumber = 1;
    bool m_notifying = true;
};

} // namespace tarvel
