#include "link_fixture.h"

#include "link/comm_port_driver.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

namespace orvant::test {
namespace {

// Collects what OnReceiveData delivers.
struct Received {
    explicit Received(TCommPortDriver& port) {
        QObject::connect(&port, &TCommPortDriver::OnReceiveData,
                         [this](TCommPortDriver*, const char* data, int size) {
                             bytes.insert(bytes.end(), data, data + size);
                             ++blocks;
                         });
    }
    std::vector<char> bytes;
    int blocks = 0;
};

void Settle(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

TEST(CommPortDriver, DefaultsAtCreation) {
    TCommPortDriver port;
    EXPECT_EQ(port.ComPort(), pnCOM1);
    EXPECT_EQ(port.ComPortSpeed(), br9600);
    EXPECT_EQ(port.ComPortDataBits(), db8BITS);
    EXPECT_EQ(port.ComPortStopBits(), sb1BITS);
    EXPECT_EQ(port.ComPortParity(), ptNONE);
    EXPECT_EQ(port.ComPortHwHandshaking(), hhNONE);
    EXPECT_EQ(port.ComPortSwHandshaking(), shNONE);
    EXPECT_EQ(port.ComPortInBufSize(), 2048);
    EXPECT_EQ(port.ComPortOutBufSize(), 4096);
    EXPECT_EQ(port.ComPortPollingDelay(), 50);
    EXPECT_TRUE(port.EnableDTROnOpen());
    EXPECT_EQ(port.OutputTimeout(), 2000);
    EXPECT_EQ(port.ReceiveBlockSize(), 2048u);
    EXPECT_FALSE(port.IsOpen());
}

TEST(CommPortDriver, LineControlFromProperties) {
    TCommPortDriver port;
    LineControl plain;
    plain.baudRate = 9600;
    plain.binary = true;
    plain.dtrEnabled = true;
    plain.xonLimit = 512;
    plain.xoffLimit = 1;
    plain.dataBits = 8;
    plain.xonChar = 0x11;
    plain.xoffChar = 0x13;
    // With no handshaking and DTR on, binary mode and DTR are the only options set.
    EXPECT_EQ(port.BuildLineControl(), plain);

    port.SetComPortHwHandshaking(hhRTSCTS);
    port.SetComPortSwHandshaking(shXONXOFF);
    port.SetComPortDataBits(db7BITS);
    port.SetComPortParity(ptMARK);
    port.SetComPortStopBits(sb2BITS);
    port.SetComPortSpeed(br56000);
    port.SetEnableDTROnOpen(false);
    port.SetComPortInBufSize(1001);
    LineControl all = plain;
    all.baudRate = 56000;
    all.dtrEnabled = false;
    all.outCtsFlow = all.rtsHandshake = true;
    all.outXonXoff = all.inXonXoff = true;
    all.xonLimit = 250;
    all.dataBits = 7;
    all.parity = ptMARK;
    all.stopBits = sb2BITS;
    EXPECT_EQ(port.BuildLineControl(), all);
}

TEST(CommPortDriver, BaudRateValues) {
    const int expected[] = {110,   300,   600,   1200,  2400,  4800,  9600,
                            14400, 19200, 38400, 56000, 57600, 115200};
    for (int i = 0; i <= br115200; ++i)
        EXPECT_EQ(BaudRateValue(static_cast<TComPortBaudRate>(i)), expected[i]) << i;
}

TEST(CommPortDriver, DevicePathFromEnvironmentOrTtyS) {
    ::unsetenv("ORVANT_COM5");
    EXPECT_EQ(TCommPortDriver::DevicePath(pnCOM5), "/dev/ttyS4");
    PointChannelAt(5, "/dev/ttyUSB0");
    EXPECT_EQ(TCommPortDriver::DevicePath(pnCOM5), "/dev/ttyUSB0");
    ::unsetenv("ORVANT_COM5");
}

TEST(CommPortDriver, ClosedPortSendsNothing) {
    TCommPortDriver port;
    EXPECT_EQ(port.Send("K\r", 2), 0);
    EXPECT_EQ(port.OutputFreeSpace(), 65535);
    port.Purge(true, true);
    port.PollReceive();
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST(CommPortDriver, OpenFailsCleanlyOnDevicesThatAreNoSerialLine) {
    char file[] = "/tmp/orvant-not-a-tty-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const std::string missing = std::string(file) + "-missing";
    struct Case {
        std::string path;
        std::string reason; // what LastOpenFailure says
    };
    const Case cases[] = {{missing, "No such file or directory: " + missing},
                          {file, "Not a serial line: " + std::string(file)}};
    for (const auto& [path, reason] : cases) {
        PointChannelAt(6, path);
        TCommPortDriver port;
        port.SetComPort(pnCOM6);
        int beeps = 0;
        QObject::connect(&port, &TCommPortDriver::beep, [&] { ++beeps; });
        EXPECT_FALSE(port.Open()) << path;
        EXPECT_FALSE(port.IsOpen()) << path;
        EXPECT_EQ(beeps, 1) << path;
        EXPECT_EQ(port.PollTimerInterval(), -1);
        EXPECT_EQ(port.LastOpenFailure(), reason);
    }
    // Opening never creates the device.
    EXPECT_NE(::access(missing.c_str(), F_OK), 0);
    ::unlink(file);
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, OpenIsExclusiveAndBeepsOnEveryCall) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    int beeps = 0;
    QObject::connect(&port, &TCommPortDriver::beep, [&] { ++beeps; });
    ASSERT_TRUE(port.Open());
    EXPECT_EQ(port.PollTimerInterval(), 50);
    EXPECT_TRUE(port.Open()); // already open: true, not reopened
    EXPECT_EQ(beeps, 2);

    TCommPortDriver second;
    second.SetComPort(pnCOM6);
    EXPECT_FALSE(second.Open());
    // Refused by the terminal's exclusive mode (a user) or by the lock (an administrator).
    EXPECT_TRUE(second.LastOpenFailure().ends_with(": " + pty.SlavePath()))
        << second.LastOpenFailure();

    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PollTimerInterval(), -1);
    EXPECT_TRUE(second.Open());
    EXPECT_EQ(second.LastOpenFailure(), "");
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, RefusedPermissionNamesTheGroupOfTheDevice) {
    char file[] = "/tmp/orvant-device-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    ::close(fd);
    struct stat st {};
    ASSERT_EQ(::stat(file, &st), 0);
    const struct group* group = ::getgrgid(st.st_gid);
    ASSERT_NE(group, nullptr);
    const std::string name = group->gr_name;
    const std::string path = file;
    struct Case {
        const char* name;
        mode_t mode;
        std::string reason;
    };
    const Case cases[] = {
        {"group may read and write", 0660,
         "Permission denied: " + path + " belongs to group " + name +
             "; add your user to it with usermod -aG " + name + " $USER and log in again"},
        // Joining the group would not help: no hint.
        {"owner only", 0600, "Permission denied: " + path},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(::chmod(file, c.mode), 0);
        EXPECT_EQ(TCommPortDriver::OpenFailureReason(path, EACCES), c.reason);
    }
    ::unlink(file);
}

TEST(CommPortDriver, UnreadableTerminalGivesThePermissionReason) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop the open, so the refused "
                        "permission of a device cannot be shown";
    RawPty pty;
    ASSERT_EQ(::chmod(pty.SlavePath().c_str(), 0), 0);
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    EXPECT_FALSE(port.Open());
    EXPECT_TRUE(port.LastOpenFailure().starts_with("Permission denied: " + pty.SlavePath()))
        << port.LastOpenFailure();
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, ComPortAndInBufSizeWaitForClose) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    PointChannelAt(5, "/nonexistent/orvant-device");
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    ASSERT_TRUE(port.Open());
    port.SetComPort(pnCOM5);
    port.SetComPortInBufSize(16);
    EXPECT_EQ(port.ComPort(), pnCOM6);
    EXPECT_EQ(port.ComPortInBufSize(), 2048);
    EXPECT_EQ(port.ReceiveBlockSize(), 2048u);
    port.Close();
    port.SetComPort(pnCOM5);
    port.SetComPortInBufSize(16);
    EXPECT_EQ(port.ComPort(), pnCOM5);
    EXPECT_EQ(port.ReceiveBlockSize(), 16u);
    EXPECT_FALSE(port.Open()); // COM5 is missing
    ::unsetenv("ORVANT_COM5");
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, PollingDelayRestartsTheRunningTimer) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    port.SetComPortPollingDelay(20);
    EXPECT_EQ(port.PollTimerInterval(), -1);
    ASSERT_TRUE(port.Open());
    EXPECT_EQ(port.PollTimerInterval(), 20);
    port.SetComPortPollingDelay(35);
    EXPECT_EQ(port.PollTimerInterval(), 35);
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, ReadsRawBytesOneBlockPerPoll) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    Received received(port);
    ASSERT_TRUE(port.Open());
    EXPECT_GT(port.OutputFreeSpace(), 0);
    EXPECT_LE(port.OutputFreeSpace(), 4096);
    // Bytes a cooked line would change (CR to LF, ^C as a signal) arrive as they are.
    pty.Write({0x03, 0x0D, 0x0A, 0x11, 0x13, 0xFF, 0x00});
    Settle(0.05);
    port.PollReceive();
    EXPECT_EQ(received.bytes,
              (std::vector<char>{'\x03', '\x0d', '\x0a', '\x11', '\x13', '\xff', '\x00'}));
    EXPECT_EQ(received.blocks, 1);
    port.PollReceive(); // nothing more: no delivery
    EXPECT_EQ(received.blocks, 1);
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, PollTimerDeliversWhileEventsAreServiced) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    Received received(port);
    ASSERT_TRUE(port.Open());
    pty.Write({'A'});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (received.bytes.empty() && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(received.bytes, std::vector<char>{'A'});
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, ChangingTheSpeedWhileOpenPurgesBothQueues) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    Received received(port);
    ASSERT_TRUE(port.Open());
    pty.Write({1, 2, 3});
    Settle(0.05);
    port.SetComPortSpeed(br4800);
    port.PollReceive();
    EXPECT_TRUE(received.bytes.empty());
    EXPECT_EQ(port.ComPortSpeed(), br4800);
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, SendWritesEveryByte) {
    RawPty pty;
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    ASSERT_TRUE(port.Open());
    const std::string text = "V1500\r";
    EXPECT_EQ(port.Send(text.data(), static_cast<int>(text.size())), 6);
    const auto bytes = pty.Read(6);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text);
    ::unsetenv("ORVANT_COM6");
}

TEST(CommPortDriver, SendGivesUpWithMinusTheBytesWrittenWhenNothingDrains) {
    RawPty pty; // nobody reads the master side: the line fills up
    PointChannelAt(6, pty.SlavePath());
    TCommPortDriver port;
    port.SetComPort(pnCOM6);
    port.SetOutputTimeout(100);
    ASSERT_TRUE(port.Open());
    std::vector<char> big(1 << 20, 'x');
    const auto start = std::chrono::steady_clock::now();
    const int result = port.Send(big.data(), static_cast<int>(big.size()));
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(result, 0);
    EXPECT_GT(-result, 0);
    EXPECT_LT(-result, static_cast<int>(big.size()));
    EXPECT_GE(took, 0.1); // gave up only after the output time-out without progress
    ::unsetenv("ORVANT_COM6");
}

} // namespace
} // namespace orvant::test
