#include "link/radio_group.h"
#include "link/set_serial_dlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(SetSerialDlg, CaptionsAndItems) {
    TSetSerialDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Serial Setup Dialog");
    EXPECT_EQ(dlg.property("helpContext").toInt(), 10704);
    EXPECT_EQ(dlg.ChannelGroup->title(), "&Chanel");
    EXPECT_EQ(dlg.ChannelGroup->items(), QStringList({"Com1", "Com2", "Com3", "Com4"}));
    EXPECT_EQ(dlg.BaudGroup->title(), "&Baud Rate");
    EXPECT_EQ(dlg.BaudGroup->items(), QStringList({"300", "1200", "2400", "4800"}));
    EXPECT_EQ(dlg.ResetCheck->text(), " &Reset MCU");
    EXPECT_EQ(dlg.FastCheck->text(), "&Fast Indexer type");
    EXPECT_EQ(dlg.AutoInitCheck->text(), "Auto init when starting Orvant PC Utilities");
    EXPECT_EQ(dlg.OKBtn->text(), "OK");
    EXPECT_TRUE(dlg.OKBtn->isDefault());
    EXPECT_EQ(dlg.CancelBtn->text(), "Cancel");
    QStringList labels;
    for (auto* l : dlg.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_EQ(labels, QStringList({"8 data bits", "No parity", "1 stop bit"}));
}

TEST(SetSerialDlg, PresetsShowTheStoredSettings) {
    struct Case {
        SerialChoices stored;
        QStringList baudItems;
        int baudIndex;
    };
    const Case cases[] = {
        {{0, 3, false, true, false}, {"300", "1200", "2400", "4800"}, 3},
        {{2, 0, true, false, false}, {"600", "2400", "4800", "9600"}, 0},
        {{3, 3, true, true, false}, {"600", "2400", "4800", "9600"}, 3},
        {{1, 2, true, false, false}, {"600", "2400", "4800", "9600"}, 2},
        {{7, 9, false, true, false}, {"300", "1200", "2400", "4800"}, 3}, // damaged
    };
    for (const auto& c : cases) {
        TSetSerialDlg dlg;
        dlg.SetPresets(c.stored);
        const SerialChoices shown = dlg.choices();
        EXPECT_EQ(dlg.BaudGroup->items(), c.baudItems);
        EXPECT_EQ(shown.baudIndex, c.baudIndex);
        EXPECT_EQ(shown.channelIndex, c.stored.channelIndex > 3 ? 0 : c.stored.channelIndex);
        EXPECT_EQ(shown.fastIndexer, c.stored.fastIndexer);
        EXPECT_EQ(shown.autoInit, c.stored.autoInit);
        EXPECT_TRUE(shown.resetMcu); // ticked every time the dialog opens
    }
}

TEST(SetSerialDlg, FastClickKeepsTheSameRateSelected) {
    struct Case {
        bool fastBefore;
        int indexBefore;
        QString rateAfter; // selected item after the click
        int indexAfter;
    };
    const Case cases[] = {
        {false, 0, "600", 0}, // 300 has no fast twin: the lowest rate
        {false, 1, "600", 0}, // 1200 has none either
        {false, 2, "2400", 1}, {false, 3, "4800", 2}, {true, 0, "1200", 1},
        {true, 1, "2400", 2},  {true, 2, "4800", 3},  {true, 3, "4800", 3}, // 9600 has no slow twin
    };
    for (const auto& c : cases) {
        TSetSerialDlg dlg;
        dlg.SetPresets({0, c.indexBefore, c.fastBefore, true, true});
        dlg.FastCheck->click();
        EXPECT_EQ(dlg.FastCheck->isChecked(), !c.fastBefore);
        const int index = dlg.BaudGroup->currentIndex();
        EXPECT_EQ(index, c.indexAfter) << c.fastBefore << " " << c.indexBefore;
        EXPECT_EQ(dlg.BaudGroup->items().value(index), c.rateAfter)
            << c.fastBefore << " " << c.indexBefore;
    }
}

TEST(SetSerialDlg, ChoicesFollowTheControls) {
    TSetSerialDlg dlg;
    dlg.SetPresets({});
    dlg.ChannelGroup->setCurrentIndex(3);
    dlg.BaudGroup->setCurrentIndex(1);
    dlg.ResetCheck->setChecked(false);
    dlg.AutoInitCheck->setChecked(false);
    const SerialChoices c = dlg.choices();
    EXPECT_EQ(c.channelIndex, 3);
    EXPECT_EQ(c.baudIndex, 1);
    EXPECT_FALSE(c.resetMcu);
    EXPECT_FALSE(c.autoInit);
    EXPECT_FALSE(c.fastIndexer);
}

} // namespace
} // namespace orvant
