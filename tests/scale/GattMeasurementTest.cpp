#include "scale/GattMeasurement.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace tarvel;

namespace {

// A result in one line: grams, time, user, BMI, height in mm, fat in tenths; "failed" or "refused".
std::string Text(const GattResult& result)
{
    if (!result.reading)
        return result.measurementFailed ? "failed" : result.reason.isEmpty() ? "no reason" : "refused";
    const GattReading& r = *result.reading;
    // Built as a QString: GCC 12 at -O3 warns wrongly (-Wrestrict) on " " + std::string(...).
    const auto field = [](const char* name, const auto& value) {
        return value ? QStringLiteral(" %1%2").arg(QLatin1String(name)).arg(*value) : QString();
    };
    return ((r.weight ? QString::number(r.weight->grams) : QStringLiteral("-")) +
            (r.time ? QLatin1Char(' ') + r.time->toString(Qt::ISODate) : QString()) + field("u", r.user) +
            field("bmi", r.bmiTenths) + field("h", r.heightMm) + field("fat", r.fatTenths))
        .toStdString();
}

GattResult Parse(bool composition, QByteArrayView bytes)
{
    return composition ? ParseBodyComposition(bytes) : ParseWeightMeasurement(bytes);
}

TEST(GattMeasurement, WeightAndBodyCompositionPayloads)
{
    const std::tuple<bool, const char*, const char*> rows[] = {
        {false, "0E 90 38 E8 07 05 06 07 1E 0F 01 E5 00 F2 06", "72400 2024-05-06T07:30:15 u1 bmi229 h1778"},
        {true, "06 04 B9 00 E8 07 05 06 07 1E 0F 01 90 38", "72400 2024-05-06T07:30:15 u1 fat185"},
        {false, "06 91 38 00 00 05 06 07 1E 0F FF", "72405"}, // year 0, user 0xFF
        {false, "01 48 3F", "73482"},                         // 162.00 lb
        {false, "09 01 00 E5 00 BD 02", "5 bmi229 h1781"},    // 70.1 in
        {false, "02 90 38 E8 07 02 1E 07 1E 0F", "refused"},
        {false, "02 90 38 E8 07 05 06 18 00 00", "refused"},
        {false, "00 FF FF", "failed"},
        {false, "10 90 38", "refused"},
        {false, "00 90 38 00", "refused"},
        {true, "00 00 E8 03", "- fat1000"},
        {true, "00 00 E9 03", "refused"},
        {true, "01 0C B9 00 48 3F BC 02", "73482 h1778 fat185"},
        {true, "FE 0F B9 00 E8 07 05 06 07 1E 0F 01 01 00 02 00 03 00 04 00 05 00 06 00 07 00 90 38 F2 06",
         "72400 2024-05-06T07:30:15 u1 h1778 fat185"},
        {true, "00 04 B9 00 FF FF", "failed"},
        {true, "00 20 B9 00", "refused"},
    };
    for (const auto& [composition, hex, expected] : rows) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        EXPECT_EQ(Text(Parse(composition, bytes)), expected) << hex;
        // Every shorter piece of a record that is not refused whole is refused.
        for (qsizetype n = 0; n < bytes.size() && std::string(expected) != "refused"; ++n)
            EXPECT_EQ(Text(Parse(composition, bytes.first(n))), "refused") << hex << " " << n;
    }
}

TEST(GattMeasurement, AssemblesBodyCompositionFromSeveralPackets)
{
    // 30 bytes in 12 + 12 + 5 + 1; the same start and a packet that overruns it; one record whole.
    const QByteArray full = QByteArray::fromHex(
        "FE 1F B9 00 E8 07 05 06 07 1E 0F 01 01 00 02 00 03 00 04 00 05 00 06 00 07 00 90 38 F2 06");
    BodyCompositionAssembler assembler;
    std::string results;
    for (const QByteArray& packet :
         {full.first(12), full.sliced(12, 12), full.sliced(24, 5), full.sliced(29), full.first(20),
          full.first(11), QByteArray::fromHex("06 04 B9 00 E8 07 05 06 07 1E 0F 01 90 38")}) {
        if (const std::optional<GattResult> result = assembler.Feed(packet))
            results += Text(*result) + "; ";
    }
    EXPECT_EQ(results,
              "72400 2024-05-06T07:30:15 u1 h1778 fat185; refused; 72400 2024-05-06T07:30:15 u1 fat185; ");
    EXPECT_EQ(assembler.PendingSize(), 0);
}

} // namespace
