// VARIANT lifetime (init, clear, copy, copy through references) and type
// changes between the numeric, boolean, currency, date and string types.
#include <windows.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
VARTYPE BaseType(VARTYPE vt) { return vt & VT_TYPEMASK; }

// Whether a VARIANT may hold this type (a VARIANT itself only by
// reference or in an array).
bool IsValidVariantType(VARTYPE vt) {
    if (vt & ~(VT_TYPEMASK | VT_ARRAY | VT_BYREF)) return false;
    VARTYPE base = BaseType(vt);
    if (base == VT_VARIANT) return (vt & (VT_ARRAY | VT_BYREF)) != 0;
    if ((base == VT_EMPTY || base == VT_NULL) && (vt & (VT_ARRAY | VT_BYREF))) return false;
    return base <= VT_DECIMAL || (base >= VT_I1 && base <= VT_UINT) || base == VT_RECORD;
}

// Copies the value a by-value VARIANT holds: strings and arrays are
// duplicated, interfaces gain a reference, records are copied through their
// record information. `dest` is uninitialised on entry.
HRESULT CopyValue(VARIANT* dest, const VARIANT* src) {
    VARTYPE vt = src->vt;
    *dest = *src;
    if (vt & VT_BYREF) return S_OK;
    if (vt & VT_ARRAY) {
        dest->parray = nullptr;
        HRESULT hr = SafeArrayCopy(src->parray, &dest->parray);
        if (FAILED(hr)) dest->vt = VT_EMPTY;
        return hr;
    }
    switch (vt) {
    case VT_BSTR:
        // A null string is copied as an empty one, as the platform does.
        dest->bstrVal = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(src->bstrVal), SysStringByteLen(src->bstrVal));
        if (!dest->bstrVal) {
            dest->vt = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
        return S_OK;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        if (src->punkVal) src->punkVal->AddRef();
        return S_OK;
    case VT_RECORD:
        if (src->pRecInfo) {
            dest->pvRecord = nullptr;
            HRESULT hr = src->pRecInfo->RecordCreateCopy(src->pvRecord, &dest->pvRecord);
            if (FAILED(hr)) {
                dest->vt = VT_EMPTY;
                return hr;
            }
            src->pRecInfo->AddRef();
        }
        return S_OK;
    default:
        return S_OK;
    }
}

// The by-value VARIANT that a by-reference one points at, copied (strings
// duplicated, interfaces referenced). `dest` is uninitialised on entry.
HRESULT CopyReferenced(VARIANT* dest, const VARIANT* src) {
    if (!(src->vt & VT_BYREF)) return CopyValue(dest, src);
    VARTYPE vt = src->vt & ~VT_BYREF;
    if (!src->byref) return E_INVALIDARG;
    if (vt == VT_VARIANT) {
        const VARIANT* inner = src->pvarVal;
        if (inner->vt == (VT_VARIANT | VT_BYREF)) return E_INVALIDARG;
        return CopyReferenced(dest, inner);
    }
    VARIANT value;
    std::memset(&value, 0, sizeof value);
    value.vt = vt;
    if (vt & VT_ARRAY) {
        value.parray = *src->pparray;
    } else {
        switch (vt) {
        case VT_I1:
        case VT_UI1: value.bVal = *src->pbVal; break;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL: value.iVal = *src->piVal; break;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_ERROR:
        case VT_BSTR:
        case VT_DISPATCH:
        case VT_UNKNOWN: value.lVal = *src->plVal; break;
        case VT_I8:
        case VT_UI8:
        case VT_R8:
        case VT_CY:
        case VT_DATE: value.llVal = *src->pllVal; break;
        case VT_DECIMAL:
            value.decVal = *src->pdecVal;
            value.vt = VT_DECIMAL;
            break;
        case VT_RECORD: value.pvRecord = src->pvRecord, value.pRecInfo = src->pRecInfo; break;
        default: return DISP_E_BADVARTYPE;
        }
    }
    return CopyValue(dest, &value);
}

// ---- type changes ----

