// The port table: opening, writing and closing the five slots, and the reader thread that
// runs for each open port.

#include "simple_comm/simple_comm.h"

#include "simple_comm/port_table.h"
#include "simple_comm/serial_device.h"

#include <cerrno>
#include <chrono>
#include <system_error>

#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace orvant::simple_comm {

namespace {

constexpr int kReadTimeoutMs = 10;
constexpr auto kReaderEndWait = std::chrono::milliseconds(10000);

void PauseAfterDeviceError() {
    ::poll(nullptr, 0, kReadTimeoutMs);
}

// Reads one byte at a time and notifies it, while the run is active.
void ReaderLoop(std::shared_ptr<PortRun> run) {
    RaiseCurrentThreadPriority();
    unsigned char buffer[128];
    while (run->active.load()) {
        pollfd waiting{run->fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, kReadTimeoutMs);
        if (ready <= 0) {
            continue; // time-out, or a signal
        }
        if ((waiting.revents & POLLIN) == 0) {
            PauseAfterDeviceError(); // hang-up or error: do not spin
            continue;
        }
        const ssize_t count = ::read(run->fd, buffer, 1);
        if (count <= 0) {
            if (count < 0 && errno != EAGAIN && errno != EINTR) {
                PauseAfterDeviceError();
            }
            continue;
        }
        const std::uintptr_t window = run->window.load();
        const std::uint32_t message = run->message.load();
        if (window == 0 || message == kNoNotify) {
            continue;
        }
        DeliverNotification(run, window, message, buffer, static_cast<std::size_t>(count));
    }
    // Signalled under the lock: a reader left running after a close from inside its own
    // notification is then finished with the state once the lock is free.
    LibraryState& state = State();
    std::lock_guard<std::mutex> lock(state.lock);
    run->readerDone = true;
    --state.liveReaders;
    state.changed.notify_all();
}

// Ends the reader of a run that is no longer active: waits for it, except on the reader's own
// thread, and gives up waiting after ten seconds (it then ends by itself, holding its own run).
void EndReader(PortRun& run) {
    if (!run.reader.joinable()) {
        return;
    }
    if (run.reader.get_id() == std::this_thread::get_id()) {
        run.reader.detach(); // closed from inside its own notification
        return;
    }
    LibraryState& state = State();
    bool ended = false;
    {
        std::unique_lock<std::mutex> lock(state.lock);
        ended = state.changed.wait_for(lock, kReaderEndWait, [&] { return run.readerDone; });
    }
    if (ended) {
        run.reader.join();
    } else {
        run.reader.detach();
    }
}

int32_t ClosePort(int32_t index) {
    LibraryState& state = State();
    std::shared_ptr<PortRun> run;
    {
        std::lock_guard<std::mutex> lock(state.lock);
        if (index < 0 || index >= kSlotCount || !state.slots[index] ||
            !state.slots[index]->active.load()) {
            return SIMPLE_COMM_BAD_SLOT;
        }
        run = std::move(state.slots[index]);
        run->active.store(false);
        --state.openCount;
    }
    state.changed.notify_all(); // a delivery waiting on a held message is abandoned

    ::tcdrain(run->fd); // flush: the result does not matter
    int result = 0;
    if (::tcflush(run->fd, TCIOFLUSH) != 0) {
        result = errno;
    }
    // Even when the purge failed, the reader is ended and the device closed, so that neither
    // the thread nor the device is lost and the slot can be used again.
    EndReader(*run);
    run->window.store(0);
    run->message.store(kNoNotify);
    {
        std::lock_guard<std::mutex> io(run->ioLock);
        const int closed = CloseDevice(run->fd);
        run->fd = -1;
        if (result == 0) {
            result = closed;
        }
    }
    return result;
}

} // namespace

LibraryState& State() {
    static LibraryState state;
    return state;
}

LibraryState::~LibraryState() {
    for (int index = 0; index < kSlotCount; ++index) {
        if (slots[index] && slots[index]->active.load()) {
            ClosePort(index);
        }
    }
    // Readers that were not waited for (closed from inside their own notification) still
    // use the state on their way out.
    std::unique_lock<std::mutex> guard(lock);
    changed.wait_for(guard, kReaderEndWait, [this] { return liveReaders == 0; });
}

} // namespace orvant::simple_comm

