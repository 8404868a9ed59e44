// Feeds arbitrary byte images to the state file reader. It must never fault, every name it
// hands back must be usable, and re-encoding what it read must read back identically.

#include "language/state_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const StateFileRead first = DecodeStateFile(bytes);
    const StateFileContent& c = first.Content;
    if (c.Link.ModelCode > 10 || c.Link.BaudIndex > 3 || c.Link.ChannelIndex > 3)
        std::abort();
    if (c.Move.StepsPerUnit < 1 || c.Move.StepsPerUnit > 8000000)
        std::abort();
    for (const WindowRecord& r : c.Documents)
        if (r.FileName.empty() || r.FileName.size() > 255)
            std::abort();
    if (!first.HasCount)
        return 0;
    StateFileContent again = c;
    again.ChildCount = static_cast<std::uint16_t>(c.Documents.size() + 1);
    const StateFileRead second = DecodeStateFile(EncodeStateFile(again));
    // Values kept as read (an implausible rectangle, an oversized main window) are reported
    // again; a rewritten file must not show a problem that the original did not have.
    for (const std::string& problem : second.Problems)
        if (std::find(first.Problems.begin(), first.Problems.end(), problem) ==
            first.Problems.end())
            std::abort();
    if (second.Content.Documents.size() != c.Documents.size())
        std::abort();
    if (EncodeStateFile(second.Content) != EncodeStateFile(again))
        std::abort();
    return 0;
}
