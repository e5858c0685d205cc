#include "store/DiaryFile.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/TextTable.h"
#include "store/DiaryText.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
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

// A number field from the file in the locale's form: "." becomes the decimal separator, and a
// number is rewritten by its pattern ("065.40" -> "65.40"), except that zero stays "0". Anything
// that is not a number stays as it is.
QString NormalisedNumber(QStringView field, QStringView pattern, const LocaleFormats& formats)
{
    if (field.isEmpty())
        return QString();
    DecimalText plain;
    if (RelayoutDecimal(field, QLatin1Char('.'), pattern, formats.DecimalSep, plain))
        return plain.zero ? QStringLiteral("0") : plain.View().toString();
    QString text = field.toString();
    if (formats.DecimalSep != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), formats.DecimalSep);
    const std::optional<double> value = formats.ParseNumber(text);
    if (!value)
        return text;
    if (*value == 0)
        return QStringLiteral("0");
    return formats.FormatNumber(*value, pattern);
}

// A time field: kept as written when it is a time of day, empty otherwise. A time written with the
// other usual separator ("07.30" where ":" is the locale's, or the reverse) is taken in the
// locale's layout, so that a diary from another locale keeps its weighings.
QString ReadTime(QStringView field, const LocaleFormats& formats)
{
    if (field.isEmpty() || field == QLatin1String("-----"))
        return QString();
    const auto value = formats.ParseDateTimeText(field);
    if (value)
        return value->hasDate ? QString() : field.toString();
    LocaleFormats other = formats;
    other.TimeSep = formats.TimeSep == QLatin1Char(':') ? QLatin1Char('.') : QLatin1Char(':');
    int hour = 0;
    int minute = 0;
    if (!other.ReadPlainTime(field, hour, minute) || hour > 23 || minute > 59)
        return QString();
    char16_t buffer[16];
    return QString(reinterpret_cast<const QChar*>(buffer), formats.LayoutStoredTime(buffer, hour, minute));
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A date field of three runs of digits joined by one separator ("30.11.2026"); false otherwise.
bool SplitDateField(QStringView field, QChar& sep, std::array<QStringView, 3>& parts)
{
    qsizetype i = 0;
    for (std::size_t n = 0; n < 3; ++n) {
        const qsizetype start = i;
        while (i < field.size() && IsDigit(field[i]))
            ++i;
        if (i == start)
            return false;
        parts[n] = field.sliced(start, i - start);
        if (n == 2)
            break;
        if (i >= field.size() || IsDigit(field[i]) || (n == 1 && field[i] != sep))
            return false;
        sep = field[i++];
    }
    return i == field.size();
}

// The date order the file's own dates show. The year is the field of three or more digits (first
// or last); the day is the other field that ever exceeds 12, or the first one when a year-last
// date is written with "." or "-", as no month-first locale writes it. A file that leaves the day
// open takes the locale's order when the locale puts the year in the same place, and otherwise the
// usual one (year, month, day; or day, month, year). The locale's facts are kept whenever the
// order and separator agree with them, so that its own reading applies.
LocaleFormats FileDateFormats(QStringView text, qsizetype from, const LocaleFormats& locale)
{
    int yearPos = 0;
    int dayPos = 0;
    QChar fileSep;
    while (from < text.size() && dayPos == 0) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        const QStringView line = text.mid(from, end - from);
        from = end + 1;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        QChar sep;
        std::array<QStringView, 3> parts;
        if (comma < 0 || !SplitDateField(line.left(comma), sep, parts))
            continue;
        const int year = parts[0].size() >= 3 ? 1 : parts[2].size() >= 3 ? 3 : 0;
        if (year == 0 || (yearPos != 0 && (year != yearPos || sep != fileSep)))
            continue; // two-digit years tell nothing; another layout is a damaged line
        yearPos = year;
        fileSep = sep;
        const QStringView first = parts[year == 1 ? 1 : 0];
        const QStringView second = parts[year == 1 ? 2 : 1];
        if (first.toInt() > 12)
            dayPos = year == 1 ? 2 : 1;
        else if (second.toInt() > 12)
            dayPos = year == 1 ? 3 : 2;
    }
    if (yearPos == 0)
        return locale;
    if (dayPos == 0) {
        if (yearPos == 3 && (fileSep == QLatin1Char('.') || fileSep == QLatin1Char('-')))
            dayPos = 1;
        else if (locale.YearPos == yearPos)
            dayPos = locale.DayPos;
        else
            dayPos = yearPos == 1 ? 3 : 1;
    }
    const int monthPos = 6 - yearPos - dayPos;
    if (yearPos == locale.YearPos && monthPos == locale.MonthPos && dayPos == locale.DayPos &&
        fileSep == locale.DateSep1)
        return locale;
    LocaleFormats file = locale;
    file.YearPos = yearPos;
    file.MonthPos = monthPos;
    file.DayPos = dayPos;
    file.DateSep1 = fileSep;
    file.DateSep2 = fileSep;
    return file;
}

