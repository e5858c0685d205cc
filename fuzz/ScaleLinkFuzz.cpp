// Fuzzes the scale link: arbitrary bytes arriving in arbitrary fragments.
//
// Input layout: the low four bits of byte 0 give the count k of control bytes that follow, bit 4
// puts the clock in the afternoon; the rest is the character stream. The control bytes, used in
// turn, cut the stream into fragments: the low six bits are the fragment length less one, bit 6
// lets a tick of the quiet timer follow the fragment (when the timer runs, as a real tick would);
// bit 7 is unused. Without control bytes the stream arrives in one batch.
//
// Any accepted weight must come from a well-formed stable message of the stream, and the link must
// never read more than is waiting nor leave a complete step's worth of characters unread.
#include "FuzzCheck.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/SerialPort.h"
#include "scale/ScaleLink.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tarvel;

namespace {

class FuzzSource : public CharacterSource {
public:
    void Append(const QByteArray& bytes) { m_data += bytes; }
    int BufferedCount() const override { return static_cast<int>(m_data.size() - m_pos); }
    QByteArray Read(int n) override
    {
        FUZZ_CHECK(n >= 1 && n <= BufferedCount());
        const QByteArray part = m_data.mid(m_pos, n);
        m_pos += n;
        return part;
    }
    // Everything appended so far.
    const QByteArray& Received() const { return m_data; }

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

long g_accepted = 0;

// A weight text as the link lays it out with ".": 1 to 6 whole digits, "." and two decimals.
bool IsWeightText(const QString& text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 1 || point > 6 || text.size() != point + 3)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i != point && (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')))
            return false;
    }
    return true;
}

// The message the link took: "ST", any separator, "+", a plain number of six characters (blanks
// only at its ends), "kg" and CR LF, sent as one piece. Its value is returned, or -1.
double StableMessageValue(const QString& message, const QByteArray& received)
{
    const QByteArray bytes = message.toLatin1();
    if (bytes.size() != 14 || !bytes.startsWith("ST") || bytes[3] != '+' || bytes.mid(10) != "kg\r\n" ||
        !received.contains(bytes))
        return -1;
    QByteArray field = bytes.mid(4, 6);
    while (field.endsWith(' '))
        field.chop(1);
    while (field.startsWith(' '))
        field.remove(0, 1);
    if (field.count('.') > 1)
        return -1;
    for (const char c : field) {
        if ((c < '0' || c > '9') && c != '.')
            return -1;
    }
    bool ok = false;
    const double value = field.toDouble(&ok);
    return ok ? value : -1;
}

void EnsureApplication()
{
    // QTimer needs the event dispatcher the application object brings; no event loop runs, so the
    // timer only ticks when told to.
    static int argc = 1;
    static char name[] = "scalelink_fuzz";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

} // namespace

// For the replay runner: how many weights the link accepted over all inputs.
long FuzzReplayCheckedCount()
{
    return g_accepted;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EnsureApplication();
    if (size == 0)
        return 0;
    const size_t controlCount = std::min<size_t>(data[0] & 0x0F, size - 1);
    const bool afternoon = (data[0] & 0x10) != 0;
    const uint8_t* control = data + 1;
    const uint8_t* stream = control + controlCount;
    const size_t streamSize = size - 1 - controlCount;

    static const LocaleFormats formats; // "." decimals
    FixedClock clock(QDateTime(QDate(2026, 12, 6), afternoon ? QTime(18, 0) : QTime(9, 30)));
    FuzzSource source;
    ScaleLink link(source, formats, clock);

    int ticksSinceAccepted = 5;
    bool acceptedBefore = false;
    link.WeightAccepted = [&](const QString& text, const QDateTime& weighed) {
        FUZZ_CHECK(weighed == clock.Now());
        FUZZ_CHECK(!acceptedBefore || ticksSinceAccepted >= 5); // one weighing, one value
        FUZZ_CHECK(IsWeightText(text));
        const double shown = text.toDouble();
        FUZZ_CHECK(shown >= 2.0 && shown < 1e6);
        const double sent = StableMessageValue(link.LastMsg, source.Received());
        FUZZ_CHECK(sent >= 2.0 && std::fabs(sent - shown) < 0.0051);
        acceptedBefore = true;
        ticksSinceAccepted = 0;
        ++g_accepted;
    };

    size_t pos = 0;
    size_t turn = 0;
    while (pos < streamSize) {
        const uint8_t c = controlCount ? control[turn++ % controlCount] : 0;
        const size_t length = controlCount ? std::min<size_t>((c & 0x3F) + 1, streamSize - pos) : streamSize;
        source.Append(
            QByteArray(reinterpret_cast<const char*>(stream + pos), static_cast<qsizetype>(length)));
        pos += length;
        link.OnSerialData();
        // Nothing that one more step could use is left waiting.
        FUZZ_CHECK(source.BufferedCount() < (link.RecvState == -1 ? 1 : 14));
        if ((c & 0x40) && link.QuietTimer().isActive()) {
            link.OnQuietTick();
            ++ticksSinceAccepted;
        }
    }
    return 0;
}
