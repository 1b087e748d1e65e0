// The list of the callback interfaces dialog. A name is refused when the
// list holds it in the same letter case; names that differ only in case are
// both kept (the generation job registers them upper-cased, as one).
#pragma once

#include <vector>

#include "BrvString.h"

class CCallbackInterfaceList {
public:
    explicit CCallbackInterfaceList(std::vector<CString> names = {}) : m_names(std::move(names)) {}

    // Adds the name trimmed at both ends; empty when it was added, else the
    // message that says why not.
    CString Add(const char* name);
    // Removes the entry at `index` (nothing when there is none).
    void Delete(int index);

    const std::vector<CString>& Names() const { return m_names; }

private:
    std::vector<CString> m_names;
};
