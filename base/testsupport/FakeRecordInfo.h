// Record information for tests and the tests' COM servers, as a type library
// would give it: records of a fixed size, copied byte for byte unless a
// derived class says otherwise, with an optional GUID and name, counting
// what is done with them. The reference count only counts; a server whose
// objects live on the heap overrides AddRef and Release.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstring>

namespace brivel::testing {

class FakeRecordInfo : public IRecordInfo {
public:
    // Without a GUID or a name, GetGuid and GetName answer E_NOTIMPL.
    explicit FakeRecordInfo(ULONG size, const GUID* guid = nullptr, const OLECHAR* name = nullptr)
        : size_(size), hasGuid_(guid != nullptr), guid_(guid ? *guid : GUID()), name_(name) {}
    virtual ~FakeRecordInfo() = default;

    LONG references = 1;
    int created = 0;    // RecordCreate
    int destroyed = 0;  // RecordDestroy of a record
    int clears = 0;     // RecordClear, RecordDestroy's included
    int copies = 0;     // RecordCopy, RecordCreateCopy's included

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IRecordInfo)) {
            *object = static_cast<IRecordInfo*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    HRESULT STDMETHODCALLTYPE RecordInit(PVOID record) override {
        std::memset(record, 0, size_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RecordClear(PVOID record) override {
        ++clears;
        ClearFields(record);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RecordCopy(PVOID existing, PVOID copy) override {
        ++copies;
        CopyFields(existing, copy);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetGuid(GUID* guid) override {
        if (!hasGuid_) return E_NOTIMPL;
        *guid = guid_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetName(BSTR* name) override {
        if (!name_) return E_NOTIMPL;
        *name = SysAllocString(name_);
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetSize(ULONG* size) override {
        *size = size_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(ITypeInfo** typeInfo) override {
        *typeInfo = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetField(PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFieldNoCopy(PVOID, LPCOLESTR, VARIANT*, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutField(ULONG, PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutFieldNoCopy(ULONG, PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFieldNames(ULONG*, BSTR*) override { return E_NOTIMPL; }
    // The same record type: this information, or another of the same GUID.
    BOOL STDMETHODCALLTYPE IsMatchingType(IRecordInfo* other) override {
        if (other == this) return TRUE;
        GUID guid;
        return hasGuid_ && other && SUCCEEDED(other->GetGuid(&guid)) && IsEqualGUID(guid, guid_);
    }
    PVOID STDMETHODCALLTYPE RecordCreate() override {
        ++created;
        PVOID record = CoTaskMemAlloc(size_);
        if (record) RecordInit(record);
        return record;
    }
    HRESULT STDMETHODCALLTYPE RecordCreateCopy(PVOID source, PVOID* copy) override {
        *copy = RecordCreate();
        return *copy ? RecordCopy(source, *copy) : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE RecordDestroy(PVOID record) override {
        if (!record) return S_OK;
        ++destroyed;
        RecordClear(record);
        CoTaskMemFree(record);
        return S_OK;
    }

protected:
    // What a record holds beyond its bytes is freed here and copied there.
    virtual void ClearFields(void* record) { std::memset(record, 0, size_); }
    virtual void CopyFields(const void* from, void* to) { std::memcpy(to, from, size_); }

private:
    ULONG size_;
    bool hasGuid_;
    GUID guid_;
    const OLECHAR* name_;
};

}  // namespace brivel::testing
