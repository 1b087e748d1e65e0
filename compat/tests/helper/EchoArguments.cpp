// Child program of the process tests: writes its arguments after the program
// name, one per line in brackets, to standard output, one line to standard
// error, and exits with code 7.
#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) std::printf("[%s]\n", argv[i]);
    std::fprintf(stderr, "to stderr\n");
    return 7;
}
