#include "store/ImportText.h"

#include "platform/LocaleFormats.h"

#include <QDateTime>

#include <array>

namespace tarvel {

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QChar SeparatorChar(FieldSeparator sep)
{
    switch (sep) {
    case FieldSeparator::Semicolon:
        return QLatin1Char(';');
    case FieldSeparator::Tab:
        return QLatin1Char('\t');
    case FieldSeparator::Comma:
    case FieldSeparator::Blanks:
        break;
    }
    return QLatin1Char(',');
}

// Reads up to `most` digits from at (at least `least`); -1 when there are fewer.
int ReadDigits(QStringView s, qsizetype& at, int least, int most)
{
    int value = 0;
    int count = 0;
    while (count < most && at < s.size() && s[at].isDigit() && s[at].unicode() < 128) {
        value = value * 10 + (s[at].unicode() - '0');
        ++at;
        ++count;
    }
    return count >= least ? value : -1;
}

void SkipBlanks(QStringView s, qsizetype& at)
{
    while (at < s.size() && s[at].isSpace())
        ++at;
}

// The month of an English (or German) month name or its first three letters; 0 for none.
int MonthOfName(QStringView word)
{
    static constexpr std::array<const char*, 12> english = {"jan", "feb", "mar", "apr", "may", "jun",
                                                            "jul", "aug", "sep", "oct", "nov", "dec"};
    static constexpr std::array<const char*, 12> german = {"jan", "feb", "mär", "apr", "mai", "jun",
                                                           "jul", "aug", "sep", "okt", "nov", "dez"};
    if (word.size() < 3)
        return 0;
    const QString three = word.left(3).toString().toLower();
    for (std::size_t m = 0; m < english.size(); ++m) {
        if (three == QLatin1String(english[m]) || three == QString::fromUtf8(german[m]))
            return static_cast<int>(m) + 1;
    }
    return 0;
}

// " Jul 15, 2026", "July 15 2026", "21 Sep 2023", "21. Sep. 2023".
std::optional<QDate> ReadNamedMonthDate(QStringView text)
{
    QStringList words;
    for (QStringView w : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        while (!w.isEmpty() && (w.back() == QLatin1Char(',') || w.back() == QLatin1Char('.')))
            w.chop(1);
        words << w.toString();
    }
    if (words.size() != 3)
        return std::nullopt;
    bool dayOk = false;
    bool yearOk = false;
    const int year = words[2].toInt(&yearOk);
    int month = MonthOfName(words[0]);
    int day = words[1].toInt(&dayOk);
    if (month == 0) {
        month = MonthOfName(words[1]);
        day = words[0].toInt(&dayOk);
    }
    const QDate date(year, month, day);
    if (!dayOk || !yearOk || month == 0 || words[2].size() != 4 || !date.isValid())
        return std::nullopt;
    return date;
}

// "2024-05-06"; nothing for any other text.
std::optional<QDate> ReadIsoDate(QStringView text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return std::nullopt;
    qsizetype at = 0;
    const int year = ReadDigits(text, at, 4, 4);
    at = 5;
    const int month = ReadDigits(text, at, 2, 2);
    at = 8;
    const int day = ReadDigits(text, at, 2, 2);
    const QDate date(year, month, day);
    if (year < 0 || month < 0 || day < 0 || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

QStringList SplitFields(QStringView line, FieldSeparator sep)
{
    QStringList fields;
    for (const TextRow& row : SplitTextRows(line, sep, 1))
        fields += row.fields;
    return fields;
}

std::vector<TextRow> SplitTextRows(QStringView text, FieldSeparator sep, int firstLine)
{
    const QChar sepChar = SeparatorChar(sep);
    const bool blanks = sep == FieldSeparator::Blanks;
    std::vector<TextRow> rows;
    TextRow row;
    QString field;
    bool quoted = false;
    bool any = false;     // the row has a field, a quote or a separator
    bool pending = false; // blanks were passed since the last field (Blanks only)
    int line = firstLine;
    row.line = line;
    const auto endField = [&] {
        row.fields << field;
        field.clear();
    };
    const auto endRow = [&] {
        if (any || !field.isEmpty()) {
            endField();
            rows.push_back(std::move(row));
        }
        row = TextRow();
        field.clear();
        any = false;
        pending = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('\n'))
                ++line;
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < size && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            endRow();
            if (c == QLatin1Char('\n') || i + 1 >= size || text[i + 1] != QLatin1Char('\n'))
                ++line;
            row.line = line;
            continue;
        }
        if (!any && field.isEmpty() && c == QLatin1Char('#')) {
            // A comment line: passed over to its end.
            while (i + 1 < size && text[i + 1] != QLatin1Char('\n') && text[i + 1] != QLatin1Char('\r'))
                ++i;
            continue;
        }
        if (blanks && IsBlank(c)) {
            pending = any || !field.isEmpty();
            continue;
        }
        if (blanks && pending) {
            endField();
            pending = false;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (!blanks && c == sepChar) {
            endField();
            any = true;
        } else {
            field += c;
        }
    }
    endRow();
    return rows;
}

std::optional<QDate> ReadImportDate(QStringView text, const LocaleFormats& dates)
{
    text = text.trimmed();
    if (const std::optional<QDate> iso = ReadIsoDate(text))
        return iso;
    if (const std::optional<QDate> named = ReadNamedMonthDate(text))
        return named;
    // The locale's reader takes a time as a time on its zero date: a text with ":" is no date here.
    if (text.contains(QLatin1Char(':')))
        return std::nullopt;
    return dates.ParseDate(text);
}

std::optional<int> ReadUtcOffset(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u"UTC", Qt::CaseInsensitive) || text.startsWith(u"GMT", Qt::CaseInsensitive))
        text = text.mid(3).trimmed();
    if (text.isEmpty() || text.compare(u"Z", Qt::CaseInsensitive) == 0)
        return 0;
    if (text[0] != QLatin1Char('+') && text[0] != QLatin1Char('-'))
        return std::nullopt;
    const int sign = text[0] == QLatin1Char('-') ? -1 : 1;
    qsizetype at = 1;
    const int hours = ReadDigits(text, at, 2, 2);
    if (at < text.size() && text[at] == QLatin1Char(':'))
        ++at;
    const int minutes = at < text.size() ? ReadDigits(text, at, 2, 2) : 0;
    if (hours < 0 || hours > 14 || minutes < 0 || minutes > 59 || at != text.size())
        return std::nullopt;
    return sign * (hours * 3600 + minutes * 60);
}

