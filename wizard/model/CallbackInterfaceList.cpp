#include "CallbackInterfaceList.h"

#include "JavaToComTexts.h"

CString CCallbackInterfaceList::Add(const char* text) {
    CString name(text);
    name.Trim();
    if (name.IsEmpty()) return j2c_text::kSpecifyInterfaceName;
    for (const CString& listed : m_names)
        if (listed == name) return j2c_text::kNameExists;
    m_names.push_back(name);
    return CString();
}

void CCallbackInterfaceList::Delete(int index) {
    if (index >= 0 && index < static_cast<int>(m_names.size())) m_names.erase(m_names.begin() + index);
}
