#include "store/CsvImport.h"

#include "platform/LocaleFormats.h"
#include "store/CsvExport.h"
#include "store/RecordStore.h"
#include "support/Days.h"
#include "support/TempFolder.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace Qt::StringLiterals;
using tarvel::testing::MakeDay, tarvel::testing::MakeWeighing;

namespace {

const QTimeZone kUtcPlusOne(3600);

// The counts, whether the unit was named and the days added, as tests/store/import/expected.txt
// writes them.
QStringList Outcome(const QByteArray& bytes, WeightUnit fallback, const LocaleFormats& formats)
{
    RecordStore records;
    records.Add(MakeDay(QDate(2024, 5, 6), MakeWeighing("07:00", "70.00", "24.2")));
    QString refusal;
    const auto c = ImportCsv(bytes, records, u"170"_s, formats, kUtcPlusOne, fallback, &refusal);
    if (!c)
        return {refusal};
    QString counts = u"counts %1 %2 %3 %4 %5 %6"_s.arg(c->imported)
                         .arg(c->inDiary)
                         .arg(c->extra)
                         .arg(c->noWeight)
                         .arg(c->computed)
                         .arg(c->unreadable);
    for (const int line : c->unreadableLines)
        counts += u' ' + QString::number(line);
    QStringList outcome{counts, c->unitNamed ? u"unit named"_s : u"unit unnamed"_s};
    for (const DayRecord& day : c->days)
        outcome << tarvel::testing::StoredColumns(day, formats);
    return outcome;
}

// Every layout in tests/store/import gives exactly the days and counts expected.txt lists for it; ja_JP
// writes dates year first with "/" and numbers with ".".
TEST(ImportCsv, EveryLayoutGivesItsDays)
{
    const QString folder = QStringLiteral(TARVEL_IMPORT_FIXTURES);
    const QStringList lines = QString::fromUtf8(tarvel::testing::ReadBytes(folder + u"/expected.txt"_s))
                                  .split(u'\n', Qt::SkipEmptyParts);
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"ja_JP"_s));
    int files = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(u'['))
            continue;
        const QString name = lines[i].mid(1, lines[i].size() - 2);
        const bool pounds = lines[i + 1] == u"fallback lb"_s;
        QStringList expected;
        for (qsizetype j = i + 1 + (pounds ? 1 : 0); j < lines.size() && !lines[j].startsWith(u'['); ++j)
            expected << lines[j];
        const QByteArray bytes = tarvel::testing::ReadBytes(folder + u'/' + name);
        EXPECT_EQ(Outcome(bytes, pounds ? WeightUnit::Pounds : WeightUnit::Kilograms, formats)
                      .join(u'\n')
                      .toStdString(),
                  expected.join(u'\n').toStdString())
            << name.toStdString();
        ++files;
    }
    EXPECT_EQ(files, 18);
}

// Files refused as a whole say why.
TEST(ImportCsv, FilesWithoutDateAndWeightOrWithAnUnknownUnitAreRefused)
{
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"ja_JP"_s));
    EXPECT_EQ(Outcome("when,weight\n2024-05-09,70\n", WeightUnit::Kilograms, formats),
              QStringList{u"The file holds no date and weight columns."_s});
    EXPECT_EQ(Outcome("date,Weight (g)\n2024-05-07,11\n", WeightUnit::Kilograms, formats),
              QStringList{u"Weights in \"g\" cannot be imported: the weight column must be in kg, lb or st."_s});
    // Lines ended by CR alone, as old Mac programs write them, are lines too.
    EXPECT_EQ(Outcome("date,weight\r2024-05-09,70\r2024-05-10,x\r", WeightUnit::Kilograms, formats).first(),
              u"counts 1 0 0 0 0 1 3"_s);
}

// The export, in every unit and in the first layout, comes back as the same days in a day-first
// locale with decimal commas: a night weighing before noon stays at night, memos keep their commas,
// quotes and line breaks, 0.01 kg survive pounds.
TEST(ImportCsv, OwnExportComesBackAsTheSameDays)
{
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"de_DE"_s));
    RecordStore diary;
    diary.Add(MakeDay(QDate(2024, 1, 2), MakeWeighing("06:05", "64.95", "22.5", "two\nlines, \"quoted\"")));
    diary.Add(MakeDay(QDate(2024, 1, 13), {}, MakeWeighing("11:30", "66.11", "22.9")));
    diary.Add(MakeDay(QDate(2024, 7, 14), MakeWeighing("00:10", "65.43", "22.6", "run"),
                      MakeWeighing("23:59", "66.07", "22.8")));
    const QTimeZone zone(-5 * 3600);
    for (const QString& csv :
         {ExportCsv(diary, WeightUnit::Kilograms, zone), ExportCsv(diary, WeightUnit::Pounds, zone),
          ExportCsv(diary, WeightUnit::StonesPounds, zone), ExportCsvTarvel1(diary)}) {
        const auto counts = ImportCsv(csv.toUtf8(), RecordStore(), u"170"_s, formats, zone);
        ASSERT_TRUE(counts);
        EXPECT_EQ(counts->imported, 4);
        EXPECT_EQ(counts->days, diary.Records()) << csv.toStdString();
    }
    EXPECT_TRUE(
        ExportCsv(diary, WeightUnit::Pounds, zone)
            .startsWith(u"Date,Weight (lb),BMI,Memo,Slot\r\n2024-01-02T06:05:00-05:00,143.19,22.5,"_s));
}

} // namespace