// The formats a file's lines are read with: dates in the file's order, everything else as the
// locale has it.
struct ReadingFormats {
    const LocaleFormats& locale;
    const LocaleFormats dates;
    const bool foreignDates; // dates are not in the locale's layout and are laid out again
};

bool IsBlankWeight(const QString& weight)
{
    return weight.isEmpty() || weight == QLatin1String("0");
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
    if (reading.foreignDates) {
        char16_t buffer[16];
        record.Date = QString(reinterpret_cast<const QChar*>(buffer), formats.LayoutDateKey(buffer, dateValue->date));
    } else {
        record.Date = dateField.toString();
    }
    record.DayNumber = DayNumber(dateValue->date);
    for (int slot = 0; slot < 2; ++slot) {
        const int present = slot == 0 ? 5 : 9;
        if (fields.count < present)
            continue;
        const int first = 2 + slot * 4;
        Measurement& m = record.Slot[static_cast<std::size_t>(slot)];
        m.Time = ReadTime(FieldAt(fields, first, kRecordFields), formats);
        m.Weight = NormalisedNumber(FieldAt(fields, first + 1, kRecordFields), kWeightPattern, formats);
        m.Bmi = NormalisedNumber(FieldAt(fields, first + 2, kRecordFields), kBmiPattern, formats);
        m.Memo = MemoFromFileText(FieldAt(fields, first + 3, kRecordFields));
        if (m.Time.isEmpty() && !IsBlankWeight(m.Weight))
            return std::nullopt; // a weighing without a readable time
    }
    return record;
}

// The bytes of the file being written, collected in memory and handed to the device in chunks.
// Each field asks for room once and is then written at a plain pointer.
class Bytes {
public:
    // Makes the bytes n longer and returns where the new ones go.
    char* Extend(std::size_t n)
    {
        if (m_size + n > m_bytes.size())
            m_bytes.resize(std::max(2 * m_bytes.size(), m_size + n));
        char* at = m_bytes.data() + m_size;
        m_size += n;
        return at;
    }
    void Truncate(std::size_t size) { m_size = size; }
    std::size_t Size() const { return m_size; }
    const char* Data() const { return m_bytes.data(); }

    void Put(char c) { *Extend(1) = c; }
    template <std::size_t N>
    void Put(const char (&text)[N])
    {
        std::memcpy(Extend(N - 1), text, N - 1);
    }

private:
    std::vector<char> m_bytes = std::vector<char>(1 << 17);
    std::size_t m_size = 0;
};

// Appends text as UTF-8. Most fields are ASCII and are copied character by character.
void Append(Bytes& out, QStringView text)
{
    const char16_t* p = text.utf16();
    const std::size_t start = out.Size();
    char* o = out.Extend(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (p[i] >= 0x80) {
            out.Truncate(start);
            const QByteArray utf8 = text.toUtf8();
            std::memcpy(out.Extend(static_cast<std::size_t>(utf8.size())), utf8.constData(),
                        static_cast<std::size_t>(utf8.size()));
            return;
        }
        o[i] = static_cast<char>(p[i]);
    }
}

// The date keys of records in order. Records are sorted, so a day mostly falls in the month of the
// day before: the month's key is laid out once and only the day's two digits change.
class DateKeys {
public:
    explicit DateKeys(const LocaleFormats& formats) : m_formats(formats) {}

