#include "link_fixture.h"

#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace orvant::test {
namespace {

// A workbench whose COM1 is a raw pseudo-terminal that the test reads.
struct WireBench {
    explicit WireBench(const MonotonicClock& clock) : bench(clock) {
        PointChannelAt(1, pty.SlavePath());
        if (!bench.setup.OpenPort())
            ADD_FAILURE() << "port did not open";
        bench.op.events.clear();
        bench.trace.clear();
    }
    RawPty pty;
    Workbench bench;
};

TEST(ControllerLinkWire, WireBytesOfOneCommand) {
    struct Case {
        std::string text;
        std::string wire;
    };
    const std::string long300(300, '7');
    const Case cases[] = {
        {"K", "K\r"},
        {"V1500", "V1500\r"},
        {long300, std::string(255, '7') + "\r"},
        {std::string(255, 'A'), std::string(255, 'A') + "\r"},
        {"\xE9\x01", "\xE9\x01\r"}, // bytes go out as they are
        {"V1500\rK", "V1500\r"},    // one command per send: nothing after a CR
        {"\rK", "\r"},
    };
    SteadyClock clock;
    WireBench w(clock);
    for (const auto& c : cases) {
        w.bench.link.SendCommand(c.text);
        const auto bytes = w.pty.Read(c.wire.size());
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.wire) << c.text.size() << " chars";
    }
    // The trace shows the whole text even where the wire was cut.
    ASSERT_EQ(w.bench.trace.size(), 7);
    EXPECT_TRUE(w.bench.trace[2].startsWith(QString::fromStdString(long300) + "\t;"));
    EXPECT_TRUE(w.bench.op.events.isEmpty());
}

TEST(ControllerLinkWire, EmptyTextSendsAndTracesNothing) {
    SteadyClock clock;
    WireBench w(clock);
    w.bench.link.SendCommand("");
    EXPECT_TRUE(w.pty.Read(1, 0.2).empty());
    EXPECT_TRUE(w.bench.trace.isEmpty());
    EXPECT_FALSE(w.bench.link.LastSendTime().has_value());
}

TEST(ControllerLinkTrace, SentCommandLines) {
    struct Case {
        std::string text;
        QString line;
    };
    const Case cases[] = {
        {"K", "K\t\t;12:34:56"},
        {"A100", "A100\t\t;12:34:56"},
        {"W100000", "W100000\t\t;12:34:56"},  // 7 characters: two TABs
        {"W1000000", "W1000000\t;12:34:56"},  // 8 characters: one TAB
        {"V1500\rXYZ", "V1500\t\t;12:34:56"}, // up to the first carriage return
        {"ABCDEFGH\r", "ABCDEFGH\t;12:34:56"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControllerLink::SendTraceLine(c.text, "12:34:56"), c.line);
}

TEST(ControllerLinkTrace, ReceivedByteLines) {
    EXPECT_EQ(ControllerLink::InputTraceLine(65), "           INPUT 65");
    EXPECT_EQ(ControllerLink::InputTraceLine(0), "           INPUT 0");
    EXPECT_EQ(ControllerLink::InputTraceLine(255), "           INPUT 255");
}

TEST(ControllerLinkTrace, TimeOfDayHasHoursMinutesSeconds) {
    const QString t = ControllerLink::TimeOfDayText();
    EXPECT_TRUE(
        QRegularExpression("^\\d{1,2}:\\d{2}:\\d{2}( ?[AaPp]\\.?[Mm]\\.?)?$").match(t).hasMatch())
        << t.toStdString();
}

TEST(ControllerLinkWire, SentLineIsTracedWithTheTimeOfDay) {
    SteadyClock clock;
    WireBench w(clock);
    w.bench.link.SendCommand("K");
    ASSERT_EQ(w.bench.trace.size(), 1);
    EXPECT_TRUE(
        QRegularExpression("^K\t\t;\\d{1,2}:\\d{2}:\\d{2}").match(w.bench.trace[0]).hasMatch())
        << w.bench.trace[0].toStdString();
}

TEST(ControllerLinkReceive, BytesGoToTheRingAndTheTraceInOrder) {
    SteadyClock clock;
    Workbench bench(clock);
    const char data[] = {'A', '\x00', '\xff'};
    bench.link.HandleReceiveData(&bench.port, data, 3);
    EXPECT_EQ(bench.trace,
              QStringList({"           INPUT 65", "           INPUT 0", "           INPUT 255"}));
    auto& ring = bench.link.ReceiveBuffer();
    EXPECT_EQ(ring.GetByte(), 65);
    EXPECT_EQ(ring.GetByte(), 0);
    EXPECT_EQ(ring.GetByte(), 255);
    EXPECT_TRUE(ring.IsEmpty());
}

TEST(ControllerLinkSend, PortNotReadyWarnsRunsSetupAndSendsOnlyWhenReadyThen) {
    RawPty pty;
    PointChannelAt(1, pty.SlavePath());
    SteadyClock clock;
    Workbench bench(clock);
    int setups = 0;
    bench.link.serialSetupHook = [&] { ++setups; }; // set-up that fails to open
    bench.link.SendCommand("K");
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(bench.op.boxes(),
              QStringList({"Warning: COM port not initiated.\rPlease set Serial Setup Values"}));
    EXPECT_TRUE(bench.trace.isEmpty());
    EXPECT_TRUE(pty.Read(1, 0.2).empty());

    bench.link.serialSetupHook = [&] {
        ++setups;
        bench.setup.OpenPort();
    };
    bench.link.SendCommand("K");
    EXPECT_EQ(setups, 2);
    const auto bytes = pty.Read(2);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "K\r");
    EXPECT_EQ(bench.trace.size(), 1);
}

