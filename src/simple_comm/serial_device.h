#pragma once
// POSIX serial device operations behind the port table: name resolution, exclusive open,
// line settings, and closing.

#include <cstdint>
#include <string>

struct termios;

namespace orvant::simple_comm {

// The line settings requested by an open, and which of them to apply.
struct LineSettings {
    std::uint32_t baudRate = 0;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;
    std::uint8_t stopBits = 0;
    std::uint32_t mask = 0;
};

// "COMn" (n >= 1, "COM" in any case, no leading zero) becomes the value of the environment
// variable ORVANT_COMn when it is set, else /dev/ttyS(n-1); any other name is returned as is.
std::string DevicePathFor(const char* name);

// Opens the device for reading and writing, exclusively, without creating it and without
// making it the controlling terminal. Returns 0 and the descriptor in *fd, or an errno value.
int OpenDeviceExclusive(const std::string& path, int* fd);

// Writes the settings selected by the mask into a terminal description, keeping the others.
// Returns 0, or EINVAL for a value the system does not have (one and a half stop bits, a
// non-standard rate, ...), leaving the description partly changed.
int ApplyLineSettings(termios* t, const LineSettings& settings);

// Puts the device in raw mode with non-blocking reads (the reader waits in poll), and applies
// the settings selected by the mask, keeping the others. A setting the device does not take
// is an error (EINVAL); the device's settings are then put back. Returns 0 or an errno value.
int ConfigureDevice(int fd, const LineSettings& settings);

// Gives up exclusivity and closes the descriptor. Returns 0 or an errno value.
int CloseDevice(int fd);

// Raises the calling thread to the highest scheduling priority the system grants an ordinary
// process; failing that, leaves it as it is.
void RaiseCurrentThreadPriority();

} // namespace orvant::simple_comm
