#include "store/DiaryFile.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "store/DiaryText.h"
#include "store/WeighingText.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>
#include <vector>

namespace tarvel {

namespace {

const QDate kZeroDate(1899, 12, 30);
constexpr int kRecordFields = 9;

// The fields of one line split at every ","; only the first maxFields are kept.
struct Fields {
    std::array<QStringView, 16> at;
    int count = 0;
};

Fields SplitFields(QStringView line, int maxFields)
{
    Fields fields;
    qsizetype start = 0;
    for (;;) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (fields.count < maxFields)
            fields.at[static_cast<std::size_t>(fields.count)] =
                line.mid(start, comma < 0 ? -1 : comma - start);
        ++fields.count;
        if (comma < 0)
            break;
        start = comma + 1;
    }
    return fields;
}

QStringView FieldAt(const Fields& fields, int number, int maxFields)
{
    // Field numbers are 1-based; a missing field is empty.
    if (number > fields.count || number > maxFields)
        return QStringView();
    return fields.at[static_cast<std::size_t>(number - 1)];
}

Profile ReadHeader(const Fields& fields, const LocaleFormats& formats)
{
    Profile owner;
    owner.ProfileName = FieldAt(fields, 1, 3).toString();
    owner.ProfileHeight = FieldAt(fields, 2, 3).toString();
    owner.ProfileSex = RoundToInt16(LeadingNumber(FieldAt(fields, 3, 3))).value_or(0);
    if (owner.ProfileName == QLatin1String("-----"))
        owner.ProfileName.clear();
    owner.ProfileHeight.replace(QLatin1Char('.'), formats.DecimalSep);
    if (owner.ProfileHeight == QLatin1String("-----"))
        owner.ProfileHeight.clear();
    return owner;
}

// A number field of the file ("." as decimal point) rounded to decimals places into value; a field
// that is no number is kept as written.
template <typename T>
void ReadNumberField(QStringView field, int decimals, std::optional<T>& value, QString& kept)
{
    if (field.isEmpty())
        return;
    const std::optional<qint64> scaled = ReadScaled(field, QLatin1Char('.'), decimals);
    if (scaled && *scaled >= std::numeric_limits<T>::min() && *scaled <= std::numeric_limits<T>::max())
        value = static_cast<T>(*scaled);
    else
        kept = field.toString();
}

// A time field: the time of day it names, or nothing. A time written with the other usual separator
// ("07.30" where ":" is the locale's, or the reverse) is read too, so that a diary from another
// locale keeps its weighings.
std::optional<QTime> ReadTime(QStringView field, const LocaleFormats& formats)
{
    if (field.isEmpty() || field == QLatin1String("-----"))
        return std::nullopt;
    if (const auto value = formats.ParseDateTimeText(field)) {
        if (value->hasDate)
            return std::nullopt;
        return QTime(value->time.hour(), value->time.minute()); // the file holds minutes
    }
    LocaleFormats other = formats;
    other.TimeSep = formats.TimeSep == QLatin1Char(':') ? QLatin1Char('.') : QLatin1Char(':');
    int hour = 0;
    int minute = 0;
    if (!other.ReadPlainTime(field, hour, minute) || hour > 23 || minute > 59)
        return std::nullopt;
    return QTime(hour, minute);
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A date field of three runs of digits joined by one separator ("30.11.2026"): the separator, and
// each run's value (-1 when longer than five digits) and length. False for any other text.
struct DateField {
    QChar sep;
    std::array<int, 3> value{};
    std::array<qsizetype, 3> digits{};
};

bool SplitDateField(QStringView field, DateField& date)
{
    qsizetype i = 0;
    for (std::size_t n = 0; n < 3; ++n) {
        const qsizetype start = i;
        int value = 0;
        for (; i < field.size() && IsDigit(field[i]); ++i)
            value = i - start < 5 ? value * 10 + (field[i].unicode() - '0') : -1;
        if (i == start)
            return false;
        date.value[n] = value;
        date.digits[n] = i - start;
        if (n == 2)
            break;
        if (i >= field.size() || (n == 1 && field[i] != date.sep))
            return false;
        date.sep = field[i++];
    }
    return i == field.size();
}

// The lines of a text without their line ends (CR LF or LF).
std::vector<QStringView> SplitLines(QStringView text)
{
    std::vector<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The date order of the record lines (all lines after the header), from the date field of each.
LocaleFormats FileDateFormats(const std::vector<QStringView>& lines, const LocaleFormats& locale)
{
    DateOrderFinder finder;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const qsizetype comma = lines[i].indexOf(QLatin1Char(','));
        if (comma >= 0)
            finder.Feed(lines[i].left(comma));
    }
    return finder.Formats(locale);
}

// Whether the reader takes year, month and day as a date (a two-digit year in 1930..2029).
bool IsDate(int year, int month, int day)
{
    if (year >= 0 && year < 100)
        year += year < 30 ? 2000 : 1900;
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr std::array<int, 12> kDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && day == 29)
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= kDays[static_cast<std::size_t>(month - 1)];
}

// The formats a file's lines are read with: dates in the file's order, everything else as the
// locale has it.
struct ReadingFormats {
    const LocaleFormats& locale;
    const LocaleFormats dates;
};

// Whether a slot holds a weight that needs a time: any weight field but 0.
bool IsBlankWeight(const Weighing& w)
{
    return w.keptWeight.isEmpty() && (!w.weight || w.weight->grams / 10 == 0);
}

// One record line; nothing when the line is rejected. latest is moved on by every readable date,
// also of a line rejected afterwards.
std::optional<DayRecord> ReadRecordLine(QStringView line, const ReadingFormats& reading, QDate& latest)
{
    const LocaleFormats& formats = reading.locale;
    const Fields fields = SplitFields(line, kRecordFields);
    const QStringView dateField = fields.count >= 2 ? FieldAt(fields, 1, kRecordFields) : QStringView();
    if (dateField.isEmpty() || dateField == QLatin1String("----------"))
        return std::nullopt;
    const auto dateValue = reading.dates.ParseDateTimeText(dateField);
    if (!dateValue || !dateValue->hasDate)
        return std::nullopt; // no date, or only a time of day (1899-12-30 itself is a date)
    if (dateValue->date > latest)
        latest = dateValue->date;

    DayRecord record;
    record.date = dateValue->date;
    for (int slot = 0; slot < 2; ++slot) {
        const int present = slot == 0 ? 5 : 9;
        if (fields.count < present)
            continue;
        const int first = 2 + slot * 4;
        Weighing& w = record.slot[static_cast<std::size_t>(slot)];
        w.time = ReadTime(FieldAt(fields, first, kRecordFields), formats);
        std::optional<qint64> hundredths;
        ReadNumberField(FieldAt(fields, first + 1, kRecordFields), 2, hundredths, w.keptWeight);
        if (hundredths)
            w.weight = Mass{*hundredths * 10};
        ReadNumberField(FieldAt(fields, first + 2, kRecordFields), 1, w.bmiTenths, w.keptBmi);
        w.memo = MemoFromFileText(FieldAt(fields, first + 3, kRecordFields));
        if (!w.time && !IsBlankWeight(w))
            return std::nullopt; // a weighing without a readable time
    }
    return record;
}

} // namespace

