#include "scale/VirtualScale.h"

#include "platform/SerialPortMap.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tarvel {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kUsage =
    "Usage: tarvel-scale [--port N] [--interval MS] [--unstable K] [--noise] [--count C] WEIGHT...\n"
    "Sends a weighing of WEIGHT kg (2.00 to 999.99) every MS milliseconds on a virtual serial port;\n"
    "with several weights, one after the other in turn.\n"
    "  --port N       the port number, 13 to 16 (default: the first free one)\n"
    "  --interval MS  milliseconds from one weighing to the next (default 1000)\n"
    "  --unstable K   unstable readings before the stable one (default 3)\n"
    "  --noise        garbage characters between some readings\n"
    "  --count C      stop after C weighings (default: run until interrupted)\n"
    "\n"
    "Usage: tarvel-scale read --bluetooth [ADDRESS] [--count N] [--timeout SECONDS]\n"
    "Without ADDRESS, lists the Bluetooth scales nearby (address and name) and exits. With it,\n"
    "connects to that scale and prints each reading as \"YYYY-MM-DD HH:MM:SS<TAB>72.40 kg\" (the\n"
    "scale's own time, else the arrival time and \" (received)\"), with \"<TAB>user N\" and\n"
    "\"<TAB>fat 18.5 %\" when the scale sends them.\n"
    "  --count N        stop after N readings (default 1)\n"
    "  --timeout SECONDS  give up after this long (default 60)\n"
    "Exit status: 0 done, 1 timed out or Bluetooth is off, 2 bad arguments.\n";

// A reader gets this long after the last weighing to take what is still queued.
constexpr auto kReaderGrace = std::chrono::seconds(2);
// How often a wait looks at the stop flag.
constexpr auto kWaitStep = std::chrono::milliseconds(10);

std::optional<int> ParseNumber(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

QByteArray Garbage(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(1, 6);
    std::uniform_int_distribution<int> printable('!', '~');
    QByteArray bytes;
    for (int n = length(random); n > 0; --n)
        bytes.append(static_cast<char>(printable(random)));
    return bytes;
}

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Sleeps until the deadline; false when stopped first.
bool WaitUntil(Clock::time_point deadline, const volatile std::sig_atomic_t& stop)
{
    while (!stop) {
        const auto now = Clock::now();
        if (now >= deadline)
            return true;
        std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, kWaitStep));
    }
    return false;
}

} // namespace

std::optional<int> ParseWeight(const QString& text)
{
    static const QRegularExpression kWeight(QStringLiteral("^([0-9]{1,3})(?:\\.([0-9]{1,2}))?$"));
    const QRegularExpressionMatch match = kWeight.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int whole = match.captured(1).toInt();
    const QString fraction = match.captured(2).leftJustified(2, QLatin1Char('0'));
    const int weight = whole * 100 + fraction.toInt();
    if (weight < kLightestWeight || weight > kHeaviestWeight)
        return std::nullopt;
    return weight;
}

QByteArray ScaleMessage(bool stable, int weight)
{
    QByteArray message(stable ? "ST,+" : "US,+");
    message += QByteArray::number(weight / 100).rightJustified(3, '0');
    message += '.';
    message += QByteArray::number(weight % 100).rightJustified(2, '0');
    message += "kg\r\n";
    return message;
}

QList<QByteArray> WeighingPieces(int weight, int unstable, std::mt19937* noise)
{
    QList<QByteArray> pieces;
    for (int i = 0; i < unstable; ++i) {
        // From 90 % of the weight up toward it, as someone stepping on settles.
        const int reading = weight - weight * (unstable - i) / (10 * unstable);
        QByteArray piece;
        if (noise && std::uniform_int_distribution<int>(0, 2)(*noise) == 0)
            piece = Garbage(*noise);
        pieces.append(piece + ScaleMessage(false, reading));
    }
    pieces.append(ScaleMessage(true, weight));
    return pieces;
}

