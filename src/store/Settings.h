#pragma once

#include "store/WeightUnit.h"

#include <QRect>
#include <QString>

#include <array>
#include <optional>

namespace tarvel {

class SettingsStore;

// The values kept between runs. Load() reads them with their defaults and checks; SaveSettings()
// writes them back. The dialogs change only these members; the store sees them at the next save.
struct Settings {
    int PortNo = 1;                          // CommSet/Port, 1..16, or 0 for no scale
    bool PortChosen = false;                 // CommSet/Port was stored: the port is the user's choice
    QString Bluetooth;                       // CommSet/Bluetooth: the Bluetooth scale's address; "" for none
    int BluetoothUser = kEveryUser;          // CommSet/BluetoothUser: the scale user taken, 0..254; "" every one
    std::array<QString, 3> RecentPath;       // History/Path1..Path3, most recent first
    int ColorScheme = 1;                     // ColorFlg/Flg, 1..7
    int BmiScaleMax = 35;                    // BmiScale/Max, 35 or 50
    int BmiScaleMin = 15;                    // 15 with 35, 0 with 50
    int TrendMonths = 1;                     // TrendScale/Month, 1, 3, 6, 12 or 0 (the whole diary)
    WeightUnit Unit = WeightUnit::Kilograms; // Units/Weight, "kg", "lb" or "st"
    std::optional<double> GoalWeight; // the open diary's goal in kg, kLeastGoal..kMostGoal; none: no goal
    // Window/Left, Top, Width and Height: the main window's normal rectangle at the last close
    // (none before it, or when a value is missing or the size is empty); Window/Maximized.
    std::optional<QRect> WindowRect;
    bool WindowMaximised = false;

    static constexpr int kEveryUser = -1;
    static constexpr double kLeastGoal = 1;
    static constexpr double kMostGoal = 150;
    // A goal the settings keep: a number in kLeastGoal..kMostGoal.
    static bool IsGoalWeight(double kg) { return kg >= kLeastGoal && kg <= kMostGoal; }

    // Reads CommSet/Port, Bluetooth and BluetoothUser, History/Path1..3, ColorFlg/Flg, BmiScale/Max,
    // TrendScale/Month, Units/Weight, Goal/Weight and the Window section, in this order; a value out of
    // its range takes the default.
    void Load(const SettingsStore& store);

    // Writes Port, Bluetooth, BluetoothUser, Flg, Max, Month, the unit, the three paths and the Window
    // section, in this order. The goal is kept with its diary (SaveGoalOf).
    void SaveSettings(SettingsStore& store) const;
    // Writes Units/Weight alone, at once when the user chooses a unit.
    void SaveUnit(SettingsStore& store) const;

    // Each diary has its own goal, kept under Goals by its path (percent-encoded as the key; "" for
    // none, else the number with "." whatever the locale). Goal/Weight holds the goal waiting for a
    // diary: the single goal of earlier versions, or one set while the diary had no name. A diary
    // without a goal of its own takes the waiting one, which moves to it.
    // Makes GoalWeight the goal of the diary at path; the waiting goal for an unnamed diary.
    void TakeGoalOf(SettingsStore& store, const QString& path);
    // Keeps GoalWeight as the goal of the diary at path (the waiting goal while unnamed).
    void SaveGoalOf(SettingsStore& store, const QString& path) const;
    // Save as: GoalWeight becomes the goal of the diary's new path too; an unnamed diary's goal
    // stops waiting.
    void CarryGoal(SettingsStore& store, const QString& fromPath, const QString& toPath) const;

    // RegSet/Num: whether the diary file type was registered for this user.
    static bool FileTypeRegistered(const SettingsStore& store);
    static void MarkFileTypeRegistered(SettingsStore& store);

    // FirstRun/Value: true on the first run, which it also marks as over.
    static bool TakeFirstRun(SettingsStore& store);
};

} // namespace tarvel
