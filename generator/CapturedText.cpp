// Captures in memory. Each live capture writes to a stream of its own: a
// real stream of the C runtime, on the null device and open for reading
// only, from a pool that grows to the most captures ever alive at once
// (one inside another's writing, captures on other threads). The generator
// writes with fputs, fputc, fwrite and fprintf (which ends in one fwrite,
// FormattedWrites.cpp); programs that link it reach the first three through
// the wrappers below (see CMakeLists.txt), which append a write to a
// capture's stream to that capture's text and pass any other write on.
// Nothing touches a disk. A write that went around the wrappers fails on the
// read-only stream and sets its error flag, which the capture checks.
// A capture that cannot hold its text stops the program: an empty or short
// fragment would make a wrong bridge without a word.
#include "CapturedText.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>

extern "C" {
int __real_fputs(const char* text, FILE* stream);
int __real_fputc(int c, FILE* stream);
size_t __real_fwrite(const void* data, size_t size, size_t count, FILE* stream);
}

namespace {

struct CaptureStream {
    FILE* stream = nullptr;
    std::string text;
    bool busy = false;              // taken by a live capture (under g_poolLock)
    CaptureStream* next = nullptr;  // set before the node is published, never changed
};

// Every capture stream ever made, newest first. Nodes are never freed, so
// the writes read the list without a lock.
std::atomic<CaptureStream*> g_streams{nullptr};
std::mutex g_poolLock;

CaptureStream* CaptureOf(FILE* stream) {
    for (CaptureStream* node = g_streams.load(std::memory_order_acquire); node; node = node->next)
        if (node->stream == stream) return node;
    return nullptr;
}

CaptureStream* TakeStream() {
    std::lock_guard<std::mutex> lock(g_poolLock);
    for (CaptureStream* node = g_streams.load(std::memory_order_relaxed); node; node = node->next) {
        if (!node->busy) {
            node->busy = true;
            return node;
        }
    }
    FILE* stream = fopen("NUL", "rb");
    if (!stream) return nullptr;
    auto* node = new CaptureStream;
    node->stream = stream;
    node->busy = true;
    node->next = g_streams.load(std::memory_order_relaxed);
    g_streams.store(node, std::memory_order_release);
    return node;
}

[[noreturn]] void StopCapture(const char* why) {
    fprintf(stderr, "CaptureWritten: %s\n", why);
    std::abort();
}

// Hands a capture's stream back, its text emptied (its buffer kept for the
// next capture), also when the writing step throws.
class CTakenStream {
public:
    CTakenStream() : m_node(TakeStream()) {}
    ~CTakenStream() {
        if (!m_node) return;
        m_node->text.clear();
        std::lock_guard<std::mutex> lock(g_poolLock);
        m_node->busy = false;
    }
    CTakenStream(const CTakenStream&) = delete;
    CTakenStream& operator=(const CTakenStream&) = delete;
    CaptureStream* Get() const { return m_node; }

private:
    CaptureStream* m_node;
};

}  // namespace

extern "C" int __wrap_fputs(const char* text, FILE* stream) {
    if (CaptureStream* capture = CaptureOf(stream)) {
        capture->text.append(text);
        return 0;
    }
    return __real_fputs(text, stream);
}

extern "C" int __wrap_fputc(int c, FILE* stream) {
    if (CaptureStream* capture = CaptureOf(stream)) {
        capture->text.push_back(static_cast<char>(c));
        return static_cast<unsigned char>(c);
    }
    return __real_fputc(c, stream);
}

extern "C" size_t __wrap_fwrite(const void* data, size_t size, size_t count, FILE* stream) {
    if (CaptureStream* capture = CaptureOf(stream)) {
        if (size == 0 || count == 0) return 0;
        capture->text.append(static_cast<const char*>(data), size * count);
        return count;
    }
    return __real_fwrite(data, size, count, stream);
}

CString CaptureWritten(const std::function<void(FILE*)>& write) {
    CTakenStream taken;
    CaptureStream* capture = taken.Get();
    if (!capture) StopCapture("no stream for a capture (the C runtime's streams are used up)");
    write(capture->stream);
    // A write that the wrappers did not see: a fault of the generator's code.
    if (ferror(capture->stream)) StopCapture("text was written to a capture around its wrappers");
    std::string lf;
    lf.reserve(capture->text.size());
    for (char c : capture->text)
        if (c != '\r') lf += c;
    return lf.c_str();
}
