#include "platform/TextTable.h"

#include <gtest/gtest.h>

using tarvel::LoadText;

namespace {

TEST(TextTable, TextsKeepTheirBlanksAndQuotes)
{
    const struct {
        int id;
        const char* text;
    } cases[] = {
        {101, "Tarvel"},
        {205, "'s Tarvel"},
        {209, " 's data list"},
        {210, " 's weight trend"},
        {211, " 's BMI trend"},
        {307, " "},
        {404, " - "},
        {709, "Date format should be "},
        {713, " Date: "},
        {716, " BMI: "},
        {729, "Do not use \",\" for file name."},
        {700, "Data file cannot be opened."},
        {738, "Data file cannot be saved."},
        {736, "OV1 Files"},
        {1004, "Select the time span of graph"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadText(c.id), QString::fromUtf8(c.text)) << c.id;
}

TEST(TextTable, EveryListedIdHasATextAndOthersAreEmpty)
{
    const int ranges[][2] = {{101, 120},   {150, 150},   {160, 162},  {201, 205}, {209, 228}, {237, 240},
                             {300, 307},   {400, 400},   {402, 402},  {404, 405}, {500, 509}, {600, 604},
                             {700, 725},   {727, 732},   {735, 738},  {800, 802}, {900, 912}, {917, 923},
                             {1000, 1001}, {1003, 1004}, {2000, 2000}};
    int count = 0;
    for (const auto& range : ranges) {
        for (int id = range[0]; id <= range[1]; ++id) {
            EXPECT_FALSE(LoadText(id).isEmpty()) << id;
            ++count;
        }
    }
    EXPECT_EQ(count, 144);
    // 726 completes two port messages with an empty second line.
    for (int id : {0, 100, 206, 401, 726, 733, 734, 1002, 1999, 2001})
        EXPECT_TRUE(LoadText(id).isEmpty()) << id;
}

TEST(TextTable, LanguageFontsAndPictureBase)
{
    EXPECT_EQ(tarvel::LanguageCode(), 2);
    EXPECT_EQ(tarvel::WindowFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(tarvel::DialogFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(tarvel::PictureBase(), 8000);
}

} // namespace
