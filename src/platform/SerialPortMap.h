#pragma once

#include <QString>

namespace tarvel {

// Which device each port number 1..16 ("Com1".."Com16") stands for on this machine. The mapping
// is fixed, so a device keeps its number whatever else is plugged in:
//   Com1..Com4    /dev/ttyS0..ttyS3      built-in serial ports
//   Com5..Com8    /dev/ttyUSB0..ttyUSB3  USB serial adapters
//   Com9..Com12   /dev/ttyACM0..ttyACM3  USB modems and CDC adapters
//   Com13..Com16  <runtime>/tarvel/com13..com16, links that the virtual scale tarvel-scale makes
//                 to its pseudo-terminal
// <runtime> is the user's runtime folder ($XDG_RUNTIME_DIR), or the temporary folder when there
// is none.
class SerialPortMap {
public:
    // Tests point the two roots at folders of their own.
    explicit SerialPortMap(QString deviceFolder = QStringLiteral("/dev"), QString runtimeFolder = DefaultRuntimeFolder());

    static QString DefaultRuntimeFolder();

    // The device path of port n (1..16), "" for any other n. The path may not exist.
    QString DevicePath(int portNumber) const;
    // The folder the virtual ports' links live in (created by tarvel-scale when missing).
    QString VirtualPortFolder() const;
    // The first and last port numbers of the virtual ports.
    static constexpr int kFirstVirtualPort = 13;
    static constexpr int kLastVirtualPort = 16;

private:
    QString m_deviceFolder;
    QString m_runtimeFolder;
};

} // namespace tarvel