    QStringView Key(qint64 dayNumber)
    {
        if (dayNumber < m_monthStart || dayNumber >= m_monthEnd)
            LayOutMonth(dayNumber);
        if (m_dayAt < 0)
            return QStringView(m_key, m_size);
        const auto day = static_cast<int>(dayNumber - m_monthStart + 1);
        m_key[m_dayAt] = static_cast<char16_t>(u'0' + day / 10);
        m_key[m_dayAt + 1] = static_cast<char16_t>(u'0' + day % 10);
        return QStringView(m_key, m_size);
    }

private:
    // Lays out the key of the month holding the day and finds where its day digits are: the last
    // one is where the keys of the first and second day differ.
    void LayOutMonth(qint64 dayNumber)
    {
        const QDate date = DateFromDayNumber(dayNumber);
        const QDate first(date.year(), date.month(), 1);
        if (first.isValid()) {
            char16_t second[kKeySize];
            m_size = m_formats.LayoutDateKey(m_key, first);
            qsizetype at = 0;
            if (m_size == m_formats.LayoutDateKey(second, first.addDays(1))) {
                while (at < m_size && m_key[at] == second[at])
                    ++at;
            }
            if (at >= 1 && at < m_size && m_key[at - 1] == u'0') {
                m_dayAt = at - 1;
                m_monthStart = DayNumber(first);
                m_monthEnd = m_monthStart + first.daysInMonth();
                return;
            }
        }
        // A key without two day digits is laid out for this day alone.
        m_size = m_formats.LayoutDateKey(m_key, date);
        m_dayAt = -1;
        m_monthStart = m_monthEnd = dayNumber;
    }

    static constexpr int kKeySize = 16;
    const LocaleFormats& m_formats;
    char16_t m_key[kKeySize];
    qsizetype m_size = 0;
    qsizetype m_dayAt = -1;
    qint64 m_monthStart = 0;
    qint64 m_monthEnd = 0;
};

// The least count of whole digits and the count of decimals of a number pattern such as "000.00".
struct NumberShape {
    int minWhole = 0;
    int decimals = 0;
};

constexpr NumberShape ShapeOf(const char16_t* pattern)
{
    NumberShape shape;
    bool afterPoint = false;
    for (; *pattern; ++pattern) {
        if (*pattern == u'.')
            afterPoint = true;
        else if (afterPoint)
            ++shape.decimals;
        else if (*pattern == u'0')
            ++shape.minWhole;
    }
    return shape;
}

constexpr NumberShape kFileWeightShape = ShapeOf(kFileWeightPattern);
constexpr NumberShape kFileBmiShape = ShapeOf(kBmiComputePattern);

// The usual number field, written straight into the bytes: digits, then the decimal separator and
// at most shape.decimals digits ("65.4" -> "065.40"), laid out as RelayoutDecimal lays it out. This
// runs for every number of every diary written, so it works on the raw characters with the shape
// known in advance. False for anything else (a sign, more decimals, other characters), which takes
// the general route.
bool AppendPlainNumber(Bytes& out, QStringView text, QChar decimalSep, NumberShape shape)
{
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    const char16_t sep = decimalSep.unicode();
    auto digit = [](char16_t c) { return static_cast<unsigned>(c - u'0') <= 9u; };
    qsizetype i = 0;
    while (i < n && p[i] == u'0')
        ++i;
    const qsizetype significant = i;
    while (i < n && digit(p[i]))
        ++i;
    const qsizetype wholeEnd = i;
    qsizetype fracBegin = i;
    if (i < n && p[i] == sep) {
        fracBegin = ++i;
        while (i < n && digit(p[i]))
            ++i;
    }
    const qsizetype fracDigits = i - fracBegin;
    const qsizetype wholeDigits = wholeEnd - significant;
    const qsizetype padding = wholeDigits < shape.minWhole ? shape.minWhole - wholeDigits : 0;
    if (i != n || (wholeEnd == 0 && fracDigits == 0) || fracDigits > shape.decimals ||
        2 + padding + wholeDigits + shape.decimals > DecimalText::kCapacity)
        return false;
    char* o = out.Extend(static_cast<std::size_t>(padding + wholeDigits + (shape.decimals > 0 ? 1 + shape.decimals : 0)));
    for (qsizetype k = 0; k < padding; ++k)
        *o++ = '0';
    for (qsizetype k = significant; k < wholeEnd; ++k)
        *o++ = static_cast<char>(p[k]);
    if (shape.decimals > 0) {
        *o++ = '.';
        for (qsizetype k = fracBegin; k < i; ++k)
            *o++ = static_cast<char>(p[k]);
        for (qsizetype k = fracDigits; k < shape.decimals; ++k)
            *o++ = '0';
    }
    return true;
}

