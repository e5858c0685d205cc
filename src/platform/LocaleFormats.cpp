#include "platform/LocaleFormats.h"

#include "platform/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

namespace tarvel {

namespace {

const QDate kZeroDate(1899, 12, 30);

// One field of a Qt date or time format: a run of one letter, or the literal text between fields.
struct FormatToken {
    QChar letter; // null for literal text
    int length = 0;
    QString literal;
};

QList<FormatToken> Tokenize(const QString& format)
{
    QList<FormatToken> tokens;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // Quoted literal; '' is a single quote.
            QString text;
            ++i;
            while (i < format.size()) {
                if (format[i] == QLatin1Char('\'')) {
                    if (i + 1 < format.size() && format[i + 1] == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += format[i++];
            }
            tokens.append({QChar(), 0, text});
        } else if (c.isLetter()) {
            qsizetype j = i;
            while (j < format.size() && format[j] == c)
                ++j;
            tokens.append({c, static_cast<int>(j - i), QString()});
            i = j;
        } else {
            if (tokens.isEmpty() || !tokens.last().letter.isNull())
                tokens.append({QChar(), 0, QString()});
            tokens.last().literal += c;
            ++i;
        }
    }
    return tokens;
}

// The separator character of a literal between two date parts: its first character that is not a
// blank ("2024. 03. 05." gives "."), or a blank when it holds nothing else.
QChar SeparatorOf(const QString& literal)
{
    for (QChar c : literal) {
        // Skip blanks and invisible marks (Arabic short dates put a right-to-left mark before "/").
        if (!c.isSpace() && c.category() != QChar::Other_Format)
            return c;
    }
    return literal.isEmpty() ? QChar() : QLatin1Char(' ');
}

// Finds the order and separators of a numeric short date; false when the format is not one.
bool ProbeDateFormat(const QString& format, LocaleFormats& facts)
{
    const QList<FormatToken> tokens = Tokenize(format);
    int place = 0;
    int yearPos = 0, monthPos = 0, dayPos = 0;
    QChar seps[2];
    for (const FormatToken& token : tokens) {
        if (token.letter.isNull()) {
            if (place == 1 || place == 2) {
                if (seps[place - 1].isNull())
                    seps[place - 1] = SeparatorOf(token.literal);
            }
            continue;
        }
        ++place;
        if (place > 3)
            return false;
        if (token.letter == QLatin1Char('y') && yearPos == 0)
            yearPos = place;
        else if (token.letter == QLatin1Char('M') && monthPos == 0 && token.length <= 2)
            monthPos = place;
        else if (token.letter == QLatin1Char('d') && dayPos == 0 && token.length <= 2)
            dayPos = place;
        else
            return false; // a month or weekday name, or an era: not a numeric date
    }
    if (yearPos == 0 || monthPos == 0 || dayPos == 0 || seps[0].isNull() || seps[1].isNull())
        return false;
    facts.YearPos = yearPos;
    facts.MonthPos = monthPos;
    facts.DayPos = dayPos;
    facts.DateSep1 = seps[0];
    facts.DateSep2 = seps[1];
    return true;
}

// The first separator after the hour in a short time format such as "HH:mm" or "h.mm AP".
QChar ProbeTimeSeparator(const QString& format)
{
    const QList<FormatToken> tokens = Tokenize(format);
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        const QChar letter = tokens[i].letter.toLower();
        if (letter == QLatin1Char('h') && tokens[i + 1].letter.isNull()) {
            const QChar sep = SeparatorOf(tokens[i + 1].literal);
            if (!sep.isNull() && sep != QLatin1Char(' '))
                return sep;
        }
    }
    return QLatin1Char(':');
}

int RoundedField(QStringView field)
{
    return RoundToInt16(tarvel::LeadingNumber(field)).value_or(-1);
}

// Years written with two digits fall in 1930..2029, as the usual platform date reading has them.
int WindowedYear(int year)
{
    if (year >= 0 && year < 30)
        return year + 2000;
    if (year >= 30 && year < 100)
        return year + 1900;
    return year;
}

std::optional<QDate> MakeDate(int year, int month, int day)
{
    year = WindowedYear(year);
    if (year < 100 || year > 9999)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// Writes a non-negative number with at least width digits (zeros in front); returns the count.
qsizetype PutNumber(char16_t* out, int value, int width)
{
    char16_t digits[12];
    int n = 0;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0 && n < 12);
    qsizetype k = 0;
    for (int i = n; i < width; ++i)
        out[k++] = u'0';
    while (n > 0)
        out[k++] = digits[--n];
    return k;
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

qint64 DayNumber(const QDate& date)
{
    return kZeroDate.daysTo(date);
}

QDate DateFromDayNumber(qint64 day)
{
    return kZeroDate.addDays(day);
}

LocaleFormats::LocaleFormats()
{
    BuildFormats();
}

LocaleFormats LocaleFormats::ProbeLocale(const QLocale& locale)
{
    LocaleFormats facts;
    if (locale.language() == QLocale::C || !ProbeDateFormat(locale.dateFormat(QLocale::ShortFormat), facts))
        return facts; // the sound default: year-month-day with "/", ":" and "."
    facts.TimeSep = ProbeTimeSeparator(locale.timeFormat(QLocale::ShortFormat));
    const QString point = locale.decimalPoint();
    if (!point.isEmpty())
        facts.DecimalSep = point.at(0);
    facts.BuildFormats();
    return facts;
}

void LocaleFormats::BuildFormats()
{
    QStringList parts;
    for (int place = 1; place <= 3; ++place) {
        if (YearPos == place)
            parts << QStringLiteral("yyyy");
        else if (MonthPos == place)
            parts << QStringLiteral("mm");
        else if (DayPos == place)
            parts << QStringLiteral("dd");
    }
    DateFormat = parts.join(QLatin1Char('/'));
    ShortDateFormat = DateFormat;
    ShortDateFormat.replace(QStringLiteral("mm"), QStringLiteral("m"));
    ShortDateFormat.replace(QStringLiteral("dd"), QStringLiteral("d"));
    MonthStartFormat = ShortDateFormat;
    MonthStartFormat.replace(QLatin1Char('d'), QLatin1Char('1'));
    QString w = ShortDateFormat;
    w.remove(QStringLiteral("yyyy"));
    if (w.startsWith(QLatin1Char('/')))
        MonthDayFormat = w.mid(1);
    else if (w.endsWith(QLatin1Char('/')))
        MonthDayFormat = w.left(3);
    else
        MonthDayFormat = ShortDateFormat;
    TimeFormat = QStringLiteral("hh") + TimeSep + QStringLiteral("nn");
    ShortTimeFormat = QStringLiteral("h") + TimeSep + QStringLiteral("nn");
}

std::optional<QDate> LocaleFormats::ReadDateFields(QStringView text, QChar sep1, QChar sep2) const
{
    const qsizetype first = text.indexOf(sep1);
    if (first < 0)
        return std::nullopt;
    const qsizetype second = text.indexOf(sep2, first + 1);
    if (second < 0)
        return std::nullopt;
    const QStringView fields[3] = {text.left(first), text.mid(first + 1, second - first - 1),
                                   text.mid(second + 1)};
    auto fieldAt = [&fields](int pos) { return pos >= 1 && pos <= 3 ? RoundedField(fields[pos - 1]) : -1; };
    return MakeDate(fieldAt(YearPos), fieldAt(MonthPos), fieldAt(DayPos));
}

std::optional<QTime> LocaleFormats::ReadTimeFields(QStringView text, QChar sep) const
{
    const qsizetype at = text.indexOf(sep);
    if (at < 0)
        return std::nullopt;
    const int hour = RoundedField(text.left(at));
    const int minute = RoundedField(text.mid(at + 1));
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return QTime(hour, minute);
}

std::optional<DateTimeValue> LocaleFormats::LenientRead(QStringView text) const
{
    // What the platform's own reading accepts besides the locale's short date: a date and a time
    // separated by a blank, and dates written year first with "-", "/" or "." (as other locales
    // and ISO 8601 write them), so a diary written under another locale still reads.
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    if (blank > 0) {
        const auto date = ParseDateTimeText(trimmed.left(blank));
        const auto time = ParseDateTimeText(trimmed.mid(blank + 1).trimmed());
        if (!date || !time || !date->hasDate || time->hasDate)
            return std::nullopt;
        return DateTimeValue{date->date, time->time, true};
    }
    for (QChar sep : {QLatin1Char('-'), QLatin1Char('/'), QLatin1Char('.')}) {
        const qsizetype first = trimmed.indexOf(sep);
        if (first == 4) {
            const qsizetype second = trimmed.indexOf(sep, first + 1);
            if (second < 0)
                continue;
            const auto date = MakeDate(RoundedField(trimmed.left(first)),
                                       RoundedField(trimmed.mid(first + 1, second - first - 1)),
                                       RoundedField(trimmed.mid(second + 1)));
            if (date)
                return DateTimeValue{*date, QTime(0, 0), true};
        }
    }
    return std::nullopt;
}

bool LocaleFormats::ReadPlainTime(QStringView text, int& hour, int& minute) const
{
    const qsizetype size = text.size();
    if (size < 3 || size > 5)
        return false;
    qsizetype sep = 0;
    while (sep < size && text[sep] != TimeSep)
        ++sep;
    const qsizetype minutes = size - sep - 1;
    if (sep < 1 || sep > 2 || minutes < 1 || minutes > 2 || !IsAsciiDigit(text[0]) ||
        !IsAsciiDigit(text[sep - 1]) || !IsAsciiDigit(text[sep + 1]) || !IsAsciiDigit(text[size - 1]))
        return false;
    auto digits = [&text](qsizetype from, qsizetype count) {
        int value = 0;
        for (qsizetype i = from; i < from + count; ++i)
            value = value * 10 + (text[i].unicode() - '0');
        return value;
    };
    hour = digits(0, sep);
    minute = digits(sep + 1, minutes);
    return true;
}

std::optional<DateTimeValue> LocaleFormats::ParseDateTimeText(QStringView text) const
{
    int hour = 0;
    int minute = 0;
    if (ReadPlainTime(text, hour, minute)) {
        if (hour > 23 || minute > 59)
            return std::nullopt;
        return DateTimeValue{kZeroDate, QTime(hour, minute), false};
    }
    bool hasDateSep = text.contains(DateSep1);
    bool hasTimeSep = text.contains(TimeSep);
    if (DateSep1 == TimeSep && hasDateSep) {
        // Locales such as Finnish write both with ".": two separators make a date, one a time.
        const bool twoOrMore = text.count(DateSep1) >= 2;
        hasDateSep = twoOrMore;
        hasTimeSep = !twoOrMore;
    }
    if (hasDateSep && !hasTimeSep) {
        if (const auto date = ReadDateFields(text, DateSep1, DateSep2))
            return DateTimeValue{*date, QTime(0, 0), true};
        // A year-first date written under another locale ("2004/5/6" read where month comes first)
        // still reads, so a diary does not lose its days when the user's locale changes.
        return LenientRead(text);
    }
    if (!hasDateSep && hasTimeSep) {
        const auto time = ReadTimeFields(text, TimeSep);
        if (!time)
            return std::nullopt;
        return DateTimeValue{kZeroDate, *time, false};
    }
    return LenientRead(text);
}

std::optional<QDate> LocaleFormats::ParseDate(QStringView text) const
{
    const auto value = ParseDateTimeText(text);
    if (!value)
        return std::nullopt;
    return value->date;
}

std::optional<QDate> LocaleFormats::ReadTypedDate(QStringView text) const
{
    // While a date is typed key by key its earlier states ("11/30/2", "11/30/202") would read as
    // other dates with a lenient reading; only a complete one is a date.
    text = text.trimmed();
    const qsizetype first = text.indexOf(DateSep1);
    const qsizetype second = first < 0 ? -1 : text.indexOf(DateSep2, first + 1);
    if (second < 0)
        return std::nullopt;
    const QStringView fields[3] = {text.left(first), text.mid(first + 1, second - first - 1),
                                   text.mid(second + 1)};
    int values[3] = {0, 0, 0};
    for (int place = 1; place <= 3; ++place) {
        const QStringView field = fields[place - 1];
        const bool sized = place == YearPos ? field.size() == 4 : field.size() == 1 || field.size() == 2;
        if (!sized || !std::all_of(field.begin(), field.end(), IsAsciiDigit))
            return std::nullopt;
        values[place - 1] = field.toInt();
    }
    auto at = [&values](int pos) { return pos >= 1 && pos <= 3 ? values[pos - 1] : 0; };
    const QDate date(at(YearPos), at(MonthPos), at(DayPos));
    if (!date.isValid() || date.year() < 100)
        return std::nullopt;
    return date;
}

qsizetype LocaleFormats::LayoutDateTime(char16_t* out, qsizetype capacity, const QDate& date,
                                        const QTime& time, QStringView pattern) const
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    const int hour = time.hour();
    const int minute = time.minute();
    int slashes = 0;
    qsizetype k = 0;
    qsizetype i = 0;
    // Every pattern letter run becomes at most 12 characters; stop before the buffer could overflow.
    while (i < pattern.size() && k + 12 <= capacity) {
        const QChar c = pattern[i];
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        const int width = run == 2 ? 2 : 1;
        if (c == QLatin1Char('y') && run >= 4) {
            k += PutNumber(out + k, year, 4);
        } else if (c == QLatin1Char('m') && run <= 2) {
            k += PutNumber(out + k, month, width);
        } else if (c == QLatin1Char('d') && run <= 2) {
            k += PutNumber(out + k, day, width);
        } else if (c == QLatin1Char('h') && run <= 2) {
            k += PutNumber(out + k, hour, width);
        } else if (c == QLatin1Char('n') && run <= 2) {
            k += PutNumber(out + k, minute, width);
        } else {
            for (qsizetype r = 0; r < run && k < capacity; ++r) {
                if (c == QLatin1Char('/'))
                    out[k++] = (++slashes == 1 ? DateSep1 : DateSep2).unicode();
                else if (c == QLatin1Char(':'))
                    out[k++] = TimeSep.unicode();
                else
                    out[k++] = c.unicode();
            }
        }
        i += run;
    }
    return k;
}

qsizetype LocaleFormats::LayoutDateKey(char16_t* out, const QDate& date) const
{
    int parts[3] = {0, 0, 0};
    date.getDate(&parts[0], &parts[1], &parts[2]);
    const int positions[3] = {YearPos, MonthPos, DayPos};
    qsizetype k = 0;
    for (int place = 1; place <= 3; ++place) {
        for (int part = 0; part < 3; ++part) {
            if (positions[part] == place) {
                k += PutNumber(out + k, parts[part], part == 0 ? 4 : 2);
                break;
            }
        }
        if (place < 3)
            out[k++] = (place == 1 ? DateSep1 : DateSep2).unicode();
    }
    return k;
}

qsizetype LocaleFormats::LayoutStoredTime(char16_t* out, int hour, int minute) const
{
    qsizetype k = PutNumber(out, hour, 2);
    out[k++] = TimeSep.unicode();
    return k + PutNumber(out + k, minute, 2);
}

QString LocaleFormats::FormatDateTime(const QDate& date, const QTime& time, QStringView pattern) const
{
    char16_t buffer[128];
    const qsizetype size = LayoutDateTime(buffer, std::size(buffer), date, time, pattern);
    return QString(reinterpret_cast<const QChar*>(buffer), size);
}

QString LocaleFormats::FormatDate(const QDate& date, QStringView pattern) const
{
    return FormatDateTime(date, QTime(0, 0), pattern);
}

QString LocaleFormats::FormatTime(const QTime& time, QStringView pattern) const
{
    return FormatDateTime(kZeroDate, time, pattern);
}

QString LocaleFormats::FormatNumber(double value, QStringView pattern) const
{
    return tarvel::FormatNumber(value, pattern, DecimalSep);
}

std::optional<double> LocaleFormats::ParseNumber(QStringView text) const
{
    return tarvel::ParseNumber(text, DecimalSep);
}

double LocaleFormats::LeadingNumber(QStringView text) const
{
    return tarvel::LeadingNumber(text, DecimalSep);
}

} // namespace tarvel
