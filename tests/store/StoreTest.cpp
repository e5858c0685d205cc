// The record store, the command line, the settings, the graph period, the day's weight and the trend.

#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"
#include "store/CommandLine.h"
#include "store/DayWeight.h"
#include "store/Diary.h"
#include "store/GraphPeriod.h"
#include "store/RecordStore.h"
#include "store/Settings.h"
#include "store/Trend.h"
#include "store/WeighingText.h"
#include "store/WeightUnit.h"
#include "support/Days.h"
#include "support/TempFolder.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace tarvel;
using tarvel::testing::TempFolder;

namespace {

DayRecord Day(qint64 dayNumber, const char* memo = "")
{
    return tarvel::testing::MakeDay(DateFromDayNumber(dayNumber),
                                    tarvel::testing::MakeWeighing("", "", "", memo));
}

QString Days(const RecordStore& store)
{
    QStringList days;
    for (const DayRecord& r : store.Records())
        days << QString::number(r.dayNumber()) + r.slot[0].memo;
    return days.join(QLatin1Char(' '));
}

TEST(RecordStore, KeepsDaysInDateOrderAndEqualDaysInTheOrderAdded)
{
    RecordStore store;
    std::vector<int> positions;
    for (const auto& [day, memo] :
         std::vector<std::pair<qint64, const char*>>{{100, ""}, {300, ""}, {200, "a"}, {200, "b"}, {-5, ""}})
        positions.push_back(store.Add(Day(day, memo)));
    EXPECT_EQ(positions, std::vector<int>({1, 2, 2, 3, 1}));
    EXPECT_EQ(Days(store), QStringLiteral("-5 100 200a 200b 300"));
    EXPECT_EQ(std::vector<int>({store.FindItem(200), store.FindItem(99), store.FindItem(301)}),
              std::vector<int>({3, 0, 0}));
    for (int index : {0, 6, 2})
        store.Remove(index);
    EXPECT_EQ(Days(store), QStringLiteral("-5 200a 200b 300"));

    std::vector<DayRecord> many;
    for (qint64 d = 70000; d-- > 0;)
        many.push_back(Day(d * 2));
    store.Assign(std::move(many));
    EXPECT_EQ(store.FindItem(2 * 65535), 65536);
    EXPECT_EQ(store.Add(Day(2 * 50000 + 1)), 50002);
}

// A quoted or relative diary and no diary at all: MainWindowTest.CommandLineDiary.
TEST(CommandLine, DiaryFromCommandLine)
{
    const struct {
        QStringList arguments;
        const char* path; // folder|title; nullptr: the command line is ignored
    } cases[] = {
        {{"tarvel", "/home/a/mine.ov1"}, "/home/a/|mine.ov1"},
        {{"tarvel", "../x/mine.ov1"}, "/home/x/|mine.ov1"},
        {{"tarvel", "/home/a/my", "diary 2.ov1"}, "/home/a/|my diary 2.ov1"},
        {{"tarvel", "/home/a/"}, nullptr},
    };
    for (const auto& c : cases) {
        const QString text = CommandLineText(c.arguments);
        const auto diary = DiaryFromCommandLine(text, QStringLiteral("/home/a"));
        EXPECT_EQ(diary ? diary->folder + QLatin1Char('|') + diary->title : QStringLiteral("none"),
                  c.path ? QString::fromUtf8(c.path) : QStringLiteral("none"))
            << text.toStdString();
    }
}

// The diary keeps one path; its folder (for the file dialogs) and name (for the caption) follow it,
// and only a real change is announced. A diary in a deeper folder: MainWindowTest's typical day.
TEST(Diary, OnePathGivesFolderAndNameAndSaysWhenItChanges)
{
    Diary diary;
    diary.setAppFolder(QStringLiteral("/app/"));
    QStringList announced;
    QObject::connect(&diary, &Diary::filePathChanged, [&announced](const QString& p) { announced << p; });
    const struct {
        const char* path;
        const char* seen; // folder|name|working path
    } cases[] = {
        {"/mine.ov1", "/|mine.ov1|/mine.ov1"},
        {"/mine.ov1", "/|mine.ov1|/mine.ov1"},
        {"", "||/app/TV_Backup"},
    };
    for (const auto& c : cases) {
        diary.setFilePath(QString::fromUtf8(c.path));
        EXPECT_EQ(QStringList({diary.fileFolder(), diary.fileName(), diary.workingPath()}).join(u'|'),
                  QString::fromUtf8(c.seen));
    }
    EXPECT_EQ(announced, QStringList({"/mine.ov1", ""}));
}

// Each value is read as the leading number of its text rounded half to even; one out of its
// range, beyond 16 bits or no number takes its default. What is loaded is saved and loaded again.
TEST(Settings, NumbersAndTheirRanges)
{
    const struct {
        QByteArray ini;
        std::vector<int>
            values; // port, scheme, BMI top and bottom, months, goal x 100 (-1: none), port stored, unit
    } cases[] = {
        {"[CommSet]\nPort=16\n[ColorFlg]\nFlg=7\n[BmiScale]\nMax=50kg\n[TrendScale]\nMonth=3\n"
         "[Goal]\nWeight=68.25\n[Units]\nWeight=st\n",
         {16, 7, 50, 0, 3, 6825, 1, 2}},
        {"[CommSet]\nPort=3.5\n[ColorFlg]\nFlg=7.5\n[BmiScale]\nMax=40\n[TrendScale]\nMonth=2\n",
         {4, 1, 35, 15, 1, -1, 1, 0}},
        {"[CommSet]\nPort=65544\n[ColorFlg]\nFlg=-1e308\n[BmiScale]\nMax=65586\n[TrendScale]\nMonth=-3\n",
         {1, 1, 35, 15, 1, -1, 1, 0}},
        {"[CommSet]\nPort=17\n[ColorFlg]\nFlg=8\n[BmiScale]\nMax=nan\n[TrendScale]\nMonth=6\n"
         "[Goal]\nWeight=0.5\n[Units]\nWeight= LB \n",
         {1, 1, 35, 15, 6, -1, 1, 1}},
        {"[CommSet]\nPort=0\n[Units]\nWeight=stone\n", {0, 1, 35, 15, 1, -1, 1, 0}},
        {"[CommSet]\nPort=-1\n", {1, 1, 35, 15, 1, -1, 1, 0}},
        {"[TrendScale]\nMonth=0\n", {1, 1, 35, 15, 0, -1, 0, 0}},   // the whole diary
        {"[TrendScale]\nMonth=0.4\n", {1, 1, 35, 15, 1, -1, 0, 0}}, // rounds to 0, but is not "0"
        {QByteArray("\x00\xff\xfe garbage \x01\x02\n[[[\n=\n[CommSet\nPort\n", 35),
         {1, 1, 35, 15, 1, -1, 0, 0}},
    };
    const std::array<QString, 3> paths = {QStringLiteral("/home/anna/My Diary, 2024.ov1"),
                                          QStringLiteral("/tmp/\u00E9t\u00E9.ov1")};
    auto values = [](const Settings& s) {
        const int goal = s.GoalWeight ? static_cast<int>(std::lround(*s.GoalWeight * 100)) : -1;
        return std::vector<int>({s.PortNo, s.ColorScheme, s.BmiScaleMax, s.BmiScaleMin, s.TrendMonths, goal,
                                 s.PortChosen, static_cast<int>(s.Unit)});
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini.left(80).toStdString());
        TempFolder folder;
        IniSettingsStore store(folder.Write(QStringLiteral("Tarvel.ini"), c.ini));
        Settings s;
        s.PortNo = s.ColorScheme = s.BmiScaleMax = s.BmiScaleMin = s.TrendMonths = 9;
        s.GoalWeight = 99;
        s.Unit = WeightUnit::Pounds;
        s.Load(store);
        EXPECT_EQ(values(s), c.values);
        // Saved with recent diaries in one run, loaded in the next.
        s.RecentPath = paths;
        {
            IniSettingsStore out(folder.File(QStringLiteral("next.ini")));
            s.SaveSettings(out);
            EXPECT_TRUE(Settings::TakeFirstRun(out));
        }
        IniSettingsStore next(folder.File(QStringLiteral("next.ini")));
        Settings loaded;
        loaded.Load(next);
        std::vector<int> saved = c.values;
        saved[6] = 1;  // the port is stored from now on
        saved[5] = -1; // the goal is kept with its diary
        EXPECT_EQ(values(loaded), saved);
        EXPECT_EQ(loaded.RecentPath, paths);
        EXPECT_FALSE(Settings::TakeFirstRun(next));
    }
}

