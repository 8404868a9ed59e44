#include "workspace/app_operator.h"
#include "workspace/tmdi_child.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(AppOperatorTest, ScriptFilterBecomesThreeNameFiltersInOrder) {
    EXPECT_EQ(NameFilters(kScriptFilter),
              (QStringList{"Tavrix Script File (*.TSF)", "Text files (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(NameFilters(""), QStringList{});
    EXPECT_EQ(NameFilters("Odd (*.x)"), QStringList{});
}

} // namespace
} // namespace orvant
