// orvant-cli state, run as a program on state files written by the codec.

#include "language/state_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace orvant {
namespace {

struct Result {
    int status = -1;
    std::string out;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Result RunState(const std::string& args) {
    const std::string out = testing::TempDir() + "cli_state_" + std::to_string(getpid()) + ".out";
    const std::string command = "'" ORVANT_CLI_PATH "' state " + args + " >'" + out + "' 2>&1";
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(out);
    std::remove(out.c_str());
    return r;
}

std::string WriteImage(const std::vector<std::uint8_t>& bytes) {
    const std::string path = testing::TempDir() + "cli_state_" + std::to_string(getpid()) + ".ini";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
}

StateFileContent Sample() {
    StateFileContent c;
    c.Link.ModelCode = 9;
    c.Move.RelDistance[0] = 0.1;
    c.Width = 469;
    c.Height = 331;
    c.ChildCount = 2;
    c.Trace = {"", 309, 1, 155, 220, 4};
    c.Documents = {{"/tmp/a.TSF", 1, 1, 300, 220, 5}};
    return c;
}

TEST(CliStateTest, AnIntactFileIsListedItemByItem) {
    const Result r = RunState("'" + WriteImage(EncodeStateFile(Sample())) + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "link\tmodel=9 fast=0 baud=3 channel=0 autoinit=1\n"
                     "move\trelative=0.10000000000000001,0,0,0 absolute=0,0,0,0 microsteps=10 "
                     "digits=1 position=0 done=0 answered=0\n"
                     "size\t469x331\n"
                     "children\t2\n"
                     "trace\t309,1 155x220 caret=4\n"
                     "document\t/tmp/a.TSF\t1,1 300x220 caret=5\n");
}

TEST(CliStateTest, DamageIsListedWithStatusOneAndAMissingFileGivesTwo) {
    auto bytes = EncodeStateFile(Sample());
    bytes[4] = 9;
    bytes.resize(60);
    const Result damaged = RunState("'" + WriteImage(bytes) + "'");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("link\tmodel=9 fast=0 baud=3 channel=0"), std::string::npos);
    EXPECT_NE(damaged.out.find("problem\tthe file is shorter than its 93-byte head\n"),
              std::string::npos);
    EXPECT_NE(damaged.out.find("problem\tchannel index out of range\n"), std::string::npos);
    EXPECT_EQ(damaged.out.find("children"), std::string::npos);

    EXPECT_EQ(RunState("/nonexistent/orv_win.ini").status, 2);
    EXPECT_EQ(RunState("a b").status, 2);
}

// What cannot be read as a state file ends in status 2 with the system's reason, never in
// a wait, an endless read or an abort.
TEST(CliStateTest, UnreadableEntriesEndInStatusTwoWithTheReason) {
    const std::string fifo = testing::TempDir() + "cli_state_fifo_" + std::to_string(getpid());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string dangling = testing::TempDir() + "cli_state_gone_" + std::to_string(getpid());
    ASSERT_EQ(symlink("/nonexistent/vanished.ini", dangling.c_str()), 0);
    struct Case {
        const char* name;
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"directory", "/tmp", "it is a directory, not a regular file"},
        {"endless device", "/dev/zero", "it is a character device, not a regular file"},
        {"FIFO", fifo, "it is a FIFO, not a regular file"},
        {"read error", "/proc/self/mem", "Input/output error"},
        {"vanished", dangling, "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result r = RunState("'" + c.path + "'");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "orvant-cli state: cannot read " + c.path + ": " + c.reason + "\n");
    }
    std::remove(fifo.c_str());
    std::remove(dangling.c_str());
}

TEST(CliStateTest, NamesStayOnOneLineAndAbsurdGeometryIsAProblem) {
    StateFileContent c = Sample();
    c.Width = 65535;
    c.Height = 65535;
    c.ChildCount = 3;
    c.Documents = {{"/tmp/\xc4\x8d\xc5\xbe.tsf", 1, 1, 300, 220, 0},
                   {"/tmp/two\nlines\t\\x.tsf", 1, 1, 1 << 30, 220, 0}};
    const Result r = RunState("'" + WriteImage(EncodeStateFile(c)) + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("size\t65535x65535\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("document\t/tmp/\xc4\x8d\xc5\xbe.tsf\t1,1 300x220 caret=0\n"),
              std::string::npos)
        << "UTF-8 is printed as it is";
    EXPECT_NE(r.out.find("document\t/tmp/two\\x0alines\\x09\\\\x.tsf\t"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("problem\tmain window size 65535x65535 is larger than any screen\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("problem\ta document's window rectangle 1,1 1073741824x220 is unusable\n"),
              std::string::npos);
}

} // namespace
} // namespace orvant
