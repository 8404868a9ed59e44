// Every menu item and toolbar button reaches a handler: a slot of the main window or a
// command that a feature group registered at start-up.

#include "workbench_fixture.h"

#include <set>
#include <string>

namespace orvant::test {
namespace {

using WorkbenchCommandsTest = WorkbenchFixture;

TEST_F(WorkbenchCommandsTest, EveryMenuItemAndButtonHasAHandler) {
    std::set<std::string> handlers;
    for (const MenuItemSpec& item : MenuItemTable())
        handlers.insert(item.handler);
    for (const ToolButtonSpec& button : ToolButtonTable())
        handlers.insert(button.handler);
    for (const std::string& handler : handlers) {
        SCOPED_TRACE(handler);
        const bool slot = form->HasSlot(handler.c_str());
        const bool registered = form->Commands().Contains(handler);
        EXPECT_TRUE(slot || registered) << "neither a main-window slot nor registered";
        EXPECT_FALSE(slot && registered) << "both a slot and a registered command";
    }
    for (const std::string& name : form->Commands().Names())
        EXPECT_TRUE(handlers.count(name)) << name << " is registered but no menu item uses it";
}

} // namespace
} // namespace orvant::test
