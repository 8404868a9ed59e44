// Delivery of received bytes: what is notified, in which order, and how closing and
// unregistering end deliveries without waiting on the receiver.

#include "byte_recorder.h"
#include "port_fixture.h"

#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <unistd.h>

namespace orvant::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Closing must never sit out the reader's ten-second grace time.
constexpr auto kPromptly = 5s;

class SimpleCommNotification : public SimpleCommFixture {};

// Waits until the reader has taken every byte out of the terminal.
bool WaitUntilDrained(PtyPair& pty) {
    const auto deadline = Clock::now() + 5s;
    while (pty.SlaveInputQueued() > 0) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::string Pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + seed) % 256);
    }
    return bytes;
}

TEST_F(SimpleCommNotification, WhoIsNotified) {
    enum class Target { Registered, Null, Unregistered };
    struct Case {
        const char* name;
        Target target;
        std::uint32_t message;
        bool notified;
    };
    const Case cases[] = {
        {"registered receiver", Target::Registered, 5000, true},
        {"message 1024 means no notification", Target::Registered, SIMPLE_COMM_NO_NOTIFY, false},
        {"null handle", Target::Null, 5000, false},
        {"receiver gone before the bytes", Target::Unregistered, 5000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPair pty;
        ByteRecorder recorder;
        const NotifyWindow window = c.target == Target::Null ? nullptr : recorder.window();
        const std::int32_t slot = OpenPty(pty, window, c.message);
        if (c.target == Target::Unregistered) {
            recorder.Unregister();
        }
        pty.OpenSlave(); // to watch the input queue
        pty.Send("U20\r");
        // The reader takes the bytes in every case.
        EXPECT_TRUE(WaitUntilDrained(pty));
        if (c.notified) {
            EXPECT_TRUE(recorder.WaitForBytes(4, 5s));
        } else {
            std::this_thread::sleep_for(50ms);
        }
        EXPECT_EQ(recorder.bytes(), c.notified ? "U20\r" : "");
        EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
    }
}

TEST_F(SimpleCommNotification, EachByteIsOneMessageFromTheReaderThread) {
    PtyPair pty0, pty1;
    ByteRecorder recorder;
    const std::int32_t slot0 = OpenPty(pty0, recorder.window(), 5000);
    const std::int32_t slot1 = OpenPty(pty1, recorder.window(), 6001);
    pty1.Send("ab");
    ASSERT_TRUE(recorder.WaitForBytes(2, 5s));
    pty0.Send("c");
    ASSERT_TRUE(recorder.WaitForBytes(3, 5s));
    const auto notices = recorder.notices();
    ASSERT_EQ(notices.size(), 3u);
    for (std::size_t i = 0; i < notices.size(); ++i) {
        const bool first = i < 2;
        EXPECT_EQ(notices[i].window, recorder.window());
        EXPECT_EQ(notices[i].message, first ? 6001u : 5000u);
        EXPECT_EQ(notices[i].wParam, 1u);
        EXPECT_EQ(notices[i].port, first ? slot1 : slot0);
        EXPECT_NE(notices[i].thread, std::this_thread::get_id());
    }
    EXPECT_EQ(notices[0].thread, notices[1].thread);
    EXPECT_NE(notices[0].thread, notices[2].thread) << "one reader per port";
}

TEST_F(SimpleCommNotification, BurstsArriveCompleteAndInOrder) {
    struct Case {
        const char* name;
        int ports;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"one port", 1, 10000},
        {"five ports at once", 5, 10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<PtyPair>> ptys;
        std::vector<std::unique_ptr<ByteRecorder>> recorders;
        std::vector<std::string> sent;
        for (int i = 0; i < c.ports; ++i) {
            ptys.push_back(std::make_unique<PtyPair>());
            recorders.push_back(std::make_unique<ByteRecorder>());
            sent.push_back(Pattern(c.bytes, static_cast<unsigned>(i)));
            ASSERT_EQ(OpenPty(*ptys[i], recorders[i]->window(), 5000), i);
        }
        std::vector<std::thread> writers;
        for (int i = 0; i < c.ports; ++i) {
            writers.emplace_back([&, i] { ptys[i]->Send(sent[i]); });
        }
        for (auto& writer : writers) {
            writer.join();
        }
        for (int i = 0; i < c.ports; ++i) {
            EXPECT_TRUE(recorders[i]->WaitForBytes(c.bytes, 60s));
            EXPECT_TRUE(recorders[i]->bytes() == sent[i]) << "port " << i;
        }
        for (int i = 0; i < c.ports; ++i) {
            EXPECT_EQ(Simple_Comm_Close(i), SIMPLE_COMM_OK);
        }
    }
}

TEST_F(SimpleCommNotification, CloseIsPromptWhateverTheReaderIsDoing) {
    enum class Receiver { Recording, HeldByClosingThread, ClosesItself };
    struct Case {
        const char* name;
        Receiver receiver;
    };
    const Case cases[] = {
        {"bytes streaming in", Receiver::Recording},
        {"reader waiting for the closing thread", Receiver::HeldByClosingThread},
        {"closed from inside the notification", Receiver::ClosesItself},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPair pty;
        ByteRecorder recorder;
        std::vector<Simple_Comm_Held*> held; // only touched by the reader until closed
        std::promise<std::int32_t> selfClose;
        std::atomic<bool> closedItself{false};
        if (c.receiver == Receiver::HeldByClosingThread) {
            // Hands every message to the test thread, which is busy closing and never
            // handles it: a blocking call to the closing thread.
            recorder.OnEachByte([&](const Simple_Comm_Message& m) {
                if (Simple_Comm_Held* h = Simple_Comm_HoldMessage(&m)) {
                    held.push_back(h);
                }
            });
        } else if (c.receiver == Receiver::ClosesItself) {
            recorder.OnEachByte([&](const Simple_Comm_Message& m) {
                if (!closedItself.exchange(true)) {
                    selfClose.set_value(Simple_Comm_Close(m.port));
                }
            });
        }
        const std::int32_t slot = OpenPty(pty, recorder.window(), 5000);
        pty.StartStream(Pattern(64, 1));
        ASSERT_TRUE(recorder.WaitForBytes(1, 5s));

        const auto start = Clock::now();
        if (c.receiver == Receiver::ClosesItself) {
            auto result = selfClose.get_future();
            ASSERT_EQ(result.wait_for(kPromptly), std::future_status::ready);
            EXPECT_EQ(result.get(), SIMPLE_COMM_OK);
        } else {
            EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
        }
        EXPECT_LT(Clock::now() - start, kPromptly);
        EXPECT_EQ(Simple_Comm_PortCount(), 0);
        pty.StopStream();

        // A held message whose port closed is abandoned: it is not to be handled.
        for (Simple_Comm_Held* h : held) {
            EXPECT_EQ(Simple_Comm_TakeHeld(h), nullptr);
            Simple_Comm_ReleaseHeld(h);
        }
        const std::size_t afterClose = recorder.bytes().size();
        std::this_thread::sleep_for(30ms);
        EXPECT_EQ(recorder.bytes().size(), afterClose) << "no delivery after close";
    }
}

TEST_F(SimpleCommNotification, HeldMessageKeepsTheReaderWaitingUntilReleased) {
    PtyPair pty;
    ByteRecorder recorder;
    std::mutex mutex;
    std::vector<Simple_Comm_Held*> held;
    recorder.OnEachByte([&](const Simple_Comm_Message& m) {
        std::lock_guard<std::mutex> lock(mutex);
        held.push_back(Simple_Comm_HoldMessage(&m));
    });
    const std::int32_t slot = OpenPty(pty, recorder.window(), 5000);
    pty.Send("xy");
    ASSERT_TRUE(recorder.WaitForBytes(1, 5s));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(recorder.bytes(), "x") << "the reader waits for the held message";

    Simple_Comm_Held* first = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        ASSERT_EQ(held.size(), 1u);
        first = held[0];
    }
    ASSERT_NE(first, nullptr);
    const Simple_Comm_Message* taken = Simple_Comm_TakeHeld(first);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->wParam, 1u);
    EXPECT_EQ(*reinterpret_cast<const char*>(taken->lParam), 'x') << "the library's copy";
    EXPECT_EQ(taken->port, slot);
    Simple_Comm_ReleaseHeld(first);

    ASSERT_TRUE(recorder.WaitForBytes(2, 5s));
    EXPECT_EQ(recorder.bytes(), "xy");

    // Unregistering abandons the second held message and frees the reader.
    Simple_Comm_Held* second = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        ASSERT_EQ(held.size(), 2u);
        second = held[1];
    }
    recorder.Unregister();
    EXPECT_EQ(Simple_Comm_TakeHeld(second), nullptr);
    Simple_Comm_ReleaseHeld(second);
    pty.OpenSlave();
    pty.Send("z");
    EXPECT_TRUE(WaitUntilDrained(pty)) << "the reader goes on";
    EXPECT_EQ(recorder.bytes(), "xy");
    EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
}

