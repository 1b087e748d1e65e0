// A late-bound client of the control, as a page's script is: names looked
// up with GetIDsOfNames, properties read and written with Invoke.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace brivel::uploadctl::testing {

inline DISPID DispatchIdOf(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return DISPID_UNKNOWN;
    return id;
}

// A failure of the property's put comes back as DISP_E_EXCEPTION with the
// put's own result in the exception's scode: that result is returned.
inline HRESULT PutProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
    DISPID id = DispatchIdOf(object, name);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&value, &named, 1, 1};
    EXCEPINFO exception = {};
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr,
                                &exception, nullptr);
    if (hr == DISP_E_EXCEPTION && exception.scode) hr = exception.scode;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

inline HRESULT PutText(IDispatch* object, const wchar_t* name, const std::wstring& text) {
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    HRESULT hr = PutProperty(object, name, value);
    VariantClear(&value);
    return hr;
}

// The property's text; "<failed>" when the get failed.
inline std::wstring GetText(IDispatch* object, const wchar_t* name) {
    DISPPARAMS none = {};
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = object->Invoke(DispatchIdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                &result, nullptr, nullptr);
    if (FAILED(hr) || result.vt != VT_BSTR) {
        VariantClear(&result);
        return L"<failed>";
    }
    std::wstring text(result.bstrVal ? result.bstrVal : L"", result.bstrVal ? SysStringLen(result.bstrVal) : 0);
    VariantClear(&result);
    return text;
}

}  // namespace brivel::uploadctl::testing
