#pragma once
// A pseudo-terminal pair for serial tests: the library opens the slave path, the test plays the
// far end on the master, which is in raw mode.

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace orvant::test {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int master() const { return master_; }

    // Writes all bytes to the master (blocking while the slave side is full).
    void Send(const std::string& bytes) const;
    // Reads from the master until count bytes arrived or the time is up.
    std::string Receive(std::size_t count, std::chrono::milliseconds timeout) const;

    // A raw descriptor of the slave of our own, to look at or preset its settings and keep the
    // terminal alive; closed with the pair.
    int OpenSlave();
    // Bytes waiting in the slave's input queue (not yet read by anybody).
    int SlaveInputQueued();

    // Keeps the far end sending bytes from a thread of its own until StopStream; it never
    // blocks (what does not fit into the terminal is not sent).
    void StartStream(const std::string& chunk);
    void StopStream();

    // The far end goes away (hang-up for the slave side).
    void CloseMaster();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::atomic<bool> streaming_{false};
    std::thread stream_;
};

// Number of descriptors this process has open.
int OpenDescriptorCount();

} // namespace orvant::test
