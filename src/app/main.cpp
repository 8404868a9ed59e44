// The workbench's entry: the session, the operator, the main window with its controller
// link, the menu commands, and the start-up sequence, then the message loop.

#include "app/workbench_commands.h"
#include "language/session.h"
#include "workspace/app_operator.h"
#include "workspace/start_up.h"
#include "workspace/tmain_form.h"
#include "workspace/workbench_link.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvant::Session session;
    orvant::AppOperator op;
    orvant::TMainForm form(session, op);
    op.setParentWidget(&form);
    orvant::WorkbenchLink link(session, op, form);
    orvant::RegisterWorkbenchCommands(form.Commands(), link.Context());
    if (!orvant::RunStartUp(form, op))
        return 0;
    return app.exec();
}
