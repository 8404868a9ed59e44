// The status bar shows its texts whole: panels 0 and 1 grow to their longest text in the
// current font, panel 2 takes the rest of the bar.

#include "workspace_fixture.h"

#include "language/controller_models.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace orvant::test {
namespace {

class StatusBarTest : public MainFormFixture {
protected:
    QLabel* Panel(int i) const { return form->findChild<QLabel*>(QString("Panel%1").arg(i)); }

    // True when the panel's text fits into the room inside its frame and margins.
    ::testing::AssertionResult Whole(int i) const {
        QLabel* p = Panel(i);
        const int room = p->contentsRect().width() - 2 * p->margin();
        const int text = p->fontMetrics().horizontalAdvance(p->text());
        if (text <= room)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "panel " << i << " \"" << p->text().toStdString()
                                             << "\" needs " << text << " px, has " << room;
    }

    void Settle() const { QApplication::processEvents(); }
};

const char* const kLongestLinkText = "Serial: COM4, 9600 Bd";
const char* const kLinkedSummary = "X=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;  R=200;  ";

TEST_F(StatusBarTest, EveryModelTextAndTheLinkTextAreWhole) {
    ASSERT_NE(Panel(0), nullptr);
    form->SetPanelText(1, kLongestLinkText);
    for (std::uint8_t code = 0; code <= 10; ++code) {
        const QString text = QString::fromUtf8(ModelStatusText(code).data(),
                                               static_cast<int>(ModelStatusText(code).size()));
        SCOPED_TRACE(text.toStdString());
        form->SetPanelText(0, text);
        Settle();
        EXPECT_TRUE(Whole(0));
        EXPECT_TRUE(Whole(1));
        EXPECT_GE(Panel(0)->width(), 200);
        EXPECT_GE(Panel(1)->width(), 140);
    }
}

TEST_F(StatusBarTest, ShortTextsKeepTheDesignWidths) {
    form->SetPanelText(0, "x");
    form->SetPanelText(1, "y");
    Settle();
    EXPECT_EQ(Panel(0)->width(), 200);
    EXPECT_EQ(Panel(1)->width(), 140);
}

TEST_F(StatusBarTest, TheSettingsSummaryTakesTheRestOfTheBar) {
    form->SetPanelText(0, "  Type of MCU : K2207E4-2x, 8000 bits");
    form->SetPanelText(1, kLongestLinkText);
    form->SetPanelText(2, kLinkedSummary);
    form->resize(1000, 600);
    Settle();
    EXPECT_TRUE(Whole(0));
    EXPECT_TRUE(Whole(1));
    EXPECT_TRUE(Whole(2));
    const int narrow = Panel(2)->width();
    form->resize(1200, 600);
    Settle();
    EXPECT_EQ(Panel(2)->width(), narrow + 200) << "panel 2 does not follow the bar's width";
}

TEST_F(StatusBarTest, ALongSummaryDoesNotWidenTheWindow) {
    form->SetPanelText(2, QString(400, 'X'));
    Settle();
    EXPECT_LT(form->minimumSizeHint().width(), 800);
}

} // namespace
} // namespace orvant::test
