#include "serial_rates.h"

#include <QStringList>

namespace orvant {

int SanitizedBaudIndex(int baudIndex) {
    return (baudIndex >= 0 && baudIndex <= 3) ? baudIndex : kDefaultBaudIndex;
}

int SanitizedChannelIndex(int channelIndex) {
    return (channelIndex >= 0 && channelIndex <= 3) ? channelIndex : kDefaultChannelIndex;
}

SerialRate RateForIndex(int baudIndex, bool fastIndexer) {
    static const TComPortBaudRate kSlow[] = {br300, br1200, br2400, br4800};
    static const TComPortBaudRate kFast[] = {br600, br2400, br4800, br9600};
    const int i = SanitizedBaudIndex(baudIndex);
    const TComPortBaudRate speed = fastIndexer ? kFast[i] : kSlow[i];
    return {speed, QString::number(BaudRateValue(speed)) + QStringLiteral(" Bd")};
}

QString ChannelText(int channelIndex) {
    return QStringLiteral("COM") + QString::number(SanitizedChannelIndex(channelIndex) + 1);
}

QStringList BaudItems(bool fastIndexer) {
    if (fastIndexer)
        return {"600", "2400", "4800", "9600"};
    return {"300", "1200", "2400", "4800"};
}

} // namespace orvant
