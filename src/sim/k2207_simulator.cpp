#include "k2207_simulator.h"

#include "link/sine_check_table.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdlib>
#include <cstring>

namespace orvant::sim {

namespace {
constexpr std::uint32_t kPositionMask = 0xFFFFFF; // the controller keeps 24 bits
constexpr std::uint8_t kSerialNumber = 0x17;
constexpr std::size_t kLongestLine = 4096; // longer garbage is cut, never grown

// A whole number argument, or nullopt when the text after the command letter is not one.
std::optional<std::int64_t> Number(const std::string& text, std::size_t from) {
    if (from >= text.size())
        return std::nullopt;
    std::size_t i = from;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    if (i >= text.size())
        return std::nullopt;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(text[k])))
            return std::nullopt;
    if (text.size() - i > 12)
        return std::nullopt;
    return std::strtoll(text.c_str() + from, nullptr, 10);
}

void SetRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return;
    ::cfmakeraw(&tio);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    ::tcsetattr(fd, TCSANOW, &tio);
}
} // namespace

K2207Simulator::K2207Simulator(SimOptions options) : options_(std::move(options)) {}

K2207Simulator::~K2207Simulator() {
    Stop();
}

std::int64_t K2207Simulator::MonotonicMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<std::uint8_t> K2207Simulator::LinkCheckAnswer(int n) {
    if (n < 0 || n > 127)
        return std::nullopt;
    return SineCheckTable[static_cast<std::size_t>(n)];
}

std::optional<std::uint8_t> K2207Simulator::ParseByte(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    if (text.size() == 1 && !std::isdigit(static_cast<unsigned char>(text[0])))
        return static_cast<std::uint8_t>(text[0]);
    char* end = nullptr;
    errno = 0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const long value = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || value < 0 || value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

bool K2207Simulator::Start(std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error)
            *error = what + ": " + std::strerror(errno);
        Stop();
        return false;
    };
    if (master_ >= 0)
        return true;
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return fail("cannot open a pseudo-terminal");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return fail("cannot unlock the pseudo-terminal");
    char name[128] = {};
    if (::ptsname_r(master_, name, sizeof name) != 0)
        return fail("cannot name the pseudo-terminal");
    slavePath_ = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper_ < 0)
        return fail("cannot open " + slavePath_);
    // Raw both ways: a carriage return must reach the controller as a carriage return.
    SetRaw(slaveKeeper_);
    SetRaw(master_);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail("cannot create the wake pipe");
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
    if (!options_.logFile.empty()) {
        logFile_ = std::fopen(options_.logFile.c_str(), "w");
        if (!logFile_)
            return fail("cannot write the log " + options_.logFile);
    }
    if (!options_.linkPath.empty()) {
        // Replace an earlier link of ours, never a real file.
        struct stat st {};
        if (::lstat(options_.linkPath.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                errno = EEXIST;
                return fail("will not replace " + options_.linkPath);
            }
            ::unlink(options_.linkPath.c_str());
        }
        if (::symlink(slavePath_.c_str(), options_.linkPath.c_str()) != 0)
            return fail("cannot link " + options_.linkPath);
    }
    thread_ = std::thread([this] { Run(); });
    return true;
}

void K2207Simulator::Stop() {
    if (thread_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeWrite_, &stop, 1);
        thread_.join();
    }
    if (!options_.linkPath.empty() && !slavePath_.empty()) {
        char target[256] = {};
        const ssize_t n = ::readlink(options_.linkPath.c_str(), target, sizeof target - 1);
        if (n > 0 && slavePath_ == std::string(target, static_cast<std::size_t>(n)))
            ::unlink(options_.linkPath.c_str());
    }
    for (int* fd : {&master_, &slaveKeeper_, &wakeRead_, &wakeWrite_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    if (logFile_) {
        std::fclose(logFile_);
        logFile_ = nullptr;
    }
}

void K2207Simulator::Run() {
    std::string line;
    std::int64_t lineStart = 0;
    char chunk[512];
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0)
            continue;
        const std::int64_t arrival = MonotonicMicros();
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            // The line is gone (cannot happen while the keeper is open): rest briefly.
            ::poll(fds + 1, 1, 10);
            continue;
        }
        for (ssize_t i = 0; i < n; ++i) {
            const char c = chunk[i];
            if (c == '\r') {
                if (!line.empty())
                    HandleCommand(line, lineStart);
                line.clear();
                continue;
            }
            if (line.empty())
                lineStart = arrival;
            if (line.size() < kLongestLine)
                line += c;
        }
    }
}

void K2207Simulator::HandleCommand(const std::string& text, std::int64_t micros) {
    std::vector<std::uint8_t> answer;
    {
        std::lock_guard lock(mutex_);
        log_.push_back({micros, text});
        if (logFile_) {
            std::fprintf(logFile_, "%" PRId64 "\t%s\n", micros, text.c_str());
            std::fflush(logFile_);
        }
        answer = AnswerFor(text);
    }
    logged_.notify_all();
    Reply(answer);
}

