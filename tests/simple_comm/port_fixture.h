#pragma once
// Base fixture for the serial library tests: every slot is closed after each test.

#include "simple_comm/simple_comm.h"

#include "support/pty_pair.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace orvant::test {

class SimpleCommFixture : public ::testing::Test {
protected:
    void TearDown() override {
        for (int slot = 0; slot < SIMPLE_COMM_SLOTS; ++slot) {
            Simple_Comm_Close(slot);
        }
        EXPECT_EQ(Simple_Comm_PortCount(), 0);
    }

    // Opens the pseudo-terminal's slave at 9600 8N1; returns the slot, -1 on failure.
    static std::int32_t OpenPty(const PtyPair& pty, NotifyWindow window = nullptr,
                                std::uint32_t message = SIMPLE_COMM_NO_NOTIFY) {
        std::int32_t slot = -1;
        const std::int32_t status =
            Simple_Comm_Open(pty.slavePath().c_str(), 9600, 8, SIMPLE_COMM_PARITY_NONE,
                             SIMPLE_COMM_ONE_STOPBIT, 0xF, window, message, &slot);
        EXPECT_EQ(status, SIMPLE_COMM_OK) << pty.slavePath();
        return status == SIMPLE_COMM_OK ? slot : -1;
    }
};

} // namespace orvant::test
