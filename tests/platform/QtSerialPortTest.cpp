#include "platform/QtSerialPort.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

// The real QSerialPort on a pseudo-terminal whose slave is linked as Com13 in a temporary runtime
// folder, as tarvel-scale links it.
TEST(QtSerialPortTest, OpensByNumberReadsTellsAHeldPortApartAndReportsALostDeviceOnce)
{
    tarvel::testing::TempFolder runtime;
    const SerialPortMap map(QStringLiteral("/nonexistent-dev"), runtime.Path());
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    QDir().mkpath(map.VirtualPortFolder());
    ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(ptsname(master)), map.DevicePath(13)));

    QtSerialPort port(map);
    port.SelectPort(12); // ttyACM3 under a folder that does not exist
    const PortResult missing = port.Open();
    EXPECT_FALSE(missing.Ok());
    EXPECT_NE(missing.number, kPortAlreadyOpen);

    port.SelectPort(13);
    ASSERT_TRUE(port.Open().Ok());
    QSignalSpy received(&port, &SerialPort::Received);
    ASSERT_EQ(::write(master, "ST,+065.40kg\r\n", 14), 14);
    ASSERT_TRUE(QTest::qWaitFor([&] { return port.BufferedCount() == 14; }, 2000));
    EXPECT_GE(received.count(), 1);
    EXPECT_EQ(port.Read(4), QByteArray("ST,+"));
    EXPECT_EQ(port.BufferedCount(), 10);

    // Another program holding the port, or the same object asked twice: the held-port number, which
    // the Port dialog accepts.
    QtSerialPort other(map);
    other.SelectPort(13);
    EXPECT_EQ(other.Open().number, kPortAlreadyOpen);
    EXPECT_EQ(port.Open().number, kPortAlreadyOpen);
    EXPECT_TRUE(port.Close().Ok());
    ASSERT_TRUE(other.Open().Ok());

    // The device goes away: closed, and reported once, with a number other than the held port's.
    std::vector<int> lost;
    QObject::connect(&other, &SerialPort::DeviceLost,
                     [&](const PortResult& error) { lost.push_back(error.number); });
    ::close(master);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !other.IsOpen(); }, 2000));
    QTest::qWait(200); // any further error reports would arrive here
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_NE(lost[0], 0);
    EXPECT_NE(lost[0], kPortAlreadyOpen);
}

} // namespace
