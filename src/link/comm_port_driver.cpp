#include "comm_port_driver.h"

#include "custom_baud_rate.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace orvant {

namespace {
constexpr int kRates[] = {110,   300,   600,   1200,  2400,  4800,  9600,
                          14400, 19200, 38400, 56000, 57600, 115200};

speed_t SpeedConstant(int rate) {
    switch (rate) {
    case 110:
        return B110;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0; // no constant: set through the arbitrary-rate interface
    }
}

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

int BaudRateValue(TComPortBaudRate rate) {
    const int i = static_cast<int>(rate);
    return (i >= 0 && i < static_cast<int>(std::size(kRates))) ? kRates[i] : 9600;
}

TCommPortDriver::TCommPortDriver(QObject* parent) : QObject(parent), receiveBlock_(inBufSize_) {
    pollTimer_.setTimerType(Qt::PreciseTimer);
    connect(&pollTimer_, &QTimer::timeout, this, &TCommPortDriver::PollReceive);
}

TCommPortDriver::~TCommPortDriver() {
    Close();
}

std::string TCommPortDriver::DevicePath(TComPortNumber port) {
    const int n = static_cast<int>(port) + 1;
    const std::string variable = "ORVANT_COM" + std::to_string(n);
    if (const char* path = std::getenv(variable.c_str()); path && *path)
        return path;
    return "/dev/ttyS" + std::to_string(n - 1);
}

std::string TCommPortDriver::OpenFailureReason(const std::string& path, int error) {
    std::string reason = std::string(std::strerror(error)) + ": " + path;
    if (error != EACCES && error != EPERM)
        return reason;
    // Serial devices are usually opened to a group (dialout, uucp, ...); name the group the
    // device itself belongs to, when that group may read and write it.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || (st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return reason;
    const struct group* group = ::getgrgid(st.st_gid);
    if (!group || !group->gr_name)
        return reason;
    const std::string name = group->gr_name;
    return reason + " belongs to group " + name + "; add your user to it with usermod -aG " + name +
           " $USER and log in again";
}

bool TCommPortDriver::Open() {
    emit beep();
    if (IsOpen())
        return true;
    lastOpenFailure_.clear();
    const std::string path = DevicePath(comPort_);
    // Never created: a missing device is a failure, not a new file.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastOpenFailure_ = OpenFailureReason(path, errno);
        return false;
    }
    // Only a terminal is a serial line; and only one user at a time. flock keeps out a
    // second opener even with administrator rights, TIOCEXCL keeps out other programs.
    if (!::isatty(fd)) {
        ::close(fd);
        lastOpenFailure_ = "Not a serial line: " + path;
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        lastOpenFailure_ = "In use by another program: " + path;
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    fd_ = fd;
    ApplyLineSettings();
    // Reads return at once with what is there (non-blocking descriptor); writes return
    // once the bytes are queued, and Send bounds the wait for room itself.
    pollTimer_.start(pollingDelay_);
    return true;
}

void TCommPortDriver::Close() {
    if (!IsOpen())
        return;
    pollTimer_.stop();
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

LineControl TCommPortDriver::BuildLineControl() const {
    LineControl c;
    c.baudRate = BaudRateValue(speed_);
    c.binary = true;
    c.dtrEnabled = enableDtr_;
    if (hw_ == hhRTSCTS) {
        c.outCtsFlow = true;
        c.rtsHandshake = true;
    }
    if (sw_ == shXONXOFF) {
        c.outXonXoff = true;
        c.inXonXoff = true;
    }
    c.xonLimit = inBufSize_ / 4;
    c.xoffLimit = 1;
    c.dataBits = static_cast<int>(dataBits_) + 5;
    c.parity = parity_;
    c.parityCheck = false;
    c.stopBits = stopBits_;
    c.xonChar = 0x11;
    c.xoffChar = 0x13;
    return c;
}

void TCommPortDriver::ApplyLineSettings() {
    if (!IsOpen())
        return;
    const LineControl c = BuildLineControl();
    // Built from zero: binary (raw) mode, no echo, no translation of CR or LF, reads that
    // return at once.
    termios tio{};
    tio.c_cflag = CREAD | CLOCAL;
    switch (c.dataBits) {
    case 5:
        tio.c_cflag |= CS5;
        break;
    case 6:
        tio.c_cflag |= CS6;
        break;
    case 7:
        tio.c_cflag |= CS7;
        break;
    default:
        tio.c_cflag |= CS8;
        break;
    }
    switch (c.parity) {
    case ptNONE:
        break;
    case ptODD:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case ptEVEN:
        tio.c_cflag |= PARENB;
        break;
    case ptMARK:
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case ptSPACE:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    }
    if (c.stopBits != sb1BITS)
        tio.c_cflag |= CSTOPB; // 1.5 stop bits exist only with 5 data bits: the UART's choice
    if (c.outCtsFlow || c.rtsHandshake)
        tio.c_cflag |= CRTSCTS;
    if (c.outXonXoff)
        tio.c_iflag |= IXON;
    if (c.inXonXoff)
        tio.c_iflag |= IXOFF;
    tio.c_cc[VSTART] = c.xonChar;
    tio.c_cc[VSTOP] = c.xoffChar;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = SpeedConstant(c.baudRate);
    if (speed != B0) {
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
    } else {
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
    }
    // Failures of the device calls are ignored: a pseudo-terminal, for example, has no
    // modem lines.
    ::tcsetattr(fd_, TCSANOW, &tio);
    if (speed == B0)
        SetCustomBaudRate(fd_, c.baudRate);
    int dtr = TIOCM_DTR;
    ::ioctl(fd_, c.dtrEnabled ? TIOCMBIS : TIOCMBIC, &dtr);
    Purge(true, true);
    // The kernel sizes its queues itself; ComPortInBufSize still bounds one read and
    // ComPortOutBufSize the free space reported by OutputFreeSpace.
}

void TCommPortDriver::Purge(bool input, bool output) {
    if (!IsOpen() || (!input && !output))
        return;
    ::tcflush(fd_, input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH));
}

quint16 TCommPortDriver::OutputFreeSpace() const {
    if (!IsOpen())
        return 0xFFFF;
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued < 0)
        queued = 0;
    return queued >= outBufSize_ ? 0 : static_cast<quint16>(outBufSize_ - queued);
}

