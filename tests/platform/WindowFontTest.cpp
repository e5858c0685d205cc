#include "platform/WindowFont.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(WindowFont, ChooseFontFamilyFallsBackInOrder)
{
    const struct {
        const char* wanted;
        int languageCode;
        const char *available, *chosen; // available: comma-separated
    } cases[] = {
        {"Arial", 2, "Times New Roman,Arial", "Arial"},
        {"Arial", 2, "Comic Sans MS,Times New Roman,Courier New", "Courier New"},
        {"Arial", 2, "Comic Sans MS,Times New Roman", "Times New Roman"},
        {"Arial", 2, "DejaVu Sans,Comic Sans MS", "Comic Sans MS"},
        {"Arial", 2, "DejaVu Sans", ""},
        {"Arial", 2, "", ""},
        {"arial", 2, "Courier New,ARIAL", "ARIAL"},
        {"Arial", 2, "courier new", "courier new"},
        {"", 2, ",Comic Sans MS", "Comic Sans MS"},
        {"Arial", 1, "Courier New,IPAGothic", "IPAGothic"},
    };
    for (const auto& c : cases) {
        const QString available = QString::fromUtf8(c.available);
        const QStringList families = available.isEmpty() ? QStringList() : available.split(QLatin1Char(','));
        EXPECT_EQ(ChooseFontFamily(QString::fromUtf8(c.wanted), c.languageCode, families),
                  QString::fromUtf8(c.chosen))
            << c.wanted << " / " << c.available;
    }
}