// A numeric value on its way between types; long double holds every 64-bit
// integer exactly on this target.
struct Number {
    long double value;
    bool isBool;
};

std::string Narrow(BSTR text) {
    std::string out;
    for (UINT i = 0; i < SysStringLen(text); ++i) out.push_back(text[i] < 0x80 ? static_cast<char>(text[i]) : '\x01');
    return out;
}

std::string Trim(const std::string& text) {
    size_t a = text.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return std::string();
    size_t b = text.find_last_not_of(" \t\r\n");
    return text.substr(a, b - a + 1);
}

bool EqualsIgnoringCase(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Parses a number as written in the user's (English) locale: optional sign,
// digits with thousands separators, a decimal point, an exponent, or a
// hexadecimal "&H" or octal "&O" integer. The value is multiplied by
// 10^`scale` while still decimal text, so that currency units come out exact.
bool ParseNumber(BSTR text, long double* out, int scale = 0) {
    std::string s = Trim(Narrow(text));
    if (s.empty()) return false;
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        char* end = nullptr;
        unsigned long long v = std::strtoull(s.c_str() + 2, &end, base);
        if (*end) return false;
        *out = static_cast<long double>(v);
        for (int i = 0; i < scale; ++i) *out *= 10;
        return true;
    }
    std::string plain;
    bool digits = false, point = false;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            plain.push_back(c);
        } else if (c == ',' && !point && digits) {
            continue;  // thousands separator
        } else if (c == '.' && !point) {
            point = true;
            plain.push_back(c);
        } else if ((c == '+' || c == '-') && i == 0) {
            plain.push_back(c);
        } else if ((c == 'e' || c == 'E') && digits) {
            char* end = nullptr;
            long exponent = std::strtol(s.c_str() + i + 1, &end, 10);
            if (end == s.c_str() + i + 1 || *end) return false;
            // Beyond any type's range either way; kept where the sum cannot overflow.
            const long kFar = 100000;
            scale += static_cast<int>(exponent > kFar ? kFar : exponent < -kFar ? -kFar : exponent);
            break;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    if (scale) plain += "e" + std::to_string(scale);
    char* end = nullptr;
    *out = std::strtold(plain.c_str(), &end);
    // Text beyond even a long double is the largest one: every type it
    // changes into then reports the overflow.
    if (std::isinf(*out)) *out = std::copysign(LDBL_MAX, *out);
    return *end == 0;
}

const int kDaysBeforeMonth[2][13] = {{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
                                     {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

// Parses the English date and time forms "M/D/YYYY", "YYYY-MM-DD", each
// optionally followed by "h:mm[:ss] [AM|PM]", or a time alone.
bool ParseDate(BSTR text, DATE* out) {
    std::string s = Trim(Narrow(text));
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    bool haveDate = false;
    size_t pos = 0;
    int a, b, c, n = 0;
    if (std::sscanf(s.c_str(), "%d/%d/%d%n", &a, &b, &c, &n) == 3) {
        month = a, day = b, year = c < 100 ? (c < 30 ? 2000 + c : 1900 + c) : c;
        haveDate = true;
        pos = n;
    } else if (std::sscanf(s.c_str(), "%d-%d-%d%n", &a, &b, &c, &n) == 3) {
        year = a, month = b, day = c;
        haveDate = true;
        pos = n;
    }
    std::string rest = Trim(s.substr(pos));
    if (!rest.empty()) {
        if (rest[0] == 'T') rest = rest.substr(1);
        int h, m, sec = 0, used = 0;
        if (std::sscanf(rest.c_str(), "%d:%d:%d%n", &h, &m, &sec, &used) != 3) {
            sec = 0;
            if (std::sscanf(rest.c_str(), "%d:%d%n", &h, &m, &used) != 2) return false;
        }
        std::string suffix = Trim(rest.substr(used));
        if (EqualsIgnoringCase(suffix, "PM")) {
            if (h < 1 || h > 12) return false;
            h = h % 12 + 12;
        } else if (EqualsIgnoringCase(suffix, "AM")) {
            if (h < 1 || h > 12) return false;
            h = h % 12;
        } else if (!suffix.empty()) {
            return false;
        }
        if (h > 23 || m > 59 || sec > 59 || h < 0 || m < 0 || sec < 0) return false;
        hour = h, minute = m, second = sec;
    } else if (!haveDate) {
        return false;
    }
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year), st.wMonth = static_cast<WORD>(month), st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour), st.wMinute = static_cast<WORD>(minute), st.wSecond = static_cast<WORD>(second);
    if (month < 1 || month > 12 || day < 1) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > kDaysBeforeMonth[leap][month] - kDaysBeforeMonth[leap][month - 1]) return false;
    return SystemTimeToVariantTime(&st, out) != 0;
}

