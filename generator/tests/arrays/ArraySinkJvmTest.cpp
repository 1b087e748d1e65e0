// The SAFEARRAY conversions of the array bridge as the generator wrote it, on
// the real i386 VM: a COM caller holding the dual event interface calls its
// methods through the virtual table with arrays of numbers, strings,
// enumeration values, interfaces and VARIANTs; the Java listener receives
// Java arrays (OUT arrays in their holders), and what it leaves in a holder
// replaces the caller's array only when it throws nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <string>

#include "../ProbedSink.h"

using brivel::testing::TakePendingException;

// The event interface as its callers see it. Not in an unnamed namespace:
// the compiler would know that no class of this file implements it and
// would not call through the table.
struct IRackEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Filled(SAFEARRAY* counts, SAFEARRAY* names, SAFEARRAY* shapes) = 0;
    virtual HRESULT STDMETHODCALLTYPE Offered(SAFEARRAY* items, SAFEARRAY* extras) = 0;
    virtual HRESULT STDMETHODCALLTYPE Asked(SAFEARRAY** answers, SAFEARRAY** picks, SAFEARRAY** notes) = 0;
    virtual HRESULT STDMETHODCALLTYPE Shown(SAFEARRAY** counts) = 0;
};

namespace {

const IID kRackEventsIid = {0x6b2c0400, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x51}};
const IID kItemIid = {0x6b2c0400, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x20}};

// A COM object that answers IUnknown and the item interface and counts its
// references.
class Item : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, kItemIid) && !IsEqualGUID(riid, IID_IDispatch)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    LONG refs = 1;
};

SAFEARRAY* LongArray(std::initializer_list<LONG> values) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, static_cast<ULONG>(values.size()));
    LONG i = 0;
    for (LONG value : values) SafeArrayPutElement(array, &i, &value), ++i;
    return array;
}

SAFEARRAY* StringArray(std::initializer_list<const wchar_t*> values) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(values.size()));
    LONG i = 0;
    for (const wchar_t* value : values) {
        BSTR text = SysAllocString(value);
        SafeArrayPutElement(array, &i, text);
        SysFreeString(text);
        ++i;
    }
    return array;
}

std::string Longs(SAFEARRAY* array) {
    std::string text;
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        LONG value = 0;
        SafeArrayGetElement(array, &i, &value);
        text += (text.empty() ? "" : ",") + std::to_string(value);
    }
    return text;
}

// The platform's wide characters are 16 bits wide here: compared as text.
std::string Narrow(BSTR text) {
    std::string narrow;
    for (UINT i = 0; text && i < SysStringLen(text); ++i) narrow += static_cast<char>(text[i]);
    return narrow;
}

class ArraySink : public brivel::testing::ProbedSink<IRackEvents> {
protected:
    void SetUp() override { StartProbe({BRIVEL18_JAR, ARRAYS_JAR, PROBE_JAR}, "probe/RackEventsProbe", kRackEventsIid); }
};

}  // namespace

TEST_F(ArraySink, ArraysArriveAsJavaArraysOfTheirElements) {
    SAFEARRAY* counts = LongArray({3, -1, 40});
    SAFEARRAY* names = StringArray({L"first", L"zwei"});
    SAFEARRAY* shapes = LongArray({1, 0, 5});  // enumeration values travel as VT_I4
    EXPECT_EQ(events->Filled(counts, names, shapes), S_OK);
    EXPECT_EQ(Log(), "Filled [3, -1, 40] [first, zwei] [Shape1, Shape0, Shape5];");
    // The caller's arrays are still its own.
    EXPECT_EQ(Longs(counts), "3,-1,40");
    SafeArrayDestroy(counts);
    SafeArrayDestroy(names);
    SafeArrayDestroy(shapes);

    // An IN array behind a pointer, and an empty one.
    SAFEARRAY* shown = LongArray({6});
    EXPECT_EQ(events->Shown(&shown), S_OK);
    SAFEARRAY* none = LongArray({});
    EXPECT_EQ(events->Shown(&none), S_OK);
    SAFEARRAY* missing = nullptr;
    EXPECT_EQ(events->Shown(&missing), S_OK);
    EXPECT_EQ(Log(), "Shown [6];Shown [];Shown null;");
    SafeArrayDestroy(shown);
    SafeArrayDestroy(none);
    EXPECT_EQ(TakePendingException(env).className, "");
}

TEST_F(ArraySink, InterfaceArraysKeepNullElementsAndTakeTheirOwnReferences) {
    Item item;
    SAFEARRAY* items = SafeArrayCreateVector(VT_UNKNOWN, 0, 3);
    LONG i = 1;
    SafeArrayPutElement(items, &i, static_cast<IUnknown*>(&item));
    ASSERT_EQ(item.refs, 2);  // the array's own
    SAFEARRAY* extras = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    EXPECT_EQ(events->Offered(items, extras), S_OK);
    EXPECT_EQ(Log(), "Offered [null, IItem, null] 2;");
    // The Java object holds a reference of its own; the array keeps its.
    EXPECT_EQ(item.refs, 3);
    SafeArrayDestroy(items);
    EXPECT_EQ(item.refs, 2);
    SafeArrayDestroy(extras);
    // A SAFEARRAY that holds no interface pointers is not read as one.
    SAFEARRAY* numbers = LongArray({1, 2});
    EXPECT_EQ(events->Offered(numbers, nullptr), S_OK);
    EXPECT_EQ(Log(), "Offered null null;");
    SafeArrayDestroy(numbers);
    EXPECT_EQ(TakePendingException(env).className, "");
}

TEST_F(ArraySink, HoldersGoBackToTheCallerOnlyWhenTheListenerSucceeds) {
    SAFEARRAY* answers = LongArray({1, 2});
    SAFEARRAY* picks = nullptr;
    // An out-only array's incoming value is undefined: never read or freed.
    SAFEARRAY* notes = reinterpret_cast<SAFEARRAY*>(static_cast<intptr_t>(0x10));
    EXPECT_EQ(events->Asked(&answers, &picks, &notes), S_OK);
    EXPECT_EQ(Log(), "Asked [1, 2] null null;");
    // The listener's arrays replaced the caller's (the old one destroyed); a
    // holder it left empty gives no array.
    EXPECT_EQ(picks, nullptr);
    ASSERT_NE(answers, nullptr);
    EXPECT_EQ(Longs(answers), "7,8,9");
    ASSERT_NE(notes, nullptr);
    BSTR note = nullptr;
    LONG first = 0;
    ASSERT_EQ(SafeArrayGetElement(notes, &first, &note), S_OK);
    EXPECT_EQ(Narrow(note), "done");
    SysFreeString(note);

    // A listener that throws: an IN/OUT array stays the caller's as it
    // was; an out-only one holds no array (it is set so before the listener
    // runs; what the caller passed in it is not the callee's to free).
    env->SetBooleanField(probe, env->GetFieldID(probeClass, "throwNext", "Z"), JNI_TRUE);
    SAFEARRAY* before = answers;
    SAFEARRAY* notesBefore = notes;
    EXPECT_EQ(events->Asked(&answers, &picks, &notes), S_OK);
    EXPECT_EQ(answers, before);
    EXPECT_EQ(notes, nullptr);
    EXPECT_EQ(Longs(answers), "7,8,9");
    EXPECT_EQ(Log(), "Asked [7, 8, 9] null null;");
    EXPECT_EQ(TakePendingException(env).className, "");
    SafeArrayDestroy(answers);
    SafeArrayDestroy(notesBefore);
    if (picks) SafeArrayDestroy(picks);
}
