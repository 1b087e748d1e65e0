// The natives of the array bridge as the generator wrote it, virtual-table
// and IDispatch ones, on the real i386 VM, calling COM objects of the test:
// by-value arrays arrive as SAFEARRAYs of their elements, an in/out holder's
// array goes in and the callee's comes back into the holder's field, results
// come back as Java arrays (in new holders on the virtual-table path),
// enumeration values travel as VT_I4, interface results become objects of
// their class (null elements kept, every reference taken released), and an
// IN array behind a pointer is passed by address.
#include <gtest/gtest.h>
#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <string>

#include "../ProbedSink.h"

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

// The interface in IDL order. Not in an unnamed namespace (see the sink test).
struct IShelf : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Numbers(SAFEARRAY* values, SAFEARRAY** scaled, SAFEARRAY** counts, SAFEARRAY** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE Texts(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Values(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Flags(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Dates(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Amounts(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Shapes(SAFEARRAY* shapes, SAFEARRAY** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE Items(SAFEARRAY* items, SAFEARRAY** swapped, SAFEARRAY** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE Bytes(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Objects(SAFEARRAY*, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Sum(SAFEARRAY** values, SAFEARRAY** extras, long* total) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Sizes(SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Sizes(SAFEARRAY*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Tune(VARIANT_BOOL on, short level, unsigned char step, long* code) = 0;
};

namespace {

const IID kShelfIid = {0x6b2c0400, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x30}};
const IID kItemIid = {0x6b2c0400, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x20}};
const IID kRackIid = {0x6b2c0400, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40}};

class Item : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_IDispatch) && !IsEqualGUID(riid, kItemIid)) {
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

template <typename T>
std::string Elements(SAFEARRAY* array) {
    if (!array) return "null";
    std::string text;
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        T value{};
        SafeArrayGetElement(array, &i, &value);
        text += (text.empty() ? "" : ",") + std::to_string(value);
    }
    return text;
}

template <typename T>
SAFEARRAY* Vector(VARTYPE vt, std::initializer_list<T> values) {
    SAFEARRAY* array = SafeArrayCreateVector(vt, 0, static_cast<ULONG>(values.size()));
    LONG i = 0;
    for (T value : values) SafeArrayPutElement(array, &i, &value), ++i;
    return array;
}

// The object the natives call: records what arrives and answers fixed arrays.
class Shelf : public IShelf {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_IDispatch) && !IsEqualGUID(riid, kShelfIid)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IShelf*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE Numbers(SAFEARRAY* values, SAFEARRAY** scaled, SAFEARRAY** counts, SAFEARRAY** result) override {
        seen += "Numbers " + Elements<LONG>(values) + " " + Elements<double>(*scaled) + " " + Elements<short>(*counts) + ";";
        SafeArrayDestroy(*scaled);
        *scaled = Vector<double>(VT_R8, {1.5, 2.5});
        *counts = Vector<short>(VT_I2, {4});
        *result = Vector<LONG>(VT_I4, {9, 8});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Texts(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Values(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Flags(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Dates(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Amounts(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Shapes(SAFEARRAY* shapes, SAFEARRAY** result) override {
        VARTYPE vt = VT_EMPTY;
        SafeArrayGetVartype(shapes, &vt);
        seen += "Shapes " + std::to_string(vt) + " " + Elements<LONG>(shapes) + ";";
        *result = Vector<LONG>(VT_I4, {1, 0});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Items(SAFEARRAY*, SAFEARRAY**, SAFEARRAY** result) override {
        *result = SafeArrayCreateVector(VT_UNKNOWN, 0, 3);
        LONG i = 1;
        SafeArrayPutElement(*result, &i, static_cast<IUnknown*>(&item));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Bytes(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Objects(SAFEARRAY*, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Sum(SAFEARRAY** values, SAFEARRAY**, long* total) override {
        *total = 0;
        LONG lower = 0, upper = -1;
        SafeArrayGetLBound(*values, 1, &lower);
        SafeArrayGetUBound(*values, 1, &upper);
        for (LONG i = lower; i <= upper; ++i) {
            LONG value = 0;
            SafeArrayGetElement(*values, &i, &value);
            *total += value;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Sizes(SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Sizes(SAFEARRAY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Tune(VARIANT_BOOL on, short level, unsigned char step, long* code) override {
        seen += "Tune " + std::to_string(on) + " " + std::to_string(level) + " " + std::to_string(step) + ";";
        *code = 42;
        return S_OK;
    }

    LONG refs = 1;
    std::string seen;
    Item item;
};

// The dispatch interface's object: Invoke by DISPID, arguments in reverse
// order, results in the VARIANT.
class Rack : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_IDispatch) && !IsEqualGUID(riid, kRackIid)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        VARIANTARG* args = params->rgvarg;
        switch (id) {
        case 1:  // Numbers(values, [in, out] scaled, [out] counts)
            seen += "Numbers " + std::to_string(args[2].vt) + " " + Elements<LONG>(args[2].parray) + " " +
                    std::to_string(args[1].vt) + " " + Elements<double>(*args[1].pparray) + " " +
                    Elements<short>(*args[0].pparray) + ";";
            SafeArrayDestroy(*args[1].pparray);
            *args[1].pparray = Vector<double>(VT_R8, {1.5, 2.5});
            *args[0].pparray = Vector<short>(VT_I2, {4});
            if (answered++ == 0) {
                result->vt = VT_ARRAY | VT_I4;
                result->parray = Vector<LONG>(VT_I4, {9, 8});
            } else {
                result->vt = VT_I4;
                result->lVal = 5;
            }
            return S_OK;
        case 7:  // Shapes(shapes)
            seen += "Shapes " + std::to_string(args[0].vt) + " " + Elements<LONG>(args[0].parray) + ";";
            result->vt = VT_ARRAY | VT_I4;
            result->parray = Vector<LONG>(VT_I4, {1, 0});
            return S_OK;
        case 8: {  // Items(items, [in, out] swapped)
            result->vt = VT_ARRAY | VT_UNKNOWN;
            result->parray = SafeArrayCreateVector(VT_UNKNOWN, 0, 3);
            LONG i = 1;
            SafeArrayPutElement(result->parray, &i, static_cast<IUnknown*>(&item));
            return S_OK;
        }
        case 12: {  // Sum([in] values by pointer, [in] extras by pointer)
            seen += "Sum " + std::to_string(args[1].vt) + " " + Elements<LONG>(*args[1].pparray) + ";";
            result->vt = VT_I4;
            result->lVal = 15;
            return S_OK;
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }

    LONG refs = 1;
    int answered = 0;
    std::string seen;
    Item item;
};

}  // namespace

// Runs the driver class `driver` on a brivel.TavoObject that holds `object`
// (with a reference of its own) and answers its report.
std::string RunDriver(JNIEnv* env, const char* driverClass, IUnknown* object) {
    jclass objectClass = env->FindClass("brivel/TavoObject");
    jobject wrapper = env->NewObject(objectClass, env->GetMethodID(objectClass, "<init>", "()V"));
    if (!wrapper) return "no object: " + TakePendingException(env).message;
    object->AddRef();
    env->SetIntField(wrapper, env->GetFieldID(objectClass, "__TavoComPtr", "I"),
                     static_cast<jint>(reinterpret_cast<intptr_t>(object)));
    jclass driver = env->FindClass(driverClass);
    if (!driver) return "no driver: " + TakePendingException(env).message;
    auto text = static_cast<jstring>(env->CallStaticObjectMethod(
        driver, env->GetStaticMethodID(driver, "run", "(Lbrivel/TavoObject;)Ljava/lang/String;"), wrapper));
    std::string failure = TakePendingException(env).message;
    if (!text) return "failed: " + failure;
    const char* chars = env->GetStringUTFChars(text, nullptr);
    std::string log(chars);
    env->ReleaseStringUTFChars(text, chars);
    return log;
}

TEST(ShelfCalls, ArraysGoInAndComeBackThroughTheVirtualTable) {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR, ARRAYS_JAR, PROBE_JAR}, brivel::testing::TestProgramFolder());
    ASSERT_NE(env, nullptr);
    Shelf shelf;
    std::string log = RunDriver(env, "probe/ShelfDriver", static_cast<IShelf*>(&shelf));
    EXPECT_EQ(log,
              "Numbers [9, 8] [1.5, 2.5] [4];"
              "Argument 2 is null;"
              "Shapes [Shape1, Shape0];"
              "Items [null, IItem, null];"
              "Sum 15;"
              "Tune 42;");
    // The in/out holder's array went in; the out-only one went in empty.
    // Arguments narrower than int pass through the thunk's va_list intact.
    EXPECT_EQ(shelf.seen,
              "Numbers 1,2,3 0.500000 null;"
              "Shapes 3 1,0,0;"
              "Tune -1 -2 200;");
    // The returned array was destroyed and the Java object released its
    // reference: the item holds only its own.
    EXPECT_EQ(shelf.item.refs, 1);
    EXPECT_EQ(TakePendingException(env).className, "");
}

TEST(ShelfCalls, ArraysGoInAndComeBackThroughInvoke) {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR, ARRAYS_JAR, PROBE_JAR}, brivel::testing::TestProgramFolder());
    ASSERT_NE(env, nullptr);
    Rack rack;
    std::string log = RunDriver(env, "probe/RackDriver", &rack);
    // A result that is not an array reaches Java as null.
    EXPECT_EQ(log,
              "Numbers [9, 8] [1.5, 2.5] [4];"
              "Numbers COM error 0x80020005;"
              "Shapes [Shape1, Shape0];"
              "Items [null, IItem, null];"
              "Sum 15;");
    // By value VT_ARRAY | VT_I4 (8195); the in/out holder's array goes in by
    // reference (VT_ARRAY | VT_BYREF | VT_R8, 24581), the out-only one empty;
    // the second call's in/out holder carries the first call's answer, the
    // out-only one still goes in empty.
    EXPECT_EQ(rack.seen,
              "Numbers 8195 1,2,3 24581 0.500000 null;"
              "Numbers 8195  24581 1.500000,2.500000 null;"
              "Shapes 8195 0,1;"
              "Sum 24579 4,5,6;");
    EXPECT_EQ(rack.item.refs, 1);
    EXPECT_EQ(TakePendingException(env).className, "");
}
