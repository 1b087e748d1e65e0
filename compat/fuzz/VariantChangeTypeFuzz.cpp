// Fuzz entry of VariantChangeType between every pair of the types it
// supports (empty, null, the integers, reals, currency, dates, booleans,
// errors, decimals, strings and objects, by value and by reference) and
// types it refuses. The input chooses the source's type, its bytes (a
// string's text, an object's value property), the flags and the target.
// What must hold:
// - success gives the target type; a failure leaves the destination as it
//   was; a change in place gives what a change into another VARIANT gives;
// - a value by reference changes as the same value by value;
// - an integer target gets the source's value rounded half to even, or
//   DISP_E_OVERFLOW outside its range (a boolean true into an unsigned
//   type keeps its bits); a real gets an integer exactly; a boolean is
//   true exactly for a value not zero;
// - integers, currency and booleans written as text read back to
//   themselves, reals and dates within the precision of their text;
// - an object changes as its value property does (and not at all with
//   VARIANT_NOVALUEPROP), and every reference it gave is released.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"

namespace {


// The moment a date stands for, in days: before 1899-12-30 the whole part
// counts days back while the fraction is still the time of day.
long double Moment(long double date) {
    const long double whole = std::trunc(date);
    return whole + std::fabs(date - whole);
}

// An object whose value property is a VARIANT of the input.
class ValueObject : public IDispatch {
public:
    VARIANT value;
    LONG references = 1;
    ValueObject() { VariantInit(&value); }
    ~ValueObject() { VariantClear(&value); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (std::memcmp(&riid, &IID_IUnknown, sizeof riid) && std::memcmp(&riid, &IID_IDispatch, sizeof riid)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (id != DISPID_VALUE || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        return VariantCopy(result, &value);
    }
};

const VARTYPE kSourceTypes[] = {VT_EMPTY, VT_NULL, VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4, VT_I8,
                                VT_UI8, VT_INT, VT_UINT, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BOOL, VT_ERROR,
                                VT_DECIMAL, VT_BSTR, VT_DISPATCH, VT_UNKNOWN};
const VARTYPE kTargetTypes[] = {VT_EMPTY, VT_NULL, VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4, VT_I8,
                                VT_UI8, VT_INT, VT_UINT, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BOOL, VT_ERROR,
                                VT_DECIMAL, VT_BSTR, VT_DISPATCH, VT_UNKNOWN, VT_VARIANT, VT_RECORD,
                                VT_I4 | VT_BYREF, VT_I4 | VT_ARRAY, 0x7FFF};

bool IsInteger(VARTYPE vt) {
    switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4:
    case VT_I8: case VT_UI8: case VT_INT: case VT_UINT: return true;
    default: return false;
    }
}

bool IsUnsigned(VARTYPE vt) { return vt == VT_UI1 || vt == VT_UI2 || vt == VT_UI4 || vt == VT_UI8 || vt == VT_UINT; }

// The exact value of a numeric VARIANT; false for other types.
bool Exact(const VARIANT& v, long double& out) {
    switch (V_VT(&v)) {
    case VT_I1: out = V_I1(&v); return true;
    case VT_UI1: out = V_UI1(&v); return true;
    case VT_I2: out = V_I2(&v); return true;
    case VT_UI2: out = V_UI2(&v); return true;
    case VT_I4: out = V_I4(&v); return true;
    case VT_UI4: out = V_UI4(&v); return true;
    case VT_I8: out = V_I8(&v); return true;
    case VT_UI8: out = V_UI8(&v); return true;
    case VT_INT: out = V_INT(&v); return true;
    case VT_UINT: out = V_UINT(&v); return true;
    case VT_R4: out = V_R4(&v); return std::isfinite(out);
    case VT_R8: out = V_R8(&v); return std::isfinite(out);
    case VT_DATE: out = V_DATE(&v); return std::isfinite(out);
    case VT_CY: out = static_cast<long double>(V_CY(&v).int64) / 10000; return true;
    case VT_BOOL:  // only true and false: what other bits change into is left open
        out = V_BOOL(&v);
        return V_BOOL(&v) == VARIANT_TRUE || V_BOOL(&v) == VARIANT_FALSE;
    default: return false;
    }
}

void Range(VARTYPE vt, long double& low, long double& high) {
    switch (vt) {
    case VT_I1: low = -128, high = 127; break;
    case VT_UI1: low = 0, high = 255; break;
    case VT_I2: low = -32768, high = 32767; break;
    case VT_UI2: low = 0, high = 65535; break;
    case VT_I4: case VT_INT: low = -2147483648.0L, high = 2147483647.0L; break;
    case VT_UI4: case VT_UINT: low = 0, high = 4294967295.0L; break;
    case VT_I8: low = -9223372036854775808.0L, high = 9223372036854775807.0L; break;
    default: low = 0, high = 18446744073709551615.0L; break;
    }
}

// What a VARIANT holds (the bytes of its type's value), to compare results.
std::string Describe(const VARIANT& v) {
    std::string out = std::to_string(V_VT(&v)) + ":";
    const char* value = reinterpret_cast<const char*>(&V_I8(&v));
    switch (V_VT(&v)) {
    case VT_EMPTY: case VT_NULL: break;
    case VT_I1: case VT_UI1: out.append(value, 1); break;
    case VT_I2: case VT_UI2: case VT_BOOL: out.append(value, 2); break;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: case VT_ERROR: out.append(value, 4); break;
    case VT_DISPATCH: case VT_UNKNOWN: out.append(value, sizeof(void*)); break;
    case VT_DECIMAL: out.append(reinterpret_cast<const char*>(&v) + 2, sizeof(VARIANT) - 2); break;
    case VT_BSTR:
        for (UINT i = 0; i < SysStringLen(V_BSTR(&v)); ++i) out += std::to_string(V_BSTR(&v)[i]) + ",";
        break;
    default: out.append(value, 8); break;
    }
    return out;
}

struct Input {
    const uint8_t* data;
    size_t size;
    uint8_t Byte() { return size ? (--size, *data++) : 0; }
};

// A VARIANT of the input's choosing (an object's value is another one, up
// to a depth of two).
void MakeSource(Input& in, VARIANT& v, ValueObject& object, int depth) {
    VariantInit(&v);
    VARTYPE vt = kSourceTypes[in.Byte() % (sizeof kSourceTypes / sizeof *kSourceTypes)];
    if (depth > 0 && (vt == VT_DISPATCH || vt == VT_UNKNOWN)) vt = VT_I4;
    unsigned char bytes[16] = {};
    for (unsigned char& b : bytes) b = in.Byte();
    if (vt == VT_DECIMAL) {
        std::memcpy(&v, bytes, sizeof v);
        V_VT(&v) = VT_DECIMAL;
        return;
    }
    V_VT(&v) = vt;
    if (vt == VT_BSTR) {
        std::vector<OLECHAR> text;  // not a wstring: the C library's wide functions take wchar_t as 32 bits
        for (size_t n = bytes[0] % 40; n > 0 && in.size; --n) text.push_back(static_cast<OLECHAR>(in.Byte()));
        V_BSTR(&v) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    } else if (vt == VT_DISPATCH || vt == VT_UNKNOWN) {
        ValueObject unused;
        VariantClear(&object.value);
        MakeSource(in, object.value, unused, depth + 1);
        object.AddRef();
        V_DISPATCH(&v) = (bytes[0] & 1) ? nullptr : &object;
        if (!V_DISPATCH(&v)) object.Release();
    } else {
        std::memcpy(&V_I8(&v), bytes, sizeof(LONGLONG));
    }
}

void CheckNumbers(const VARIANT& source, VARTYPE target, USHORT flags, HRESULT hr, const VARIANT& result) {
    long double x;
    if (target == V_VT(&source) || !Exact(source, x)) return;  // a change into the same type is a copy
    if (IsInteger(target)) {
        long double low, high;
        Range(target, low, high);
        if (V_VT(&source) == VT_BOOL && IsUnsigned(target) && x != 0) x = high;
        const long double rounded = std::nearbyint(x);
        if (rounded < low || rounded > high) {
            FUZZ_CHECK(hr == DISP_E_OVERFLOW);
        } else {
            long double got;
            FUZZ_CHECK(hr == S_OK && Exact(result, got) && got == rounded);
        }
    } else if (target == VT_R8 && IsInteger(V_VT(&source)) && std::fabs(x) <= 9007199254740992.0L) {
        FUZZ_CHECK(hr == S_OK && V_R8(&result) == static_cast<double>(x));
    } else if (target == VT_BOOL) {
        FUZZ_CHECK(hr == S_OK && V_BOOL(&result) == (x != 0 ? VARIANT_TRUE : VARIANT_FALSE));
    } else if (target == VT_BSTR && SUCCEEDED(hr)) {
        VARIANT back;
        VariantInit(&back);
        const HRESULT read = VariantChangeType(&back, const_cast<VARIANT*>(&result), flags, V_VT(&source));
        // The largest doubles' 15 digits round up beyond the range.
        if (read == DISP_E_OVERFLOW && V_VT(&source) == VT_R8 && std::fabs(x) > 1.797693134862315e308L) return;
        FUZZ_CHECK(read == S_OK);
        long double y;
        FUZZ_CHECK(Exact(back, y));
        if (V_VT(&source) == VT_R4 || V_VT(&source) == VT_R8)
            FUZZ_CHECK(std::fabs(y - x) <= std::fabs(x) * (V_VT(&source) == VT_R4 ? 1e-6L : 1e-14L));
        else if (V_VT(&source) == VT_DATE)
            FUZZ_CHECK(std::fabs(Moment(y) - Moment(x)) <= 0.5L / 86400 + 1e-9L);
        else
            FUZZ_CHECK(y == x);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    const uint8_t how = in.Byte();
    const VARTYPE target = kTargetTypes[in.Byte() % (sizeof kTargetTypes / sizeof *kTargetTypes)];
    USHORT flags = 0;
    if (how & 1) flags |= VARIANT_NOVALUEPROP;
    if (how & 2) flags |= VARIANT_ALPHABOOL;
    ValueObject object;
    VARIANT source;
    MakeSource(in, source, object, 0);

    VARIANT result;
    VariantInit(&result);
    V_VT(&result) = VT_I4;
    V_I4(&result) = 12345;
    const HRESULT hr = VariantChangeType(&result, &source, flags, target);
    if (SUCCEEDED(hr)) {
        FUZZ_CHECK(V_VT(&result) == target);
    } else {
        FUZZ_CHECK(V_VT(&result) == VT_I4 && V_I4(&result) == 12345);
    }
    const std::string described = SUCCEEDED(hr) ? Describe(result) : std::string();

    // The same value by reference.
    if (V_VT(&source) != VT_EMPTY && V_VT(&source) != VT_NULL) {
        VARIANT reference, viaReference;
        VariantInit(&reference);
        VariantInit(&viaReference);
        V_VT(&reference) = V_VT(&source) | VT_BYREF;
        V_BYREF(&reference) = V_VT(&source) == VT_DECIMAL ? static_cast<void*>(&V_DECIMAL(&source))
                                                          : static_cast<void*>(&V_I8(&source));
        const HRESULT byReference = VariantChangeType(&viaReference, &reference, flags, target);
        FUZZ_CHECK(byReference == hr);
        if (SUCCEEDED(hr)) FUZZ_CHECK(Describe(viaReference) == described);
        VariantClear(&viaReference);
    }

    // In place.
    VARIANT inPlace;
    VariantInit(&inPlace);
    FUZZ_CHECK(VariantCopy(&inPlace, &source) == S_OK);
    const HRESULT changedInPlace = VariantChangeType(&inPlace, &inPlace, flags, target);
    FUZZ_CHECK(changedInPlace == hr);
    if (SUCCEEDED(hr)) FUZZ_CHECK(Describe(inPlace) == described);
    VariantClear(&inPlace);

    // Objects: as their value property, or not at all.
    if ((V_VT(&source) == VT_DISPATCH || V_VT(&source) == VT_UNKNOWN) && target != VT_DISPATCH &&
        target != VT_UNKNOWN && target != V_VT(&source)) {
        if (!V_DISPATCH(&source) || V_VT(&source) == VT_UNKNOWN || (flags & VARIANT_NOVALUEPROP)) {
            FUZZ_CHECK(FAILED(hr));
        } else {
            VARIANT direct;
            VariantInit(&direct);
            V_VT(&direct) = VT_I4;
            V_I4(&direct) = 12345;
            FUZZ_CHECK(VariantChangeType(&direct, &object.value, flags, target) == hr);
            if (SUCCEEDED(hr)) FUZZ_CHECK(Describe(direct) == described);
            VariantClear(&direct);
        }
    }

    CheckNumbers(source, target, flags, hr, result);
    VariantClear(&result);
    VariantClear(&source);
    FUZZ_CHECK(object.references == 1);
    return 0;
}
