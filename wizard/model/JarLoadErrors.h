// The error lines of a failed load of whole JAR files and how they are
// shown: more than three lines go to the list dialog, fewer to an
// information box whose text is built here.
#pragma once

#include <vector>

#include "BrvString.h"

class CJarLoadErrors {
public:
    // Lines shown in the information box before the rest is cut to "...".
    static constexpr size_t kMaxBoxLines = 10;

    // "Jar File: " and the JAR's path, then each non-empty line of the
    // error text (lines end at CR or LF).
    void AddFailure(const char* jarPath, const char* errorText);
    // Classes of a JAR that loaded otherwise which the VM could not load:
    // they are left out of the project and listed, as failures are.
    void AddSkipped(const char* jarPath, const std::vector<CString>& classErrors);
    void Clear() {
        m_lines.clear();
        m_skipped.clear();
    }

    bool IsEmpty() const { return m_lines.empty(); }
    const std::vector<CString>& Lines() const { return m_lines; }
    // "Jar File: " and the JAR's path, then each skipped class's reason.
    const std::vector<CString>& SkippedLines() const { return m_skipped; }

    // More than three lines are listed in their own dialog.
    bool NeedsListDialog() const { return m_lines.size() > 3; }
    // The information box's text for the lines.
    CString InfoBoxText() const;

private:
    std::vector<CString> m_lines;
    std::vector<CString> m_skipped;
};
