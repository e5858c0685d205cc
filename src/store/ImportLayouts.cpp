#include "store/ImportLayouts.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/DayWeight.h"
#include "store/DiaryFile.h"
#include "store/DiaryText.h"
#include "store/ImportText.h"
#include "store/WeighingText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvel {

namespace {

// The first lines searched for the header row; exports put at most a few metadata lines before it.
constexpr int kHeaderSearchLines = 50;

bool ContainsAny(const QString& name, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&name](const char* w) { return name.contains(QString::fromUtf8(w)); });
}

bool IsAny(const QString& name, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&name](const char* w) { return name == QString::fromUtf8(w); });
}

// The unit a name gives ("kg", "lbs", "Pounds", "st"); nothing for a name of no unit we know.
std::optional<WeightUnit> UnitOfName(QStringView unit)
{
    const QString name = unit.trimmed().toString().toLower().remove(QLatin1Char('.'));
    if (IsAny(name, {"kg", "kgs", "kilogram", "kilograms", "kilogramm", "キログラム"}))
        return WeightUnit::Kilograms;
    if (IsAny(name, {"lb", "lbs", "pound", "pounds", "pfund", "ポンド"}))
        return WeightUnit::Pounds;
    if (IsAny(name, {"st", "stone", "stones"}))
        return WeightUnit::StonesPounds;
    return std::nullopt;
}

// Which column is which, by its name in the header.
struct Header {
    int date = -1, time = -1, weight = -1, bmi = -1, memo = -1, slot = -1, interpolated = -1, offset = -1;
    std::optional<WeightUnit> weightUnit; // named by the weight column
    QString unknownUnit;                  // a unit the weight column names that is none of ours
    qsizetype size = 0;

    bool valid() const { return (date >= 0 || time >= 0) && weight >= 0; }
};

// The unit in brackets of a column name ("Weight (kg)", "weight[kg]"), taken out of the name.
QString TakeBracketed(QString& name)
{
    const qsizetype open = name.indexOf(QRegularExpression(QStringLiteral("[\\(\\[]")));
    if (open < 0)
        return QString();
    const qsizetype close = name.indexOf(QRegularExpression(QStringLiteral("[\\)\\]]")), open);
    if (close < 0)
        return QString();
    const QString inside = name.mid(open + 1, close - open - 1).trimmed();
    name.remove(open, close - open + 1);
    name = name.trimmed();
    return inside;
}

void ClassifyWeight(Header& header, int i, const QString& name, const QString& bracketed)
{
    header.weight = i;
    if (!bracketed.isEmpty()) {
        header.weightUnit = UnitOfName(bracketed);
        if (!header.weightUnit)
            header.unknownUnit = bracketed;
        return;
    }
    // A unit word in the name: "weight_lbs", "KG".
    for (const QString& word :
         name.split(QRegularExpression(QStringLiteral("[^\\w]+|_")), Qt::SkipEmptyParts)) {
        if (const std::optional<WeightUnit> unit = UnitOfName(word))
            header.weightUnit = unit;
    }
}

Header ReadHeader(const QStringList& names)
{
    Header header;
    header.size = names.size();
    for (int i = 0; i < names.size(); ++i) {
        QString name = names[i].trimmed().toLower();
        if (name.startsWith(QLatin1Char('#')))
            name = name.mid(1).trimmed();
        // Samsung Health prefixes its columns with the data type: "com.samsung.health.weight.start_time".
        if (name.contains(QLatin1Char('.')) && !name.contains(QLatin1Char(' ')))
            name = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
        const QString bracketed = TakeBracketed(name);
        const auto take = [i](int& column) {
            if (column < 0)
                column = i;
        };
        if (IsAny(name, {"time_offset", "offset", "timezone", "time zone", "zeitzone"}))
            take(header.offset);
        else if (ContainsAny(name, {"date", "datum", "日付", "日時"}) ||
                 IsAny(name, {"start_time", "timestamp", "zeitstempel"}))
            take(header.date);
        else if (IsAny(name, {"time", "zeit", "uhrzeit", "時刻", "時間"}))
            take(header.time);
        else if (ContainsAny(name, {"interpolated", "interpoliert"}))
            take(header.interpolated);
        else if (header.weight < 0 &&
                 ((ContainsAny(name, {"weight", "gewicht", "体重"}) &&
                   !ContainsAny(name, {"trend", "change", "max", "min", "fat", "muscle", "bone", "water",
                                       "goal", "target", "lean", "änderung", "ziel", "fett"})) ||
                  UnitOfName(name)))
            ClassifyWeight(header, i, name, bracketed);
        else if (name.contains(QLatin1String("bmi")))
            take(header.bmi);
        else if (ContainsAny(name, {"memo", "comment", "note", "notiz", "kommentar", "bemerkung", "メモ",
                                    "コメント"}) ||
                 name == QLatin1String("log"))
            take(header.memo);
        else if (name == QLatin1String("slot"))
            take(header.slot);
    }
    if (header.date == header.weight)
        header.date = -1;
    return header;
}

