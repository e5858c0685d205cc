#include "store/CsvImport.h"

#include "platform/LocaleFormats.h"
#include "store/CsvExport.h"
#include "store/RecordStore.h"
#include "support/Days.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace Qt::StringLiterals;

namespace {

// Imported into a diary of a person 170 cm tall holding 2024/05/06 with a morning weighing; ja_JP
// writes dates year first with "/" and numbers with ".".
TEST(ImportCsv, HeadersSeparatorsDatesHalfDaysAndCounts)
{
    const struct {
        const char* csv;
        const char* counts; // imported skipped unreadable; for a file refused, why
        QStringList added;  // the days beside the kept one
    } cases[] = {
        // A spreadsheet: semicolons, decimal commas, day-first dates without times, a unit in the header.
        {"Date;Weight (kg)\r\n07.05.2024;72,4\r\n13.05.2024;72,1\r\n06.05.2024;71\r\n",
         "2 1 0",
         {u"2024/05/07|00:00|72.40|25.1|||||"_s, u"2024/05/13|00:00|72.10|24.9|||||"_s}},
        // openScale: quoted header, date-times, several weighings a day, the earliest of a half-day kept.
        {"\"dateTime\",\"weight\",\"fat\",\"water\",\"comment\"\n\"08.05.2024 "
         "08:30\",\"72.0\",\"20\",\"55\",\"\"\n"
         "\"08.05.2024 07:12\",\"72.4\",\"20.1\",\"55\",\"after run\"\n\"08.05.2024 "
         "21:00\",\"73.1\",\"\",\"\",\"x, \"\"y\"\"\"\n",
         "2 1 0",
         {u"2024/05/08|07:12|72.40|25.1|after run|21:00|73.10|25.3|x, \"y\""_s}},
        // Columns in another order, a time column, a BMI given; unreadable dates, times and weights.
        {"Memo,KG,Time,Date,BMI\nnote,70,12:00,2024-05-09,30.5\n,70,7:00,2024-02-30,\n,70,25:00,2024-05-10,\n"
         ",abc,7:00,2024-05-10,\n,0,7:00,2024-05-10,\n",
         "1 0 4",
         {u"2024/05/09|||||12:00|70.00|30.5|note"_s}},
        {"when,weight\n2024-05-09,70\n", "The file holds no date and weight columns.", {}},
        // Pounds converted to 0.01 kg; 150 kg the most, as the Diary page takes.
        {"Date;Weight [LBS]\n2024-05-07;160\n2024-05-08;331\n",
         "1 0 1",
         {u"2024/05/07|00:00|72.57|25.1|||||"_s}},
        {"date,weight_kg\n2024-05-07,150\n2024-05-08,150.01\n",
         "1 0 1",
         {u"2024/05/07|00:00|150.00|51.9|||||"_s}},
        {"date,Weight (st)\n2024-05-07,11\n",
         "Weights in \"st\" cannot be imported: the weight column must be in kg or lb.",
         {}},
    };
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"ja_JP"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.csv);
        RecordStore records;
        records.Add(tarvel::testing::MakeDay(QDate(2024, 5, 6),
                                             tarvel::testing::MakeWeighing("07:00", "70.00", "24.2")));
        QString refusal;
        const std::optional<CsvImportCounts> counts = ImportCsv(c.csv, records, u"170"_s, formats, &refusal);
        const QString got =
            counts ? u"%1 %2 %3"_s.arg(counts->imported).arg(counts->skipped).arg(counts->unreadable)
                   : refusal;
        EXPECT_EQ(got, QLatin1String(c.counts));
        QStringList added;
        for (const DayRecord& day : counts ? counts->days : std::vector<DayRecord>())
            added << tarvel::testing::StoredColumns(day, formats);
        EXPECT_EQ(added, c.added);
    }
}

// Tarvel's own export, in a day-first locale with decimal commas, comes back as the same days: a
// night weighing before noon stays at night, memos keep their commas, quotes and line breaks.
TEST(ImportCsv, OwnExportComesBackAsTheSameDays)
{
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"de_DE"_s));
    RecordStore diary;
    using tarvel::testing::MakeDay, tarvel::testing::MakeWeighing;
    diary.Add(MakeDay(QDate(2024, 1, 2), MakeWeighing("06:05", "64.95", "22.5", "two\nlines, \"quoted\"")));
    diary.Add(MakeDay(QDate(2024, 1, 13), {}, MakeWeighing("11:30", "66.10", "22.9")));
    diary.Add(MakeDay(QDate(2024, 1, 14), MakeWeighing("07:30", "65.40", "22.6", "run"),
                      MakeWeighing("21:10", "66.00", "22.8")));
    const auto counts = ImportCsv(ExportCsv(diary).toUtf8(), RecordStore(), u"170"_s, formats);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->imported, 4);
    EXPECT_EQ(counts->days, diary.Records());
}

} // namespace
