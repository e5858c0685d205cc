#include "tarvel-diary/DiaryTool.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

using namespace tarvel;
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
    std::fflush(stream);
    std::rewind(stream);
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        bytes.append(buffer, static_cast<qsizetype>(n));
    std::fclose(stream);
    return bytes;
}

// Runs the tool as its main() would, with standard output and error caught in temporary files.
ToolResult RunTool(const QStringList& arguments)
{
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    if (out == nullptr || err == nullptr)
        throw std::runtime_error("cannot create a temporary file");
    ToolResult result;
    result.status = RunDiaryTool(arguments, out, err);
    result.out = Drain(out);
    result.err = Drain(err);
    return result;
}

QString Data(const char* name)
{
    return TestDataPath(QString::fromLatin1(name));
}

const char kUsageStart[] = "Usage: tarvel-diary";

// 2004-05-06 is day 38113 counted from 1899-12-30; the sample diaries hold 6, 7, 8 and 9 May.
TEST(DiaryToolShow, PrintsTheProfileAndEveryRecordAsTheStoreHoldsIt)
{
    const struct {
        const char* file;
        const char* locale;
        const char* expected;
    } cases[] = {
        {"sample-ymd.ov1", "ja_JP",
         "Sample\t170\t1\n"
         "1\t2004/5/6\t7:30\t65.40\t22.6\tafter the run\t21:10\t66.10\t22.9\t\t38113\n"
         "2\t2004/05/07\t\t\t\t\t\t\t\t\t38114\n"
         "3\t2004/05/08\t06:05\t64.95\t22.5\ttwo[CRLF]lines\t\t\t\t\t38115\n"
         "4\t2004/05/09\t07:00\t0\t\t\t\t\t\t\t38116\n"},
        {"sample-dmy.ov1", "de_DE",
         "Sample\t170\t1\n"
         "1\t6.5.2004\t7:30\t65,40\t22,6\tafter the run\t21:10\t66,10\t22,9\t\t38113\n"
         "2\t07.05.2004\t\t\t\t\t\t\t\t\t38114\n"
         "3\t08.05.2004\t06:05\t64,95\t22,5\ttwo[CRLF]lines\t\t\t\t\t38115\n"
         "4\t09.05.2004\t07:00\t0\t\t\t\t\t\t\t38116\n"},
    };
    for (const auto& c : cases) {
        const ToolResult r = RunTool({QStringLiteral("show"), Data(c.file), QStringLiteral("--locale"),
                                      QString::fromLatin1(c.locale)});
        EXPECT_EQ(r.status, 0) << c.file;
        EXPECT_EQ(r.out, QByteArray(c.expected)) << c.file;
        EXPECT_EQ(r.err, QByteArray()) << c.file;
    }
}

