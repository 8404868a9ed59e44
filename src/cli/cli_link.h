#pragma once
// The link end that orvant-cli send and upload share: the link options, and a session,
// port, controller link and serial setup opened and identified as `identify` does it.

#include "language/session.h"
#include "link/comm_port_driver.h"
#include "link/console_operator.h"
#include "link/controller_link.h"
#include "link/monotonic_clock.h"
#include "link/serial_setup.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace orvant::cli {

struct LinkOptions {
    int channel = 1;   // COM1..COM4
    int baudIndex = 3; // index into the baud items
    bool fast = false; // Fast Indexer type
    bool reset = true; // reset the controller before identifying it
};

// The usage text of the link options.
inline constexpr std::string_view kLinkOptionsUsage =
    "[--channel N] [--baud-index I] [--fast] [--no-reset]";

enum class OptionParse { NotALinkOption, Taken, Error };

// Takes the link option at argv[i] (and its value, advancing i); on Error `error` says why.
OptionParse ParseLinkOption(int argc, char** argv, int& i, LinkOptions& options,
                            std::string& error);

// Walks the arguments after the command name: link options go into `options`, every other
// argument to `other`, which returns an empty text to go on or a usage message. Returns the
// first usage message, or an empty text.
std::string ParseArguments(int argc, char** argv, LinkOptions& options,
                           const std::function<std::string(const std::string&)>& other);

// A QCoreApplication must exist while a CliLink lives. Boxes are printed as one line each to
// `boxes`.
class CliLink {
public:
    CliLink(const LinkOptions& options, std::FILE* boxes);
    ~CliLink();
    CliLink(const CliLink&) = delete;
    CliLink& operator=(const CliLink&) = delete;

    // Opens the port and identifies the controller; false (with a line on standard error)
    // when the port did not open or the controller did not identify.
    bool OpenAndIdentify(std::string_view command);

    Session session;
    ConsoleOperator op;
    SteadyClock clock;
    TCommPortDriver port;
    ControllerLink link;
    SerialSetup setup;

private:
    LinkOptions options_;
};

} // namespace orvant::cli
