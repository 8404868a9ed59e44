// Fuzz target for the command line checker (and the whole-script check built on it).
//
// The last input bytes choose the session: model code (any byte), current address (also
// outside 0..16), program size so far and the settings of the current record and of
// record 16. The rest is the line. Every input must leave:
//   - a result code 0, 1, 2, 3, 5 or 6 (4 is never produced by the checker);
//   - a line no longer than before, without ";" or small letters, not starting with a blank;
//   - the program size unchanged on a refusal, raised by at most 32 bits on acceptance;
//   - for an accepted line: the rewritten line accepted again, unchanged, with the same
//     effect on the session, both from the session as it was before and as it is after.
// With the low bit of the first session byte set, the input is split into lines and run
// through the whole-script check instead.

#include "language/command_checker.h"
#include "language/program_checker.h"
#include "language/session.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

using orvant::AddressRecord;
using orvant::Session;

[[noreturn]] void Fail(const char* what, const std::string& line) {
    std::fprintf(stderr, "property failed: %s (line of %zu bytes)\n", what, line.size());
    std::abort();
}

std::int32_t PickSetting(FuzzedDataProvider& in) {
    static constexpr std::int32_t kInteresting[] = {
        std::numeric_limits<std::int32_t>::min(),
        -2147483647,
        -1,
        0,
        1,
        2,
        3,
        4,
        8,
        15,
        16,
        30,
        31,
        32,
        61,
        62,
        64,
        65,
        122,
        123,
        128,
        200,
        244,
        245,
        488,
        489,
        976,
        977,
        1000,
        1950,
        1951,
        std::numeric_limits<std::int32_t>::max(),
    };
    const auto choice = in.ConsumeIntegral<std::uint8_t>();
    constexpr std::size_t kCount = sizeof kInteresting / sizeof kInteresting[0];
    if (choice < 224)
        return kInteresting[choice % kCount];
    return in.ConsumeIntegral<std::int32_t>();
}

void FillRecord(FuzzedDataProvider& in, AddressRecord& r) {
    r.Q = PickSetting(in);
    r.S = PickSetting(in);
    r.M = PickSetting(in);
    r.V = PickSetting(in);
    r.A = PickSetting(in);
}

bool SameRecord(const AddressRecord& a, const AddressRecord& b) {
    return a.Q == b.Q && a.S == b.S && a.M == b.M && a.V == b.V && a.A == b.A && a.R == b.R;
}

bool SameSession(const Session& a, const Session& b) {
    if (a.ModelCode() != b.ModelCode() || a.MemoryBits != b.MemoryBits ||
        a.ProgramBits != b.ProgramBits || a.CurrentAddress != b.CurrentAddress)
        return false;
    for (std::size_t i = 0; i < a.Records.size(); ++i)
        if (!SameRecord(a.Records[i], b.Records[i]))
            return false;
    return true;
}

void CheckNormalForm(const std::string& line) {
    if (!line.empty() && static_cast<unsigned char>(line[0]) <= 32)
        Fail("normal form starts with a blank", line);
    for (char c : line) {
        if (c == ';')
            Fail("normal form keeps a comment", line);
        if (c >= 'a' && c <= 'z')
            Fail("normal form keeps a small letter", line);
    }
}

void FuzzOneLine(std::string line, Session& session) {
    const Session before = session;
    const std::string original = line;
    const std::uint16_t code = orvant::CheckCommandLine(line, session);
    if (code > 6 || code == 4)
        Fail("result code out of range", original);
    if (line.size() > original.size())
        Fail("line grew", original);
    CheckNormalForm(line);
    if (code != 0) {
        if (session.ProgramBits != before.ProgramBits)
            Fail("refused line changed the program size", original);
        return;
    }
    const std::uint32_t added = session.ProgramBits - before.ProgramBits;
    const bool saturated = session.ProgramBits == std::numeric_limits<std::uint32_t>::max();
    if (added > 32 || (added % 8 != 0 && !saturated))
        Fail("size class not 0, 8, 16, 24 or 32", original);

    // From the session as it was before the first check.
    Session again = before;
    std::string second = line;
    if (orvant::CheckCommandLine(second, again) != 0)
        Fail("rewritten line refused from the earlier session", original);
    if (second != line)
        Fail("rewritten line changed again", original);
    if (!SameSession(again, session))
        Fail("rewritten line has another effect", original);

    // From the session the first check left behind.
    Session after = session;
    second = line;
    if (orvant::CheckCommandLine(second, after) != 0 || second != line)
        Fail("rewritten line not stable on the later session", original);
}

void FuzzProgram(const std::string& text, Session& session) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.emplace_back(text, start, end - start);
        start = end + 1;
    }
    const orvant::ProgramCheckReport r = orvant::CheckProgram(lines, session, true);
    if (r.errors > lines.size())
        Fail("more errors than lines", text);
    const bool fits = session.ProgramBits <= session.MemoryBits;
    if (r.passed != (r.errors == 0 && fits))
        Fail("check result does not follow errors and size", text);
    const std::size_t boxes = r.errors > 0 ? r.errors + 1 : 1;
    if (r.boxes.size() != boxes)
        Fail("wrong number of boxes", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Session session;
    const auto mode = in.ConsumeIntegral<std::uint8_t>();
    session.ModelCode() = in.ConsumeIntegral<std::uint8_t>();
    session.MemoryBits = in.ConsumeIntegral<std::uint16_t>();
    session.ProgramBits = (mode & 2) ? in.ConsumeIntegral<std::uint32_t>() : 0;
    if (mode & 4)
        session.ResetAddressSettings();
    session.CurrentAddress = in.ConsumeIntegralInRange<std::int32_t>(-2, 18);
    FillRecord(in, session.CurrentRecord());
    FillRecord(in, session.Records[orvant::kAllAddresses]);

    const std::string text = in.ConsumeRemainingBytesAsString();
    if (mode & 1)
        FuzzProgram(text, session);
    else
        FuzzOneLine(text, session);
    return 0;
}
