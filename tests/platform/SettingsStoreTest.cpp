#include "platform/SettingsStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using tarvel::IniSettingsStore;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;

namespace {

TEST(IniSettingsStore, EachSaveReachesTheFileAndHandEditedValuesReadAsText)
{
    TempFolder folder;
    const QString ini = folder.Write(QStringLiteral("Tarvel.ini"), "[ColorFlg]\nFlg=3, 4\n");
    IniSettingsStore store(ini);
    // A list-like value comes back as written, not as QSettings' list.
    EXPECT_EQ(store.Get(QStringLiteral("ColorFlg"), QStringLiteral("Flg"), QStringLiteral("1")),
              QStringLiteral("3, 4"));
    store.Save(QStringLiteral("CommSet"), QStringLiteral("Port"), QStringLiteral("3"));
    store.Save(QStringLiteral("History"), QStringLiteral("Path2"), QString());
    // On disk at once, while the store still lives: a crash after a Save loses nothing.
    EXPECT_TRUE(ReadBytes(ini).contains("[CommSet]\nPort=3\n")) << ReadBytes(ini).toStdString();
    // An empty value is stored, not the default.
    EXPECT_EQ(
        IniSettingsStore(ini).Get(QStringLiteral("History"), QStringLiteral("Path2"), QStringLiteral("x")),
        QString());
}

} // namespace
