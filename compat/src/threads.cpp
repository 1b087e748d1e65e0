// Threads, thread-local storage, thread ids and sleeping.
#include <windows.h>

#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <future>
#include <memory>

#include "handles.h"

namespace {
struct Start {
    LPTHREAD_START_ROUTINE routine;
    LPVOID parameter;
    std::shared_ptr<brivel_compat::Thread> thread;
    std::promise<DWORD> id;  // the new thread's own id, for its creator
};

void* RunThread(void* data) {
    std::unique_ptr<Start> start(static_cast<Start*>(data));
    start->id.set_value(GetCurrentThreadId());
    DWORD code = start->routine(start->parameter);
    start->thread->exitCode = code;
    start->thread->Set();
    return nullptr;
}
}  // namespace

// Threads start at once (no suspended start) and run detached; their handle
// is signalled when they end. The id handed out is the one the thread itself
// sees (GetCurrentThreadId), so creation waits until the thread has told it.
extern "C" HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T stackSize, LPTHREAD_START_ROUTINE routine,
                                      LPVOID parameter, DWORD flags, LPDWORD threadId) {
    if (!routine || flags != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto thread = std::make_shared<brivel_compat::Thread>();
    Start* start = new Start{routine, parameter, thread, std::promise<DWORD>()};
    std::future<DWORD> id = start->id.get_future();
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    if (stackSize) pthread_attr_setstacksize(&attributes, stackSize < 65536 ? 65536 : stackSize);
    pthread_t created;
    int rc = pthread_create(&created, &attributes, RunThread, start);
    pthread_attr_destroy(&attributes);
    if (rc != 0) {
        delete start;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    DWORD ownId = id.get();
    if (threadId) *threadId = ownId;
    return brivel_compat::NewHandle(thread);
}

extern "C" BOOL WINAPI GetExitCodeThread(HANDLE handle, LPDWORD exitCode) {
    auto thread = brivel_compat::ObjectAs<brivel_compat::Thread>(handle);
    if (!thread || !exitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *exitCode = thread->Wait(0) ? thread->exitCode : STILL_ACTIVE;
    return TRUE;
}

extern "C" DWORD WINAPI GetCurrentThreadId(void) { return static_cast<DWORD>(syscall(SYS_gettid)); }

extern "C" void WINAPI Sleep(DWORD milliseconds) {
    timespec wait = {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

// TLS indexes are pthread keys; a new key reads as null in every thread.
extern "C" DWORD WINAPI TlsAlloc(void) {
    pthread_key_t key;
    if (pthread_key_create(&key, nullptr) != 0) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return TLS_OUT_OF_INDEXES;
    }
    return static_cast<DWORD>(key);
}

extern "C" BOOL WINAPI TlsFree(DWORD index) {
    if (pthread_key_delete(static_cast<pthread_key_t>(index)) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

extern "C" LPVOID WINAPI TlsGetValue(DWORD index) {
    SetLastError(ERROR_SUCCESS);  // tells a stored null from a failure
    return pthread_getspecific(static_cast<pthread_key_t>(index));
}

extern "C" BOOL WINAPI TlsSetValue(DWORD index, LPVOID value) {
    if (pthread_setspecific(static_cast<pthread_key_t>(index), value) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
