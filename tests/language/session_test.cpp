#include "language/controller_models.h"
#include "language/session.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(SessionTest, ProgramStartValues) {
    Session s;
    EXPECT_EQ(s.ModelCode(), 0);
    EXPECT_EQ(s.MemoryBits, 40000);
    EXPECT_EQ(s.ProgramBits, 0u);
    EXPECT_EQ(s.CurrentAddress, 16);
    for (const auto& r : s.Records) {
        EXPECT_EQ(r.Q, -1);
        EXPECT_EQ(r.S, -1);
        EXPECT_EQ(r.M, -1);
        EXPECT_EQ(r.V, -1);
        EXPECT_EQ(r.A, -1);
        EXPECT_EQ(r.R, 200);
    }
    EXPECT_EQ(s.AddressStatusText(false), "X=?;  M=?;  Q=?;  S=?;  V=?;  A=?; R=?");
    EXPECT_EQ(s.AddressStatusText(true), "X=All;  M=?;  Q=?;  S=?;  V=?;  A=?;  R=200;  ");
}

TEST(SessionTest, SetAddressValueOnAllOrOneAddress) {
    Session s;
    s.SetAddressValue(AddressField::S, 300);
    for (const auto& r : s.Records)
        EXPECT_EQ(r.S, 300);

    s.CurrentAddress = 3;
    s.SetAddressValue(AddressField::S, 500);
    EXPECT_EQ(s.Records[3].S, 500);
    EXPECT_EQ(s.Records[2].S, 300);
    EXPECT_EQ(s.Records[16].S, 300);
    EXPECT_EQ(s.CurrentAddress, 3);
}

TEST(SessionTest, ResetAndStatusText) {
    Session s;
    s.CurrentAddress = 5;
    s.ResetAddressSettings();
    EXPECT_EQ(s.CurrentAddress, 16);
    EXPECT_EQ(s.AddressStatusText(true), "X=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;  R=200;  ");
    s.CurrentAddress = 11;
    s.SetAddressValue(AddressField::V, 0);
    EXPECT_EQ(s.AddressStatusText(true), "X=B;  M=4;  Q=1;  S=200;  V=?;  A=64;  R=200;  ");
}

TEST(SessionTest, AddressDigits) {
    const char* expected = "0123456789ABCDEFG";
    for (int a = 0; a <= 16; ++a)
        EXPECT_EQ(Session::AddressDigit(a), expected[a]) << a;
}

TEST(SessionTest, ProgramBitsDoNotWrapAbove16Bits) {
    Session s;
    for (int i = 0; i < 3000; ++i)
        s.AddProgramBits(32);
    EXPECT_EQ(s.ProgramBits, 96000u);
    s.ProgramBits = 0xFFFFFFF0u;
    s.AddProgramBits(32);
    EXPECT_EQ(s.ProgramBits, 0xFFFFFFFFu);
}

TEST(ControllerModelsTest, DerivedLimitsByCode) {
    struct Case {
        int code;
        int velocity;
        int label;
        double gap;
    };
    const Case cases[] = {{0, 40000, 80, 0.05},  {1, 20000, 15, 0.05}, {2, 20000, 80, 0.05},
                          {3, 20000, 80, 0.5},   {4, 20000, 80, 1.0},  {5, 40000, 15, 0.05},
                          {6, 40000, 80, 0.05},  {7, 40000, 80, 0.5},  {8, 40000, 80, 1.0},
                          {9, 40000, 80, 1.0},   {10, 40000, 80, 1.0}, {11, 40000, 80, 0.05},
                          {255, 40000, 80, 0.05}};
    for (const auto& c : cases) {
        auto code = static_cast<std::uint8_t>(c.code);
        EXPECT_EQ(HighestVelocity(code), c.velocity) << c.code;
        EXPECT_EQ(HighestLabel(code), c.label) << c.code;
        EXPECT_DOUBLE_EQ(SendGapSeconds(code), c.gap) << c.code;
    }
}

TEST(ControllerModelsTest, AnswerBytes) {
    const char* answers = "ABEFabefHh";
    for (int i = 0; i < 10; ++i) {
        auto m = ModelByAnswer(static_cast<std::uint8_t>(answers[i]));
        ASSERT_TRUE(m) << answers[i];
        EXPECT_EQ(m->code, i + 1);
    }
    EXPECT_FALSE(ModelByAnswer('Z'));
    EXPECT_FALSE(ModelByAnswer(0));
    EXPECT_EQ(ModelStatusText(9), "  Type of MCU : K2207E4 8000 bits");
    EXPECT_EQ(ModelStatusText(10), "  Type of MCU : K2207E4-2x, 8000 bits");
    EXPECT_EQ(ModelStatusText(0), "  Type of MCU : unknown");
    EXPECT_EQ(ModelByCode(1)->memoryBits, 864);
}

} // namespace
} // namespace orvant
