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

// Reads sign, digits and fraction starting at pos and advances pos past them. digits counts the
// digits seen, so a caller can tell "-" or "." alone from a number. The characters are converted in
// one go so that "65.4" gives exactly the double nearest 65.4.
double ReadNumber(QStringView text, qsizetype& pos, QChar decimalSep, bool acceptDot, int& digits)
{
    QByteArray plain;
    digits = 0;
    qsizetype p = pos;
    if (p < text.size() && (text[p] == QLatin1Char('-') || text[p] == QLatin1Char('+'))) {
        plain += static_cast<char>(text[p].unicode());
        ++p;
    }
    while (p < text.size() && IsDigit(text[p])) {
        plain += static_cast<char>(text[p].unicode());
        ++p;
        ++digits;
    }
    if (p < text.size() && (text[p] == decimalSep || (acceptDot && text[p] == QLatin1Char('.')))) {
        qsizetype q = p + 1;
        int fracDigits = 0;
        QByteArray fraction(".");
        while (q < text.size() && IsDigit(text[q])) {
            fraction += static_cast<char>(text[q].unicode());
            ++q;
            ++fracDigits;
        }
        if (digits + fracDigits > 0) {
            plain += fraction;
            digits += fracDigits;
            p = q;
        }
    }
    if (digits == 0)
        return 0.0;
    pos = p;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

double LeadingNumber(QStringView text, QChar decimalSep)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == QLatin1Char(' ') || text[pos] == QLatin1Char('\t')))
        ++pos;
    int digits = 0;
    const double value = ReadNumber(text, pos, decimalSep, true, digits);
    return digits > 0 ? value : 0.0;
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
    qsizetype pos = 0;
    int digits = 0;
    const double value = ReadNumber(trimmed, pos, decimalSep, false, digits);
    if (digits == 0 || pos != trimmed.size())
        return std::nullopt;
    return value;
}

QString FormatNumber(double value, QStringView pattern, QChar decimalSep)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView wholePart = point < 0 ? pattern : pattern.left(point);
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    const int minWhole = static_cast<int>(wholePart.count(QLatin1Char('0')));

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

} // namespace tarvel