// Each diary keeps its own goal; the single goal of earlier versions goes to the first diary opened,
// an unnamed diary's goal waits for its name, and Save as takes the goal along.
TEST(Settings, AGoalPerDiary)
{
    TempFolder folder;
    IniSettingsStore store(folder.Write(QStringLiteral("Tarvel.ini"), "[Goal]\nWeight=70\n"));
    Settings s;
    const auto take = [&](const char* path) {
        s.TakeGoalOf(store, QString::fromUtf8(path));
        return s.GoalWeight.value_or(-1);
    };
    EXPECT_EQ(take("/a/anna.ov1"), 70);
    EXPECT_EQ(take("/a/ben.ov1"), -1);
    s.GoalWeight = 80;
    s.SaveGoalOf(store, QStringLiteral("/a/ben.ov1"));
    EXPECT_EQ(std::vector({take("/a/anna.ov1"), take("/a/ben.ov1"), take("")}),
              std::vector<double>({70, 80, -1}));
    s.GoalWeight = 65;
    s.SaveGoalOf(store, QString());
    s.CarryGoal(store, QString(), QStringLiteral("/b/carla, 2024.ov1"));
    EXPECT_EQ(std::vector({take("/b/carla, 2024.ov1"), take(""), take("/a/anna.ov1")}),
              std::vector<double>({65, -1, 70}));
}

