#include "shell/CsvCommands.h"

#include "entry/DiaryPage.h"
#include "platform/Folders.h"
#include "shell/ImportPreviewDlg.h"
#include "store/DiaryFixture.h"
#include "support/ScriptedFileDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace Qt::StringLiterals;
using tarvel::testing::DiaryFixture;

namespace {

// The import questions answered from its fields; what they were shown is kept, one line each.
struct ScriptedQuestions : ImportQuestions {
    std::optional<WeightUnit> unit;
    bool import = true;
    QStringList shown;

    std::optional<WeightUnit> AskUnit(const std::vector<double>& values) override
    {
        QStringList texts;
        for (const double v : values)
            texts << QString::number(v);
        shown << u"unit? "_s + texts.join(u' ');
        return unit;
    }
    bool ConfirmImport(const QString& report, const std::vector<DayRecord>& days, bool any) override
    {
        shown << report.section(u"\r\n"_s, 0, 0) + u", days %1"_s.arg(days.size()) +
                     (any ? u""_s : u", no"_s);
        return import;
    }
};

// File > Import over a de_DE diary: a file without a unit asks for it with its first weights; the
// report and preview come before anything is stored, and only Import stores (and writes the backup).
// Exported and imported again, nothing is left to import.
TEST(ImportCommand, AsksTheUnitShowsTheReportAndStoresOnlyOnImport)
{
    DiaryFixture f("de_DE");
    DiaryPage page(f.diary, f.formats, f.clock, f.messages);
    tarvel::testing::ScriptedFileDialogs dialogs;
    const FixedFolders folders(f.folder.Path() + u"/home"_s);
    ScriptedQuestions questions;
    CsvCommands commands({f.diary, f.formats, f.file, dialogs, folders, f.messages, page, &questions});
    const QString csv = f.folder.Write(
        u"in.csv"_s, "Date,Weight\n2024-05-07 07:10,160\n2024-05-07 07:40,161\n2024-05-08,150.5\n");
    const struct {
        std::optional<WeightUnit> unit;
        bool import;
        const char* shown;
        int days;
    } steps[] = {
        {std::nullopt, true, "unit? 160 161 150.5", 0},
        {WeightUnit::Pounds, false, "unit? 160 161 150.5|Rows imported: 2, days 2", 0},
        {WeightUnit::Pounds, true, "unit? 160 161 150.5|Rows imported: 2, days 2", 2},
    };
    for (const auto& step : steps) {
        questions.unit = step.unit;
        questions.import = step.import;
        questions.shown.clear();
        dialogs.Script(csv);
        commands.ImportCsv();
        EXPECT_EQ(questions.shown.join(u'|').toStdString(), step.shown);
        EXPECT_EQ(f.diary.records().Count(), step.days);
    }
    const QString out = f.folder.File(u"out.csv"_s);
    dialogs.Script(out);
    commands.ExportCsv();
    questions.shown.clear();
    dialogs.Script(out);
    commands.ImportCsv();
    EXPECT_EQ(questions.shown, QStringList{u"Rows imported: 0, days 0, no"_s});
    EXPECT_EQ(tarvel::testing::StoredColumns(f.diary.records().Item(1), f.formats),
              u"07.05.2024|07:10|72,57||||||"_s);
    EXPECT_TRUE(tarvel::testing::ReadBytes(f.diary.backupPath()).contains(",072.57,"));
}

// The preview dialog lays the weighings out as the user's locale writes them, in the page's unit
// (72.57 kg = 159.99 lb).
TEST(ImportCommand, PreviewShowsTheWeighingsInTheUsersLocale)
{
    DiaryFixture f("de_DE");
    DiaryPage page(f.diary, f.formats, f.clock, f.messages);
    page.SetUnit(WeightUnit::Pounds);
    ImportPreviewDlg preview(f.formats, page);
    QStringList cells;
    QTimer::singleShot(0, [&cells] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto* table = dialog->findChild<QTableWidget*>();
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(0, c)->text();
        dialog->reject();
    });
    EXPECT_FALSE(preview.ConfirmImport(
        u"Rows imported: 1"_s,
        {tarvel::testing::MakeDay(QDate(2024, 5, 7),
                                  tarvel::testing::MakeWeighing("07:10", "72.57", "25.1", "a"))},
        true));
    EXPECT_EQ(cells.join(u'|').toStdString(), "7.5.2024|(1) Morning|07:10|160,0|25,1|a");
}

} // namespace
