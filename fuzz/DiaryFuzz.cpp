// Fuzzes the diary reader and writer: any bytes are read as a diary file, what the reader accepted
// is written back, and the written file is read again. This runs under three locales: year-month-
// day with "/" (ja_JP), day.month.year with "," decimals (de_DE), and fi_FI, where dates and times
// share ".".
//
// Nothing may be lost or changed on the way: the second reading gives the same owner and the same
// days in the same order, each slot with the same time, weight, BMI and memo. The writer puts texts
// into their file layout (four-digit years, "07:30", "065.40", one decimal in the height), so those
// are compared by value. The one text change allowed is a carriage return inside a line (which
// ends the line for other readers): a memo holds it as the line-break marker, the name as a blank.
// Writing the second reading again gives the same bytes: a written file is read and written
// unchanged.
#include "FuzzCheck.h"
#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "store/DiaryFile.h"
#include "store/DiaryText.h"

#include <QBuffer>
#include <QLocale>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Checks that two texts agree by the given comparison, printing both when they do not.
#define FUZZ_CHECK_SAME(same, a, b)                                                                          \
    do {                                                                                                     \
        if (!(same)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: \"%s\" and \"%s\" differ\n", __FILE__, __LINE__, qPrintable(a),     \
                         qPrintable(b));                                                                     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

using namespace tarvel;

namespace {

long g_daysKept = 0;

const std::array<LocaleFormats, 3>& AllFormats()
{
    static const std::array<LocaleFormats, 3> formats = {
        LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP"))),
        LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE"))),
        LocaleFormats::ProbeLocale(QLocale(QStringLiteral("fi_FI"))),
    };
    return formats;
}

struct Reading {
    Profile owner; // the default profile when the file has no header
    std::vector<DayRecord> fileOrder;
    RecordStore store;
};

Reading Read(const QByteArray& bytes, const LocaleFormats& formats)
{
    DiaryContent content = ParseDiary(bytes, formats);
    Reading reading;
    reading.owner = content.Owner.value_or(Profile());
    reading.fileOrder = content.Records;
    reading.store.Assign(std::move(content.Records));
    return reading;
}

QByteArray Write(const Reading& reading, const LocaleFormats& formats)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    FUZZ_CHECK(WriteDiary(buffer, reading.owner, reading.store, formats));
    return buffer.data();
}

// The height at the file's precision of one decimal; the height input takes "172cm" as 172.
QString HeightAtFilePrecision(const QString& height, const LocaleFormats& formats)
{
    if (height.isEmpty())
        return height;
    const double value = formats.ParseNumber(height).value_or(formats.LeadingNumber(height));
    return FormatNumber(value, kFileHeightPattern, QLatin1Char('.'));
}

void CheckNothingLost(const Reading& first, const Reading& second, const LocaleFormats& formats)
{
    QString name = first.owner.ProfileName;
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    FUZZ_CHECK_SAME(second.owner.ProfileName == name, name, second.owner.ProfileName);
    FUZZ_CHECK(second.owner.ProfileSex == first.owner.ProfileSex);
    FUZZ_CHECK_SAME(HeightAtFilePrecision(second.owner.ProfileHeight, formats) ==
                        HeightAtFilePrecision(first.owner.ProfileHeight, formats),
                    first.owner.ProfileHeight, second.owner.ProfileHeight);

    FUZZ_CHECK(second.store.Count() == first.store.Count());
    for (int i = 1; i <= first.store.Count(); ++i) {
        const DayRecord& a = first.store.Item(i);
        const DayRecord& b = second.store.Item(i);
        FUZZ_CHECK(b.date == a.date);
        for (std::size_t slot = 0; slot < 2; ++slot) {
            const Weighing& x = a.slot[slot];
            const Weighing& y = b.slot[slot];
            FUZZ_CHECK_SAME(y.memo == x.memo, x.memo, y.memo);
            FUZZ_CHECK_SAME(y.keptWeight == x.keptWeight, x.keptWeight, y.keptWeight);
            FUZZ_CHECK_SAME(y.keptBmi == x.keptBmi, x.keptBmi, y.keptBmi);
            FUZZ_CHECK(y == x);
        }
        ++g_daysKept;
    }
}

} // namespace

// For the replay runner: how many days went through a round trip over all inputs.
long FuzzReplayCheckedCount()
{
    return g_daysKept;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const LocaleFormats& formats : AllFormats()) {
        const Reading first = Read(bytes, formats);
        const QByteArray written = Write(first, formats);
        const Reading second = Read(written, formats);
        CheckNothingLost(first, second, formats);
        FUZZ_CHECK(second.fileOrder == second.store.Records()); // written in store order

        const QByteArray rewritten = Write(second, formats);
        FUZZ_CHECK(rewritten == written);
        const Reading third = Read(rewritten, formats);
        FUZZ_CHECK(third.owner == second.owner);
        FUZZ_CHECK(third.store.Records() == second.store.Records());
    }
    return 0;
}