// The period that holds a day, and where a period that starts on that day ends; 3, 6 and 12 are
// months, any other span one month.
TEST(GraphPeriod, StartAndEndForEachSpan)
{
    const struct {
        QDate day;
        int months;
        QDate start, end; // of the period that holds the day, of one that starts on it
    } cases[] = {
        {QDate(2024, 2, 1), 1, QDate(2024, 2, 1), QDate(2024, 2, 29)},
        {QDate(2024, 1, 26), 1, QDate(2024, 1, 1), QDate(2024, 2, 25)},
        {QDate(2024, 12, 26), 1, QDate(2024, 12, 1), QDate(2025, 1, 25)},
        {QDate(2024, 5, 6), 2, QDate(2024, 5, 1), QDate(2024, 6, 5)},
        {QDate(2024, 1, 16), 3, QDate(2023, 11, 1), QDate(2024, 4, 15)},
        {QDate(2023, 12, 1), 3, QDate(2023, 10, 1), QDate(2024, 2, 29)},
        {QDate(2024, 3, 1), 6, QDate(2023, 10, 1), QDate(2024, 8, 31)},
        {QDate(2023, 9, 1), 6, QDate(2023, 4, 1), QDate(2024, 2, 29)},
        {QDate(2024, 1, 1), 12, QDate(2023, 2, 1), QDate(2024, 12, 31)},
        {QDate(2023, 3, 1), 12, QDate(2022, 4, 1), QDate(2024, 2, 29)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PeriodStartFor(c.day, c.months), c.start) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(PeriodEndFor(c.day, c.months), c.end) << c.day.toString(Qt::ISODate).toStdString();
    }
}

DayRecord WeighedDay(int day, const char* morning, const char* night)
{
    return tarvel::testing::MakeDay(QDate(2024, 3, 1).addDays(day - 1),
                                    tarvel::testing::MakeWeighing("", morning),
                                    tarvel::testing::MakeWeighing("", night));
}

// A weighing is a weight above 0 and at most 150 kg; the day's weight is the morning one, else the
// night one (0 below: none). A weight kept as text is none.
TEST(DayWeight, WhichWeightsAreWeighings)
{
    const struct {
        const char *morning, *night;
        std::vector<double> kg; // morning, night, day
    } cases[] = {{"65.40", "", {65.4, 0, 65.4}}, {"65.40", "66.10", {65.4, 66.1, 65.4}},
                 {"", "66.10", {0, 66.1, 66.1}}, {"0", "66.10", {0, 66.1, 66.1}},
                 {"abc", "151", {0, 0, 0}},      {"150", "0.01", {150, 0.01, 150}},
                 {"-1", "", {0, 0, 0}}};
    for (const auto& c : cases) {
        const DayRecord day = WeighedDay(1, c.morning, c.night);
        const auto w = WeighingsOf(day);
        EXPECT_EQ((std::vector{w[0].value_or(0), w[1].value_or(0), DayWeightOf(day).value_or(0)}), c.kg)
            << c.morning << " / " << c.night;
    }
}

// Typed in a unit, stored in 0.01 kg, shown back as typed: 176.4 lb = 80.0137 kg -> 80.01 kg ->
// 176.39 lb -> "176.4"; 12 st 8 lb = 176 lb = 79.832 kg -> 79.83 kg -> 175.996 lb -> "12 st 8,0 lb".
TEST(WeightUnit, TypedTextsRoundTripThroughTheDiarysSteps)
{
    const struct {
        const char* typed;
        WeightUnit unit;
        qint64 grams;
        const char* shown;
    } cases[] = {{"176.4", WeightUnit::Pounds, 80010, "176,4 lb"},
                 {"12 st 8 lb", WeightUnit::StonesPounds, 79830, "12 st 8,0 lb"},
                 {"12 8", WeightUnit::StonesPounds, 79830, "12 st 8,0 lb"},
                 {"13st13.96lb", WeightUnit::StonesPounds, 88890, "14 st 0,0 lb"},
                 {"72.4 kg", WeightUnit::Pounds, 72400, "159,6 lb"},
                 {"161.6 lbs", WeightUnit::Kilograms, 73300, "73,30 kg"},
                 {"72.4", WeightUnit::Kilograms, 72400, "72,40 kg"}};
    for (const auto& c : cases) {
        const std::optional<WeightReading> read = ReadWeightText(QString::fromUtf8(c.typed), u'.', c.unit);
        ASSERT_TRUE(read) << c.typed;
        const Mass mass = MassFromKg(read->kg).value_or(Mass{});
        EXPECT_EQ(mass.grams, c.grams) << c.typed;
        EXPECT_EQ(MassUnitText(mass, c.unit, u','), QString::fromUtf8(c.shown)) << c.typed;
    }
    for (const char* bad : {"", "kg", "12 lb 4 st", "12 4", "-3 lb", "1 2 3", "72.4 stone"})
        EXPECT_FALSE(ReadWeightText(QString::fromUtf8(bad), u'.', WeightUnit::Pounds)) << bad;
    EXPECT_EQ(UnitFromKey(UnitKey(WeightUnit::StonesPounds)), WeightUnit::StonesPounds);
    EXPECT_FALSE(UnitFromKey(u"stone"));
}

