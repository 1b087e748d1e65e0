// Stands in for the web browser in tests: writes the command line it was
// started with into the file that BRIVEL_BROWSER_RECORD names, and ends.
#include <windows.h>

#include <cstdio>

int main() {
    char record[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", record, sizeof record);
    if (length == 0 || length >= sizeof record) return 2;
    // Written to a new name and then moved, so a reader never sees half of it.
    char partial[MAX_PATH * 2 + 8];
    std::snprintf(partial, sizeof partial, "%s.part", record);
    FILE* f = std::fopen(partial, "wb");
    if (!f) return 1;
    std::fputs(GetCommandLineA(), f);
    std::fclose(f);
    return MoveFileExA(partial, record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
