// The scripted operator presses a dialog's real buttons, so that the dialog's own close
// checks run, and fails only the current test for anything the test did not script.

#include "support/scripted_operator.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace orvant::test {
namespace {

// A dialog that refuses OK while its field is empty, with a box through the operator.
class FussyDialog : public QDialog {
public:
    explicit FussyDialog(Operator& op) : op_(op) {
        setObjectName("FussyDialog");
        field = new QLineEdit(this);
        field->setObjectName("Field");
        auto* ok = new QPushButton("&OK", this);
        auto* cancel = new QPushButton("Cancel", this);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(ok);
        layout->addWidget(cancel);
    }
    void accept() override {
        if (field->text().isEmpty()) {
            op_.showBox(BoxKind::Error, "Empty");
            return;
        }
        QDialog::accept();
    }
    QLineEdit* field;

private:
    Operator& op_;
};

TEST(ScriptedOperatorTest, ARefusedOkLeavesTheDialogOpenForTheNextStep) {
    ScriptedOperator op;
    FussyDialog dialog(op);
    op.dialogs.push_back(ScriptedOperator::fill({{"Field", QString()}}));
    op.dialogs.push_back(ScriptedOperator::fill({{"Field", QString("12")}}));
    EXPECT_TRUE(op.runDialog(dialog));
    EXPECT_EQ(op.events, (QStringList{"Dialog: FussyDialog", "Error: Empty",
                                      "Dialog still open: FussyDialog"}));
    EXPECT_EQ(dialog.field->text(), "12");

    op.dialogs.push_back(ScriptedOperator::press(false));
    EXPECT_FALSE(op.runDialog(dialog));
}

TEST(ScriptedOperatorTest, WhatTheTestDidNotScriptFailsTheTestAndIsCancelled) {
    ScriptedOperator op;
    FussyDialog dialog(op);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(op.runDialog(dialog)), "did not script the dialog");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(op.confirm("Save changes?"), Answer::Cancel),
                            "did not script the question");
    EXPECT_NONFATAL_FAILURE(ScriptedOperator::setControls(dialog, {{"Nope", 1}}),
                            "no control named Nope");
}

} // namespace
} // namespace orvant::test