// With a clock the test drives: the second send waits until strictly more than the gap
// has passed since the first write returned, for every model code.
TEST(ControllerLinkSend, GapIsKeptStrictlyForEveryModelCode) {
    struct Case {
        int code;
        double gap;
    };
    const Case cases[] = {{0, 0.05}, {1, 0.05},  {2, 0.05},  {3, 0.5}, {4, 1.0},
                          {5, 0.05}, {6, 0.05},  {7, 0.5},   {8, 1.0}, {9, 1.0},
                          {10, 1.0}, {11, 0.05}, {255, 0.05}};
    for (const auto& c : cases) {
        SteppingClock clock(0.0001);
        WireBench w(clock);
        w.bench.session.ModelCode() = static_cast<std::uint8_t>(c.code);
        w.bench.link.SendCommand("K");
        const double first = *w.bench.link.LastSendTime();
        w.bench.link.SendCommand("R");
        const double second = *w.bench.link.LastSendTime();
        EXPECT_GT(second - first, c.gap) << "model code " << c.code;
        EXPECT_LT(second - first, c.gap + 0.01) << "model code " << c.code;
        w.pty.Read(4);
    }
}

TEST(ControllerLinkSend, FirstSendIsNotDelayed) {
    SteppingClock clock(0.0001);
    WireBench w(clock);
    w.bench.session.ModelCode() = 4;
    const double before = clock.time;
    w.bench.link.SendCommand("K");
    EXPECT_LT(*w.bench.link.LastSendTime() - before, 0.01);
}

TEST_F(SimLinkTest, SendGapIsNeverShorterAtTheController) {
    // Measured at the simulator: the first byte of a command never arrives before the gap
    // has passed since the previous write returned (both on the steady clock).
    struct Case {
        int code;
        double gap;
        int sends;
    };
    const Case cases[] = {{0, 0.05, 6}, {3, 0.5, 3}, {4, 1.0, 2}};
    OpenLink();
    std::size_t logged = 0;
    for (const auto& c : cases) {
        bench->session.ModelCode() = static_cast<std::uint8_t>(c.code);
        std::vector<double> sentAt;
        for (int i = 0; i < c.sends; ++i) {
            std::string command = "F"; // appended: g++ 12 -O3 warns falsely on "F" + temporary
            command += std::to_string(i + 1);
            bench->link.SendCommand(command);
            sentAt.push_back(*bench->link.LastSendTime());
        }
        logged += static_cast<std::size_t>(c.sends);
        ASSERT_TRUE(sim.WaitForLogSize(logged, 2.0));
        const auto log = sim.Log();
        for (int i = 1; i < c.sends; ++i) {
            const auto& entry = log[logged - static_cast<std::size_t>(c.sends - i)];
            const double arrived = static_cast<double>(entry.micros) / 1e6;
            EXPECT_GE(arrived + 1e-6, sentAt[static_cast<std::size_t>(i - 1)] + c.gap)
                << "model code " << c.code << ", command " << entry.text;
        }
    }
}

TEST(ControllerLinkWait, ByteAlreadyThereAnswersAtOnce) {
    FakeClock clock;
    Workbench bench(clock);
    bench.link.ReceiveBuffer().PutByte(1);
    EXPECT_TRUE(bench.link.WaitForReply(0.7));
    EXPECT_LT(clock.time - 1000.0, 0.001);
}

