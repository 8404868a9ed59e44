#include "support/pty_pair.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace orvant::test {

namespace {

void MakeRaw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        throw std::runtime_error("tcgetattr failed");
    }
    ::cfmakeraw(&t);
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        throw std::runtime_error("tcsetattr failed");
    }
}

} // namespace

PtyPair::PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        throw std::runtime_error("ptsname failed");
    }
    slavePath_ = name;
    MakeRaw(master_);
}

PtyPair::~PtyPair() {
    StopStream();
    if (slave_ >= 0) {
        ::close(slave_);
    }
    CloseMaster();
}

void PtyPair::Send(const std::string& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("write to master failed");
        }
        done += static_cast<std::size_t>(n);
    }
}

std::string PtyPair::Receive(std::size_t count, std::chrono::milliseconds timeout) const {
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - got.size()));
        if (n <= 0) {
            break;
        }
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

int PtyPair::OpenSlave() {
    if (slave_ < 0) {
        slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (slave_ < 0) {
            throw std::runtime_error("cannot open slave");
        }
        MakeRaw(slave_);
    }
    return slave_;
}

int PtyPair::SlaveInputQueued() {
    int queued = 0;
    ::ioctl(OpenSlave(), TIOCINQ, &queued);
    return queued;
}

void PtyPair::StartStream(const std::string& chunk) {
    StopStream();
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    streaming_.store(true);
    stream_ = std::thread([this, chunk] {
        while (streaming_.load()) {
            pollfd p{master_, POLLOUT, 0};
            if (::poll(&p, 1, 10) > 0) {
                [[maybe_unused]] const ssize_t n = ::write(master_, chunk.data(), chunk.size());
            }
        }
    });
}

void PtyPair::StopStream() {
    streaming_.store(false);
    if (stream_.joinable()) {
        stream_.join();
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) & ~O_NONBLOCK);
    }
}

void PtyPair::CloseMaster() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

int OpenDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

} // namespace orvant::test
