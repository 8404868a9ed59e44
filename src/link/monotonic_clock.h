#pragma once
// The time seam of the link: pacing and bounded waits read a clock that never jumps, so that
// a change of the wall clock (or midnight) cannot stretch or shorten a wait. Tests hand the
// link a clock of their own.

namespace orvant {

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Seconds since an arbitrary fixed point; never goes backwards.
    virtual double now() const = 0;
    // Lets the calling thread rest for about `seconds` without servicing any events. Waits
    // use it for the coarse part of a wait and spin on now() for the last moments; a clock
    // that is not real time may advance itself here instead.
    virtual void sleepFor(double seconds) const;
};

// std::chrono::steady_clock (CLOCK_MONOTONIC on Linux), in seconds.
class SteadyClock : public MonotonicClock {
public:
    double now() const override;
};

} // namespace orvant
