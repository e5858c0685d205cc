#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <optional>
#include <random>

namespace tarvel {

class SerialPortMap;

// tarvel-scale: a bathroom scale on a pseudo-terminal, for trying the scale link without one.
// Weights are whole hundredths of a kilogram throughout (6540 is 65.40 kg).
inline constexpr int kLightestWeight = 200;  // 2.00 kg
inline constexpr int kHeaviestWeight = 99999; // 999.99 kg

// "65.4", "65.40", "65": at most three digits before the point and two after; nullopt for any
// other text and for weights outside kLightestWeight..kHeaviestWeight.
std::optional<int> ParseWeight(const QString& text);

// One 14-character message as the scale sends it: "ST,+065.40kg" CR LF for a stable reading,
// "US,..." for an unstable one.
QByteArray ScaleMessage(bool stable, int weight);

// One weighing, as the pieces to send one after the other: `unstable` unstable readings climbing
// toward the weight, then the stable reading. With `noise`, a few garbage characters go in front of
// some unstable readings; never in front of the stable one, because the receiver finds its step
// again only at the next line end and would lose the weighing.
QList<QByteArray> WeighingPieces(int weight, int unstable, std::mt19937* noise = nullptr);

struct ScaleOptions {
    int weight = 0;     // the first of weights
    QList<int> weights; // one per weighing, in turn
    int port = 0; // 0: the first free virtual port
    int intervalMs = 1000;
    int unstable = 3;
    bool noise = false;
    int count = 0; // 0: until stopped
    bool help = false; // --help or -h: print the usage and nothing else
};

// The command line without the program name; nullopt with `error` set when it is not valid.
std::optional<ScaleOptions> ParseScaleArguments(const QStringList& arguments, QString* error);

// The master side of a pseudo-terminal and the link that gives its slave a port number.
class VirtualPort {
public:
    VirtualPort() = default;
    ~VirtualPort();
    VirtualPort(const VirtualPort&) = delete;
    VirtualPort& operator=(const VirtualPort&) = delete;

    // Opens the pseudo-terminal and links <virtual port folder>/comN to its slave, N being `port`
    // or, for 0, the first virtual port whose link is missing or points nowhere any more.
    bool Open(const SerialPortMap& map, int port, QString* error);
    // Removes the link (when it is still ours) and closes the pseudo-terminal.
    void Close();

    int Port() const { return m_port; }
    const QString& LinkPath() const { return m_linkPath; }
    const QString& SlavePath() const { return m_slavePath; }

    // Writes without blocking; what does not fit into the terminal's buffer is dropped.
    bool Send(const QByteArray& bytes);
    // Characters sent that no reader has taken yet.
    int Unread() const;
    // Throws away what no reader has taken, as a serial line would have lost it.
    void DiscardUnread();

private:
    bool ClaimLink(const QString& linkPath);

    int m_master = -1;
    int m_slave = -1; // held open so the terminal keeps its settings and its queue between readers
    int m_port = 0;
    QString m_linkPath;
    QString m_slavePath;
};

// Runs the tool until `stop` becomes non-zero or the count of weighings is reached. Returns the exit
// status: 0 on success (and after --help), 1 on a usage error, 2 when no port could be set up.
int RunVirtualScale(const QStringList& arguments, FILE* out, FILE* err, const volatile std::sig_atomic_t& stop);

} // namespace tarvel