// Days counted from 1 March 2024; by hand, each day t += 0.1 * (w - t):
//   1  80 (night 82 ignored)        80, starts
//   2  night only 81, gap 1         80 + 0.1 * (81 - 80)                              = 80.1
//   3  no weighing; 3..8 filled with 80.5, 80, 79.5, 79, 78.5, 78:
//      80.14, 80.126, 80.0634, 79.95706, 79.811354, 79.6302186
//   9  77.5, gap 7                  79.6302186 + 0.1 * (77.5 - 79.6302186)           = 79.41719674
//  23  77.5, gap 14, filled 77.5    77.5 + 0.9^14 * (79.41719674 - 77.5)             = 77.93859312
//  83  70, gap 60: starts anew      70
//  84  morning "0", night 70.5      70 + 0.1 * 0.5                                    = 70.05
// Removing day 1 starts the trend at day 2's 81.
TEST(Trend, FillsGapsUpToTwoWeeksAndStartsAnewAfterLongerOnes)
{
    Diary diary;
    for (const DayRecord& day :
         {WeighedDay(1, "80.00", "82.00"), WeighedDay(2, "", "81.00"), WeighedDay(3, "", ""),
          WeighedDay(9, "77.50", ""), WeighedDay(23, "77.50", ""), WeighedDay(83, "70.00", ""),
          WeighedDay(84, "0", "70.50")})
        diary.storeDay(day);
    const Trend trend(diary.records());
    const double expected[][3] = {{1, 80, 1},  {2, 80.1, 0},  {9, 79.41719674, 0}, {23, 77.93859312, 0},
                                  {83, 70, 1}, {84, 70.05, 0}}; // day, trend, starts anew
    ASSERT_EQ(trend.Points().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TrendPoint& p = trend.Points()[i];
        EXPECT_EQ(p.dayNumber, DayNumber(QDate(2024, 2, 29)) + static_cast<qint64>(expected[i][0]));
        EXPECT_NEAR(p.trend, expected[i][1], 1e-8);
        EXPECT_EQ(p.startsRun, expected[i][2] == 1) << i;
    }
    EXPECT_EQ(trend.TrendAt(3), std::nullopt);
    EXPECT_EQ(trend.TrendOn(QDate(2024, 3, 5)), std::nullopt); // a filled day is no weighing
    EXPECT_EQ(trend.Standing().start, 70);
    diary.removeDay(1);
    EXPECT_NEAR(trend.Points().front().trend, 81, 1e-9);
}

// The least-squares slope of the last 14 weighed days since the trend last started, per week; none
// when they span less than 7 days. Days 0, 2, 14 at 70, 71, 70.5: mean day 16/3, sum of products
// 1, of squares 1032/9: 9/1032 kg a day, 21/344 a week.
TEST(Trend, WeeklyRateIsTheSlopeOfTheLastFourteenWeighedDays)
{
    const auto line = [](int days, double perDay, std::vector<TrendPoint> before = {}) {
        for (int day = 0; day < days; ++day)
            before.push_back({100 + day, 0, 70 + perDay * day});
        return before;
    };
    const struct {
        std::vector<TrendPoint> points; // day, weight (unused), trend, starts
        std::optional<double> rate;
    } cases[] = {
        {{{0, 0, 70}, {2, 0, 71}, {14, 0, 70.5}}, 21.0 / 344},
        {line(8, -0.1), -0.7},
        {line(7, -0.1), std::nullopt},                                   // spans 6 days
        {line(14, 0.05, std::vector<TrendPoint>(6, {90, 0, 90})), 0.35}, // older days left out
        {{{80, 0, 90, true}, {95, 0, 80}, {100, 0, 70, true}, {103, 0, 70.3}}, std::nullopt}, // anew
    };
    for (const auto& c : cases) // 99: none
        EXPECT_NEAR(WeeklyRateOf(c.points).value_or(99), c.rate.value_or(99), 1e-12);
}

} // namespace
