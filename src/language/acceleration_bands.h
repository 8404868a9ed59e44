#pragma once
// The accelerations that a start/stop velocity allows: seven bands of S, each with its
// lowest and highest acceleration. Shared by the line checker ("A" lines), the range text of
// the Acceleration dialog and the acceleration check after a Start/Stop or Velocity entry.

#include <cstdint>
#include <optional>

namespace orvant {

struct AccelerationLimits {
    std::int32_t lo = 0;
    std::int32_t hi = 0;
};

// The band of a start/stop velocity of 16 to 1950; nothing for any other value (unset
// included).
std::optional<AccelerationLimits> StartStopBand(std::int32_t s);

} // namespace orvant
