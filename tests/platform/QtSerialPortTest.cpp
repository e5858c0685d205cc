#include "platform/QtSerialPort.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::TempFolder;

namespace {

// A pseudo-terminal whose slave is linked as Com13 in a temporary runtime folder, as tarvel-scale
// links it.
struct VirtualCom13 {
    TempFolder runtime;
    SerialPortMap map{QStringLiteral("/nonexistent-dev"), runtime.Path()};
    int master = -1;

    VirtualCom13()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        QDir().mkpath(map.VirtualPortFolder());
        QFile::link(QString::fromLocal8Bit(ptsname(master)), map.DevicePath(13));
    }
    ~VirtualCom13() { CloseMaster(); }
    void CloseMaster()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
};

TEST(QtSerialPortTest, OpensByNumberReadsAndTellsAHeldPortApart)
{
    VirtualCom13 com;
    ASSERT_GE(com.master, 0);
    QtSerialPort port(com.map);
    port.SelectPort(12); // ttyACM3 under a folder that does not exist
    const PortResult missing = port.Open();
    EXPECT_FALSE(missing.Ok());
    EXPECT_NE(missing.number, kPortAlreadyOpen);

    port.SelectPort(13);
    ASSERT_TRUE(port.Open().Ok());
    QSignalSpy received(&port, &SerialPort::Received);
    ASSERT_EQ(::write(com.master, "ST,+065.40kg\r\n", 14), 14);
    ASSERT_TRUE(QTest::qWaitFor([&] { return port.BufferedCount() == 14; }, 2000));
    EXPECT_GE(received.count(), 1);
    EXPECT_EQ(port.Read(4), QByteArray("ST,+"));
    EXPECT_EQ(port.BufferedCount(), 10);

    // Another program holding the port: the held-port number, which the Port dialog accepts.
    QtSerialPort other(com.map);
    other.SelectPort(13);
    EXPECT_EQ(other.Open().number, kPortAlreadyOpen);
    // The same object asked twice.
    EXPECT_EQ(port.Open().number, kPortAlreadyOpen);
    EXPECT_TRUE(port.Close().Ok());
    EXPECT_TRUE(other.Open().Ok());
}

TEST(QtSerialPortTest, DeviceThatGoesAwayIsClosedAndReportedOnce)
{
    VirtualCom13 com;
    ASSERT_GE(com.master, 0);
    QtSerialPort port(com.map);
    port.SelectPort(13);
    ASSERT_TRUE(port.Open().Ok());
    QSignalSpy lost(&port, &SerialPort::DeviceLost);
    com.CloseMaster();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !port.IsOpen(); }, 2000));
    QTest::qWait(200); // any further error reports would arrive here
    EXPECT_EQ(lost.count(), 1);
}

} // namespace
