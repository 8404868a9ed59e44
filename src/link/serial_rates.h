#pragma once
// The serial settings of the link set-up: which port rate and rate text a baud index gives
// with and without the Fast Indexer option, and the channel texts. Indices outside 0..3 can
// only come from a damaged state file; they fall back to the defaults (baud index 3,
// channel index 0).

#include "link/comm_port_driver.h"

#include <QString>

namespace orvant {

inline constexpr int kDefaultBaudIndex = 3;
inline constexpr int kDefaultChannelIndex = 0;

struct SerialRate {
    TComPortBaudRate speed;
    QString text; // "4800 Bd"
};

int SanitizedBaudIndex(int baudIndex);
int SanitizedChannelIndex(int channelIndex);

// br300 "300 Bd" ... br4800 "4800 Bd"; each rate doubled with the Fast Indexer flag.
SerialRate RateForIndex(int baudIndex, bool fastIndexer);

// "COM1" .. "COM4".
QString ChannelText(int channelIndex);

// The Baud Rate radio items: "300", "1200", "2400", "4800" or, fast, "600" ... "9600".
QStringList BaudItems(bool fastIndexer);

} // namespace orvant
