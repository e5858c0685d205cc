#include "store/CsvImport.h"

#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/Bmi.h"
#include "store/DayWeight.h"
#include "store/DiaryFile.h"
#include "store/DiaryText.h"
#include "store/RecordStore.h"
#include "store/WeighingText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace tarvel {

namespace {

constexpr double kKgPerPound = 0.45359237;

using Row = QStringList;

// The separator of the header line: ";" when it has more semicolons than commas outside quotes.
QChar FindSeparator(QStringView text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

// RFC 4180 rows: quoted fields may hold separators, line breaks and doubled quotes. Blank lines
// give no row.
std::vector<Row> SplitRows(QStringView text, QChar sep)
{
    std::vector<Row> rows;
    Row row;
    QString field;
    bool quoted = false;
    bool any = false; // the row has a field or a separator
    const auto endField = [&] {
        row << field;
        field.clear();
    };
    const auto endRow = [&] {
        if (any || !field.isEmpty()) {
            endField();
            rows.push_back(row);
        }
        row.clear();
        field.clear();
        any = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == sep) {
            endField();
            any = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            endRow();
        } else {
            field += c;
        }
    }
    endRow();
    return rows;
}

// The columns a header names (-1 for one it lacks) and the weight column's unit.
struct Columns {
    int date = -1, time = -1, weight = -1, bmi = -1, memo = -1, slot = -1;
    double kgPerUnit = 1;
    QString unknownUnit; // the unit the weight column names when it is neither kg nor lb
};

// Kilograms per unit of a unit's name ("kg", "lbs", "Pounds"); 0 for a name of another unit.
double KgPerUnit(QStringView unit)
{
    const QString name = unit.trimmed().toString().toLower().remove(QLatin1Char('.'));
    const auto any = [&name](std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(),
                           [&name](const char* n) { return name == QLatin1String(n); });
    };
    if (any({"kg", "kgs", "kilogram", "kilograms"}))
        return 1;
    return any({"lb", "lbs", "pound", "pounds"}) ? kKgPerPound : 0;
}

Columns FindColumns(const Row& header)
{
    const QRegularExpression brackets(QStringLiteral("[\\(\\[]([^\\)\\]]*)[\\)\\]]"));
    const QRegularExpression nonLetters(QStringLiteral("[^a-z]+"));
    Columns columns;
    for (int i = 0; i < header.size(); ++i) {
        // Lower case, without units in brackets or blanks: "Weight (kg)" is "weight".
        QString name = header[i].toLower();
        const QRegularExpressionMatch unit = brackets.match(name);
        name.remove(brackets);
        name = name.trimmed();
        const auto take = [i](int& column) {
            if (column < 0)
                column = i;
        };
        if (name.contains(QLatin1String("date")))
            take(columns.date);
        else if (name == QLatin1String("time"))
            take(columns.time);
        else if (name.contains(QLatin1String("weight")) || KgPerUnit(name) > 0) {
            if (columns.weight >= 0)
                continue;
            columns.weight = i;
            // The unit in brackets, else a unit word in the name ("weight_lbs"); kg when none is named.
            QString named = unit.hasMatch() ? unit.captured(1).trimmed() : QString();
            for (const QString& word : name.split(nonLetters, Qt::SkipEmptyParts)) {
                if (named.isEmpty() && KgPerUnit(word) > 0)
                    named = word;
            }
            columns.kgPerUnit = named.isEmpty() ? 1 : KgPerUnit(named);
            if (columns.kgPerUnit == 0)
                columns.unknownUnit = named;
        } else if (name.contains(QLatin1String("bmi")))
            take(columns.bmi);
        else if (name.contains(QLatin1String("memo")) || name.contains(QLatin1String("comment")) ||
                 name.contains(QLatin1String("note")))
            take(columns.memo);
        else if (name == QLatin1String("slot"))
            take(columns.slot);
    }
    return columns;
}

QString FieldAt(const Row& row, int column)
{
    return column >= 0 && column < row.size() ? row[column].trimmed() : QString();
}

// A number with "." or "," as its decimal point.
std::optional<double> ReadDecimal(QString text)
{
    if (!text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return ParseNumber(text, QLatin1Char('.'));
}

// "7:30", "07:30:15" or "7.30"; nothing for anything else.
std::optional<QTime> ReadTime(QStringView text)
{
    const QChar sep = text.contains(QLatin1Char(':')) ? QLatin1Char(':') : QLatin1Char('.');
    const QList<QStringView> parts = text.split(sep);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || parts[i].size() > 2)
            return std::nullopt;
    }
    const QTime time(values[0], values[1], values[2]);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

