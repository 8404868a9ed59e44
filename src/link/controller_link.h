#pragma once
// The main window's end of the controller link: one command line out with the model's send
// gap and a trace line, every received byte into the receive ring and the trace, a bounded
// wait for a reply, and the two synchronous requests of the Real Move panel.

#include "link/circle_char_buffer.h"
#include "link/comm_port_driver.h"
#include "link/monotonic_clock.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace orvant {

class Operator;
class Session;

inline constexpr int WM_MOVECOMMAND = 20001;
inline constexpr int WM_READPOSITION = 20002;

inline constexpr int kMaxWireCommand = 255; // characters of one command on the wire

// What became of one SendCommand.
struct SendOutcome {
    enum Status {
        Empty,       // empty text: nothing sent, nothing traced
        NotReady,    // the port was still not ready after the serial setup
        Sent,        // written (an output time-out of the driver counts as sent)
        WriteFailed, // the device refused the write (unplugged adapter, hung-up line)
    };
    Status status = Empty;
    std::string reason; // the system's reason for WriteFailed
    bool sent() const { return status == Sent; }
};

class ControllerLink : public QObject {
    Q_OBJECT
public:
    ControllerLink(Session& session, Operator& op, TCommPortDriver& port,
                   const MonotonicClock& clock, QObject* parent = nullptr);

    // Sends one command line (without terminator) after the send gap of the current model,
    // then traces it. On the wire: the text up to its first carriage return, at most 255
    // characters of it, and one carriage return. Empty text does nothing. Before the port is ready
    // the operator is warned and serialSetupHook runs; the command goes out only if the port is
    // ready then. The outcome tells callers that care (a download) whether the device took
    // the bytes; a failed write is traced like any other.
    SendOutcome SendCommand(const std::string& text);
    // Services events until a byte is in the receive ring (true) or `seconds` have passed
    // (false). A byte that arrives in the round the deadline passes counts as none.
    bool WaitForReply(double seconds);
    // Waits `seconds`; without processMessages nothing is serviced (no received data is
    // delivered, no timer runs).
    void WaitSeconds(double seconds, bool processMessages);
    TCircleCharBuffer& ReceiveBuffer() { return receiveBuffer_; }
    bool PortReady() const { return portReady_; }
    void SetPortReady(bool ready) { portReady_ = ready; }

    // WM_MOVECOMMAND: after 0.1 s, sends the pending move command (wParam 0) or "R" (1).
    void MoveCommand(int wParam);
    // WM_READPOSITION: reads U1, U2, U3 (least significant first, stopping at the first
    // missing byte) into the session's move exchange record.
    void ReadPosition();

    // The receive handler bound to the port's OnReceiveData.
    void HandleReceiveData(TCommPortDriver* sender, const char* data, int size);

    // Clock time at which the previous send's write returned; none before the first send.
    std::optional<double> LastSendTime() const { return lastSend_; }

    // The trace line of a sent command: its text up to the first carriage return, one TAB
    // (two when that part is shorter than 8 characters), ";" and `timeOfDay`.
    static QString SendTraceLine(const std::string& text, const QString& timeOfDay);
    // The trace line of one received byte: 11 blanks, "INPUT ", the value in decimal.
    static QString InputTraceLine(unsigned char byte);
    // The current time of day in the desktop's long time format (hours, minutes, seconds).
    static QString TimeOfDayText();

    // Run when a command is sent before the port is ready (after the warning box).
    std::function<void()> serialSetupHook;

signals:
    void traceLine(const QString& line);

private:
    // Returns once the clock is strictly past `time`, without servicing events.
    void HoldUntil(double time) const;

    Session& session_;
    Operator& op_;
    TCommPortDriver& port_;
    const MonotonicClock& clock_;
    TCircleCharBuffer receiveBuffer_;
    bool portReady_ = false;
    std::optional<double> lastSend_;
};

} // namespace orvant
