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

// A number in fixed steps (value / 10^decimals) laid out with at least minWhole whole digits:
// hundredths 6540 with 3 whole digits give "065.40". This runs for every number of every diary
// written, so it writes the digits straight into the bytes, in 32 bits for the usual values.
void AppendScaled(Bytes& out, qint64 value, int decimals, int minWhole)
{
    if (value >= 0 && value <= 0xFFFFFFFF) {
        auto v = static_cast<quint32>(value);
        quint32 whole = decimals == 1 ? v / 10 : v / 100;
        int wholeDigits = 1;
        for (; whole >= 10; whole /= 10)
            ++wholeDigits;
        wholeDigits = std::max(wholeDigits, minWhole);
        char* o =
            out.Extend(static_cast<std::size_t>(wholeDigits + 1 + decimals)) + wholeDigits + 1 + decimals;
        for (int d = 0; d < decimals; ++d, v /= 10)
            *--o = static_cast<char>('0' + v % 10);
        *--o = '.';
        for (int d = 0; d < wholeDigits; ++d, v /= 10)
            *--o = static_cast<char>('0' + v % 10);
        return;
    }
    char digits[24];
    int at = 24;
    const auto put = [&](auto magnitude) {
        for (int d = 0; d < decimals; ++d) {
            digits[--at] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        }
        digits[--at] = '.';
        for (int whole = 0; magnitude > 0 || whole < minWhole || whole == 0; ++whole) {
            digits[--at] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        }
    };
    put(value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value));
    if (value < 0)
        digits[--at] = '-';
    std::memcpy(out.Extend(static_cast<std::size_t>(24 - at)), digits + at,
                static_cast<std::size_t>(24 - at));
}

// The time as the file stores it, hours and minutes with the locale's separator ("07:30").
void AppendTime(Bytes& out, const std::optional<QTime>& time, const LocaleFormats& formats)
{
    if (!time)
        return;
    const int minutes = time->msecsSinceStartOfDay() / 60000;
    const char16_t sep = formats.TimeSep.unicode();
    if (sep < 0x80) {
        char* o = out.Extend(5);
        o[0] = static_cast<char>('0' + minutes / 600);
        o[1] = static_cast<char>('0' + minutes / 60 % 10);
        o[2] = static_cast<char>(sep);
        o[3] = static_cast<char>('0' + minutes % 60 / 10);
        o[4] = static_cast<char>('0' + minutes % 10);
        return;
    }
    char16_t buffer[16];
    Append(out, QStringView(buffer, formats.LayoutStoredTime(buffer, minutes / 60, minutes % 60)));
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
        for (const Weighing& w : record.slot) {
            chunk.Put(',');
            AppendTime(chunk, w.time, formats);
            chunk.Put(',');
            if (w.weight)
                AppendScaled(chunk, w.weight->grams / 10, 2, 3); // "000.00"
            else
                AppendKept(chunk, w.keptWeight);
            chunk.Put(',');
            if (w.bmiTenths)
                AppendScaled(chunk, *w.bmiTenths, 1, 2); // "00.0"
            else
                AppendKept(chunk, w.keptBmi);
            chunk.Put(',');
            if (!w.memo.isEmpty())
                Append(chunk, MemoToFileText(w.memo));
        }
        chunk.Put("\r\n");
        if (chunk.Size() >= kChunkBytes && !flush())
            return false;
    }
    return flush();
}

} // namespace tarvel
