#include "platform/FileTypeRegistry.h"

#include "support/RecordingTools.h"
#include "support/TempFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using tarvel::FileTypeRegistry;
using tarvel::ProcessToolRunner;
using tarvel::testing::ReadBytes;
using tarvel::testing::RecordingTools;
using tarvel::testing::TempFolder;

namespace {

const QString kMimeTool = u"update-mime-database"_s;
const QString kDesktopTool = u"update-desktop-database"_s;

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
        TempFolder folder;
        RecordingTools tools;
        FileTypeRegistry registry(folder.Path(), c.executable, u"Tarvel <Data> & co"_s);
        ASSERT_TRUE(registry.Install(tools));
        const QString desktop = QString::fromUtf8(ReadBytes(registry.DesktopFilePath()));
        EXPECT_TRUE(desktop.contains(u"\nExec="_s + c.exec + u" %f\n"_s)) << desktop.toStdString();
        EXPECT_TRUE(
            ReadBytes(registry.MimeFilePath()).contains("<comment>Tarvel &lt;Data&gt; &amp; co</comment>"));
    }
}

TEST(FileTypeRegistry, RefreshesADatabaseOnlyWithItsToolInstalledAndAfterItsFileChanged)
{
    TempFolder folder;
    const QString data = folder.Path();
    const QString mimeCall = u"/usr/bin/"_s + kMimeTool + u' ' + data + u"/mime"_s;
    const QString desktopCall = u"/usr/bin/"_s + kDesktopTool + u' ' + data + u"/applications"_s;
    RecordingTools none;
    EXPECT_TRUE(FileTypeRegistry(data, u"/usr/bin/tarvel"_s, u"Tarvel Data"_s).Install(none));
    EXPECT_EQ(none.calls, QStringList());

    RecordingTools tools({kMimeTool, kDesktopTool});
    EXPECT_TRUE(FileTypeRegistry(data, u"/usr/bin/tarvel"_s, u"Tarvel Data"_s).Install(tools));
    EXPECT_EQ(tools.calls, QStringList());
    // The program moved: only the desktop entry changes. Then a new type description.
    EXPECT_TRUE(FileTypeRegistry(data, u"/opt/tarvel"_s, u"Tarvel Data"_s).Install(tools));
    EXPECT_TRUE(FileTypeRegistry(data, u"/opt/tarvel"_s, u"Diary"_s).Install(tools));
    EXPECT_EQ(tools.calls, QStringList({desktopCall, mimeCall}));

    // A file where the data folder should be: failure, and no tool runs.
    RecordingTools blocked({kMimeTool, kDesktopTool});
    const QString file = folder.Write(u"share"_s, "not a folder");
    EXPECT_FALSE(FileTypeRegistry(file, u"/usr/bin/tarvel"_s, u"Tarvel Data"_s).Install(blocked));
    EXPECT_EQ(blocked.calls, QStringList());
}

// The real desktop-file-utils and shared-mime-info read what was written; skipped without them.
TEST(FileTypeRegistry, TheDesktopToolsAcceptTheFiles)
{
    ProcessToolRunner tools;
    const QString validate = tools.FindTool(u"desktop-file-validate"_s);
    if (validate.isEmpty() || tools.FindTool(kMimeTool).isEmpty() || tools.FindTool(kDesktopTool).isEmpty())
        GTEST_SKIP() << "desktop-file-utils or shared-mime-info is not installed";

    TempFolder folder;
    FileTypeRegistry registry(folder.Path(), uR"(/opt/My "Apps"/tarvel)"_s, u"Tarvel Data"_s);
    ASSERT_TRUE(registry.Install(tools));
    EXPECT_TRUE(ReadBytes(folder.File(u"mime/globs2"_s)).contains(":application/x-tarvel-diary:*.ov1\n"));
    EXPECT_TRUE(ReadBytes(folder.File(u"applications/mimeinfo.cache"_s))
                    .contains("\napplication/x-tarvel-diary=tarvel.desktop;\n"));

    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validate, {registry.DesktopFilePath()});
    ASSERT_TRUE(check.waitForFinished(10000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

} // namespace
