#include "shell/AboutDlg.h"

#include "platform/TextTable.h"
#include "support/RecordingTools.h"
#include "support/ScriptedMessages.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::RecordingTools;
using tarvel::testing::ScriptedMessages;

namespace {

TEST(AboutDlg, ShowsTheVersionWithTwoDigitMinorAndCloses)
{
    EXPECT_EQ(VersionText(1, 0), QStringLiteral("1.00"));
    EXPECT_EQ(VersionText(1, 5), QStringLiteral("1.05"));
    EXPECT_EQ(VersionText(2, 12), QStringLiteral("2.12"));
    RecordingTools tools;
    ScriptedMessages messages;
    AboutDlg dialog(QPixmap(), tools, messages);
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("version"))
                    ->text()
                    .endsWith(VersionText(TARVEL_VERSION_MAJOR, TARVEL_VERSION_MINOR)));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutDlg, SystemInfoStartsTheFirstToolFoundOrSays802)
{
    for (const bool installed : {true, false}) {
        RecordingTools tools(installed ? QStringList{QStringLiteral("xfce4-taskmanager"),
                                                     QStringLiteral("gnome-system-monitor")}
                                       : QStringList{});
        ScriptedMessages messages;
        AboutDlg dialog(QPixmap(), tools, messages);
        dialog.findChild<QPushButton*>(QStringLiteral("systemInfo"))->click();
        EXPECT_EQ(tools.calls, installed ? QStringList{QStringLiteral("start /usr/bin/gnome-system-monitor")}
                                         : QStringList{});
        ASSERT_EQ(messages.Messages().size(), installed ? 0u : 1u);
        EXPECT_TRUE(installed || messages.Messages()[0].text == LoadText(802));
    }
}

} // namespace
