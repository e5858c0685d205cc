#include "platform/SingleInstance.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <latch>
#include <memory>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using tarvel::SingleInstance;
using tarvel::testing::TempFolder;

namespace {

// An instance on the socket and lock file in the given folder.
std::unique_ptr<SingleInstance> Instance(const TempFolder& folder)
{
    return std::make_unique<SingleInstance>(folder.File(u"instance"_s), folder.File(u"instance.lock"_s));
}

// What a killed run leaves behind: its socket file, which nobody listens on any more since the kernel
// closed the socket when the process died, but nobody unlinked.
void LeaveDeadSocket(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(native.begin(), native.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(SingleInstance, ALaterStartActivatesThePrimaryUntilItEndsAndAKilledRunBlocksNothing)
{
    TempFolder folder;
    LeaveDeadSocket(folder.File(u"instance"_s));
    auto first = Instance(folder);
    ASSERT_TRUE(first->TryBecomePrimary());
    QSignalSpy activations(first.get(), &SingleInstance::ActivationRequested);

    EXPECT_FALSE(Instance(folder)->TryBecomePrimary());
    EXPECT_TRUE(activations.wait(2000));
    EXPECT_EQ(activations.count(), 1);

    first.reset();
    EXPECT_TRUE(Instance(folder)->TryBecomePrimary());
}

TEST(SingleInstance, OfTwoStartsAtTheSameMomentExactlyOneBecomesPrimary)
{
    for (int round = 0; round < 5; ++round) {
        TempFolder folder;
        std::latch ready(2);
        std::latch tried(2);
        std::atomic<int> primaries = 0;
        const auto start = [&] {
            const auto instance = Instance(folder);
            ready.arrive_and_wait();
            if (instance->TryBecomePrimary())
                ++primaries;
            // The winner keeps listening until the other start has tried too.
            tried.arrive_and_wait();
        };
        std::jthread a(start), b(start);
        a.join();
        b.join();
        EXPECT_EQ(primaries, 1) << "round " << round;
    }
}

} // namespace
