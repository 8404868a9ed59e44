// The five slots, the open-port count, the caller's slot variable on failures, and writing.

#include "port_fixture.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace orvant::test {
namespace {

using namespace std::chrono_literals;

class SimpleCommPortTable : public SimpleCommFixture {};

TEST_F(SimpleCommPortTable, SixthOpenIsRefusedAndLeavesTheSlotVariable) {
    std::vector<std::unique_ptr<PtyPair>> ptys;
    for (int i = 0; i < 6; ++i) {
        ptys.push_back(std::make_unique<PtyPair>());
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(OpenPty(*ptys[i]), i);
        EXPECT_EQ(Simple_Comm_PortCount(), i + 1);
    }
    std::int32_t slot = 77;
    EXPECT_EQ(
        Simple_Comm_Open(ptys[5]->slavePath().c_str(), 9600, 8, 0, 0, 0xF, nullptr, 5000, &slot),
        SIMPLE_COMM_BAD_SLOT);
    EXPECT_EQ(slot, 77);
    EXPECT_EQ(Simple_Comm_PortCount(), 5);
    // The sixth device was not touched: it can be opened once a slot is free.
    EXPECT_EQ(Simple_Comm_Close(2), SIMPLE_COMM_OK);
    EXPECT_EQ(OpenPty(*ptys[5]), 2);
}

struct FailedOpen {
    const char* name;
    // Returns the name to open; the pair is a fresh pseudo-terminal.
    std::function<std::string(PtyPair&)> device;
    std::uint32_t baud;
    std::uint8_t byteSize;
    std::uint8_t parity;
    std::uint8_t stopBits;
    std::uint32_t mask;
    int expected;
};

std::string Slave(PtyPair& pty) {
    return pty.slavePath();
}

TEST_F(SimpleCommPortTable, FailedOpenGivesItsErrorAndUndoesEverything) {
    const std::vector<FailedOpen> cases = {
        {"missing device", [](PtyPair&) { return std::string("/nonexistent/orvant-tty"); }, 9600, 8,
         0, 0, 0xF, ENOENT},
        {"not a serial device", [](PtyPair&) { return std::string("/dev/null"); }, 9600, 8, 0, 0,
         0xF, ENOTTY},
        {"COM name mapped to a missing path",
         [](PtyPair&) {
             ::setenv("ORVANT_COM9", "/nonexistent/orvant-com9", 1);
             return std::string("COM9");
         },
         9600, 8, 0, 0, 0xF, ENOENT},
        {"one and a half stop bits", Slave, 9600, 8, 0, 1, 0xF, EINVAL},
        {"unknown stop bits", Slave, 9600, 8, 0, 3, 0x8, EINVAL},
        {"byte size 9", Slave, 9600, 9, 0, 0, 0x2, EINVAL},
        {"byte size 4", Slave, 9600, 4, 0, 0, 0x2, EINVAL},
        {"byte size the device cannot take", Slave, 9600, 7, 0, 0, 0x2, EINVAL},
        {"unknown parity", Slave, 9600, 8, 5, 0, 0x4, EINVAL},
        {"parity the device cannot take", Slave, 9600, 8, 1, 0, 0x4, EINVAL},
        {"non-standard rate", Slave, 12345, 8, 0, 0, 0x1, EINVAL},
        {"rate zero", Slave, 0, 8, 0, 0, 0x1, EINVAL},
    };
    for (const FailedOpen& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPair pty;
        const std::string device = c.device(pty);
        const int descriptors = OpenDescriptorCount();
        std::int32_t slot = 42;
        EXPECT_EQ(Simple_Comm_Open(device.c_str(), c.baud, c.byteSize, c.parity, c.stopBits, c.mask,
                                   nullptr, 5000, &slot),
                  c.expected);
        EXPECT_EQ(slot, 42);
        EXPECT_EQ(Simple_Comm_PortCount(), 0);
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << "device left open";
        // Nothing stays locked: a correct open of a pseudo-terminal still succeeds.
        ASSERT_EQ(OpenPty(pty), 0);
        EXPECT_EQ(Simple_Comm_Close(0), SIMPLE_COMM_OK);
    }
    ::unsetenv("ORVANT_COM9");
}

TEST_F(SimpleCommPortTable, SecondOpenOfTheSameDeviceIsRefused) {
    PtyPair pty;
    ASSERT_EQ(OpenPty(pty), 0);
    std::int32_t slot = 42;
    EXPECT_EQ(Simple_Comm_Open(pty.slavePath().c_str(), 9600, 8, 0, 0, 0xF, nullptr, 5000, &slot),
              EBUSY);
    EXPECT_EQ(slot, 42);
    EXPECT_EQ(Simple_Comm_PortCount(), 1);
    EXPECT_EQ(Simple_Comm_Close(0), SIMPLE_COMM_OK);
    EXPECT_EQ(OpenPty(pty), 0) << "closing must give up exclusivity";
}

TEST_F(SimpleCommPortTable, MissingArgumentsAreRefusedWithoutOpening) {
    PtyPair pty;
    std::int32_t slot = 42;
    EXPECT_EQ(Simple_Comm_Open(nullptr, 9600, 8, 0, 0, 0xF, nullptr, 5000, &slot), EFAULT);
    EXPECT_EQ(slot, 42);
    EXPECT_EQ(Simple_Comm_Open(pty.slavePath().c_str(), 9600, 8, 0, 0, 0xF, nullptr, 5000, nullptr),
              EFAULT);
    EXPECT_EQ(Simple_Comm_PortCount(), 0);
    EXPECT_EQ(OpenPty(pty), 0);
}

TEST_F(SimpleCommPortTable, WriteAndCloseRefuseSlotsThatAreNotOpen) {
    PtyPair pty;
    ASSERT_EQ(OpenPty(pty), 0);
    PtyPair other;
    ASSERT_EQ(OpenPty(other), 1);
    ASSERT_EQ(Simple_Comm_Close(1), SIMPLE_COMM_OK);

    struct Case {
        const char* name;
        std::int32_t slot;
    };
    const Case cases[] = {
        {"slot 5", 5}, {"slot -1", -1},        {"never opened", 3},
        {"closed", 1}, {"far above", INT_MAX}, {"far below", INT_MIN},
    };
    const char bytes[] = "V1500\r";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Simple_Comm_Write(c.slot, bytes, 6), SIMPLE_COMM_BAD_SLOT);
        EXPECT_EQ(Simple_Comm_Close(c.slot), SIMPLE_COMM_BAD_SLOT);
        EXPECT_EQ(Simple_Comm_PortCount(), 1);
    }
    EXPECT_EQ(Simple_Comm_Close(0), SIMPLE_COMM_OK);
    EXPECT_EQ(Simple_Comm_Close(0), SIMPLE_COMM_BAD_SLOT) << "closing twice";
    EXPECT_EQ(Simple_Comm_PortCount(), 0);
}