void DateOrderFinder::Feed(QStringView field)
{
    DateField date;
    if (!SplitDateField(field, date))
        return;
    const int yearPos = date.digits[0] >= 3 ? 1 : date.digits[2] >= 3 ? 3 : 0;
    if (yearPos == 0)
        return; // two-digit years tell nothing
    auto layout = std::find_if(m_layouts.begin(), m_layouts.end(),
                               [&](const Layout& l) { return l.sep == date.sep && l.yearPos == yearPos; });
    if (layout == m_layouts.end())
        layout = m_layouts.insert(m_layouts.end(), Layout{date.sep, yearPos, 0, 0});
    const int year = date.value[yearPos == 1 ? 0 : 2];
    const int first = date.value[yearPos == 1 ? 1 : 0];
    const int second = date.value[yearPos == 1 ? 2 : 1];
    if (IsDate(year, first, second))
        ++layout->monthFirst;
    if (yearPos == 3 && IsDate(year, second, first))
        ++layout->dayFirst;
}

LocaleFormats DateOrderFinder::Formats(const LocaleFormats& locale) const
{
    struct Order {
        QChar sep;
        int yearPos, dayPos, reads;
    };
    const auto usualDayPos = [&locale](const Order& o) {
        if (o.yearPos == 1)
            return 3;
        if (o.sep == QLatin1Char('.') || o.sep == QLatin1Char('-'))
            return 1;
        return locale.YearPos == 3 ? locale.DayPos : 1;
    };
    const auto rank = [&](const Order& o) {
        const bool own = o.sep == locale.DateSep1 && o.sep == locale.DateSep2 &&
                         o.yearPos == locale.YearPos && o.dayPos == locale.DayPos;
        return std::tuple(o.reads, own, o.dayPos == usualDayPos(o));
    };
    std::optional<Order> best;
    for (const Layout& l : m_layouts) {
        const Order monthFirst{l.sep, l.yearPos, l.yearPos == 1 ? 3 : 2, l.monthFirst};
        const Order dayFirst{l.sep, l.yearPos, 1, l.dayFirst}; // year last only: no reads otherwise
        for (const Order& o : {monthFirst, dayFirst}) {
            if (o.reads > 0 && (!best || rank(o) > rank(*best)))
                best = o;
        }
    }
    if (!best)
        return locale;
    const int monthPos = 6 - best->yearPos - best->dayPos;
    if (best->yearPos == locale.YearPos && monthPos == locale.MonthPos && best->dayPos == locale.DayPos &&
        best->sep == locale.DateSep1 && best->sep == locale.DateSep2)
        return locale;
    LocaleFormats file = locale;
    file.YearPos = best->yearPos;
    file.MonthPos = monthPos;
    file.DayPos = best->dayPos;
    file.DateSep1 = best->sep;
    file.DateSep2 = best->sep;
    return file;
}

