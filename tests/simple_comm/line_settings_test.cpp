// Device names, the settings chosen by the mask, and raw byte transport in both directions.

#include "simple_comm/serial_device.h"

#include "byte_recorder.h"
#include "port_fixture.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <termios.h>

namespace orvant::test {
namespace {

using namespace std::chrono_literals;

class SimpleCommLineSettings : public SimpleCommFixture {};

TEST_F(SimpleCommLineSettings, DeviceNamesMapComChannelsToPaths) {
    ::setenv("ORVANT_COM3", "/dev/pts/7", 1);
    ::setenv("ORVANT_COM12", "/dev/ttyUSB0", 1);
    ::unsetenv("ORVANT_COM1");
    ::unsetenv("ORVANT_COM2");
    struct Case {
        const char* name;
        const char* path;
    };
    const Case cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM2", "/dev/ttyS1"},
        {"com2", "/dev/ttyS1"},
        {"COM3", "/dev/pts/7"},
        {"COM12", "/dev/ttyUSB0"},
        {"COM10", "/dev/ttyS9"},
        {"COM", "COM"},
        {"COM0", "COM0"},
        {"COM01", "COM01"},
        {"COM1x", "COM1x"},
        {"COMx", "COMx"},
        {"COM-1", "COM-1"},
        {"COM99999", "COM99999"},
        {"/dev/ttyUSB1", "/dev/ttyUSB1"},
        {"", ""},
        {"XCOM1", "XCOM1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(simple_comm::DevicePathFor(c.name), c.path) << c.name;
    }
    ::unsetenv("ORVANT_COM3");
    ::unsetenv("ORVANT_COM12");
}

TEST_F(SimpleCommLineSettings, ComNameOpensTheMappedDevice) {
    PtyPair pty;
    ::setenv("ORVANT_COM4", pty.slavePath().c_str(), 1);
    std::int32_t slot = -1;
    EXPECT_EQ(Simple_Comm_Open("COM4", 9600, 8, 0, 0, 0xF, nullptr, 5000, &slot), SIMPLE_COMM_OK);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(Simple_Comm_Write(slot, "U20\r", 4), SIMPLE_COMM_OK);
    EXPECT_EQ(pty.Receive(4, 5s), "U20\r");
    ::unsetenv("ORVANT_COM4");
}

struct Flags {
    speed_t speed;
    tcflag_t size;
    tcflag_t parity; // PARENB / PARODD / CMSPAR
    bool twoStopBits;
};

constexpr tcflag_t kParityBits = PARENB | PARODD | CMSPAR;

Flags FlagsOf(const termios& t) {
    return {cfgetospeed(&t), t.c_cflag & CSIZE, t.c_cflag & kParityBits, (t.c_cflag & CSTOPB) != 0};
}

termios WithFlags(termios t, const Flags& f) {
    cfsetispeed(&t, f.speed);
    cfsetospeed(&t, f.speed);
    t.c_cflag = (t.c_cflag & ~(CSIZE | kParityBits | CSTOPB)) | f.size | f.parity |
                (f.twoStopBits ? CSTOPB : 0);
    return t;
}

void ExpectFlags(const Flags& got, const Flags& want) {
    EXPECT_EQ(got.speed, want.speed);
    EXPECT_EQ(got.size, want.size);
    EXPECT_EQ(got.parity, want.parity);
    EXPECT_EQ(got.twoStopBits, want.twoStopBits);
}

TEST(SimpleCommLineFlags, MaskChoosesWhichSettingsApply) {
    const Flags before{B1200, CS7, PARENB | PARODD, true};
    struct Case {
        const char* name;
        simple_comm::LineSettings settings; // rate, size, parity, stop bits, mask
        int status;
        Flags after;
    };
    const Case cases[] = {
        {"mask 0 keeps everything", {9600, 8, 2, 0, 0x0}, 0, before},
        {"rate", {9600, 8, 2, 0, 0x1}, 0, {B9600, CS7, PARENB | PARODD, true}},
        {"byte size", {9600, 8, 2, 0, 0x2}, 0, {B1200, CS8, PARENB | PARODD, true}},
        {"parity", {9600, 8, 2, 0, 0x4}, 0, {B1200, CS7, PARENB, true}},
        {"stop bits", {9600, 8, 2, 0, 0x8}, 0, {B1200, CS7, PARENB | PARODD, false}},
        {"everything", {9600, 8, 2, 0, 0xF}, 0, {B9600, CS8, PARENB, false}},
        {"unknown mask bits", {9600, 8, 2, 0, 0xF0}, 0, before},
        {"a clear bit ignores a bad value", {9600, 8, 2, 1, 0x7}, 0, {B9600, CS8, PARENB, true}},
        {"no parity", {0, 0, 0, 0, 0x4}, 0, {B1200, CS7, 0, true}},
        {"odd parity", {0, 0, 1, 0, 0x4}, 0, {B1200, CS7, PARENB | PARODD, true}},
        {"mark parity", {0, 0, 3, 0, 0x4}, 0, {B1200, CS7, PARENB | PARODD | CMSPAR, true}},
        {"space parity", {0, 0, 4, 0, 0x4}, 0, {B1200, CS7, PARENB | CMSPAR, true}},
        {"five data bits", {0, 5, 0, 0, 0x2}, 0, {B1200, CS5, PARENB | PARODD, true}},
        {"six data bits", {0, 6, 0, 0, 0x2}, 0, {B1200, CS6, PARENB | PARODD, true}},
        {"two stop bits", {0, 0, 0, 2, 0x8}, 0, before},
        {"115200 bit/s", {115200, 0, 0, 0, 0x1}, 0, {B115200, CS7, PARENB | PARODD, true}},
        {"one and a half stop bits", {0, 0, 0, 1, 0x8}, EINVAL, before},
        {"stop bits 3", {0, 0, 0, 3, 0x8}, EINVAL, before},
        {"byte size 9", {0, 9, 0, 0, 0x2}, EINVAL, before},
        {"parity 5", {0, 0, 5, 0, 0x4}, EINVAL, before},
        {"non-standard rate", {12345, 0, 0, 0, 0x1}, EINVAL, before},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        termios t = WithFlags(termios{}, before);
        EXPECT_EQ(simple_comm::ApplyLineSettings(&t, c.settings), c.status);
        if (c.status == 0) {
            ExpectFlags(FlagsOf(t), c.after);
        }
    }
}

TEST_F(SimpleCommLineSettings, MaskChoosesWhatTheDeviceGets) {
    // A pseudo-terminal holds a rate and the stop bits (it always has 8 data bits and no
    // parity). It starts at 1200 bit/s with two stop bits; the open asks for 9600 8N1.
    const Flags before{B1200, CS8, 0, true};
    struct Case {
        const char* name;
        std::uint32_t mask;
        Flags after;
    };
    const Case cases[] = {
        {"mask 0 keeps the device's settings", 0x0, before},
        {"rate only", 0x1, {B9600, CS8, 0, true}},
        {"stop bits only", 0x8, {B1200, CS8, 0, false}},
        {"everything", 0xF, {B9600, CS8, 0, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPair pty;
        const int own = pty.OpenSlave();
        termios t{};
        ASSERT_EQ(::tcgetattr(own, &t), 0);
        ASSERT_EQ(::tcsetattr(own, TCSANOW, &(t = WithFlags(t, before))), 0);
        std::int32_t slot = -1;
        ASSERT_EQ(Simple_Comm_Open(pty.slavePath().c_str(), 9600, 8, SIMPLE_COMM_PARITY_NONE,
                                   SIMPLE_COMM_ONE_STOPBIT, c.mask, nullptr, 5000, &slot),
                  SIMPLE_COMM_OK);
        ASSERT_EQ(::tcgetattr(own, &t), 0);
        ExpectFlags(FlagsOf(t), c.after);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u) << "raw";
        EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
    }
}

TEST_F(SimpleCommLineSettings, FarEndBytesArriveUnchanged) {
    // Bytes that a cooked terminal would turn into signals, line ends, flow control or
    // editing, must reach the receiver as they were sent.
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"carriage return", "\r"},
        {"interrupt and quit", "\x03\x1c"},
        {"XON and XOFF", "\x13\x11"},
        {"end of file and erase", std::string("\x04\x7f\x08\x15", 4)},
        {"line feed and NUL", std::string("\n\0", 2)},
        {"high bytes", "\xff\x80"},
        {"reply with line end", "A\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPair pty;
        ByteRecorder recorder;
        const std::int32_t slot = OpenPty(pty, recorder.window(), 5000);
        pty.Send(c.bytes);
        EXPECT_TRUE(recorder.WaitForBytes(c.bytes.size(), 5s));
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(recorder.bytes(), c.bytes);
        EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
    }
}

} // namespace
} // namespace orvant::test
