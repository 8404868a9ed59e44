// The line checker runs for every line of every script and dialog: it works within the
// line's own buffer and allocates nothing. Counted by replacing the global allocator of
// this test program.

#include "language/command_checker.h"
#include "language/program_checker.h"
#include "language/session.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {
std::atomic<long> gAllocations{0};
} // namespace

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace orvant {
namespace {

TEST(CommandCheckerAllocationTest, CheckingALineAllocatesNothing) {
    const std::vector<std::string> lines = {
        "v 1000 ; set speed", "S 100 200", "A200", "M3", "Q4", "=100", "G+5", "I 5 H 12", "!185",
        "! A", "XA", "X 5", "KILL", "W99999999999", "Y1", "", "   ", "; only", "C75", "@16", "\xe9",
        // Long enough to live outside the small-string buffer.
        "W 0000000000000000000000000000000000012 ; a long comment after the number"};
    Session session;
    session.ResetAddressSettings();
    session.SetAddressValue(AddressField::S, 20);
    std::string line;
    line.reserve(128);
    for (const auto& l : lines) {
        line.assign(l);
        const long before = gAllocations.load();
        CheckCommandLine(line, session);
        EXPECT_EQ(gAllocations.load() - before, 0) << "line '" << l << "'";
    }
}

} // namespace
} // namespace orvant
