#include "commands/number_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "commands/tone_num_input_dlg.h"
#include "language/number_commands.h"
#include "link/operator.h"

#include <string_view>

namespace orvant {

namespace {

constexpr std::string_view kStartStop = "StartStop1Click";
constexpr std::string_view kVelocity = "Velocity1Click";
constexpr std::string_view kAcceleration = "Acceleration1Click";

// One entry of a row, with another range text where the command builds its own.
void RunRow(CommandContext& context, std::string_view handler, const std::string* rangeText) {
    const OneNumberRow& row = OneNumberRowFor(handler);
    OneNumberEntry entry = EntryOf(row);
    if (rangeText)
        entry.rangeText = *rangeText;
    OneNumCommand(context, entry, RememberedEntryText(context.session, row));
}

void WarnVelocityBelowStartStop(CommandContext& context) {
    context.op.playSound(Sound::CriticalStop);
    context.op.showBox(BoxKind::Plain, "Warning !\rVELOCITY is less than START/STOP");
}

} // namespace

void Acceleration1Click(CommandContext& context) {
    const std::string range = AccelerationRangeText(context.session.CurrentRecord().S);
    RunRow(context, kAcceleration, &range);
    context.ShowSettingsSummary();
}

void AccelerationCheck(CommandContext& context, std::int32_t s) {
    if (AccelerationSuitsStartStop(s, context.session.CurrentRecord().A))
        return;
    context.op.playSound(Sound::CriticalStop);
    context.op.showBox(BoxKind::Plain,
                       "Warning !\rActual ACCELERATION is not according to the actual START/STOP");
    Acceleration1Click(context);
}

void StartStop1Click(CommandContext& context) {
    RunRow(context, kStartStop, nullptr);
    context.ShowSettingsSummary();
    // Sent or cancelled, the values as they stand now decide what follows.
    const std::int32_t s = context.session.CurrentRecord().S;
    const std::int32_t v = context.session.CurrentRecord().V;
    if (s > v) {
        WarnVelocityBelowStartStop(context);
        const std::string range = VelocityRangeFromStartStop(s);
        RunRow(context, kVelocity, &range);
        context.ShowSettingsSummary();
    }
    AccelerationCheck(context, s);
}

void Velocity1Click(CommandContext& context) {
    RunRow(context, kVelocity, nullptr);
    context.ShowSettingsSummary();
    const std::int32_t s = context.session.CurrentRecord().S;
    const std::int32_t v = context.session.CurrentRecord().V;
    if (s <= v)
        return;
    WarnVelocityBelowStartStop(context);
    const std::string range = StartStopRangeFromVelocity(v);
    RunRow(context, kStartStop, &range);
    context.ShowSettingsSummary();
    AccelerationCheck(context, context.session.CurrentRecord().S);
}

void RegisterNumberCommands(CommandRegistry& registry, CommandContext& context) {
    registry.Register(std::string(kStartStop), [&context] { StartStop1Click(context); });
    registry.Register(std::string(kVelocity), [&context] { Velocity1Click(context); });
    registry.Register(std::string(kAcceleration), [&context] { Acceleration1Click(context); });
    for (const OneNumberRow& row : OneNumberRows()) {
        const std::string_view handler = row.handler;
        if (handler == kStartStop || handler == kVelocity || handler == kAcceleration)
            continue;
        registry.Register(row.handler, [&context, &row] {
            OneNumCommand(context, EntryOf(row), RememberedEntryText(context.session, row));
        });
    }
}

} // namespace orvant
