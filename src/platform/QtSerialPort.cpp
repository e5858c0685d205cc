#include "platform/QtSerialPort.h"

#include <QFileInfo>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace tarvel {

namespace {

// Failures other than a held port: a number per kind of failure, with Qt's description. The
// numbers follow the classic serial control's, and only a port already open gets kPortAlreadyOpen:
// the opening ladder and the Port dialog treat that one alone as "there, but busy".
constexpr int kDeviceMissing = 8002;
constexpr int kNoAccess = 8013;

int FailureNumber(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return 0;
    case QSerialPort::DeviceNotFoundError:
        return kDeviceMissing;
    case QSerialPort::PermissionError:
        return kNoAccess;
    case QSerialPort::OpenError:
        return kPortAlreadyOpen; // Qt's "already open in this object"
    case QSerialPort::ResourceError:
        return 8010; // the device is no longer available
    case QSerialPort::NotOpenError:
        return 8012;
    case QSerialPort::UnsupportedOperationError:
        return 8015; // the line settings could not be set
    case QSerialPort::ReadError:
        return 8016;
    case QSerialPort::WriteError:
        return 8017;
    case QSerialPort::TimeoutError:
        return 8018;
    case QSerialPort::UnknownError:
        break;
    }
    return 8019;
}

} // namespace

QtSerialPort::QtSerialPort(SerialPortMap map, QObject* parent)
    : SerialPort(parent), m_map(std::move(map)), m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, [this] {
        if (m_notifying)
            Q_EMIT Received();
    });
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { OnError(error); });
}

QtSerialPort::~QtSerialPort() = default;

void QtSerialPort::SelectPort(int portNumber)
{
    m_portNumber = portNumber;
}

PortResult QtSerialPort::Open()
{
    if (m_port->isOpen())
        return {kPortAlreadyOpen, QStringLiteral("Port already open")};
    const QString path = m_map.DevicePath(m_portNumber);
    const QFileInfo device(path);
    if (path.isEmpty() || !device.exists())
        return {kDeviceMissing,
                QStringLiteral("No device %1").arg(path.isEmpty() ? QStringLiteral("for this port") : path)};
    // A device the user may not use gives the same error from Qt as one another program holds;
    // tell them apart before opening.
    if (!device.isReadable() || !device.isWritable())
        return {kNoAccess,
                QStringLiteral("Permission denied on %1 (is the user in the dialout group?)").arg(path)};

    m_port->setPortName(path);
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = m_port->error();
        const QString description = m_port->errorString();
        m_port->clearError();
        // Qt reports a port locked by another program as a permission error.
        if (error == QSerialPort::PermissionError)
            return {kPortAlreadyOpen, description};
        return {FailureNumber(error), description};
    }
    // A pseudo-terminal (the virtual scale) always carries 8 bits without parity and refuses the
    // scale's 7 bits with even parity; that does not matter for its ASCII messages.
    const bool pseudoTerminal = device.canonicalFilePath().startsWith(QStringLiteral("/dev/pts/"));
    bool set = m_port->setBaudRate(QSerialPort::Baud2400) && m_port->setStopBits(QSerialPort::OneStop) &&
               m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (set) {
        const bool framing =
            m_port->setDataBits(QSerialPort::Data7) && m_port->setParity(QSerialPort::EvenParity);
        set = framing || pseudoTerminal;
    }
    if (!set) {
        const PortResult result{FailureNumber(m_port->error()), m_port->errorString()};
        m_port->close();
        m_port->clearError();
        return result;
    }
    m_port->clearError();
    m_port->setReadBufferSize(0);
    DropParityErrors();
    return {};
}

void QtSerialPort::DropParityErrors()
{
#ifdef Q_OS_UNIX
    // Qt leaves input parity checking off, so a character spoilt on the line would arrive as a
    // wrong character. With checking on and errored characters ignored, the driver drops it; the
    // message then fails its checks instead of giving a wrong weight.
    termios settings{};
    const int fd = static_cast<int>(m_port->handle());
    if (fd >= 0 && tcgetattr(fd, &settings) == 0) {
        settings.c_iflag |= INPCK | IGNPAR;
        tcsetattr(fd, TCSANOW, &settings);
    }
#endif
}

PortResult QtSerialPort::Close()
{
    if (m_port->isOpen())
        m_port->close();
    m_port->clearError();
    return {};
}

bool QtSerialPort::IsOpen() const
{
    return m_port->isOpen();
}

int QtSerialPort::BufferedCount() const
{
    return m_port->isOpen() ? static_cast<int>(m_port->bytesAvailable()) : 0;
}

QByteArray QtSerialPort::Read(int n)
{
    if (!m_port->isOpen() || n <= 0)
        return {};
    return m_port->read(n);
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error)
{
    // A device that went away (a USB adapter pulled, the other end of a pseudo-terminal closed)
    // makes Qt report read errors over and over: close at once and report it one time.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    if (!m_port->isOpen())
        return;
    const PortResult lost{FailureNumber(error), m_port->errorString()};
    m_port->close();
    m_port->clearError();
    Q_EMIT DeviceLost(lost);
}

} // namespace tarvel