BSTR Allocate(const std::string& ascii) {
    std::u16string wide(ascii.begin(), ascii.end());
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
}

// The shortest text of `value` with at most `digits` significant digits.
std::string FormatReal(long double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*LG", digits, value);
    return buffer;
}

std::string FormatDate(DATE date) {
    SYSTEMTIME st;
    if (!VariantTimeToSystemTime(date, &st)) return std::string();
    char buffer[64];
    std::string out;
    double whole = std::trunc(date);
    bool hasTime = st.wHour || st.wMinute || st.wSecond;
    if (whole != 0.0 || !hasTime) {
        std::snprintf(buffer, sizeof buffer, "%u/%u/%u", st.wMonth, st.wDay, st.wYear);
        out = buffer;
    }
    if (hasTime || whole == 0.0) {
        unsigned hour12 = st.wHour % 12 == 0 ? 12 : st.wHour % 12;
        std::snprintf(buffer, sizeof buffer, "%u:%02u:%02u %s", hour12, st.wMinute, st.wSecond,
                      st.wHour < 12 ? "AM" : "PM");
        if (!out.empty()) out += ' ';
        out += buffer;
    }
    return out;
}

// Reads any numeric-like VARIANT as a number.
HRESULT ReadNumber(const VARIANT* v, Number* n, bool forDate) {
    n->isBool = false;
    switch (v->vt) {
    case VT_EMPTY: n->value = 0; return S_OK;
    case VT_I1: n->value = v->cVal; return S_OK;
    case VT_UI1: n->value = v->bVal; return S_OK;
    case VT_I2: n->value = v->iVal; return S_OK;
    case VT_UI2: n->value = v->uiVal; return S_OK;
    case VT_I4: n->value = v->lVal; return S_OK;
    case VT_UI4: n->value = v->ulVal; return S_OK;
    case VT_INT: n->value = v->intVal; return S_OK;
    case VT_UINT: n->value = v->uintVal; return S_OK;
    case VT_I8: n->value = v->llVal; return S_OK;
    case VT_UI8: n->value = v->ullVal; return S_OK;
    case VT_R4: n->value = v->fltVal; return S_OK;
    case VT_R8: n->value = v->dblVal; return S_OK;
    case VT_DATE: n->value = v->date; return S_OK;
    case VT_CY: n->value = static_cast<long double>(v->cyVal.int64) / 10000; return S_OK;
    case VT_BOOL:
        n->value = v->boolVal ? -1 : 0;
        n->isBool = true;
        return S_OK;
    case VT_DECIMAL: {
        const DECIMAL& d = v->decVal;
        long double mag = static_cast<long double>(d.Hi32) * 18446744073709551616.0L + d.Lo64;
        for (int i = 0; i < d.scale; ++i) mag /= 10;
        n->value = (d.sign & DECIMAL_NEG) ? -mag : mag;
        return S_OK;
    }
    case VT_BSTR: {
        long double value;
        if (v->bstrVal && ParseNumber(v->bstrVal, &value)) {
            n->value = value;
            return S_OK;
        }
        DATE date;
        if (forDate && v->bstrVal && ParseDate(v->bstrVal, &date)) {
            n->value = date;
            return S_OK;
        }
        return DISP_E_TYPEMISMATCH;
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

// Rounds half to even, as the platform rounds reals to integers.
long double RoundToInteger(long double value) { return std::nearbyint(value); }

HRESULT StoreInteger(long double value, long double low, long double high, long double* out) {
    long double r = RoundToInteger(value);
    if (!(r >= low && r <= high)) return DISP_E_OVERFLOW;
    *out = r;
    return S_OK;
}

HRESULT ToNumberType(const Number& n, VARTYPE vt, VARIANT* out) {
    long double r = 0;
    HRESULT hr = S_OK;
    // A boolean true (-1) stored into an unsigned type keeps its bits.
    long double value = n.value;
    switch (vt) {
    case VT_I1: hr = StoreInteger(value, -128, 127, &r); out->cVal = static_cast<CHAR>(r); break;
    case VT_UI1:
        if (n.isBool) value = value ? 255 : 0;
        hr = StoreInteger(value, 0, 255, &r);
        out->bVal = static_cast<BYTE>(r);
        break;
    case VT_I2: hr = StoreInteger(value, -32768, 32767, &r); out->iVal = static_cast<SHORT>(r); break;
    case VT_UI2:
        if (n.isBool) value = value ? 65535 : 0;
        hr = StoreInteger(value, 0, 65535, &r);
        out->uiVal = static_cast<USHORT>(r);
        break;
    case VT_I4:
    case VT_INT: hr = StoreInteger(value, -2147483648.0L, 2147483647.0L, &r); out->lVal = static_cast<LONG>(r); break;
    case VT_UI4:
    case VT_UINT:
        if (n.isBool) value = value ? 4294967295.0L : 0;
        hr = StoreInteger(value, 0, 4294967295.0L, &r);
        out->ulVal = static_cast<ULONG>(r);
        break;
    case VT_I8:
        hr = StoreInteger(value, -9223372036854775808.0L, 9223372036854775807.0L, &r);
        out->llVal = static_cast<LONGLONG>(r);
        break;
    case VT_UI8:
        if (n.isBool) value = value ? 18446744073709551615.0L : 0;
        hr = StoreInteger(value, 0, 18446744073709551615.0L, &r);
        out->ullVal = static_cast<ULONGLONG>(r);
        break;
    case VT_R4:
        if (std::fabs(value) > FLT_MAX) return DISP_E_OVERFLOW;
        out->fltVal = static_cast<float>(value);
        break;
    case VT_R8:
        // A finite value beyond the range of a double (text such as "1e400")
        // overflows; an infinite real stays infinite.
        out->dblVal = static_cast<double>(value);
        if (std::isinf(out->dblVal) && !std::isinf(value)) return DISP_E_OVERFLOW;
        break;
    case VT_DATE:
        if (value < -657434.0L || value >= 2958466.0L) return DISP_E_OVERFLOW;
        out->date = static_cast<double>(value);
        break;
    case VT_CY:
        hr = StoreInteger(value * 10000, -9223372036854775808.0L, 9223372036854775807.0L, &r);
        out->cyVal.int64 = static_cast<LONGLONG>(r);
        break;
    case VT_BOOL: out->boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    default: return DISP_E_TYPEMISMATCH;
    }
    if (FAILED(hr)) return hr;
    out->vt = vt;
    return S_OK;
}

HRESULT ToString(const VARIANT* v, USHORT flags, VARIANT* out) {
    std::string text;
    switch (v->vt) {
    case VT_EMPTY: break;
    case VT_BOOL:
        text = (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL)) ? (v->boolVal ? "True" : "False")
                                                                 : (v->boolVal ? "-1" : "0");
        break;
    case VT_R4: text = FormatReal(v->fltVal, 7); break;
    case VT_R8: text = FormatReal(v->dblVal, 15); break;
    case VT_DATE:
        text = FormatDate(v->date);
        if (text.empty()) return DISP_E_OVERFLOW;
        break;
    case VT_CY: {
        char buffer[40];
        LONGLONG units = v->cyVal.int64;
        unsigned long long magnitude = units < 0 ? 0ULL - static_cast<unsigned long long>(units) : units;
        std::snprintf(buffer, sizeof buffer, "%s%llu.%04llu", units < 0 ? "-" : "", magnitude / 10000,
                      magnitude % 10000);
        text = buffer;
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        break;
    }
    case VT_DECIMAL: {
        Number n;
        ReadNumber(v, &n, false);
        text = FormatReal(n.value, 18);
        break;
    }
    default: {
        Number n;
        HRESULT hr = ReadNumber(v, &n, false);
        if (FAILED(hr)) return hr;
        char buffer[32];
        if (v->vt == VT_UI8 || v->vt == VT_UI4 || v->vt == VT_UINT || v->vt == VT_UI2 || v->vt == VT_UI1)
            std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(n.value));
        else
            std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(n.value));
        text = buffer;
    }
    }
    out->bstrVal = Allocate(text);
    if (!out->bstrVal) return E_OUTOFMEMORY;
    out->vt = VT_BSTR;
    return S_OK;
}