std::optional<ScaleOptions> ParseScaleArguments(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("N"));
    const QCommandLineOption interval(QStringLiteral("interval"), QString(), QStringLiteral("MS"));
    const QCommandLineOption unstable(QStringLiteral("unstable"), QString(), QStringLiteral("K"));
    const QCommandLineOption noise(QStringLiteral("noise"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("C"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({port, interval, unstable, noise, count, help});
    if (!parser.parse(QStringList{QStringLiteral("tarvel-scale")} + arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }

    ScaleOptions options;
    if (parser.isSet(help)) {
        options.help = true;
        return options;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        *error = QStringLiteral("give a weight");
        return std::nullopt;
    }
    for (const QString& text : positional) {
        const std::optional<int> weight = ParseWeight(text);
        if (!weight) {
            *error = QStringLiteral("the weight must be 2.00 to 999.99 kg");
            return std::nullopt;
        }
        options.weights.append(*weight);
    }
    options.weight = options.weights.front();
    options.noise = parser.isSet(noise);

    // Each numeric option with its range; an option that is not given keeps its default.
    const struct {
        const QCommandLineOption& option;
        int& value;
        int lowest;
        int highest;
    } numbers[] = {
        {port, options.port, SerialPortMap::kFirstVirtualPort, SerialPortMap::kLastVirtualPort},
        {interval, options.intervalMs, 10, 3600000},
        {unstable, options.unstable, 0, 100},
        {count, options.count, 1, INT_MAX},
    };
    for (const auto& number : numbers) {
        if (!parser.isSet(number.option))
            continue;
        const std::optional<int> value = ParseNumber(parser.value(number.option), number.lowest, number.highest);
        if (!value) {
            *error = QStringLiteral("--%1 must be %2 to %3")
                         .arg(number.option.names().constFirst())
                         .arg(number.lowest)
                         .arg(number.highest);
            return std::nullopt;
        }
        number.value = *value;
    }
    return options;
}

VirtualPort::~VirtualPort()
{
    Close();
}

bool VirtualPort::Open(const SerialPortMap& map, int port, QString* error)
{
    const QByteArray folder = QFile::encodeName(map.VirtualPortFolder());
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        *error = QStringLiteral("cannot create %1: %2").arg(map.VirtualPortFolder(), ErrnoText());
        return false;
    }

    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    const char* slave = nullptr;
    termios settings {};
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        (slave = ::ptsname(m_master)) == nullptr || ::fcntl(m_master, F_SETFL, O_NONBLOCK) != 0 ||
        ::tcgetattr(m_master, &settings) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(ErrnoText());
        Close();
        return false;
    }
    // Raw, so the slave passes the messages on untouched (no CR to LF, no echo, no line editing).
    ::cfmakeraw(&settings);
    m_slavePath = QFile::decodeName(slave);
    m_slave = ::open(slave, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (::tcsetattr(m_master, TCSANOW, &settings) != 0 || m_slave < 0) {
        *error = QStringLiteral("cannot set up %1: %2").arg(m_slavePath, ErrnoText());
        Close();
        return false;
    }

    const int first = port != 0 ? port : SerialPortMap::kFirstVirtualPort;
    const int last = port != 0 ? port : SerialPortMap::kLastVirtualPort;
    for (int n = first; n <= last; ++n) {
        const QString linkPath = map.DevicePath(n);
        if (ClaimLink(linkPath)) {
            m_port = n;
            m_linkPath = linkPath;
            return true;
        }
        if (errno != EEXIST) {
            *error = QStringLiteral("cannot create %1: %2").arg(linkPath, ErrnoText());
            Close();
            return false;
        }
    }
    *error = port != 0 ? QStringLiteral("Com%1 is in use (%2)").arg(port).arg(map.DevicePath(port))
                       : QStringLiteral("Com%1 to Com%2 are all in use")
                             .arg(SerialPortMap::kFirstVirtualPort)
                             .arg(SerialPortMap::kLastVirtualPort);
    Close();
    return false;
}

bool VirtualPort::ClaimLink(const QString& linkPath)
{
    const QByteArray link = QFile::encodeName(linkPath);
    const QByteArray target = QFile::encodeName(m_slavePath);
    // symlink() fails on an existing name, so two scales starting together never share a port.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (::symlink(target.constData(), link.constData()) == 0)
            return true;
        if (errno != EEXIST)
            return false;
        struct stat status {};
        if (::stat(link.constData(), &status) == 0 || errno != ENOENT) {
            errno = EEXIST; // in use: it leads to something that exists
            return false;
        }
        // Its pseudo-terminal is gone: left behind by a scale that was killed.
        ::unlink(link.constData());
    }
    errno = EEXIST;
    return false;
}

void VirtualPort::Close()
{
    if (!m_linkPath.isEmpty()) {
        const QByteArray link = QFile::encodeName(m_linkPath);
        char target[PATH_MAX];
        const ssize_t length = ::readlink(link.constData(), target, sizeof target);
        if (length > 0 && QByteArray(target, length) == QFile::encodeName(m_slavePath))
            ::unlink(link.constData());
        m_linkPath.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
    m_port = 0;
}

bool VirtualPort::Send(const QByteArray& bytes)
{
    ssize_t written = -1;
    do
        written = ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size()));
    while (written < 0 && errno == EINTR);
    return written == bytes.size();
}

