// Fuzzes the Bluetooth scale measurements: the Weight Measurement and Body Composition parsers, and
// the assembler of Body Composition records sent in several packets.
//
// Input layout: the low four bits of byte 0 give the count k of control bytes that follow; the rest
// is the payload. The payload is parsed whole as both characteristics, then fed to the assembler in
// packets whose lengths the control bytes give in turn (low five bits, 0 sends an empty packet).
//
// Any reading must hold values the fields can give (and the weight the one its bytes give); a
// refusal must say why; every record the assembler completes must be what the parser makes of the
// bytes fed since the previous one, so it never yields more than it was fed.
#include "FuzzCheck.h"
#include "scale/GattMeasurement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace tarvel;

namespace {

long g_checked = 0;

void CheckResult(const GattResult& result)
{
    FUZZ_CHECK(result.reading ? result.reason.isEmpty() && !result.measurementFailed
                              : !result.reason.isEmpty());
    if (!result.reading)
        return;
    const GattReading& r = *result.reading;
    FUZZ_CHECK(!r.weight || (r.weight->grams >= 0 && r.weight->grams <= 0xFFFE * 5));
    FUZZ_CHECK(!r.time ||
               (r.time->isValid() && r.time->date().year() >= 1582 && r.time->date().year() <= 9999));
    FUZZ_CHECK(!r.user || (*r.user >= 0 && *r.user < 0xFF));
    FUZZ_CHECK(!r.bmiTenths || (*r.bmiTenths >= 0 && *r.bmiTenths <= 0xFFFF));
    FUZZ_CHECK(!r.heightMm || (*r.heightMm >= 0 && *r.heightMm <= 0xFFFF * 254 / 100 + 1));
    FUZZ_CHECK(!r.fatTenths || (*r.fatTenths >= 0 && *r.fatTenths <= 1000));
    ++g_checked;
}

// The weight a Weight Measurement's bytes give, in grams: 0.005 kg or 0.01 lb per step.
double WeightFromBytes(const uint8_t* bytes)
{
    const int steps = bytes[1] | bytes[2] << 8;
    return (bytes[0] & 1) ? steps * 4.5359237 : steps * 5.0;
}

} // namespace

// For the replay runner: how many readings the checks covered over all inputs.
long FuzzReplayCheckedCount()
{
    return g_checked;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t controlCount = std::min<size_t>(data[0] & 0x0F, size - 1);
    const uint8_t* control = data + 1;
    const QByteArrayView payload(control + controlCount, static_cast<qsizetype>(size - 1 - controlCount));

    const GattResult weight = ParseWeightMeasurement(payload);
    CheckResult(weight);
    if (weight.reading) {
        FUZZ_CHECK(weight.reading->weight && !weight.reading->fatTenths);
        const double sent = WeightFromBytes(reinterpret_cast<const uint8_t*>(payload.data()));
        FUZZ_CHECK(std::fabs(static_cast<double>(weight.reading->weight->grams) - sent) <= 0.5);
    }
    const GattResult composition = ParseBodyComposition(payload);
    CheckResult(composition);
    FUZZ_CHECK(!composition.reading || composition.reading->fatTenths);

    BodyCompositionAssembler assembler;
    QByteArray fed; // since the last record
    qsizetype pos = 0;
    size_t turn = 0;
    // Empty packets do not move on: a bound on the turns ends inputs whose control bytes are all 0.
    while (pos < payload.size() && turn <= size) {
        const qsizetype length =
            controlCount ? std::min<qsizetype>(control[turn++ % controlCount] & 0x1F, payload.size() - pos)
                         : payload.size();
        const QByteArrayView packet = payload.sliced(pos, length);
        pos += length;
        fed += packet.toByteArray();
        const std::optional<GattResult> record = assembler.Feed(packet);
        if (!record) {
            FUZZ_CHECK(assembler.PendingSize() > 0 && assembler.PendingSize() == fed.size());
            continue;
        }
        CheckResult(*record);
        const GattResult whole = ParseBodyComposition(fed);
        FUZZ_CHECK(record->reading == whole.reading && record->measurementFailed == whole.measurementFailed);
        FUZZ_CHECK(assembler.PendingSize() == 0);
        fed.clear();
    }
    return 0;
}
