#include "platform/WindowFont.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(WindowFont, ChooseFontFamilyFallsBackInOrder)
{
    const struct {
        const char* wanted;
        const char *available, *chosen; // available: comma-separated
    } cases[] = {
        {"Arial", "Times New Roman,Arial", "Arial"},
        {"Arial", "Comic Sans MS,Times New Roman,Courier New", "Courier New"},
        {"Arial", "Comic Sans MS,Times New Roman", "Times New Roman"},
        {"Arial", "DejaVu Sans,Comic Sans MS", "Comic Sans MS"},
        {"Arial", "DejaVu Sans", ""},
        {"Arial", "", ""},
        {"arial", "Courier New,ARIAL", "ARIAL"},
        {"Arial", "courier new", "courier new"},
        {"", ",Comic Sans MS", "Comic Sans MS"},
    };
    for (const auto& c : cases) {
        const QString available = QString::fromUtf8(c.available);
        const QStringList families = available.isEmpty() ? QStringList() : available.split(QLatin1Char(','));
        EXPECT_EQ(ChooseFontFamily(QString::fromUtf8(c.wanted), families),
                  QString::fromUtf8(c.chosen))
            << c.wanted << " / " << c.available;
    }
}
