#include "link_fixture.h"

#include "link/set_serial_dlg.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvant::test {
namespace {

const QString kSuccess = "Message: Succesful connection";
const QString kNoAnswerFromMcu =
    "Message: Serial Setup Failed - no answer from MCU\rPlease check communication cable "
    "connection and Baud rate setting";
const QString kWrongAnswer =
    "Message: Serial Setup Failed - wrong answer from MCU\rPlease check Baud rate setting and "
    "communiocation cable connection";
const QString kLinkDefaults = "X=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;  R=200;  ";

struct ModelCase {
    std::uint8_t answer;
    int code;          // expected ModelCode (the previous one, 7, when unknown)
    int memoryBits;    // expected MemoryBits (the previous one, 2000, when unknown)
    const char* panel; // panel 0 text
};

class IdentifyModel : public SimLinkTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(IdentifyModel, AnswerToU20SetsModelMemoryAndPanel) {
    const ModelCase c = GetParam();
    sim.SetModelByte(c.answer);
    bench->session.ModelCode() = 7; // e.g. restored from the state file
    bench->session.MemoryBits = 2000;
    OpenLink();
    bench->setup.IdentifyController(false, 0);
    EXPECT_EQ(bench->session.ModelCode(), c.code);
    EXPECT_EQ(bench->session.MemoryBits, c.memoryBits);
    EXPECT_EQ(bench->setup.ModelText(), c.panel);
    EXPECT_EQ(bench->panels[0].last(), c.panel);
    EXPECT_EQ(bench->panels[2].last(), kLinkDefaults);
    EXPECT_EQ(bench->op.events, QStringList({"Sound: Default", kSuccess}));
    const auto commands = SimCommands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].substr(0, 1), "^");
    EXPECT_EQ(commands[1], "U20");
    EXPECT_EQ(commands[2], "U15");
}

INSTANTIATE_TEST_SUITE_P(
    EveryAnswer, IdentifyModel,
    ::testing::Values(ModelCase{'A', 1, 864, "  Type of MCU : K2207A, 864 bits"},
                      ModelCase{'B', 2, 2032, "  Type of MCU : K2207B, 2032 bits"},
                      ModelCase{'E', 3, 2000, "  Type of MCU : K2207E1, 2000 bits"},
                      ModelCase{'F', 4, 4000, "  Type of MCU : K2207E2, 4000 bits"},
                      ModelCase{'a', 5, 864, "  Type of MCU : K2207A-2x, 864 bits"},
                      ModelCase{'b', 6, 2032, "  Type of MCU : K2207B-2x, 2032 bits"},
                      ModelCase{'e', 7, 2000, "  Type of MCU : K2207E1-2x, 2000 bits"},
                      ModelCase{'f', 8, 4000, "  Type of MCU : K2207E2-2x, 4000 bits"},
                      ModelCase{'H', 9, 8000, "  Type of MCU : K2207E4 8000 bits"},
                      ModelCase{'h', 10, 8000, "  Type of MCU : K2207E4-2x, 8000 bits"},
                      ModelCase{'Z', 7, 2000, "  Type of MCU : unknown"},
                      ModelCase{'X', 7, 2000, "  Type of MCU : unknown"},
                      ModelCase{0x00, 7, 2000, "  Type of MCU : unknown"}),
    [](const ::testing::TestParamInfo<ModelCase>& info) {
        return "Answer" + std::to_string(info.param.answer);
    });

TEST_F(SimLinkTest, IdentifiedModelSetsTheSendGapFromThenOn) {
    sim.SetModelByte('h');
    OpenLink();
    bench->setup.IdentifyController(false, 0);
    ASSERT_EQ(bench->session.ModelCode(), 10);
    // U15 went out with the 1.0 s gap of the model just identified. U20 was written only
    // after the answer to the link check came back, so after the link check arrived.
    const auto log = sim.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_GE(log[2].micros - log[0].micros, 1000000);
}

TEST_F(SimLinkTest, NoAnswerToTheLinkCheck) {
    sim.SetSilent(true);
    bench->session.ModelCode() = 2;
    OpenLink();
    bench->setup.IdentifyController(false, 0);
    bench->setup.PublishPanels();
    EXPECT_EQ(bench->op.events, QStringList({kNoAnswerFromMcu}));
    EXPECT_TRUE(bench->port.IsOpen());
    EXPECT_TRUE(bench->link.PortReady());
    EXPECT_EQ(bench->session.ModelCode(), 2);
    EXPECT_EQ(bench->panels[0].last(), "  Type of MCU : unknown");
    EXPECT_EQ(bench->panels[1].last(), "Serial: COM1, 4800 Bd");
    EXPECT_EQ(SimCommands().size(), 1u); // nothing after the link check
}

