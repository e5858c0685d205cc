#include "platform/NumberText.h"

#include <QByteArray>

#include <cmath>
#include <limits>

namespace tarvel {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Where the parts of a decimal number lie in a text: an optional sign, whole digits, and a fraction
// after the separator. Found without copying, so reading many fields costs no allocation.
struct DecimalScan {
    bool negative = false;
    qsizetype wholeStart = 0, wholeEnd = 0;
    qsizetype fracStart = 0, fracEnd = 0;
    qsizetype end = 0; // just past the number
    int Digits() const { return static_cast<int>((wholeEnd - wholeStart) + (fracEnd - fracStart)); }
};

DecimalScan ScanDecimal(QStringView text, qsizetype pos, QChar decimalSep, bool acceptDot)
{
    DecimalScan scan;
    qsizetype p = pos;
    if (p < text.size() && (text[p] == QLatin1Char('-') || text[p] == QLatin1Char('+'))) {
        scan.negative = text[p] == QLatin1Char('-');
        ++p;
    }
    scan.wholeStart = p;
    while (p < text.size() && IsDigit(text[p]))
        ++p;
    scan.wholeEnd = p;
    scan.fracStart = scan.fracEnd = p;
    if (p < text.size() && (text[p] == decimalSep || (acceptDot && text[p] == QLatin1Char('.')))) {
        qsizetype q = p + 1;
        while (q < text.size() && IsDigit(text[q]))
            ++q;
        if (scan.wholeEnd > scan.wholeStart || q > p + 1) {
            scan.fracStart = p + 1;
            scan.fracEnd = q;
            p = q;
        }
    }
    scan.end = p;
    return scan;
}

// The value of a scanned number. Up to 15 digits it is one exact integer divided by an exact power
// of ten, which rounds correctly; longer numbers go through the library conversion.
double ValueOf(QStringView text, const DecimalScan& scan)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    double value = 0;
    if (scan.Digits() <= 15) {
        qint64 mantissa = 0;
        for (qsizetype i = scan.wholeStart; i < scan.wholeEnd; ++i)
            mantissa = mantissa * 10 + (text[i].unicode() - '0');
        for (qsizetype i = scan.fracStart; i < scan.fracEnd; ++i)
            mantissa = mantissa * 10 + (text[i].unicode() - '0');
        value = static_cast<double>(mantissa) / kPowersOfTen[scan.fracEnd - scan.fracStart];
    } else {
        QByteArray plain;
        for (qsizetype i = scan.wholeStart; i < scan.wholeEnd; ++i)
            plain += static_cast<char>(text[i].unicode());
        plain += '.';
        for (qsizetype i = scan.fracStart; i < scan.fracEnd; ++i)
            plain += static_cast<char>(text[i].unicode());
        bool ok = false;
        value = plain.toDouble(&ok);
        if (!ok)
            value = 0;
    }
    return scan.negative ? -value : value;
}

// The least count of whole digits and the count of decimals of a pattern such as "##0.00".
void PatternShape(QStringView pattern, int& minWhole, int& decimals)
{
    minWhole = 0;
    decimals = 0;
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (afterPoint)
            ++decimals;
        else if (c == QLatin1Char('0'))
            ++minWhole;
    }
}

} // namespace

double LeadingNumber(QStringView text, QChar decimalSep)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == QLatin1Char(' ') || text[pos] == QLatin1Char('\t')))
        ++pos;
    const DecimalScan scan = ScanDecimal(text, pos, decimalSep, true);
    return scan.Digits() > 0 ? ValueOf(text, scan) : 0.0;
}

std::optional<int> RoundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode sends halves to even
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<double> ParseNumber(QStringView text, QChar decimalSep)
{
    const QStringView trimmed = text.trimmed();
    const DecimalScan scan = ScanDecimal(trimmed, 0, decimalSep, false);
    if (scan.Digits() == 0 || scan.end != trimmed.size())
        return std::nullopt;
    return ValueOf(trimmed, scan);
}

QString FormatNumber(double value, QStringView pattern, QChar decimalSep)
{
    int minWhole = 0;
    int decimals = 0;
    PatternShape(pattern, minWhole, decimals);

    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    const qsizetype whole = dot < 0 ? digits.size() : dot;
    if (whole < minWhole)
        digits.prepend(QString(minWhole - whole, QLatin1Char('0')));
    else if (minWhole == 0 && whole == 1 && digits.startsWith(QLatin1Char('0')) && dot >= 0)
        digits.remove(0, 1); // "#.00" writes 0.5 as .50
    if (dot >= 0)
        digits.replace(digits.indexOf(QLatin1Char('.')), 1, decimalSep);

    bool nonZero = false;
    for (QChar c : digits) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            nonZero = true;
    }
    if (value < 0 && nonZero)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

bool RelayoutDecimal(QStringView text, QChar decimalSep, QStringView pattern, QChar outSep, DecimalText& out)
{
    // One pass over raw characters: this runs for every number of every diary read or written.
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    const char16_t sep = decimalSep.unicode();
    auto digit = [](char16_t c) { return static_cast<unsigned>(c - u'0') <= 9u; };

    qsizetype i = 0;
    const bool negative = n > 0 && p[0] == u'-';
    if (n > 0 && (p[0] == u'-' || p[0] == u'+'))
        ++i;
    const qsizetype wholeBegin = i;
    while (i < n && p[i] == u'0')
        ++i;
    const qsizetype significant = i;
    while (i < n && digit(p[i]))
        ++i;
    const qsizetype wholeEnd = i;
    qsizetype fracBegin = i;
    if (i < n && p[i] == sep) {
        fracBegin = ++i;
        while (i < n && digit(p[i]))
            ++i;
    }
    const qsizetype fracEnd = i;
    if (i != n || (wholeEnd == wholeBegin && fracEnd == fracBegin))
        return false; // not a plain number

    int minWhole = 0;
    int decimals = 0;
    PatternShape(pattern, minWhole, decimals);
    const qsizetype fracDigits = fracEnd - fracBegin;
    const qsizetype wholeDigits = wholeEnd - significant;
    const qsizetype padding = wholeDigits < minWhole ? minWhole - wholeDigits : 0;
    if (fracDigits > decimals || 2 + padding + wholeDigits + decimals > DecimalText::kCapacity)
        return false; // it would need rounding, or is too long: the general route decides

    bool zero = wholeDigits == 0;
    for (qsizetype k = fracBegin; k < fracEnd && zero; ++k)
        zero = p[k] == u'0';
    char16_t* o = out.chars;
    if (negative && !zero)
        *o++ = u'-';
    for (qsizetype k = 0; k < padding; ++k)
        *o++ = u'0';
    for (qsizetype k = significant; k < wholeEnd; ++k)
        *o++ = p[k];
    if (decimals > 0) {
        *o++ = outSep.unicode();
        for (qsizetype k = fracBegin; k < fracEnd; ++k)
            *o++ = p[k];
        for (qsizetype k = fracDigits; k < decimals; ++k)
            *o++ = u'0';
    }
    out.size = static_cast<int>(o - out.chars);
    out.zero = zero;
    return true;
}

} // namespace tarvel
