#include "language/live_check.h"

#include "language/command_checker.h"
#include "language/command_errors.h"
#include "language/command_reference.h"
#include "language/number_commands.h"
#include "language/program_checker.h"

namespace orvant {

namespace {

std::string WithoutLineBreaks(std::string_view text) {
    std::string out(text);
    while (!out.empty() && (out.back() == '\r' || out.back() == ' '))
        out.pop_back();
    return out;
}

} // namespace

LiveCheck::LiveCheck(const Session& live) : session_(live) {
    session_.ProgramBits = 0;
}

LineMark LiveCheck::Feed(std::string_view written) {
    LineMark mark;
    const std::string_view trimmed = TrimmedScriptLine(written);
    if (trimmed.empty() || trimmed.front() == ';')
        return mark; // skipped, or a comment line that the checker accepts as empty
    mark.command = AsCommandCharacter(trimmed.front());
    mark.modelCode = session_.ModelCode();
    mark.startStop = session_.CurrentRecord().S;
    mark.microsteps = session_.CurrentRecord().M;
    working_.assign(trimmed);
    mark.code = CheckCommandLine(working_, session_);
    if (mark.code == kCommandAccepted)
        mark = LineMark{};
    else
        mark.kind = IsSoftResult(mark.code) ? LineMarkKind::Soft : LineMarkKind::Fault;
    return mark;
}

std::string LineMarkMessage(const LineMark& mark) {
    if (mark.kind == LineMarkKind::None)
        return "";
    std::string text = WithoutLineBreaks(CommandErrorMessage(mark.code));
    const CommandReferenceRow* row = CommandReferenceOf(mark.command);
    switch (mark.code) {
    case kAccelerationBand:
        if (mark.startStop >= 16 && mark.startStop <= 1950)
            text += "\nWith S" + std::to_string(mark.startStop) + " the acceleration should be " +
                    AccelerationRangeText(mark.startStop) + ".";
        else
            text += "\nThe start/stop velocity S" + std::to_string(mark.startStop) +
                    " allows no acceleration band.";
        text += "\nThe program check and the download let this line pass.";
        return text;
    case kNotUserStepMultiple:
        text += "\nWith M" + std::to_string(mark.microsteps) +
                " a position must be a whole multiple of " +
                std::to_string(UserStep(mark.microsteps)) + " microsteps.";
        text += "\nThe program check and the download let this line pass.";
        return text;
    case kCommandUnknown:
        text += "\n\"" + std::string(1, mark.command) + "\" is not a command.";
        return text;
    default:
        break;
    }
    if (row) {
        text += "\n" + std::string(1, row->command) + ": " + row->meaning + ".";
        text += "\nAccepted: " + AcceptedValuesFor(row->command, mark.modelCode) + ".";
    }
    return text;
}

MemoryGauge MemoryGaugeFor(std::uint32_t programBits, const Session& session) {
    MemoryGauge gauge;
    gauge.text = std::to_string(programBits);
    if (session.ModelCode() != 0)
        gauge.text += " / " + std::to_string(session.MemoryBits);
    gauge.text += " bits";
    gauge.overflows = programBits > session.MemoryBits;
    return gauge;
}

} // namespace orvant
