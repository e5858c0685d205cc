#include "platform/TextTable.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <iterator>

namespace tarvel {

namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by id. Leading and trailing blanks are part of the texts. Each text is marked for the
// translation files (context "Texts"); a new text is written the same way.
constexpr Entry kTexts[] = {
    {101, QT_TRANSLATE_NOOP("Texts", "Tarvel")},
    {102, QT_TRANSLATE_NOOP("Texts", "File")},
    {103, QT_TRANSLATE_NOOP("Texts", "New")},
    {104, QT_TRANSLATE_NOOP("Texts", "Open")},
    {105, QT_TRANSLATE_NOOP("Texts", "Close")},
    {106, QT_TRANSLATE_NOOP("Texts", "Save")},
    {107, QT_TRANSLATE_NOOP("Texts", "Save as")},
    {108, QT_TRANSLATE_NOOP("Texts", "Print")},
    {109, QT_TRANSLATE_NOOP("Texts", "Exit")},
    {110, QT_TRANSLATE_NOOP("Texts", "Setting")},
    {111, QT_TRANSLATE_NOOP("Texts", "Port")},
    {112, QT_TRANSLATE_NOOP("Texts", "Range")},
    {113, QT_TRANSLATE_NOOP("Texts", "Appearance")},
    {114, QT_TRANSLATE_NOOP("Texts", "Help")},
    {115, QT_TRANSLATE_NOOP("Texts", "Contents")},
    {116, QT_TRANSLATE_NOOP("Texts", "Topics")},
    {117, QT_TRANSLATE_NOOP("Texts", "Orvik Weight Web")},
    {118, QT_TRANSLATE_NOOP("Texts", "Orvik Web")},
    {119, QT_TRANSLATE_NOOP("Texts", "About")},
    {120, QT_TRANSLATE_NOOP("Texts", "Copy")},
    {150, QT_TRANSLATE_NOOP("Texts", "Tarvel Data")},
    {160, QT_TRANSLATE_NOOP("Texts", "Arial")},
    {161, QT_TRANSLATE_NOOP("Texts", "Arial")},
    {162, QT_TRANSLATE_NOOP("Texts", "8000")},
    {201, QT_TRANSLATE_NOOP("Texts", "Diary")},
    {202, QT_TRANSLATE_NOOP("Texts", "List")},
    {203, QT_TRANSLATE_NOOP("Texts", "Weight trend")},
    {204, QT_TRANSLATE_NOOP("Texts", "BMI trend")},
    {205, QT_TRANSLATE_NOOP("Texts", "'s Tarvel")},
    {209, QT_TRANSLATE_NOOP("Texts", " 's data list")},
    {210, QT_TRANSLATE_NOOP("Texts", " 's weight trend")},
    {211, QT_TRANSLATE_NOOP("Texts", " 's BMI trend")},
    {212, QT_TRANSLATE_NOOP("Texts", "New")},
    {213, QT_TRANSLATE_NOOP("Texts", "Date")},
    {214, QT_TRANSLATE_NOOP("Texts", "Time")},
    {215, QT_TRANSLATE_NOOP("Texts", "Height")},
    {216, QT_TRANSLATE_NOOP("Texts", "Weight")},
    {217, QT_TRANSLATE_NOOP("Texts", "BMI")},
    {218, QT_TRANSLATE_NOOP("Texts", "Sex")},
    {219, QT_TRANSLATE_NOOP("Texts", "Male")},
    {220, QT_TRANSLATE_NOOP("Texts", "Female")},
    {221, QT_TRANSLATE_NOOP("Texts", "Memo")},
    {222, QT_TRANSLATE_NOOP("Texts", "Previous data")},
    {223, QT_TRANSLATE_NOOP("Texts", "Next data")},
    {224, QT_TRANSLATE_NOOP("Texts", "Save data")},
    {225, QT_TRANSLATE_NOOP("Texts", "Save data")},
    {226, QT_TRANSLATE_NOOP("Texts", "New data")},
    {227, QT_TRANSLATE_NOOP("Texts", "Delete this data")},
    {228, QT_TRANSLATE_NOOP("Texts", "Enter")},
    {237, QT_TRANSLATE_NOOP("Texts", "<")},
    {238, QT_TRANSLATE_NOOP("Texts", ">")},
    {239, QT_TRANSLATE_NOOP("Texts", "(1) Morning")},
    {240, QT_TRANSLATE_NOOP("Texts", "(2) Night")},
    {300, QT_TRANSLATE_NOOP("Texts", "Port setting")},
    {301, QT_TRANSLATE_NOOP("Texts", "Cancel")},
    {302, QT_TRANSLATE_NOOP("Texts", "Port")},
    {303, QT_TRANSLATE_NOOP("Texts", "Baud rate")},
    {304, QT_TRANSLATE_NOOP("Texts", "Data bit")},
    {305, QT_TRANSLATE_NOOP("Texts", "Parity")},
    {306, QT_TRANSLATE_NOOP("Texts", "Stop bit")},
    {307, QT_TRANSLATE_NOOP("Texts", " ")},
    {400, QT_TRANSLATE_NOOP("Texts", "Range setting")},
    {402, QT_TRANSLATE_NOOP("Texts", "Range for BMI trend")},
    {404, QT_TRANSLATE_NOOP("Texts", " - ")},
    {405, QT_TRANSLATE_NOOP("Texts", "Time span for trend [month]")},
    {500, QT_TRANSLATE_NOOP("Texts", "Appearance setting")},
    {501, QT_TRANSLATE_NOOP("Texts", "Select screen color.")},
    {502, QT_TRANSLATE_NOOP("Texts", "4-color")},
    {503, QT_TRANSLATE_NOOP("Texts", "Blue")},
    {504, QT_TRANSLATE_NOOP("Texts", "Green")},
    {505, QT_TRANSLATE_NOOP("Texts", "Orange")},
    {506, QT_TRANSLATE_NOOP("Texts", "Pink")},
    {507, QT_TRANSLATE_NOOP("Texts", "Purple")},
    {508, QT_TRANSLATE_NOOP("Texts", "Gray")},
    {509, QT_TRANSLATE_NOOP("Texts", "Button")},
    {600, QT_TRANSLATE_NOOP("Texts", "Version info.")},
    {601, QT_TRANSLATE_NOOP("Texts", "System info.")},
    {602, QT_TRANSLATE_NOOP("Texts", "Version")},
    {603, QT_TRANSLATE_NOOP("Texts", "The Tarvel developers")},
    {604, QT_TRANSLATE_NOOP(
              "Texts",
              "Tarvel is free software under the MIT License, provided as is, without any warranty. It keeps "
              "a personal diary of body weight and is no medical device: ask a doctor about your health.")},
    {700, QT_TRANSLATE_NOOP("Texts", "Data file cannot be opened.")},
    {701, QT_TRANSLATE_NOOP("Texts", "Input your height. (cm)")},
    {702, QT_TRANSLATE_NOOP("Texts", "Input your weight. (kg)")},
    {703, QT_TRANSLATE_NOOP("Texts", "Input your height and weight.")},
    {704, QT_TRANSLATE_NOOP("Texts", "Input your name.")},
    {705, QT_TRANSLATE_NOOP("Texts", "Input date. (yyyy/mm/dd)")},
    {706, QT_TRANSLATE_NOOP("Texts", "Input time. (hh:mm)")},
    {707, QT_TRANSLATE_NOOP("Texts", "Invalid input at weight or BMI.")},
    {708, QT_TRANSLATE_NOOP("Texts", "Invalid date.")},
    {709, QT_TRANSLATE_NOOP("Texts", "Date format should be ")},
    {710, QT_TRANSLATE_NOOP("Texts", "Invalid time.")},
    {711, QT_TRANSLATE_NOOP("Texts", "Time format should be hh:mm.")},
    {712, QT_TRANSLATE_NOOP("Texts", "Following data will be deleted.")},
    {713, QT_TRANSLATE_NOOP("Texts", " Date: ")},
    {714, QT_TRANSLATE_NOOP("Texts", " Time: ")},
    {715, QT_TRANSLATE_NOOP("Texts", " Weight: ")},
    {716, QT_TRANSLATE_NOOP("Texts", " BMI: ")},
    {717, QT_TRANSLATE_NOOP("Texts", "Continue process?")},
    {718, QT_TRANSLATE_NOOP("Texts", "Data is changed.")},
    {719, QT_TRANSLATE_NOOP("Texts", "Save data and continue process?")},
    {720, QT_TRANSLATE_NOOP("Texts", "File is not saved.")},
    {721, QT_TRANSLATE_NOOP("Texts", "Would you like to save the file?")},
    {722, QT_TRANSLATE_NOOP("Texts", "All the data will be lost if file is not saved.")},
    {723, QT_TRANSLATE_NOOP("Texts", "Would you like to overwrite the file?")},
    {724, QT_TRANSLATE_NOOP("Texts", "New entries will be lost if the file is not saved.")},
    {725, QT_TRANSLATE_NOOP("Texts", "Cannot open communication port.")},
    {727, QT_TRANSLATE_NOOP("Texts", "Backup data was kept from the last time.")},
    {728, QT_TRANSLATE_NOOP("Texts", "Would you like to recall data from the backup?")},
    {729, QT_TRANSLATE_NOOP("Texts", "Do not use \",\" for file name.")},
    {730, QT_TRANSLATE_NOOP("Texts", "Maximum height is 300cm.")},
    {731, QT_TRANSLATE_NOOP("Texts", "Maximum weight is 150kg.")},
    {732, QT_TRANSLATE_NOOP("Texts", "Cannot printout over 10 lines of text.")},
    {735, QT_TRANSLATE_NOOP("Texts", ".")},
    {736, QT_TRANSLATE_NOOP("Texts", "OV1 Files")},
    {737, QT_TRANSLATE_NOOP("Texts", "All Files")},
    {738, QT_TRANSLATE_NOOP("Texts", "Data file cannot be saved.")},
    // Reading a file: lines left out, or no diary at all.
    {740, QT_TRANSLATE_NOOP("Texts", "This file is not a Tarvel diary.")},
    {741, QT_TRANSLATE_NOOP("Texts", "Lines that cannot be read: %1")},
    {742, QT_TRANSLATE_NOOP("Texts", "They will be left out when the file is saved.")},
    // Saving a new page under the date of a day already stored.
    {750, QT_TRANSLATE_NOOP("Texts", "The diary already holds this date.")},
    {751, QT_TRANSLATE_NOOP("Texts", "Add the weighings of this page to it?")},
    {752,
     QT_TRANSLATE_NOOP("Texts", "The day already holds a weighing in the same slot. Nothing was saved.")},
    {800, QT_TRANSLATE_NOOP("Texts", "Cannot find open port.")},
    {801, QT_TRANSLATE_NOOP("Texts", "Designated port cannot be used.")},
    {802, QT_TRANSLATE_NOOP("Texts", "Cannot show system info.")},
    {900, QT_TRANSLATE_NOOP("Texts", "Input your name")},
    {901, QT_TRANSLATE_NOOP("Texts", "Showing data location")},
    {902, QT_TRANSLATE_NOOP("Texts", "Total number of data")},
    {903, QT_TRANSLATE_NOOP("Texts", "Input date or click right button")},
    {904, QT_TRANSLATE_NOOP("Texts", "Input date or click right button")},
    {905, QT_TRANSLATE_NOOP("Texts", "Input height")},
    {906, QT_TRANSLATE_NOOP("Texts", "Input weight")},
    {907, QT_TRANSLATE_NOOP("Texts", "BMI is calculated from height and weight")},
    {908, QT_TRANSLATE_NOOP("Texts", "Input date")},
    {909, QT_TRANSLATE_NOOP("Texts", "Input current time")},
    {910, QT_TRANSLATE_NOOP("Texts", "BMI is calculated from height and weight")},
    {911, QT_TRANSLATE_NOOP("Texts", "Select sex")},
    {912, QT_TRANSLATE_NOOP("Texts", "Input memo or diary")},
    {917, QT_TRANSLATE_NOOP("Texts", "See previous data")},
    {918, QT_TRANSLATE_NOOP("Texts", "See next data")},
    {919, QT_TRANSLATE_NOOP("Texts", "Current data is stored")},
    {920, QT_TRANSLATE_NOOP("Texts", "Data correction is stored")},
    {921, QT_TRANSLATE_NOOP("Texts", "New entry")},
    {922, QT_TRANSLATE_NOOP("Texts", "Delete this data")},
    {923, QT_TRANSLATE_NOOP("Texts", "Click the input date.")},
    {1000, QT_TRANSLATE_NOOP("Texts", "Select communication port")},
    {1001, QT_TRANSLATE_NOOP("Texts", "Showing preview")},
    {1003, QT_TRANSLATE_NOOP("Texts", "Select the range of BMI graph")},
    {1004, QT_TRANSLATE_NOOP("Texts", "Select the time span of graph")},
    // Names and descriptions that screen readers speak.
    {1200, QT_TRANSLATE_NOOP("Texts", "Your name")},
    {1201, QT_TRANSLATE_NOOP("Texts", "Morning time")},
    {1202, QT_TRANSLATE_NOOP("Texts", "Night time")},
    {1203, QT_TRANSLATE_NOOP("Texts", "Morning weight")},
    {1204, QT_TRANSLATE_NOOP("Texts", "Night weight")},
    {1205, QT_TRANSLATE_NOOP("Texts", "Morning BMI")},
    {1206, QT_TRANSLATE_NOOP("Texts", "Night BMI")},
    {1207, QT_TRANSLATE_NOOP("Texts", "Morning memo")},
    {1208, QT_TRANSLATE_NOOP("Texts", "Night memo")},
    {1209, QT_TRANSLATE_NOOP("Texts", "Choose the date")},
    {1210, QT_TRANSLATE_NOOP("Texts", "Enter the morning time")},
    {1211, QT_TRANSLATE_NOOP("Texts", "Enter the night time")},
    {1212, QT_TRANSLATE_NOOP("Texts", "Compute the morning BMI")},
    {1213, QT_TRANSLATE_NOOP("Texts", "Compute the night BMI")},
    {1214, QT_TRANSLATE_NOOP("Texts", "Data list")},
    {1215, QT_TRANSLATE_NOOP("Texts", "Records %1 to %2 of %3")},
    {1216, QT_TRANSLATE_NOOP("Texts", "Weight trend graph")},
    {1217, QT_TRANSLATE_NOOP("Texts", "BMI trend graph")},
    {1218, QT_TRANSLATE_NOOP("Texts", "%1 to %2: first weight %3, last weight %4")},
    {1219, QT_TRANSLATE_NOOP("Texts", "%1 to %2: first BMI %3, last BMI %4")},
    {1220, QT_TRANSLATE_NOOP("Texts", "%1 to %2: no weighing in this period")},
    {1221, QT_TRANSLATE_NOOP("Texts", "Previous records")},
    {1222, QT_TRANSLATE_NOOP("Texts", "Next records")},
    {1223, QT_TRANSLATE_NOOP("Texts", "Previous period")},
    {1224, QT_TRANSLATE_NOOP("Texts", "Next period")},
    {1225, QT_TRANSLATE_NOOP("Texts", "Zoom in")},
    {1226, QT_TRANSLATE_NOOP("Texts", "Zoom out")},
    {1227, QT_TRANSLATE_NOOP("Texts", "No records yet")},
    {1228, QT_TRANSLATE_NOOP("Texts", "Calendar")},
    // The smoothed trend and the goal weight: the Diary page's summary, the Range dialog's goal.
    {1300, QT_TRANSLATE_NOOP("Texts", "Trend %1, %2/week")},
    {1301, QT_TRANSLATE_NOOP("Texts", "Trend %1")},
    {1302, QT_TRANSLATE_NOOP("Texts", "Goal %1: about %2")},
    {1305, QT_TRANSLATE_NOOP("Texts", "Goal %1: reached")},
    {1306, QT_TRANSLATE_NOOP("Texts", "Goal weight [%1]")},
    {1307, QT_TRANSLATE_NOOP("Texts", "The weight the trend is to reach; leave empty for no goal")},
    // Spans, pointing and navigation on the graphs and the list.
    {1350, QT_TRANSLATE_NOOP("Texts", "View")},
    {1351, QT_TRANSLATE_NOOP("Texts", "Go to date")},
    {1352, QT_TRANSLATE_NOOP("Texts", "whole diary")},
    {1354, QT_TRANSLATE_NOOP("Texts", "BMI %1")},
    {1355, QT_TRANSLATE_NOOP("Texts", "Trend %1")},
    {1356, QT_TRANSLATE_NOOP("Texts", "Select the day to show")},
    // The scale's status line; import and export of CSV files.
    {1400, QT_TRANSLATE_NOOP("Texts", "No scale")},
    {1401, QT_TRANSLATE_NOOP("Texts", "Scale: %1 connected")},
    {1402, QT_TRANSLATE_NOOP("Texts", "Scale: %1 connected, last reading %2 at %3")},
    {1403, QT_TRANSLATE_NOOP("Texts", "Scale: %1 not connected")},
    {1404, QT_TRANSLATE_NOOP("Texts", "Scale: %1 connected again")},
    {1405, QT_TRANSLATE_NOOP("Texts", "No scale: %1 could not be opened (Setting > Port chooses the scale)")},
    {1410, QT_TRANSLATE_NOOP("Texts", "Import")},
    {1411, QT_TRANSLATE_NOOP("Texts", "Export")},
    {1412, QT_TRANSLATE_NOOP("Texts", "CSV files")},
    {1413, QT_TRANSLATE_NOOP("Texts", "Rows imported: %1")},
    {1415, QT_TRANSLATE_NOOP("Texts", "Rows that could not be read: %1")},
    {1416, QT_TRANSLATE_NOOP("Texts", "The file holds no date and weight columns.")},
    {1417, QT_TRANSLATE_NOOP("Texts", "The CSV file cannot be written.")},
    // A diary file that another program changed after it was read or saved.
    {1520, QT_TRANSLATE_NOOP("Texts", "%1 was changed by another program after Tarvel read or saved it.")},
    {1521, QT_TRANSLATE_NOOP("Texts", "Yes reads it again, keeping this diary in a copy first.")},
    {1522, QT_TRANSLATE_NOOP("Texts", "No overwrites the file with this diary.")},
    {1523, QT_TRANSLATE_NOOP("Texts", "Cancel writes nothing.")},
    {1524, QT_TRANSLATE_NOOP("Texts", "This diary was kept as %1.")},
    {1525, QT_TRANSLATE_NOOP("Texts", "%1 was changed by another program; saving asks first.")},
    {1540, QT_TRANSLATE_NOOP(
               "Texts", "Weights in \"%1\" cannot be imported: the weight column must be in kg, lb or st.")},
    // A scale reading the Diary page cannot take yet; the status bar holds it.
    {1560, QT_TRANSLATE_NOOP("Texts", "Scale: %1 at %2, not stored: the page shows %3")},
    {1561, QT_TRANSLATE_NOOP("Texts", "Scale: %1 at %2, not stored: the page's %3 weight is already stored")},
    // Screen readers: the tab frame, the list's hidden headers, descriptions the tooltips lack.
    {1590, QT_TRANSLATE_NOOP("Texts", "Diary tabs")},
    {1591, QT_TRANSLATE_NOOP("Texts", "Record number")},
    {1592, QT_TRANSLATE_NOOP("Texts", "Weighing")},
    {1593, QT_TRANSLATE_NOOP("Texts", "%1, morning")},
    {1594, QT_TRANSLATE_NOOP("Texts", "%1, night")},
    {1595, QT_TRANSLATE_NOOP("Texts", "Input time or click right button")},
    {1596, QT_TRANSLATE_NOOP("Texts", "Open a calendar to choose the day")},
    {1597, QT_TRANSLATE_NOOP("Texts", "Days of the month")},
    // The language of the help pages: their folder in the help, "en" for the English pages.
    {1610, QT_TRANSLATE_NOOP("Texts", "en")},
    // The Diary page's goal line when the trend gives no date for it.
    {1620, QT_TRANSLATE_NOOP("Texts", "Goal %1: %2 to go")},
    // The Bluetooth scale: its status line and its part of the Port dialog.
    {1630, QT_TRANSLATE_NOOP("Texts", "Scale: %1 asleep, waiting")},
    {1631, QT_TRANSLATE_NOOP("Texts", "Bluetooth is off")},
    {1632,
     QT_TRANSLATE_NOOP("Texts", "Scale: %1 on %2 at %3, not stored: that day's %4 weight is already stored")},
    {1633, QT_TRANSLATE_NOOP("Texts", "Bluetooth scale")},
    {1634, QT_TRANSLATE_NOOP("Texts", "Search")},
    {1635, QT_TRANSLATE_NOOP("Texts", "None")},
    {1636, QT_TRANSLATE_NOOP("Texts", "Searching...")},
    {1637, QT_TRANSLATE_NOOP("Texts", "No scale found")},
    {1638, QT_TRANSLATE_NOOP("Texts", "Scale user")},
    {1639, QT_TRANSLATE_NOOP("Texts", "Every user")},
    {1640, QT_TRANSLATE_NOOP("Texts", "User %1")},
    {1650, QT_TRANSLATE_NOOP("Texts", "Rows of days already in the diary: %1")},
    {1651, QT_TRANSLATE_NOOP("Texts", "Extra weighings of a half-day (its first is kept): %1")},
    {1652, QT_TRANSLATE_NOOP("Texts", "Rows without a weight: %1")},
    {1653, QT_TRANSLATE_NOOP("Texts", "Rows skipped as computed (interpolated or trend): %1")},
    {1654, QT_TRANSLATE_NOOP("Texts", "(lines %1)")},
    {1655, QT_TRANSLATE_NOOP(
               "Texts", "Nothing is stored until you choose Import. The first rows as they will be stored:")},
    {1656, QT_TRANSLATE_NOOP(
               "Texts", "The file does not name the unit of its weights. Are they kilograms or pounds?")},
    {1659, QT_TRANSLATE_NOOP("Texts", "In the file")},
    {1660, QT_TRANSLATE_NOOP("Texts", "As kg")},
    {1661, QT_TRANSLATE_NOOP("Texts", "As lb")},
    {1662,
     QT_TRANSLATE_NOOP("Texts",
                       "The file names no weight unit: its weights were read as %1 (--unit kg|lb chooses).")},
    {1663, QT_TRANSLATE_NOOP("Texts", "(line %1)")},
    {1680, QT_TRANSLATE_NOOP("Texts", "Units")},
    {1681, QT_TRANSLATE_NOOP("Texts", "Kilograms (kg)")},
    {1682, QT_TRANSLATE_NOOP("Texts", "Pounds (lb)")},
    {1683, QT_TRANSLATE_NOOP("Texts", "Stones and pounds (st lb)")},
    {1684, QT_TRANSLATE_NOOP("Texts", "Maximum weight is %1.")},
    {1685, QT_TRANSLATE_NOOP("Texts", "Input your weight. (%1)")},
    {2000, QT_TRANSLATE_NOOP("Texts", "2")},
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

// The captions of menu items and buttons as the English program shows them: the text followed by
// its accelerator suffix. A caption is translated as a whole, so German can mark a letter inside the
// word ("&Datei") where Japanese keeps the suffix ("...(&F)").
constexpr Entry kCaptions[] = {
    {102, QT_TRANSLATE_NOOP("Captions", "File(&F)")},
    {103, QT_TRANSLATE_NOOP("Captions", "New(&N)")},
    {104, QT_TRANSLATE_NOOP("Captions", "Open(&O)...")},
    {105, QT_TRANSLATE_NOOP("Captions", "Close(&C)")},
    {106, QT_TRANSLATE_NOOP("Captions", "Save(&S)")},
    {107, QT_TRANSLATE_NOOP("Captions", "Save as(&A)...")},
    {108, QT_TRANSLATE_NOOP("Captions", "Print(&P)...")},
    {109, QT_TRANSLATE_NOOP("Captions", "Exit(&X)")},
    {110, QT_TRANSLATE_NOOP("Captions", "Setting(&S)")},
    {111, QT_TRANSLATE_NOOP("Captions", "Port(&C)...")},
    {112, QT_TRANSLATE_NOOP("Captions", "Range(&G)...")},
    {113, QT_TRANSLATE_NOOP("Captions", "Appearance(&S)...")},
    {114, QT_TRANSLATE_NOOP("Captions", "Help(&H)")},
    {115, QT_TRANSLATE_NOOP("Captions", "Contents(&C)...")},
    {116, QT_TRANSLATE_NOOP("Captions", "Topics(&S)...")},
    {117, QT_TRANSLATE_NOOP("Captions", "Orvik Weight Web(&G)")},
    {118, QT_TRANSLATE_NOOP("Captions", "Orvik Web(&H)")},
    {119, QT_TRANSLATE_NOOP("Captions", "About(&A)...")},
    {601, QT_TRANSLATE_NOOP("Captions", "System info.(&S)...")},
    {1350, QT_TRANSLATE_NOOP("Captions", "View(&V)")},
    {1351, QT_TRANSLATE_NOOP("Captions", "Go to date(&D)...")},
    {1410, QT_TRANSLATE_NOOP("Captions", "Import(&I)...")},
    {1411, QT_TRANSLATE_NOOP("Captions", "Export(&E)...")},
    {1680, QT_TRANSLATE_NOOP("Captions", "Units(&U)")},
    {1681, QT_TRANSLATE_NOOP("Captions", "Kilograms (kg)(&K)")},
    {1682, QT_TRANSLATE_NOOP("Captions", "Pounds (lb)(&P)")},
    {1683, QT_TRANSLATE_NOOP("Captions", "Stones and pounds (st lb)(&T)")},
};

const Entry* Find(const Entry* begin, const Entry* end, int id)
{
    const auto* it =
        std::lower_bound(begin, end, id, [](const Entry& e, int wanted) { return e.id < wanted; });
    return it == end || it->id != id ? nullptr : it;
}

} // namespace

QString LoadText(TextId id)
{
    const Entry* text = Find(std::begin(kTexts), std::end(kTexts), static_cast<int>(id));
    return text == nullptr ? QString() : QCoreApplication::translate("Texts", text->text);
}

QString LoadCaption(TextId id, const char* suffix)
{
    // The whole caption's translation when the list above holds this caption; otherwise (a caption
    // not listed there) the translated text with the suffix.
    const int number = static_cast<int>(id);
    const Entry* text = Find(std::begin(kTexts), std::end(kTexts), number);
    const Entry* caption = Find(std::begin(kCaptions), std::end(kCaptions), number);
    if (text != nullptr && caption != nullptr && QByteArray(text->text) + suffix == caption->text)
        return QCoreApplication::translate("Captions", caption->text);
    return LoadText(id) + QString::fromLatin1(suffix);
}

int LanguageCode()
{
    return LoadText(TextId::LanguageCode).toInt();
}

QString WindowFontName()
{
    return LoadText(TextId::WindowFont);
}

QString DialogFontName()
{
    return LoadText(TextId::DialogFont);
}

} // namespace tarvel