QString FieldAt(const QStringList& row, int column)
{
    return column >= 0 && column < row.size() ? row[column].trimmed() : QString();
}

bool AllDigits(const QString& text, bool sign)
{
    qsizetype at = sign && text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (at >= text.size())
        return false;
    for (; at < text.size(); ++at) {
        if (!text[at].isDigit())
            return false;
    }
    return true;
}

// A comma file with more fields than header columns: numbers written with an unquoted decimal comma
// ("72,4") were cut in two. From the left, a whole number followed by digits in a column that holds
// numbers is put back together, as many times as the row has fields too many.
void JoinDecimalCommas(QStringList& row, const Header& header)
{
    qsizetype extra = row.size() - header.size;
    if (extra <= 0)
        return;
    QStringList joined;
    qsizetype at = 0;
    for (int column = 0; at < row.size(); ++column) {
        const bool numeric = column != header.date && column != header.time && column != header.memo &&
                             column != header.offset && column != header.interpolated;
        if (extra > 0 && numeric && at + 1 < row.size() && AllDigits(row[at].trimmed(), true) &&
            AllDigits(row[at + 1].trimmed(), false)) {
            joined << row[at].trimmed() + QLatin1Char(',') + row[at + 1].trimmed();
            at += 2;
            --extra;
        } else {
            joined << row[at++];
        }
    }
    row = joined;
}

// The decimal separator of a column: "," when its numbers have commas and never a ".".
QChar ColumnDecimal(const std::vector<TextRow>& rows, int column)
{
    bool comma = false;
    for (const TextRow& row : rows) {
        const QString field = FieldAt(row.fields, column);
        if (field.contains(QLatin1Char('.')))
            return QLatin1Char('.');
        comma = comma || field.contains(QLatin1Char(','));
    }
    return comma ? QLatin1Char(',') : QLatin1Char('.');
}

bool IsYes(const QString& text)
{
    return IsAny(text.toLower(), {"yes", "true", "1", "y", "ja", "はい"});
}

bool IsNone(const QString& text)
{
    return text.isEmpty() || text == QLatin1String("--") || text == QLatin1String("-");
}

// Where the header is: its fields' separator, the header and the text after it.
struct Table {
    FieldSeparator sep = FieldSeparator::Comma;
    Header header;
    int headerLine = 0;      // from 1
    qsizetype bodyStart = 0; // in the text
    std::optional<WeightUnit> fileUnit;
};

std::optional<Table> FindTable(QStringView text)
{
    Table table;
    qsizetype start = 0;
    for (int line = 1; line <= kHeaderSearchLines && start < text.size(); ++line) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView body = text.mid(start, end - start).trimmed();
        start = end + 1;
        if (body.startsWith(QLatin1Char('#'))) {
            body = body.mid(1).trimmed();
            if (body.startsWith(u"units:", Qt::CaseInsensitive)) {
                table.fileUnit = UnitOfName(body.mid(6));
                continue;
            }
        }
        for (FieldSeparator sep : {FieldSeparator::Tab, FieldSeparator::Semicolon, FieldSeparator::Comma,
                                   FieldSeparator::Blanks}) {
            const QStringList names = SplitFields(body, sep);
            if (names.size() < 2)
                continue;
            Header header = ReadHeader(names);
            if (!header.valid())
                continue;
            table.sep = sep;
            table.header = std::move(header);
            table.headerLine = line;
            table.bodyStart = std::min(start, text.size());
            return table;
        }
    }
    return std::nullopt;
}

// Reads the rows of a table one by one into a reading.
struct RowReader {
    const Header& h;
    const LocaleFormats& dates; // in the file's date order
    const QTimeZone& local;
    std::optional<WeightUnit> namedUnit; // by the weight column's heading or "#Units:"
    WeightUnit fallback;
    QChar weightDecimal, bmiDecimal;
    QDate dateRowDate = {}; // the last date row of a file with date rows followed by time rows

    // Whether the row is a date row (Garmin), which gives the date of the time rows after it.
    bool TakeDateRow(const QStringList& f)
    {
        const std::optional<QDate> date = ReadImportDate(FieldAt(f, h.time), dates);
        if (!date || !IsNone(FieldAt(f, h.weight)))
            return false;
        dateRowDate = *date;
        return true;
    }

