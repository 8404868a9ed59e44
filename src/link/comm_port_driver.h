#pragma once
// The serial port object: keeps the line settings as properties, opens a numbered serial
// device, applies the settings, polls the device for input on a timer of the user-interface
// thread and hands each received block to OnReceiveData, and writes blocks with a bounded
// wait for room in the output queue. It knows nothing about the controller.
//
// "COMn" is the device named by the environment variable ORVANT_COMn when it is set, and
// /dev/ttyS(n-1) otherwise.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

namespace orvant {

enum TComPortNumber { pnCOM1, pnCOM2, pnCOM3, pnCOM4, pnCOM5, pnCOM6 };
enum TComPortBaudRate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200
};
enum TComPortDataBits { db5BITS, db6BITS, db7BITS, db8BITS };
enum TComPortStopBits { sb1BITS, sb1HALFBITS, sb2BITS };
enum TComPortParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TComPortHwHandshaking { hhNONE, hhRTSCTS };
enum TComPortSwHandshaking { shNONE, shXONXOFF };

// Rate in bit/s of a baud-rate value (110 ... 115200).
int BaudRateValue(TComPortBaudRate rate);

// The device control settings that ApplyLineSettings builds from zero and pushes to the
// open device.
struct LineControl {
    int baudRate = 0;
    bool binary = false;
    bool dtrEnabled = false;
    bool outCtsFlow = false;   // CTS output flow control
    bool rtsHandshake = false; // RTS in handshake mode
    bool outXonXoff = false;   // XON/XOFF on output
    bool inXonXoff = false;    // XON/XOFF on input
    int xonLimit = 0;
    int xoffLimit = 0;
    int dataBits = 0; // 5..8
    TComPortParity parity = ptNONE;
    bool parityCheck = false;
    TComPortStopBits stopBits = sb1BITS;
    char xonChar = 0;
    char xoffChar = 0;

    bool operator==(const LineControl&) const = default;
};

class TCommPortDriver : public QObject {
    Q_OBJECT
public:
    explicit TCommPortDriver(QObject* parent = nullptr);
    ~TCommPortDriver() override;

    TCommPortDriver(const TCommPortDriver&) = delete;
    TCommPortDriver& operator=(const TCommPortDriver&) = delete;

    // Opens and configures the device; true when open afterwards. Emits beep() on every
    // call, also when already open.
    bool Open();
    // Why the last Open failed, in the system's words with the device path, for example
    // "No such file or directory: /dev/ttyS1" or, when the user lacks the rights,
    // "Permission denied: /dev/ttyUSB0 belongs to group dialout; add your user to it with
    // usermod -aG dialout $USER and log in again". Empty after a successful Open.
    const std::string& LastOpenFailure() const { return lastOpenFailure_; }
    // The reason text for a device that open() refused with the system error `error`; the
    // group hint for a refused permission comes from the device's own owner group.
    static std::string OpenFailureReason(const std::string& path, int error);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    // Bytes written; 0 when closed; minus the bytes written so far when no progress was
    // possible for OutputTimeout ms or the device refused the write.
    int Send(const char* data, int count);
    // The system's error number of the device's refusal in the last Send; 0 when that Send
    // succeeded, merely timed out, or found the port closed.
    int LastSendError() const { return lastSendError_; }
    void Purge(bool input, bool output);
    // ComPortOutBufSize minus the bytes waiting in the device's output queue; 65535 closed.
    quint16 OutputFreeSpace() const;
    // Pushes the line settings to the open device; nothing while closed.
    void ApplyLineSettings();
    // The poll timer tick: reads what is there and hands it to OnReceiveData.
    void PollReceive();
    // The settings ApplyLineSettings would push now.
    LineControl BuildLineControl() const;

    // Device path of a channel: $ORVANT_COMn or /dev/ttyS(n-1).
    static std::string DevicePath(TComPortNumber port);

    // --- properties ---------------------------------------------------------------------
    TComPortNumber ComPort() const { return comPort_; }
    void SetComPort(TComPortNumber port); // ignored while open
    TComPortBaudRate ComPortSpeed() const { return speed_; }
    void SetComPortSpeed(TComPortBaudRate speed);
    TComPortDataBits ComPortDataBits() const { return dataBits_; }
    void SetComPortDataBits(TComPortDataBits bits);
    TComPortStopBits ComPortStopBits() const { return stopBits_; }
    void SetComPortStopBits(TComPortStopBits bits);
    TComPortParity ComPortParity() const { return parity_; }
    void SetComPortParity(TComPortParity parity);
    TComPortHwHandshaking ComPortHwHandshaking() const { return hw_; }
    void SetComPortHwHandshaking(TComPortHwHandshaking hw);
    TComPortSwHandshaking ComPortSwHandshaking() const { return sw_; }
    void SetComPortSwHandshaking(TComPortSwHandshaking sw);
    quint16 ComPortInBufSize() const { return inBufSize_; }
    void SetComPortInBufSize(quint16 size); // ignored while open; reallocates the block
    quint16 ComPortOutBufSize() const { return outBufSize_; }
    void SetComPortOutBufSize(quint16 size);
    quint16 ComPortPollingDelay() const { return pollingDelay_; }
    void SetComPortPollingDelay(quint16 ms); // restarts the running poll timer
    bool EnableDTROnOpen() const { return enableDtr_; }
    void SetEnableDTROnOpen(bool enable);
    quint16 OutputTimeout() const { return outputTimeout_; }
    void SetOutputTimeout(quint16 ms);

    // Size of the receive block (follows ComPortInBufSize).
    std::size_t ReceiveBlockSize() const { return receiveBlock_.size(); }
    // Period of the poll timer in ms, or -1 while it is not running.
    int PollTimerInterval() const { return pollTimer_.isActive() ? pollTimer_.interval() : -1; }

signals:
    // A received block. The handler must copy what it needs: the next tick reuses the block.
    void OnReceiveData(orvant::TCommPortDriver* sender, const char* data, int size);
    // The desktop's default beep; the owner routes it to its operator.
    void beep();

private:
    int fd_ = -1;
    int lastSendError_ = 0;
    std::string lastOpenFailure_;
    TComPortNumber comPort_ = pnCOM1;
    TComPortBaudRate speed_ = br9600;
    TComPortDataBits dataBits_ = db8BITS;
    TComPortStopBits stopBits_ = sb1BITS;
    TComPortParity parity_ = ptNONE;
    TComPortHwHandshaking hw_ = hhNONE;
    TComPortSwHandshaking sw_ = shNONE;
    quint16 inBufSize_ = 2048;
    quint16 outBufSize_ = 4096;
    quint16 pollingDelay_ = 50;
    bool enableDtr_ = true;
    quint16 outputTimeout_ = 2000;
    std::vector<char> receiveBlock_;
    QTimer pollTimer_;
};

} // namespace orvant
