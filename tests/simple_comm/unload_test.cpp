// Unloading the shared library closes every port that is still open.

#include "simple_comm/simple_comm.h"

#include "support/pty_pair.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <poll.h>

namespace orvant::test {
namespace {

using OpenFunction = decltype(&Simple_Comm_Open);
using CountFunction = decltype(&Simple_Comm_PortCount);

// True when the far end sees that nobody holds the terminal open any more.
bool HungUp(const PtyPair& pty, int waitMs) {
    pollfd p{pty.master(), POLLIN, 0};
    return ::poll(&p, 1, waitMs) > 0 && (p.revents & POLLHUP) != 0;
}

TEST(SimpleCommUnload, ClosesEveryOpenPort) {
    void* library = ::dlopen(SIMPLE_COMM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    auto open = reinterpret_cast<OpenFunction>(::dlsym(library, "Simple_Comm_Open"));
    auto count = reinterpret_cast<CountFunction>(::dlsym(library, "Simple_Comm_PortCount"));
    ASSERT_NE(open, nullptr);
    ASSERT_NE(count, nullptr);

    PtyPair first, second;
    std::int32_t slot = -1;
    ASSERT_EQ(open(first.slavePath().c_str(), 9600, 8, 0, 0, 0xF, nullptr, 5000, &slot), 0);
    ASSERT_EQ(open(second.slavePath().c_str(), 9600, 8, 0, 0, 0xF, nullptr, 5000, &slot), 0);
    EXPECT_EQ(count(), 2);
    EXPECT_FALSE(HungUp(first, 50) || HungUp(second, 50)) << "open ports hold their terminals";

    ASSERT_EQ(::dlclose(library), 0);
    ASSERT_EQ(::dlopen(SIMPLE_COMM_LIBRARY, RTLD_NOW | RTLD_NOLOAD), nullptr)
        << "the library stayed loaded";
    EXPECT_TRUE(HungUp(first, 2000));
    EXPECT_TRUE(HungUp(second, 2000));
}

} // namespace
} // namespace orvant::test