    std::optional<WeightReading> ReadWeight(const QString& text, ImportReading& reading) const
    {
        const WeightUnit unit = namedUnit.value_or(fallback);
        std::optional<WeightReading> weight = ReadWeightText(text, weightDecimal, unit);
        if (!weight) // a lone number with the other separator ("72,10" quoted among "72.40")
            weight = ReadWeightText(
                text, weightDecimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.'), unit);
        if (weight && !weight->named && !namedUnit)
            reading.unitNamed = false;
        if (weight && reading.firstValues.size() < 3)
            reading.firstValues.push_back(weight->named || namedUnit ? weight->kg
                                                                     : ValueInUnit(weight->kg, fallback));
        return weight;
    }

    void Read(const TextRow& row, ImportReading& reading)
    {
        const QStringList& f = row.fields;
        if (h.date < 0 && TakeDateRow(f))
            return;
        if (h.interpolated >= 0 && IsYes(FieldAt(f, h.interpolated))) {
            ++reading.computed;
            return;
        }
        const QString dateText = h.date >= 0             ? FieldAt(f, h.date)
                                 : dateRowDate.isValid() ? dateRowDate.toString(Qt::ISODate)
                                                         : QString();
        const std::optional<LocalTime> when =
            ReadImportDateTime(dateText, FieldAt(f, h.time), dates, local, h.offset >= 0);
        const QString weightText = FieldAt(f, h.weight);
        if (when && IsNone(weightText)) {
            ++reading.noWeight;
            return;
        }
        const std::optional<WeightReading> weight = ReadWeight(weightText, reading);
        if (!when || !weight || !IsWeighing(RoundedKg(weight->kg))) {
            CountUnreadable(reading, row.line);
            return;
        }
        ImportedWeighing w{row.line,     when->date, when->time,  weight->kg,
                           std::nullopt, QString(),  std::nullopt};
        const QString bmiText = FieldAt(f, h.bmi);
        if (!bmiText.isEmpty())
            w.bmi = ParseNumber(bmiText, bmiDecimal);
        w.memo = MemoWithLineBreaks(FieldAt(f, h.memo));
        const QString slot = FieldAt(f, h.slot);
        if (slot == QLatin1String("1") || slot == QLatin1String("2"))
            w.slot = slot == QLatin1String("1") ? 0u : 1u;
        reading.weighings.push_back(std::move(w));
    }
};

} // namespace

double RoundedKg(double kg)
{
    // The file's "64.005" is a binary 64.00499..: a nudge far below 0.01 kg rounds it up as written.
    return std::round(kg * 100 + 1e-6) / 100;
}

void CountUnreadable(ImportReading& reading, int line)
{
    ++reading.unreadable;
    if (reading.unreadableLines.size() < 3)
        reading.unreadableLines.push_back(line);
}

bool IsXmlBytes(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    view = view.trimmed();
    return view.startsWith('<');
}

ImportReading ReadWeightFile(const QByteArray& bytes, const LocaleFormats& formats, const QTimeZone& local,
                             WeightUnit fallback)
{
    if (IsXmlBytes(bytes))
        return ReadAppleHealth(bytes, formats, local);
    ImportReading reading;
    QString text = DecodeDiaryBytes(bytes);
    // Old Mac programs end lines with CR alone.
    if (!text.contains(QLatin1Char('\n')))
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const std::optional<Table> table = FindTable(text);
    if (!table) {
        reading.refusal = LoadText(TextId::NoDateWeightColumns);
        return reading;
    }
    const Header& h = table->header;
    if (!h.unknownUnit.isEmpty()) {
        reading.refusal = LoadText(TextId::WeightUnitUnknown).arg(h.unknownUnit);
        return reading;
    }
    std::vector<TextRow> rows =
        SplitTextRows(QStringView(text).mid(table->bodyStart), table->sep, table->headerLine + 1);
    if (table->sep == FieldSeparator::Comma) {
        for (TextRow& row : rows)
            JoinDecimalCommas(row.fields, h);
    }
    const QChar weightDecimal = ColumnDecimal(rows, h.weight);
    const QChar bmiDecimal = ColumnDecimal(rows, h.bmi);

    // The file's date order, from all its dates, as the diary reader finds it.
    const int dateColumn = h.date >= 0 ? h.date : h.time;
    DateOrderFinder order;
    for (const TextRow& row : rows)
        order.Feed(DatePartOf(FieldAt(row.fields, dateColumn)));
    const LocaleFormats dates = order.Formats(formats);

    RowReader reader{h,        dates,         local,     h.weightUnit ? h.weightUnit : table->fileUnit,
                     fallback, weightDecimal, bmiDecimal};
    for (const TextRow& row : rows)
        reader.Read(row, reading);
    return reading;
}

} // namespace tarvel
