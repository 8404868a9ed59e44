#include "app/workbench_commands.h"

#include "commands/immediate_commands.h"
#include "commands/number_commands.h"
#include "commands/position_commands.h"
#include "commands/sequencer_commands.h"
#include "commands/serial_commands.h"
#include "commands/structure_commands.h"
#include "motion/motion_commands.h"
#include "realmove/realmove_commands.h"
#include "transfer/transfer_commands.h"

namespace orvant {

void RegisterWorkbenchCommands(CommandRegistry& registry, CommandContext& context) {
    RegisterSerialCommands(registry, context);
    RegisterImmediateCommands(registry, context);
    RegisterNumberCommands(registry, context);
    RegisterPositionCommands(registry, context);
    RegisterStructureCommands(registry, context);
    RegisterSequencerCommands(registry, context);
    RegisterMotionCommands(registry, context);
    RegisterRealMoveCommands(registry, context);
    RegisterTransferCommands(registry, context);
}

} // namespace orvant
