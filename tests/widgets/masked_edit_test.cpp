// The masked entry field as the operator uses it: keys, paste, and the text property.

#include "widgets/masked_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orvant {
namespace {

class MaskedEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.setText("1000");
        edit.show();
        edit.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        edit.setFocus(Qt::TabFocusReason);
    }
    QLineEdit* line() { return edit.lineEdit(); }

    MaskedEdit edit{"!99999999;1;."};
};

TEST_F(MaskedEditTest, KeyboardFocusSelectsTheEntrySoTypingReplacesIt) {
    EXPECT_EQ(edit.displayText(), "1000....");
    QTest::keyClicks(line(), "15x0-0");
    EXPECT_EQ(edit.text(), "    1500");
    EXPECT_EQ(line()->text(), "1500....");
    EXPECT_EQ(line()->cursorPosition(), 4);
}

TEST_F(MaskedEditTest, BackspaceAndDeleteEmptyPositions) {
    line()->deselect();
    line()->setCursorPosition(4);
    QTest::keyClick(line(), Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "     100");
    EXPECT_EQ(line()->cursorPosition(), 3);
    line()->setCursorPosition(0);
    QTest::keyClick(line(), Qt::Key_Delete);
    EXPECT_EQ(edit.displayText(), ".00.....");
    EXPECT_EQ(edit.text(), "      00");
}

TEST_F(MaskedEditTest, PasteTakesOnlyWhatTheMaskAllows) {
    QGuiApplication::clipboard()->setText("12a");
    QTest::keySequence(line(), QKeySequence::Paste);
    EXPECT_EQ(edit.text(), "    1000") << "a refused paste changes nothing";
    QGuiApplication::clipboard()->setText("777");
    QTest::keySequence(line(), QKeySequence::Paste);
    EXPECT_EQ(edit.text(), "     777") << "the paste replaces the selection";
}

TEST_F(MaskedEditTest, ThePlainEditorCannotBypassTheMask) {
    line()->setText("abc");
    EXPECT_EQ(line()->text(), "1000....");
    QTest::keySequence(line(), QKeySequence::Undo);
    EXPECT_EQ(edit.text(), "    1000");
}

TEST_F(MaskedEditTest, TheTextPropertyIsTheTextWithItsBlanks) {
    QSignalSpy changed(&edit, &MaskedEdit::textChanged);
    EXPECT_TRUE(edit.setProperty("text", QString("42")));
    EXPECT_EQ(edit.property("text").toString(), "      42");
    EXPECT_EQ(changed.count(), 1);
    edit.setEditMask("99999999;1;.");
    EXPECT_EQ(edit.text(), "42      ") << "a new mask takes the entry over";
}

} // namespace
} // namespace orvant
