// A Java launcher stand-in for the home probe: records its arguments and the
// size of the probe class it was asked to run in the file named by
// BRIVEL_STUB_JAVA_LOG, then prints BRIVEL_STUB_JAVA_HOME and a CR LF line
// end, as a launcher on Windows does.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const char* logName = std::getenv("BRIVEL_STUB_JAVA_LOG");
    if (logName) {
        if (FILE* log = std::fopen(logName, "ab")) {
            for (int i = 1; i < argc; ++i) std::fprintf(log, "[%s]", argv[i]);
            long size = -1;
            if (argc > 2) {
#ifdef _WIN32
                std::string classFile = std::string(argv[2]) + "\\PrintJavaHome.class";
#else
                std::string classFile = std::string(argv[2]) + "/PrintJavaHome.class";
#endif
                if (FILE* in = std::fopen(classFile.c_str(), "rb")) {
                    std::fseek(in, 0, SEEK_END);
                    size = std::ftell(in);
                    std::fclose(in);
                }
            }
            std::fprintf(log, " class %ld\n", size);
            std::fclose(log);
        }
    }
    const char* home = std::getenv("BRIVEL_STUB_JAVA_HOME");
    std::fputs(home ? home : "", stdout);
    std::fputs("\r\n", stdout);
    return 0;
}