int TCommPortDriver::Send(const char* data, int count) {
    lastSendError_ = 0;
    if (!IsOpen())
        return 0;
    int written = 0;
    std::int64_t start = NowMs();
    while (written < count) {
        bool progress = false;
        if (OutputFreeSpace() > 0) {
            const ssize_t n = ::write(fd_, data + written, static_cast<size_t>(count - written));
            if (n > 0) {
                written += static_cast<int>(n);
                start = NowMs();
                progress = true;
            } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                lastSendError_ = errno;
                return -written; // the device refuses the write outright
            }
        }
        if (!progress) {
            if (NowMs() - start > outputTimeout_)
                return -written;
            // Wait a little for room instead of spinning on the device.
            pollfd p{fd_, POLLOUT, 0};
            ::poll(&p, 1, 5);
        }
    }
    return written;
}

void TCommPortDriver::PollReceive() {
    if (!IsOpen() || receiveBlock_.empty())
        return;
    const ssize_t n = ::read(fd_, receiveBlock_.data(), receiveBlock_.size());
    if (n > 0)
        emit OnReceiveData(this, receiveBlock_.data(), static_cast<int>(n));
}

void TCommPortDriver::SetComPort(TComPortNumber port) {
    if (!IsOpen())
        comPort_ = port;
}

void TCommPortDriver::SetComPortSpeed(TComPortBaudRate speed) {
    speed_ = speed;
    ApplyLineSettings();
}

void TCommPortDriver::SetComPortDataBits(TComPortDataBits bits) {
    dataBits_ = bits;
    ApplyLineSettings();
}

void TCommPortDriver::SetComPortStopBits(TComPortStopBits bits) {
    stopBits_ = bits;
    ApplyLineSettings();
}

void TCommPortDriver::SetComPortParity(TComPortParity parity) {
    parity_ = parity;
    ApplyLineSettings();
}

void TCommPortDriver::SetComPortHwHandshaking(TComPortHwHandshaking hw) {
    hw_ = hw;
    ApplyLineSettings();
}

void TCommPortDriver::SetComPortSwHandshaking(TComPortSwHandshaking sw) {
    sw_ = sw;
    ApplyLineSettings();
}

void TCommPortDriver::SetComPortInBufSize(quint16 size) {
    if (IsOpen())
        return;
    inBufSize_ = size;
    receiveBlock_.assign(size, 0);
}

void TCommPortDriver::SetComPortOutBufSize(quint16 size) {
    outBufSize_ = size;
}

void TCommPortDriver::SetComPortPollingDelay(quint16 ms) {
    if (ms == pollingDelay_)
        return;
    pollingDelay_ = ms;
    if (IsOpen())
        pollTimer_.start(pollingDelay_);
}

void TCommPortDriver::SetEnableDTROnOpen(bool enable) {
    enableDtr_ = enable;
}

void TCommPortDriver::SetOutputTimeout(quint16 ms) {
    outputTimeout_ = ms;
}

} // namespace orvant
