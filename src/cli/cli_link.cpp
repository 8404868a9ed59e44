#include "cli_link.h"

#include <cstdlib>

namespace orvant::cli {

namespace {

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

} // namespace

OptionParse ParseLinkOption(int argc, char** argv, int& i, LinkOptions& options,
                            std::string& error) {
    const std::string_view arg = argv[i];
    if (arg == "--channel") {
        if (!ParseInt(i + 1 < argc ? argv[++i] : nullptr, 1, 4, options.channel)) {
            error = "--channel needs a number from 1 to 4";
            return OptionParse::Error;
        }
    } else if (arg == "--baud-index") {
        if (!ParseInt(i + 1 < argc ? argv[++i] : nullptr, 0, 3, options.baudIndex)) {
            error = "--baud-index needs a number from 0 to 3";
            return OptionParse::Error;
        }
    } else if (arg == "--fast") {
        options.fast = true;
    } else if (arg == "--no-reset") {
        options.reset = false;
    } else {
        return OptionParse::NotALinkOption;
    }
    return OptionParse::Taken;
}

std::string ParseArguments(int argc, char** argv, LinkOptions& options,
                           const std::function<std::string(const std::string&)>& other) {
    for (int i = 1; i < argc; ++i) {
        std::string error;
        switch (ParseLinkOption(argc, argv, i, options, error)) {
        case OptionParse::Error:
            return error;
        case OptionParse::Taken:
            continue;
        case OptionParse::NotALinkOption:
            break;
        }
        error = other(argv[i]);
        if (!error.empty())
            return error;
    }
    return {};
}

CliLink::CliLink(const LinkOptions& options, std::FILE* boxes)
    : op(boxes), link(session, op, port, clock), setup(session, op, link, port), options_(options) {
    session.Link.ChannelIndex = static_cast<std::uint8_t>(options.channel - 1);
    session.Link.BaudIndex = static_cast<std::uint8_t>(options.baudIndex);
    session.Link.FastIndexer = options.fast ? 1 : 0;
    port.SetOutputTimeout(2000);
}

CliLink::~CliLink() {
    if (port.IsOpen())
        port.Close();
}

bool CliLink::OpenAndIdentify(std::string_view command) {
    if (!setup.OpenPort()) {
        std::fprintf(stderr, "orvant-cli %.*s: cannot open COM%d: %s\n",
                     static_cast<int>(command.size()), command.data(), options_.channel,
                     port.LastOpenFailure().c_str());
        return false;
    }
    setup.IdentifyController(options_.reset, 2.5);
    if (session.ModelCode() == 0) {
        std::fprintf(stderr,
                     "orvant-cli %.*s: the controller on COM%d did not identify; nothing is "
                     "sent to an unknown model\n",
                     static_cast<int>(command.size()), command.data(), options_.channel);
        return false;
    }
    return true;
}

} // namespace orvant::cli
