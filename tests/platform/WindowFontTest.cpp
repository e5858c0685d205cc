#include "platform/WindowFont.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(WindowFont, ChooseFontFamilyFallsBackInOrder)
{
    struct Case {
        const char* wanted;
        int languageCode;
        QStringList available;
        const char* chosen;
    };
    const Case cases[] = {
        {"Arial", 2, {U("Times New Roman"), U("Arial")}, "Arial"},
        {"Arial", 2, {U("Comic Sans MS"), U("Times New Roman"), U("Courier New")}, "Courier New"},
        {"Arial", 2, {U("Comic Sans MS"), U("Times New Roman")}, "Times New Roman"},
        {"Arial", 2, {U("DejaVu Sans"), U("Comic Sans MS")}, "Comic Sans MS"},
        {"Arial", 2, {U("DejaVu Sans")}, ""},
        {"Arial", 2, {}, ""},
        {"arial", 2, {U("Courier New"), U("ARIAL")}, "ARIAL"},
        {"Arial", 2, {U("courier new")}, "courier new"},
        {"", 2, {U(""), U("Comic Sans MS")}, "Comic Sans MS"},
        {"Arial", 1, {U("Courier New"), U("IPAGothic")}, "IPAGothic"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.wanted) + " / " + c.available.join(U(",")).toStdString());
        EXPECT_EQ(ChooseFontFamily(U(c.wanted), c.languageCode, c.available), U(c.chosen));
    }
}
