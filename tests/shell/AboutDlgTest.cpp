#include "shell/AboutDlg.h"

#include "platform/TextTable.h"
#include "support/RecordingTools.h"
#include "support/ScriptedMessages.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::RecordingTools;
using tarvel::testing::ScriptedMessages;
using namespace Qt::StringLiterals;

namespace {

// The version shows a two-digit minor; System info starts the first system monitor found, or tells
// the user there is none.
TEST(AboutDlg, VersionAndSystemInfo)
{
    EXPECT_EQ(VersionText(1, 5), u"1.05"_s);
    EXPECT_EQ(VersionText(2, 12), u"2.12"_s);
    for (const bool installed : {true, false}) {
        RecordingTools tools(installed ? QStringList{u"xfce4-taskmanager"_s, u"gnome-system-monitor"_s}
                                       : QStringList());
        ScriptedMessages messages;
        AboutDlg dialog(QPixmap(), tools, messages);
        dialog.findChild<QPushButton*>(u"systemInfo"_s)->click();
        EXPECT_EQ(tools.calls,
                  installed ? QStringList{u"start /usr/bin/gnome-system-monitor"_s} : QStringList());
        EXPECT_EQ(messages.Texts(),
                  installed ? QStringList() : QStringList{LoadText(TextId::CannotShowSystemInfo)});
    }
}

} // namespace
