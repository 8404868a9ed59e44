#include "transfer/transfer_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "commands/report_boxes.h"
#include "commands/typed_line.h"
#include "language/controller_models.h"
#include "language/download_texts.h"
#include "language/program_checker.h"
#include "language/readback_texts.h"
#include "language/session.h"
#include "link/controller_link.h"
#include "link/operator.h"
#include "transfer/program_download.h"
#include "transfer/register_readback.h"
#include "transfer/tdownload_progress_dlg.h"
#include "transfer/tupload_dlg.h"
#include "transfer/tupload_output_flag_dlg.h"
#include "transfer/tupload_output_int_dlg.h"

#include <memory>

namespace orvant {

namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::uint16_t kNoAnswerCode = 4;

} // namespace

void ExecuteActiveWin1Click(CommandContext& context) {
    if (!context.activeScriptLines)
        return;
    const std::optional<std::vector<std::string>> lines = context.activeScriptLines();
    if (!lines)
        return; // the trace window or no window is active
    const ProgramCheckReport report = CheckProgram(*lines, context.session, false);
    ShowProgramCheckReport(context.op, report);
    if (!report.passed)
        return;

    // A download that takes longer than about a second shows its progress and can be
    // stopped between two lines.
    std::unique_ptr<TDownloadProgressDlg> progress;
    const std::size_t total = CountLinesToSend(*lines, context.session);
    const double gap = SendGapSeconds(context.session.ModelCode());
    if (total > 1 && static_cast<double>(total - 1) * gap > kProgressDialogSeconds)
        progress = std::make_unique<TDownloadProgressDlg>(context.dialogParent);

    Operator& op = context.op;
    const DownloadResult result = SendProgramLines(
        *lines, context.session, context.link,
        [&op](std::size_t number, const std::string& written, std::uint16_t code) {
            op.playSound(Sound::CriticalStop);
            op.showBox(BoxKind::Error, Latin1(RefusedLineText(number, written, code)));
        },
        progress.get());
    if (result.end == DownloadResult::WriteFailed) {
        op.playSound(Sound::CriticalStop);
        op.showBox(BoxKind::Error, Latin1(WriteFailedText(result.failedLine, result.failReason)));
    }
}

void Upload1Click(CommandContext& context) {
    TUploadDlg dialog(context.dialogParent);
    if (!context.op.runDialog(dialog))
        return;
    const int index = dialog.choices().item;
    if (index < 0 || index >= kUploadItemCount)
        return;
    const UploadItem& item = UploadItems()[static_cast<std::size_t>(index)];
    if (item.display == UploadDisplay::None) {
        context.op.playSound(Sound::Default);
        return;
    }
    const std::optional<std::uint32_t> value =
        ReadRegisters(context.link, item.firstRegister, item.registerCount);
    if (!value) {
        ShowCommandError(context.op, kNoAnswerCode);
        return;
    }
    if (item.display == UploadDisplay::Flags) {
        TUploadOutputFlagDlg box(
            FlagBoxLines(item.flagPrefix, item.firstFlag, static_cast<std::uint8_t>(*value)),
            context.dialogParent);
        context.op.runDialog(box);
    } else {
        TUploadOutputIntDlg box(ValueBoxContents(index, *value), context.dialogParent);
        context.op.runDialog(box);
    }
}

void RegisterTransferCommands(CommandRegistry& registry, CommandContext& context) {
    registry.Register("ExecuteActiveWin1Click", [&context] { ExecuteActiveWin1Click(context); });
    registry.Register("Upload1Click", [&context] { Upload1Click(context); });
}

} // namespace orvant