TEST(DiaryToolRewrite, WritesTheGoldenBytesAndNothingElse)
{
    const struct {
        const char* file;
        const char* locale;
        const char* golden;
    } cases[] = {
        {"sample-ymd.ov1", "ja_JP", "sample-ymd.golden.ov1"},
        {"sample-dmy.ov1", "de_DE", "sample-dmy.golden.ov1"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        // A source beside the output, a stale output to replace and a backup that must survive.
        const QString source = folder.Write(QStringLiteral("in.ov1"), ReadBytes(Data(c.file)));
        const QString out = folder.Write(QStringLiteral("out.ov1"), "stale\r\n");
        folder.Write(QStringLiteral("TV_Backup"), "backup\r\n");

        const ToolResult r = RunTool({QStringLiteral("rewrite"), source, out, QStringLiteral("--locale"),
                                      QString::fromLatin1(c.locale)});
        EXPECT_EQ(r.status, 0) << c.file;
        EXPECT_EQ(r.out, QByteArray()) << c.file;
        EXPECT_EQ(r.err, QByteArray()) << c.file;
        EXPECT_EQ(ReadBytes(out), ReadBytes(Data(c.golden))) << c.file;
        EXPECT_EQ(ReadBytes(source), ReadBytes(Data(c.file))) << c.file;
        EXPECT_EQ(ReadBytes(folder.File(QStringLiteral("TV_Backup"))), QByteArray("backup\r\n")) << c.file;
        const QStringList expected = {QStringLiteral("TV_Backup"), QStringLiteral("in.ov1"),
                                      QStringLiteral("out.ov1")};
        EXPECT_EQ(
            QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
            expected)
            << c.file;
    }
}

TEST(DiaryToolRewrite, AnOutputThatCannotBeWrittenFailsWithStatusTwo)
{
    TempFolder folder;
    const QString out = folder.File(QStringLiteral("no-such-folder/out.ov1"));
    const ToolResult r = RunTool({QStringLiteral("rewrite"), Data("sample-ymd.ov1"), out,
                                  QStringLiteral("--locale"), QStringLiteral("ja_JP")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("Data file cannot be saved.")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

// One row per weighing, ISO dates, plain numbers; fields with commas, quotes or line breaks quoted.
TEST(DiaryToolExport, OneRowPerWeighingWithIsoDatesAndPlainNumbers)
{
    // Both samples hold the same diary in different locales, so they export the same CSV. The
    // empty day 2004-05-07 has no row; the memo's line break is a real CR LF inside quotes.
    const QByteArray sample = "date,slot,time,weight_kg,bmi,memo\r\n"
                              "2004-05-06,1,07:30,65.4,22.6,after the run\r\n"
                              "2004-05-06,2,21:10,66.1,22.9,\r\n"
                              "2004-05-08,1,06:05,64.95,22.5,\"two\r\nlines\"\r\n"
                              "2004-05-09,1,07:00,0,,\r\n";
    TempFolder folder;
    const QString memos = folder.Write(QStringLiteral("memo.ov1"),
                                       "Anna,165.5,2,,,,,,,,,,,\r\n"
                                       "2024/03/01,07:00,060.50,22.3,say \"hi\"[COMMA] then[CRLF]go,"
                                       "21:15,061.25,22.5,plain\r\n"
                                       "2024/03/02,,,,\"quoted\",,,,a[COMMA]b\r\n");
    const struct {
        QString file;
        const char* locale;
        QByteArray csv;
    } cases[] = {
        {Data("sample-ymd.ov1"), "ja_JP", sample},
        {Data("sample-dmy.ov1"), "de_DE", sample},
        {memos, "ja_JP",
         "date,slot,time,weight_kg,bmi,memo\r\n"
         "2024-03-01,1,07:00,60.5,22.3,\"say \"\"hi\"\", then\r\ngo\"\r\n"
         "2024-03-01,2,21:15,61.25,22.5,plain\r\n"
         "2024-03-02,1,,,,\"\"\"quoted\"\"\"\r\n"
         "2024-03-02,2,,,,\"a,b\"\r\n"},
    };
    for (const auto& c : cases) {
        const ToolResult r = RunTool({QStringLiteral("export"), c.file, QStringLiteral("--locale"),
                                      QString::fromLatin1(c.locale)});
        EXPECT_EQ(r.status, 0) << c.locale;
        EXPECT_EQ(r.out, c.csv) << c.locale;
        EXPECT_EQ(r.err, QByteArray()) << c.locale;
    }
}

TEST(DiaryTool, AFileThatCannotBeOpenedGivesStatusTwo)
{
    TempFolder folder;
    const QString missing = folder.File(QStringLiteral("missing.ov1"));
    const QString out = folder.File(QStringLiteral("out.ov1"));
    const QList<QStringList> cases = {
        {QStringLiteral("show"), missing},         {QStringLiteral("export"), missing},
        {QStringLiteral("rewrite"), missing, out}, {QStringLiteral("show"), folder.Path()},
        {QStringLiteral("export"), folder.Path()}, {QStringLiteral("rewrite"), folder.Path(), out},
    };
    for (QStringList arguments : cases) {
        arguments << QStringLiteral("--locale") << QStringLiteral("ja_JP");
        const std::string shown = arguments.join(QLatin1Char(' ')).toStdString();
        const ToolResult r = RunTool(arguments);
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.err, QByteArray("Data file cannot be opened.\n")) << shown;
        EXPECT_EQ(r.out, QByteArray()) << shown;
    }
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

// Lines that cannot be read are counted on standard error and give status 3; rewrite leaves them out.
TEST(DiaryTool, DroppedLinesGiveStatusThree)
{
    TempFolder folder;
    const QString source = folder.Write(QStringLiteral("in.ov1"), "A,,0,,,,,,,,,,,\r\n30.11.2026,,,,kept,,,,\r\n"
                                                                  "2026/02/30,,,,bad,,,,\r\n30.11.2026,,065.40,,,,,,\r\n");
    const QString out = folder.File(QStringLiteral("out.ov1"));
    for (const char* command : {"show", "rewrite"}) {
        QStringList arguments = {QString::fromLatin1(command), source, QStringLiteral("--locale"), QStringLiteral("en_US")};
        if (arguments[0] == QLatin1String("rewrite"))
            arguments.insert(2, out);
        const ToolResult r = RunTool(arguments);
        EXPECT_EQ(r.status, 3) << command;
        EXPECT_EQ(r.err, QByteArray("Lines that cannot be read: 2\r\nThey will be left out when the file is saved.\n"))
            << command;
    }
    EXPECT_EQ(ReadBytes(out), QByteArray("A,,0,,,,,,,,,,,\r\n11/30/2026,,,,kept,,,,\r\n"));
}

// Usage errors give status 1 and the usage on standard error; --help gives it on standard output.
TEST(DiaryTool, UsageErrorsAndHelp)
{
    const QString file = Data("sample-ymd.ov1");
    const QList<QStringList> cases = {
        {},
        {QStringLiteral("frobnicate"), file},
        {QStringLiteral("rewrite"), file},
        {QStringLiteral("show"), file, file},
        {QStringLiteral("show"), file, QStringLiteral("--locale")},
        {QStringLiteral("show"), file, QStringLiteral("--verbose")},
        {QStringLiteral("show"), QStringLiteral("--help")},
    };
    for (const QStringList& arguments : cases) {
        const bool help = arguments.contains(QStringLiteral("--help"));
        const std::string shown =
            (QLatin1Char('\'') + arguments.join(QLatin1Char(' ')) + QLatin1Char('\'')).toStdString();
        const ToolResult r = RunTool(arguments);
        EXPECT_EQ(r.status, help ? 0 : 1) << shown;
        EXPECT_TRUE((help ? r.out : r.err).contains(kUsageStart)) << shown << r.err.toStdString();
        EXPECT_EQ(help ? r.err : r.out, QByteArray()) << shown;
    }
}

} // namespace
