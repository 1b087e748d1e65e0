#include "JarLoadErrors.h"

#include "WizardTexts.h"

namespace {

// Each non-empty line of the text (lines end at CR or LF), whole: a long
// stack trace is not cut off inside a line.
void AddLines(std::vector<CString>& lines, const char* errorText) {
    const char* text = errorText ? errorText : "";
    const char* start = text;
    for (const char* p = text;; ++p) {
        if (*p == '\r' || *p == '\n' || *p == '\0') {
            if (p > start) lines.emplace_back(start, static_cast<int>(p - start));
            if (*p == '\0') break;
            start = p + 1;
        }
    }
}

}  // namespace

void CJarLoadErrors::AddFailure(const char* jarPath, const char* errorText) {
    m_lines.push_back(CString(wizard_text::kJarFileLine) + jarPath);
    AddLines(m_lines, errorText);
}

void CJarLoadErrors::AddSkipped(const char* jarPath, const std::vector<CString>& classErrors) {
    if (classErrors.empty()) return;
    m_skipped.push_back(CString(wizard_text::kJarFileLine) + jarPath);
    for (const CString& error : classErrors) AddLines(m_skipped, error);
}

CString CJarLoadErrors::InfoBoxText() const {
    CString text = m_lines.size() == 1 ? wizard_text::kJarErrorOne : wizard_text::kJarErrorSeveral;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        text += "\n";
        if (i == kMaxBoxLines) {
            text += "...";
            break;
        }
        text += m_lines[i];
    }
    text += wizard_text::kJarErrorTrailer;
    return text;
}
