#pragma once
// The library's shared state: the five port slots with the open-port count, the registry of
// notification receivers, and the deliveries in progress. One lock guards all of it.

#include "simple_comm/simple_comm.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace orvant::simple_comm {

constexpr int kSlotCount = SIMPLE_COMM_SLOTS;
constexpr std::uint32_t kNoNotify = SIMPLE_COMM_NO_NOTIFY;

// One opening of a slot, from Simple_Comm_Open to Simple_Comm_Close. The reader thread keeps
// its own reference, so a slot can be reopened while an old reader is still finishing.
struct PortRun {
    PortRun(int slot, int device) : index(slot), fd(device) {}

    const int index;
    int fd;                          // closed (-1) under ioLock
    std::atomic<bool> active{false}; // the reader runs while set
    std::atomic<std::uintptr_t> window{0};
    std::atomic<std::uint32_t> message{kNoNotify};
    std::thread reader;      // set by open, joined or detached by close
    bool readerDone = false; // under the state lock
    std::mutex ioLock;       // a write and the closing of the device exclude each other
};

struct Receiver {
    Simple_Comm_NotifyProc proc = nullptr;
    void* context = nullptr;
};

// A call of a receiver procedure in progress.
struct InFlight {
    std::uintptr_t window = 0;
    std::thread::id thread;
};

class LibraryState {
public:
    LibraryState() = default;
    LibraryState(const LibraryState&) = delete;
    LibraryState& operator=(const LibraryState&) = delete;
    ~LibraryState(); // closes every open port

    std::mutex lock;
    std::condition_variable changed; // slot closed, reader ended, receiver gone, held released

    std::shared_ptr<PortRun> slots[kSlotCount];
    std::int32_t openCount = 0;
    int liveReaders = 0; // reader threads not yet finished

    std::map<std::uintptr_t, Receiver> receivers;
    std::uintptr_t nextWindow = 1;
    std::vector<InFlight> inFlight;
};

LibraryState& State();

// Sends one notification for bytes read by the reader of run, and waits as the receiver asks
// (during its procedure, and for a held message until it is released or abandoned).
void DeliverNotification(const std::shared_ptr<PortRun>& run, std::uintptr_t window,
                         std::uint32_t message, const unsigned char* bytes, std::size_t count);

} // namespace orvant::simple_comm