// Asks an object for its value property.
HRESULT ValueOf(IDispatch* object, VARIANT* value) {
    if (!object) return DISP_E_TYPEMISMATCH;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VariantInit(value);
    return object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr,
                          nullptr);
}

// Converts a by-value VARIANT; `out` is uninitialised and set only on success.
HRESULT Convert(const VARIANT* src, USHORT flags, VARTYPE vt, VARIANT* out, int depth) {
    std::memset(out, 0, sizeof *out);
    if (vt == src->vt) return CopyValue(out, src);
    if (src->vt == VT_DISPATCH || src->vt == VT_UNKNOWN) {
        if (vt == VT_DISPATCH || vt == VT_UNKNOWN) {
            if (!src->punkVal) {
                out->vt = vt;
                return S_OK;
            }
            HRESULT hr = src->punkVal->QueryInterface(vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown,
                                                      reinterpret_cast<void**>(&out->punkVal));
            if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
            out->vt = vt;
            return S_OK;
        }
        if (src->vt == VT_UNKNOWN || (flags & VARIANT_NOVALUEPROP) || depth > 0) return DISP_E_TYPEMISMATCH;
        VARIANT value;
        HRESULT hr = ValueOf(src->pdispVal, &value);
        if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
        hr = Convert(&value, flags, vt, out, depth + 1);
        VariantClear(&value);
        return hr;
    }
    if (src->vt == VT_NULL) return DISP_E_TYPEMISMATCH;
    switch (vt) {
    case VT_EMPTY: return DISP_E_TYPEMISMATCH;
    case VT_NULL:
        out->vt = VT_NULL;
        return S_OK;
    case VT_BSTR: return ToString(src, flags, out);
    case VT_BOOL:
        if (src->vt == VT_BSTR && src->bstrVal) {
            std::string text = Trim(Narrow(src->bstrVal));
            if (EqualsIgnoringCase(text, "True") || EqualsIgnoringCase(text, "#TRUE#")) {
                out->vt = VT_BOOL, out->boolVal = VARIANT_TRUE;
                return S_OK;
            }
            if (EqualsIgnoringCase(text, "False") || EqualsIgnoringCase(text, "#FALSE#")) {
                out->vt = VT_BOOL, out->boolVal = VARIANT_FALSE;
                return S_OK;
            }
        }
        break;
    case VT_DATE:
        if (src->vt == VT_BSTR && src->bstrVal) {
            long double number;
            if (!ParseNumber(src->bstrVal, &number)) {
                DATE date;
                if (!ParseDate(src->bstrVal, &date)) return DISP_E_TYPEMISMATCH;
                out->vt = VT_DATE, out->date = date;
                return S_OK;
            }
        }
        break;
    default: break;
    }
    if (src->vt == VT_BSTR && !src->bstrVal) return DISP_E_TYPEMISMATCH;
    if (src->vt == VT_BSTR && vt == VT_CY) {
        long double units;
        if (!ParseNumber(src->bstrVal, &units, 4)) return DISP_E_TYPEMISMATCH;
        long double rounded;
        HRESULT hr = StoreInteger(units, -9223372036854775808.0L, 9223372036854775807.0L, &rounded);
        if (FAILED(hr)) return hr;
        out->vt = VT_CY;
        out->cyVal.int64 = static_cast<LONGLONG>(rounded);
        return S_OK;
    }
    Number n;
    HRESULT hr = ReadNumber(src, &n, false);
    if (FAILED(hr)) return hr;
    return ToNumberType(n, vt, out);
}
}  // namespace