TEST(ControllerLinkWait, TimesOutOnTheClockDeadline) {
    SteppingClock clock(0.01);
    Workbench bench(clock);
    const double start = clock.time;
    EXPECT_FALSE(bench.link.WaitForReply(0.7));
    EXPECT_GT(clock.time - start, 0.7);
}

TEST(ControllerLinkWait, ByteInTheRoundTheDeadlinePassesCountsAsNone) {
    FakeClock clock;
    Workbench bench(clock);
    QTimer::singleShot(0, [&] {
        bench.link.ReceiveBuffer().PutByte(42);
        clock.time += 1.0; // the deadline passes in the same round
    });
    EXPECT_FALSE(bench.link.WaitForReply(0.7));
    EXPECT_FALSE(bench.link.ReceiveBuffer().IsEmpty());
}

TEST(ControllerLinkWait, WaitSecondsWithoutServicingDeliversNothing) {
    SteadyClock clock;
    RawPty pty;
    PointChannelAt(1, pty.SlavePath());
    Workbench bench(clock);
    ASSERT_TRUE(bench.setup.OpenPort());
    pty.Write({7});
    const double start = clock.now();
    bench.link.WaitSeconds(0.15, false);
    EXPECT_GE(clock.now() - start, 0.15);
    EXPECT_TRUE(bench.link.ReceiveBuffer().IsEmpty());
    bench.link.WaitSeconds(0.15, true); // servicing: the poll timer delivers
    EXPECT_EQ(bench.link.ReceiveBuffer().GetByte(), 7);
}

TEST_F(SimLinkTest, AnswersArriveThroughThePollTimer) {
    OpenLink();
    bench->link.ReceiveBuffer().Clear();
    bench->link.SendCommand("U20");
    ASSERT_TRUE(bench->link.WaitForReply(0.7));
    EXPECT_EQ(bench->link.ReceiveBuffer().GetByte(), 'B');
    EXPECT_EQ(bench->trace.last(), "           INPUT 66");
}

TEST_F(SimLinkTest, ReadPositionAssemblesLeastSignificantFirst) {
    OpenLink();
    sim.SetPosition(10000); // 0x10 0x27 0x00
    bench->session.Move.UploadDone = 0;
    bench->link.ReadPosition();
    EXPECT_EQ(bench->session.Move.UploadedPosition, 10000);
    EXPECT_EQ(bench->session.Move.UploadAnswered, 1);
    EXPECT_EQ(bench->session.Move.UploadDone, 1);
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"U1", "U2", "U3"}));
}

TEST_F(SimLinkTest, ReadPositionStopsAtTheFirstMissingByte) {
    OpenLink();
    sim.SetPosition(0x123410);
    sim.SetRegisterAnswer(2, std::nullopt);
    bench->link.ReadPosition();
    EXPECT_EQ(bench->session.Move.UploadedPosition, 0x10);
    EXPECT_EQ(bench->session.Move.UploadAnswered, 0);
    EXPECT_EQ(bench->session.Move.UploadDone, 1);
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"U1", "U2"})); // U3 never sent
}

TEST_F(SimLinkTest, ReadPositionOfTheHighestPosition) {
    OpenLink();
    sim.SetPosition(0xFFFFFF);
    bench->link.ReadPosition();
    EXPECT_EQ(bench->session.Move.UploadedPosition, 16777215);
    EXPECT_EQ(bench->session.Move.UploadAnswered, 1);
}

TEST_F(SimLinkTest, MoveCommandSendsThePendingCommandOrRunAfterAPause) {
    OpenLink();
    bench->session.PendingMoveCommand = "F400";
    const double start = clock.now();
    bench->link.MoveCommand(0);
    EXPECT_GE(clock.now() - start, 0.1);
    const double firstSent = *bench->link.LastSendTime();
    bench->link.MoveCommand(1);
    ASSERT_TRUE(sim.WaitForLogSize(2, 2.0));
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"F400", "R"}));
    EXPECT_EQ(sim.Position(), 400);
    // "R" left no earlier than the pause after the first write.
    EXPECT_GE(static_cast<double>(sim.Log()[1].micros) / 1e6 + 1e-6, firstSent + 0.1);
}

TEST_F(SimLinkTest, ControllerThatVanishesLeavesTheLinkUsable) {
    OpenLink();
    sim.Stop(); // the line hangs up under the open port
    const double start = clock.now();
    bench->link.SendCommand("K");
    EXPECT_FALSE(bench->link.WaitForReply(0.2));
    EXPECT_LT(clock.now() - start, 2.0); // no output time-out on a dead line
    EXPECT_EQ(bench->trace.size(), 1);   // the command is still traced
    EXPECT_TRUE(bench->port.IsOpen());
}

} // namespace
} // namespace orvant::test
