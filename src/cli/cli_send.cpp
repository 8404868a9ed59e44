// orvant-cli send: downloads a script file to the controller as "Execute Active Win" does,
// after opening and identifying the link as `identify` does.
//
//   orvant-cli send [--channel N] [--baud-index I] [--fast] [--no-reset] [--quiet] FILE
//
// Standard output: every trace line, exactly as the trace window shows it, so the output is
// itself a script whose times are comments. Standard error: the boxes of the link set-up,
// "FILE:LINE: error: MESSAGE" for each line the program check refuses, a refused line of the
// sending pass as its box (line breaks as " / "), and, on a terminal and without --quiet, a
// one-line progress display. Exit status: 0 every line was sent; 1 the port did not open, the
// controller did not identify, the check failed, a line was refused or a write failed; 2 a
// usage or read error.

#include "cli_command.h"
#include "cli_link.h"

#include "language/command_errors.h"
#include "language/controller_models.h"
#include "language/download_texts.h"
#include "language/program_checker.h"
#include "language/script_text.h"
#include "transfer/program_download.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace orvant::cli {

namespace {

constexpr std::string_view kUsage =
    "send [--channel N] [--baud-index I] [--fast] [--no-reset] [--quiet] FILE";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "orvant-cli send: %s\nusage: orvant-cli %.*s\n", message.c_str(),
                 static_cast<int>(kUsage.size()), kUsage.data());
    return 2;
}

std::string OneLine(std::string text) {
    std::string out;
    for (char c : text)
        out += c == '\r' ? std::string(" / ") : std::string(1, c);
    return out;
}

// The progress line on a terminal, rewritten in place after every line.
class TerminalProgress : public DownloadProgress {
public:
    void Begin(std::size_t total, double gapSeconds) override {
        gap_ = gapSeconds;
        clock_.start();
        Show(0, total);
    }
    bool LineSent(std::size_t sent, std::size_t total) override {
        Show(sent, total);
        return true;
    }
    void End() override { std::fputs("\r\033[K", stderr); }

private:
    void Show(std::size_t sent, std::size_t total) {
        const double elapsed = static_cast<double>(clock_.elapsed()) / 1000.0;
        const std::string text =
            DownloadProgressText(sent, total, elapsed, static_cast<double>(total - sent) * gap_);
        std::fprintf(stderr, "\r\033[K%s", text.c_str());
        std::fflush(stderr);
    }
    QElapsedTimer clock_;
    double gap_ = 0;
};

int RunSend(int argc, char** argv) {
    LinkOptions options;
    bool quiet = false;
    std::string file;
    const std::string usage =
        ParseArguments(argc, argv, options, [&](const std::string& arg) -> std::string {
            if (arg == "--quiet")
                quiet = true;
            else if (arg.size() > 1 && arg[0] == '-')
                return "unknown option '" + arg + "'";
            else if (!file.empty())
                return "one script file only";
            else
                file = arg;
            return {};
        });
    if (!usage.empty())
        return UsageError(usage);
    if (file.empty())
        return UsageError("no script file given");

    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "orvant-cli send: cannot read '%s': %s\n", file.c_str(),
                     std::strerror(errno));
        return 2;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        std::fprintf(stderr, "orvant-cli send: cannot read '%s'\n", file.c_str());
        return 2;
    }
    const std::vector<std::string> lines = SplitScriptText(bytes);

    int appArgc = 1;
    char appName[] = "orvant-cli";
    char* appArgv[] = {appName, nullptr};
    QCoreApplication app(appArgc, appArgv);

    CliLink cli(options, stderr);
    QObject::connect(&cli.link, &ControllerLink::traceLine, [](const QString& line) {
        std::printf("%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    });
    if (!cli.OpenAndIdentify("send"))
        return 1;

    const ProgramCheckReport report =
        CheckProgram(lines, cli.session, false, [&file](const CheckedLine& line) {
            if (line.code == 0 || line.code == 5 || line.code == 6)
                return;
            std::fprintf(stderr, "%s:%zu: error: %.*s\n", file.c_str(), line.number,
                         static_cast<int>(CommandErrorMessage(line.code).size()),
                         CommandErrorMessage(line.code).data());
        });
    if (!report.passed) {
        if (!report.boxes.empty())
            std::fprintf(stderr, "%s\n", OneLine(report.boxes.back().text).c_str());
        return 1;
    }

    TerminalProgress terminal;
    const bool showProgress = !quiet && ::isatty(STDERR_FILENO);
    const DownloadResult result = SendProgramLines(
        lines, cli.session, cli.link,
        [](std::size_t number, const std::string& written, std::uint16_t code) {
            std::fprintf(stderr, "%s\n", OneLine(RefusedLineText(number, written, code)).c_str());
        },
        showProgress ? &terminal : nullptr);
    switch (result.end) {
    case DownloadResult::WriteFailed:
        std::fprintf(stderr, "%s\n",
                     OneLine(WriteFailedText(result.failedLine, result.failReason)).c_str());
        return 1;
    case DownloadResult::PortNotReady:
    case DownloadResult::Cancelled:
        return 1;
    case DownloadResult::Completed:
        break;
    }
    return result.linesRefused == 0 ? 0 : 1;
}

const char kSendDetails[] =
    "Opens and identifies the link as identify does (its boxes on standard error); refuses\n"
    "an unidentified controller. Checks FILE (FILE:LINE: error: MESSAGE on standard error)\n"
    "and downloads it with the model's pacing. Standard output: every trace line, so the\n"
    "output is itself a script. Progress on standard error when it is a terminal, none\n"
    "with --quiet.\n"
    "Exit status: 0 every line sent; 1 no port, no identification, a failed check, a\n"
    "refused line or a failed write; 2 usage or read error.";
const CliRegistrar kSend({"send", kUsage, &RunSend,
                          "check a script and download it to the controller", kSendDetails});

} // namespace

} // namespace orvant::cli