using orvant::simple_comm::kSlotCount;
using orvant::simple_comm::LibraryState;
using orvant::simple_comm::PortRun;
using orvant::simple_comm::State;

extern "C" {

const char* Simple_Comm_Info(void) {
    return "ORVANT simple_comm serial port library (c) 2026";
}

int32_t Simple_Comm_PortCount(void) {
    LibraryState& state = State();
    std::lock_guard<std::mutex> lock(state.lock);
    return state.openCount;
}

int32_t Simple_Comm_Open(const char* PortName, uint32_t BaudRate, uint8_t ByteSize, uint8_t Parity,
                         uint8_t StopBits, uint32_t Mask, NotifyWindow Window,
                         uint32_t NotifyMessage, int32_t* PortIndex) {
    if (PortIndex == nullptr) {
        return EFAULT; // the slot number could not be handed back
    }
    LibraryState& state = State();
    // Held for the whole open, so that no other open takes the same slot.
    std::lock_guard<std::mutex> lock(state.lock);
    if (state.openCount >= kSlotCount || state.openCount < 0) {
        return SIMPLE_COMM_BAD_SLOT;
    }
    const int32_t saved = *PortIndex;
    int slot = -1;
    for (int index = 0; index < kSlotCount; ++index) {
        if (!state.slots[index] || !state.slots[index]->active.load()) {
            slot = index;
            break;
        }
    }
    if (slot < 0) {
        *PortIndex = saved;
        return SIMPLE_COMM_BAD_SLOT;
    }
    *PortIndex = slot;
    if (PortName == nullptr) {
        *PortIndex = saved;
        return EFAULT;
    }

    int fd = -1;
    try {
        const std::string path = orvant::simple_comm::DevicePathFor(PortName);
        if (const int error = orvant::simple_comm::OpenDeviceExclusive(path, &fd); error != 0) {
            *PortIndex = saved;
            return error;
        }
    } catch (const std::exception&) {
        *PortIndex = saved;
        return ENOMEM;
    }
    const orvant::simple_comm::LineSettings settings{BaudRate, ByteSize, Parity, StopBits, Mask};
    if (const int error = orvant::simple_comm::ConfigureDevice(fd, settings); error != 0) {
        orvant::simple_comm::CloseDevice(fd);
        *PortIndex = saved;
        return error;
    }

    std::shared_ptr<PortRun> run;
    try {
        run = std::make_shared<PortRun>(slot, fd);
        run->active.store(true);
        run->reader = std::thread(orvant::simple_comm::ReaderLoop, run);
        ++state.liveReaders;
    } catch (const std::system_error& failure) {
        orvant::simple_comm::CloseDevice(fd);
        *PortIndex = saved;
        return failure.code().value() != 0 ? failure.code().value() : EAGAIN;
    } catch (const std::exception&) {
        orvant::simple_comm::CloseDevice(fd);
        *PortIndex = saved;
        return ENOMEM;
    }
    state.slots[slot] = run;
    run->window.store(reinterpret_cast<std::uintptr_t>(Window));
    run->message.store(NotifyMessage);
    ++state.openCount;
    return SIMPLE_COMM_OK;
}

int32_t Simple_Comm_Close(int32_t PortIndex) {
    return orvant::simple_comm::ClosePort(PortIndex);
}

int32_t Simple_Comm_Write(int32_t PortIndex, const void* Buffer, uint32_t Count) {
    LibraryState& state = State();
    std::shared_ptr<PortRun> run;
    {
        std::lock_guard<std::mutex> lock(state.lock);
        if (PortIndex < 0 || PortIndex >= kSlotCount || !state.slots[PortIndex] ||
            !state.slots[PortIndex]->active.load()) {
            return SIMPLE_COMM_BAD_SLOT;
        }
        run = state.slots[PortIndex];
    }
    if (Buffer == nullptr && Count != 0) {
        return EFAULT;
    }
    std::lock_guard<std::mutex> io(run->ioLock);
    if (run->fd < 0) {
        return SIMPLE_COMM_BAD_SLOT; // closed meanwhile
    }
    ssize_t written = 0;
    do {
        written = ::write(run->fd, Buffer, Count);
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        return errno;
    }
    if (static_cast<uint32_t>(written) < Count) {
        return SIMPLE_COMM_WRITE_FAULT;
    }
    return SIMPLE_COMM_OK;
}

} // extern "C"
