// orvant-cli identify: opens the serial link and identifies the controller without windows.
// Every box the workbench would show is printed as one line, in order; then the three
// status panel texts as "panel0<TAB>TEXT", "panel1<TAB>TEXT", "panel2<TAB>TEXT".
// When the port cannot be opened, the system's reason goes to standard error.
// Exit status: 0 the port opened, 1 it could not be opened, 2 usage error.

#include "cli_command.h"

#include "language/session.h"
#include "link/comm_port_driver.h"
#include "link/console_operator.h"
#include "link/controller_link.h"
#include "link/monotonic_clock.h"
#include "link/serial_setup.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace orvant::cli {

namespace {

constexpr std::string_view kUsage = "identify [--channel N] [--baud-index I] [--fast] [--no-reset]";

bool ParseInt(const char* text, int low, int high, int& out) {
    if (!text || !*text)
        return false;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

int UsageError(const char* message) {
    std::fprintf(stderr, "orvant-cli identify: %s\nusage: orvant-cli %.*s\n", message,
                 static_cast<int>(kUsage.size()), kUsage.data());
    return 2;
}

int RunIdentify(int argc, char** argv) {
    int channel = 1;
    int baudIndex = 3;
    bool fast = false;
    bool reset = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--channel") {
            if (!ParseInt(i + 1 < argc ? argv[++i] : nullptr, 1, 4, channel))
                return UsageError("--channel needs a number from 1 to 4");
        } else if (arg == "--baud-index") {
            if (!ParseInt(i + 1 < argc ? argv[++i] : nullptr, 0, 3, baudIndex))
                return UsageError("--baud-index needs a number from 0 to 3");
        } else if (arg == "--fast") {
            fast = true;
        } else if (arg == "--no-reset") {
            reset = false;
        } else {
            return UsageError(("unknown argument '" + arg + "'").c_str());
        }
    }

    int appArgc = 1;
    char appName[] = "orvant-cli";
    char* appArgv[] = {appName, nullptr};
    QCoreApplication app(appArgc, appArgv);

    Session session;
    session.Link.ChannelIndex = static_cast<std::uint8_t>(channel - 1);
    session.Link.BaudIndex = static_cast<std::uint8_t>(baudIndex);
    session.Link.FastIndexer = fast ? 1 : 0;

    ConsoleOperator op;
    SteadyClock clock;
    TCommPortDriver port;
    port.SetOutputTimeout(2000);
    ControllerLink link(session, op, port, clock);
    SerialSetup setup(session, op, link, port);

    QString panels[3];
    QObject::connect(&setup, &SerialSetup::panelText, [&panels](int panel, const QString& text) {
        if (panel >= 0 && panel < 3)
            panels[panel] = text;
    });

    const bool opened = setup.OpenPort();
    if (opened)
        setup.IdentifyController(reset, 2.5);
    else
        std::fprintf(stderr, "orvant-cli identify: cannot open COM%d: %s\n", channel,
                     port.LastOpenFailure().c_str());
    setup.PublishPanels();
    port.Close();

    for (int i = 0; i < 3; ++i)
        std::printf("panel%d\t%s\n", i, panels[i].toLocal8Bit().constData());
    std::fflush(stdout);
    return opened ? 0 : 1;
}

constexpr std::string_view kDetails =
    "Opens the serial link as Serial Setup does and identifies the controller.\n"
    "\n"
    "  --channel N       COM channel 1 to 4 (default 1); COMn opens $ORVANT_COMn when set,\n"
    "                    /dev/ttyS(n-1) otherwise\n"
    "  --baud-index I    0 to 3: 300, 1200, 2400, 4800 bit/s, or 600, 2400, 4800, 9600 with\n"
    "                    --fast (default 3)\n"
    "  --fast            Fast Indexer type rates\n"
    "  --no-reset        identify without resetting the controller first\n"
    "\n"
    "Prints every box the workbench would show as one line, in order, then the status\n"
    "panels as panel0<TAB>TEXT, panel1<TAB>TEXT, panel2<TAB>TEXT.\n"
    "Exit status: 0 the port opened, 1 it could not be opened, 2 usage error.";
const CliRegistrar kIdentify({"identify", kUsage, &RunIdentify,
                              "open the serial link and identify the controller", kDetails});

} // namespace

} // namespace orvant::cli
