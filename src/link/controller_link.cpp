#include "controller_link.h"

#include "language/controller_models.h"
#include "language/session.h"
#include "link/operator.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QTime>
#include <QTimer>

#include <cstring>

namespace orvant {

namespace {
// The coarse part of a wait sleeps; the last moments spin on the clock so that the next
// command leaves as soon as the gap has elapsed.
constexpr double kSpinSeconds = 0.002;
// Longest time one round of a servicing wait may block for events.
constexpr int kServiceRoundMs = 5;
} // namespace

ControllerLink::ControllerLink(Session& session, Operator& op, TCommPortDriver& port,
                               const MonotonicClock& clock, QObject* parent)
    : QObject(parent), session_(session), op_(op), port_(port), clock_(clock) {
    connect(&port_, &TCommPortDriver::OnReceiveData, this, &ControllerLink::HandleReceiveData,
            Qt::DirectConnection);
}

void ControllerLink::HoldUntil(double time) const {
    for (;;) {
        const double rest = time - clock_.now();
        if (rest < 0)
            return;
        if (rest > kSpinSeconds)
            clock_.sleepFor(rest - kSpinSeconds);
    }
}

SendOutcome ControllerLink::SendCommand(const std::string& text) {
    if (text.empty())
        return {};
    if (!portReady_) {
        op_.showBox(BoxKind::Warning, "COM port not initiated.\rPlease set Serial Setup Values");
        if (serialSetupHook)
            serialSetupHook();
        if (!portReady_)
            return {SendOutcome::NotReady, {}};
    }
    const double gap = SendGapSeconds(session_.ModelCode());
    // One command per send: the wire text ends at the first carriage return, so that what
    // reaches the controller is exactly what the trace line shows, never a second command
    // hidden behind it; then at most 255 characters and the terminating carriage return.
    std::string wire = text.substr(0, text.find('\r')).substr(0, kMaxWireCommand);
    wire += '\r';
    if (lastSend_)
        HoldUntil(*lastSend_ + gap);
    const int written = port_.Send(wire.data(), static_cast<int>(wire.size()));
    lastSend_ = clock_.now();
    emit traceLine(SendTraceLine(text, TimeOfDayText()));
    // An output time-out is not a failure here; a refusal by the device (reported with
    // what was written before it, possibly nothing), or a port that is no longer open, is.
    if (port_.LastSendError() != 0)
        return {SendOutcome::WriteFailed, std::strerror(port_.LastSendError())};
    if (written == 0 && !port_.IsOpen())
        return {SendOutcome::WriteFailed, "the port is not open"};
    return {SendOutcome::Sent, {}};
}

bool ControllerLink::WaitForReply(double seconds) {
    const double deadline = clock_.now() + seconds;
    // Wakes the event loop regularly so that a round never blocks past the deadline.
    QTimer ticker;
    ticker.start(kServiceRoundMs);
    bool timedOut = false;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        timedOut = clock_.now() > deadline;
        if (!receiveBuffer_.IsEmpty() || timedOut)
            break;
    }
    return !timedOut;
}

void ControllerLink::WaitSeconds(double seconds, bool processMessages) {
    const double deadline = clock_.now() + seconds;
    if (!processMessages) {
        HoldUntil(deadline);
        return;
    }
    QTimer ticker;
    ticker.start(kServiceRoundMs);
    while (clock_.now() <= deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void ControllerLink::HandleReceiveData(TCommPortDriver*, const char* data, int size) {
    receiveBuffer_.PutBlock(data, size);
    for (int i = 0; i < size; ++i)
        emit traceLine(InputTraceLine(static_cast<unsigned char>(data[i])));
}

void ControllerLink::MoveCommand(int wParam) {
    const std::string text = wParam == 1 ? std::string("R") : session_.PendingMoveCommand;
    WaitSeconds(0.1, false);
    SendCommand(text);
}

void ControllerLink::ReadPosition() {
    std::int64_t value = 0;
    std::int64_t weight = 1;
    bool answered = true;
    for (int n = 1; n <= 3 && answered; ++n) {
        receiveBuffer_.Clear();
        std::string command = "U";
        command += std::to_string(n);
        SendCommand(command);
        answered = WaitForReply(0.7);
        if (answered) {
            value += receiveBuffer_.GetByte() * weight;
            weight *= 256;
        }
    }
    session_.Move.UploadAnswered = answered ? 1 : 0;
    session_.Move.UploadedPosition = static_cast<std::int32_t>(value);
    session_.Move.UploadDone = 1;
}

QString ControllerLink::SendTraceLine(const std::string& text, const QString& timeOfDay) {
    const std::string part = text.substr(0, text.find('\r'));
    QString line = QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
    line += part.size() < 8 ? QStringLiteral("\t\t") : QStringLiteral("\t");
    line += ';';
    line += timeOfDay;
    return line;
}

QString ControllerLink::InputTraceLine(unsigned char byte) {
    return QStringLiteral("           INPUT ") + QString::number(byte);
}

QString ControllerLink::TimeOfDayText() {
    // The locale's long time format, without the time zone that some locales append: the
    // trace shows hours, minutes and seconds.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    format = format.trimmed();
    if (!format.contains(QLatin1Char('s')))
        format = QStringLiteral("h:mm:ss");
    return QLocale::system().toString(QTime::currentTime(), format);
}

} // namespace orvant
