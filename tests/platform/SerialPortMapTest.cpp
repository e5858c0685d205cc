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
    EXPECT_EQ(map.VirtualPortFolder(), QStringLiteral("/run-root/tarvel"));
}

// Restores XDG_RUNTIME_DIR as it was, whatever the test did to it.
class RuntimeVariable {
public:
    RuntimeVariable() : m_wasSet(qEnvironmentVariableIsSet(kName)), m_value(qgetenv(kName)) {}
    ~RuntimeVariable()
    {
        if (m_wasSet)
            qputenv(kName, m_value);
        else
            qunsetenv(kName);
    }
    static constexpr const char* kName = "XDG_RUNTIME_DIR";

private:
    bool m_wasSet;
    QByteArray m_value;
};

TEST(SerialPortMap, RuntimeFolderIsXdgRuntimeDirOrElseTheTemporaryFolder)
{
    const RuntimeVariable restore;
    qputenv(RuntimeVariable::kName, "/run/user/4242");
    EXPECT_EQ(SerialPortMap::DefaultRuntimeFolder(), QStringLiteral("/run/user/4242"));
    EXPECT_EQ(SerialPortMap().DevicePath(13), QStringLiteral("/run/user/4242/tarvel/com13"));

    qunsetenv(RuntimeVariable::kName);
    EXPECT_EQ(SerialPortMap::DefaultRuntimeFolder(), QDir::tempPath());
    qputenv(RuntimeVariable::kName, "");
    EXPECT_EQ(SerialPortMap::DefaultRuntimeFolder(), QDir::tempPath());
}

} // namespace