void IgnoreMessage(void*, const Simple_Comm_Message*) {}

TEST_F(SimpleCommNotification, MisusedNotificationCallsAreRefused) {
    EXPECT_EQ(Simple_Comm_RegisterNotify(nullptr, nullptr), nullptr);
    const NotifyWindow window = Simple_Comm_RegisterNotify(&IgnoreMessage, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Simple_Comm_UnregisterNotify(window), SIMPLE_COMM_OK);
    EXPECT_EQ(Simple_Comm_UnregisterNotify(window), SIMPLE_COMM_BAD_SLOT) << "twice";
    EXPECT_EQ(Simple_Comm_UnregisterNotify(nullptr), SIMPLE_COMM_BAD_SLOT);
    const NotifyWindow next = Simple_Comm_RegisterNotify(&IgnoreMessage, nullptr);
    EXPECT_NE(next, window) << "handles are not reused";
    Simple_Comm_UnregisterNotify(next);

    // Holding a message outside a delivery.
    Simple_Comm_Message fake{};
    EXPECT_EQ(Simple_Comm_HoldMessage(&fake), nullptr);
    EXPECT_EQ(Simple_Comm_HoldMessage(nullptr), nullptr);
    EXPECT_EQ(Simple_Comm_TakeHeld(nullptr), nullptr);
    Simple_Comm_ReleaseHeld(nullptr);
}