TEST_F(SimLinkTest, WrongAnswerToTheLinkCheck) {
    sim.SetWrongLink(true);
    OpenLink();
    bench->setup.IdentifyController(false, 0);
    EXPECT_EQ(bench->op.events, QStringList({kWrongAnswer}));
    EXPECT_TRUE(bench->link.PortReady());
    EXPECT_EQ(bench->session.ModelCode(), 0);
    EXPECT_EQ(SimCommands().size(), 1u);
}

TEST_F(SimLinkTest, ExpectedByteAfterOtherBytesIsAccepted) {
    sim.SetBytesBeforeLinkAnswer({200, 0, 255, 131});
    sim.SetModelByte('F');
    OpenLink();
    bench->setup.IdentifyController(false, 0);
    EXPECT_EQ(bench->op.events, QStringList({"Sound: Default", kSuccess}));
    EXPECT_EQ(bench->session.ModelCode(), 4);
}

TEST_F(SimLinkTest, BytesAfterTheLinkAnswerAreTakenFirstAsTheModelAnswer) {
    // The ring is not cleared before U20: what followed the link check answer comes first.
    sim.SetBytesAfterLinkAnswer({'H'});
    sim.SetModelByte('B');
    OpenLink();
    bench->setup.IdentifyController(false, 0);
    EXPECT_EQ(bench->session.ModelCode(), 9);
    EXPECT_EQ(bench->panels[0].last(), "  Type of MCU : K2207E4 8000 bits");
    EXPECT_EQ(bench->op.events, QStringList({"Sound: Default", kSuccess}));
}

TEST_F(SimLinkTest, ChosenCheckNumbersExpectTheirTableBytes) {
    for (int n : {1, 37, 64, 100, 127}) {
        bench->setup.drawCheckNumber = [n] { return n; };
        OpenLink();
        bench->setup.IdentifyController(false, 0);
        EXPECT_EQ(bench->op.events, QStringList({"Sound: Default", kSuccess})) << n;
        std::string check = "^"; // appended: g++ 12 -O3 warns falsely on "^" + temporary
        check += std::to_string(n);
        EXPECT_EQ(SimCommands().end()[-3], check);
    }
}

TEST_F(SimLinkTest, RandomCheckNumbersStayWithin1To127) {
    for (int i = 0; i < 2000; ++i) {
        const int n = bench->setup.drawCheckNumber();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 127);
    }
}

TEST_F(SimLinkTest, NoAnswerToU20OrU15BeepsAndContinues) {
    struct Case {
        int silentRegister;
        QStringList events;
        int code;
    };
    const Case cases[] = {
        {20, {"Sound: CriticalStop", "Message: No Answer", "Sound: Default", kSuccess}, 0},
        {15, {"Sound: CriticalStop", "Message: No Answer", "Sound: Default", kSuccess}, 2},
    };
    for (const auto& c : cases) {
        bench->session.ModelCode() = 0;
        sim.ClearRegisterAnswer(15);
        sim.ClearRegisterAnswer(20);
        sim.SetRegisterAnswer(c.silentRegister, std::nullopt);
        OpenLink();
        bench->setup.IdentifyController(false, 0);
        EXPECT_EQ(bench->op.events, c.events) << "U" << c.silentRegister;
        EXPECT_EQ(bench->session.ModelCode(), c.code) << "U" << c.silentRegister;
        EXPECT_EQ(SimCommands().back(), "U15");
    }
}

TEST_F(SimLinkTest, ModeBit3DecidesTheMicrosteps) {
    struct Case {
        std::uint8_t mode;
        int microsteps;
    };
    const Case cases[] = {{0x00, 4}, {0xF7, 4}, {0x08, 16}, {0xFF, 16}};
    for (const auto& c : cases) {
        sim.SetModeByte(c.mode);
        OpenLink();
        bench->session.SetAddressValue(AddressField::M, 16);
        bench->setup.IdentifyController(false, 0);
        for (const auto& r : bench->session.Records)
            EXPECT_EQ(r.M, c.microsteps) << "mode " << int(c.mode);
    }
}

