#include "store/Bmi.h"

namespace tarvel {

std::optional<double> BodyMassIndex(std::optional<double> heightCm, std::optional<double> weightKg)
{
    if (!heightCm || !weightKg || *heightCm == 0)
        return std::nullopt;
    const double metres = *heightCm * 0.01;
    return *weightKg / (metres * metres);
}

} // namespace tarvel
