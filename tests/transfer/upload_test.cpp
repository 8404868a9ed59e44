// "Upload...": the Upload Dialog, the single and three-byte reads, the value box and the flag
// box, against the simulator.

#include "link/radio_group.h"
#include "transfer/tupload_dlg.h"
#include "transfer/tupload_output_flag_dlg.h"
#include "transfer/tupload_output_int_dlg.h"
#include "transfer_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace orvant::test {
namespace {

struct ValueBoxSeen {
    QString name, dec, hexLabel, hex, bin, binLabel;
};

class UploadTest : public TransferTest {
protected:
    // Chooses `item` in the Upload Dialog and presses OK.
    void Choose(int item) { op.dialogs.push_back(ScriptedOperator::fill({{"UploadGroup", item}})); }
    // Reads the value box the command shows, then presses its OK.
    void ExpectValueBox(ValueBoxSeen& seen) {
        op.dialogs.push_back([&seen](QDialog& d) {
            auto* box = qobject_cast<TUploadOutputIntDlg*>(&d);
            EXPECT_NE(box, nullptr) << d.objectName().toStdString();
            if (box) {
                seen = {box->NameVariable->text(), box->OutputDec->text(), box->LabelHex->text(),
                        box->OutputHex->text(),    box->OutputBin->text(), box->LabelBin->text()};
                EXPECT_EQ(box->windowTitle(), "Upload output box");
            }
            return ScriptedOperator::pressButton(d, true);
        });
    }
};

TEST_F(UploadTest, TheDialogHasItsItemsInTwoColumnsAndTheFirstSelected) {
    TUploadDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "   Upload Dialog");
    EXPECT_EQ(dialog.UploadGroup->title(), "&Upload");
    ASSERT_EQ(dialog.UploadGroup->items().size(), 22);
    EXPECT_EQ(dialog.UploadGroup->items()[21], "&Block");
    EXPECT_EQ(dialog.choices().item, 0);
    dialog.show();
    auto* first = dialog.findChild<QWidget*>("UploadGroup0");
    auto* twelfth = dialog.findChild<QWidget*>("UploadGroup11");
    ASSERT_TRUE(first && twelfth);
    EXPECT_GT(twelfth->x(), first->x()) << "the second half stands in the second column";
}

TEST_F(UploadTest, ValueBoxesForSingleAndThreeByteReads) {
    struct Case {
        const char* name;
        int item;
        std::map<int, std::uint8_t> answers;
        std::vector<std::string> requests;
        ValueBoxSeen expected;
    };
    const QString bits = " 7  6  5  4  3  2  1  0";
    const Case cases[] = {
        {"zero answer to U2",
         1,
         {{2, 0}},
         {"U2"},
         {"Abs. position - MID sig. Byte", "         0", "Hex.", " 00 00 00 00 H",
          " 0  0  0  0  0  0  0  0 ", bits}},
        {"absolute position 8000",
         3,
         {{1, 0x40}, {2, 0x1F}, {3, 0x00}},
         {"U1", "U2", "U3"},
         {"Absolute position", "      8000        Ful step:     125", "Hex.", "  00 00 1F 40 H", "",
          " Out of range"}},
        {"mode steps and direction",
         16,
         {{15, 0x08}},
         {"U15"},
         {"Connect MODE with amplifier", "         8", "Mode:", "1, steps & direction",
          " 0  0  0  0  1  0  0  0 ", bits}},
        {"mode dual DAC",
         16,
         {{15, 0x04}},
         {"U15"},
         {"Connect MODE with amplifier", "         4", "Mode:", "2, dual DAC interface",
          " 0  0  0  0  0  1  0  0 ", bits}},
        {"mode two DACs",
         16,
         {{15, 0x00}},
         {"U15"},
         {"Connect MODE with amplifier", "         0", "Mode:", "3, two DACs interface",
          " 0  0  0  0  0  0  0  0 ", bits}},
    };
    OpenLink();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [reg, answer] : c.answers)
            sim.SetRegisterAnswer(reg, answer);
        const std::size_t before = sim.Log().size();
        Choose(c.item);
        ValueBoxSeen seen;
        ExpectValueBox(seen);
        EXPECT_TRUE(Run("Upload1Click"));
        EXPECT_EQ(op.events, (QStringList{"Dialog: TUploadDlg", "Dialog: TUploadOutputIntDlg"}));
        op.events.clear();
        const std::vector<std::string> all = SimCommands();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()),
                  c.requests);
        EXPECT_EQ(seen.name, c.expected.name);
        EXPECT_EQ(seen.dec, c.expected.dec);
        EXPECT_EQ(seen.hexLabel, c.expected.hexLabel);
        EXPECT_EQ(seen.hex, c.expected.hex);
        EXPECT_EQ(seen.bin, c.expected.bin);
        EXPECT_EQ(seen.binLabel, c.expected.binLabel);
    }
}

TEST_F(UploadTest, FlagBoxShowsEightLinesBitZeroFirst) {
    OpenLink();
    sim.SetRegisterAnswer(14, 0x01);
    Choose(15);
    QStringList lines;
    op.dialogs.push_back([&lines](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Dialog");
        if (auto* box = qobject_cast<TUploadOutputFlagDlg*>(&d))
            for (QLabel* l : box->FlagLines)
                lines << l->text();
        return ScriptedOperator::pressButton(d, true);
    });
    EXPECT_TRUE(Run("Upload1Click"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "User flag   80 - ON");
    EXPECT_EQ(lines[7], "User flag   87 - OFF");
    EXPECT_EQ(SimCommands(), std::vector<std::string>{"U14"});
}

TEST_F(UploadTest, BlockOnlyBeeps) {
    OpenLink();
    Choose(21);
    EXPECT_TRUE(Run("Upload1Click"));
    EXPECT_EQ(op.events, (QStringList{"Dialog: TUploadDlg", "Sound: Default"}));
    EXPECT_FALSE(sim.WaitForLogSize(1, 0.2));
}

TEST_F(UploadTest, CancelReadsNothing) {
    OpenLink();
    op.dialogs.push_back(ScriptedOperator::press(false));
    EXPECT_TRUE(Run("Upload1Click"));
    EXPECT_EQ(op.events, QStringList{"Dialog: TUploadDlg"});
    EXPECT_FALSE(sim.WaitForLogSize(1, 0.2));
}

TEST_F(UploadTest, AMissingByteShowsNoAnswerOnceAndStops) {
    OpenLink();
    sim.SetRegisterAnswer(4, 0x10);
    sim.SetRegisterAnswer(5, std::nullopt);
    Choose(7);
    EXPECT_TRUE(Run("Upload1Click"));
    EXPECT_EQ(op.events,
              (QStringList{"Dialog: TUploadDlg", "Sound: CriticalStop", "Error: No Answer"}));
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"U4", "U5"}));
}

TEST_F(UploadTest, ASecondCommandDuringTheReplyWaitIsRefusedWithABeep) {
    OpenLink();
    sim.SetRegisterAnswer(5, std::nullopt); // the wait lasts its full 0.7 s
    Choose(5);
    bool ran = true;
    QTimer::singleShot(100, form.get(), [&] { ran = Run("Upload1Click"); });
    EXPECT_TRUE(Run("Upload1Click"));
    EXPECT_FALSE(ran);
    EXPECT_EQ(op.events, (QStringList{"Dialog: TUploadDlg", "Sound: Default", "Sound: CriticalStop",
                                      "Error: No Answer"}));
}

} // namespace
} // namespace orvant::test
