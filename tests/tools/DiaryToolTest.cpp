#include "tarvel-diary/DiaryTool.h"

#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

using namespace tarvel;
using namespace Qt::StringLiterals;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;
using tarvel::testing::TestDataPath;

namespace {

struct ToolResult {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray Drain(FILE* stream)
{
    QByteArray bytes;
    std::rewind(stream);
    for (int c = 0; (c = std::fgetc(stream)) != EOF;)
        bytes.append(static_cast<char>(c));
    std::fclose(stream);
    return bytes;
}

// Runs the tool as its main() would, with standard output and error caught in temporary files.
ToolResult RunTool(QStringList arguments, const char* locale = "ja_JP")
{
    if (locale)
        arguments << u"--locale"_s << QString::fromLatin1(locale);
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    if (out == nullptr || err == nullptr)
        throw std::runtime_error("cannot create a temporary file");
    ToolResult result;
    result.status = RunDiaryTool(arguments, out, err, QTimeZone(3600));
    result.out = Drain(out);
    result.err = Drain(err);
    return result;
}

// Show prints the profile and every record as the window shows it (2004-05-06 is day 38113 counted
// from 1899-12-30; the sample diary holds 6, 7, 8 and 9 May). Export writes one row per weighing, ISO
// date-times with the offset (the tool runs at UTC+01:00), the unit in the header; its first layout ISO
// dates, plain numbers; fields with commas, quotes or line breaks quoted (a memo's line break a real
// CR LF); the empty day 2004-05-07 has no row. Trend gives the weighed days and their trend with
// decimal points whatever the locale. By hand: 6 May 65.40 (morning); 7 May filled with 65.175:
// 65.3775; 8 May 64.95: 65.3775 + 0.1 x (64.95 - 65.3775) = 65.33475; 9 May's "0" is no weighing.
TEST(DiaryTool, ShowExportAndTrendPrintTheDiary)
{
    TempFolder folder;
    const QString dmy = TestDataPath(u"sample-dmy.ov1"_s);
    const QString memos =
        folder.Write(u"memo.ov1"_s, "Anna,165.5,2,,,,,,,,,,,\r\n"
                                    "2024/03/01,07:00,060.50,22.3,say \"hi\"[COMMA] then[CRLF]go,"
                                    "21:15,061.25,22.5,plain\r\n2024/03/02,,,,\"quoted\",,,,a[COMMA]b\r\n");
    const struct {
        QString command, file;
        const char* locale;
        QByteArray out;
    } cases[] = {
        {u"show"_s, dmy, "de_DE",
         "Sample\t170\t1\n1\t6.5.2004\t7:30\t65,40\t22,6\tafter the run\t21:10\t66,10\t22,9\t\t38113\n"
         "2\t7.5.2004\t\t\t\t\t\t\t\t\t38114\n"
         "3\t8.5.2004\t6:05\t64,95\t22,5\ttwo[CRLF]lines\t\t\t\t\t38115\n"
         "4\t9.5.2004\t7:00\t0\t\t\t\t\t\t\t38116\n"},
        {u"export"_s, dmy, "de_DE",
         "Date,Weight (kg),BMI,Memo,Slot\r\n2004-05-06T07:30:00+01:00,65.40,22.6,after the run,1\r\n"
         "2004-05-06T21:10:00+01:00,66.10,22.9,,2\r\n2004-05-08T06:05:00+01:00,64.95,22.5,\"two\r\nlines\","
         "1\r\n"
         "2004-05-09T07:00:00+01:00,0.00,,,1\r\n"},
        {u"tarvel-1"_s, memos, "ja_JP",
         "date,slot,time,weight_kg,bmi,memo\r\n2024-03-01,1,07:00,60.5,22.3,\"say \"\"hi\"\", then\r\n"
         "go\"\r\n2024-03-01,2,21:15,61.25,22.5,plain\r\n2024-03-02,1,,,,\"\"\"quoted\"\"\"\r\n"
         "2024-03-02,2,,,,\"a,b\"\r\n"},
        {u"trend"_s, dmy, "de_DE", "2004-05-06\t65.40\t65.40\n2004-05-08\t64.95\t65.33\n"},
    };
    for (const auto& c : cases) {
        const bool first = c.command == u"tarvel-1"_s; // the first export layout
        const ToolResult r = RunTool(first ? QStringList{u"export"_s, c.file, u"--format"_s, c.command}
                                           : QStringList{c.command, c.file},
                                     c.locale);
        EXPECT_EQ(r.status, 0) << c.command.toStdString();
        EXPECT_EQ(r.out, c.out) << c.command.toStdString();
        EXPECT_EQ(r.err, QByteArray()) << c.command.toStdString();
    }
}

// A file that cannot be opened or written gives status 2, a usage error 1 and the usage on standard
// error; --help gives the usage on standard output.
TEST(DiaryTool, FileAndUsageErrors)
{
    TempFolder folder;
    const QString missing = folder.File(u"missing.ov1"_s), file = TestDataPath(u"sample-ymd.ov1"_s);
    const struct {
        QStringList arguments;
        int status;
        const char* said; // in standard error, or in standard output with status 0
    } cases[] = {
        {{u"show"_s, missing}, 2, "Data file cannot be opened.\n"},
        {{u"export"_s, folder.Path()}, 2, "Data file cannot be opened.\n"},
        {{u"rewrite"_s, missing, folder.File(u"out.ov1"_s)}, 2, "Data file cannot be opened.\n"},
        {{u"rewrite"_s, file, folder.File(u"no/out.ov1"_s)}, 2, "Data file cannot be saved."},
        {{u"frobnicate"_s, file}, 1, "Usage: tarvel-diary"},
        {{u"rewrite"_s, file}, 1, "Usage: tarvel-diary"},
        {{u"show"_s, file, file}, 1, "Usage: tarvel-diary"},
        {{u"show"_s, file, u"--merge"_s}, 1, "Usage: tarvel-diary"},
        {{u"show"_s, u"--help"_s}, 0, "Usage: tarvel-diary"},
    };
    for (const auto& c : cases) {
        const ToolResult r = RunTool(c.arguments);
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE((c.status ? r.err : r.out).contains(c.said)) << r.err.toStdString();
        EXPECT_EQ(c.status ? r.out : r.err, QByteArray());
    }
    EXPECT_TRUE(QDir(folder.Path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// import never replaces a diary: without --merge it refuses, with it the rows go into the days the
// diary lacks as File > Import puts them (pounds in kg, the BMI from the diary's height).
TEST(DiaryTool, ImportIntoAnExistingDiaryOnlyWithMerge)
{
    TempFolder folder;
    const QString csv = folder.Write(u"in.csv"_s, "Date,Weight (lb)\n2004-05-06,150\n2004-05-10,150\n");
    const QByteArray diary = "Sample,170.0,1,,,,,,,,,,,\r\n2004/05/06,07:30,065.40,22.6,kept,,,,\r\n";
    const QString out = folder.Write(u"out.ov1"_s, diary);
    const ToolResult refused = RunTool({u"import"_s, csv, out});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out + refused.err,
              "tarvel-diary: " + out.toUtf8() + " exists; add --merge to import into it\n");
    EXPECT_EQ(ReadBytes(out), diary);
    const ToolResult merged = RunTool({u"import"_s, csv, out, u"--merge"_s});
    EXPECT_EQ(merged.status, 0);
    EXPECT_EQ(merged.out + merged.err, "Rows imported: 1\nRows of days already in the diary: 1\n"
                                       "Extra weighings of a half-day (its first is kept): 0\n"
                                       "Rows without a weight: 0\nRows skipped as computed (interpolated or "
                                       "trend): 0\nRows that could not be read: 0\n");
    EXPECT_EQ(ReadBytes(out), diary + "2004/05/10,00:00,068.04,23.5,,,,,\r\n");
    // A file that names no unit is in kg, said on standard error, unless --unit names it.
    const QString bare = folder.Write(u"bare.csv"_s, "date,weight\n2004-05-11,150\n");
    EXPECT_TRUE(RunTool({u"import"_s, bare, folder.File(u"kg.ov1"_s)})
                    .err.startsWith("The file names no weight unit"));
    EXPECT_EQ(RunTool({u"import"_s, bare, folder.File(u"lb.ov1"_s), u"--unit"_s, u"lb"_s}).err, "");
    EXPECT_TRUE(ReadBytes(folder.File(u"lb.ov1"_s)).contains("2004/05/11,00:00,068.04,"));
}

// Lines that cannot be read are counted on standard error and give status 3; rewrite leaves them out,
// replaces a stale output, and leaves the source and a backup beside them alone.
TEST(DiaryTool, DroppedLinesGiveStatusThreeAndRewriteWritesOnlyItsOutput)
{
    TempFolder folder;
    const QByteArray bytes = "A,,0,,,,,,,,,,,\r\n30.11.2026,,,,kept,,,,\r\n"
                             "2026/02/30,,,,bad,,,,\r\n30.11.2026,,065.40,,,,,,\r\n";
    const QString source = folder.Write(u"in.ov1"_s, bytes);
    const QString out = folder.Write(u"out.ov1"_s, "stale\r\n");
    folder.Write(u"TV_Backup"_s, "backup\r\n");
    for (const QStringList& arguments : {QStringList{u"show"_s, source}, {u"rewrite"_s, source, out}}) {
        const ToolResult r = RunTool(arguments, "en_US");
        EXPECT_EQ(r.status, 3) << arguments[0].toStdString();
        EXPECT_EQ(r.out.isEmpty(), arguments[0] == u"rewrite"_s);
        EXPECT_EQ(r.err, "Lines that cannot be read: 2\r\nThey will be left out when the file is saved.\n");
    }
    EXPECT_EQ(ReadBytes(out), QByteArray("A,,0,,,,,,,,,,,\r\n11/30/2026,,,,kept,,,,\r\n"));
    EXPECT_EQ(ReadBytes(source), bytes);
    EXPECT_EQ(ReadBytes(folder.File(u"TV_Backup"_s)), QByteArray("backup\r\n"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{u"TV_Backup"_s, u"in.ov1"_s, u"out.ov1"_s}));
}

} // namespace
