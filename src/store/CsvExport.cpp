#include "store/CsvExport.h"

#include "platform/LocaleFormats.h"
#include "store/DiaryText.h"
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

// A number of the diary as plain text with "."; a text that is no number is passed on as it is.
QString PlainNumber(const QString& text, const LocaleFormats& formats)
{
    const auto value = formats.ParseNumber(text);
    return value ? QString::number(*value, 'g', 15) : text;
}

QString IsoTime(const QString& text, const LocaleFormats& formats)
{
    const auto value = formats.ParseDateTimeText(text);
    return value ? value->time.toString(QStringLiteral("HH:mm")) : text;
}

} // namespace

QString ExportCsv(const RecordStore& records, const LocaleFormats& formats)
{
    QString out = QStringLiteral("date,slot,time,weight_kg,bmi,memo\r\n");
    for (const DayRecord& record : records.Records()) {
        const QString date = DateFromDayNumber(record.DayNumber).toString(Qt::ISODate);
        for (int slot = 0; slot < 2; ++slot) {
            const Measurement& m = record.Slot[static_cast<std::size_t>(slot)];
            if (m.IsEmpty())
                continue;
            const QString memo = UnmarkLineBreaks(m.Memo, QStringLiteral("\r\n"));
            out += date + QLatin1Char(',') + QString::number(slot + 1) + QLatin1Char(',') +
                   CsvField(IsoTime(m.Time, formats)) + QLatin1Char(',') +
                   CsvField(PlainNumber(m.Weight, formats)) + QLatin1Char(',') +
                   CsvField(PlainNumber(m.Bmi, formats)) + QLatin1Char(',') + CsvField(memo) +
                   QStringLiteral("\r\n");
        }
    }
    return out;
}

} // namespace tarvel
