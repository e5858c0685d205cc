#include "platform/FileTypeRegistry.h"

#include "support/RecordingTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The desktop's own tools read these files in tests/install (the installed program's first start).
TEST(FileTypeRegistry, TheDesktopEntryQuotesTheExecutableAndTheTypeEscapesItsDescription)
{
    const struct {
        QString executable;
        QString exec; // as written in the file: quoting first, then the string value escapes
    } cases[] = {
        {u"/usr/bin/tarvel"_s, u"/usr/bin/tarvel"_s},
        {u"/opt/My Apps/tarvel"_s, uR"("/opt/My Apps/tarvel")"_s},
        {uR"(/opt/say "hi"/tarvel)"_s, uR"("/opt/say \\"hi\\"/tarvel")"_s},
        {uR"(/opt/back\slash/tarvel)"_s, uR"("/opt/back\\\\slash/tarvel")"_s},
        {u"/opt/$HOME`id`/tarvel"_s, uR"("/opt/\\$HOME\\`id\\`/tarvel")"_s},
        {u"/opt/100%/tarvel"_s, u"/opt/100%%/tarvel"_s},
    };
    for (const auto& c : cases) {
        const QString entry = QString::fromUtf8(tarvel::DesktopEntry(c.executable));
        EXPECT_TRUE(entry.contains(u"\nExec="_s + c.exec + u" %f\n"_s)) << entry.toStdString();
    }
    EXPECT_TRUE(tarvel::MimeDefinition(u"Tarvel <Data> & co"_s)
                    .contains("<comment>Tarvel &lt;Data&gt; &amp; co</comment>"));
}

// The first start puts the icon into the user's hicolor theme (a fresh home here); a second start finds
// every file in place and runs no tool.
TEST(FileTypeRegistry, InstallPutsTheIconIntoTheUsersThemeOnce)
{
    const tarvel::testing::TempFolder home;
    tarvel::testing::RecordingTools tools({u"update-mime-database"_s});
    const tarvel::FileTypeRegistry registry(home.Path(), u"/opt/tarvel"_s, u"Tarvel Data"_s);
    ASSERT_TRUE(registry.Install(tools));
    EXPECT_TRUE(tarvel::testing::ReadBytes(home.Path() + u"/icons/hicolor/scalable/apps/tarvel.svg"_s)
                    .contains("<svg"));
    tools.calls.clear();
    ASSERT_TRUE(registry.Install(tools));
    EXPECT_TRUE(tools.calls.isEmpty()) << tools.calls.join(u' ').toStdString();
}

} // namespace
