// How the control takes the texts COM hands it: a BSTR that a page's script
// puts, or a value of the page's saved parameters (its property bag), into
// the control's properties in the system code page, each within its bound.
// The control's puts and its property-bag load run this code, and so do the
// fuzz entries of both.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <functional>
#include <string>
#include <vector>

#include "UploaderProperties.h"

namespace brivel::uploadctl {

// The BSTR in the system code page (a null BSTR is empty); embedded NULs
// are kept. A text from a page may be of any length, so at most
// `maxLength` + 1 characters are converted: a result longer than
// `maxLength` means the text is beyond it (as is any text of more than
// `maxLength` + 1 characters).
std::string AnsiFromBstr(BSTR text, size_t maxLength);

// A put: false, with the stored value kept, when the text is beyond the
// property's bound.
bool PutPropertyText(CUploaderProperties& properties, UploaderProperty property, BSTR value);

// One value of the bag by name, read into a VARIANT the caller has set up
// (IPropertyBag::Read with the load's error log).
using BagValueReader = std::function<HRESULT(LPCOLESTR name, VARIANT* value)>;

// Reads each property from the bag as a string (a value of another type
// converted to one) and stores what it holds; a property the bag lacks, or
// whose value is no text, keeps its value. A value beyond its bound is
// refused alone: that property keeps its value and is returned, in dispatch
// order, while the others are stored.
std::vector<UploaderProperty> LoadPropertiesFromBag(CUploaderProperties& properties, const BagValueReader& read);

}  // namespace brivel::uploadctl
