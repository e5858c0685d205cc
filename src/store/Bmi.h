#pragma once

#include <optional>

namespace tarvel {

// The body-mass index of a weight in kg at a height in cm: weight / (height * 0.01)^2. Nothing when
// either value is missing or the height is 0.
std::optional<double> BodyMassIndex(std::optional<double> heightCm, std::optional<double> weightKg);

} // namespace tarvel
