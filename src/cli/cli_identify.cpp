// orvant-cli identify: opens the serial link and identifies the controller without windows.
// Every box the workbench would show is printed as one line, in order; then the three
// status panel texts as "panel0<TAB>TEXT", "panel1<TAB>TEXT", "panel2<TAB>TEXT".
// When the port cannot be opened, the system's reason goes to standard error.
// Exit status: 0 the port opened, 1 it could not be opened, 2 usage error.

#include "cli_command.h"
#include "cli_link.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <string>

namespace orvant::cli {

namespace {

constexpr std::string_view kUsage = "identify [--channel N] [--baud-index I] [--fast] [--no-reset]";

int UsageError(const char* message) {
    std::fprintf(stderr, "orvant-cli identify: %s\nusage: orvant-cli %.*s\n", message,
                 static_cast<int>(kUsage.size()), kUsage.data());
    return 2;
}

int RunIdentify(int argc, char** argv) {
    LinkOptions options;
    const std::string error = ParseArguments(argc, argv, options, [](const std::string& arg) {
        return "unknown argument '" + arg + "'";
    });
    if (!error.empty())
        return UsageError(error.c_str());

    int appArgc = 1;
    char appName[] = "orvant-cli";
    char* appArgv[] = {appName, nullptr};
    QCoreApplication app(appArgc, appArgv);

    CliLink cli(options, stdout);
    SerialSetup& setup = cli.setup;
    TCommPortDriver& port = cli.port;

    QString panels[3];
    QObject::connect(&setup, &SerialSetup::panelText, [&panels](int panel, const QString& text) {
        if (panel >= 0 && panel < 3)
            panels[panel] = text;
    });

    const bool opened = setup.OpenPort();
    if (opened)
        setup.IdentifyController(options.reset, 2.5);
    else
        std::fprintf(stderr, "orvant-cli identify: cannot open COM%d: %s\n", options.channel,
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