extern "C" void WINAPI VariantInit(VARIANTARG* variant) { variant->vt = VT_EMPTY; }

extern "C" HRESULT WINAPI VariantClear(VARIANTARG* variant) {
    if (!variant) return E_INVALIDARG;
    VARTYPE vt = variant->vt;
    // A bare VT_VARIANT owns nothing and is cleared like a simple value (the
    // generated bridges mark argument slots so before they copy into them).
    if (!IsValidVariantType(vt) && vt != VT_VARIANT) return DISP_E_BADVARTYPE;
    if (!(vt & VT_BYREF)) {
        if (vt & VT_ARRAY) {
            HRESULT hr = SafeArrayDestroy(variant->parray);
            if (FAILED(hr)) return hr;
        } else if (vt == VT_BSTR) {
            SysFreeString(variant->bstrVal);
        } else if (vt == VT_DISPATCH || vt == VT_UNKNOWN) {
            if (variant->punkVal) variant->punkVal->Release();
        } else if (vt == VT_RECORD && variant->pRecInfo) {
            variant->pRecInfo->RecordClear(variant->pvRecord);
            variant->pRecInfo->Release();
        }
    }
    variant->vt = VT_EMPTY;
    return S_OK;
}

extern "C" HRESULT WINAPI VariantCopy(VARIANTARG* dest, const VARIANTARG* source) {
    if (!dest || !source) return E_INVALIDARG;
    if (dest == source) return S_OK;
    if (!IsValidVariantType(source->vt)) return DISP_E_BADVARTYPE;
    HRESULT hr = VariantClear(dest);
    if (FAILED(hr)) return hr;
    VARIANT copy;
    hr = CopyValue(&copy, source);
    if (SUCCEEDED(hr)) *dest = copy;
    return hr;
}

