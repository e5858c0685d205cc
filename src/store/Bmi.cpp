#include "store/Bmi.h"

#include "store/WeighingText.h"

namespace tarvel {

std::optional<double> BodyMassIndex(std::optional<double> heightCm, std::optional<double> weightKg)
{
    if (!heightCm || !weightKg || *heightCm == 0)
        return std::nullopt;
    const double metres = *heightCm * 0.01;
    return *weightKg / (metres * metres);
}

std::optional<int> bmiTenths(std::optional<double> heightCm, std::optional<double> weightKg)
{
    const std::optional<double> bmi = BodyMassIndex(heightCm, weightKg);
    const std::optional<int> tenths = bmi ? BmiTenthsOf(*bmi) : std::nullopt;
    return tenths == 0 ? std::nullopt : tenths;
}

} // namespace tarvel
