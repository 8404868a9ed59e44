#include "simple_comm/serial_device.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/syscall.h>
#endif

namespace orvant::simple_comm {

namespace {

struct RateCode {
    std::uint32_t rate;
    speed_t code;
};

// The standard rates of the system. A rate that is not listed is refused rather than
// silently replaced by a neighbour.
constexpr RateCode kRates[] = {
    {50, B50},           {75, B75},     {110, B110},   {134, B134},     {150, B150},
    {200, B200},         {300, B300},   {600, B600},   {1200, B1200},   {1800, B1800},
    {2400, B2400},       {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400},
#ifdef B57600
    {57600, B57600},
#endif
#ifdef B115200
    {115200, B115200},
#endif
#ifdef B230400
    {230400, B230400},
#endif
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B500000
    {500000, B500000},
#endif
#ifdef B576000
    {576000, B576000},
#endif
#ifdef B921600
    {921600, B921600},
#endif
#ifdef B1000000
    {1000000, B1000000},
#endif
#ifdef B1152000
    {1152000, B1152000},
#endif
#ifdef B1500000
    {1500000, B1500000},
#endif
#ifdef B2000000
    {2000000, B2000000},
#endif
#ifdef B2500000
    {2500000, B2500000},
#endif
#ifdef B3000000
    {3000000, B3000000},
#endif
#ifdef B3500000
    {3500000, B3500000},
#endif
#ifdef B4000000
    {4000000, B4000000},
#endif
};

#ifdef CMSPAR
constexpr tcflag_t kStickParity = CMSPAR;
#else
constexpr tcflag_t kStickParity = 0;
#endif
constexpr tcflag_t kParityBits = PARENB | PARODD | kStickParity;

bool SpeedCode(std::uint32_t rate, speed_t* code) {
    for (const RateCode& entry : kRates) {
        if (entry.rate == rate) {
            *code = entry.code;
            return true;
        }
    }
    return false;
}

} // namespace

int ApplyLineSettings(termios* t, const LineSettings& s) {
    if (s.mask & 0x1u) {
        speed_t code = 0;
        if (!SpeedCode(s.baudRate, &code)) {
            return EINVAL;
        }
        if (cfsetispeed(t, code) != 0 || cfsetospeed(t, code) != 0) {
            return EINVAL;
        }
    }
    if (s.mask & 0x2u) {
        tcflag_t size = 0;
        switch (s.byteSize) {
        case 5:
            size = CS5;
            break;
        case 6:
            size = CS6;
            break;
        case 7:
            size = CS7;
            break;
        case 8:
            size = CS8;
            break;
        default:
            return EINVAL;
        }
        t->c_cflag = (t->c_cflag & ~static_cast<tcflag_t>(CSIZE)) | size;
    }
    if (s.mask & 0x4u) {
        tcflag_t parity = 0;
        switch (s.parity) {
        case 0:
            parity = 0;
            break;
        case 1:
            parity = PARENB | PARODD;
            break;
        case 2:
            parity = PARENB;
            break;
        case 3: // mark: the parity bit is always 1
        case 4: // space: the parity bit is always 0
            if (kStickParity == 0) {
                return EINVAL;
            }
            parity = PARENB | kStickParity | (s.parity == 3 ? PARODD : 0);
            break;
        default:
            return EINVAL;
        }
        t->c_cflag = (t->c_cflag & ~kParityBits) | parity;
    }
    if (s.mask & 0x8u) {
        switch (s.stopBits) {
        case 0:
            t->c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
            break;
        case 2:
            t->c_cflag |= CSTOPB;
            break;
        default: // one and a half stop bits do not exist here
            return EINVAL;
        }
    }
    return 0;
}

namespace {

// True when the device holds every selected setting of wanted.
bool SelectedSettingsTaken(const termios& wanted, const termios& actual, std::uint32_t mask) {
    if ((mask & 0x1u) && (cfgetispeed(&wanted) != cfgetispeed(&actual) ||
                          cfgetospeed(&wanted) != cfgetospeed(&actual))) {
        return false;
    }
    if ((mask & 0x2u) && (wanted.c_cflag & CSIZE) != (actual.c_cflag & CSIZE)) {
        return false;
    }
    if ((mask & 0x4u) && (wanted.c_cflag & kParityBits) != (actual.c_cflag & kParityBits)) {
        return false;
    }
    if ((mask & 0x8u) && (wanted.c_cflag & CSTOPB) != (actual.c_cflag & CSTOPB)) {
        return false;
    }
    return true;
}

int SetAttributes(int fd, const termios& t) {
    while (tcsetattr(fd, TCSANOW, &t) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

} // namespace

std::string DevicePathFor(const char* name) {
    std::string given(name);
    const bool comPrefix = given.size() > 3 && strncasecmp(name, "COM", 3) == 0;
    if (!comPrefix || given[3] < '1' || given[3] > '9' || given.size() > 3 + 4) {
        return given;
    }
    unsigned number = 0;
    for (std::size_t i = 3; i < given.size(); ++i) {
        if (given[i] < '0' || given[i] > '9') {
            return given;
        }
        number = number * 10 + static_cast<unsigned>(given[i] - '0');
    }
    const std::string variable = "ORVANT_COM" + std::to_string(number);
    if (const char* path = std::getenv(variable.c_str())) {
        return path;
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}

int OpenDeviceExclusive(const std::string& path, int* fd) {
    // Non-blocking for the open itself, so that a modem line without carrier cannot hold it.
    int handle = -1;
    do {
        handle = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (handle < 0 && errno == EINTR);
    if (handle < 0) {
        return errno;
    }
    int error = 0;
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        error = (errno == EWOULDBLOCK) ? EBUSY : errno;
    } else if (::ioctl(handle, TIOCEXCL) != 0) {
        error = errno;
    } else {
        const int flags = ::fcntl(handle, F_GETFL);
        if (flags < 0 || ::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            error = errno;
        }
    }
    if (error != 0) {
        CloseDevice(handle);
        return error;
    }
    *fd = handle;
    return 0;
}

int ConfigureDevice(int fd, const LineSettings& settings) {
    termios original{};
    if (::tcgetattr(fd, &original) != 0) {
        return errno;
    }
    termios wanted = original;
    // Raw: every byte passes unchanged in both directions, no signals, no echo, no software
    // flow control eating XON/XOFF, modem lines do not gate reading.
    wanted.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                             ICRNL | IXON | IXOFF | IXANY);
    wanted.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    wanted.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    wanted.c_cflag |= CREAD | CLOCAL;
    // A read returns at once with what is there; the reader waits for input in poll().
    wanted.c_cc[VMIN] = 0;
    wanted.c_cc[VTIME] = 0;
    if (const int error = ApplyLineSettings(&wanted, settings); error != 0) {
        return error;
    }
    if (const int error = SetAttributes(fd, wanted); error != 0) {
        return error;
    }
    // tcsetattr succeeds when any part of the request was carried out: check the rest.
    termios actual{};
    if (::tcgetattr(fd, &actual) != 0) {
        const int error = errno;
        SetAttributes(fd, original);
        return error;
    }
    if (!SelectedSettingsTaken(wanted, actual, settings.mask)) {
        SetAttributes(fd, original);
        return EINVAL;
    }
    return 0;
}

int CloseDevice(int fd) {
    ::ioctl(fd, TIOCNXCL); // a device held open elsewhere must not stay exclusive
    if (::close(fd) != 0 && errno != EINTR) {
        return errno;
    }
    return 0;
}

void RaiseCurrentThreadPriority() {
#if defined(__linux__)
    // Ordinary threads share one static priority; what differs is the nice value. Take the
    // lowest one allowed: -20 with the privilege, else the floor given by RLIMIT_NICE.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    if (::setpriority(PRIO_PROCESS, tid, -20) == 0) {
        return;
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_NICE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return;
    }
    const int floor = 20 - static_cast<int>(limit.rlim_cur > 40 ? 40 : limit.rlim_cur);
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, tid);
    if (errno == 0 && floor < current) {
        ::setpriority(PRIO_PROCESS, tid, floor);
    }
#else
    sched_param param{};
    int policy = 0;
    if (::pthread_getschedparam(::pthread_self(), &policy, &param) == 0) {
        param.sched_priority = ::sched_get_priority_max(policy);
        ::pthread_setschedparam(::pthread_self(), policy, &param);
    }
#endif
}

} // namespace orvant::simple_comm
