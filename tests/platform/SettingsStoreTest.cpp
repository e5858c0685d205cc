#include "platform/SettingsStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using tarvel::IniSettingsStore;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;

namespace {

TEST(IniSettingsStore, KeepsSectionsAndKeysAcrossInstances)
{
    TempFolder folder;
    const QString ini = folder.File(QStringLiteral("Tarvel.ini"));
    {
        IniSettingsStore store(ini);
        EXPECT_EQ(store.Get(QStringLiteral("CommSet"), QStringLiteral("Port"), QStringLiteral("1")),
                  QStringLiteral("1"));
        store.Save(QStringLiteral("CommSet"), QStringLiteral("Port"), QStringLiteral("3"));
        store.Save(QStringLiteral("History"), QStringLiteral("Path1"), QStringLiteral("/home/a b/mine.ov1"));
        store.Save(QStringLiteral("History"), QStringLiteral("Path2"), QString());
    }
    // Each Save reaches the file at once: a crash after it loses nothing.
    const QByteArray bytes = ReadBytes(ini);
    EXPECT_TRUE(bytes.contains("[CommSet]\nPort=3\n")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("[History]\n")) << bytes.toStdString();

    IniSettingsStore again(ini);
    EXPECT_EQ(again.Get(QStringLiteral("CommSet"), QStringLiteral("Port"), QStringLiteral("1")),
              QStringLiteral("3"));
    EXPECT_EQ(again.Get(QStringLiteral("History"), QStringLiteral("Path1"), QString()),
              QStringLiteral("/home/a b/mine.ov1"));
    // An empty value is stored, not the default.
    EXPECT_EQ(again.Get(QStringLiteral("History"), QStringLiteral("Path2"), QStringLiteral("x")), QString());
}

TEST(IniSettingsStore, HandEditedValuesReadAsText)
{
    TempFolder folder;
    const QString ini =
        folder.Write(QStringLiteral("Tarvel.ini"), "[ColorFlg]\nFlg=3, 4\n[CommSet]\nPort=garbage\n");
    IniSettingsStore store(ini);
    EXPECT_EQ(store.Get(QStringLiteral("ColorFlg"), QStringLiteral("Flg"), QStringLiteral("1")),
              QStringLiteral("3, 4"));
    EXPECT_EQ(store.Get(QStringLiteral("CommSet"), QStringLiteral("Port"), QStringLiteral("1")),
              QStringLiteral("garbage"));
}

} // namespace
