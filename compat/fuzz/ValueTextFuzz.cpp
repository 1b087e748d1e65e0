// Fuzz entry of values read from text (numbers of every width, reals,
// currency, dates, booleans), as VariantChangeType reads a BSTR: any text
// (each byte one character) into the type the first byte chooses. What
// must hold when the text is read:
// - the result has the type asked for; integers and currency write back as
//   text that reads to the same value (integers as plain decimals);
// - a real or a date is finite and in range; it writes as text that reads
//   back within the precision its text keeps (15 digits, the same text
//   again; 7 for single precision; the second for dates, and then the same
//   date again);
// - a boolean is VARIANT_TRUE or VARIANT_FALSE, and reads back from its
//   text, the words True and False too;
// - the text passed by reference reads the same as by value.
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

const VARTYPE kTypes[] = {VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4, VT_I8, VT_UI8,
                          VT_INT, VT_UINT, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BOOL};

struct Variant {
    VARIANT v;
    Variant() { VariantInit(&v); }
    ~Variant() { VariantClear(&v); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
};

HRESULT Change(const VARIANT& from, VARTYPE vt, USHORT flags, Variant& to) {
    return VariantChangeType(&to.v, const_cast<VARIANT*>(&from), flags, vt);
}

std::string Narrow(BSTR text) {
    std::string out;
    for (UINT i = 0; i < SysStringLen(text); ++i) out += static_cast<char>(text[i]);
    return out;
}

// The value as a number of its type; equal values compare equal.
long double Number(const VARIANT& v) {
    switch (V_VT(&v)) {
    case VT_I1: return V_I1(&v);
    case VT_UI1: return V_UI1(&v);
    case VT_I2: return V_I2(&v);
    case VT_UI2: return V_UI2(&v);
    case VT_I4: return V_I4(&v);
    case VT_UI4: return V_UI4(&v);
    case VT_I8: return V_I8(&v);
    case VT_UI8: return V_UI8(&v);
    case VT_INT: return V_INT(&v);
    case VT_UINT: return V_UINT(&v);
    case VT_R4: return V_R4(&v);
    case VT_R8: return V_R8(&v);
    case VT_CY: return V_CY(&v).int64;
    case VT_DATE: return V_DATE(&v);
    case VT_BOOL: return V_BOOL(&v);
    default: FUZZ_CHECK(false); return 0;
    }
}

bool IsPlainDecimal(const std::string& text) {
    size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    if (text[i] == '0') return text.size() == i + 1 && i == 0;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

void ReadAs(const VARIANT& source, VARTYPE vt, USHORT flags) {
    Variant value;
    if (FAILED(Change(source, vt, flags, value))) return;
    FUZZ_CHECK(V_VT(&value.v) == vt);
    const long double number = Number(value.v);

    Variant text;
    FUZZ_CHECK(Change(value.v, VT_BSTR, flags, text) == S_OK && V_VT(&text.v) == VT_BSTR);
    Variant back;
    const HRESULT read = Change(text.v, vt, flags, back);
    // The largest doubles' 15 digits round up beyond the range.
    if (read == DISP_E_OVERFLOW && vt == VT_R8 && std::fabs(number) > 1.797693134862315e308L) return;
    FUZZ_CHECK(read == S_OK);
    const long double again = Number(back.v);
    switch (vt) {
    case VT_R4:
    case VT_R8:
    case VT_DATE: {
        FUZZ_CHECK(std::isfinite(number));
        if (vt == VT_DATE) FUZZ_CHECK(number >= -657434.0L && number < 2958466.0L);
        if (vt == VT_DATE)
            FUZZ_CHECK(std::fabs(Moment(again) - Moment(number)) <= 0.5L / 86400 + 1e-9L);
        else
            FUZZ_CHECK(std::fabs(again - number) <= std::fabs(number) * (vt == VT_R4 ? 1e-6L : 1e-14L));
        Variant text2, back2;
        FUZZ_CHECK(Change(back.v, VT_BSTR, flags, text2) == S_OK);
        if (vt == VT_R8) {  // 15 digits always read back to the same double
            FUZZ_CHECK(Narrow(V_BSTR(&text2.v)) == Narrow(V_BSTR(&text.v)));
        } else if (vt == VT_DATE) {  // once in whole seconds, a date stays
            FUZZ_CHECK(Change(text2.v, vt, flags, back2) == S_OK);
            FUZZ_CHECK(Number(back2.v) == again);
        }
        break;
    }
    case VT_BOOL:
        FUZZ_CHECK(number == VARIANT_TRUE || number == VARIANT_FALSE);
        FUZZ_CHECK(again == number);
        break;
    case VT_CY:
        FUZZ_CHECK(again == number);
        break;
    default:
        FUZZ_CHECK(IsPlainDecimal(Narrow(V_BSTR(&text.v))));
        FUZZ_CHECK(again == number);
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const VARTYPE vt = kTypes[data[0] % (sizeof kTypes / sizeof *kTypes)];
    const USHORT flags = (data[1] & 1) ? VARIANT_ALPHABOOL : 0;
    std::vector<OLECHAR> chars;  // not a wstring: the C library's wide functions take wchar_t as 32 bits
    for (size_t i = 2; i < size; ++i) chars.push_back(static_cast<OLECHAR>(data[i]));

    Variant text;
    V_VT(&text.v) = VT_BSTR;
    V_BSTR(&text.v) = SysAllocStringLen(chars.data(), static_cast<UINT>(chars.size()));
    ReadAs(text.v, vt, flags);

    // By reference: the same result.
    VARIANT reference;
    VariantInit(&reference);
    V_VT(&reference) = VT_BSTR | VT_BYREF;
    V_BSTRREF(&reference) = &V_BSTR(&text.v);
    Variant byValue, byReference;
    const HRESULT a = Change(text.v, vt, flags, byValue);
    const HRESULT b = Change(reference, vt, flags, byReference);
    FUZZ_CHECK(a == b);
    if (SUCCEEDED(a)) FUZZ_CHECK(V_VT(&byValue.v) == vt && V_VT(&byReference.v) == vt && Number(byValue.v) == Number(byReference.v));
    return 0;
}
