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

TEST(AboutDlg, ShowsTheProgramsTextsAndVersion)
{
    const struct {
        int major, minor;
        const char* text;
    } versions[] = {{1, 0, "1.00"}, {1, 5, "1.05"}, {2, 12, "2.12"}};
    for (const auto& v : versions)
        EXPECT_EQ(VersionText(v.major, v.minor), QString::fromLatin1(v.text));

    RecordingTools tools;
    ScriptedMessages messages;
    AboutDlg dialog(QPixmap(), tools, messages);
    EXPECT_EQ(dialog.windowTitle(), LoadText(600));
    EXPECT_EQ(dialog.TitleLabel()->text(), LoadText(101));
    EXPECT_EQ(dialog.VersionLabel()->text(),
              LoadText(602) + QString::asprintf(" %d.%02d", TARVEL_VERSION_MAJOR, TARVEL_VERSION_MINOR));
    EXPECT_TRUE(dialog.DescriptionLabel()->text().endsWith(LoadText(603)));
    EXPECT_EQ(dialog.DisclaimerLabel()->text(), LoadText(604));
    EXPECT_EQ(dialog.SysInfoButton()->text(), LoadText(601) + QStringLiteral("(&S)..."));
    EXPECT_EQ(dialog.Logo()->size(), QSize(93, 44));
    dialog.show();
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutDlg, SystemInfoStartsTheFirstToolFoundOrSays802)
{
    const struct {
        QStringList installed;
        QStringList started;
        bool message;
    } cases[] = {
        {{QStringLiteral("xfce4-taskmanager"), QStringLiteral("gnome-system-monitor")},
         {QStringLiteral("start /usr/bin/gnome-system-monitor")},
         false},
        {{}, {}, true},
    };
    for (const auto& c : cases) {
        RecordingTools tools(c.installed);
        ScriptedMessages messages;
        AboutDlg dialog(QPixmap(), tools, messages);
        dialog.SysInfoButton()->click();
        EXPECT_EQ(tools.calls, c.started);
        ASSERT_EQ(messages.Messages().size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages.Messages()[0].text, LoadText(802));
            EXPECT_EQ(messages.Messages()[0].buttonKind, ButtonsOk);
            EXPECT_EQ(messages.Messages()[0].iconKind, IconInformation);
        }
    }
}

} // namespace