// The file form of a number field: "." as decimal point, laid out by pattern. A text that is no
// number is kept as the reader found it: the reader turned each "." into the decimal separator, so
// that becomes "." again (a "," separator dropped instead would turn "1.2.3" into "123"); any
// other comma is dropped, since it would split the line.
void AppendFileNumber(Bytes& out, const QString& text, QStringView pattern, NumberShape shape,
                      const LocaleFormats& formats)
{
    if (text.isEmpty() || AppendPlainNumber(out, text, formats.DecimalSep, shape))
        return;
    DecimalText plain;
    if (RelayoutDecimal(text, formats.DecimalSep, pattern, QLatin1Char('.'), plain)) {
        Append(out, plain.View());
    } else if (const auto value = formats.ParseNumber(text)) {
        Append(out, FormatNumber(*value, pattern, QLatin1Char('.')));
    } else {
        QString kept = text;
        kept.replace(formats.DecimalSep, QLatin1Char('.'));
        Append(out, kept.remove(QLatin1Char(',')));
    }
}

QString FileHeight(const QString& height, const LocaleFormats& formats)
{
    if (height.isEmpty())
        return height;
    // The height input takes any text that begins with a number of at most 300 ("172cm").
    const double value = formats.ParseNumber(height).value_or(formats.LeadingNumber(height));
    return FormatNumber(value, kFileHeightPattern, QLatin1Char('.'));
}

bool IsDigit2(QChar a, QChar b)
{
    return IsDigit(a) && IsDigit(b);
}

void AppendFileTime(Bytes& out, const QString& time, const LocaleFormats& formats)
{
    if (time.isEmpty())
        return;
    // A time stored as the file writes it ("07:30" with the locale's separator) is copied.
    if (time.size() == 5 && time[2] == formats.TimeSep && IsDigit2(time[0], time[1]) &&
        IsDigit2(time[3], time[4]) && time[0] <= QLatin1Char('2') && time[3] <= QLatin1Char('5') &&
        (time[0] < QLatin1Char('2') || time[1] <= QLatin1Char('3'))) {
        Append(out, time);
        return;
    }
    char16_t buffer[16];
    int hour = 0;
    int minute = 0;
    if (formats.ReadPlainTime(time, hour, minute) && hour <= 23 && minute <= 59) {
        Append(out, QStringView(buffer, formats.LayoutStoredTime(buffer, hour, minute)));
        return;
    }
    if (const auto value = formats.ParseDateTimeText(time)) {
        const QTime t = value->time;
        Append(out, QStringView(buffer, formats.LayoutStoredTime(buffer, t.hour(), t.minute())));
        return;
    }
    Append(out, QString(time).remove(QLatin1Char(',')));
}

QString OneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

DiaryContent ParseDiary(const QByteArray& bytes, const LocaleFormats& formats, int trendMonths)
{
    const QString text = DecodeDiaryBytes(bytes);
    const QStringView all(text);
    DiaryContent content;
    QDate latest = kZeroDate;
    bool headerSeen = false;
    bool headerBlank = true;
    qsizetype start = 0;
    const qsizetype firstLineEnd = all.indexOf(QLatin1Char('\n'));
    const LocaleFormats dates = FileDateFormats(all, firstLineEnd < 0 ? all.size() : firstLineEnd + 1, formats);
    const bool foreignDates = dates.YearPos != formats.YearPos || dates.MonthPos != formats.MonthPos ||
                              dates.DayPos != formats.DayPos || dates.DateSep1 != formats.DateSep1 ||
                              dates.DateSep2 != formats.DateSep2;
    const ReadingFormats reading{formats, dates, foreignDates};
    while (start < all.size()) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = end < 0 ? all.size() : end + 1;
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        start = next;

        if (!headerSeen) {
            headerSeen = true;
            const Fields fields = SplitFields(line, 3);
            if (fields.count >= 3)
                content.Owner = ReadHeader(fields, formats);
            headerBlank = line.trimmed().isEmpty();
            continue;
        }
        if (auto record = ReadRecordLine(line, reading, latest))
            content.Records.push_back(std::move(*record));
        else if (!line.trimmed().isEmpty())
            ++content.DroppedLines; // a blank line holds nothing that could be lost
    }
    content.NotADiary =
        content.Records.empty() && (content.DroppedLines > 0 || (!content.Owner && !headerBlank));
    if (latest > kZeroDate) {
        content.LatestPeriodStart = PeriodStartFor(latest, trendMonths);
        content.LatestPeriodEnd = PeriodEndFor(content.LatestPeriodStart, trendMonths);
    }
    return content;
}

