#include "commands/sequencer_commands.h"

#include "commands/command_context.h"
#include "commands/handler_table.h"
#include "commands/taux_function_dlg.h"
#include "commands/tcharacteristic_dlg.h"
#include "commands/tindex_dlg.h"
#include "commands/tmicrostep_dlg.h"
#include "commands/tone_num_input_dlg.h"
#include "commands/tqualification_dlg.h"
#include "commands/typed_line.h"
#include "language/command_checker.h"
#include "language/sequencer_lines.h"
#include "language/session.h"
#include "link/controller_link.h"
#include "link/operator.h"
#include "widgets/masked_edit.h"

#include <QLabel>

namespace orvant {

// The lines of these dialogs come from radio items and go out unchecked. Settings and the
// current address change before the send, so they hold the operator's choice even when the
// port is not set up and nothing reaches the controller.

void Microstep1Click(CommandContext& context) {
    Session& session = context.session;
    TMicrostepDlg dialog(MicrostepItem(session.CurrentRecord().M), context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const int item = dialog.choices();
    session.SetAddressValue(AddressField::M, MicrostepOfItem(item));
    context.link.SendCommand(MicrostepLine(item));
    context.ShowSettingsSummary();
    if (!QualificationFits(session.CurrentRecord().Q, session))
        Qualification1Click(context);
}

void Qualification1Click(CommandContext& context) {
    Session& session = context.session;
    TQualificationDlg dialog(QualificationItem(session.CurrentRecord().Q), context.dialogParent);
    for (;;) {
        if (!context.op.runDialog(dialog)) {
            context.ShowSettingsSummary();
            return;
        }
        const int item = dialog.choices();
        const std::int32_t q = QualificationOfItem(item);
        if (QualificationFits(q, session)) {
            session.SetAddressValue(AddressField::Q, q);
            context.link.SendCommand(QualificationLine(item));
            context.ShowSettingsSummary();
            return;
        }
        const std::string message = QualificationRangeMessage(session.CurrentRecord().M);
        if (!message.empty())
            context.op.showBox(BoxKind::Error, QString::fromStdString(message));
        context.ShowSettingsSummary();
    }
}

void Numofprofile1Click(CommandContext& context) {
    TCharacteristicDlg dialog(context.dialogParent);
    if (context.op.runDialog(dialog))
        context.link.SendCommand(ProfileLine(dialog.choices()));
}

void Index1Click(CommandContext& context) {
    TIndexDlg dialog(context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const int item = dialog.choices();
    context.session.CurrentAddress = item;
    context.link.SendCommand(IndexLine(item));
    context.ShowSettingsSummary();
}

void MotorResolution1Click(CommandContext& context) {
    Session& session = context.session;
    TOneNumInputDlg dialog(context.dialogParent);
    dialog.setWindowTitle("Motor Resolution");
    dialog.setProperty("helpContext", 10705);
    dialog.Label1->setText("Set number of full steps per revolution");
    dialog.SetRangeText("(10 to 1000)");
    dialog.MaskEdit1->setEditMask("!999;1;.");
    dialog.MaskEdit1->setText(QString::number(session.CurrentRecord().R));
    for (;;) {
        if (!context.op.runDialog(dialog))
            return;
        // Not a controller command: the resolution sizes the revolutions unit of the
        // position entry, so a resolution without a size is refused.
        const MotorResolutionEntry entry =
            ParseMotorResolution(dialog.EntryText().toLatin1().toStdString());
        if (entry.code != 0) {
            ShowCommandError(context.op, entry.code);
            continue;
        }
        session.SetAddressValue(AddressField::R, entry.value);
        context.ShowSettingsSummary();
        return;
    }
}

void Auxiliaryfunction1Click(CommandContext& context) {
    TAuxFunctionDlg dialog(context.dialogParent);
    if (context.op.runDialog(dialog))
        context.link.SendCommand(AuxFunctionLine(dialog.choices()));
}

void RegisterSequencerCommands(CommandRegistry& registry, CommandContext& context) {
    RegisterHandlers(registry, context,
                     {
                         {"Microstep1Click", Microstep1Click},
                         {"Qualification1Click", Qualification1Click},
                         {"Numofprofile1Click", Numofprofile1Click},
                         {"Index1Click", Index1Click},
                         {"MotorResolution1Click", MotorResolution1Click},
                         {"Auxiliaryfunction1Click", Auxiliaryfunction1Click},
                     });
}

} // namespace orvant
