// The calculator window: from its fields to the calculation and from the result to its
// fields and sketch labels.

#include "language/session.h"
#include "motion/tmotion.h"
#include "support/scripted_operator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace orvant::test {
namespace {

class MotionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TMotion>(session, op);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }

    void Fill(const std::array<const char*, 5>& texts) {
        QLineEdit* fields[] = {window->DEdit, window->AEdit, window->TEdit, window->MEdit,
                               window->SEdit};
        for (int i = 0; i < 5; ++i)
            fields[i]->setText(texts[static_cast<std::size_t>(i)]);
    }
    QString Text(const char* label) const { return window->Label(label)->text(); }
    bool Shown(const char* label) const { return window->Label(label)->isVisibleTo(window.get()); }

    Session session;
    ScriptedOperator op;
    std::unique_ptr<TMotion> window;
};

const char* const kResultLabels[] = {"T12",  "VS1",      "VS11", "S1",        "S11",
                                     "OutS", "X0",       "x2",   "x4",        "X5",
                                     "Vmax", "VMaxText", "Vmin", "VStartText"};

TEST_F(MotionWindowTest, OpensWithTheStartTextsAndTheSketchHidden) {
    EXPECT_EQ(window->windowTitle(), "Motion Calculator");
    EXPECT_EQ(window->property("helpContext").toInt(), 10308);
    EXPECT_EQ(window->DEdit->text(), "64000");
    EXPECT_EQ(window->AEdit->text(), "64");
    EXPECT_EQ(window->TEdit->text(), "");
    EXPECT_EQ(window->MEdit->text(), "1000");
    EXPECT_EQ(window->SEdit->text(), "100");
    EXPECT_EQ(window->Apply->text(), "A&pply");
    EXPECT_TRUE(window->Apply->isDefault());
    EXPECT_EQ(window->Close->text(), "&Close");
    EXPECT_TRUE(window->DiagramHidden());
    EXPECT_TRUE(window->Triangular());
    for (const char* name : kResultLabels)
        EXPECT_FALSE(Shown(name)) << name;
    for (const char* name : {"x1", "x3", "S2", "VS2"})
        EXPECT_FALSE(Shown(name)) << name;
    for (const char* name : {"VelocityAxisCaption", "TimeAxisCaption", "DiagramTitle"})
        EXPECT_TRUE(Shown(name)) << name;
    EXPECT_EQ(window->focusWidget(), window->DEdit);
}

