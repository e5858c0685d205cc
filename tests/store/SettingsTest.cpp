#include "store/Settings.h"

#include "platform/SettingsStore.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace tarvel;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;

namespace {

// A settings store in memory that logs every read ("get Section/Key=default") and write
// ("set Section/Key=value"), so a test can check which keys were touched and in which order.
class RecordingStore : public SettingsStore {
public:
    QString Get(const QString& section, const QString& key, const QString& defaultValue) const override
    {
        const QString k = section + QLatin1Char('/') + key;
        calls << QStringLiteral("get ") + k + QLatin1Char('=') + defaultValue;
        const auto it = values.find(k);
        return it == values.end() ? defaultValue : it->second;
    }
    void Save(const QString& section, const QString& key, const QString& value) override
    {
        const QString k = section + QLatin1Char('/') + key;
        calls << QStringLiteral("set ") + k + QLatin1Char('=') + value;
        values[k] = value;
    }

    std::map<QString, QString> values;
    mutable QStringList calls;
};

// Settings that differ from the defaults in every member, so a load that skips a member shows.
Settings NonDefault()
{
    Settings s;
    s.PortNo = 9;
    s.RecentPath = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    s.ColorScheme = 5;
    s.BmiScaleMax = 50;
    s.BmiScaleMin = 0;
    s.TrendMonths = 3;
    return s;
}

TEST(SettingsLoad, AnEmptyStoreGivesTheDefaultsReadInOrder)
{
    RecordingStore store;
    Settings s = NonDefault();
    s.Load(store);
    EXPECT_EQ(s.PortNo, 1);
    EXPECT_EQ(s.RecentPath, (std::array<QString, 3>{}));
    EXPECT_EQ(s.ColorScheme, 1);
    EXPECT_EQ(s.BmiScaleMax, 35);
    EXPECT_EQ(s.BmiScaleMin, 15);
    EXPECT_EQ(s.TrendMonths, 1);
    EXPECT_EQ(store.calls.join(QLatin1Char(';')),
              QStringLiteral("get CommSet/Port=1;get History/Path1=;get History/Path2=;get History/Path3=;"
                             "get ColorFlg/Flg=1;get BmiScale/Max=35;get TrendScale/Month=1"));
}

// Numbers are the leading number of their text rounded half to even to 16 bits; a value outside
// its range, or beyond 16 bits, takes the default.
TEST(SettingsLoad, NumbersAndTheirRanges)
{
    const struct {
        const char* key;
        const char* stored;
        int port, scheme, bmiMax, bmiMin, months;
    } cases[] = {
        {"CommSet/Port", "16", 16, 5, 50, 0, 3},
        {"CommSet/Port", "0", 1, 5, 50, 0, 3},
        {"CommSet/Port", "17", 1, 5, 50, 0, 3},
        {"CommSet/Port", "-3", 1, 5, 50, 0, 3},
        {"CommSet/Port", "3abc", 3, 5, 50, 0, 3},
        {"CommSet/Port", " 5", 5, 5, 50, 0, 3},
        {"CommSet/Port", "2.5", 2, 5, 50, 0, 3},
        {"CommSet/Port", "3.5", 4, 5, 50, 0, 3},
        {"CommSet/Port", "garbage", 1, 5, 50, 0, 3},
        {"CommSet/Port", "65544", 1, 5, 50, 0, 3}, // 8 if cut to 16 bits instead of refused
        {"ColorFlg/Flg", "7", 9, 7, 50, 0, 3},
        {"ColorFlg/Flg", "8", 9, 1, 50, 0, 3},
        {"ColorFlg/Flg", "7.5", 9, 1, 50, 0, 3}, // rounds to 8
        {"BmiScale/Max", "35", 9, 5, 35, 15, 3},
        {"BmiScale/Max", "40", 9, 5, 35, 15, 3},
        {"BmiScale/Max", "50kg", 9, 5, 50, 0, 3},
        {"BmiScale/Max", "65586", 9, 5, 35, 15, 3},
        {"TrendScale/Month", "1", 9, 5, 50, 0, 1},
        {"TrendScale/Month", "2", 9, 5, 50, 0, 1},
        {"TrendScale/Month", "6", 9, 5, 50, 0, 1},
    };
    for (const auto& c : cases) {
        RecordingStore store;
        // Every other key holds a valid value unlike the defaults, so a key read wrongly shows.
        store.values = {{QStringLiteral("CommSet/Port"), QStringLiteral("9")},
                        {QStringLiteral("ColorFlg/Flg"), QStringLiteral("5")},
                        {QStringLiteral("BmiScale/Max"), QStringLiteral("50")},
                        {QStringLiteral("TrendScale/Month"), QStringLiteral("3")}};
        store.values[QString::fromLatin1(c.key)] = QString::fromLatin1(c.stored);
        Settings s;
        s.Load(store);
        const std::string context = std::string(c.key) + "=" + c.stored;
        EXPECT_EQ(s.PortNo, c.port) << context;
        EXPECT_EQ(s.ColorScheme, c.scheme) << context;
        EXPECT_EQ(s.BmiScaleMax, c.bmiMax) << context;
        EXPECT_EQ(s.BmiScaleMin, c.bmiMin) << context;
        EXPECT_EQ(s.TrendMonths, c.months) << context;
    }
}

TEST(SettingsSave, WritesEveryKeyOnceInOrder)
{
    Settings s = NonDefault();
    s.RecentPath[1].clear();
    RecordingStore store;
    s.SaveSettings(store);
    EXPECT_EQ(
        store.calls.join(QLatin1Char(';')),
        QStringLiteral("set CommSet/Port=9;set ColorFlg/Flg=5;set BmiScale/Max=50;set TrendScale/Month=3;"
                       "set History/Path1=x;set History/Path2=;set History/Path3=z"));
}

TEST(SettingsSave, ReachesTheIniFileAndLoadsBackInTheNextRun)
{
    TempFolder folder;
    const QString ini = folder.File(QStringLiteral("Tarvel.ini"));
    Settings saved = NonDefault();
    saved.PortNo = 3;
    saved.RecentPath = {QStringLiteral("/home/anna/My Diary, 2024.ov1"),
                        QStringLiteral("/tmp/\u00E9t\u00E9.ov1"), QString()};
    {
        IniSettingsStore store(ini);
        saved.SaveSettings(store);
        EXPECT_FALSE(Settings::FileTypeRegistered(store));
        Settings::MarkFileTypeRegistered(store);
        EXPECT_TRUE(Settings::TakeFirstRun(store));
    }
    const QByteArray bytes = ReadBytes(ini);
    for (const char* section :
         {"[CommSet]\nPort=3\n", "[BmiScale]\nMax=50\n", "[RegSet]\nNum=1\n", "[FirstRun]\nValue=0\n"})
        EXPECT_TRUE(bytes.contains(section)) << section << " in\n" << bytes.toStdString();

    IniSettingsStore next(ini);
    Settings loaded;
    loaded.Load(next);
    EXPECT_EQ(loaded.PortNo, 3);
    EXPECT_EQ(loaded.ColorScheme, 5);
    EXPECT_EQ(loaded.TrendMonths, 3);
    EXPECT_EQ(loaded.RecentPath, saved.RecentPath);
    EXPECT_TRUE(Settings::FileTypeRegistered(next));
    EXPECT_FALSE(Settings::TakeFirstRun(next));
}

} // namespace
