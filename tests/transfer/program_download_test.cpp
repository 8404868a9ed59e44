// The sending pass on the link alone: counting, progress and the device that goes away.

#include "link_fixture.h"
#include "transfer/program_download.h"

namespace orvant::test {
namespace {

// Records the progress calls and runs `onLine` after each line.
class Recorder : public DownloadProgress {
public:
    void Begin(std::size_t total, double gap) override {
        calls.push_back("begin " + std::to_string(total) + " " + std::to_string(gap).substr(0, 4));
    }
    bool LineSent(std::size_t sent, std::size_t total) override {
        calls.push_back(std::to_string(sent) + "/" + std::to_string(total));
        if (onLine)
            onLine(sent);
        return true;
    }
    void End() override { calls.push_back("end"); }
    std::vector<std::string> calls;
    std::function<void(std::size_t)> onLine;
};

using ProgramDownloadTest = SimLinkTest;

TEST(ProgramDownload, WorkingCopyAndLinesToSend) {
    EXPECT_EQ(DownloadWorkingCopy("\t  v100 ;x \r\x01"), "v100 ;x");
    EXPECT_EQ(DownloadWorkingCopy(" \t "), "");
    Session session;
    EXPECT_EQ(CountLinesToSend({"K", "", "; c", "ZZ", "  r"}, session), 2u);
    EXPECT_EQ(session.ProgramBits, 0u) << "counting leaves the session alone";
}

TEST_F(ProgramDownloadTest, ADeviceThatVanishesMidDownloadStopsAtTheFailedLine) {
    OpenLink();
    Recorder progress;
    progress.onLine = [this](std::size_t sent) {
        if (sent == 2)
            sim.Stop(); // the line hangs up after the second command
    };
    const DownloadResult result = SendProgramLines({"K", "; two", "R", "V1000", "K"},
                                                   bench->session, bench->link, {}, &progress);
    EXPECT_EQ(result.end, DownloadResult::WriteFailed);
    EXPECT_EQ(result.linesSent, 2u);
    EXPECT_EQ(result.failedLine, 4u);
    EXPECT_FALSE(result.failReason.empty());
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"begin 4 0.05", "1/4", "2/4", "end"}));
    EXPECT_EQ(bench->trace.size(), 3) << "the failed line is traced like any other";
}

TEST_F(ProgramDownloadTest, LinesLeaveNoSoonerThanTheSendGap) {
    bench->session.ModelCode() = 3; // 0.5 s
    OpenLink();
    const DownloadResult result =
        SendProgramLines({"K", "R", "K"}, bench->session, bench->link, {}, nullptr);
    EXPECT_EQ(result.end, DownloadResult::Completed);
    ASSERT_TRUE(sim.WaitForLogSize(3, 3.0));
    const auto log = sim.Log();
    for (std::size_t i = 1; i < log.size(); ++i)
        EXPECT_GT(log[i].micros - log[i - 1].micros, 500000 - 2000) << i;
}

} // namespace
} // namespace orvant::test
