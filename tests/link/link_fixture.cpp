#include "link_fixture.h"

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace orvant::test {

void PointChannelAt(int channel, const std::string& path) {
    ::setenv(("ORVANT_COM" + std::to_string(channel)).c_str(), path.c_str(), 1);
}

std::vector<std::uint8_t> RawPty::Read(std::size_t expected, double seconds) {
    std::vector<std::uint8_t> out;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{master(), POLLIN, 0};
        if (::poll(&p, 1, out.size() >= expected ? 50 : 10) > 0) {
            std::uint8_t chunk[1024];
            const ssize_t n = ::read(master(), chunk, sizeof chunk);
            if (n > 0)
                out.insert(out.end(), chunk, chunk + n);
        } else if (out.size() >= expected) {
            break; // nothing more came after the expected count
        }
    }
    return out;
}

void RawPty::Write(const std::vector<std::uint8_t>& bytes) {
    Send(std::string(bytes.begin(), bytes.end()));
}

Workbench::Workbench(const MonotonicClock& clock)
    : link(session, op, port, clock), setup(session, op, link, port) {
    QObject::connect(&link, &ControllerLink::traceLine,
                     [this](const QString& line) { trace << line; });
    QObject::connect(&setup, &SerialSetup::panelText,
                     [this](int panel, const QString& text) { panels[panel] << text; });
    QObject::connect(&port, &TCommPortDriver::beep, [this] {
        ++beeps;
        op.playSound(Sound::Default);
    });
}

void SimLinkTest::SetUp() {
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    PointChannelAt(1, sim.SlavePath());
    bench = std::make_unique<Workbench>(clock);
}

void SimLinkTest::TearDown() {
    bench.reset();
    sim.Stop();
}

void SimLinkTest::OpenLink() {
    ASSERT_TRUE(bench->setup.OpenPort()) << bench->op.events.join("\n").toStdString();
    bench->op.events.clear();
}

std::vector<std::string> SimLinkTest::SimCommands() const {
    std::vector<std::string> out;
    for (const auto& e : sim.Log())
        out.push_back(e.text);
    return out;
}

} // namespace orvant::test
