#pragma once
// Runs a program through the shell and captures its exit status, standard output and
// standard error, for tests of the command-line programs.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace orvant::test {

struct ProgramResult {
    int status = -1; // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs `commandLine` with /bin/sh; `scratchDir` holds the captured streams for the while.
inline ProgramResult RunProgram(const std::string& commandLine, const std::string& scratchDir) {
    static int counter = 0;
    const std::string base =
        scratchDir + "run_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    const std::string out = base + ".out", err = base + ".err";
    const std::string command = commandLine + " >'" + out + "' 2>'" + err + "' </dev/null";
    const int raw = std::system(command.c_str());
    ProgramResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadWholeFile(out);
    r.err = ReadWholeFile(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return r;
}

} // namespace orvant::test
