// The in-process COM server of the conformance tests: one class, a counter,
// with one custom interface.
#ifndef BRIVEL_COMPAT_TESTS_TESTSERVER_H
#define BRIVEL_COMPAT_TESTS_TESTSERVER_H

#include <windows.h>
#include <ole2.h>

// {6F1C3A52-8D4B-4E37-9A1E-2B5C7D9E0F13}
const CLSID CLSID_BrivelTestCounter = {0x6F1C3A52, 0x8D4B, 0x4E37, {0x9A, 0x1E, 0x2B, 0x5C, 0x7D, 0x9E, 0x0F, 0x13}};
// {6F1C3A53-8D4B-4E37-9A1E-2B5C7D9E0F13}
const IID IID_IBrivelTestCounter = {0x6F1C3A53, 0x8D4B, 0x4E37, {0x9A, 0x1E, 0x2B, 0x5C, 0x7D, 0x9E, 0x0F, 0x13}};

struct IBrivelTestCounter : public IUnknown {
    // Adds one and reports the new count.
    virtual HRESULT STDMETHODCALLTYPE Increment(LONG* count) = 0;
};

#endif
