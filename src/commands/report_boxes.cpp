#include "commands/report_boxes.h"

#include "language/program_checker.h"
#include "link/operator.h"

#include <QString>

namespace orvant {

void ShowProgramCheckReport(Operator& op, const ProgramCheckReport& report) {
    for (const ReportBox& box : report.boxes) {
        if (box.criticalSound)
            op.playSound(Sound::CriticalStop);
        op.showBox(box.kind == ReportBoxKind::Error ? BoxKind::Error : BoxKind::Information,
                   QString::fromLatin1(box.text.data(), static_cast<qsizetype>(box.text.size())));
    }
}

} // namespace orvant
