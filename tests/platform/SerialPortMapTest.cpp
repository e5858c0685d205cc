#include "platform/SerialPortMap.h"

#include <QDir>

#include <gtest/gtest.h>

using tarvel::SerialPortMap;

namespace {

TEST(SerialPortMap, EachGroupOfFourNumbersIsOneKindOfDevice)
{
    const SerialPortMap map(QStringLiteral("/dev-root"), QStringLiteral("/run-root/"));
    const struct {
        int port;
        const char* path;
    } cases[] = {
        {1, "/dev-root/ttyS0"},   {4, "/dev-root/ttyS3"},   {5, "/dev-root/ttyUSB0"},
        {8, "/dev-root/ttyUSB3"}, {9, "/dev-root/ttyACM0"}, {12, "/dev-root/ttyACM3"},
        {13, "/run-root/tarvel/com13"}, {16, "/run-root/tarvel/com16"},
        {0, ""}, {17, ""}, {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(map.DevicePath(c.port), QString::fromLatin1(c.path)) << "Com" << c.port;
}

TEST(SerialPortMap, RuntimeFolderIsXdgRuntimeDirOrElseTheTemporaryFolder)
{
    const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const QByteArray was = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/run/user/4242");
    EXPECT_EQ(SerialPortMap().DevicePath(13), QStringLiteral("/run/user/4242/tarvel/com13"));
    qputenv("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(SerialPortMap::DefaultRuntimeFolder(), QDir::tempPath());
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SerialPortMap::DefaultRuntimeFolder(), QDir::tempPath());
    if (wasSet)
        qputenv("XDG_RUNTIME_DIR", was);
}

} // namespace
