#include "monotonic_clock.h"

#include <chrono>
#include <thread>

namespace orvant {

void MonotonicClock::sleepFor(double seconds) const {
    if (seconds > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

double SteadyClock::now() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace orvant