int VirtualPort::Unread() const
{
    int count = 0;
    if (m_slave < 0 || ::ioctl(m_slave, FIONREAD, &count) != 0)
        return 0;
    return count;
}

void VirtualPort::DiscardUnread()
{
    if (m_slave >= 0)
        ::tcflush(m_slave, TCIFLUSH);
}

int RunVirtualScale(const QStringList& arguments, FILE* out, FILE* err, const volatile std::sig_atomic_t& stop)
{
    QString error;
    const std::optional<ScaleOptions> options = ParseScaleArguments(arguments, &error);
    if (!options) {
        std::fprintf(err, "tarvel-scale: %s\n%s", qPrintable(error), kUsage);
        return 1;
    }
    if (options->help) {
        std::fputs(kUsage, out);
        return 0;
    }

    const SerialPortMap map;
    VirtualPort port;
    if (!port.Open(map, options->port, &error)) {
        std::fprintf(err, "tarvel-scale: %s\n", qPrintable(error));
        return 2;
    }
    std::fprintf(out, "Com%d (%s -> %s)\n", port.Port(), qPrintable(port.LinkPath()), qPrintable(port.SlavePath()));
    std::fflush(out);

    std::mt19937 random(std::random_device {}());
    const auto interval = std::chrono::milliseconds(options->intervalMs);
    for (int weighings = 0; !stop && (options->count == 0 || weighings < options->count); ++weighings) {
        // What nobody read since the last weighing is stale, as it would be on a real line; a
        // program that opens the port later starts with the current weighing, not a backlog.
        if (port.Unread() > 0)
            port.DiscardUnread();
        const int weight = options->weights.at(weighings % options->weights.size());
        const QList<QByteArray> pieces = WeighingPieces(weight, options->unstable, options->noise ? &random : nullptr);
        // The pieces spread over the interval, the stable reading last.
        const auto start = Clock::now();
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (!WaitUntil(start + interval * i / pieces.size(), stop))
                break;
            port.Send(pieces[i]); // a piece that does not fit is lost, like a reading nobody hears
        }
        WaitUntil(start + interval, stop);
    }

    // Give a reader the chance to take the last weighing before the terminal goes away.
    const auto graceEnd = Clock::now() + kReaderGrace;
    while (!stop && port.Unread() > 0 && Clock::now() < graceEnd)
        std::this_thread::sleep_for(kWaitStep);
    port.Close();
    return 0;
}

} // namespace tarvel
