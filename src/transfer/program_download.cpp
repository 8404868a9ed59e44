#include "transfer/program_download.h"

#include "language/command_checker.h"
#include "language/controller_models.h"
#include "language/session.h"
#include "link/controller_link.h"

namespace orvant {

namespace {

bool Accepted(std::uint16_t code) {
    return code == 0 || code == 5 || code == 6;
}

} // namespace

std::string DownloadWorkingCopy(const std::string& line) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && blank(line[begin]))
        ++begin;
    while (end > begin && blank(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

std::size_t CountLinesToSend(const std::vector<std::string>& lines, const Session& session) {
    Session probe = session;
    std::size_t count = 0;
    for (const std::string& line : lines) {
        std::string copy = DownloadWorkingCopy(line);
        if (copy.empty())
            continue;
        if (Accepted(CheckCommandLine(copy, probe)) && !copy.empty())
            ++count;
    }
    return count;
}

DownloadResult SendProgramLines(const std::vector<std::string>& lines, Session& session,
                                ControllerLink& link, const RefusedLineSink& refused,
                                DownloadProgress* progress) {
    DownloadResult result;
    const std::size_t total = progress ? CountLinesToSend(lines, session) : 0;
    if (progress)
        progress->Begin(total, SendGapSeconds(session.ModelCode()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t number = i + 1;
        std::string copy = DownloadWorkingCopy(lines[i]);
        if (copy.empty())
            continue;
        const std::uint16_t code = CheckCommandLine(copy, session);
        if (!Accepted(code)) {
            ++result.linesRefused;
            if (refused)
                refused(number, lines[i], code);
            continue;
        }
        if (copy.empty())
            continue; // a comment line: nothing to send
        const SendOutcome outcome = link.SendCommand(copy);
        if (outcome.status == SendOutcome::NotReady) {
            result.end = DownloadResult::PortNotReady;
            result.failedLine = number;
            break;
        }
        if (outcome.status == SendOutcome::WriteFailed) {
            result.end = DownloadResult::WriteFailed;
            result.failedLine = number;
            result.failReason = outcome.reason;
            break;
        }
        ++result.linesSent;
        if (progress && result.linesSent < total && !progress->LineSent(result.linesSent, total)) {
            result.end = DownloadResult::Cancelled;
            break;
        }
    }
    if (progress)
        progress->End();
    return result;
}

} // namespace orvant
