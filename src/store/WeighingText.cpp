#include "store/WeighingText.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "store/DiaryText.h"

#include <cmath>

namespace tarvel {

namespace {

// Larger numbers are no weight and no BMI; they stay texts, so that no step count overflows.
constexpr double kLargestValue = 1e12;

const char16_t* StepPattern(int decimals)
{
    return decimals == 1 ? u"0.0" : u"0.00";
}

// The digits of a number laid out with "." (and maybe "-"), without the point, as an integer.
qint64 DigitsValue(QStringView text)
{
    qint64 value = 0;
    bool negative = false;
    for (QChar c : text) {
        if (c == QLatin1Char('-'))
            negative = true;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

QString KeptText(const QString& kept, const LocaleFormats& formats)
{
    if (formats.DecimalSep == QLatin1Char('.'))
        return kept;
    return QString(kept).replace(QLatin1Char('.'), formats.DecimalSep);
}

} // namespace

std::optional<qint64> RoundScaled(double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) > kLargestValue)
        return std::nullopt;
    // Rounded as the number is laid out for a file or the window, so that a value shows as stored.
    return DigitsValue(FormatNumber(value, StepPattern(decimals), QLatin1Char('.')));
}

std::optional<qint64> ReadScaled(QStringView text, QChar decimalSep, int decimals)
{
    DecimalText plain;
    if (text.size() < 16 && RelayoutDecimal(text, decimalSep, StepPattern(decimals), QLatin1Char('.'), plain)) {
        // The same limit as for longer texts, so that a value reads alike however it is written.
        const qint64 value = DigitsValue(plain.View());
        const double limit = kLargestValue * std::pow(10.0, decimals);
        if (std::fabs(static_cast<double>(value)) > limit)
            return std::nullopt;
        return value;
    }
    const std::optional<double> value = ParseNumber(text, decimalSep);
    if (!value)
        return std::nullopt;
    return RoundScaled(*value, decimals);
}

QString FormatScaled(qint64 value, int decimals, int minWhole, QChar decimalSep)
{
    qint64 magnitude = value < 0 ? -value : value;
    char16_t buffer[32];
    int at = 32;
    for (int d = 0; d < decimals; ++d) {
        buffer[--at] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    }
    if (decimals > 0)
        buffer[--at] = decimalSep.unicode();
    int whole = 0;
    while (magnitude > 0 || whole < minWhole || whole == 0) {
        buffer[--at] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
        ++whole;
    }
    if (value < 0)
        buffer[--at] = u'-';
    return QString(reinterpret_cast<const QChar*>(buffer + at), 32 - at);
}

std::optional<Mass> MassFromKg(double kg)
{
    const std::optional<qint64> hundredths = RoundScaled(kg, 2);
    if (!hundredths)
        return std::nullopt;
    return Mass{*hundredths * 10};
}

std::optional<int> BmiTenthsOf(double bmi)
{
    const std::optional<qint64> tenths = RoundScaled(bmi, 1);
    if (!tenths || *tenths > 1000000 || *tenths < -1000000)
        return std::nullopt;
    return static_cast<int>(*tenths);
}

QString WeightText(const Weighing& w, const LocaleFormats& formats)
{
    if (!w.weight)
        return KeptText(w.keptWeight, formats);
    if (w.weight->grams / 10 == 0)
        return QStringLiteral("0");
    return FormatScaled(w.weight->grams / 10, 2, 1, formats.DecimalSep);
}

QString WeightText(const Weighing& w, WeightUnit unit, const LocaleFormats& formats)
{
    // A weight of 0 (no weighing) shows as "0" in every unit.
    if (unit == WeightUnit::Kilograms || !w.weight || w.weight->grams / 10 == 0)
        return WeightText(w, formats);
    return MassNumberText(*w.weight, unit, formats.DecimalSep);
}

QString WeightUnitText(const Weighing& w, WeightUnit unit, const LocaleFormats& formats)
{
    const QString number = WeightText(w, unit, formats);
    if (unit == WeightUnit::StonesPounds && w.weight)
        return number;
    return number + QLatin1Char(' ') + UnitSymbol(unit);
}

QString BmiText(const Weighing& w, const LocaleFormats& formats)
{
    if (!w.bmiTenths)
        return KeptText(w.keptBmi, formats);
    if (*w.bmiTenths == 0)
        return QStringLiteral("0");
    return FormatScaled(*w.bmiTenths, 1, 1, formats.DecimalSep);
}

QString TimeText(const Weighing& w, const LocaleFormats& formats)
{
    if (!w.time)
        return QString();
    char16_t buffer[16];
    return QString(reinterpret_cast<const QChar*>(buffer),
                   formats.LayoutStoredTime(buffer, w.time->hour(), w.time->minute()));
}

double ShownKg(const Weighing& w)
{
    if (w.weight)
        return w.weight->kg();
    return LeadingNumber(w.keptWeight);
}

QString ColumnText(const DayRecord& day, int column, const LocaleFormats& formats)
{
    if (column == 0)
        return day.date.isValid() ? formats.FormatDate(day.date, formats.ShortDateFormat) : QString();
    if (column == 9)
        return QString::number(day.dayNumber());
    if (column < 1 || column > 8)
        return QString();
    const Weighing& w = day.slot[static_cast<std::size_t>((column - 1) / 4)];
    switch ((column - 1) % 4) {
    case 0:
        return w.time ? formats.FormatTime(*w.time, formats.ShortTimeFormat) : QString();
    case 1:
        return WeightText(w, formats);
    case 2:
        return BmiText(w, formats);
    default:
        return QString(w.memo).replace(QLatin1Char('\n'), QLatin1String(kLineBreakMarker));
    }
}

QString MemoWithLineBreaks(QString memo)
{
    memo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    memo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return memo;
}

} // namespace tarvel