TEST_F(SimLinkTest, ResetGoesFirstAndIsWaitedOut) {
    OpenLink();
    const auto start = sim::K2207Simulator::MonotonicMicros();
    bench->setup.IdentifyController(true, 0.3);
    const auto log = sim.Log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].text, "\\");
    EXPECT_GE(log[1].micros - start, 300000);
    EXPECT_EQ(bench->op.events, QStringList({"Sound: Default", kSuccess}));
}

TEST_F(SimLinkTest, OpenPortResetsTheAddressSettingsAndPublishesTheLinkText) {
    bench->session.Link.BaudIndex = 2;
    bench->session.Link.FastIndexer = 1;
    bench->session.CurrentAddress = 3;
    bench->session.Records[3].V = 5000;
    ASSERT_TRUE(bench->setup.OpenPort());
    EXPECT_EQ(bench->port.ComPortSpeed(), br4800);
    EXPECT_EQ(bench->port.ComPortDataBits(), db8BITS);
    EXPECT_EQ(bench->port.ComPortParity(), ptNONE);
    EXPECT_EQ(bench->panels[1], QStringList({"Serial: COM1, 4800 Bd"}));
    EXPECT_EQ(bench->session.CurrentAddress, 16);
    EXPECT_EQ(bench->session.Records[3].V, 1000);
    EXPECT_TRUE(bench->link.PortReady());
    EXPECT_EQ(bench->beeps, 1);
    bench->setup.ShowSettingsSummary();
    EXPECT_EQ(bench->panels[2].last(), kLinkDefaults);
}

TEST_F(SimLinkTest, DamagedIndicesOpenWithTheDefaults) {
    bench->session.Link.BaudIndex = 9;
    bench->session.Link.ChannelIndex = 200;
    ASSERT_TRUE(bench->setup.OpenPort());
    EXPECT_EQ(bench->port.ComPort(), pnCOM1);
    EXPECT_EQ(bench->setup.LinkText(), "Serial: COM1, 4800 Bd");
    EXPECT_EQ(bench->session.Link.BaudIndex, 3);
    EXPECT_EQ(bench->session.Link.ChannelIndex, 0);
}

TEST(SerialSetup, PortThatCannotOpenLeavesTheLinkClosed) {
    PointChannelAt(2, "/nonexistent/orvant-com2");
    SteadyClock clock;
    Workbench bench(clock);
    bench.session.Link.ChannelIndex = 1;
    bench.link.SetPortReady(true);
    EXPECT_FALSE(bench.setup.OpenPort());
    EXPECT_EQ(bench.op.boxes(), QStringList({"Message: COM port initiation not possible with this "
                                             "parameters:\r\rCOM2 4800 Bd"}));
    // The system's reason comes with the box as its detail.
    EXPECT_EQ(bench.op.details,
              QStringList({"No such file or directory: /nonexistent/orvant-com2"}));
    EXPECT_FALSE(bench.link.PortReady());
    EXPECT_FALSE(bench.port.IsOpen());
    bench.setup.PublishPanels();
    EXPECT_EQ(bench.panels[0].last(), "  Type of MCU : unknown");
    EXPECT_EQ(bench.panels[1].last(), "Serial: no init");
    EXPECT_EQ(bench.panels[2].last(), "X=?;  M=?;  Q=?;  S=?;  V=?;  A=?; R=?");
}

TEST(SerialSetup, InitialTexts) {
    SteadyClock clock;
    Workbench bench(clock);
    EXPECT_EQ(bench.setup.ModelText(), "  Type of MCU : unknown");
    EXPECT_EQ(bench.setup.LinkText(), "Serial: no init");
    bench.setup.ShowSettingsSummary();
    EXPECT_EQ(bench.panels[2], QStringList({"X=?;  M=?;  Q=?;  S=?;  V=?;  A=?; R=?"}));
}

TEST_F(SimLinkTest, CancelInTheDialogChangesNothing) {
    bench->session.Link.BaudIndex = 1;
    bench->session.Link.AutoInit = 1;
    BindSerialSetupDialog(bench->setup, bench->op, nullptr);
    bench->op.dialogs.push_back(ScriptedOperator::fill(
        {{"ChannelGroup", 2}, {"BaudGroup", 0}, {"FastCheck", true}, {"AutoInitCheck", false}},
        false));
    const LinkSettings before = bench->session.Link;
    bench->setup.SetSerialClick();
    EXPECT_EQ(bench->op.events, QStringList({"Dialog: TSetSerialDlg"}));
    EXPECT_EQ(std::memcmp(&before, &bench->session.Link, sizeof before), 0);
    EXPECT_FALSE(bench->port.IsOpen());
    EXPECT_TRUE(bench->panels.empty());
    EXPECT_TRUE(SimCommands().empty());
}

