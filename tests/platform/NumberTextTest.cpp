#include "platform/NumberText.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

using namespace tarvel;

namespace {

TEST(NumberText, ReadingNumbersAndRoundingToSixteenBits)
{
    const struct {
        const char* text;
        char16_t sep;
        double leading;              // LeadingNumber: the number the text begins with, else 0
        std::optional<double> whole; // ParseNumber: the whole text with the locale's separator
    } cases[] = {
        // clang-format off
        {"abc", u'.', 0, {}}, {"172cm", u'.', 172, {}}, {"  65.4kg", u'.', 65.4, {}}, {"x150", u'.', 0, {}},
        {"65.40", u',', 65.4, {}}, // "." is no decimal point there, but a text begins with what it can
        {"65,4", u',', 65.4, 65.4}, {"-3", u'.', -3, -3}, {"+7", u'.', 7, 7}, {"", u'.', 0, {}},
        {".", u'.', 0, {}}, {"-", u'.', 0, {}}, {".5", u'.', 0.5, 0.5}, {"1.5.3", u'.', 1.5, {}},
        {"150,01", u',', 150.01, 150.01}, {" 12 ", u'.', 12, 12}, {"065.40", u'.', 65.4, 65.4},
        {"12a", u'.', 12, {}}, {"1 2", u'.', 1, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumber(text, QChar(c.sep)), c.leading) << c.text;
        EXPECT_EQ(ParseNumber(text, QChar(c.sep)), c.whole) << c.text;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<int>> rounded[] = {
        {2.5, 2},         {3.5, 4},    {-2.5, -2},   {2.6, 3},  {32767.4, 32767},
        {-32768, -32768}, {32768, {}}, {-32769, {}}, {nan, {}}, {inf, {}}};
    for (const auto& [value, result] : rounded)
        EXPECT_EQ(RoundToInt16(value), result) << value;
}

TEST(NumberText, PatternsGiveWholeDigitsAndDecimals)
{
    // clang-format off
    const struct {
        double value;
        const char16_t* pattern;
        const char* expected;
    } cases[] = {{65.4, kWeightPattern, "65,40"}, {22.56, kBmiPattern, "22,6"}, {-0.01, kBmiPattern, "0,0"},
                 {5.26, kBmiComputePattern, "05,3"}, {1234.5, kFileWeightPattern, "1234,50"},
                 {-5, kFileWeightPattern, "-005,00"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern, QLatin1Char(',')), QString::fromLatin1(c.expected))
            << c.expected;
}

// The digit-moving layout the diary file uses must give exactly what reading the number and
// formatting it gives, for every text it accepts; texts it refuses go the general way.
TEST(NumberText, RelayoutDecimalAgreesWithParseAndFormat)
{
    QStringList texts = QStringList{"-0.0", "+5", ".5", "5.", "-7.25", "000"};
    for (int whole = 0; whole < 1200; whole += 7) {
        for (const char* fraction : {"", "0", "5", "05", "50", "99", "123"})
            texts << QString::number(whole) + QLatin1Char('.') + QLatin1String(fraction);
    }
    int laidOut = 0;
    for (const QString& text : texts) {
        for (const char16_t* pattern :
             {kWeightPattern, kBmiPattern, kBmiComputePattern, kFileWeightPattern}) {
            DecimalText fast;
            if (!RelayoutDecimal(text, QLatin1Char('.'), pattern, QLatin1Char(','), fast))
                continue;
            ++laidOut;
            const std::optional<double> value = ParseNumber(text, QLatin1Char('.'));
            ASSERT_TRUE(value.has_value()) << text.toStdString();
            EXPECT_EQ(fast.View().toString(), FormatNumber(*value, pattern, QLatin1Char(',')))
                << text.toStdString();
            EXPECT_EQ(fast.zero, *value == 0) << text.toStdString();
        }
    }
    EXPECT_GT(laidOut, 3000);
    for (const char* text : {"22.47", "1.005", "abc", "", " 5", "1,5", "--1", "1e3", "-", "+.", "."}) {
        DecimalText out;
        EXPECT_FALSE(
            RelayoutDecimal(QString::fromLatin1(text), QLatin1Char('.'), kBmiPattern, QLatin1Char('.'), out))
            << text;
    }
}

} // namespace