// A date column's text as its date and time parts ("06.05.2024 07:30", "2024-05-06T07:30").
std::pair<QString, QString> SplitDateTime(const QString& text)
{
    qsizetype at = text.indexOf(QLatin1Char(' '));
    if (at < 0)
        at = text.indexOf(QLatin1Char('T'));
    if (at < 0)
        return {text, QString()};
    return {text.left(at), text.mid(at + 1).trimmed()};
}

struct ImportedWeighing {
    qint64 day;
    std::size_t slot;
    QTime time;
    Weighing w;
};

} // namespace

std::optional<CsvImportCounts> ImportCsv(const QByteArray& bytes, const RecordStore& records,
                                         const QString& heightText, const LocaleFormats& formats,
                                         QString* refusal)
{
    const QString text = DecodeDiaryBytes(bytes);
    const std::vector<Row> rows = SplitRows(text, FindSeparator(text));
    const Columns columns = rows.empty() ? Columns() : FindColumns(rows.front());
    if (columns.date < 0 || columns.weight < 0 || !columns.unknownUnit.isEmpty()) {
        if (refusal)
            *refusal = columns.unknownUnit.isEmpty()
                           ? LoadText(TextId::NoDateWeightColumns)
                           : LoadText(TextId::WeightUnitUnknown).arg(columns.unknownUnit);
        return std::nullopt;
    }

    // The file's date order, from all its dates, as the diary reader finds it.
    DateOrderFinder order;
    for (std::size_t r = 1; r < rows.size(); ++r)
        order.Feed(SplitDateTime(FieldAt(rows[r], columns.date)).first);
    const LocaleFormats dates = order.Formats(formats);
    const std::optional<double> height = formats.ParseNumber(heightText);

    CsvImportCounts counts;
    std::vector<ImportedWeighing> weighings;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const Row& row = rows[r];
        auto [dateText, timeText] = SplitDateTime(FieldAt(row, columns.date));
        if (timeText.isEmpty())
            timeText = FieldAt(row, columns.time);
        const std::optional<QDate> date = dates.ParseDate(dateText);
        const std::optional<QTime> time = timeText.isEmpty() ? QTime(0, 0) : ReadTime(timeText);
        std::optional<double> weight = ReadDecimal(FieldAt(row, columns.weight));
        if (weight) // in kg to the file's 0.01 kg
            weight = std::round(*weight * columns.kgPerUnit * 100) / 100;
        if (!date || !time || !weight || !IsWeighing(*weight)) {
            ++counts.unreadable;
            continue;
        }
        ImportedWeighing w{DayNumber(*date), *time < QTime(12, 0) ? 0u : 1u, *time, {}};
        const QString slot = FieldAt(row, columns.slot);
        if (slot == QLatin1String("1") || slot == QLatin1String("2"))
            w.slot = slot == QLatin1String("1") ? 0 : 1;
        std::optional<double> bmi = ReadDecimal(FieldAt(row, columns.bmi));
        if (!bmi)
            bmi = BodyMassIndex(height, weight);
        w.w.time = QTime(time->hour(), time->minute());
        w.w.weight = MassFromKg(*weight);
        w.w.bmiTenths = bmi ? BmiTenthsOf(*bmi) : std::nullopt;
        w.w.memo = MemoWithLineBreaks(FieldAt(row, columns.memo));
        weighings.push_back(std::move(w));
    }

    // The earliest weighing of a half-day is kept; a day of the diary takes none.
    std::stable_sort(weighings.begin(), weighings.end(),
                     [](const ImportedWeighing& a, const ImportedWeighing& b) { return a.time < b.time; });
    std::map<qint64, DayRecord> added;
    for (ImportedWeighing& w : weighings) {
        DayRecord& day = added[w.day];
        if (records.FindItem(w.day) != 0 || !day.slot[w.slot].isEmpty()) {
            ++counts.skipped;
            continue;
        }
        day.slot[w.slot] = std::move(w.w);
        ++counts.imported;
    }
    for (auto& [number, day] : added) {
        if (day.slot[0].isEmpty() && day.slot[1].isEmpty())
            continue;
        day.date = DateFromDayNumber(number);
        counts.days.push_back(std::move(day));
    }
    return counts;
}

} // namespace tarvel