TEST_F(SimLinkTest, DialogChoicesAreStoredAndUsed) {
    sim.SetModelByte('E');
    BindSerialSetupDialog(bench->setup, bench->op, nullptr);
    SerialChoices shown;
    bench->op.dialogs.push_back([&](QDialog& d) {
        shown = static_cast<TSetSerialDlg&>(d).choices();
        ScriptedOperator::setControls(d, {{"BaudGroup", 1},
                                          {"FastCheck", true},
                                          {"ResetCheck", false},
                                          {"AutoInitCheck", false}});
        return true;
    });
    bench->setup.SetSerialClick();
    // The dialog showed the stored settings with Reset MCU ticked.
    EXPECT_EQ(shown.channelIndex, 0);
    EXPECT_EQ(shown.baudIndex, 3);
    EXPECT_FALSE(shown.fastIndexer);
    EXPECT_TRUE(shown.autoInit);
    EXPECT_TRUE(shown.resetMcu);
    // Ticking Fast moved "1200" (index 1) down to "600" (index 0).
    EXPECT_EQ(bench->session.Link.BaudIndex, 0);
    EXPECT_EQ(bench->session.Link.FastIndexer, 1);
    EXPECT_EQ(bench->session.Link.AutoInit, 0);
    EXPECT_EQ(bench->port.ComPortSpeed(), br600);
    EXPECT_EQ(bench->session.ModelCode(), 3);
    EXPECT_EQ(bench->panels[0].last(), "  Type of MCU : K2207E1, 2000 bits");
    EXPECT_EQ(bench->panels[1].last(), "Serial: COM1, 600 Bd");
    EXPECT_EQ(bench->panels[2].last(), kLinkDefaults);
    EXPECT_EQ(bench->op.events,
              QStringList({"Dialog: TSetSerialDlg", "Sound: Default", "Sound: Default", kSuccess}));
    EXPECT_EQ(SimCommands()[0].substr(0, 1), "^"); // no reset: Reset MCU was cleared
}

TEST_F(SimLinkTest, CommandBeforeSetupRunsTheDialogThenGoesOut) {
    BindSerialSetupDialog(bench->setup, bench->op, nullptr);
    bench->link.serialSetupHook = [this] { bench->setup.SetSerialClick(); };
    bench->op.dialogs.push_back(ScriptedOperator::fill({{"ResetCheck", false}}));
    bench->link.SendCommand("V1500");
    ASSERT_TRUE(sim.WaitForLogSize(4, 2.0));
    const auto commands = SimCommands();
    EXPECT_EQ(commands.back(), "V1500");
    EXPECT_EQ(commands[1], "U20");
    EXPECT_EQ(bench->op.events.first(),
              "Warning: COM port not initiated.\rPlease set Serial Setup Values");
    EXPECT_EQ(bench->op.events[1], "Dialog: TSetSerialDlg");
    EXPECT_EQ(bench->op.events.last(), kSuccess);
}

TEST_F(SimLinkTest, SerialInitDisablesTheMenusMeanwhileAndResets) {
    QStringList menus;
    bench->setup.setMainMenusEnabled = [&](bool enabled) {
        menus << (enabled ? "enabled" : "disabled") +
                     QString(" after %1 commands").arg(SimCommands().size());
    };
    sim.SetModelByte('b');
    const auto start = sim::K2207Simulator::MonotonicMicros();
    bench->setup.SerialInit();
    EXPECT_EQ(menus, QStringList({"disabled after 0 commands", "enabled after 4 commands"}));
    const auto log = sim.Log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].text, "\\");
    EXPECT_GE(log[1].micros - start, 2200000);
    EXPECT_EQ(bench->session.ModelCode(), 6);
    EXPECT_EQ(bench->panels[0].last(), "  Type of MCU : K2207B-2x, 2032 bits");
    EXPECT_EQ(bench->panels[1].last(), "Serial: COM1, 4800 Bd");
    EXPECT_EQ(bench->panels[2].last(), kLinkDefaults);
}

} // namespace
} // namespace orvant::test
