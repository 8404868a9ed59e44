#pragma once
// A notification receiver for tests: records every notified byte with its message.

#include "simple_comm/simple_comm.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvant::test {

class ByteRecorder {
public:
    struct Notice {
        NotifyWindow window;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::int32_t port;
        std::thread::id thread;
    };

    ByteRecorder() : window_(Simple_Comm_RegisterNotify(&ByteRecorder::Proc, this)) {}
    ~ByteRecorder() { Unregister(); }
    ByteRecorder(const ByteRecorder&) = delete;
    ByteRecorder& operator=(const ByteRecorder&) = delete;

    NotifyWindow window() const { return window_; }

    void Unregister() {
        if (window_ != nullptr) {
            Simple_Comm_UnregisterNotify(window_);
            window_ = nullptr;
        }
    }

    // Runs inside each delivery, on the reader thread, after the byte is recorded.
    void OnEachByte(std::function<void(const Simple_Comm_Message&)> action) {
        std::lock_guard<std::mutex> lock(mutex_);
        action_ = std::move(action);
    }

    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) {
        std::unique_lock<std::mutex> lock(mutex_);
        return arrived_.wait_for(lock, timeout, [&] { return bytes_.size() >= count; });
    }

    std::string bytes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return bytes_;
    }

    std::vector<Notice> notices() {
        std::lock_guard<std::mutex> lock(mutex_);
        return notices_;
    }

private:
    static void Proc(void* context, const Simple_Comm_Message* m) {
        auto* self = static_cast<ByteRecorder*>(context);
        std::function<void(const Simple_Comm_Message&)> action;
        {
            std::lock_guard<std::mutex> lock(self->mutex_);
            self->bytes_.append(reinterpret_cast<const char*>(m->lParam), m->wParam);
            self->notices_.push_back(
                {m->window, m->message, m->wParam, m->port, std::this_thread::get_id()});
            action = self->action_;
        }
        self->arrived_.notify_all();
        if (action) {
            action(*m);
        }
    }

    NotifyWindow window_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::string bytes_;
    std::vector<Notice> notices_;
    std::function<void(const Simple_Comm_Message&)> action_;
};

} // namespace orvant::test
