#include "store/Settings.h"

#include "platform/NumberText.h"
#include "platform/SettingsStore.h"
#include "store/GraphPeriod.h"

#include <QUrl>

#include <optional>
#include <utility>

namespace tarvel {

namespace {

struct Key {
    const char* section;
    const char* key;
    const char* defaultValue;
};

constexpr Key kPort{"CommSet", "Port", "1"};
constexpr Key kBluetooth{"CommSet", "Bluetooth", ""};
constexpr Key kBluetoothUser{"CommSet", "BluetoothUser", ""};
constexpr Key kPaths[3] = {{"History", "Path1", ""}, {"History", "Path2", ""}, {"History", "Path3", ""}};
constexpr Key kScheme{"ColorFlg", "Flg", "1"};
constexpr Key kBmiMax{"BmiScale", "Max", "35"};
constexpr Key kTrendMonths{"TrendScale", "Month", "1"};
constexpr Key kGoal{"Goal", "Weight", ""};
constexpr Key kUnit{"Units", "Weight", "kg"};
constexpr Key kRegistered{"RegSet", "Num", "0"};
constexpr Key kFirstRun{"FirstRun", "Value", "1"};
constexpr Key kWindowRect[4] = {
    {"Window", "Left", ""}, {"Window", "Top", ""}, {"Window", "Width", ""}, {"Window", "Height", ""}};
constexpr Key kWindowMaximised{"Window", "Maximized", "0"};

QString Text(const SettingsStore& store, const Key& key)
{
    return store.Get(QLatin1String(key.section), QLatin1String(key.key), QLatin1String(key.defaultValue));
}

// A stored number: the leading number of its text (0 without one), rounded to a 16-bit integer;
// nothing when it does not fit.
std::optional<int> Number(const SettingsStore& store, const Key& key)
{
    return RoundToInt16(LeadingNumber(Text(store, key)));
}

int NumberInRange(const SettingsStore& store, const Key& key, int low, int high, int fallback)
{
    const std::optional<int> value = Number(store, key);
    return value && *value >= low && *value <= high ? *value : fallback;
}

std::optional<QRect> WindowRectOf(const SettingsStore& store)
{
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<int> value =
            Text(store, kWindowRect[i]).isEmpty() ? std::nullopt : Number(store, kWindowRect[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

void Put(SettingsStore& store, const Key& key, const QString& value)
{
    store.Save(QLatin1String(key.section), QLatin1String(key.key), value);
}

} // namespace

void Settings::Load(const SettingsStore& store)
{
    PortNo = NumberInRange(store, kPort, 0, 16, 1);
    PortChosen = !store.Get(QLatin1String(kPort.section), QLatin1String(kPort.key), QString()).isEmpty();
    Bluetooth = Text(store, kBluetooth).trimmed();
    BluetoothUser = Text(store, kBluetoothUser).trimmed().isEmpty()
                        ? kEveryUser
                        : NumberInRange(store, kBluetoothUser, 0, 254, kEveryUser);
    for (std::size_t i = 0; i < RecentPath.size(); ++i)
        RecentPath[i] = Text(store, kPaths[i]);
    ColorScheme = NumberInRange(store, kScheme, 1, 7, 1);
    BmiScaleMax = Number(store, kBmiMax) == 50 ? 50 : 35;
    BmiScaleMin = BmiScaleMax == 50 ? 0 : 15;
    // Only the offered spans have period rules; anything else is one month. The whole diary is the
    // text "0" itself, so that no unreadable value turns into it.
    const std::optional<int> months = Number(store, kTrendMonths);
    if (Text(store, kTrendMonths).trimmed() == QLatin1String("0"))
        TrendMonths = kWholeDiaryMonths;
    else
        TrendMonths = months && *months != kWholeDiaryMonths && IsGraphSpan(*months) ? *months : 1;
    Unit = UnitFromKey(Text(store, kUnit).trimmed()).value_or(WeightUnit::Kilograms);
    const std::optional<double> goal = ParseNumber(Text(store, kGoal), QLatin1Char('.'));
    GoalWeight = goal && IsGoalWeight(*goal) ? goal : std::nullopt;
    WindowRect = WindowRectOf(store);
    WindowMaximised = WindowRect && Number(store, kWindowMaximised) == 1;
}

void Settings::SaveSettings(SettingsStore& store) const
{
    Put(store, kPort, QString::number(PortNo));
    Put(store, kBluetooth, Bluetooth);
    Put(store, kBluetoothUser, BluetoothUser == kEveryUser ? QString() : QString::number(BluetoothUser));
    Put(store, kScheme, QString::number(ColorScheme));
    Put(store, kBmiMax, QString::number(BmiScaleMax));
    Put(store, kTrendMonths, QString::number(TrendMonths));
    SaveUnit(store);
    for (std::size_t i = 0; i < RecentPath.size(); ++i)
        Put(store, kPaths[i], RecentPath[i]);
    if (!WindowRect)
        return;
    const std::array<int, 4> values = {WindowRect->x(), WindowRect->y(), WindowRect->width(),
                                       WindowRect->height()};
    for (std::size_t i = 0; i < values.size(); ++i)
        Put(store, kWindowRect[i], QString::number(values[i]));
    Put(store, kWindowMaximised, WindowMaximised ? QStringLiteral("1") : QStringLiteral("0"));
}

void Settings::SaveUnit(SettingsStore& store) const
{
    Put(store, kUnit, UnitKey(Unit));
}

namespace {

// The goal under a path of the Goals section, or the waiting goal for an empty path.
std::pair<QString, QString> GoalKey(const QString& path)
{
    if (path.isEmpty())
        return {QLatin1String(kGoal.section), QLatin1String(kGoal.key)};
    return {QStringLiteral("Goals"), QString::fromLatin1(QUrl::toPercentEncoding(path))};
}

QString GoalText(std::optional<double> goal)
{
    return goal ? QString::number(*goal, 'f', 2) : QString();
}

std::optional<double> GoalFrom(const QString& text)
{
    const std::optional<double> goal = ParseNumber(text, QLatin1Char('.'));
    return goal && Settings::IsGoalWeight(*goal) ? goal : std::nullopt;
}

} // namespace

void Settings::TakeGoalOf(SettingsStore& store, const QString& path)
{
    const auto [section, key] = GoalKey(path);
    const QString own = store.Get(section, key, QStringLiteral("?"));
    if (own != QLatin1String("?")) {
        GoalWeight = GoalFrom(own);
        return;
    }
    // No goal of its own yet: the waiting goal becomes this diary's.
    GoalWeight = GoalFrom(Text(store, kGoal));
    if (!path.isEmpty() && GoalWeight) {
        store.Save(section, key, GoalText(GoalWeight));
        Put(store, kGoal, QString());
    }
}

void Settings::SaveGoalOf(SettingsStore& store, const QString& path) const
{
    const auto [section, key] = GoalKey(path);
    store.Save(section, key, GoalText(GoalWeight));
}

void Settings::CarryGoal(SettingsStore& store, const QString& fromPath, const QString& toPath) const
{
    SaveGoalOf(store, toPath);
    if (fromPath.isEmpty())
        Put(store, kGoal, QString());
}

bool Settings::FileTypeRegistered(const SettingsStore& store)
{
    return Number(store, kRegistered).value_or(0) != 0;
}

void Settings::MarkFileTypeRegistered(SettingsStore& store)
{
    Put(store, kRegistered, QStringLiteral("1"));
}

bool Settings::TakeFirstRun(SettingsStore& store)
{
    if (Number(store, kFirstRun) != 1)
        return false;
    Put(store, kFirstRun, QStringLiteral("0"));
    return true;
}

} // namespace tarvel
