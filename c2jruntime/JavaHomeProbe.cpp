#include "JavaHomeProbe.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "JvmPlatformNames.h"
#include "VmLocation.h"

namespace brivel::c2j {

namespace {
std::string Quoted(const char* before, const std::string& text) { return before + ("\"" + text + "\""); }
}  // namespace

JavaHomeProbeResult ProbeJavaHome(const char* prefix) {
    JavaHomeProbeResult result;
    std::string temp = kRootFolder;
    DWORD size = GetTempPathA(0, nullptr);
    if (size) {
        std::vector<char> buffer(size + 1);
        DWORD n = GetTempPathA(size + 1, buffer.data());
        if (n && n <= size) temp.assign(buffer.data(), n);
    }

    std::string classFile = temp + kPrintJavaHomeFileName;
    FILE* out = std::fopen(classFile.c_str(), "wb");
    if (!out) {
        result.message = Quoted("Unable to create file in temporary directory ", temp);
        return result;
    }
    std::fwrite(kPrintJavaHomeClass, 1, kPrintJavaHomeClassSize, out);
    std::fclose(out);

    char outputName[MAX_PATH + 1] = "";  // the name is at most MAX_PATH long
    GetTempFileNameA(temp.c_str(), prefix, 0, outputName);
    result.outputName = outputName;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputName, GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        DeleteFileA(classFile.c_str());
        result.message = Quoted("Unable to create temporary file ", outputName);
        return result;
    }

    std::string command = BuildProbeCommand(kJavaLauncher, temp);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        DeleteFileA(classFile.c_str());
        CloseHandle(output);
        DeleteFileA(outputName);
        result.message = "Unable to run Java";
        return result;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileA(classFile.c_str());
    CloseHandle(output);

    FILE* in = std::fopen(outputName, "r");
    if (!in) {
        result.outputUnreadable = true;
        result.message = Quoted("Unable to read java home ", outputName);
        return result;
    }
    char line[MAX_PATH] = "";
    if (!std::fgets(line, sizeof line, in)) line[0] = '\0';
    std::fclose(in);
    DeleteFileA(outputName);
    result.home = JavaHomeFromProbeLine(line);
    result.ok = true;
    return result;
}

}  // namespace brivel::c2j