void K2207Simulator::Reply(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

std::optional<std::uint8_t> K2207Simulator::RegisterValue(int reg) const {
    if (auto it = registerAnswers_.find(reg); it != registerAnswers_.end())
        return it->second;
    const auto position = static_cast<std::uint32_t>(position_) & kPositionMask;
    const auto variable = static_cast<std::uint32_t>(variable_) & kPositionMask;
    switch (reg) {
    case 1:
    case 2:
    case 3:
        return static_cast<std::uint8_t>(position >> (8 * (reg - 1)));
    case 4:
    case 5:
    case 6:
        return static_cast<std::uint8_t>(variable >> (8 * (reg - 4)));
    case 14: // user flags 80..87
        return static_cast<std::uint8_t>(flags_ >> 40);
    case 15:
        return options_.modeByte;
    case 16:
        return kSerialNumber;
    case 17: // auxiliary functions 40..47, 48..55, 56..63
    case 18:
    case 19:
        return static_cast<std::uint8_t>(flags_ >> (8 * (reg - 17)));
    case 20:
        return options_.modelByte;
    default:
        if (reg >= 7 && reg <= 13)
            return 0; // reserved
        return std::nullopt;
    }
}

std::vector<std::uint8_t> K2207Simulator::AnswerFor(const std::string& text) {
    const char command = text[0];
    const auto number = Number(text, 1);
    auto clampPosition = [](std::int64_t v) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) & kPositionMask);
    };
    std::vector<std::uint8_t> answer;
    switch (command) {
    case '^':
        if (number) {
            if (auto expected = LinkCheckAnswer(static_cast<int>(*number))) {
                answer = beforeLink_;
                answer.push_back(options_.wrongLink ? static_cast<std::uint8_t>(*expected ^ 0x80)
                                                    : *expected);
                answer.insert(answer.end(), afterLink_.begin(), afterLink_.end());
            }
        }
        break;
    case 'U':
        if (number)
            if (auto value = RegisterValue(static_cast<int>(*number)))
                answer.push_back(*value);
        break;
    case 'F':
        if (number)
            position_ = clampPosition(position_ + *number);
        break;
    case 'B':
        if (number)
            position_ = clampPosition(position_ - *number);
        break;
    case '=':
    case 'G':
        if (number && text.size() > 1 && std::isdigit(static_cast<unsigned char>(text[1])))
            position_ = clampPosition(*number);
        break;
    case ':':
        if (number)
            variable_ = clampPosition(*number);
        break;
    case '+':
        if (number)
            variable_ = clampPosition(variable_ + *number);
        break;
    case '-':
        if (number)
            variable_ = clampPosition(variable_ - *number);
        break;
    case '*':
        if (number)
            variable_ = clampPosition(static_cast<std::int64_t>(variable_) * *number);
        break;
    case '/':
        if (number && *number != 0)
            variable_ = clampPosition(variable_ / *number);
        break;
    case 'T':
    case 'C':
        if (number && *number >= 40 && *number <= 87) {
            const std::uint64_t bit = std::uint64_t{1} << (*number - 40);
            flags_ = command == 'T' ? (flags_ | bit) : (flags_ & ~bit);
        }
        break;
    case '\\':
        position_ = 0;
        variable_ = 0;
        flags_ = 0;
        break;
    default:
        break;
    }
    if (options_.silent)
        answer.clear();
    return answer;
}

std::vector<SimLogEntry> K2207Simulator::Log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

bool K2207Simulator::WaitForLogSize(std::size_t count, double timeoutSeconds) const {
    std::unique_lock lock(mutex_);
    return logged_.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                            [&] { return log_.size() >= count; });
}

void K2207Simulator::SetSilent(bool silent) {
    std::lock_guard lock(mutex_);
    options_.silent = silent;
}

void K2207Simulator::SetWrongLink(bool wrong) {
    std::lock_guard lock(mutex_);
    options_.wrongLink = wrong;
}

void K2207Simulator::SetModelByte(std::uint8_t answer) {
    std::lock_guard lock(mutex_);
    options_.modelByte = answer;
}

void K2207Simulator::SetModeByte(std::uint8_t answer) {
    std::lock_guard lock(mutex_);
    options_.modeByte = answer;
}

void K2207Simulator::SetBytesBeforeLinkAnswer(std::vector<std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    beforeLink_ = std::move(bytes);
}

void K2207Simulator::SetBytesAfterLinkAnswer(std::vector<std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    afterLink_ = std::move(bytes);
}

void K2207Simulator::SetRegisterAnswer(int reg, std::optional<std::uint8_t> answer) {
    std::lock_guard lock(mutex_);
    registerAnswers_[reg] = answer;
}

void K2207Simulator::ClearRegisterAnswer(int reg) {
    std::lock_guard lock(mutex_);
    registerAnswers_.erase(reg);
}

std::int32_t K2207Simulator::Position() const {
    std::lock_guard lock(mutex_);
    return position_;
}

void K2207Simulator::SetPosition(std::int32_t position) {
    std::lock_guard lock(mutex_);
    position_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(position) & kPositionMask);
}

std::int32_t K2207Simulator::Variable() const {
    std::lock_guard lock(mutex_);
    return variable_;
}

} // namespace orvant::sim
