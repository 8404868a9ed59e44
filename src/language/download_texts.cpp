#include "language/download_texts.h"

#include "language/command_errors.h"
#include "language/program_checker.h"

#include <cmath>

namespace orvant {

std::string RefusedLineText(std::size_t number, const std::string& written, std::uint16_t code) {
    return LineCaption(number) + "\r" + written + "\r\r" + std::string(CommandErrorMessage(code));
}

std::string WriteFailedText(std::size_t number, const std::string& reason) {
    return "Download stopped: " + LineCaption(number) + " could not be written\r" + reason +
           "\rThe controller may lack this line and all after it.";
}

std::string DurationText(double seconds) {
    const long long whole = seconds > 0 ? static_cast<long long>(std::ceil(seconds - 1e-9)) : 0;
    const std::string secs = std::to_string(whole % 60);
    return std::to_string(whole / 60) + ":" + (secs.size() < 2 ? "0" + secs : secs);
}

std::string DownloadProgressText(std::size_t line, std::size_t total, double elapsedSeconds,
                                 double remainingSeconds) {
    return "Line " + std::to_string(line) + " of " + std::to_string(total) + "   elapsed " +
           DurationText(elapsedSeconds) + "   remaining " + DurationText(remainingSeconds);
}

} // namespace orvant
