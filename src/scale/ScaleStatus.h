#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace tarvel {

class PortConnection;

// The last reading the scale gave: its weight as the link hands it over and the time it came, both
// laid out for the user.
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

} // namespace tarvel
