#include "PropertyTexts.h"

namespace brivel::uploadctl {

std::string AnsiFromBstr(BSTR text, size_t maxLength) {
    if (!text) return std::string();
    size_t length = SysStringLen(text);
    const bool cut = length > maxLength + 1;
    if (cut) length = maxLength + 1;
    if (length == 0) return std::string();
    int count = static_cast<int>(length);
    int size = WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string(maxLength + 1, '?');  // cannot be told: refused as too long
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, count, &ansi[0], size, nullptr, nullptr);
    // A text cut short is beyond the bound, even where the conversion made
    // fewer characters of the part converted.
    if (cut && ansi.size() <= maxLength) ansi.resize(maxLength + 1, '?');
    return ansi;
}

bool PutPropertyText(CUploaderProperties& properties, UploaderProperty property, BSTR value) {
    return properties.Set(property, AnsiFromBstr(value, InfoOf(property).maxLength));
}

std::vector<UploaderProperty> LoadPropertiesFromBag(CUploaderProperties& properties, const BagValueReader& read) {
    std::vector<UploaderProperty> refused;
    for (int i = 0; i < kPropertyCount; ++i) {
        const PropertyInfo& info = AllProperties()[i];
        // The bag names are ASCII.
        std::vector<OLECHAR> name(info.bagName, info.bagName + std::char_traits<char>::length(info.bagName) + 1);
        // Asked for as a string: the bag may copy into it, which frees what
        // it holds first, so it holds a null string.
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_BSTR;
        value.bstrVal = nullptr;
        if (FAILED(read(name.data(), &value))) continue;
        bool isText = value.vt == VT_BSTR || SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR));
        if (isText && !properties.Set(info.id, AnsiFromBstr(value.bstrVal, info.maxLength))) refused.push_back(info.id);
        VariantClear(&value);
    }
    return refused;
}

}  // namespace brivel::uploadctl
