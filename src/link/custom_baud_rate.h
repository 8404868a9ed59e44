#pragma once
// Rates without a termios constant (14400, 56000 bit/s) are set through the kernel's
// arbitrary-rate interface. Kept in a file of its own because that interface's header
// clashes with <termios.h>.

namespace orvant {

// Sets both directions of the open terminal `fd` to `rate` bit/s; false on failure.
bool SetCustomBaudRate(int fd, int rate);

} // namespace orvant
