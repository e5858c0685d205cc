// The diary file writer: the profile and records laid out in the file's form, straight into bytes.

#include "store/DiaryFile.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "store/DiaryText.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tarvel {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
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

} // namespace tarvel
