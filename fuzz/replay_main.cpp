// Runs a fuzz target's entry point over the files named on the command line, outside
// libFuzzer. The normal build uses it to replay the committed seeds, so that a target which
// no longer compiles, or a seed which now breaks a property, fails the ordinary test run.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read seed %s\n", argv[i]);
            return 2;
        }
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%d seeds replayed\n", argc - 1);
    return 0;
}
