#include "workspace/workbench_link.h"

#include "link/operator.h"
#include "link/set_serial_dlg.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"

namespace orvant {

WorkbenchLink::WorkbenchLink(Session& session, Operator& op, TMainForm& form)
    : form_(form), link_(session, op, port_, clock_),
      setup_(session, op, link_, port_), context_{session,        op,      link_,  setup_, &form,
                                                  form.MdiArea(), nullptr, nullptr} {
    context_.showSettingsSummary = [this] { setup_.ShowSettingsSummary(); };
    context_.activeScriptLines = [&form]() -> std::optional<std::vector<std::string>> {
        if (TMDIChild* doc = form.ActiveDocument())
            return doc->Lines();
        return std::nullopt;
    };
    QObject::connect(&port_, &TCommPortDriver::beep, &form,
                     [&op] { op.playSound(Sound::Default); });
    QObject::connect(&link_, &ControllerLink::traceLine, &form, &TMainForm::SetTraceLine);
    QObject::connect(&setup_, &SerialSetup::panelText, &form,
                     [&form](int panel, const QString& text) { form.SetPanelText(panel, text); });
    setup_.setMainMenusEnabled = [&form](bool enabled) { form.SetMainMenusEnabled(enabled); };
    BindSerialSetupDialog(setup_, op, &form);
    link_.serialSetupHook = [this] { setup_.SetSerialClick(); };

    form.serialInitHook = [this] { setup_.SerialInit(); };
    form.closePortHook = [this] {
        if (port_.IsOpen())
            port_.Close();
    };
}

WorkbenchLink::~WorkbenchLink() {
    form_.serialInitHook = nullptr;
    form_.closePortHook = nullptr;
    if (port_.IsOpen())
        port_.Close();
}

} // namespace orvant
