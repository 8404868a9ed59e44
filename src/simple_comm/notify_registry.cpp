// Notification receivers ("windows") and the synchronous delivery of received bytes to them.
//
// A delivery calls the receiver's procedure on the reader thread. A receiver that handles the
// bytes on a thread of its own holds the message: the bytes are copied, and the reader waits
// until the message is released, or until the port closes or the receiver goes, whichever comes
// first. Closing therefore never waits for a receiver thread that is itself busy closing.

#include "simple_comm/port_table.h"

#include <algorithm>
#include <cstring>
#include <new>

using orvant::simple_comm::LibraryState;
using orvant::simple_comm::PortRun;
using orvant::simple_comm::State;

struct Simple_Comm_Held_ {
    int references = 2; // the reader's and the handler's
    bool released = false;
    bool abandoned = false;
    std::shared_ptr<PortRun> run;
    Simple_Comm_Message message{};
    unsigned char bytes[128]{};
};

namespace orvant::simple_comm {

namespace {

// Lives on the reader's stack for the duration of one procedure call.
struct DeliveryFrame {
    std::thread::id thread;
    const std::shared_ptr<PortRun>* run = nullptr;
    Simple_Comm_Held_* held = nullptr;
};

std::uintptr_t WindowId(NotifyWindow window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

bool StillWanted(const LibraryState& state, const Simple_Comm_Held_& held) {
    return !held.released && !held.abandoned && held.run->active.load() &&
           state.receivers.count(WindowId(held.message.window)) != 0;
}

void DropReference(Simple_Comm_Held_* held) {
    if (--held->references == 0) {
        delete held;
    }
}

} // namespace

void DeliverNotification(const std::shared_ptr<PortRun>& run, std::uintptr_t window,
                         std::uint32_t message, const unsigned char* bytes, std::size_t count) {
    LibraryState& state = State();
    std::unique_lock<std::mutex> lock(state.lock);
    if (!run->active.load()) {
        return; // the port is closing: the byte is dropped
    }
    const auto found = state.receivers.find(window);
    if (found == state.receivers.end()) {
        return;
    }
    const Receiver receiver = found->second;
    const std::thread::id self = std::this_thread::get_id();
    state.inFlight.push_back({window, self});

    DeliveryFrame frame{self, &run, nullptr};
    const Simple_Comm_Message notice{reinterpret_cast<NotifyWindow>(window), message,    count,
                                     reinterpret_cast<std::intptr_t>(bytes), run->index, &frame};
    lock.unlock();
    receiver.proc(receiver.context, &notice);
    lock.lock();

    const auto mine =
        std::find_if(state.inFlight.begin(), state.inFlight.end(),
                     [&](const InFlight& f) { return f.window == window && f.thread == self; });
    if (mine != state.inFlight.end()) {
        state.inFlight.erase(mine);
    }
    state.changed.notify_all();

    Simple_Comm_Held_* held = frame.held;
    if (held == nullptr) {
        return;
    }
    state.changed.wait(lock, [&] { return !StillWanted(state, *held); });
    if (!held->released) {
        held->abandoned = true;
    }
    DropReference(held);
}

} // namespace orvant::simple_comm

extern "C" {

NotifyWindow Simple_Comm_RegisterNotify(Simple_Comm_NotifyProc proc, void* context) {
    if (proc == nullptr) {
        return nullptr;
    }
    LibraryState& state = State();
    try {
        std::lock_guard<std::mutex> lock(state.lock);
        const std::uintptr_t id = state.nextWindow++;
        state.receivers.emplace(id, orvant::simple_comm::Receiver{proc, context});
        return reinterpret_cast<NotifyWindow>(id);
    } catch (const std::exception&) {
        return nullptr;
    }
}

int32_t Simple_Comm_UnregisterNotify(NotifyWindow window) {
    LibraryState& state = State();
    const std::uintptr_t id = orvant::simple_comm::WindowId(window);
    std::unique_lock<std::mutex> lock(state.lock);
    if (state.receivers.erase(id) == 0) {
        return SIMPLE_COMM_BAD_SLOT;
    }
    state.changed.notify_all(); // held messages for it are abandoned
    const std::thread::id self = std::this_thread::get_id();
    state.changed.wait(lock, [&] {
        return std::none_of(state.inFlight.begin(), state.inFlight.end(),
                            [&](const orvant::simple_comm::InFlight& f) {
                                return f.window == id && f.thread != self;
                            });
    });
    return SIMPLE_COMM_OK;
}

Simple_Comm_Held* Simple_Comm_HoldMessage(const Simple_Comm_Message* message) {
    if (message == nullptr || message->reserved == nullptr) {
        return nullptr;
    }
    auto* frame = static_cast<orvant::simple_comm::DeliveryFrame*>(message->reserved);
    if (frame->thread != std::this_thread::get_id() || frame->held != nullptr) {
        return nullptr;
    }
    auto* held = new (std::nothrow) Simple_Comm_Held_;
    if (held == nullptr) {
        return nullptr;
    }
    const std::size_t count = std::min<std::size_t>(message->wParam, sizeof held->bytes);
    std::memcpy(held->bytes, reinterpret_cast<const void*>(message->lParam), count);
    held->run = *frame->run;
    held->message = *message;
    held->message.wParam = count;
    held->message.lParam = reinterpret_cast<std::intptr_t>(held->bytes);
    held->message.reserved = nullptr;

    std::lock_guard<std::mutex> lock(State().lock);
    frame->held = held;
    return held;
}

const Simple_Comm_Message* Simple_Comm_TakeHeld(Simple_Comm_Held* held) {
    if (held == nullptr) {
        return nullptr;
    }
    LibraryState& state = State();
    std::lock_guard<std::mutex> lock(state.lock);
    return orvant::simple_comm::StillWanted(state, *held) ? &held->message : nullptr;
}

void Simple_Comm_ReleaseHeld(Simple_Comm_Held* held) {
    if (held == nullptr) {
        return;
    }
    LibraryState& state = State();
    std::lock_guard<std::mutex> lock(state.lock);
    if (held->released) {
        return;
    }
    held->released = true;
    state.changed.notify_all();
    orvant::simple_comm::DropReference(held);
}

} // extern "C"
