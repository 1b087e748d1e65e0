// Child program of the named-mutex tests: waits until the file <go> exists,
// creates the named mutex <name>, writes into <result> whether it created
// it ("created", "exists", or "failed <code>"), holds it until the file
// <release> exists, then closes it.
//   compat_mutex_holder <name> <go> <result> <release>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// Waits without sleeping, so that the holders of one round create the name
// as nearly at once as they can.
void WaitFor(const char* path) {
    for (long i = 0; i < 60000000 && !Exists(path); ++i) {
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    WaitFor(argv[2]);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, argv[1]);
    DWORD error = GetLastError();
    std::string answer = !mutex ? "failed " + std::to_string(error) : error == ERROR_ALREADY_EXISTS ? "exists" : "created";
    // Written whole under another name first, so that the test never reads
    // half a result.
    std::string partial = std::string(argv[3]) + ".part";
    FILE* out = std::fopen(partial.c_str(), "w");
    if (!out) return 3;
    std::fputs(answer.c_str(), out);
    std::fclose(out);
    if (!MoveFileExA(partial.c_str(), argv[3], MOVEFILE_REPLACE_EXISTING)) return 4;
    WaitFor(argv[4]);
    if (mutex) CloseHandle(mutex);
    return 0;
}
