#include "views/GraphSetDlg.h"

#include "platform/TextTable.h"
#include "store/Settings.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

// Runs the Range command with the dialog answered: the entries to pick (-1 leaves one as it is),
// then OK or Cancel.
RangeChange RunRange(Settings& settings, int bmiEntry, int spanEntry, bool ok, QStringList* entries = nullptr)
{
    return SetGraphRange(settings, [&] {
        GraphSetDlg dialog(settings);
        if (entries != nullptr) {
            for (QComboBox* combo : {dialog.BmiScaleCombo(), dialog.TrendCombo()})
                for (int i = 0; i < combo->count(); ++i)
                    *entries << combo->itemText(i);
        }
        if (bmiEntry >= 0)
            dialog.BmiScaleCombo()->setCurrentIndex(bmiEntry);
        if (spanEntry >= 0)
            dialog.TrendCombo()->setCurrentIndex(spanEntry);
        (ok ? dialog.OKBtn() : dialog.CancelBtn())->click();
    });
}

TEST(GraphSetDlgTest, RangeCommandReportsWhatChanged)
{
    Settings settings; // 35 / 15, one month
    QStringList entries;
    RangeChange change = RunRange(settings, -1, -1, true, &entries);
    EXPECT_EQ(entries, (QStringList{QStringLiteral(" 0 - 50"), QStringLiteral("15 - 35"), QStringLiteral("1"),
                                    QStringLiteral("3")}));
    EXPECT_FALSE(change.span || change.bmiScale);

    change = RunRange(settings, 0, -1, true);
    EXPECT_TRUE(change.bmiScale);
    EXPECT_FALSE(change.span);
    EXPECT_EQ(settings.BmiScaleMax, 50);
    EXPECT_EQ(settings.BmiScaleMin, 0);

    change = RunRange(settings, 1, 1, false);
    EXPECT_FALSE(change.span || change.bmiScale);
    EXPECT_EQ(settings.BmiScaleMax, 50);

    change = RunRange(settings, -1, 1, true);
    EXPECT_TRUE(change.span);
    EXPECT_FALSE(change.bmiScale);
    EXPECT_EQ(settings.TrendMonths, 3);
}

TEST(GraphSetDlgTest, UnknownSpanBecomesOneMonthEvenOnCancel)
{
    Settings settings;
    settings.TrendMonths = 6;
    const RangeChange change = RunRange(settings, -1, -1, false);
    EXPECT_EQ(settings.TrendMonths, 1);
    EXPECT_TRUE(change.span);
}

} // namespace
