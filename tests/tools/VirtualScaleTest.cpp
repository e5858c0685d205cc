#include "scale/VirtualScale.h"

#include "support/TempFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace tarvel;
using tarvel::testing::TempFolder;

namespace {

TEST(VirtualScale, WeightsMessagesWeighingsAndWrongOptions)
{
    EXPECT_EQ(ScaleMessage(true, *ParseWeight(QStringLiteral("2.0"))), QByteArray("ST,+002.00kg\r\n"));
    EXPECT_EQ(ScaleMessage(true, *ParseWeight(QStringLiteral("999.99"))), QByteArray("ST,+999.99kg\r\n"));
    for (const char* text : {"1.99", "1000", "65.456", "-65", "65,4", "65.", ".5", "", "6e1"})
        EXPECT_EQ(ParseWeight(QString::fromLatin1(text)), std::nullopt) << text;

    // Unstable readings rise toward the weight; noise goes only in front of them and never holds a
    // line feed, so the stable reading arrives in step.
    std::mt19937 random(7);
    bool noisy = false;
    for (int weighing = 0; weighing < 20; ++weighing) {
        const QList<QByteArray> pieces = WeighingPieces(6540, 3, &random);
        ASSERT_EQ(pieces.size(), 4);
        EXPECT_EQ(pieces[3], ScaleMessage(true, 6540));
        int previous = 0;
        for (int i = 0; i < 3; ++i) {
            const int value = qRound(pieces[i].right(14).mid(4, 6).toDouble() * 100);
            EXPECT_TRUE(pieces[i].right(14) == ScaleMessage(false, value) && value > previous &&
                        value < 6540);
            EXPECT_FALSE(pieces[i].chopped(14).contains('\n'));
            noisy = noisy || pieces[i].size() > 14;
            previous = value;
        }
    }
    EXPECT_TRUE(noisy);

    // The options that work are used end to end in e2e/scale_link.sh.
    QString error;
    for (const QStringList& bad : {QStringList{}, QStringList{"65", "1.5"}, QStringList{"--port", "12", "65"},
                                   QStringList{"--count", "0", "65"}, QStringList{"--colour", "65"}})
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

TEST(TarvelScale, LinksARawTerminalTakesTheFirstFreePortAndRemovesItsLink)
{
    TempFolder runtime;
    const QString folder = runtime.Path() + QStringLiteral("/tarvel");
    QProcess scale;
    const QString line = StartScale(scale, runtime, {"--count", "1", "--interval", "50", "65.4"});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Com13 \\((.+/tarvel/com13) -> (/dev/pts/[0-9]+)\\)$"))
            .match(line);
    ASSERT_TRUE(match.hasMatch()) << qPrintable(line);
    EXPECT_EQ(QFileInfo(match.captured(1)).symLinkTarget(), match.captured(2));
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    const int fd = ::open(QFile::encodeName(match.captured(1)).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios settings{};
    ASSERT_EQ(::tcgetattr(fd, &settings), 0);
    // Raw already: what arrives before a reader comes stays as the scale sent it. (What it sends is
    // read end to end by tarvel in e2e/scale_link.sh.)
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(settings.c_iflag & ICRNL, 0u);
    ::close(fd);
    ASSERT_TRUE(scale.waitForFinished(5000));
    EXPECT_EQ(scale.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(match.captured(1)).isSymLink());
    QProcess help;
    EXPECT_EQ(StartScale(help, runtime, {"--help"}),
              QStringLiteral("Usage: tarvel-scale [--port N] [--interval MS] "
                             "[--unstable K] [--noise] [--count C] WEIGHT..."));
    EXPECT_TRUE(help.waitForFinished(5000) && help.exitCode() == 0);

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
    EXPECT_FALSE(QFileInfo(folder + QStringLiteral("/com13")).isSymLink());
    EXPECT_FALSE(QFileInfo(folder + QStringLiteral("/com14")).isSymLink());
}

} // namespace
