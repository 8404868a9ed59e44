#include "serial_setup.h"

#include "language/controller_models.h"
#include "language/session.h"
#include "link/comm_port_driver.h"
#include "link/controller_link.h"
#include "link/operator.h"
#include "link/serial_rates.h"
#include "link/sine_check_table.h"

#include <chrono>
#include <memory>
#include <random>

namespace orvant {

namespace {
const QString kNoAnswerText = QStringLiteral("No Answer");

QString UnknownModelText() {
    return QString::fromLatin1(kUnknownModelText.data(),
                               static_cast<qsizetype>(kUnknownModelText.size()));
}

std::function<int()> RandomCheckNumber() {
    auto engine = std::make_shared<std::mt19937>(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count() ^
        std::chrono::steady_clock::now().time_since_epoch().count()));
    return [engine] {
        std::uniform_int_distribution<int> draw(0, 127);
        const int n = draw(*engine);
        return n == 0 ? 1 : n;
    };
}
} // namespace

SerialSetup::SerialSetup(Session& session, Operator& op, ControllerLink& link,
                         TCommPortDriver& port, QObject* parent)
    : QObject(parent), drawCheckNumber(RandomCheckNumber()), session_(session), op_(op),
      link_(link), port_(port), modelText_(UnknownModelText()), linkText_(kNoInitLinkText) {}

void SerialSetup::SetSerialClick() {
    LinkSettings& s = session_.Link;
    SerialChoices choices;
    choices.channelIndex = SanitizedChannelIndex(s.ChannelIndex);
    choices.baudIndex = SanitizedBaudIndex(s.BaudIndex);
    choices.fastIndexer = s.FastIndexer != 0;
    choices.autoInit = s.AutoInit != 0;
    choices.resetMcu = true;
    if (!askSettings || !askSettings(choices))
        return;
    s.ChannelIndex = static_cast<std::uint8_t>(SanitizedChannelIndex(choices.channelIndex));
    s.FastIndexer = choices.fastIndexer ? 1 : 0;
    s.BaudIndex = static_cast<std::uint8_t>(SanitizedBaudIndex(choices.baudIndex));
    s.AutoInit = choices.autoInit ? 1 : 0;
    if (OpenPort())
        IdentifyController(choices.resetMcu, 2.5);
    PublishPanels();
}

void SerialSetup::SerialInit() {
    if (setMainMenusEnabled)
        setMainMenusEnabled(false);
    if (OpenPort())
        IdentifyController(true, 2.2);
    PublishPanels();
    if (setMainMenusEnabled)
        setMainMenusEnabled(true);
}

bool SerialSetup::OpenPort() {
    LinkSettings& s = session_.Link;
    // A damaged state file may hold indices without a rate or channel: use the defaults,
    // and keep them so that the stored settings say what was opened.
    s.BaudIndex = static_cast<std::uint8_t>(SanitizedBaudIndex(s.BaudIndex));
    s.ChannelIndex = static_cast<std::uint8_t>(SanitizedChannelIndex(s.ChannelIndex));
    const SerialRate rate = RateForIndex(s.BaudIndex, s.FastIndexer != 0);
    const QString channel = ChannelText(s.ChannelIndex);

    if (port_.IsOpen())
        port_.Close();
    link_.SetPortReady(false);
    modelText_ = UnknownModelText();

    port_.SetComPort(static_cast<TComPortNumber>(s.ChannelIndex));
    port_.SetComPortSpeed(rate.speed);
    port_.SetComPortDataBits(db8BITS);
    port_.SetComPortParity(ptNONE);
    port_.SetComPortHwHandshaking(hhNONE);
    port_.SetComPortSwHandshaking(shNONE);
    if (!port_.Open()) {
        op_.showBoxWithDetail(BoxKind::Plain,
                              "COM port initiation not possible with this parameters:\r\r" +
                                  channel + " " + rate.text,
                              QString::fromLocal8Bit(port_.LastOpenFailure()));
        linkText_ = kNoInitLinkText;
        return false;
    }
    linkText_ = "Serial: " + channel + ", " + rate.text;
    emit panelText(1, linkText_);
    session_.ResetAddressSettings();
    link_.SetPortReady(true);
    return true;
}

void SerialSetup::IdentifyController(bool reset, double resetWait) {
    TCircleCharBuffer& buffer = link_.ReceiveBuffer();
    if (reset) {
        link_.SendCommand("\\");
        link_.WaitSeconds(resetWait, false);
    }

    // Link check: the controller answers "^n" with the sine table's value for n.
    buffer.Clear();
    int n = drawCheckNumber ? drawCheckNumber() : 1;
    if (n < 1 || n > 127)
        n = 1;
    const std::uint8_t expected = SineCheckTable[static_cast<std::size_t>(n)];
    std::string command = "^";
    command += std::to_string(n);
    link_.SendCommand(command);
    if (!link_.WaitForReply(2.0)) {
        op_.showBox(BoxKind::Plain, "Serial Setup Failed - no answer from MCU\rPlease check "
                                    "communication cable connection and Baud rate setting");
        return;
    }
    bool matched = false;
    while (!buffer.IsEmpty()) {
        if (buffer.GetByte() == expected) {
            matched = true;
            break;
        }
    }
    if (!matched) {
        op_.showBox(BoxKind::Plain, "Serial Setup Failed - wrong answer from MCU\rPlease check "
                                    "Baud rate setting and communiocation cable connection");
        return;
    }

    // Model: bytes that followed the link check answer are still in the ring and come first.
    link_.SendCommand("U20");
    link_.WaitForReply(2.0);
    if (buffer.IsEmpty()) {
        op_.playSound(Sound::CriticalStop);
        op_.showBox(BoxKind::Plain, kNoAnswerText);
    } else {
        const std::uint8_t answer = buffer.GetByte();
        if (const auto model = ModelByAnswer(answer)) {
            session_.ModelCode() = model->code;
            session_.MemoryBits = model->memoryBits;
            modelText_ = QString::fromLatin1(model->statusText.data(),
                                             static_cast<qsizetype>(model->statusText.size()));
        } else {
            modelText_ = UnknownModelText();
        }
        emit panelText(0, modelText_);
    }

    // Mode register: without bit 3 the controller runs with 4 microsteps.
    buffer.Clear();
    link_.SendCommand("U15");
    link_.WaitForReply(2.0);
    if (buffer.IsEmpty()) {
        op_.playSound(Sound::CriticalStop);
        op_.showBox(BoxKind::Plain, kNoAnswerText);
    } else if ((buffer.GetByte() & 0x08) == 0) {
        session_.SetAddressValue(AddressField::M, 4);
    }

    ShowSettingsSummary();
    op_.playSound(Sound::Default);
    op_.showBox(BoxKind::Plain, QStringLiteral("Succesful connection"));
}

void SerialSetup::ShowSettingsSummary() {
    emit panelText(2, QString::fromStdString(session_.AddressStatusText(link_.PortReady())));
}

void SerialSetup::PublishPanels() {
    emit panelText(0, modelText_);
    emit panelText(1, linkText_);
    ShowSettingsSummary();
}

} // namespace orvant
