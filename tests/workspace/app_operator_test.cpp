#include "workspace/app_operator.h"
#include "workspace/tmdi_child.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(AppOperatorTest, ScriptFilterBecomesThreeNameFiltersInOrder) {
    EXPECT_EQ(NameFilters(kScriptFilter),
              (QStringList{"Tavrix Script File (*.TSF)", "Text files (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(NameFilters(""), QStringList{});
    EXPECT_EQ(NameFilters("Odd (*.x)"), QStringList{});
}

// The detail of a box is its folded detailed text; a box without one has none.
TEST(AppOperatorTest, BoxDetailBecomesTheDetailedText) {
    struct Case {
        const char* name;
        QString detail;
    };
    const Case cases[] = {{"with detail", "No such file or directory: /dev/ttyS1"},
                          {"without detail", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text;
        QString detailed = "not shown";
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            detailed = box->detailedText();
            box->accept();
        });
        AppOperator op;
        op.showBoxWithDetail(BoxKind::Plain, "first\r\rCOM2 4800 Bd", c.detail);
        EXPECT_EQ(text, "first\n\nCOM2 4800 Bd");
        EXPECT_EQ(detailed, c.detail);
    }
}

} // namespace
} // namespace orvant
