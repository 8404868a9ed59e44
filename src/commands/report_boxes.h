#pragma once
// Shows the boxes of a whole-script check in their order, each after its alert sound.

namespace orvant {

class Operator;
struct ProgramCheckReport;

void ShowProgramCheckReport(Operator& op, const ProgramCheckReport& report);

} // namespace orvant
