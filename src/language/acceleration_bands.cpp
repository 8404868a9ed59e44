#include "language/acceleration_bands.h"

namespace orvant {

std::optional<AccelerationLimits> StartStopBand(std::int32_t s) {
    struct Band {
        std::int32_t sFrom, sTo, lo, hi;
    };
    static constexpr Band kBands[] = {
        {16, 30, 1, 116},     {31, 61, 1, 464},     {62, 122, 1, 1856},    {123, 244, 1, 7424},
        {245, 488, 1, 29694}, {489, 976, 2, 65000}, {977, 1950, 8, 65000},
    };
    for (const Band& b : kBands)
        if (s >= b.sFrom && s <= b.sTo)
            return AccelerationLimits{b.lo, b.hi};
    return std::nullopt;
}

} // namespace orvant
