#include "store/WeightUnit.h"

#include "platform/NumberText.h"
#include "store/WeighingText.h"

#include <cmath>

namespace tarvel {

namespace {

// Tenths of a pound in a mass, rounded.
qint64 PoundTenths(double kg)
{
    return std::llround(kg / kKgPerPound * 10.0);
}

enum class Word { None, Kg, Lb, St, Other };

Word UnitWord(QStringView word)
{
    if (word.isEmpty())
        return Word::None;
    if (word.compare(u"kg", Qt::CaseInsensitive) == 0 || word.compare(u"kgs", Qt::CaseInsensitive) == 0)
        return Word::Kg;
    if (word.compare(u"lb", Qt::CaseInsensitive) == 0 || word.compare(u"lbs", Qt::CaseInsensitive) == 0)
        return Word::Lb;
    if (word.compare(u"st", Qt::CaseInsensitive) == 0)
        return Word::St;
    return Word::Other;
}

bool IsNumberChar(QChar c, QChar decimalSep)
{
    return c.isDigit() || c == decimalSep || c == QLatin1Char('+') || c == QLatin1Char('-');
}

// Splits a weight text into at most two (number, unit word) pairs.
struct Part {
    double value = 0;
    Word unit = Word::None;
};

int SplitParts(QStringView text, QChar decimalSep, Part (&parts)[2])
{
    int count = 0;
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (true) {
        while (at < size && text[at].isSpace())
            ++at;
        if (at == size)
            return count;
        if (count == 2 || !IsNumberChar(text[at], decimalSep))
            return -1;
        const qsizetype numberStart = at;
        while (at < size && IsNumberChar(text[at], decimalSep))
            ++at;
        const std::optional<double> value = ParseNumber(text.mid(numberStart, at - numberStart), decimalSep);
        if (!value)
            return -1;
        while (at < size && text[at].isSpace())
            ++at;
        const qsizetype wordStart = at;
        while (at < size && text[at].isLetter())
            ++at;
        const Word unit = UnitWord(text.mid(wordStart, at - wordStart));
        if (unit == Word::Other)
            return -1;
        // "lb." is written too.
        if (at < size && text[at] == QLatin1Char('.') && unit != Word::None)
            ++at;
        parts[count++] = {*value, unit};
    }
}

} // namespace

QString UnitKey(WeightUnit unit)
{
    switch (unit) {
    case WeightUnit::Pounds:
        return QStringLiteral("lb");
    case WeightUnit::StonesPounds:
        return QStringLiteral("st");
    case WeightUnit::Kilograms:
        break;
    }
    return QStringLiteral("kg");
}

std::optional<WeightUnit> UnitFromKey(QStringView key)
{
    for (WeightUnit unit : {WeightUnit::Kilograms, WeightUnit::Pounds, WeightUnit::StonesPounds}) {
        if (key.compare(UnitKey(unit), Qt::CaseInsensitive) == 0)
            return unit;
    }
    return std::nullopt;
}

QString UnitSymbol(WeightUnit unit)
{
    switch (unit) {
    case WeightUnit::Pounds:
        return QStringLiteral("lb");
    case WeightUnit::StonesPounds:
        return QStringLiteral("st lb");
    case WeightUnit::Kilograms:
        break;
    }
    return QStringLiteral("kg");
}

QString MassNumberText(Mass mass, WeightUnit unit, QChar decimalSep)
{
    switch (unit) {
    case WeightUnit::Kilograms:
        return FormatScaled((mass.grams >= 0 ? mass.grams + 5 : mass.grams - 5) / 10, 2, 1, decimalSep);
    case WeightUnit::Pounds:
        return FormatScaled(PoundTenths(mass.kg()), 1, 1, decimalSep);
    case WeightUnit::StonesPounds:
        break;
    }
    return StonesText(mass, decimalSep) + QStringLiteral(" lb");
}

QString StonesText(Mass mass, QChar decimalSep)
{
    const qint64 tenths = PoundTenths(mass.kg());
    const qint64 stoneTenths = kPoundsPerStone * 10;
    return QStringLiteral("%1 st %2")
        .arg(tenths / stoneTenths)
        .arg(FormatScaled(tenths % stoneTenths, 1, 1, decimalSep));
}

QString MassUnitText(Mass mass, WeightUnit unit, QChar decimalSep)
{
    if (unit == WeightUnit::StonesPounds)
        return MassNumberText(mass, unit, decimalSep);
    return MassNumberText(mass, unit, decimalSep) + QLatin1Char(' ') + UnitSymbol(unit);
}

QString KgUnitText(double kg, WeightUnit unit, int decimals, QChar decimalSep)
{
    if (unit == WeightUnit::StonesPounds)
        return MassUnitText(Mass{std::llround(kg * 1000.0)}, unit, decimalSep);
    const std::optional<qint64> scaled = RoundScaled(ValueInUnit(kg, unit), decimals);
    return FormatScaled(scaled.value_or(0), decimals, 1, decimalSep) + QLatin1Char(' ') + UnitSymbol(unit);
}

double ValueInUnit(double kg, WeightUnit unit)
{
    return unit == WeightUnit::Kilograms ? kg : kg / kKgPerPound;
}

double KgFromValue(double value, WeightUnit unit)
{
    return unit == WeightUnit::Kilograms ? value : value * kKgPerPound;
}

std::optional<WeightReading> ReadWeightText(QStringView text, QChar decimalSep, WeightUnit fallback)
{
    Part parts[2];
    const int count = SplitParts(text, decimalSep, parts);
    if (count <= 0)
        return std::nullopt;
    const auto fromUnit = [](Word word, WeightUnit otherwise) {
        switch (word) {
        case Word::Kg:
            return WeightUnit::Kilograms;
        case Word::Lb:
            return WeightUnit::Pounds;
        case Word::St:
            return WeightUnit::StonesPounds;
        default:
            return otherwise;
        }
    };
    WeightReading reading;
    if (parts[0].value < 0 || (count == 2 && parts[1].value < 0))
        return std::nullopt;
    if (count == 1) {
        const WeightUnit unit = fromUnit(parts[0].unit, fallback);
        if (parts[0].unit != Word::None)
            reading.named = unit;
        reading.kg = unit == WeightUnit::StonesPounds ? parts[0].value * kPoundsPerStone * kKgPerPound
                                                      : KgFromValue(parts[0].value, unit);
        return reading;
    }
    // Two numbers are stones then pounds: "12 st 4 lb", or "12 4" where stones are the unit.
    const bool stones =
        parts[0].unit == Word::St || (parts[0].unit == Word::None && fallback == WeightUnit::StonesPounds);
    if (!stones || (parts[1].unit != Word::None && parts[1].unit != Word::Lb))
        return std::nullopt;
    if (parts[0].unit != Word::None)
        reading.named = WeightUnit::StonesPounds;
    reading.kg = (parts[0].value * kPoundsPerStone + parts[1].value) * kKgPerPound;
    return reading;
}

} // namespace tarvel
