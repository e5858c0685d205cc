#pragma once

#include "store/DayRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tarvel {

// Readings of the standard Bluetooth scale characteristics: Weight Measurement (0x2A9D, Weight Scale
// service 0x181D) and Body Composition Measurement (0x2A9C, Body Composition service 0x181B). Both
// are little-endian: flags, then the fields the flags announce, in a fixed order. Pounds and inches
// are converted here, to whole grams and millimetres; rounding to the diary's 0.01 kg is the caller's.

// What one measurement carries.
struct GattReading {
    // Always sent in a Weight Measurement; a Body Composition Measurement sends it only with its flag.
    std::optional<Mass> weight;
    std::optional<QDateTime> time; // the scale's own clock, local time; none when it does not know
    std::optional<int> user;       // 0 to 254; none for "unknown user"
    std::optional<int> bmiTenths;
    std::optional<int> heightMm;
    std::optional<int> fatTenths; // body fat, 0 to 1000 (0.1 % steps)

    bool operator==(const GattReading&) const = default;
};

// A reading, or why there is none: the scale reported a failed measurement, or the bytes were
// refused (reserved flag bits, too few or too many bytes, an impossible date). `reason` is one line
// for the error log.
struct GattResult {
    std::optional<GattReading> reading;
    bool measurementFailed = false;
    QString reason;
};

GattResult ParseWeightMeasurement(QByteArrayView bytes);
GattResult ParseBodyComposition(QByteArrayView bytes);

// A Body Composition record sent in several indications ("multiple packets" flag). The first
// packet holds the flags and the fields from the start, in order; every later packet carries the
// next bytes of the same field sequence, and the record is complete when the bytes the flags
// announce have all come (the flags' length is the parser's). A record without the flag is complete
// in its one packet. A packet that overruns the record ends it with a refusal, as does a refused
// first packet, and the next packet starts a new record.
class BodyCompositionAssembler {
public:
    // Takes the next indication: nothing while the record is incomplete, else its result.
    std::optional<GattResult> Feed(QByteArrayView packet);
    // Drops a partial record (the link was lost).
    void Reset() { m_pending.clear(); }
    qsizetype PendingSize() const { return m_pending.size(); }

private:
    QByteArray m_pending;
    qsizetype m_expected = 0;
};

} // namespace tarvel
