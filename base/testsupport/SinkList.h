// The sinks advised at one connection point of the tests' COM servers. Each
// sink is held as its IDispatch until it is unadvised or the list is
// dropped; its cookie is its position in the list (1 for the first), never
// reused. Firing calls the sinks outside the list's lock, each with a
// reference of its own for the call, so that a sink may advise or unadvise
// while it is called.
#pragma once

#include <windows.h>
#include <olectl.h>

#include <mutex>
#include <vector>

namespace brivel::testing {

class SinkList {
public:
    SinkList() = default;
    SinkList(const SinkList&) = delete;
    SinkList& operator=(const SinkList&) = delete;
    ~SinkList() { DropAll(); }

    HRESULT Advise(IUnknown* sink, DWORD* cookie) {
        if (!sink || !cookie) return E_POINTER;
        IDispatch* d = nullptr;
        if (FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)))) return CONNECT_E_CANNOTCONNECT;
        std::lock_guard<std::mutex> lock(lock_);
        sinks_.push_back(d);
        *cookie = static_cast<DWORD>(sinks_.size());
        return S_OK;
    }

    HRESULT Unadvise(DWORD cookie) {
        IDispatch* d = nullptr;
        {
            std::lock_guard<std::mutex> lock(lock_);
            if (cookie == 0 || cookie > sinks_.size() || !sinks_[cookie - 1]) return CONNECT_E_NOCONNECTION;
            d = sinks_[cookie - 1];
            sinks_[cookie - 1] = nullptr;
        }
        d->Release();
        return S_OK;
    }

    // The number of sinks advised now.
    LONG Count() {
        std::lock_guard<std::mutex> lock(lock_);
        LONG n = 0;
        for (IDispatch* d : sinks_) n += d != nullptr;
        return n;
    }

    // Calls `call(IDispatch*)` for each sink advised when it starts.
    template <class Call>
    void ForEach(Call call) {
        std::vector<IDispatch*> sinks;
        {
            std::lock_guard<std::mutex> lock(lock_);
            for (IDispatch* d : sinks_)
                if (d) {
                    d->AddRef();
                    sinks.push_back(d);
                }
        }
        for (IDispatch* d : sinks) {
            call(d);
            d->Release();
        }
    }

    // Lets go of every sink (the source is going away).
    void DropAll() {
        std::vector<IDispatch*> sinks;
        {
            std::lock_guard<std::mutex> lock(lock_);
            sinks.swap(sinks_);
        }
        for (IDispatch* d : sinks)
            if (d) d->Release();
    }

private:
    std::mutex lock_;
    std::vector<IDispatch*> sinks_;
};

}  // namespace brivel::testing
