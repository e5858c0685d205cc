#include "store/CsvExport.h"

#include "store/RecordStore.h"

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

} // namespace

QString ExportCsv(const RecordStore& records)
{
    QString out = QStringLiteral("date,slot,time,weight_kg,bmi,memo\r\n");
    for (const DayRecord& record : records.Records()) {
        const QString date = record.date.toString(Qt::ISODate);
        for (int slot = 0; slot < 2; ++slot) {
            const Weighing& w = record.slot[static_cast<std::size_t>(slot)];
            if (w.isEmpty())
                continue;
            const QString memo = QString(w.memo).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
            const std::optional<qint64> hundredths =
                w.weight ? std::optional<qint64>(w.weight->grams / 10) : std::nullopt;
            out += date + QLatin1Char(',') + QString::number(slot + 1) + QLatin1Char(',') +
                   (w.time ? w.time->toString(QStringLiteral("HH:mm")) : QString()) + QLatin1Char(',') +
                   CsvField(PlainNumber(hundredths, 2, w.keptWeight)) + QLatin1Char(',') +
                   CsvField(PlainNumber(w.bmiTenths, 1, w.keptBmi)) + QLatin1Char(',') + CsvField(memo) +
                   QStringLiteral("\r\n");
        }
    }
    return out;
}

} // namespace tarvel
