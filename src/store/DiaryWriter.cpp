// The diary file writer: the profile and records laid out in the file's form, straight into bytes.

#include "store/DiaryFile.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "store/DiaryText.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace tarvel {

namespace {

// The bytes of the file being written, collected in memory and handed to the device in chunks.
// Each field asks for room once and is then written at a plain pointer.
class Bytes {
public:
    // Makes the bytes n longer and returns where the new ones go.
    char* Extend(std::size_t n)
    {
        if (m_size + n > m_bytes.size()) [[unlikely]]
            Grow(m_size + n);
        char* at = m_bytes.data() + m_size;
        m_size += n;
        return at;
    }
    void Truncate(std::size_t size) { m_size = size; }
    std::size_t Size() const { return m_size; }
    const char* Data() const { return m_bytes.data(); }

    void Put(char c) { *Extend(1) = c; }
    template <std::size_t N> void Put(const char (&text)[N]) { std::memcpy(Extend(N - 1), text, N - 1); }

private:
    [[gnu::noinline]] void Grow(std::size_t size) { m_bytes.resize(std::max(2 * m_bytes.size(), size)); }

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

// A number in fixed steps (value / 10^decimals) laid out at o with at least minWhole whole digits
// (hundredths 6540 with 3 whole digits give "065.40"); returns the end, at most 24 characters on.
// This runs for every number of every diary written, in 32 bits for the usual values.
char* PutScaled(char* o, qint64 value, int decimals, int minWhole)
{
    if (value < 0) {
        *o++ = '-';
        // The digits of the magnitude; a value of 0 would have no sign.
        value = value == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max() : -value;
    }
    const auto put = [&](auto v) {
        auto whole = v;
        for (int d = 0; d < decimals; ++d)
            whole /= 10;
        int wholeDigits = 1;
        for (; whole >= 10; whole /= 10)
            ++wholeDigits;
        wholeDigits = std::max(wholeDigits, minWhole);
        char* const end = o + wholeDigits + 1 + decimals;
        char* at = end;
        for (int d = 0; d < decimals; ++d, v /= 10)
            *--at = static_cast<char>('0' + v % 10);
        *--at = '.';
        for (int d = 0; d < wholeDigits; ++d, v /= 10)
            *--at = static_cast<char>('0' + v % 10);
        return end;
    };
    return value <= 0xFFFFFFFF ? put(static_cast<quint32>(value)) : put(static_cast<quint64>(value));
}

// The time as the file stores it at o, hours and minutes with an ASCII separator ("07:30").
char* PutTime(char* o, const QTime& time, char sep)
{
    const int minutes = time.msecsSinceStartOfDay() / 60000;
    o[0] = static_cast<char>('0' + minutes / 600);
    o[1] = static_cast<char>('0' + minutes / 60 % 10);
    o[2] = sep;
    o[3] = static_cast<char>('0' + minutes % 60 / 10);
    o[4] = static_cast<char>('0' + minutes % 10);
    return o + 5;
}

// A kept text that is no number, as the reader found it; a "," would split the line.
void AppendKept(Bytes& out, const QString& kept)
{
    if (!kept.contains(QLatin1Char(',')))
        Append(out, kept);
    else
        Append(out, QString(kept).remove(QLatin1Char(',')));
}

QString FileHeight(const QString& height, const LocaleFormats& formats)
{
    if (height.isEmpty())
        return height;
    // The height input takes any text that begins with a number of at most 300 ("172cm").
    const double value = formats.ParseNumber(height).value_or(formats.LeadingNumber(height));
    return FormatNumber(value, kFileHeightPattern, QLatin1Char('.'));
}

// One weighing's fields, each after its ",": time, weight, BMI and memo. The usual weighing (values
// only, an ASCII time separator) is laid out in one stretch of room.
void AppendWeighing(Bytes& out, const Weighing& w, const LocaleFormats& formats)
{
    constexpr std::size_t kRoom = 4 + 5 + 2 * 24;
    const char16_t timeSep = formats.TimeSep.unicode();
    if (w.keptWeight.isEmpty() && w.keptBmi.isEmpty() && timeSep < 0x80) {
        char* const begin = out.Extend(kRoom);
        char* o = begin;
        *o++ = ',';
        if (w.time)
            o = PutTime(o, *w.time, static_cast<char>(timeSep));
        *o++ = ',';
        if (w.weight)
            o = PutScaled(o, w.weight->grams / 10, 2, 3); // "000.00"
        *o++ = ',';
        if (w.bmiTenths)
            o = PutScaled(o, *w.bmiTenths, 1, 2); // "00.0"
        *o++ = ',';
        out.Truncate(out.Size() - kRoom + static_cast<std::size_t>(o - begin));
    } else {
        out.Put(',');
        if (w.time) {
            char16_t buffer[16];
            const int minutes = w.time->msecsSinceStartOfDay() / 60000;
            Append(out, QStringView(buffer, formats.LayoutStoredTime(buffer, minutes / 60, minutes % 60)));
        }
        out.Put(',');
        const auto appendScaled = [&out](qint64 value, int decimals, int minWhole) {
            char* const at = out.Extend(24);
            out.Truncate(out.Size() - 24 +
                         static_cast<std::size_t>(PutScaled(at, value, decimals, minWhole) - at));
        };
        if (w.weight)
            appendScaled(w.weight->grams / 10, 2, 3);
        else
            AppendKept(out, w.keptWeight);
        out.Put(',');
        if (w.bmiTenths)
            appendScaled(*w.bmiTenths, 1, 2);
        else
            AppendKept(out, w.keptBmi);
        out.Put(',');
    }
    if (!w.memo.isEmpty())
        Append(out, MemoToFileText(w.memo));
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
        const bool slotsEmpty = record.slot[0].isEmpty() && record.slot[1].isEmpty();
        if (!record.date.isValid() && slotsEmpty)
            continue;
        if (record.date.isValid())
            Append(chunk, keys.Key(record.dayNumber()));
        for (const Weighing& w : record.slot)
            AppendWeighing(chunk, w, formats);
        chunk.Put("\r\n");
        if (chunk.Size() >= kChunkBytes && !flush())
            return false;
    }
    return flush();
}

} // namespace tarvel
