#pragma once
// The sending pass of a program download: every line of a script that has passed the
// program check goes out as the command checker leaves it, one after another with the
// model's send gap. Lines the checker refuses now are reported and skipped. The download
// ends early only when nothing more can reach the controller (the port is still not ready
// after the serial setup a line raised, or the device refused a write) or when the operator
// cancels it between two lines.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvant {

class ControllerLink;
class Session;

// Watches a download: told how much there is to send, then after every line that went out.
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    // Before the first line: the number of lines that will go out and the send gap.
    virtual void Begin(std::size_t total, double gapSeconds) = 0;
    // After line `sent` (1..total) went out; false stops the download before the next line.
    virtual bool LineSent(std::size_t sent, std::size_t total) = 0;
    // After the last line, or when the download stopped early.
    virtual void End() = 0;
};

struct DownloadResult {
    enum End {
        Completed,    // every acceptable line went out
        Cancelled,    // the operator stopped it between two lines
        PortNotReady, // the serial setup a line raised left the port closed
        WriteFailed,  // the device refused the write of line `failedLine`
    };
    End end = Completed;
    std::size_t linesSent = 0;
    std::size_t linesRefused = 0;
    std::size_t failedLine = 0; // file line number (from 1) of the line that did not go out
    std::string failReason;     // the system's reason for WriteFailed
};

// A line refused in the sending pass: its number (from 1), the line as written, the result.
using RefusedLineSink =
    std::function<void(std::size_t number, const std::string& written, std::uint16_t code)>;

// The working copy of a script line: leading and trailing blanks and control characters
// removed.
std::string DownloadWorkingCopy(const std::string& line);

// The number of lines the sending pass will put on the wire when it starts from `session`
// (a dry run of the checker on a copy of the session).
std::size_t CountLinesToSend(const std::vector<std::string>& lines, const Session& session);

// The sending pass. `progress` may be null.
DownloadResult SendProgramLines(const std::vector<std::string>& lines, Session& session,
                                ControllerLink& link, const RefusedLineSink& refused,
                                DownloadProgress* progress);

} // namespace orvant
