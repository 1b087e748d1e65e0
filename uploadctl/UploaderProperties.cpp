#include "UploaderProperties.h"

namespace brivel::uploadctl {
namespace {

const PropertyInfo kProperties[kPropertyCount] = {
    {UploaderProperty::PackageName, "pkgName", "PackageName", kMaxFieldLength},
    {UploaderProperty::LibraryName, "libName", "LibraryName", kMaxFieldLength},
    {UploaderProperty::ComFileName, "comFileName", "ComFileName", kMaxFieldLength},
    {UploaderProperty::HostName, "hostName", "HostName", kMaxHostNameLength},
    {UploaderProperty::TargetUrl, "targetUrl", "TargetURL", kMaxTargetUrlLength},
    {UploaderProperty::InitialText, "initialText", "InitialText", kMaxInitialTextLength},
    {UploaderProperty::ActiveXList, "activeXList", "ActiveXList", kMaxActiveXListLength},
    {UploaderProperty::PreferVirtual, "preferVirtual", "PreferVirtual", kMaxFieldLength},
};

size_t IndexOf(UploaderProperty property) { return static_cast<size_t>(property) - 1; }

}  // namespace

const PropertyInfo* AllProperties() { return kProperties; }

const PropertyInfo& InfoOf(UploaderProperty property) { return kProperties[IndexOf(property)]; }

CUploaderProperties::CUploaderProperties(std::string defaultHost) {
    values_[IndexOf(UploaderProperty::HostName)] = std::move(defaultHost);
    values_[IndexOf(UploaderProperty::TargetUrl)] = kDefaultTargetPath;
}

bool CUploaderProperties::Set(UploaderProperty property, const std::string& text) {
    if (text.size() > InfoOf(property).maxLength) return false;
    values_[IndexOf(property)] = text;
    return true;
}

const std::string& CUploaderProperties::Get(UploaderProperty property) const { return values_[IndexOf(property)]; }

std::string CUploaderProperties::ActiveXPart() const {
    const std::string& list = Get(UploaderProperty::ActiveXList);
    return list.empty() ? std::string() : ";activex=" + list;
}

bool CUploaderProperties::PreferVirtual() const {
    const std::string& text = Get(UploaderProperty::PreferVirtual);
    return !text.empty() && text[0] == '1';
}

}  // namespace brivel::uploadctl