bool WriteDiary(QIODevice& out, const Profile& owner, const RecordStore& records,
                const LocaleFormats& formats)
{
    constexpr std::size_t kChunkBytes = 1 << 16;
    Bytes chunk;
    auto flush = [&out, &chunk]() {
        const bool written = WriteAll(out, chunk.Data(), static_cast<qint64>(chunk.Size()));
        chunk.Truncate(0);
        return written;
    };

    const QString name = OneLine(owner.ProfileName);
    // A name that begins with U+FEFF would begin the file with the bytes of a byte-order mark, which
    // the reader drops; a mark in front keeps the name whole. Other files have no mark.
    if (name.startsWith(QChar(0xFEFF)))
        chunk.Put("\xEF\xBB\xBF");
    Append(chunk, name);
    chunk.Put(',');
    Append(chunk, FileHeight(owner.ProfileHeight, formats));
    chunk.Put(',');
    Append(chunk, QString::number(owner.ProfileSex));
    chunk.Put(",,,,,,,,,,,\r\n");

    DateKeys keys(formats);
    for (const DayRecord& record : records.Records()) {
        const bool slotsEmpty = record.Slot[0].IsEmpty() && record.Slot[1].IsEmpty();
        if (record.Date.isEmpty() && slotsEmpty)
            continue;
        // The day number is the date the record's text names; writing from it spares reading the
        // text again.
        if (!record.Date.isEmpty())
            Append(chunk, keys.Key(record.DayNumber));
        for (const Measurement& m : record.Slot) {
            chunk.Put(',');
            AppendFileTime(chunk, m.Time, formats);
            chunk.Put(',');
            AppendFileNumber(chunk, m.Weight, kFileWeightPattern, kFileWeightShape, formats);
            chunk.Put(',');
            AppendFileNumber(chunk, m.Bmi, kBmiComputePattern, kFileBmiShape, formats);
            chunk.Put(',');
            if (!m.Memo.isEmpty())
                Append(chunk, MemoToFileText(m.Memo));
        }
        chunk.Put("\r\n");
        if (chunk.Size() >= kChunkBytes && !flush())
            return false;
    }
    return flush();
}

bool DiaryFile::ReadDiaryFile(Diary& diary, GraphPeriod& period, int trendMonths, int* droppedLines) const
{
    QFile file(diary.FilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        m_messages.ShowMessage(LoadText(700), ButtonsOk, IconInformation);
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    DiaryContent content = ParseDiary(bytes, m_formats, trendMonths);
    if (content.NotADiary) {
        m_messages.ShowMessage(LoadText(740), ButtonsOk, IconInformation);
        return false;
    }
    if (droppedLines)
        *droppedLines = content.DroppedLines;
    if (content.Owner)
        diary.Owner = *content.Owner;
    diary.Records.Assign(std::move(content.Records));
    if (content.LatestPeriodStart.isValid()) {
        period.PeriodStart = content.LatestPeriodStart;
        period.PeriodEnd = content.LatestPeriodEnd;
    } else {
        period.PeriodStart = PeriodStartFor(m_clock.Today(), trendMonths);
        period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    }
    diary.NewEntryIndex = diary.Records.Count() + 1;
    diary.ListLast = diary.NewEntryIndex;
    diary.ListFirst = std::max(1, diary.ListLast - 4);
    diary.CurrentIndex = diary.Records.IsEmpty() ? 1 : diary.NewEntryIndex - 1;
    if (content.DroppedLines > 0)
        m_messages.ShowMessage(LoadText(741).arg(content.DroppedLines) + kCrLf + LoadText(742), ButtonsOk,
                               IconInformation);
    return true;
}

bool DiaryFile::WriteTo(const QString& path, const Diary& diary) const
{
    const bool written = WriteFileSafely(
        path, [&](QIODevice& out) { return WriteDiary(out, diary.Owner, diary.Records, m_formats); });
    if (!written)
        m_messages.ShowMessage(LoadText(738), ButtonsOk, IconCritical);
    return written;
}

bool DiaryFile::WriteDiaryFile(Diary& diary) const
{
    if (!WriteTo(diary.FilePath(), diary))
        return false;
    if (!diary.IsUnnamed()) {
        if (!diary.BackupPath.isEmpty())
            QFile::remove(diary.BackupPath);
        diary.BackupRecalled = false;
    }
    return true;
}

bool DiaryFile::WriteBackup(const Diary& diary) const
{
    return WriteTo(diary.BackupPath, diary);
}

bool DiaryFile::ResetBackup(const Diary& diary) const
{
    const QByteArray line = QByteArray(kEmptyDiaryLine) + "\r\n";
    return WriteFileSafely(diary.BackupPath,
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
