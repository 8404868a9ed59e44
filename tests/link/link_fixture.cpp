#include "link_fixture.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace orvant::test {

void PointChannelAt(int channel, const std::string& path) {
    ::setenv(("ORVANT_COM" + std::to_string(channel)).c_str(), path.c_str(), 1);
}

RawPty::RawPty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        ADD_FAILURE() << "no pseudo-terminal";
    char name[128] = {};
    ::ptsname_r(master_, name, sizeof name);
    slavePath_ = name;
    keeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    ::tcgetattr(keeper_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(keeper_, TCSANOW, &tio);
}

RawPty::~RawPty() {
    if (keeper_ >= 0)
        ::close(keeper_);
    if (master_ >= 0)
        ::close(master_);
}

std::vector<std::uint8_t> RawPty::Read(std::size_t expected, double seconds) {
    std::vector<std::uint8_t> out;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, out.size() >= expected ? 50 : 10) > 0) {
            std::uint8_t chunk[1024];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n > 0)
                out.insert(out.end(), chunk, chunk + n);
        } else if (out.size() >= expected) {
            break; // nothing more came after the expected count
        }
    }
    return out;
}

void RawPty::Write(const std::vector<std::uint8_t>& bytes) {
    [[maybe_unused]] ssize_t n = ::write(master_, bytes.data(), bytes.size());
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
