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

// The date order of the file's record lines: the date field of each line, until the order is settled.
LocaleFormats FileDateFormats(QStringView text, qsizetype from, const LocaleFormats& locale)
{
    DateOrderFinder finder;
    bool open = true;
    while (from < text.size() && open) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        const QStringView line = text.mid(from, end - from);
        from = end + 1;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma >= 0)
            open = finder.Feed(line.left(comma));
    }
    return finder.Formats(locale);
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

} // namespace

bool DateOrderFinder::Feed(QStringView field)
{
    QChar sep;
    std::array<QStringView, 3> parts;
    if (!SplitDateField(field, sep, parts))
        return true;
    const int year = parts[0].size() >= 3 ? 1 : parts[2].size() >= 3 ? 3 : 0;
    if (year == 0 || (m_yearPos != 0 && (year != m_yearPos || sep != m_sep)))
        return true; // two-digit years tell nothing; another layout is a damaged line
    m_yearPos = year;
    m_sep = sep;
    const QStringView first = parts[year == 1 ? 1 : 0];
    const QStringView second = parts[year == 1 ? 2 : 1];
    if (first.toInt() > 12)
        m_dayPos = year == 1 ? 2 : 1;
    else if (second.toInt() > 12)
        m_dayPos = year == 1 ? 3 : 2;
    return m_dayPos == 0;
}

LocaleFormats DateOrderFinder::Formats(const LocaleFormats& locale) const
{
    if (m_yearPos == 0)
        return locale;
    int dayPos = m_dayPos;
    if (dayPos == 0) {
        if (m_yearPos == 3 && (m_sep == QLatin1Char('.') || m_sep == QLatin1Char('-')))
            dayPos = 1;
        else if (locale.YearPos == m_yearPos)
            dayPos = locale.DayPos;
        else
            dayPos = m_yearPos == 1 ? 3 : 1;
    }
    const int monthPos = 6 - m_yearPos - dayPos;
    if (m_yearPos == locale.YearPos && monthPos == locale.MonthPos && dayPos == locale.DayPos &&
        m_sep == locale.DateSep1)
        return locale;
    LocaleFormats file = locale;
    file.YearPos = m_yearPos;
    file.MonthPos = monthPos;
    file.DayPos = dayPos;
    file.DateSep1 = m_sep;
    file.DateSep2 = m_sep;
    return file;
}

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
    diary.ListLast = diary.NewEntryIndex();
    diary.ListFirst = std::max(1, diary.ListLast - (kListWindowSize - 1));
    diary.CurrentIndex = diary.Records.IsEmpty() ? 1 : diary.NewEntryIndex() - 1;
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