extern "C" HRESULT WINAPI VariantCopyInd(VARIANT* dest, const VARIANTARG* source) {
    if (!dest || !source) return E_INVALIDARG;
    if (!IsValidVariantType(source->vt)) return DISP_E_BADVARTYPE;
    if (!(source->vt & VT_BYREF)) return VariantCopy(dest, source);
    VARIANT copy;
    HRESULT hr = CopyReferenced(&copy, source);
    if (FAILED(hr)) return hr;
    if (dest != source) {  // a by-reference source owns nothing to clear
        hr = VariantClear(dest);
        if (FAILED(hr)) {
            VariantClear(&copy);
            return hr;
        }
    }
    *dest = copy;
    return S_OK;
}

extern "C" HRESULT WINAPI VariantChangeTypeEx(VARIANTARG* dest, VARIANTARG* source, LCID, USHORT flags,
                                              VARTYPE vt) {
    if (!dest || !source) return E_INVALIDARG;
    if (!IsValidVariantType(source->vt) || (vt & (VT_BYREF | VT_ARRAY | VT_VECTOR))) return DISP_E_BADVARTYPE;
    VARIANT value;
    HRESULT hr = CopyReferenced(&value, source);
    if (FAILED(hr)) return hr;
    VARIANT result;
    hr = Convert(&value, flags, vt, &result, 0);
    VariantClear(&value);
    if (FAILED(hr)) return hr;
    if (dest != source || !(source->vt & VT_BYREF)) {
        hr = VariantClear(dest);
        if (FAILED(hr)) {
            VariantClear(&result);
            return hr;
        }
    }
    *dest = result;
    return S_OK;
}

extern "C" HRESULT WINAPI VariantChangeType(VARIANTARG* dest, VARIANTARG* source, USHORT flags, VARTYPE vt) {
    return VariantChangeTypeEx(dest, source, LOCALE_USER_DEFAULT, flags, vt);
}
