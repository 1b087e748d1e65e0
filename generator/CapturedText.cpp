#include "CapturedText.h"

#include <windows.h>

#include <string>

namespace {

FILE* ScratchFile() {
    static FILE* file = [] {
        char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
        if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "brv", 0, name)) return static_cast<FILE*>(nullptr);
        return fopen(name, "w+bD");
    }();
    return file;
}

}  // namespace

CString CaptureWritten(const std::function<void(FILE*)>& write) {
    FILE* file = ScratchFile();
    if (!file) return CString();
    rewind(file);
    write(file);
    fflush(file);
    long size = ftell(file);
    rewind(file);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    size_t got = size > 0 ? fread(&text[0], 1, text.size(), file) : 0;
    text.resize(got);
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    return lf.c_str();
}