TEST_F(SimpleCommPortTable, LowestFreeSlotIsTakenFirst) {
    PtyPair a, b, c, d, e;
    ASSERT_EQ(OpenPty(a), 0);
    ASSERT_EQ(OpenPty(b), 1);
    ASSERT_EQ(OpenPty(c), 2);
    ASSERT_EQ(Simple_Comm_Close(1), SIMPLE_COMM_OK);
    EXPECT_EQ(OpenPty(d), 1);
    ASSERT_EQ(Simple_Comm_Close(0), SIMPLE_COMM_OK);
    ASSERT_EQ(Simple_Comm_Close(2), SIMPLE_COMM_OK);
    EXPECT_EQ(OpenPty(e), 0);
    EXPECT_EQ(OpenPty(b), 2);
    EXPECT_EQ(Simple_Comm_PortCount(), 3);
}

TEST_F(SimpleCommPortTable, WriteHandsOverExactlyTheBytes) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"command line with carriage return", "V1500\r"},
        {"line feed alone", "\n"},
        {"control and flow-control bytes", std::string("\x00\x03\x04\x11\x13\x1a\x7f", 7)},
        {"high bytes", "\xff\x80\xfe"},
        {"nothing", ""},
        {"a block larger than the terminal buffer", std::string(20000, 'x')},
    };
    PtyPair pty;
    const std::int32_t slot = OpenPty(pty);
    ASSERT_EQ(slot, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string received;
        std::thread farEnd([&] { received = pty.Receive(c.bytes.size(), 5s); });
        EXPECT_EQ(
            Simple_Comm_Write(slot, c.bytes.data(), static_cast<std::uint32_t>(c.bytes.size())),
            SIMPLE_COMM_OK);
        farEnd.join();
        EXPECT_EQ(received, c.bytes);
    }
    EXPECT_EQ(pty.Receive(1, 50ms), "") << "nothing more was sent";
}

TEST_F(SimpleCommPortTable, WriteWithoutBufferIsRefused) {
    PtyPair pty;
    const std::int32_t slot = OpenPty(pty);
    EXPECT_EQ(Simple_Comm_Write(slot, nullptr, 3), EFAULT);
    EXPECT_EQ(Simple_Comm_Write(slot, nullptr, 0), SIMPLE_COMM_OK);
}

TEST_F(SimpleCommPortTable, FarEndGoneWriteFailsAndCloseStillReleasesEverything) {
    const int descriptors = OpenDescriptorCount();
    {
        PtyPair pty;
        const std::int32_t slot = OpenPty(pty);
        ASSERT_EQ(slot, 0);
        pty.CloseMaster();
        const std::int32_t written = Simple_Comm_Write(slot, "X", 1);
        EXPECT_NE(written, SIMPLE_COMM_OK);
        EXPECT_NE(written, SIMPLE_COMM_BAD_SLOT);
        // The purge of a hung-up terminal may fail; the code is reported, but the reader
        // ends, the device is closed and the slot is free again all the same.
        EXPECT_NE(Simple_Comm_Close(slot), SIMPLE_COMM_BAD_SLOT);
        EXPECT_EQ(Simple_Comm_PortCount(), 0);
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    PtyPair next;
    EXPECT_EQ(OpenPty(next), 0);
}

} // namespace
} // namespace orvant::test
