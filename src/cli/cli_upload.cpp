// orvant-cli upload: reads back a register, a three-byte value or a flag byte as the
// workbench's "Upload..." does, after opening and identifying the link as `identify` does.
//
//   orvant-cli upload [--channel N] [--baud-index I] [--fast] [--no-reset] ITEM
//
// ITEM: U1 to U19 (the item that reads that register), position, variable, mode, serial,
// flags, aux40, aux48, aux56. Standard output: the value box as "name<TAB>", "dec<TAB>",
// "hex<TAB>" and "bin<TAB>" lines with the exact field texts, or the eight lines of the flag
// box. Standard error: the boxes of the link set-up, "No Answer" when a byte is missing.
// Exit status: 0 shown; 1 the port did not open, the controller did not identify or did not
// answer; 2 a usage error.

#include "cli_command.h"
#include "cli_link.h"

#include "language/readback_texts.h"
#include "transfer/register_readback.h"

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <optional>

namespace orvant::cli {

namespace {

constexpr std::string_view kUsage =
    "upload [--channel N] [--baud-index I] [--fast] [--no-reset] ITEM";

int UsageError(const std::string& message) {
    std::fprintf(stderr,
                 "orvant-cli upload: %s\nusage: orvant-cli %.*s\n"
                 "ITEM: U1..U19, position, variable, mode, serial, flags, aux40, aux48, aux56\n",
                 message.c_str(), static_cast<int>(kUsage.size()), kUsage.data());
    return 2;
}

// The Upload Dialog item an ITEM argument names.
std::optional<int> ItemByName(const std::string& name) {
    static const std::map<std::string, int> named = {
        {"position", 3}, {"variable", 7}, {"mode", 16},  {"serial", 17},
        {"flags", 15},   {"aux40", 18},   {"aux48", 19}, {"aux56", 20},
    };
    if (const auto it = named.find(name); it != named.end())
        return it->second;
    const auto& items = UploadItems();
    for (int i = 0; i < kUploadItemCount; ++i) {
        const UploadItem& item = items[static_cast<std::size_t>(i)];
        if (item.registerCount == 1 && name == "U" + std::to_string(item.firstRegister))
            return i;
    }
    return std::nullopt;
}

int RunUpload(int argc, char** argv) {
    LinkOptions options;
    std::optional<int> item;
    const std::string usage =
        ParseArguments(argc, argv, options, [&](const std::string& arg) -> std::string {
            if (arg.size() > 1 && arg[0] == '-')
                return "unknown option '" + arg + "'";
            if (item)
                return "one item only";
            item = ItemByName(arg);
            return item ? std::string() : "unknown item '" + arg + "'";
        });
    if (!usage.empty())
        return UsageError(usage);
    if (!item)
        return UsageError("no item given");

    int appArgc = 1;
    char appName[] = "orvant-cli";
    char* appArgv[] = {appName, nullptr};
    QCoreApplication app(appArgc, appArgv);

    CliLink cli(options, stderr);
    if (!cli.OpenAndIdentify("upload"))
        return 1;
    const UploadItem& chosen = UploadItems()[static_cast<std::size_t>(*item)];
    const std::optional<std::uint32_t> value =
        ReadRegisters(cli.link, chosen.firstRegister, chosen.registerCount);
    if (!value) {
        std::fprintf(stderr, "No Answer\n");
        return 1;
    }
    if (chosen.display == UploadDisplay::Flags) {
        for (const std::string& line :
             FlagBoxLines(chosen.flagPrefix, chosen.firstFlag, static_cast<std::uint8_t>(*value)))
            std::printf("%s\n", line.c_str());
    } else {
        const ValueBoxTexts texts = ValueBoxContents(*item, *value);
        std::printf("name\t%s\ndec\t%s\nhex\t%s\nbin\t%s\n", texts.name.c_str(), texts.dec.c_str(),
                    texts.hex.c_str(), texts.bin.c_str());
    }
    std::fflush(stdout);
    return 0;
}

const char kUploadDetails[] =
    "ITEM: U1 to U19, position, variable, mode, serial, flags, aux40, aux48, aux56.\n"
    "Opens and identifies the link as identify does (its boxes on standard error), then\n"
    "reads the item. Standard output: the value box as name, dec, hex and bin lines\n"
    "(KEY<TAB>TEXT), or the eight lines of the flag box.\n"
    "Exit status: 0 read; 1 no port, no identification or \"No Answer\" (on standard\n"
    "error); 2 usage error.";
const CliRegistrar kUpload({"upload", kUsage, &RunUpload, "read a controller register or flag byte",
                            kUploadDetails});

} // namespace

} // namespace orvant::cli
