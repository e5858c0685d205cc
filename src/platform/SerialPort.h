#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace tarvel {

// Where the scale link reads its characters from: a serial port, or a test feeding it directly.
class CharacterSource {
public:
    virtual ~CharacterSource() = default;
    // How many received characters are waiting.
    virtual int BufferedCount() const = 0;
    // Removes and returns the next n waiting characters (fewer only when fewer are waiting).
    virtual QByteArray Read(int n) = 0;
};

// The outcome of opening or closing a port: 0 for success, kPortAlreadyOpen when the port is
// held (by this or another program), any other number for another failure, with its description
// for the error log.
struct PortResult {
    int number = 0;
    QString description;
    bool Ok() const { return number == 0; }
};

inline constexpr int kPortAlreadyOpen = 8005;

// One serial port at the scale's fixed line settings (2400 baud, 7 data bits, even parity, 1 stop
// bit), addressed by its number 1..16 ("Com1".."Com16"). Received() comes on the thread that owns
// the object whenever characters arrived; DeviceLost() once when the device went away while open
// (the port is then already closed).
class SerialPort : public QObject, public CharacterSource {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void SelectPort(int portNumber) = 0;
    virtual int SelectedPort() const = 0;
    virtual PortResult Open() = 0;
    // Closing a port that is not open succeeds.
    virtual PortResult Close() = 0;
    virtual bool IsOpen() const = 0;

Q_SIGNALS:
    void Received();
    void DeviceLost(const PortResult& error);
};

} // namespace tarvel
