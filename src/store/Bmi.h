#pragma once

#include <optional>

namespace tarvel {

// The body-mass index of a weight in kg at a height in cm: weight / (height * 0.01)^2. Nothing when
// either value is missing or the height is 0.
std::optional<double> BodyMassIndex(std::optional<double> heightCm, std::optional<double> weightKg);

// The BMI the diary takes for a height in cm and a weight in kg, in tenths: nothing when it cannot
// be computed or rounds to 0.0. The BMI buttons enter it and the save checks and stores it.
std::optional<int> bmiTenths(std::optional<double> heightCm, std::optional<double> weightKg);

} // namespace tarvel
