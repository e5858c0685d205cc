#include "platform/NumberText.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

using namespace tarvel;

namespace {

TEST(FormatNumber, PatternsGiveWholeDigitsAndDecimals)
{
    struct Case {
        double value;
        const char16_t* pattern;
        char16_t sep;
        const char* expected;
    } const cases[] = {
        {170, kHeightPattern, u'.', "170.0"},
        {65.4, kWeightPattern, u'.', "65.40"},
        {65.4, kWeightPattern, u',', "65,40"},
        {22.56, kBmiPattern, u'.', "22.6"},
        {5.26, kBmiComputePattern, u'.', "05.3"},
        {8.5, kBmiComputePattern, u'.', "08.5"},
        {65.4, kFileWeightPattern, u'.', "065.40"},
        {150, kFileWeightPattern, u'.', "150.00"},
        {1234.5, kFileWeightPattern, u'.', "1234.50"},
        {170, kFileHeightPattern, u'.', "170.0"},
        {0, kWeightPattern, u'.', "0.00"},
        {0.04, kBmiPattern, u'.', "0.0"},
        {-1.5, kHeightPattern, u'.', "-1.5"},
        {-0.01, kBmiPattern, u'.', "0.0"}, // no "-0.0"
        {-5, kFileWeightPattern, u'.', "-005.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern, QChar(c.sep)), QString::fromLatin1(c.expected))
            << c.expected;
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    struct Case {
        const char* text;
        char16_t sep;
        double expected;
    } const cases[] = {
        {"abc", u'.', 0},     {"172cm", u'.', 172},     {"  65.4kg", u'.', 65.4}, {"65,4", u',', 65.4},
        {"65.4", u',', 65.4}, {"-3", u'.', -3},         {"+7", u'.', 7},          {"", u'.', 0},
        {".", u'.', 0},       {"-", u'.', 0},           {".5", u'.', 0.5},        {"1.5.3", u'.', 1.5},
        {"300.0", u'.', 300}, {"150,01", u',', 150.01}, {"x150", u'.', 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(c.text), QChar(c.sep)), c.expected) << c.text;
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberWithTheLocaleSeparatorAndRoundingToSixteenBitsHalvesToEven)
{
    const struct {
        const char16_t* text;
        char16_t sep;
        std::optional<double> value;
    } texts[] = {{u"65,40", u',', 65.4},  {u" 12 ", u'.', 12.0}, {u"-0.5", u'.', -0.5},
                 {u"065.40", u'.', 65.4}, {u"65.40", u',', {}}, // "." is no decimal point there
                 {u"12a", u'.', {}},      {u"", u'.', {}},       {u"-", u'.', {}},
                 {u"1 2", u'.', {}}};
    for (const auto& c : texts)
        EXPECT_EQ(ParseNumber(c.text, QChar(c.sep)), c.value) << QString::fromUtf16(c.text).toStdString();

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<int>> rounded[] = {
        {2.5, 2},         {3.5, 4},    {-2.5, -2},   {2.6, 3},  {32767.4, 32767},
        {-32768, -32768}, {32768, {}}, {-32769, {}}, {nan, {}}, {inf, {}}};
    for (const auto& [value, result] : rounded)
        EXPECT_EQ(RoundToInt16(value), result) << value;
}

// The digit-moving layout must give exactly what reading the number and formatting it gives, for
// every text it accepts; texts it refuses go the general way.
TEST(RelayoutDecimal, AgreesWithParseAndFormat)
{
    const char16_t* patterns[] = {kWeightPattern, kBmiPattern, kBmiComputePattern, kFileWeightPattern,
                                  kFileHeightPattern};
    QStringList texts = {QStringLiteral("065.40"), QStringLiteral("0"),     QStringLiteral("-0.0"),
                         QStringLiteral("+5"),     QStringLiteral(".5"),    QStringLiteral("5."),
                         QStringLiteral("1234.5"), QStringLiteral("-7.25"), QStringLiteral("000"),
                         QStringLiteral("22.47"),  QStringLiteral("8.5")};
    for (int whole = 0; whole < 1200; whole += 7) {
        for (const char* fraction : {"", "0", "5", "05", "50", "99", "123"})
            texts << QString::number(whole) + QLatin1Char('.') + QLatin1String(fraction);
    }
    int fastCount = 0;
    for (const QString& dotted : texts) {
        for (const char16_t* pattern : patterns) {
            for (char16_t sep : {u'.', u','}) {
                QString text = dotted;
                text.replace(QLatin1Char('.'), QChar(sep));
                DecimalText fast;
                const bool laidOut = RelayoutDecimal(text, QChar(sep), pattern, QLatin1Char('.'), fast);
                const auto value = ParseNumber(text, QChar(sep));
                if (!laidOut)
                    continue;
                ++fastCount;
                ASSERT_TRUE(value.has_value()) << text.toStdString();
                EXPECT_EQ(fast.View().toString(), FormatNumber(*value, pattern, QLatin1Char('.')))
                    << text.toStdString() << " " << QString::fromUtf16(pattern).toStdString();
                EXPECT_EQ(fast.zero, *value == 0) << text.toStdString();
            }
        }
    }
    EXPECT_GT(fastCount, 3000);
    // Texts that need rounding or are no plain number are left to the general route.
    for (const char* text : {"22.47", "1.005", "abc", "", " 5", "5 ", "1,5", "--1", "1e3", "-", "+.", "."}) {
        DecimalText out;
        EXPECT_FALSE(
            RelayoutDecimal(QString::fromLatin1(text), QLatin1Char('.'), kBmiPattern, QLatin1Char('.'), out))
            << text;
    }
}

} // namespace
