// orvant-cli identify against a k2207-sim process: both programs as built.

#include "support/cli_runner.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kDefaults = "X=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;  R=200;  ";

// A k2207-sim process with a link in a temporary folder.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args) {
        link_ = dir_.filePath("com");
        process_.start(ORVANT_SIM_PROGRAM, QStringList{"--link", link_} + args);
        if (!process_.waitForStarted(5000) || !process_.waitForReadyRead(5000))
            ADD_FAILURE() << "k2207-sim did not start";
        slave_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    QString link() const { return link_; }
    QString slave() const { return slave_; }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString link_;
    QString slave_;
};

using orvant::test::CliRun;

CliRun Identify(const QStringList& args, const std::map<QString, QString>& env) {
    return orvant::test::RunProgram(ORVANT_CLI_PROGRAM, QStringList{"identify"} + args, env);
}

TEST(CliIdentify, IdentifiesTheSimulatedController) {
    SimProcess sim({"--model", "h"});
    const CliRun run = Identify({"--no-reset"}, {{"ORVANT_COM1", sim.link()}});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Succesful connection\n"
                       "panel0\t  Type of MCU : K2207E4-2x, 8000 bits\n"
                       "panel1\tSerial: COM1, 4800 Bd\n"
                       "panel2\t" +
                           kDefaults + "\n");
}

TEST(CliIdentify, ReportsFailuresLineByLine) {
    struct Case {
        QStringList simArgs;
        QStringList cliArgs;
        QString expected;
    };
    const Case cases[] = {
        {{"--silent"},
         {"--no-reset"},
         "Serial Setup Failed - no answer from MCU / Please check communication cable "
         "connection and Baud rate setting\n"
         "panel0\t  Type of MCU : unknown\npanel1\tSerial: COM1, 4800 Bd\npanel2\t" +
             kDefaults + "\n"},
        {{"--wrong-link"},
         {"--no-reset", "--channel", "2", "--fast", "--baud-index", "0"},
         "Serial Setup Failed - wrong answer from MCU / Please check Baud rate setting and "
         "communiocation cable connection\n"
         "panel0\t  Type of MCU : unknown\npanel1\tSerial: COM2, 600 Bd\npanel2\t" +
             kDefaults + "\n"},
        {{"--model", "0x5A"},
         {"--no-reset", "--baud-index", "1"},
         "Succesful connection\npanel0\t  Type of MCU : unknown\npanel1\tSerial: COM1, "
         "1200 Bd\npanel2\t" +
             kDefaults + "\n"},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.simArgs);
        const CliRun run =
            Identify(c.cliArgs, {{"ORVANT_COM1", sim.link()}, {"ORVANT_COM2", sim.slave()}});
        EXPECT_EQ(run.exitCode, 0) << c.simArgs.join(" ").toStdString();
        EXPECT_EQ(run.out, c.expected) << c.simArgs.join(" ").toStdString();
    }
}

TEST(CliIdentify, MissingDeviceExitsWithOne) {
    QTemporaryDir dir;
    const CliRun run = Identify({"--channel", "3"}, {{"ORVANT_COM3", dir.filePath("none")}});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "COM port initiation not possible with this parameters: /  / COM3 4800 Bd\n"
                       "panel0\t  Type of MCU : unknown\n"
                       "panel1\tSerial: no init\n"
                       "panel2\tX=?;  M=?;  Q=?;  S=?;  V=?;  A=?; R=?\n");
    EXPECT_EQ(run.err, "orvant-cli identify: cannot open COM3: No such file or directory: " +
                           dir.filePath("none") + "\n");
}

TEST(CliIdentify, UsageErrorsExitWithTwo) {
    const QStringList cases[] = {{"--channel", "5"},    {"--channel", "0"},    {"--channel"},
                                 {"--baud-index", "4"}, {"--baud-index", "x"}, {"--bogus"}};
    for (const auto& args : cases) {
        const CliRun run = Identify(args, {});
        EXPECT_EQ(run.exitCode, 2) << args.join(" ").toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(" ").toStdString();
    }
}

} // namespace
