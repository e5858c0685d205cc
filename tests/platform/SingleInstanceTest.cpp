#include "platform/SingleInstance.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

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

// Later starts raise the primary's window at once, with the desktop's activation token; the diaries
// they send wait while the window is not ready for them (its start-up runs, a dialog is up).
TEST(SingleInstance, ALaterStartActivatesThePrimaryUntilItEndsAndAKilledRunBlocksNothing)
{
    TempFolder folder;
    LeaveDeadSocket(folder.File(u"instance"_s));
    auto first = Instance(folder);
    ASSERT_TRUE(first->TryBecomePrimary());
    bool ready = false;
    first->HoldOpenRequestsUntil([&ready] { return ready; });
    QSignalSpy activations(first.get(), &SingleInstance::ActivationRequested);
    QSignalSpy opens(first.get(), &SingleInstance::OpenRequested);

    EXPECT_FALSE(Instance(folder)->TryBecomePrimary(QString(), u"gnome-shell/Tarvel 7\n"_s));
    EXPECT_FALSE(Instance(folder)->TryBecomePrimary(u"/my diaries/a b.ov1"_s));
    EXPECT_FALSE(Instance(folder)->TryBecomePrimary(u"/second.ov1"_s, u"t"_s));
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations.count() == 3; }, 2000));
    QTest::qWait(600);
    EXPECT_EQ(opens.count(), 0);
    ready = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return opens.count() == 2; }, 2000));
    const auto sorted = [](const QSignalSpy& spy) {
        QStringList texts;
        for (const auto& arguments : spy)
            texts << arguments.value(0).toString();
        texts.sort(); // the starts' requests may come in any order
        return texts;
    };
    EXPECT_EQ(sorted(activations), (QStringList{QString(), u"gnome-shell/Tarvel 7\n"_s, u"t"_s}));
    EXPECT_EQ(sorted(opens), (QStringList{u"/my diaries/a b.ov1"_s, u"/second.ov1"_s}));

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
