#include "scale/GattMeasurement.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <bit>

namespace tarvel {

namespace {

// Weight Measurement flags (one byte).
constexpr int kImperial = 0x01; // lb and in instead of kg and m; the same bit in both characteristics
constexpr int kTimeStamp = 0x02;
constexpr int kUserId = 0x04;
constexpr int kBmiAndHeight = 0x08;
constexpr int kWeightReserved = 0xF0;

// Body Composition flags (two bytes). Bits 3 to 11 each announce one two-byte field, sent in bit order:
// basal metabolism, muscle %, muscle mass, fat-free mass, soft lean mass, body water mass, impedance,
// weight, height.
constexpr int kFirstTwoByteField = 0x0008;
constexpr int kTwoByteFields = 0x0FF8;
constexpr int kCompositionWeight = 0x0400;
constexpr int kCompositionHeight = 0x0800;
constexpr int kMultiplePackets = 0x1000;
constexpr int kCompositionReserved = 0xE000;

constexpr int kTimeStampSize = 7;
constexpr int kNotMeasured = 0xFFFF; // a weight or body fat the scale could not measure
constexpr int kUnknownUser = 0xFF;
constexpr int kFullFat = 1000; // 100.0 %

// Reads the fields in order. Callers check the length first; past the end it reads zeros.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : m_bytes(bytes) {}
    int U8() { return m_pos < m_bytes.size() ? static_cast<quint8>(m_bytes[m_pos++]) : 0; }
    int U16()
    {
        const int low = U8();
        return low | U8() << 8;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

GattResult Refused(const char* what, QByteArrayView bytes, const QString& why)
{
    const QByteArray shown = bytes.first(std::min<qsizetype>(bytes.size(), 40)).toByteArray().toHex(' ');
    return {std::nullopt, false,
            QStringLiteral("%1 [%2]: %3").arg(QLatin1String(what), QLatin1String(shown), why)};
}

GattResult Failed(const char* what)
{
    return {std::nullopt, true,
            QStringLiteral("%1: the scale reports a failed measurement").arg(QLatin1String(what))};
}

QString LengthProblem(qsizetype size, qsizetype expected)
{
    return QStringLiteral("%1 bytes where the flags announce %2").arg(size).arg(expected);
}

// 0.005 kg or 0.01 lb per step, to whole grams (1 lb = 0.45359237 kg, rounded half up).
Mass MassFromSteps(int steps, bool imperial)
{
    return Mass{imperial ? (steps * qint64(45359237) + 5000000) / 10000000 : steps * qint64(5)};
}

// 0.001 m or 0.1 in per step, to whole millimetres.
int HeightMm(int steps, bool imperial)
{
    return imperial ? (steps * 254 + 50) / 100 : steps;
}

// The Date Time fields: year, month, day, hours, minutes, seconds. A year, month or day of 0 means the
// scale does not know the date: no time then. False, with `why`, for an impossible date or time.
bool ReadTime(FieldReader& in, std::optional<QDateTime>* time, QString* why)
{
    const int year = in.U16();
    const int month = in.U8();
    const int day = in.U8();
    const int hours = in.U8();
    const int minutes = in.U8();
    const int seconds = in.U8();
    const QTime clock(hours, minutes, seconds);
    if (year == 0 || month == 0 || day == 0)
        return true;
    const QDate date(year, month, day);
    const QDateTime local(date, clock);
    if (year < 1582 || year > 9999 || !clock.isValid() || !local.isValid()) {
        *why = QStringLiteral("impossible time stamp");
        return false;
    }
    *time = local;
    return true;
}

std::optional<int> UserFrom(int id)
{
    return id == kUnknownUser ? std::nullopt : std::optional<int>(id);
}

qsizetype CompositionSize(int flags)
{
    return 4 + (flags & kTimeStamp ? kTimeStampSize : 0) + (flags & kUserId ? 1 : 0) +
           2 * std::popcount(static_cast<unsigned>(flags & kTwoByteFields));
}

} // namespace

GattResult ParseWeightMeasurement(QByteArrayView bytes)
{
    constexpr const char* kWhat = "weight measurement";
    if (bytes.isEmpty())
        return Refused(kWhat, bytes, QStringLiteral("no bytes"));
    const int flags = static_cast<quint8>(bytes[0]);
    if (flags & kWeightReserved)
        return Refused(kWhat, bytes, QStringLiteral("reserved flag bits set"));
    const qsizetype expected = 3 + (flags & kTimeStamp ? kTimeStampSize : 0) + (flags & kUserId ? 1 : 0) +
                               (flags & kBmiAndHeight ? 4 : 0);
    if (bytes.size() != expected)
        return Refused(kWhat, bytes, LengthProblem(bytes.size(), expected));

    FieldReader in(bytes.sliced(1));
    const bool imperial = flags & kImperial;
    const int weight = in.U16();
    if (weight == kNotMeasured)
        return Failed(kWhat);
    GattReading reading;
    reading.weight = MassFromSteps(weight, imperial);
    QString why;
    if (flags & kTimeStamp && !ReadTime(in, &reading.time, &why))
        return Refused(kWhat, bytes, why);
    if (flags & kUserId)
        reading.user = UserFrom(in.U8());
    if (flags & kBmiAndHeight) {
        reading.bmiTenths = in.U16();
        reading.heightMm = HeightMm(in.U16(), imperial);
    }
    return {reading, false, QString()};
}

GattResult ParseBodyComposition(QByteArrayView bytes)
{
    constexpr const char* kWhat = "body composition";
    if (bytes.size() < 2)
        return Refused(kWhat, bytes, LengthProblem(bytes.size(), 4));
    const int flags = static_cast<quint8>(bytes[0]) | static_cast<quint8>(bytes[1]) << 8;
    if (flags & kCompositionReserved)
        return Refused(kWhat, bytes, QStringLiteral("reserved flag bits set"));
    if (bytes.size() != CompositionSize(flags))
        return Refused(kWhat, bytes, LengthProblem(bytes.size(), CompositionSize(flags)));

    FieldReader in(bytes.sliced(2));
    const bool imperial = flags & kImperial;
    const int fat = in.U16();
    if (fat == kNotMeasured)
        return Failed(kWhat);
    if (fat > kFullFat)
        return Refused(kWhat, bytes, QStringLiteral("body fat above 100 %"));
    GattReading reading;
    reading.fatTenths = fat;
    QString why;
    if (flags & kTimeStamp && !ReadTime(in, &reading.time, &why))
        return Refused(kWhat, bytes, why);
    if (flags & kUserId)
        reading.user = UserFrom(in.U8());
    for (int bit = kFirstTwoByteField; bit & kTwoByteFields; bit <<= 1) {
        if (!(flags & bit))
            continue;
        const int value = in.U16();
        if (bit == kCompositionWeight && value == kNotMeasured)
            return Failed(kWhat);
        if (bit == kCompositionWeight)
            reading.weight = MassFromSteps(value, imperial);
        else if (bit == kCompositionHeight)
            reading.heightMm = HeightMm(value, imperial);
    }
    return {reading, false, QString()};
}

std::optional<GattResult> BodyCompositionAssembler::Feed(QByteArrayView packet)
{
    if (m_pending.isEmpty()) {
        const int flags =
            packet.size() < 2 ? 0 : static_cast<quint8>(packet[0]) | static_cast<quint8>(packet[1]) << 8;
        m_expected = CompositionSize(flags);
        // Whole, refused or overrun already: the parser says which.
        if (!(flags & kMultiplePackets) || flags & kCompositionReserved || packet.size() >= m_expected)
            return ParseBodyComposition(packet);
        m_pending = packet.toByteArray();
        return std::nullopt;
    }
    m_pending += packet.toByteArray();
    if (m_pending.size() < m_expected)
        return std::nullopt;
    const GattResult whole = ParseBodyComposition(m_pending);
    Reset();
    return whole;
}

} // namespace tarvel
