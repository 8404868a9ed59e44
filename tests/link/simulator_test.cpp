#include "link_fixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvant::test {
namespace {

TEST(SimulatorBytes, ParseByteForms) {
    struct Case {
        const char* text;
        std::optional<std::uint8_t> value;
    };
    const Case cases[] = {{"B", 'B'},   {"h", 'h'},   {"66", 66},   {"0x42", 0x42},
                          {"0", 0},     {"255", 255}, {"256", {}},  {"", {}},
                          {"0xZZ", {}}, {"-1", {}},   {"12ab", {}}, {"5", 5}};
    for (const auto& c : cases)
        EXPECT_EQ(sim::K2207Simulator::ParseByte(c.text), c.value) << c.text;
}

// The simulator's own model, driven over the workbench link.
TEST_F(SimLinkTest, SimulatorKeepsPositionVariableAndFlags) {
    OpenLink();
    struct Case {
        std::vector<std::string> commands;
        int reg;
        int value;
    };
    const Case cases[] = {
        {{"=1000", "F500", "B200"}, 1, 1300 & 0xFF},
        {{"G70000"}, 2, (70000 >> 8) & 0xFF},
        {{"G70000"}, 3, 70000 >> 16},
        {{":300", "+5", "*2", "-10", "/4"}, 4, (((300 + 5) * 2 - 10) / 4) & 0xFF},
        {{"T80", "T87", "C80"}, 14, 0x80},
        {{"T41", "T40"}, 17, 0x03},
        {{"T63"}, 19, 0x80},
        {{"\\"}, 14, 0},
        {{"\\"}, 1, 0},
    };
    auto& ring = bench->link.ReceiveBuffer();
    for (const auto& c : cases) {
        for (const auto& command : c.commands)
            bench->link.SendCommand(command);
        ring.Clear();
        std::string read = "U"; // appended: g++ 12 -O3 warns falsely on "U" + temporary
        read += std::to_string(c.reg);
        bench->link.SendCommand(read);
        ASSERT_TRUE(bench->link.WaitForReply(0.7)) << c.commands[0];
        EXPECT_EQ(ring.GetByte(), c.value) << c.commands[0] << " U" << c.reg;
    }
}

TEST(Simulator, LogFileAndLinkPath) {
    const std::string dir = ::testing::TempDir();
    const std::string link = dir + "orvant-sim-link-" + std::to_string(::getpid());
    const std::string logFile = dir + "orvant-sim-log-" + std::to_string(::getpid());
    {
        sim::SimOptions options;
        options.linkPath = link;
        options.logFile = logFile;
        sim::K2207Simulator s(options);
        std::string error;
        ASSERT_TRUE(s.Start(&error)) << error;
        PointChannelAt(3, link);
        TCommPortDriver port;
        port.SetComPort(pnCOM3);
        ASSERT_TRUE(port.Open());
        port.Send("K\rV1500\r", 8);
        ASSERT_TRUE(s.WaitForLogSize(2, 2.0));
        s.Stop();
        EXPECT_NE(::access(link.c_str(), F_OK), 0); // the link is gone with the simulator
    }
    std::ifstream in(logFile);
    std::string line1, line2;
    std::getline(in, line1);
    std::getline(in, line2);
    EXPECT_NE(line1.find("\tK"), std::string::npos);
    EXPECT_EQ(line1.substr(line1.find('\t')), "\tK");
    EXPECT_EQ(line2.substr(line2.find('\t')), "\tV1500");
    EXPECT_GT(std::stoll(line1), 0);
    ::unlink(logFile.c_str());
    ::unsetenv("ORVANT_COM3");
}

} // namespace
} // namespace orvant::test