TEST_F(SimpleCommNotification, UnregisterFromInsideTheProcedureDoesNotWaitForItself) {
    PtyPair pty;
    ByteRecorder recorder;
    std::promise<std::int32_t> result;
    std::atomic<bool> done{false};
    recorder.OnEachByte([&](const Simple_Comm_Message& m) {
        if (!done.exchange(true)) {
            result.set_value(Simple_Comm_UnregisterNotify(m.window));
        }
    });
    const std::int32_t slot = OpenPty(pty, recorder.window(), 5000);
    pty.Send("ab");
    auto future = result.get_future();
    ASSERT_EQ(future.wait_for(kPromptly), std::future_status::ready);
    EXPECT_EQ(future.get(), SIMPLE_COMM_OK);
    EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
    EXPECT_EQ(recorder.bytes(), "a");
}

} // namespace
} // namespace orvant::test

namespace orvant::test {
namespace {

TEST_F(SimpleCommNotification, ReaderStuckInItsReceiverIsLeftBehindAfterTheGraceTime) {
    PtyPair stuckPty;
    ByteRecorder stuck;
    std::promise<void> unblock;
    std::shared_future<void> unblocked = unblock.get_future().share();
    stuck.OnEachByte([unblocked](const Simple_Comm_Message&) { unblocked.wait(); });
    const std::int32_t slot = OpenPty(stuckPty, stuck.window(), 5000);
    stuckPty.Send("s");
    ASSERT_TRUE(stuck.WaitForBytes(1, 5s));

    // The receiver blocks without holding the message: close waits out the grace time and
    // then gives up on the reader, but still frees the slot and closes the device.
    const auto start = Clock::now();
    EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
    EXPECT_GE(Clock::now() - start, 9s);
    EXPECT_EQ(Simple_Comm_PortCount(), 0);

    // The slot is reused; the old reader must not read the new device.
    PtyPair freshPty;
    ByteRecorder fresh;
    ASSERT_EQ(OpenPty(freshPty, fresh.window(), 5000), slot);
    unblock.set_value();
    freshPty.Send("abc");
    EXPECT_TRUE(fresh.WaitForBytes(3, 5s));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(fresh.bytes(), "abc");
    EXPECT_EQ(stuck.bytes(), "s");
    EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
}

} // namespace
} // namespace orvant::test
