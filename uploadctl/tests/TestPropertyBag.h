// A property bag of the test's own, as a page's PARAM tags make one: values
// by name, any VARIANT; it records what is written to it. It reads as the
// platform's bags do, straight into the caller's VARIANT, which the copy
// clears first: a caller that hands over a VARIANT holding a string pointer
// that was never set has that pointer freed.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <map>
#include <string>

namespace brivel::uploadctl::testing {

class TestPropertyBag : public IPropertyBag {
public:
    ~TestPropertyBag() {
        for (auto& entry : values_) VariantClear(&entry.second);
    }

    void SetText(const std::wstring& name, const std::wstring& text) {
        VARIANT value;
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        Set(name, value);
        VariantClear(&value);
    }
    void Set(const std::wstring& name, const VARIANT& value) {
        VARIANT& slot = values_[name];
        VariantClear(&slot);
        VariantCopy(&slot, const_cast<VARIANT*>(&value));
    }
    bool Has(const std::wstring& name) const { return values_.count(name) > 0; }
    std::wstring Text(const std::wstring& name) const {
        auto found = values_.find(name);
        if (found == values_.end() || found->second.vt != VT_BSTR) return L"<none>";
        return std::wstring(found->second.bstrVal, SysStringLen(found->second.bstrVal));
    }
    int Reads() const { return reads_; }
    // Reads that were handed a VARIANT typed as a string with a pointer set:
    // the copy frees that pointer, which is the caller's own or garbage.
    int StringsHandedIn() const { return stringsHandedIn_; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
            *object = static_cast<IPropertyBag*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    // As the platform's bags do: the value in the type asked for when the
    // caller names one, else as it is stored.
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        ++reads_;
        auto found = values_.find(name);
        if (found == values_.end()) return E_INVALIDARG;
        VARTYPE wanted = value->vt;
        if (wanted == VT_BSTR && value->bstrVal) ++stringsHandedIn_;
        if (wanted == VT_EMPTY) return VariantCopy(value, &found->second);
        return VariantChangeType(value, &found->second, 0, wanted);
    }
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
        Set(name, *value);
        return S_OK;
    }

private:
    std::map<std::wstring, VARIANT> values_;
    int reads_ = 0;
    int stringsHandedIn_ = 0;
};

}  // namespace brivel::uploadctl::testing