TEST_F(MotionWindowTest, ApplyWithTheStartTextsShowsTheTrapezoid) {
    window->Apply->click();
    EXPECT_TRUE(op.events.isEmpty()) << op.events.join("; ").toStdString();
    EXPECT_FALSE(window->DiagramHidden());
    EXPECT_FALSE(window->Triangular());
    EXPECT_FALSE(window->Apply->isEnabled());
    EXPECT_EQ(window->TEdit->text(), "76.66");
    EXPECT_EQ(window->TEdit->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(window->TEdit->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(window->MEdit->palette().color(QPalette::Base), QColor(Qt::white));
    for (const char* name : kResultLabels)
        EXPECT_TRUE(Shown(name)) << name;
    for (const char* name : {"x1", "x3", "S2", "VS2"})
        EXPECT_TRUE(Shown(name)) << name;
    EXPECT_EQ(Text("OutS"), "S = 2.S1 + S2");
    EXPECT_EQ(Text("X0"), "0");
    EXPECT_EQ(Text("x1"), "14.06");
    EXPECT_EQ(Text("x2"), "38.33");
    EXPECT_EQ(Text("x3"), "62.59");
    EXPECT_EQ(Text("x4"), "76.66");
    EXPECT_EQ(Text("Vmax"), "1000");
    EXPECT_EQ(Text("Vmin"), "100");
    EXPECT_EQ(Text("VS1"), "7734");
    EXPECT_EQ(Text("VS11"), "7734");
    EXPECT_EQ(Text("VS2"), "48531");
    EXPECT_EQ(Text("T12"), "T (V = konst) = 48.53s");

    // The labels sit at the times they name: T0 < T1 < T2 < T3 < T4 from left to right,
    // V max above V start.
    int previous = -1;
    for (const char* name : {"X0", "x1", "x2", "x3", "x4"}) {
        const int centre = window->Label(name)->geometry().center().x();
        EXPECT_GT(centre, previous) << name;
        previous = centre;
    }
    EXPECT_LT(window->Label("Vmax")->y(), window->Label("Vmin")->y());
}

TEST_F(MotionWindowTest, ATriangularResultReplacesTheMaximumVelocity) {
    Fill({"", "64", "20", "1000", "100"});
    window->ApplyClick();
    ASSERT_FALSE(window->DiagramHidden());
    EXPECT_TRUE(window->Triangular());
    EXPECT_EQ(window->DEdit->text(), "8400");
    EXPECT_EQ(window->DEdit->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(window->DEdit->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(window->MEdit->text(), "740");
    EXPECT_EQ(window->TEdit->text(), "20.00");
    EXPECT_EQ(Text("OutS"), "S = 2.S1");
    EXPECT_EQ(Text("x2"), "10.00");
    EXPECT_EQ(Text("Vmax"), "740");
    for (const char* name : {"x1", "x3", "S2", "VS2"})
        EXPECT_FALSE(Shown(name)) << name;
    for (const char* name : kResultLabels)
        EXPECT_TRUE(Shown(name)) << name;
}

TEST_F(MotionWindowTest, ChangingAFieldEmptiesTheComputedOneAndTheNextApplyComputesItAgain) {
    window->ApplyClick();
    ASSERT_FALSE(window->DiagramHidden());
    window->DEdit->setText("32000");
    EXPECT_TRUE(window->DiagramHidden());
    EXPECT_TRUE(window->Apply->isEnabled());
    EXPECT_EQ(window->TEdit->text(), "");
    EXPECT_EQ(window->TEdit->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(window->TEdit->palette().color(QPalette::Text), QColor(Qt::black));
    for (const char* name : kResultLabels)
        EXPECT_FALSE(Shown(name)) << name;

    window->ApplyClick();
    EXPECT_EQ(window->Unknown(), MotionValue::Time);
    EXPECT_EQ(window->TEdit->text(), "44.66"); // 32000 steps fewer at 1000 steps/s
    EXPECT_TRUE(op.events.isEmpty());
}

TEST_F(MotionWindowTest, EnteringAnotherFieldResetsButComingBackToTheSameOneDoesNot) {
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    window->DEdit->setFocus();
    window->ApplyClick();
    ASSERT_FALSE(window->DiagramHidden());
    window->DEdit->setFocus(); // still in the field that had the focus
    EXPECT_FALSE(window->DiagramHidden());
    window->AEdit->setFocus();
    EXPECT_TRUE(window->DiagramHidden());
    EXPECT_EQ(window->TEdit->text(), "");
}

TEST_F(MotionWindowTest, AReadingMessageFocusesTheFieldAndCalculatesNothing) {
    Fill({"64000", "", "", "1000", "100"});
    window->ApplyClick();
    EXPECT_EQ(op.boxes(), QStringList{"Error: Few parameters for calculate! "});
    EXPECT_EQ(window->focusWidget(), window->TEdit);
    EXPECT_TRUE(window->DiagramHidden());
    EXPECT_TRUE(window->Apply->isEnabled());

    op.events.clear();
    Fill({"64000", "64", "", "1000", "1oo"});
    window->ApplyClick();
    EXPECT_EQ(op.boxes(), QStringList{"Error: No numeric input data !"});
    EXPECT_EQ(window->focusWidget(), window->SEdit);
    EXPECT_EQ(window->SEdit->text(), "1oo");
}

TEST_F(MotionWindowTest, ARefusedCalculationKeepsTheFieldsAndHidesTheSketch) {
    Fill({"64000", "0", "", "100", "1000"});
    window->ApplyClick();
    EXPECT_EQ(op.boxes(),
              (QStringList{"Error: Maximum velocity under Start/Stop velocity!\rPlease change "
                           "input values.",
                           "Error: Acceleration or StartStop equals zero !\rPlease change input "
                           "values."}));
    EXPECT_TRUE(window->DiagramHidden());
    EXPECT_TRUE(window->Apply->isEnabled());
    EXPECT_EQ(window->TEdit->text(), "");
    EXPECT_EQ(window->MEdit->text(), "100");
}

TEST_F(MotionWindowTest, AnImpossibleMoveNeverShowsNanOrInf) {
    Fill({"-200", "64", "", "50", "-100"});
    window->ApplyClick();
    ASSERT_FALSE(op.boxes().isEmpty());
    EXPECT_EQ(op.boxes()[0],
              "Error: Impossible calculate such Time !\rPlease change input values.");
    EXPECT_TRUE(window->DiagramHidden());
    for (QLineEdit* field :
         {window->DEdit, window->AEdit, window->TEdit, window->MEdit, window->SEdit}) {
        EXPECT_FALSE(field->text().contains("nan", Qt::CaseInsensitive));
        EXPECT_FALSE(field->text().contains("inf", Qt::CaseInsensitive));
    }
}

TEST_F(MotionWindowTest, EnterInAFieldApplies) {
    window->TEdit->setFocus();
    QTest::keyClick(window->TEdit, Qt::Key_Return);
    EXPECT_FALSE(window->DiagramHidden());
}

} // namespace
} // namespace orvant::test
