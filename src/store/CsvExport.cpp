#include "store/CsvExport.h"

#include "store/RecordStore.h"

#include <QDateTime>

#include <cmath>
#include <cstdlib>

namespace tarvel {

namespace {

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A value in fixed steps as plain text with "." and no trailing zeros ("65.4"); a kept text as
// written.
QString PlainNumber(std::optional<qint64> value, int decimals, const QString& kept)
{
    if (!value)
        return kept;
    return QString::number(static_cast<double>(*value) / (decimals == 1 ? 10 : 100), 'g', 15);
}

// "+01:00", "-05:00", "+05:45".
QString OffsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString MemoText(const Weighing& w)
{
    return CsvField(QString(w.memo).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

// The weight in the unit with "." and two decimals; a kept text as written.
QString WeightInUnit(const Weighing& w, WeightUnit unit)
{
    if (!w.weight)
        return CsvField(w.keptWeight);
    if (unit == WeightUnit::Kilograms)
        return QString::number(static_cast<double>((w.weight->grams + 5) / 10) / 100, 'f', 2);
    return QString::number(w.weight->kg() / kKgPerPound, 'f', 2);
}

} // namespace

QString ExportCsv(const RecordStore& records, WeightUnit unit, const QTimeZone& local)
{
    const QString symbol = unit == WeightUnit::Kilograms ? QStringLiteral("kg") : QStringLiteral("lb");
    QString out = QStringLiteral("Date,Weight (%1),BMI,Memo,Slot\r\n").arg(symbol);
    for (const DayRecord& record : records.Records()) {
        for (int slot = 0; slot < 2; ++slot) {
            const Weighing& w = record.slot[static_cast<std::size_t>(slot)];
            if (w.isEmpty())
                continue;
            QString when = record.date.toString(Qt::ISODate);
            if (w.time) {
                const QDateTime there(record.date, *w.time, local);
                when += QLatin1Char('T') + w.time->toString(QStringLiteral("HH:mm:ss")) +
                        OffsetText(local.offsetFromUtc(there));
            }
            out += when + QLatin1Char(',') + WeightInUnit(w, unit) + QLatin1Char(',') +
                   CsvField(PlainNumber(w.bmiTenths, 1, w.keptBmi)) + QLatin1Char(',') + MemoText(w) +
                   QLatin1Char(',') + QString::number(slot + 1) + QStringLiteral("\r\n");
        }
    }
    return out;
}

QString ExportCsvTarvel1(const RecordStore& records)
{
    QString out = QStringLiteral("date,slot,time,weight_kg,bmi,memo\r\n");
    for (const DayRecord& record : records.Records()) {
        const QString date = record.date.toString(Qt::ISODate);
        for (int slot = 0; slot < 2; ++slot) {
            const Weighing& w = record.slot[static_cast<std::size_t>(slot)];
            if (w.isEmpty())
                continue;
            const std::optional<qint64> hundredths =
                w.weight ? std::optional<qint64>(w.weight->grams / 10) : std::nullopt;
            out += date + QLatin1Char(',') + QString::number(slot + 1) + QLatin1Char(',') +
                   (w.time ? w.time->toString(QStringLiteral("HH:mm")) : QString()) + QLatin1Char(',') +
                   CsvField(PlainNumber(hundredths, 2, w.keptWeight)) + QLatin1Char(',') +
                   CsvField(PlainNumber(w.bmiTenths, 1, w.keptBmi)) + QLatin1Char(',') + MemoText(w) +
                   QStringLiteral("\r\n");
        }
    }
    return out;
}

} // namespace tarvel
