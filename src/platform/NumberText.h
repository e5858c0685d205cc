#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace tarvel {

// The number a text begins with, as the input rules and the settings read it: leading blanks are
// skipped, then an optional sign, digits and a fraction after "." or the given decimal separator.
// A text that does not begin with a number reads as 0 ("abc" -> 0, "172cm" -> 172).
double LeadingNumber(QStringView text, QChar decimalSep = QLatin1Char('.'));

// Rounds to the nearest whole number, halves to even, when the result fits in 16 bits.
std::optional<int> RoundToInt16(double value);

// The whole text as a number written with the given decimal separator (surrounding blanks allowed,
// no digit grouping, no exponent); nothing when the text is not such a number.
std::optional<double> ParseNumber(QStringView text, QChar decimalSep);

// A number laid out by a pattern such as "##0.00", "#0.0", "00.0" or "000.00": the zeros before the
// point give the least count of whole digits, the places after it the count of decimals; the point
// is written as decimalSep.
QString FormatNumber(double value, QStringView pattern, QChar decimalSep);

// A number laid out by a pattern, in a fixed buffer.
struct DecimalText {
    static constexpr int kCapacity = 48;
    char16_t chars[kCapacity];
    int size = 0;
    bool zero = false; // every digit is 0

    QStringView View() const { return QStringView(chars, size); }
};

// Puts into out the same text as FormatNumber(ParseNumber(text, decimalSep), pattern, outSep) gives,
// found by moving the digits instead of going through a double: "065.40" -> "65.40". False when the
// text is not a plain number or has more decimals than the pattern (it would need rounding); the
// caller then takes the general route. The diary reader and writer lay out every number this way.
bool RelayoutDecimal(QStringView text, QChar decimalSep, QStringView pattern, QChar outSep, DecimalText& out);

// The number patterns the program uses.
inline constexpr char16_t kWeightPattern[] = u"##0.00";
inline constexpr char16_t kBmiPattern[] = u"#0.0";
inline constexpr char16_t kBmiComputePattern[] = u"00.0";
inline constexpr char16_t kHeightPattern[] = u"##0.0";
inline constexpr char16_t kFileWeightPattern[] = u"000.00";
inline constexpr char16_t kFileHeightPattern[] = u"000.0";

} // namespace tarvel
