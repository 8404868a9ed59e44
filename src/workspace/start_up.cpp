#include "workspace/start_up.h"

#include "link/operator.h"
#include "workspace/help_viewer.h"
#include "workspace/tabout_box.h"
#include "workspace/tmain_form.h"
#include "workspace/toolbar_glyphs.h"

#include <QApplication>

namespace orvant {

bool RunStartUp(TMainForm& form, Operator& op) {
    form.CreateTraceWindow();
    QApplication::setApplicationDisplayName(kApplicationTitle);
    QApplication::setWindowIcon(ApplicationIcon());
    {
        TAboutBox about(op);
        op.runDialog(about);
    }
    // The main window becomes usable only now; the state file then restores its size, the
    // trace window's rectangle and the documents over the shown workspace.
    form.show();
    form.LoadConfig();
    qApp->setProperty("helpFile", QString(kHelpFile));
    return !form.IsShutDown();
}

} // namespace orvant
