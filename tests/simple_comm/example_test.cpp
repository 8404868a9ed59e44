// The example program: sends its line to the port and prints the far end's reply.

#include "support/pty_pair.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#include <sys/wait.h>

namespace orvant::test {
namespace {

using namespace std::chrono_literals;

struct ExampleRun {
    int exitCode;
    std::string output;
};

ExampleRun RunExample(const std::string& arguments) {
    const std::string command = std::string(SIMPLE_COMM_EXAMPLE) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, ""};
    }
    std::string output;
    char buffer[256];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(SimpleCommExample, SendsTheLineAndPrintsWhatComesBack) {
    struct Case {
        const char* name;
        const char* line;
        std::string sent;
        std::string reply;
        std::string printed;
    };
    const Case cases[] = {
        {"identification", "U20", "U20\r", "B", "sent U20, received: B\n"},
        {"reply with control bytes", "U1", "U1\r", std::string("\x03\r\0", 3),
         "sent U1, received: <03><0d><00>\n"},
        {"no reply", "V1500", "V1500\r", "", "sent V1500, received: \n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPair pty;
        std::string sent;
        std::thread farEnd([&] {
            sent = pty.Receive(c.sent.size(), 5s);
            pty.Send(c.reply);
        });
        const ExampleRun run = RunExample(pty.slavePath() + " " + c.line + " 0.5");
        farEnd.join();
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(sent, c.sent);
        EXPECT_NE(run.output.find(c.printed), std::string::npos) << run.output;
    }
}

TEST(SimpleCommExample, ReportsWhatGoesWrong) {
    struct Case {
        const char* name;
        const char* arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"no port", "", 1, "usage:"},
        {"missing device", "/nonexistent/orvant-tty", 2,
         "cannot open /nonexistent/orvant-tty: status 2, No such file or directory"},
        {"not a serial device", "/dev/null", 2, "status 25"},
        {"bad time", "/dev/null U20 -1", 1, "SECONDS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ExampleRun run = RunExample(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

} // namespace
} // namespace orvant::test
