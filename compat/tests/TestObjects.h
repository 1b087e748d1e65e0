// Small COM objects for the conformance tests: they count their references
// and the calls made on them, so tests see what the platform does with them.
#ifndef BRIVEL_COMPAT_TESTS_TESTOBJECTS_H
#define BRIVEL_COMPAT_TESTS_TESTOBJECTS_H

#include <windows.h>
#include <ole2.h>

#include <cstdlib>
#include <cstring>

#include "FakeRecordInfo.h"

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

class CountedRecordInfo : public brivel::testing::FakeRecordInfo {
public:
    CountedRecordInfo() : FakeRecordInfo(sizeof(TestRecord)) {}

protected:
    void ClearFields(void* record) override {
        TestRecord* r = static_cast<TestRecord*>(record);
        std::free(r->text);
        r->text = nullptr;
    }
    void CopyFields(const void* existing, void* copy) override {
        const TestRecord* from = static_cast<const TestRecord*>(existing);
        TestRecord* to = static_cast<TestRecord*>(copy);
        to->number = from->number;
        to->text = from->text ? strdup(from->text) : nullptr;
    }
};

#endif
