// The Qt receiver helper: bytes are handled on the target object's thread, and closing from
// that thread never waits for a reader that waits for it.

#include "simple_comm/simple_comm_qt.h"

#include "support/pty_pair.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <unistd.h>

namespace orvant::test {
namespace {

using namespace std::chrono_literals;
using simple_comm::QtNotifyReceiver;

constexpr qint64 kPromptlyMs = 5000;

// What the handler saw, readable from any thread.
struct Handled {
    std::mutex mutex;
    std::string bytes;
    std::vector<QThread*> threads;

    void Add(const Simple_Comm_Message& m) {
        std::lock_guard<std::mutex> lock(mutex);
        bytes.append(reinterpret_cast<const char*>(m.lParam), m.wParam);
        threads.push_back(QThread::currentThread());
    }
    std::size_t size() {
        std::lock_guard<std::mutex> lock(mutex);
        return bytes.size();
    }
};

// Runs the main thread's events until the condition holds or the time is up.
template <typename Condition> bool ProcessEventsUntil(Condition done, qint64 timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

std::int32_t OpenPty(const PtyPair& pty, NotifyWindow window) {
    std::int32_t slot = -1;
    const std::int32_t status =
        Simple_Comm_Open(pty.slavePath().c_str(), 9600, 8, 0, 0, 0xF, window, 5000, &slot);
    EXPECT_EQ(status, SIMPLE_COMM_OK);
    return slot;
}

TEST(SimpleCommQtReceiver, HandlesBytesOnTheTargetsThread) {
    struct Case {
        const char* name;
        bool workerThread;
    };
    const Case cases[] = {
        {"target on the main thread", false},
        {"target on a worker thread", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QThread worker;
        QObject target;
        if (c.workerThread) {
            worker.start();
            target.moveToThread(&worker);
        }
        Handled handled;
        {
            auto receiver = std::make_unique<QtNotifyReceiver>(
                &target, [&](const Simple_Comm_Message& m) { handled.Add(m); });
            PtyPair pty;
            const std::int32_t slot = OpenPty(pty, receiver->window());
            pty.Send("U20\r\x03");
            EXPECT_TRUE(ProcessEventsUntil([&] { return handled.size() >= 5; }, 10000));
            EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
            if (c.workerThread) {
                // Destroyed on the target's thread, as the helper asks.
                QMetaObject::invokeMethod(
                    &target, [&receiver] { receiver.reset(); }, Qt::BlockingQueuedConnection);
            }
        }
        std::lock_guard<std::mutex> lock(handled.mutex);
        EXPECT_EQ(handled.bytes, "U20\r\x03");
        QThread* const expected = c.workerThread ? &worker : QThread::currentThread();
        for (QThread* thread : handled.threads) {
            EXPECT_EQ(thread, expected);
        }
        worker.quit();
        worker.wait();
    }
}

TEST(SimpleCommQtReceiver, CloseOnTheTargetsThreadIsPromptAndAbandonsDeliveries) {
    QObject target;
    Handled handled;
    QtNotifyReceiver receiver(&target, [&](const Simple_Comm_Message& m) { handled.Add(m); });
    PtyPair pty;
    const std::int32_t slot = OpenPty(pty, receiver.window());
    pty.StartStream(std::string(64, 'k'));
    ASSERT_TRUE(ProcessEventsUntil([&] { return handled.size() >= 10; }, 10000));
    // The reader is now waiting for this thread, which does not process events but closes.
    std::this_thread::sleep_for(20ms);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
    EXPECT_LT(timer.elapsed(), kPromptlyMs);
    pty.StopStream();

    // The call queued before the close runs now but must not hand over its byte.
    const std::size_t atClose = handled.size();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(handled.size(), atClose);
}

TEST(SimpleCommQtReceiver, DestroyingTheReceiverFreesTheReaderAndDropsQueuedCalls) {
    QObject target;
    Handled handled;
    auto receiver = std::make_unique<QtNotifyReceiver>(
        &target, [&](const Simple_Comm_Message& m) { handled.Add(m); });
    PtyPair pty;
    const std::int32_t slot = OpenPty(pty, receiver->window());
    pty.OpenSlave();
    pty.Send("ab");
    // The first byte is queued to this thread, which does not run its events yet.
    std::this_thread::sleep_for(50ms);
    QElapsedTimer timer;
    timer.start();
    receiver.reset();
    EXPECT_LT(timer.elapsed(), kPromptlyMs);
    // The reader goes on and takes the rest of the bytes.
    EXPECT_TRUE(ProcessEventsUntil([&] { return pty.SlaveInputQueued() == 0; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(handled.size(), 0u);
    EXPECT_EQ(Simple_Comm_Close(slot), SIMPLE_COMM_OK);
}

} // namespace
} // namespace orvant::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
