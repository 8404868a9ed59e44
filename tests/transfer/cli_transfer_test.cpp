// orvant-cli send and upload as built, against the simulator on a pseudo-terminal.

#include "sim/k2207_simulator.h"
#include "support/cli_runner.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvant::test {
namespace {

class CliTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
    }
    void TearDown() override { sim.Stop(); }

    CliRun Cli(const QStringList& args) {
        return RunProgram(ORVANT_CLI_PROGRAM, args,
                          {{"ORVANT_COM1", QString::fromStdString(sim.SlavePath())}});
    }
    static QString Fixture(const char* name) { return QString(ORVANT_FIXTURES "/") + name; }
    // The commands the simulator got after the identification (link check, U20, U15), once
    // `count` of them have arrived (the program may end before the simulator has read them).
    std::vector<std::string> Downloaded(std::size_t count) const {
        sim.WaitForLogSize(3 + count, 2.0);
        std::vector<std::string> out;
        const auto log = sim.Log();
        for (std::size_t i = 3; i < log.size(); ++i)
            out.push_back(log[i].text);
        return out;
    }

    sim::K2207Simulator sim;
};

TEST_F(CliTransferTest, SendTracesEveryLineAndReportsARefusedLine) {
    const CliRun run = Cli({"send", "--no-reset", Fixture("mixed.tsf")});
    EXPECT_EQ(run.exitCode, 1) << "a line was refused";
    EXPECT_EQ(Downloaded(6), (std::vector<std::string>{"V1500", "A64", "K", "F400", "M1", "R"}));
    QStringList out = run.out.split('\n');
    ASSERT_EQ(out.takeLast(), "");
    ASSERT_GE(out.size(), 6);
    const QStringList sent = out.mid(out.size() - 6);
    const QString time = ";\\d{1,2}:\\d\\d:\\d\\d";
    const QStringList patterns = {"V1500\t\t", "A64\t\t", "K\t\t", "F400\t\t", "M1\t\t", "R\t\t"};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(QRegularExpression("^" + QRegularExpression::escape(patterns[i]) + time)
                        .match(sent[i])
                        .hasMatch())
            << sent[i].toStdString();
    EXPECT_TRUE(out.contains("           INPUT 66")) << "the model answer is traced";
    EXPECT_TRUE(run.err.contains("Succesful connection\n"));
    EXPECT_TRUE(run.err.contains("Line     7 / q4 /  / Number Out Of Range\n"))
        << run.err.toStdString();
}

TEST_F(CliTransferTest, SendExitsWithZeroWhenEveryLineWent) {
    const CliRun run = Cli({"send", "--no-reset", "--quiet", Fixture("short.tsf")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(Downloaded(3), (std::vector<std::string>{"K", "V1000", "R"}));
    EXPECT_EQ(run.err, "Succesful connection\n");
}

TEST_F(CliTransferTest, SendRefusesWhatItCannotSendSafely) {
    struct Case {
        const char* name;
        bool silent;
        QStringList args;
        int exitCode;
        QString errPart;
    };
    const Case cases[] = {
        {"the check fails",
         false,
         {"send", "--no-reset", Fixture("faulty.tsf")},
         1,
         Fixture("faulty.tsf") + ":2: error: Number Out Of Range\n"},
        {"no identification",
         true,
         {"send", "--no-reset", Fixture("short.tsf")},
         1,
         "did not identify"},
        {"no device",
         false,
         {"send", "--channel", "2", Fixture("short.tsf")},
         1,
         "cannot open COM2: No such file or directory: /"},
        {"unreadable file", false, {"send", Fixture("none.tsf")}, 2, "cannot read"},
        {"no file", false, {"send", "--no-reset"}, 2, "usage: orvant-cli send"},
        {"two files", false, {"send", Fixture("short.tsf"), Fixture("short.tsf")}, 2, "usage"},
        {"unknown option", false, {"send", "--slow", Fixture("short.tsf")}, 2, "usage"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.SetSilent(c.silent);
        const std::size_t before = sim.Log().size();
        QTemporaryDir dir;
        const CliRun run = RunProgram(ORVANT_CLI_PROGRAM, c.args,
                                      {{"ORVANT_COM1", QString::fromStdString(sim.SlavePath())},
                                       {"ORVANT_COM2", dir.filePath("none")}});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.errPart)) << run.err.toStdString();
        const auto log = sim.Log();
        for (std::size_t i = before; i < log.size(); ++i)
            EXPECT_TRUE(log[i].text[0] == '^' || log[i].text[0] == 'U') << log[i].text;
    }
}

TEST_F(CliTransferTest, UploadPrintsTheBoxFields) {
    sim.SetRegisterAnswer(1, 0x40);
    sim.SetRegisterAnswer(2, 0x1F);
    sim.SetRegisterAnswer(3, 0x00);
    sim.SetRegisterAnswer(14, 0x81);
    struct Case {
        const char* item;
        QString out;
    };
    const Case cases[] = {
        {"position", "name\tAbsolute position\ndec\t      8000        Ful step:     125\n"
                     "hex\t  00 00 1F 40 H\nbin\t\n"},
        {"U2", "name\tAbs. position - MID sig. Byte\ndec\t        31\nhex\t  00 00 00 1F H\n"
               "bin\t 0  0  0  1  1  1  1  1 \n"},
        {"mode", "name\tConnect MODE with amplifier\ndec\t         8\nhex\t1, steps & direction\n"
                 "bin\t 0  0  0  0  1  0  0  0 \n"},
        {"flags", "User flag   80 - ON\nUser flag   81 - OFF\nUser flag   82 - OFF\n"
                  "User flag   83 - OFF\nUser flag   84 - OFF\nUser flag   85 - OFF\n"
                  "User flag   86 - OFF\nUser flag   87 - ON\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const CliRun run = Cli({"upload", "--no-reset", c.item});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out);
    }
}

TEST_F(CliTransferTest, UploadFailures) {
    sim.SetRegisterAnswer(5, std::nullopt);
    CliRun run = Cli({"upload", "--no-reset", "variable"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.endsWith("No Answer\n")) << run.err.toStdString();
    EXPECT_EQ(sim.Log().back().text, "U5") << "U6 is not requested";
    for (const QStringList& args :
         {QStringList{"upload", "U20"}, QStringList{"upload"}, QStringList{"upload", "U1", "U2"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        run = Cli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("usage: orvant-cli upload"));
    }
}

} // namespace
} // namespace orvant::test
