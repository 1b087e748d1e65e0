// A connection point of one event interface, kept as a member of the object
// that fires the events (its owner): it lives as long as the owner, so its
// references are the owner's, and its container is the owner's
// IConnectionPointContainer.
#pragma once

#include "SinkList.h"

namespace brivel::testing {

class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown* owner, const IID& iid) : owner_(owner), iid_(iid) {}

    const IID& Iid() const { return iid_; }
    SinkList& Sinks() { return sinks_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
            *ppv = static_cast<IConnectionPoint*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        if (!iid) return E_POINTER;
        *iid = iid_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** c) override {
        return owner_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(c));
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override { return sinks_.Advise(sink, cookie); }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override { return sinks_.Unadvise(cookie); }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    IUnknown* owner_;
    IID iid_;
    SinkList sinks_;
};

}  // namespace brivel::testing
