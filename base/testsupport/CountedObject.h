// Reference counting for the COM objects of the tests' servers. Each object
// counts its own references, and every reference taken or given back also
// moves its server's total `Outstanding`, which the tests read to show that
// callers released everything they were given.
#pragma once

#include <windows.h>

#include <vector>

namespace brivel::testing {

template <LONG& Outstanding>
class CountedObject {
public:
    virtual ~CountedObject() = default;
    ULONG AddRefImpl() {
        InterlockedIncrement(&Outstanding);
        return InterlockedIncrement(&refs_);
    }
    ULONG ReleaseImpl() {
        InterlockedDecrement(&Outstanding);
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0) delete this;
        return n;
    }

private:
    LONG refs_ = 0;
};

// An enumeration of dispatch objects (a collection's _NewEnum) that holds a
// reference to each item while it lives and hands out each item as a
// VT_DISPATCH with a reference of the caller's own.
template <class Item, LONG& Outstanding>
class DispatchItems final : public IEnumVARIANT, public CountedObject<Outstanding> {
public:
    DispatchItems(const std::vector<Item*>& items, size_t at) : items_(items), at_(at) {
        for (Item* item : items_) item->AddRef();
    }
    ~DispatchItems() override {
        for (Item* item : items_) item->Release();
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumVARIANT)) {
            *ppv = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return this->AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return this->ReleaseImpl(); }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
        ULONG n = 0;
        for (; n < count && at_ < items_.size(); ++n, ++at_) {
            VariantInit(&items[n]);
            V_VT(&items[n]) = VT_DISPATCH;
            V_DISPATCH(&items[n]) = items_[at_];
            items_[at_]->AddRef();
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        at_ += count;
        return at_ <= items_.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        at_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        *copy = new DispatchItems(items_, at_);
        (*copy)->AddRef();
        return S_OK;
    }

private:
    std::vector<Item*> items_;
    size_t at_;
};

}  // namespace brivel::testing
