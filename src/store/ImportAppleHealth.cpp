#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/DayWeight.h"
#include "store/ImportLayouts.h"
#include "store/ImportText.h"

#include <QXmlStreamReader>

#include <cmath>

namespace tarvel {

namespace {

// Kilograms per unit of a HealthKit mass unit; 0 for any other.
double KgPerHealthUnit(QStringView unit)
{
    if (unit == u"kg")
        return 1;
    if (unit == u"lb")
        return kKgPerPound;
    if (unit == u"g")
        return 0.001;
    if (unit == u"st")
        return kKgPerPound * kPoundsPerStone;
    return 0;
}

} // namespace

// An export.xml is hundreds of MB: it is read as a stream, element by element, and only the
// attributes of BodyMass records are looked at.
ImportReading ReadAppleHealth(const QByteArray& bytes, const LocaleFormats& formats, const QTimeZone& local)
{
    ImportReading reading;
    QXmlStreamReader xml(bytes);
    bool anyRecord = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Record")
            continue;
        anyRecord = true;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value(QLatin1String("type")) != u"HKQuantityTypeIdentifierBodyMass")
            continue;
        const int line = static_cast<int>(xml.lineNumber());
        const double kgPerUnit = KgPerHealthUnit(attributes.value(QLatin1String("unit")));
        const std::optional<double> value =
            ParseNumber(attributes.value(QLatin1String("value")), QLatin1Char('.'));
        const std::optional<LocalTime> when =
            ReadImportDateTime(attributes.value(QLatin1String("startDate")), QStringView(), formats, local);
        const double kg = value ? *value * kgPerUnit : 0;
        if (!when || !value || !IsWeighing(RoundedKg(kg))) {
            CountUnreadable(reading, line);
            continue;
        }
        ImportedWeighing w;
        w.line = line;
        w.date = when->date;
        w.time = when->time;
        w.kg = kg;
        reading.weighings.push_back(std::move(w));
    }
    // A damaged file (one cut short) keeps what was read before the damage.
    if (xml.hasError())
        CountUnreadable(reading, static_cast<int>(xml.lineNumber()));
    if (!anyRecord && reading.weighings.empty())
        reading.refusal = LoadText(TextId::NoDateWeightColumns);
    return reading;
}

} // namespace tarvel
