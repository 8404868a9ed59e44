// orvant-cli state: shows what a state file "orv_win.ini" holds, as the workbench reads it
// at start-up, and what in it could not be trusted.
//
//   orvant-cli state [FILE]        (default: orv_win.ini in the working directory)
//
// One "KEY<TAB>VALUE" line per item: link, move, size, children, trace, then one document
// line per reopened document ("document<TAB>NAME<TAB>LEFT,TOP WIDTHxHEIGHT caret=N"), then
// one "problem<TAB>TEXT" line per damage found. Exit status 0 for an intact file, 1 for a
// damaged one, 2 when the file cannot be read or the arguments are wrong.

#include "cli_command.h"

#include "files/regular_file.h"
#include "language/state_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace orvant::cli {

namespace {

constexpr std::string_view kUsage = "state [FILE]";

// A stored name on one line: control characters and the backslash are written as escapes
// ("\x0a", "\\"); every other byte, UTF-8 included, as it is.
std::string EscapedName(const std::string& name) {
    std::string out;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x20 || c == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out;
}

void PrintRect(const WindowRecord& r) {
    std::printf("%d,%d %dx%d caret=%d", r.Left, r.Top, r.Width, r.Height, r.Caret);
}

int Run(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
        std::fprintf(stderr, "usage: orvant-cli %.*s\n", static_cast<int>(kUsage.size()),
                     kUsage.data());
        return 2;
    }
    const std::string path = argc == 2 ? argv[1] : kStateFileName;
    const FileReadResult file = ReadRegularFile(path);
    if (file.status != FileStatus::Ok) {
        std::fprintf(stderr, "orvant-cli state: cannot read %s: %s\n", path.c_str(),
                     FileReadProblem(file, kMaxScriptFileBytes).c_str());
        return 2;
    }
    const StateFileRead read =
        DecodeStateFile(std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end()));
    const StateFileContent& c = read.Content;

    if (read.HasLink)
        std::printf("link\tmodel=%u fast=%u baud=%u channel=%u autoinit=%u\n", c.Link.ModelCode,
                    c.Link.FastIndexer, c.Link.BaudIndex, c.Link.ChannelIndex, c.Link.AutoInit);
    if (read.HasMove) {
        std::printf("move\trelative=%.17g,%.17g,%.17g,%.17g absolute=%.17g,%.17g,%.17g,%.17g",
                    c.Move.RelDistance[0], c.Move.RelDistance[1], c.Move.RelDistance[2],
                    c.Move.RelDistance[3], c.Move.AbsPosition[0], c.Move.AbsPosition[1],
                    c.Move.AbsPosition[2], c.Move.AbsPosition[3]);
        std::printf(" microsteps=%d digits=%d position=%d done=%u answered=%u\n",
                    c.Move.StepsPerUnit, c.Move.DecimalDigits, c.Move.UploadedPosition,
                    c.Move.UploadDone, c.Move.UploadAnswered);
    }
    if (read.HasSize)
        std::printf("size\t%ux%u\n", c.Width, c.Height);
    if (read.HasCount)
        std::printf("children\t%u\n", c.ChildCount);
    if (read.HasTrace) {
        std::printf("trace\t");
        PrintRect(c.Trace);
        std::printf("\n");
    }
    for (const WindowRecord& d : c.Documents) {
        std::printf("document\t%s\t", EscapedName(d.FileName).c_str());
        PrintRect(d);
        std::printf("\n");
    }
    for (const std::string& p : read.Problems)
        std::printf("problem\t%s\n", p.c_str());
    return read.Problems.empty() ? 0 : 1;
}

constexpr std::string_view kDetails =
    "Shows what a state file holds, as the workbench reads it at start-up (default FILE:\n"
    "orv_win.ini in the working directory).\n"
    "\n"
    "One KEY<TAB>VALUE line per item: link, move, size, children, trace, then one\n"
    "document<TAB>NAME<TAB>LEFT,TOP WIDTHxHEIGHT caret=N line per reopened document, then\n"
    "one problem<TAB>TEXT line per damage found.\n"
    "Exit status: 0 intact file, 1 damaged file, 2 unreadable file or usage error.";
const CliRegistrar registrar({"state", kUsage, &Run, "show what a state file orv_win.ini holds",
                              kDetails});

} // namespace

} // namespace orvant::cli
