// orvant-cli state, run as a program on state files written by the codec.

#include "language/state_file.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace orvant