DiaryContent ParseDiary(const QByteArray& bytes, const LocaleFormats& formats)
{
    const QString text = DecodeDiaryBytes(bytes);
    const std::vector<QStringView> lines = SplitLines(text);
    DiaryContent content;
    QDate latest = kZeroDate;
    const ReadingFormats reading{formats, FileDateFormats(lines, formats)};
    if (!lines.empty()) {
        const Fields fields = SplitFields(lines.front(), 3);
        if (fields.count >= 3)
            content.Owner = ReadHeader(fields, formats);
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (auto record = ReadRecordLine(lines[i], reading, latest))
            content.Records.push_back(std::move(*record));
        else if (!lines[i].trimmed().isEmpty())
            ++content.DroppedLines; // a blank line holds nothing that could be lost
    }
    // A header alone, of any number of fields, is an empty diary.
    content.NotADiary = content.Records.empty() && content.DroppedLines > 0;
    if (latest > kZeroDate) {
        content.LatestDate = latest;
    }
    return content;
}

DiaryReadResult DiaryFile::ReadDiaryFile(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, DiaryReadError::CannotOpen};
    const QByteArray bytes = file.readAll();
    file.close();

    DiaryContent content = ParseDiary(bytes, m_formats);
    if (content.NotADiary)
        return {std::nullopt, DiaryReadError::NotADiary};
    return {std::move(content), DiaryReadError::None};
}

bool DiaryFile::WriteTo(const QString& path, const Diary& diary) const
{
    return WriteFileSafely(
        path, [&](QIODevice& out) { return WriteDiary(out, diary.owner(), diary.records(), m_formats); });
}

bool DiaryFile::WriteDiaryFile(const Diary& diary) const
{
    return WriteTo(diary.workingPath(), diary);
}

bool DiaryFile::WriteBackup(const Diary& diary) const
{
    return WriteTo(diary.backupPath(), diary);
}

bool DiaryFile::ResetBackup(const Diary& diary) const
{
    const QByteArray line = QByteArray(kEmptyDiaryLine) + "\r\n";
    return WriteFileSafely(diary.backupPath(),
                           [&line](QIODevice& out) { return WriteAll(out, line.constData(), line.size()); });
}

} // namespace tarvel

namespace tarvel {

bool BackupHoldsData(const QString& path)
{
    QFile backup(path);
    if (!backup.open(QIODevice::ReadOnly))
        return false;
    const QByteArray empty = QByteArray(kEmptyDiaryLine) + "\r\n";
    // A file of nothing has nothing to recall either (a reset that could not write).
    if (backup.size() == 0)
        return false;
    return !(backup.size() == empty.size() && backup.read(empty.size()) == empty);
}

} // namespace tarvel
