#pragma once
// Makes a QObject the receiver of serial byte notifications: every notified byte is handed to
// a handler on the object's own thread, and the port's reader waits until the handler has run,
// as with a blocking queued call.
//
// Unlike Qt::BlockingQueuedConnection, the wait is abandoned when the port is closed or the
// receiver destroyed, so Simple_Comm_Close called on the object's thread returns promptly
// instead of waiting for a reader that waits for that very thread.
//
//     QtNotifyReceiver receiver(this, [this](const Simple_Comm_Message& m) {
//         buffer.append(reinterpret_cast<const char*>(m.lParam), qsizetype(m.wParam));
//     });
//     Simple_Comm_Open("COM1", 9600, 8, 0, 0, 0xF, receiver.window(), 5000, &slot);
//
// Create and destroy the receiver on the target's thread, and destroy it no later than the
// target (a member of the target object does both).

#include "simple_comm/simple_comm.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <utility>

namespace orvant::simple_comm {

class QtNotifyReceiver {
public:
    using Handler = std::function<void(const Simple_Comm_Message&)>;

    QtNotifyReceiver(QObject* target, Handler handler)
        : target_(target), handler_(std::move(handler)),
          window_(Simple_Comm_RegisterNotify(&QtNotifyReceiver::Notify, this)) {}

    ~QtNotifyReceiver() { Simple_Comm_UnregisterNotify(window_); }

    QtNotifyReceiver(const QtNotifyReceiver&) = delete;
    QtNotifyReceiver& operator=(const QtNotifyReceiver&) = delete;

    // The handle to give Simple_Comm_Open.
    NotifyWindow window() const { return window_; }

private:
    // Releases a held message exactly once, also when Qt drops the queued call because the
    // target object went away before it ran.
    struct HeldRelease {
        explicit HeldRelease(Simple_Comm_Held* message) : held(message) {}
        ~HeldRelease() { Simple_Comm_ReleaseHeld(held); }
        HeldRelease(const HeldRelease&) = delete;
        HeldRelease& operator=(const HeldRelease&) = delete;
        Simple_Comm_Held* held;
    };

    // Runs on the port's reader thread.
    static void Notify(void* context, const Simple_Comm_Message* message) {
        auto* self = static_cast<QtNotifyReceiver*>(context);
        if (QThread::currentThread() == self->target_->thread()) {
            self->handler_(*message);
            return;
        }
        Simple_Comm_Held* held = Simple_Comm_HoldMessage(message);
        if (held == nullptr) {
            return;
        }
        auto release = std::make_shared<HeldRelease>(held);
        QMetaObject::invokeMethod(
            self->target_,
            [self, release] {
                // A message abandoned meanwhile (port closed, receiver gone) is not handled;
                // self is only used while the receiver is still registered.
                if (const Simple_Comm_Message* taken = Simple_Comm_TakeHeld(release->held)) {
                    self->handler_(*taken);
                }
            },
            Qt::QueuedConnection);
    }

    QObject* target_;
    Handler handler_;
    NotifyWindow window_;
};

} // namespace orvant::simple_comm
