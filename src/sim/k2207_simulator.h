#pragma once
// A K2207 controller on a pseudo-terminal. It owns the master side (raw mode); the slave
// path is what the workbench opens. It runs on a thread of its own, so it keeps answering
// while the caller's thread busy-waits.
//
// It answers the link check "^n" with the sine table's byte and "U1".."U20" with one byte
// each, and keeps a modest model of the controller: the absolute position (F, B relative
// moves; "=" sets it; G goes absolute), the internal variable (":" loads it; + - * /), the
// user flags 80..87 and auxiliary functions 40..63 (T sets, C clears) and the reset "\".
// Every received command is logged with the monotonic time of its first byte.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orvant::sim {

struct SimOptions {
    std::uint8_t modelByte = 'B'; // answer to U20
    std::uint8_t modeByte = 0x08; // answer to U15
    bool silent = false;          // never answers
    bool wrongLink = false;       // answers the link check with a wrong byte
    std::string linkPath;         // a symlink to the slave side, made at start
    std::string logFile;          // one line per command: microseconds, TAB, text
};

struct SimLogEntry {
    std::int64_t micros; // steady clock (CLOCK_MONOTONIC) microseconds of the first byte
    std::string text;    // the command without its carriage return
};

class K2207Simulator {
public:
    explicit K2207Simulator(SimOptions options = {});
    ~K2207Simulator();

    K2207Simulator(const K2207Simulator&) = delete;
    K2207Simulator& operator=(const K2207Simulator&) = delete;

    // Opens the pseudo-terminal and starts the thread; false with a message on failure.
    bool Start(std::string* error = nullptr);
    void Stop();
    std::string SlavePath() const { return slavePath_; }

    std::vector<SimLogEntry> Log() const;
    // Waits until at least `count` commands have been logged; false on time-out.
    bool WaitForLogSize(std::size_t count, double timeoutSeconds) const;

    // Behaviour, changeable at any time from any thread.
    void SetSilent(bool silent);
    void SetWrongLink(bool wrong);
    void SetModelByte(std::uint8_t answer);
    void SetModeByte(std::uint8_t answer);
    // Bytes sent before the answer to the link check.
    void SetBytesBeforeLinkAnswer(std::vector<std::uint8_t> bytes);
    // Bytes sent after the answer to the link check.
    void SetBytesAfterLinkAnswer(std::vector<std::uint8_t> bytes);
    // Fixes the answer to "U<reg>"; nullopt leaves that register unanswered.
    void SetRegisterAnswer(int reg, std::optional<std::uint8_t> answer);
    void ClearRegisterAnswer(int reg);

    std::int32_t Position() const;
    void SetPosition(std::int32_t position);
    std::int32_t Variable() const;

    // The answer the controller gives to "^n" (n = 0..127; nothing for other n).
    static std::optional<std::uint8_t> LinkCheckAnswer(int n);
    // Steady clock microseconds, the time base of the log.
    static std::int64_t MonotonicMicros();
    // Parses a byte given as decimal, 0x.. hexadecimal or a single character.
    static std::optional<std::uint8_t> ParseByte(const std::string& text);

private:
    void Run();
    void HandleCommand(const std::string& text, std::int64_t micros);
    std::vector<std::uint8_t> AnswerFor(const std::string& text);
    std::optional<std::uint8_t> RegisterValue(int reg) const;
    void Reply(const std::vector<std::uint8_t>& bytes);

    SimOptions options_;
    std::string slavePath_;
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the line alive while the workbench has it closed
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread thread_;
    std::FILE* logFile_ = nullptr;

    mutable std::mutex mutex_;
    mutable std::condition_variable logged_;
    std::vector<SimLogEntry> log_;
    std::vector<std::uint8_t> beforeLink_;
    std::vector<std::uint8_t> afterLink_;
    std::map<int, std::optional<std::uint8_t>> registerAnswers_;
    std::int32_t position_ = 0;
    std::int32_t variable_ = 0;
    std::uint64_t flags_ = 0; // bit k: flag or auxiliary function 40 + k
};

} // namespace orvant::sim
