// The command dialogs work from the keyboard alone: they open with the selected item of
// their first group focused, the item accelerators choose, Enter is OK and Esc is Cancel.

#include "commands/taddress_dialog.h"
#include "commands/taux_function_dlg.h"
#include "commands/tcharacteristic_dlg.h"
#include "commands/tif_cmd_dlg.h"
#include "commands/tindex_dlg.h"
#include "commands/tjump_cmd_dlg.h"
#include "commands/tloop_dlg.h"
#include "commands/tmicrostep_dlg.h"
#include "commands/tmove_reg_dlg.h"
#include "commands/tqualification_dlg.h"
#include "commands/tsubroutine_dlg.h"
#include "commands/tuser_all_fleg_dlg.h"
#include "commands/tuser_fleg_dlg.h"
#include "commands/twait_dlg.h"
#include "commands/twait_for_input_dlg.h"
#include "commands/twhole_cmd_dlg.h"
#include "support/scripted_operator.h"
#include "widgets/masked_edit.h"

#include <QLineEdit>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvant::test {
namespace {

struct KeyboardCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    int preselected;     // of RadioGroup1, focused at the start
    Qt::Key accelerator; // with Alt; Qt::Key_unknown for none
    const char* group;   // the group the accelerator acts on
    int chosen;          // its item afterwards
};

template <typename T, typename... Args>
std::function<std::unique_ptr<QDialog>()> Make(Args... args) {
    return [=] { return std::make_unique<T>(args...); };
}

const std::array<std::uint8_t, 8> kFlag82On = {0, 0, 1, 0, 0, 0, 0, 0};

const KeyboardCase kCases[] = {
    {"address C", Make<TAddressDialog>(3), 3, Qt::Key_C, "RadioGroup1", 11},
    {"jump 9", Make<TJumpCmdDlg>(), 0, Qt::Key_9, "RadioGroup1", 8},
    {"subroutine F", Make<TSubroutineDlg>(), 0, Qt::Key_F, "RadioGroup1", 14},
    {"register 10", Make<TMoveRegDlg>(RegisterMove::FromRegister), 0, Qt::Key_0, "RadioGroup1", 9},
    {"user flag 87", Make<TUserFlegDlg>(), 0, Qt::Key_7, "RadioGroup1", 7},
    {"all flags 82 preset", Make<TUserAllFlegDlg>(kFlag82On), 0, Qt::Key_unknown, "RadioGroup3", 1},
    {"wait for input", Make<TWaitForInputDlg>(TWaitForInputDlg::Use::WaitForInput), 0,
     Qt::Key_unknown, "RadioGroup2", 0},
    {"microstep full step", Make<TMicrostepDlg>(4), 4, Qt::Key_F, "RadioGroup1", 0},
    {"microstep 16", Make<TMicrostepDlg>(0), 0, Qt::Key_1, "RadioGroup1", 4},
    {"qualification 4", Make<TQualificationDlg>(0), 0, Qt::Key_4, "RadioGroup1", 2},
    {"profile triangle", Make<TCharacteristicDlg>(), 0, Qt::Key_5, "RadioGroup1", 4},
    {"index A", Make<TIndexDlg>(), 16, Qt::Key_A, "RadioGroup1", 10},
    {"aux recover", Make<TAuxFunctionDlg>(), 0, Qt::Key_V, "RadioGroup1", 11},
};

int Selected(QDialog& dialog, const char* group) {
    QObject* g = dialog.findChild<QObject*>(group);
    return g ? g->property("currentIndex").toInt() : -2;
}

// Shows the dialog as the operator sees it: shown, active, focus inside.
bool ShowActive(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

// An accelerator presses its button and releases it a moment later.
bool WaitForSelection(QDialog& dialog, const char* group, int item) {
    QElapsedTimer t;
    t.start();
    while (Selected(dialog, group) != item && t.elapsed() < 2000)
        QTest::qWait(20);
    return Selected(dialog, group) == item;
}

TEST(DialogKeyboard, FirstGroupFocusedAcceleratorsChooseEnterConfirms) {
    for (const KeyboardCase& c : kCases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        ASSERT_TRUE(ShowActive(*dialog));
        auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(focused->isChecked());
        EXPECT_EQ(focused->parent()->objectName(), "RadioGroup1");
        EXPECT_EQ(Selected(*dialog, "RadioGroup1"), c.preselected);
        if (c.accelerator != Qt::Key_unknown)
            QTest::keyClick(QApplication::focusWidget(), c.accelerator, Qt::AltModifier);
        EXPECT_TRUE(WaitForSelection(*dialog, c.group, c.chosen));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
}

TEST(DialogKeyboard, EscapeCancels) {
    for (const KeyboardCase& c : kCases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        ASSERT_TRUE(ShowActive(*dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
    }
}

// The typed dialogs open with their entry field focused; typing fills it, Enter confirms.
TEST(DialogKeyboard, TypedDialogsTakeTheEntryAndEnter) {
    ScriptedOperator op;
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        const char* keys;
        const char* text; // the field's text afterwards
        bool closes;      // Enter closes the dialog
    } const cases[] = {
        {"loop", Make<TLoopDlg>(), "25", "25 ", true},
        {"wait", Make<TWaitDlg>(), "1500", "1500    ", true},
        {"if complete", [&op] { return std::make_unique<TIfCmdDlg>(op); }, "12h05", "12H05", true},
        {"if incomplete", [&op] { return std::make_unique<TIfCmdDlg>(op); }, "12h", "12H  ", false},
        {"whole", Make<TWholeCmdDlg>(), "v1500", "v1500", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        ASSERT_TRUE(ShowActive(*dialog));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(qobject_cast<QLineEdit*>(focus), nullptr);
        QTest::keyClicks(focus, c.keys);
        QObject* field = dialog->findChild<QObject*>("MaskEdit1");
        if (!field)
            field = dialog->findChild<QObject*>("Edit1");
        EXPECT_EQ(field->property("text").toString(), c.text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog->isVisible(), !c.closes);
        if (!c.closes) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), QDialog::Rejected);
        }
    }
}

} // namespace
} // namespace orvant::test
