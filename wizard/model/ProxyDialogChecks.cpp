#include "ProxyDialogChecks.h"

#include "BuildClientTexts.h"

namespace {

// A decimal number from 0 to 65535, blanks around it allowed.
bool ReadPort(const CString& text, int& port) {
    CString trimmed(text);
    trimmed.Trim();
    if (trimmed.IsEmpty() || trimmed.GetLength() > 5) return false;
    int value = 0;
    for (int i = 0; i < trimmed.GetLength(); ++i) {
        char c = trimmed.GetAt(i);
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > 65535) return false;
    port = value;
    return true;
}

}  // namespace

bool IsDottedAddress(const char* host) {
    if (!host || !*host) return false;
    int parts = 0, digits = 0, value = 0;
    for (const char* p = host;; ++p) {
        if (*p >= '0' && *p <= '9') {
            value = value * 10 + (*p - '0');
            if (++digits > 3 || value > 255) return false;
            continue;
        }
        if (*p != '.' && *p != '\0') return false;
        if (digits == 0) return false;
        ++parts;
        digits = value = 0;
        if (*p == '\0') break;
    }
    return parts == 4;
}

ProxyDialogVerdict CheckProxyDialog(const ProxyDialogFields& fields,
                                    const std::function<bool(const char*)>& hostKnown) {
    ProxyDialogVerdict verdict;
    if (!ReadPort(fields.portText, verdict.port)) {
        verdict.message = build_text::kPortRange;
        return verdict;
    }
    if (fields.host.IsEmpty()) {
        verdict.message = build_text::kSpecifyHost;
        return verdict;
    }
    if (!IsDottedAddress(fields.host) && !hostKnown(fields.host)) {
        verdict.message = CString(build_text::kCouldNotFindHost) + fields.host;
        verdict.errorBox = true;
        return verdict;
    }
    if (fields.useCredentials && fields.userName.IsEmpty() && fields.password.IsEmpty())
        verdict.message = build_text::kEnterCredentials;
    return verdict;
}