std::optional<TimeOfDay> ReadTimeOfDay(QStringView text)
{
    text = text.trimmed();
    qsizetype at = 0;
    int hour = ReadDigits(text, at, 1, 2);
    if (hour < 0 || at >= text.size() || (text[at] != QLatin1Char(':') && text[at] != QLatin1Char('.')))
        return std::nullopt;
    const QChar sep = text[at++];
    const int minute = ReadDigits(text, at, 2, 2);
    int second = 0;
    if (minute >= 0 && at + 1 < text.size() && text[at] == sep && text[at + 1].isDigit()) {
        ++at;
        second = ReadDigits(text, at, 2, 2);
        // Fractions of a second are passed over.
        if (at + 1 < text.size() && (text[at] == QLatin1Char('.') || text[at] == QLatin1Char(',')) &&
            text[at + 1].isDigit()) {
            ++at;
            while (at < text.size() && text[at].isDigit())
                ++at;
        }
    }
    if (minute < 0 || second < 0)
        return std::nullopt;
    SkipBlanks(text, at);
    // "AM", "pm", "a.m."
    if (at < text.size() && QStringLiteral("aApP").contains(text[at])) {
        const bool pm = text[at].toLower() == QLatin1Char('p');
        qsizetype m = at + 1;
        if (m < text.size() && text[m] == QLatin1Char('.'))
            ++m;
        if (m < text.size() && text[m].toLower() == QLatin1Char('m')) {
            at = m + 1;
            if (at < text.size() && text[at] == QLatin1Char('.'))
                ++at;
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (pm ? 12 : 0);
            SkipBlanks(text, at);
        }
    }
    TimeOfDay read{QTime(hour, minute, second), std::nullopt};
    if (!read.time.isValid())
        return std::nullopt;
    if (at < text.size()) {
        read.offsetSeconds = ReadUtcOffset(text.mid(at));
        if (!read.offsetSeconds)
            return std::nullopt;
    }
    return read;
}

QStringView DatePartOf(QStringView text)
{
    text = text.trimmed();
    if (text.size() > 10 && text[4] == QLatin1Char('-') && text[10] == QLatin1Char('T'))
        return text.left(10);
    if (text.contains(QLatin1Char(',')) || (!text.isEmpty() && text[0].isLetter()))
        return text; // a month's name: " Jul 15, 2026"
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank);
}

std::optional<LocalTime> ReadImportDateTime(QStringView dateText, QStringView timeText,
                                            const LocaleFormats& dates, const QTimeZone& local,
                                            bool utcWhenPlain)
{
    dateText = dateText.trimmed();
    QStringView datePart = dateText;
    std::optional<QDate> date = ReadNamedMonthDate(dateText);
    if (!date) {
        datePart = DatePartOf(dateText);
        QStringView rest = dateText.mid(datePart.size());
        if (rest.startsWith(QLatin1Char('T')))
            rest = rest.mid(1);
        if (!rest.trimmed().isEmpty())
            timeText = rest;
        date = ReadImportDate(datePart, dates);
    }
    timeText = timeText.trimmed();
    if (!date)
        return std::nullopt;
    if (timeText.isEmpty())
        return LocalTime{*date, QTime(0, 0), false};
    const std::optional<TimeOfDay> time = ReadTimeOfDay(timeText);
    if (!time)
        return std::nullopt;
    const std::optional<int> offset = time->offsetSeconds ? time->offsetSeconds
                                      : utcWhenPlain      ? std::optional<int>(0)
                                                          : std::nullopt;
    if (!offset)
        return LocalTime{*date, time->time, true};
    const QDateTime there(*date, time->time, QTimeZone(*offset));
    const QDateTime here = there.toTimeZone(local);
    if (!here.isValid())
        return std::nullopt;
    return LocalTime{here.date(), here.time(), true};
}

} // namespace tarvel
