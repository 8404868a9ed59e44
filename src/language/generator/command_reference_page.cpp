// Writes the "Command language" help page, built from the line checker's rules, to the file
// named on the command line. Run by the build so that the page always matches the checker.

#include "language/command_reference.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.html\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << orvant::CommandReferenceHtml();
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
