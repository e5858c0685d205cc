#include "platform/TextTable.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tarvel {

namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by id. Leading and trailing blanks are part of the texts.
constexpr Entry kTexts[] = {
    {101, "Tarvel"},
    {102, "File"},
    {103, "New"},
    {104, "Open"},
    {105, "Close"},
    {106, "Save"},
    {107, "Save as"},
    {108, "Print"},
    {109, "Exit"},
    {110, "Setting"},
    {111, "Port"},
    {112, "Range"},
    {113, "Appearance"},
    {114, "Help"},
    {115, "Contents"},
    {116, "Topics"},
    {117, "Orvik Weight Web"},
    {118, "Orvik Web"},
    {119, "About"},
    {120, "Copy"},
    {150, "Tarvel Data"},
    {160, "Arial"},
    {161, "Arial"},
    {162, "8000"},
    {201, "Diary"},
    {202, "List"},
    {203, "Weight trend"},
    {204, "BMI trend"},
    {205, "'s Tarvel"},
    {209, " 's data list"},
    {210, " 's weight trend"},
    {211, " 's BMI trend"},
    {212, "New"},
    {213, "Date"},
    {214, "Time"},
    {215, "Height"},
    {216, "Weight"},
    {217, "BMI"},
    {218, "Sex"},
    {219, "Male"},
    {220, "Female"},
    {221, "Memo"},
    {222, "Previous data"},
    {223, "Next data"},
    {224, "Save data"},
    {225, "Save data"},
    {226, "New data"},
    {227, "Delete this data"},
    {228, "Enter"},
    {237, "<"},
    {238, ">"},
    {239, "(1) Morning"},
    {240, "(2) Night"},
    {300, "Port setting"},
    {301, "Cancel"},
    {302, "Port"},
    {303, "Baud rate"},
    {304, "Data bit"},
    {305, "Parity"},
    {306, "Stop bit"},
    {307, " "},
    {400, "Range setting"},
    {402, "Range for BMI trend"},
    {404, " - "},
    {405, "Time span for trend [month]"},
    {500, "Appearance setting"},
    {501, "Select screen color."},
    {502, "4-color"},
    {503, "Blue"},
    {504, "Green"},
    {505, "Orange"},
    {506, "Pink"},
    {507, "Purple"},
    {508, "Gray"},
    {509, "Button"},
    {600, "Version info."},
    {601, "System info."},
    {602, "Version"},
    {603, "The Tarvel developers"},
    {604, "Tarvel is free software under the MIT License, provided as is, without any warranty. It keeps "
          "a personal diary of body weight and is no medical device: ask a doctor about your health."},
    {700, "Data file cannot be opened."},
    {701, "Input your height. (cm)"},
    {702, "Input your weight. (kg)"},
    {703, "Input your height and weight."},
    {704, "Input your name."},
    {705, "Input date. (yyyy/mm/dd)"},
    {706, "Input time. (hh:mm)"},
    {707, "Invalid input at weight or BMI."},
    {708, "Invalid date."},
    {709, "Date format should be "},
    {710, "Invalid time."},
    {711, "Time format should be hh:mm."},
    {712, "Following data will be deleted."},
    {713, " Date: "},
    {714, " Time: "},
    {715, " Weight: "},
    {716, " BMI: "},
    {717, "Continue process?"},
    {718, "Data is changed."},
    {719, "Save data and continue process?"},
    {720, "File is not saved."},
    {721, "Would you like to save the file?"},
    {722, "All the data will be lost if file is not saved."},
    {723, "Would you like to overwrite the file?"},
    {724, "New entries will be lost if the file is not saved."},
    {725, "Cannot open communication port."},
    {727, "Backup data was kept from the last time."},
    {728, "Would you like to recall data from the backup?"},
    {729, "Do not use \",\" for file name."},
    {730, "Maximum height is 300cm."},
    {731, "Maximum weight is 150kg."},
    {732, "Cannot printout over 10 lines of text."},
    {735, "."},
    {736, "OV1 Files"},
    {737, "All Files"},
    {738, "Data file cannot be saved."},
    // Reading a file: lines left out, or no diary at all.
    {740, "This file is not a Tarvel diary."},
    {741, "Lines that cannot be read: %1"},
    {742, "They will be left out when the file is saved."},
    // Saving a new page under the date of a day already stored.
    {750, "The diary already holds this date."},
    {751, "Add the weighings of this page to it?"},
    {752, "The day already holds a weighing in the same slot. Nothing was saved."},
    {800, "Cannot find open port."},
    {801, "Designated port cannot be used."},
    {802, "Cannot show system info."},
    {900, "Input your name"},
    {901, "Showing data location"},
    {902, "Total number of data"},
    {903, "Input date or click right button"},
    {904, "Input date or click right button"},
    {905, "Input height"},
    {906, "Input weight"},
    {907, "BMI is calculated from height and weight"},
    {908, "Input date"},
    {909, "Input current time"},
    {910, "BMI is calculated from height and weight"},
    {911, "Select sex"},
    {912, "Input memo or diary"},
    {917, "See previous data"},
    {918, "See next data"},
    {919, "Current data is stored"},
    {920, "Data correction is stored"},
    {921, "New entry"},
    {922, "Delete this data"},
    {923, "Click the input date."},
    {1000, "Select communication port"},
    {1001, "Showing preview"},
    {1003, "Select the range of BMI graph"},
    {1004, "Select the time span of graph"},
    {1400, "No scale"},
    {1401, "Scale: %1 connected"},
    {1402, "Scale: %1 connected, last reading %2 kg at %3"},
    {1403, "Scale: %1 not connected"},
    {1404, "Scale: %1 connected again"},
    {1405, "No scale: %1 could not be opened (Setting > Port chooses the scale)"},
    {1410, "Import"},
    {1411, "Export"},
    {1412, "CSV files"},
    {1413, "Rows imported: %1"},
    {1414, "Rows skipped (day or half-day already filled): %1"},
    {1415, "Rows that could not be read: %1"},
    {1416, "The file holds no date and weight columns."},
    {1417, "The CSV file cannot be written."},
    {2000, "2"},
};

constexpr bool SortedById()
{
    for (std::size_t i = 1; i < std::size(kTexts); ++i) {
        if (kTexts[i - 1].id >= kTexts[i].id)
            return false;
    }
    return true;
}
static_assert(SortedById(), "the text table must stay sorted by id");

} // namespace

QString LoadText(int id)
{
    const auto* end = std::end(kTexts);
    const auto* it = std::lower_bound(std::begin(kTexts), end, id,
                                      [](const Entry& e, int wanted) { return e.id < wanted; });
    if (it == end || it->id != id)
        return QString();
    return QString::fromUtf8(it->text);
}

QString WindowFontName()
{
    return LoadText(160);
}

QString DialogFontName()
{
    return LoadText(161);
}

} // namespace tarvel
