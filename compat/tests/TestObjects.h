// Small COM objects for the conformance tests: they count their references
// and the calls made on them, so tests see what the platform does with them.
#ifndef BRIVEL_COMPAT_TESTS_TESTOBJECTS_H
#define BRIVEL_COMPAT_TESTS_TESTOBJECTS_H

#include <windows.h>
#include <ole2.h>

#include <cstdlib>
#include <cstring>

// An IDispatch whose value property (DISPID_VALUE) is a 32-bit integer.
class CountedDispatch : public IDispatch {
public:
    explicit CountedDispatch(LONG value = 0) : value_(value) {}
    LONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }  // lives on the test's stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (id != DISPID_VALUE || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        V_VT(result) = VT_I4;
        V_I4(result) = value_;
        return S_OK;
    }

private:
    LONG value_;
};

// Record information of a record that is one heap-allocated 16-bit string
// buffer pointer and a 32-bit number; it counts clears and copies.
struct TestRecord {
    char* text;
    LONG number;
};

class CountedRecordInfo : public IRecordInfo {
public:
    LONG references = 1;
    int clears = 0;
    int copies = 0;

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
        std::memset(record, 0, sizeof(TestRecord));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RecordClear(PVOID record) override {
        ++clears;
        TestRecord* r = static_cast<TestRecord*>(record);
        std::free(r->text);
        r->text = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RecordCopy(PVOID existing, PVOID copy) override {
        ++copies;
        const TestRecord* from = static_cast<const TestRecord*>(existing);
        TestRecord* to = static_cast<TestRecord*>(copy);
        to->number = from->number;
        to->text = from->text ? strdup(from->text) : nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetGuid(GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetName(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSize(ULONG* size) override {
        *size = sizeof(TestRecord);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetField(PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFieldNoCopy(PVOID, LPCOLESTR, VARIANT*, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutField(ULONG, PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutFieldNoCopy(ULONG, PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFieldNames(ULONG*, BSTR*) override { return E_NOTIMPL; }
    BOOL STDMETHODCALLTYPE IsMatchingType(IRecordInfo* other) override { return other == this; }
    PVOID STDMETHODCALLTYPE RecordCreate() override {
        TestRecord* r = static_cast<TestRecord*>(CoTaskMemAlloc(sizeof(TestRecord)));
        if (r) RecordInit(r);
        return r;
    }
    HRESULT STDMETHODCALLTYPE RecordCreateCopy(PVOID source, PVOID* copy) override {
        *copy = RecordCreate();
        return *copy ? RecordCopy(source, *copy) : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE RecordDestroy(PVOID record) override {
        if (record) {
            RecordClear(record);
            CoTaskMemFree(record);
        }
        return S_OK;
    }
};

#endif
