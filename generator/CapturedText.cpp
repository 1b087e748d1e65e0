#include "CapturedText.h"

#include <windows.h>

#include <string>

namespace {

FILE* OpenScratchFile() {
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
    if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "brv", 0, name)) return nullptr;
    return fopen(name, "w+bD");
}

// The scratch file of one capture. The thread's first level of captures
// reuses one file for the thread's life (a file per capture is slow); a
// capture inside another's writing, or on another thread, never shares the
// file an unfinished capture is writing.
class CScratchFile {
public:
    CScratchFile() {
        ThreadFile& reused = Reused();
        if (!reused.busy) {
            if (!reused.file) reused.file = OpenScratchFile();
            m_file = reused.file;
            m_reused = &reused;
            reused.busy = true;
        } else {
            m_file = OpenScratchFile();
        }
    }
    ~CScratchFile() {
        if (m_reused)
            m_reused->busy = false;
        else if (m_file)
            fclose(m_file);
    }
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;
    FILE* Get() const { return m_file; }

private:
    struct ThreadFile {
        FILE* file = nullptr;
        bool busy = false;
        ~ThreadFile() {
            if (file) fclose(file);
        }
    };
    static ThreadFile& Reused() {
        static thread_local ThreadFile reused;
        return reused;
    }
    FILE* m_file = nullptr;
    ThreadFile* m_reused = nullptr;
};

}  // namespace

CString CaptureWritten(const std::function<void(FILE*)>& write) {
    CScratchFile scratch;
    FILE* file = scratch.Get();
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
