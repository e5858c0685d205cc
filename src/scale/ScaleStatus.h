#pragma once

#include "store/DayRecord.h"

#include <QString>

#include <functional>
#include <optional>

namespace tarvel {

class LocaleFormats;
class PortConnection;

// The last reading the scale gave: its weight (as the link hands it over; the window puts it in the
// user's unit before it is shown) and the time it came.
struct ScaleReading {
    QString weight;
    QString time;
};

// The status bar's line about the scale: "No scale" (saying which port the first start could not
// open), or the port with its device (deviceName may give "") and whether it is connected,
// connected again after its device went away, or not connected; a connected scale adds its last
// reading.
QString ScaleStatusText(const PortConnection& connection, const std::function<QString(int)>& deviceName,
                        const std::optional<ScaleReading>& last);

// A scale's weight as the page takes it and the status bar shows it: "##0.00" kg with the locale's
// decimal separator.
QString ScaleWeightText(const LocaleFormats& formats, Mass weight);

// The status bar's line about a Bluetooth scale: "Bluetooth is off" (adapter powered off or absent),
// else "Scale: NAME (ADDRESS)" (the address alone before the name is known) connected, with the
// last reading, or asleep and waited for.
enum class BluetoothScaleState { Off, Waiting, Connected };
QString BluetoothStatusText(BluetoothScaleState state, const QString& name, const QString& address,
                            const std::optional<ScaleReading>& last);

} // namespace tarvel
