#pragma once
// Test helpers for the link: a workbench end (session, scripted operator, port, link, serial
// setup) wired to a controller simulator on a pseudo-terminal, a raw pseudo-terminal for
// exact wire bytes, and a clock the test drives.

#include "language/session.h"
#include "link/comm_port_driver.h"
#include "link/controller_link.h"
#include "link/monotonic_clock.h"
#include "link/serial_setup.h"
#include "sim/k2207_simulator.h"
#include "support/pty_pair.h"
#include "support/scripted_operator.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orvant::test {

// Points the channel COMn (1..6) at `path` for this test process.
void PointChannelAt(int channel, const std::string& path);

// A clock that only moves when told to, or by itself on every sleep.
class FakeClock : public MonotonicClock {
public:
    double now() const override { return time; }
    void sleepFor(double seconds) const override { time += seconds > 0 ? seconds : 1e-6; }
    mutable double time = 1000.0;
};

// A clock that advances by `step` on every reading, so that busy waits end.
class SteppingClock : public MonotonicClock {
public:
    explicit SteppingClock(double step) : step_(step) {}
    double now() const override { return time += step_; }
    void sleepFor(double seconds) const override { time += seconds; }
    mutable double time = 1000.0;

private:
    double step_;
};

// A raw pseudo-terminal pair whose slave stays open while the workbench closes and reopens
// it; the test reads on the master exactly what was written to the slave.
class RawPty : public PtyPair {
public:
    RawPty() { OpenSlave(); }
    std::string SlavePath() const { return slavePath(); }
    // Everything that has arrived within `seconds`, waiting until `expected` bytes came.
    std::vector<std::uint8_t> Read(std::size_t expected, double seconds = 1.0);
    void Write(const std::vector<std::uint8_t>& bytes);
};

// The workbench's end of the link, wired like the main window wires it, on channel COM1.
struct Workbench {
    explicit Workbench(const MonotonicClock& clock);
    Session session;
    ScriptedOperator op;
    TCommPortDriver port;
    ControllerLink link;
    SerialSetup setup;
    QStringList trace;
    std::map<int, QStringList> panels; // every text each panel got, in order
    int beeps = 0;
};

// A simulator on a pseudo-terminal with COM1 pointed at it, and a workbench.
class SimLinkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // OpenPort on COM1; fails the test when the port does not open.
    void OpenLink();
    // Texts of the simulator's log, in order.
    std::vector<std::string> SimCommands() const;

    SteadyClock clock;
    sim::K2207Simulator sim;
    std::unique_ptr<Workbench> bench;
};

} // namespace orvant::test
