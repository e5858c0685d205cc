#include "scale/ScaleLink.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/SerialPort.h"

#include <optional>

namespace tarvel {

namespace {

constexpr int kMessageLength = 14; // "ST,+065.40kg" CR LF
constexpr int kQuietTickMs = 1000;
constexpr int kLastQuietState = 5;
constexpr double kLeastWeight = 2.0;

// The characters the scale sent, one QChar per byte. The scale speaks ASCII; any other byte
// becomes a character that no check accepts.
QString ReadText(CharacterSource& source, int n)
{
    return QString::fromLatin1(source.Read(n));
}

// The weight field as a number: digits with at most one ".", blanks allowed before and after it
// (" 65.40", "003.5 "), as a scale pads a short number either way. Anything else (signs, exponents,
// grouping, blanks inside, other bytes) is no weight.
std::optional<double> ReadWeightField(QStringView field)
{
    while (!field.isEmpty() && field.back() == QLatin1Char(' '))
        field.chop(1);
    while (!field.isEmpty() && field.front() == QLatin1Char(' '))
        field = field.sliced(1);
    for (const QChar c : field) {
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != QLatin1Char('.'))
            return std::nullopt;
    }
    return ParseNumber(field, QLatin1Char('.')); // at least one digit, at most one "."
}

} // namespace

ScaleLink::ScaleLink(CharacterSource& source, const LocaleFormats& formats, const Clock& clock,
                     QObject* parent)
    : QObject(parent), m_source(source), m_formats(formats), m_clock(clock)
{
    m_quietTimer.setInterval(kQuietTickMs);
    connect(&m_quietTimer, &QTimer::timeout, this, &ScaleLink::OnQuietTick);
}

void ScaleLink::OnSerialData()
{
    // The port notifies once per batch of characters, not once per character, so a single step
    // (one character while resynchronising, one block otherwise) could leave characters waiting
    // with no notification to follow. Each pass below is one such step; repeating them while they
    // can make progress gives the same result per message as one notification per step.
    for (;;) {
        if (RecvState == -1) {
            if (m_source.BufferedCount() < 1)
                return;
            const QString c = ReadText(m_source, 1);
            if (c.isEmpty())
                return; // a source that reads nothing would otherwise hold us here
            if (c.at(0) == QLatin1Char('\n'))
                RecvState = 0;
            RecvBuf.clear();
            LastMsg.clear();
            continue;
        }

        if (m_source.BufferedCount() < kMessageLength)
            return;
        QString block = ReadText(m_source, kMessageLength);
        if (block.isEmpty())
            return;

        // Line the block up on its header: a stable reading first, else the other headers, which
        // only serve to find where a message starts.
        qsizetype header = block.indexOf(QLatin1String("ST"));
        if (header < 0)
            header = block.indexOf(QLatin1String("US"));
        if (header < 0)
            header = block.indexOf(QLatin1String("OL"));
        if (header > 0)
            block.remove(0, header);

        RecvBuf = block;
        const int missing = kMessageLength - static_cast<int>(RecvBuf.size());
        if (missing > 0 && m_source.BufferedCount() >= missing)
            RecvBuf += ReadText(m_source, missing); // otherwise it stays short and fails the checks

        if (RecvState > 0 || RecvBuf == LastMsg) {
            RecvBuf.clear();
            continue;
        }

        LastMsg = RecvBuf;
        ParseScaleMessage();
        RecvBuf.clear();

        if (RecvState == 1) {
            m_quietTimer.setInterval(kQuietTickMs);
            m_quietTimer.start();
        } else {
            LastMsg.clear();
        }
    }
}

void ScaleLink::ParseScaleMessage()
{
    // Fields by position; a short block gives short or empty fields, which fail below.
    const QStringView message(RecvBuf);
    const QStringView headerField = message.mid(0, 2);
    const QStringView signField = message.mid(3, 1);
    const QStringView valueField = message.mid(4, 6);
    const QStringView unitField = message.mid(10, 2);
    const QStringView lineEnd = message.mid(12, 2);

    const std::optional<double> weight = ReadWeightField(valueField);
    if (!weight || *weight < kLeastWeight)
        return;
    const QString weightText = m_formats.FormatNumber(*weight, kWeightPattern);

    if (headerField != QLatin1String("ST") || signField != QLatin1String("+") ||
        unitField != QLatin1String("kg") || lineEnd != QLatin1String("\r\n"))
        return;

    // Every stable reading is handed over, and starts the quiet period, whether the page can take
    // it now or it waits in the status bar: one weighing, one value.
    RecvState = 1;
    if (WeightAccepted)
        WeightAccepted(weightText, m_clock.Now());
}

void ScaleLink::OnQuietTick()
{
    if (RecvState < kLastQuietState) {
        ++RecvState;
        return;
    }
    RecvState = -1;
    RecvBuf.clear();
    LastMsg.clear();
    m_quietTimer.stop();
}

void ScaleLink::Resynchronise()
{
    RecvState = -1;
    RecvBuf.clear();
    LastMsg.clear();
}

void ScaleLink::StopQuietTimer()
{
    m_quietTimer.stop();
    if (RecvState >= 1 && RecvState <= kLastQuietState)
        Resynchronise();
}

} // namespace tarvel
