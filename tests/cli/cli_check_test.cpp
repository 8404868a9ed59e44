// orvant-cli check, run as a program on the fixture scripts: its output and exit status
// are what scripts and CI rely on.

#include "support/run_program.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace {

using CliResult = orvant::test::ProgramResult;

// Runs orvant-cli with `args` from the fixture folder, so file names print as given.
CliResult RunCli(const std::string& args) {
    return orvant::test::RunProgram("cd '" ORVANT_CLI_FIXTURES "' && '" ORVANT_CLI_PATH "' " + args,
                                    testing::TempDir());
}

const std::string kFaultyReport = "faulty.tsf:3: error: Syntax Error\n"
                                  "faulty.tsf:7: error: Number Out Of Range\n"
                                  "2  ERRORS \n\n"
                                  "Line     3\t Syntax Error\n"
                                  "Line     7\t Number Out Of Range\n";

const std::string kStartStatus = "status\tX=All;  M=?;  Q=?;  S=?;  V=?;  A=?;  R=200;  \n";

TEST(CliCheckTest, OutputAndExitStatus) {
    struct Case {
        const char* args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"check --linked --model 2 link_defaults.tsf", 0,
         "Check is OK - 0 ERRORS\nLength of command file :   144 bits\n"},
        {"check empty.tsf", 0, "Check is OK - 0 ERRORS\nLength of command file :     0 bits\n"},
        {"check faulty.tsf", 1, kFaultyReport},
        {"check latin1.tsf", 1,
         "latin1.tsf:2: error: Syntax Error\n"
         "latin1.tsf:3: error: Command unknown\n"
         "2  ERRORS \n\n"
         "Line     2\t Syntax Error\n"
         "Line     3\t Command unknown\n"},
        // 27 * 32 + 8 bits: too large for model 1 (864 bits), fits the 40000 bits that hold
        // before any identification and for the unknown model.
        {"check --model 1 bits872.tsf", 1,
         "Check is OK - 0 ERRORS\nLength of command file :   872 bits\n\n"
         "Command File is too large !!!\n"},
        {"check bits872.tsf", 0, "Check is OK - 0 ERRORS\nLength of command file :   872 bits\n"},
        {"check --model 0 bits872.tsf", 0,
         "Check is OK - 0 ERRORS\nLength of command file :   872 bits\n"},
        // One failing file fails the run; every file is still reported.
        {"check faulty.tsf empty.tsf", 1,
         kFaultyReport + "Check is OK - 0 ERRORS\nLength of command file :     0 bits\n"},
        {"check -- empty.tsf", 0, "Check is OK - 0 ERRORS\nLength of command file :     0 bits\n"},
        {"check --model 1 labels.tsf", 1,
         "labels.tsf:1: error: Number Out Of Range\n1 ERROR \n\n"
         "Line     1\t Number Out Of Range\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_EQ(r.err, "") << c.args;
    }
}

TEST(CliCheckTest, TableOutput) {
    struct Case {
        const char* args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"check --table faulty.tsf", 1,
         "1\t0\tS200\n2\t0\tV1000\n3\t2\tS\n4\t0\tK\n6\t0\tW500\n7\t1\t\n8\t0\tK\n"
         "bits\t96\n"
         "status\tX=All;  M=?;  Q=?;  S=200;  V=1000;  A=?;  R=200;  \n"},
        {"check --table lf_no_final_end.tsf", 0,
         "1\t0\tV1000\n2\t0\tK\nbits\t32\n"
         "status\tX=All;  M=?;  Q=?;  S=?;  V=1000;  A=?;  R=200;  \n"},
        {"check --table --linked empty.tsf", 0,
         "bits\t0\nstatus\tX=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;  R=200;  \n"},
        {"check --table empty.tsf", 0, "bits\t0\n" + kStartStatus},
        // Settings carry over from file to file: the microstep setting of the first file
        // makes "=100" a position off the user step of 16 (code 6, which still passes).
        {"check --table microstep4.tsf positions.tsf", 0,
         "1\t0\tX3\n2\t0\tM4\nbits\t32\n"
         "status\tX=3;  M=4;  Q=?;  S=?;  V=?;  A=?;  R=200;  \n"
         "1\t6\t=100\n2\t0\t=96\nbits\t32\n"
         "status\tX=3;  M=4;  Q=?;  S=?;  V=?;  A=?;  R=200;  \n"},
        {"check --table positions.tsf microstep4.tsf", 0,
         "1\t0\t=100\n2\t0\t=96\nbits\t64\n" + kStartStatus +
             "1\t0\tX3\n2\t0\tM4\nbits\t32\n"
             "status\tX=3;  M=4;  Q=?;  S=?;  V=?;  A=?;  R=200;  \n"},
        {"check --model 1 --table labels.tsf", 1, "1\t1\t\n2\t0\tJ15\nbits\t16\n" + kStartStatus},
        {"check --table --model 1 bits872.tsf", 1,
         [] {
             std::string t;
             for (int i = 1; i <= 27; ++i)
                 t += std::to_string(i) + "\t0\tW1\n";
             return t + "28\t0\tK\nbits\t872\n" + kStartStatus;
         }()},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_EQ(r.err, "") << c.args;
    }
}

TEST(CliCheckTest, UsageAndReadErrors) {
    const char* cases[] = {
        "check",
        "check --table",
        "check --model",
        "check --model 11 empty.tsf",
        "check --model x empty.tsf",
        "check --model -1 empty.tsf",
        "check --model '' empty.tsf",
        "check --bogus empty.tsf",
        "check no-such-file.tsf",
        // A file that cannot be read stops the run before any result is printed.
        "check empty.tsf no-such-file.tsf",
        "check .",
    };
    for (const char* args : cases) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_NE(r.err, "") << args;
    }
    EXPECT_NE(RunCli("check no-such-file.tsf").err.find("no-such-file.tsf"), std::string::npos);
}

// Entries that are not script files: refused at once with the system's reason, never
// waited on or read without end.
TEST(CliCheckTest, HostileFilesEndInStatusTwoWithTheReason) {
    const std::string fifo = testing::TempDir() + "cli_check_fifo_" + std::to_string(getpid());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        const char* name;
        std::string args;
        std::string reason;
    };
    const Case cases[] = {
        {"endless device", "check /dev/zero", "it is a character device, not a regular file"},
        {"FIFO without a writer", "check '" + fifo + "'", "it is a FIFO, not a regular file"},
        {"directory", "check .", "it is a directory, not a regular file"},
        {"read error", "check /proc/self/mem", "Input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
    std::remove(fifo.c_str());
}

// CR LF, LF and a lone CR each end a line, as in the editor: the same script gives the
// same result whatever line ends it was saved with.
TEST(CliCheckTest, EveryLineEndGivesTheSameResult) {
    const std::string expected = "1\t0\tS200\n2\t2\tS\n3\t0\tK\nbits\t32\n"
                                 "status\tX=All;  M=?;  Q=?;  S=200;  V=?;  A=?;  R=200;  \n";
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end[0] == '\n' ? "LF" : end[1] ? "CR LF" : "CR");
        const std::string path = testing::TempDir() + "cli_check_ends_" + std::to_string(getpid());
        std::ofstream(path, std::ios::binary) << "S200" << end << "sx ; bad" << end << "K" << end;
        const CliResult r = RunCli("check --table '" + path + "'");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, expected);
        std::remove(path.c_str());
    }
}

} // namespace
