#include "scale/VirtualScale.h"

#include "support/TempFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace tarvel;
using tarvel::testing::TempFolder;

namespace {

TEST(VirtualScale, MessagesAreFourteenCharactersAndWeightsRunFromTwoTo999Kg)
{
    EXPECT_EQ(ScaleMessage(false, 6007), QByteArray("US,+060.07kg\r\n"));
    EXPECT_EQ(ScaleMessage(true, *ParseWeight(QStringLiteral("2.0"))), QByteArray("ST,+002.00kg\r\n"));
    EXPECT_EQ(ScaleMessage(true, *ParseWeight(QStringLiteral("999.99"))), QByteArray("ST,+999.99kg\r\n"));
    for (const char* text : {"1.99", "1000", "1000.00", "65.456", "-65", "65,4", "65.", ".5", "", "6e1"})
        EXPECT_EQ(ParseWeight(QString::fromLatin1(text)), std::nullopt) << text;
}

TEST(VirtualScale, AWeighingRisesThroughUnstableReadingsWithNoiseOnlyBeforeThem)
{
    std::mt19937 random(7);
    int noisy = 0;
    for (int weighing = 0; weighing < 50; ++weighing) {
        const QList<QByteArray> pieces = WeighingPieces(6540, 3, weighing == 0 ? nullptr : &random);
        ASSERT_EQ(pieces.size(), 4);
        int previous = 0;
        for (int i = 0; i < 3; ++i) {
            // Unstable readings rising toward the weight; noise never holds a line feed, so the
            // stable reading arrives in step.
            const QByteArray reading = pieces[i].right(14);
            const int value = qRound(reading.mid(4, 6).toDouble() * 100);
            EXPECT_EQ(reading, ScaleMessage(false, value)) << pieces[i].toStdString();
            EXPECT_TRUE(value > previous && value < 6540) << value;
            previous = value;
            EXPECT_FALSE(pieces[i].chopped(14).contains('\n'));
            noisy += pieces[i].size() > 14 ? 1 : 0;
            EXPECT_TRUE(weighing > 0 || pieces[i].size() == 14);
        }
        EXPECT_EQ(pieces[3], ScaleMessage(true, 6540));
    }
    EXPECT_GT(noisy, 0);
}

TEST(VirtualScale, CommandLineOptionsAndTheirRanges)
{
    QString error;
    const auto options = ParseScaleArguments(QStringList{"--port", "14", "--interval", "250", "--unstable",
                                                         "0", "--noise", "--count", "5", "80.5", "70"},
                                             &error);
    ASSERT_TRUE(options) << qPrintable(error);
    EXPECT_EQ(
        QList<int>({options->weight, options->port, options->intervalMs, options->unstable, options->count}),
        QList<int>({8050, 14, 250, 0, 5}));
    EXPECT_TRUE(options->noise);
    EXPECT_EQ(options->weights, QList<int>({8050, 7000})); // sent in turn
    for (const QStringList& bad : {QStringList{}, QStringList{"65", "1.5"}, QStringList{"--port", "12", "65"},
                                   QStringList{"--count", "0", "65"}, QStringList{"--interval", "x", "65"},
                                   QStringList{"--colour", "65"}})
        EXPECT_FALSE(ParseScaleArguments(bad, &error)) << qPrintable(bad.join(' '));
}

// The real tarvel-scale with its runtime folder in `runtime`; returns the line it prints first.
QString StartScale(QProcess& scale, const TempFolder& runtime, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.Path());
    scale.setProcessEnvironment(environment);
    scale.start(QStringLiteral(TARVEL_SCALE_EXE), arguments);
    while (!scale.canReadLine() && scale.waitForReadyRead(5000)) {
    }
    return QString::fromUtf8(scale.readLine()).chopped(1);
}

bool Exists(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

TEST(TarvelScale, SendsOnTheLinkedRawTerminalTakesTheFirstFreePortAndRemovesItsLink)
{
    TempFolder runtime;
    const QString folder = runtime.Path() + QStringLiteral("/tarvel");
    QProcess scale;
    const QString line = StartScale(scale, runtime, {"--count", "2", "--interval", "50", "65.4"});
    static const QRegularExpression kLine(QStringLiteral("^Com13 \\((.+) -> (/dev/pts/[0-9]+)\\)$"));
    const QRegularExpressionMatch match = kLine.match(line);
    ASSERT_TRUE(match.hasMatch()) << qPrintable(line);
    const QString link = match.captured(1);
    EXPECT_EQ(link, folder + QStringLiteral("/com13"));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), match.captured(2));
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    const int fd = ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios settings{};
    ASSERT_EQ(::tcgetattr(fd, &settings), 0);
    // Raw already: what arrived before this reader came is as the scale sent it.
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(settings.c_iflag & ICRNL, 0u);
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
    QByteArray received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    // Read until the scale goes: once everything it sent has been taken, it ends at once.
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 100) <= 0)
            continue;
        char buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, n);
        else if (n == 0 || errno != EAGAIN)
            break; // the scale has gone
    }
    ::close(fd);
    EXPECT_TRUE(received.contains("ST,+065.40kg\r\n")) << received.toStdString();
    ASSERT_TRUE(scale.waitForFinished(5000));
    EXPECT_EQ(scale.exitCode(), 0);
    EXPECT_FALSE(Exists(link));

    // Two at once take Com13, replacing a stale link, and Com14, and remove their links when terminated.
    ASSERT_TRUE(QFile::link(runtime.Path() + QStringLiteral("/gone"), folder + QStringLiteral("/com13")));
    QProcess first;
    QProcess second;
    EXPECT_TRUE(StartScale(first, runtime, {"65.4"}).startsWith(QStringLiteral("Com13 ")));
    EXPECT_TRUE(StartScale(second, runtime, {"65.4"}).startsWith(QStringLiteral("Com14 ")));
    for (QProcess* running : {&first, &second}) {
        running->terminate();
        ASSERT_TRUE(running->waitForFinished(5000));
        EXPECT_EQ(running->exitCode(), 0);
    }
    EXPECT_FALSE(Exists(folder + QStringLiteral("/com13")));
    EXPECT_FALSE(Exists(folder + QStringLiteral("/com14")));

    QProcess wrong;
    wrong.start(QStringLiteral(TARVEL_SCALE_EXE), {"1.5"});
    ASSERT_TRUE(wrong.waitForFinished(5000));
    EXPECT_EQ(wrong.exitCode(), 1);
    EXPECT_TRUE(wrong.readAllStandardError().contains("Usage: tarvel-scale"));
}

} // namespace
