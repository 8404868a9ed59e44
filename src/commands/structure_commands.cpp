#include "commands/structure_commands.h"

#include "commands/command_context.h"
#include "commands/handler_table.h"
#include "commands/taddress_dialog.h"
#include "commands/tif_cmd_dlg.h"
#include "commands/tjump_cmd_dlg.h"
#include "commands/tloop_dlg.h"
#include "commands/tmove_reg_dlg.h"
#include "commands/tsubroutine_dlg.h"
#include "commands/tuser_all_fleg_dlg.h"
#include "commands/tuser_fleg_dlg.h"
#include "commands/twait_dlg.h"
#include "commands/twait_for_input_dlg.h"
#include "commands/twhole_cmd_dlg.h"
#include "commands/typed_line.h"
#include "language/session.h"
#include "language/structure_lines.h"
#include "link/controller_link.h"
#include "link/operator.h"

namespace orvant {

// Choice dialogs build their lines from radio items only; the lines go out unchecked.

void AddressLabelClick(CommandContext& context) {
    Session& session = context.session;
    TAddressDialog dialog(LabelCounterItem(session.LabelCounter), context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const int item = dialog.choices();
    session.LabelCounter = item;
    context.link.SendCommand(AddressLabelLine(item));
    session.LabelCounter = NextLabelCounter(item);
}

void Jumps1Click(CommandContext& context) {
    TJumpCmdDlg dialog(context.dialogParent);
    if (context.op.runDialog(dialog))
        context.link.SendCommand(JumpLine(dialog.choices()));
}

void Subrutine1Click(CommandContext& context) {
    TSubroutineDlg dialog(context.dialogParent);
    if (context.op.runDialog(dialog))
        context.link.SendCommand(SubroutineLine(dialog.choices()));
}

namespace {

void MoveRegister(CommandContext& context, RegisterMove direction) {
    TMoveRegDlg dialog(direction, context.dialogParent);
    if (context.op.runDialog(dialog))
        context.link.SendCommand(MoveRegisterLine(direction, dialog.choices()));
}

void InputLevel(CommandContext& context, TWaitForInputDlg::Use use) {
    TWaitForInputDlg dialog(use, context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const InputLevelChoice choice = dialog.choices();
    context.link.SendCommand(use == TWaitForInputDlg::Use::WaitForInput ? WaitForInputLine(choice)
                                                                        : SetOutputLine(choice));
}

} // namespace

void MoveToRegister1Click(CommandContext& context) {
    MoveRegister(context, RegisterMove::ToRegister);
}

void MoveFromRegister1Click(CommandContext& context) {
    MoveRegister(context, RegisterMove::FromRegister);
}

void UserFlags1Click(CommandContext& context) {
    TUserFlegDlg dialog(context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const UserFlagChoice choice = dialog.choices();
    context.session.UserFlags[static_cast<std::size_t>(choice.flag)] = choice.on ? 1 : 0;
    context.link.SendCommand(UserFlagLine(choice));
}

void UserFlagsAll1Click(CommandContext& context) {
    TUserAllFlegDlg dialog(context.session.UserFlags, context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const auto states = dialog.choices();
    const auto lines = UserFlagsAllLines(states);
    // Each flag's state is kept before its line goes out, so that the states hold what the
    // operator chose even when the port is not set up.
    for (std::size_t k = 0; k < states.size(); ++k) {
        context.session.UserFlags[k] = states[k];
        context.link.SendCommand(lines[k]);
    }
}

void Waitforinput1Click(CommandContext& context) {
    InputLevel(context, TWaitForInputDlg::Use::WaitForInput);
}

void SetOutput1Click(CommandContext& context) {
    InputLevel(context, TWaitForInputDlg::Use::SetOutput);
}

// Typed dialogs: the line is the prefix and the field's text, checked before it is sent.

void LoopClick(CommandContext& context) {
    TLoopDlg dialog(context.dialogParent);
    RunTypedDialog(context, dialog, 'L');
}

void If1Click(CommandContext& context) {
    TIfCmdDlg dialog(context.op, context.dialogParent);
    RunTypedDialog(context, dialog, 'I');
}

void Wait1Click(CommandContext& context) {
    TWaitDlg dialog(context.dialogParent);
    RunTypedDialog(context, dialog, 'W');
}

void WholeC1Click(CommandContext& context) {
    TWholeCmdDlg dialog(context.dialogParent);
    for (;;) {
        // Typing replaces the previous line.
        dialog.Edit1->selectAll();
        if (!context.op.runDialog(dialog))
            return;
        // An accepted line may have changed the settings or the current address.
        if (SendTypedLine(context, dialog.EntryText()).sent())
            context.ShowSettingsSummary();
    }
}

void RegisterStructureCommands(CommandRegistry& registry, CommandContext& context) {
    RegisterHandlers(registry, context,
                     {
                         {"AddressLabelClick", AddressLabelClick},
                         {"LoopClick", LoopClick},
                         {"If1Click", If1Click},
                         {"Wait1Click", Wait1Click},
                         {"WholeC1Click", WholeC1Click},
                         {"Jumps1Click", Jumps1Click},
                         {"Subrutine1Click", Subrutine1Click},
                         {"MoveToRegister1Click", MoveToRegister1Click},
                         {"MoveFromRegister1Click", MoveFromRegister1Click},
                         {"UserFlags1Click", UserFlags1Click},
                         {"UserFlagsAll1Click", UserFlagsAll1Click},
                         {"Waitforinput1Click", Waitforinput1Click},
                         {"SetOutput1Click", SetOutput1Click},
                     });
}

} // namespace orvant
