// orvant-cli check: the whole-script check of script files, one after another in one
// session, as the workbench's "Check Active Win" runs it.
//
//   orvant-cli check [--model CODE] [--linked] [--table] FILE...
//
// Default output per file: "FILE:LINE: error: MESSAGE" for each faulty line, then the text
// of the check's closing box. With --table: "LINE<TAB>CODE<TAB>NORMAL" for every line that
// is not blank, then "bits<TAB>N" and "status<TAB>TEXT". Exit status 0 when every file
// passed, 1 when any failed, 2 on a usage or read error.

#include "cli_command.h"

#include "files/regular_file.h"
#include "language/command_errors.h"
#include "language/controller_models.h"
#include "language/program_checker.h"
#include "language/script_text.h"
#include "language/session.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace orvant::cli {

namespace {

constexpr std::string_view kUsage = "check [--model CODE] [--linked] [--table] FILE...";

struct CheckOptions {
    bool haveModel = false;
    std::uint8_t model = 0;
    bool linked = false;
    bool table = false;
    std::vector<std::string> files;
};

struct ScriptFile {
    std::string name;
    std::vector<std::string> lines;
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "orvant-cli check: %s\nusage: orvant-cli %.*s\n", message.c_str(),
                 static_cast<int>(kUsage.size()), kUsage.data());
    return 2;
}

bool ParseModel(const char* text, std::uint8_t& model) {
    if (text == nullptr || *text == '\0' || std::strlen(text) > 2)
        return false;
    int value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
    }
    if (value > 10)
        return false;
    model = static_cast<std::uint8_t>(value);
    return true;
}

void Write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// A box text as lines: every "\r" is a line break, and the text ends with one.
void WriteBoxText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r')
            c = '\n';
    if (out.empty() || out.back() != '\n')
        out += '\n';
    Write(out);
}

bool CheckOneFile(const ScriptFile& file, Session& session, bool table) {
    CheckedLineSink sink;
    if (table) {
        sink = [](const CheckedLine& line) {
            std::string out = std::to_string(line.number);
            out += '\t';
            out += std::to_string(line.code);
            out += '\t';
            out += line.normal;
            out += '\n';
            Write(out);
        };
    } else {
        sink = [&file](const CheckedLine& line) {
            if (line.code == 0 || line.code == 5 || line.code == 6)
                return;
            std::string out = file.name;
            out += ':';
            out += std::to_string(line.number);
            out += ": error: ";
            out += CommandErrorMessage(line.code);
            out += '\n';
            Write(out);
        };
    }
    const ProgramCheckReport report = CheckProgram(file.lines, session, true, sink);
    if (table) {
        Write("bits\t" + std::to_string(session.ProgramBits) + "\n");
        Write("status\t" + session.AddressStatusText(true) + "\n");
    } else if (!report.boxes.empty()) {
        WriteBoxText(report.boxes.back().text);
    }
    return report.passed;
}

int RunCheck(int argc, char** argv) {
    CheckOptions options;
    bool optionsDone = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg == "--model") {
            if (i + 1 >= argc)
                return UsageError("--model needs a model code from 0 to 10");
            if (!ParseModel(argv[++i], options.model))
                return UsageError("model code must be a number from 0 to 10, not '" +
                                  std::string(argv[i]) + "'");
            options.haveModel = true;
        } else if (!optionsDone && arg == "--linked") {
            options.linked = true;
        } else if (!optionsDone && arg == "--table") {
            options.table = true;
        } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
            return UsageError("unknown option '" + std::string(arg) + "'");
        } else {
            options.files.emplace_back(arg);
        }
    }
    if (options.files.empty())
        return UsageError("no script file given");

    // Every file is read before anything is checked, so a read error gives no partial
    // result.
    std::vector<ScriptFile> files;
    files.reserve(options.files.size());
    for (const std::string& name : options.files) {
        const FileReadResult read = ReadRegularFile(name);
        if (read.status != FileStatus::Ok) {
            std::fprintf(stderr, "orvant-cli check: cannot read '%s': %s\n", name.c_str(),
                         FileReadProblem(read, kMaxScriptFileBytes).c_str());
            return 2;
        }
        files.push_back(ScriptFile{name, SplitScriptText(read.bytes)});
    }

    Session session;
    if (options.linked)
        session.ResetAddressSettings();
    if (options.haveModel) {
        session.ModelCode() = options.model;
        const auto model = ModelByCode(options.model);
        session.MemoryBits = model ? model->memoryBits : kDefaultMemoryBits;
    }

    bool allPassed = true;
    for (const ScriptFile& file : files)
        allPassed = CheckOneFile(file, session, options.table) && allPassed;
    std::fflush(stdout);
    if (std::ferror(stdout)) {
        std::fprintf(stderr, "orvant-cli check: cannot write the result\n");
        return 2;
    }
    return allPassed ? 0 : 1;
}

constexpr std::string_view kDetails =
    "Checks each script file against the command language in one session, one file after\n"
    "another: settings carry over, the program size restarts with each file.\n"
    "\n"
    "  --model CODE  check as after an identification that answered model CODE (0 to 10)\n"
    "  --linked      start from the link defaults (M 4, Q 1, S 200, V 1000, A 64)\n"
    "  --table       print LINE<TAB>CODE<TAB>NORMAL for every non-blank line, then\n"
    "                bits<TAB>N and status<TAB>TEXT\n"
    "\n"
    "Without --table: FILE:LINE: error: MESSAGE for each faulty line, then the text of the\n"
    "check's closing box.\n"
    "Exit status: 0 every file passed, 1 any failed, 2 usage or read error.";
const CliRegistrar kRegisterCheck{CliCommand{
    "check", kUsage, &RunCheck, "check script files against the command language", kDetails}};

} // namespace

} // namespace orvant::cli
