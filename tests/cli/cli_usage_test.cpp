// The command-line conventions of orvant-cli and k2207-sim: help on standard output with exit
// status 0, the version, help for every sub-command, and usage errors on standard error
// with exit status 2.

#include "support/run_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using orvant::test::ProgramResult;

ProgramResult RunWith(const std::string& program, const std::string& args) {
    return orvant::test::RunProgram("'" + program + "' " + args, testing::TempDir());
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::vector<std::string> kCommands = {"check", "identify", "state"};

TEST(CliUsageTest, HelpGoesToStandardOutputWithStatusZero) {
    for (const char* args : {"--help", "-h", "help"}) {
        SCOPED_TRACE(args);
        const ProgramResult r = RunWith(ORVANT_CLI_PATH, args);
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_EQ(r.out.rfind("usage: orvant-cli COMMAND", 0), 0u) << r.out;
        for (const std::string& command : kCommands)
            EXPECT_TRUE(Contains(r.out, "\n  " + command + " ")) << command << " not listed";
    }
}

TEST(CliUsageTest, VersionIsTheProjectVersion) {
    const ProgramResult r = RunWith(ORVANT_CLI_PATH, "--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "orvant-cli " ORVANT_VERSION "\n");
}

TEST(CliUsageTest, EverySubcommandTakesHelp) {
    for (const std::string& command : kCommands) {
        for (const std::string& args :
             {command + " --help", "help " + command, command + " --table --help"}) {
            SCOPED_TRACE(args);
            const ProgramResult r = RunWith(ORVANT_CLI_PATH, args);
            EXPECT_EQ(r.status, 0);
            EXPECT_TRUE(r.err.empty()) << r.err;
            EXPECT_EQ(r.out.rfind("usage: orvant-cli " + command + " ", 0), 0u) << r.out;
            EXPECT_TRUE(Contains(r.out, "Exit status:")) << r.out;
        }
    }
}

TEST(CliUsageTest, UsageErrorsGoToStandardErrorWithStatusTwo) {
    struct Case {
        const char* name;
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"no command", "", "usage: orvant-cli COMMAND"},
        {"unknown command", "frobnicate", "unknown command 'frobnicate'"},
        {"help for an unknown command", "help frobnicate", "no command 'frobnicate'"},
        {"help with two commands", "help check state", "usage: orvant-cli COMMAND"},
        // After "--" a "--help" is an argument of the command, not a request for help.
        {"help after --", "state -- --help", "usage: orvant-cli state"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramResult r = RunWith(ORVANT_CLI_PATH, c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
    }
}

#ifdef ORVANT_SIM_PATH
TEST(SimUsageTest, HelpVersionAndUsageError) {
    const ProgramResult help = RunWith(ORVANT_SIM_PATH, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: k2207-sim ", 0), 0u) << help.out;
    EXPECT_TRUE(help.err.empty()) << help.err;

    const ProgramResult version = RunWith(ORVANT_SIM_PATH, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "k2207-sim " ORVANT_VERSION "\n");

    const ProgramResult wrong = RunWith(ORVANT_SIM_PATH, "--frobnicate");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.empty()) << wrong.out;
    EXPECT_TRUE(Contains(wrong.err, "usage: k2207-sim")) << wrong.err;
}
#endif

} // namespace
