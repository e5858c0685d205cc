#pragma once

#include "platform/TextTable.h"

namespace tarvel {

// The Bluetooth scale's texts in the text table.
inline constexpr TextId kScaleAsleep = static_cast<TextId>(1630);
inline constexpr TextId kBluetoothOff = static_cast<TextId>(1631);
inline constexpr TextId kReadingNotStoredDayTaken = static_cast<TextId>(1632);
inline constexpr TextId kBluetoothScale = static_cast<TextId>(1633);
inline constexpr TextId kSearchScales = static_cast<TextId>(1634);
inline constexpr TextId kNoBluetoothScale = static_cast<TextId>(1635);
inline constexpr TextId kSearchingScales = static_cast<TextId>(1636);
inline constexpr TextId kNoScaleFound = static_cast<TextId>(1637);
inline constexpr TextId kScaleUser = static_cast<TextId>(1638);
inline constexpr TextId kEveryScaleUser = static_cast<TextId>(1639);
inline constexpr TextId kScaleUserNumber = static_cast<TextId>(1640);

} // namespace tarvel
