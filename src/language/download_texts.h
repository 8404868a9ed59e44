#pragma once
// The texts of a program download: the box for a line refused in the sending pass, and the
// progress line of a long download.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvant {

// "Line " with the number right-aligned in 5, "\r", the line as written, "\r\r" and the
// checker's message for `code`.
std::string RefusedLineText(std::size_t number, const std::string& written, std::uint16_t code);

// The box for a line whose write the device refused: its number, the lines the controller
// may lack, and the system's reason.
std::string WriteFailedText(std::size_t number, const std::string& reason);

// "Line i of N   elapsed 0:03   remaining 0:07" (minutes and seconds).
std::string DownloadProgressText(std::size_t line, std::size_t total, double elapsedSeconds,
                                 double remainingSeconds);

// Minutes and seconds of a duration, rounded up to whole seconds ("1:05").
std::string DurationText(double seconds);

} // namespace orvant
