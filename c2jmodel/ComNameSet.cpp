#include "ComNameSet.h"

#include "AnsiCase.h"

#include <set>

namespace {

// Words of the interface definition language, of C++ and of the generated
// COM objects. Four of them stand twice in the list; the set keeps each once.
const char* const kReservedWords[] = {
    "by", "hresult", "error", "java", "issamejavaobject", "null", "arc", "rectangle", "release", "addref",
    "any", "attribute", "boolean", "case", "char", "const", "context", "default", "double", "enum",
    "exception", "false", "float", "in", "inout", "interface", "long", "module", "namespace", "object",
    "octet", "oneway", "out", "raises", "unsigned", "union", "void", "read-only", "sequence", "short",
    "string", "struct", "switch", "true", "typedef", "lock", "unlock", "asm", "auto", "break",
    "catch", "class", "continue", "delete", "do", "double", "else", "extern", "for", "friend",
    "goto", "if", "inline", "int", "new", "operator", "private", "protected", "public", "register",
    "return", "signed", "sizeof", "static", "template", "this", "throw", "try", "union", "unsigned",
    "virtual", "void", "volatile", "while", "createinstance", "ioleobject", "ifont", "ipicture", "getfreespace", "t",
    "t1", "ellipse", "tokentype", "polyline",
};

const std::set<std::string>& ReservedNames() {
    static const std::set<std::string> names(std::begin(kReservedWords), std::end(kReservedWords));
    return names;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// What a character of the Windows Latin-1 code page from 164 to 254 becomes
// in an identifier; "_" where the table has no letter for it.
const char* LatinReplacement(unsigned char c) {
    if (c == 164 || (c >= 242 && c <= 246)) return "o";
    if (c == 188) return "1_4";
    if (c == 189) return "1_2";
    if (c == 190) return "3_4";
    if (c >= 192 && c <= 197) return "A";
    if (c == 198 || (c >= 200 && c <= 203)) return "E";
    if (c == 199) return "C";
    if (c >= 204 && c <= 207) return "I";
    if (c == 208) return "D";
    if (c == 209) return "N";
    if (c >= 210 && c <= 214) return "O";
    if (c == 215) return "x";
    if (c == 216 || c == 248) return "0";
    if (c >= 217 && c <= 220) return "U";
    if (c == 221) return "Y";
    if (c == 222 || c == 254) return "p";
    if (c == 223) return "B";
    if (c >= 224 && c <= 229) return "a";
    if (c == 230 || (c >= 232 && c <= 235)) return "e";
    if (c == 231) return "c";
    if (c >= 236 && c <= 239) return "i";
    if (c == 240 || (c >= 249 && c <= 252)) return "u";
    if (c == 241) return "n";
    if (c == 253) return "y";
    return "_";
}

CString Suffixed(const char* base, int counter) {
    CString text;
    text.Format("%s_%d", base, counter);
    return text;
}

CString LowerKey(const CString& text) {
    CString key(text);
    key.MakeLower();
    return key;
}

}  // namespace

CComNameSet::CComNameSet() { ReservedNames(); }

CComNameSet::~CComNameSet() = default;

void CComNameSet::RenameOwner(void*, int, const char*) {}

CString CComNameSet::FoldName(const char* name) {
    CString trimmed(name);
    trimmed.Trim();
    return brivel::LowerAnsiText(trimmed);
}

bool CComNameSet::IsReservedName(const char* foldedName) {
    return ReservedNames().count(foldedName ? foldedName : "") != 0;
}

void CComNameSet::AddName(const char* name) {
    // Keeps an entry that a name of the same key already has.
    m_names.emplace(FoldName(name).str(), nullptr);
}

void CComNameSet::TakeName(const char* name, void* owner, int kind) {
    auto entry = std::make_shared<NameEntry>();
    entry->displayName = name;
    entry->displayName.Trim();
    entry->baseName = entry->displayName;
    entry->owner = owner;
    entry->kind = kind;
    entry->renameOnConflict = false;
    m_names[FoldName(name).str()] = entry;
}

bool CComNameSet::RemoveName(const char* name) {
    return m_names.erase(FoldName(name).str()) != 0;
}

bool CComNameSet::IsTaken(const char* name) const {
    const CString key = FoldName(name);
    if (key.IsEmpty() || key.GetAt(0) == '_') return true;
    return m_names.count(key.str()) != 0 || IsReservedName(key);
}

CString CComNameSet::CleanName(const char* javaName) {
    const char* p = javaName ? javaName : "";
    while (*p == '_') ++p;
    while (IsBlank(*p)) ++p;

    CString clean;
    for (; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == ' ' || c == '$') {
            clean += '_';
        } else if (c < 128) {
            clean += static_cast<char>(c);
        } else if (c <= 163 || c == 255) {
            clean += '_';
        } else {
            // A leading fraction or slashed zero would make the name start
            // with a digit-like text: an 'N' goes in front.
            if (clean.IsEmpty() && (c == 188 || c == 189 || c == 190 || c == 248)) clean += 'N';
            clean += LatinReplacement(c);
        }
    }
    // A Java name of underscores and blanks only leaves nothing to name the
    // member by; it gets the same 'N' as the names above.
    if (clean.IsEmpty()) clean = "N";
    return clean;
}

CString CComNameSet::MakeUniqueName(const char* javaName, void* owner, int kind, bool registerName, CString* out) {
    const CString clean = CleanName(javaName);
    CString key = LowerKey(clean);
    int counter = 0;
    bool renameOnConflict = true;

    if (IsReservedName(key)) {
        counter = 1;
        key = LowerKey(Suffixed(clean, 1));
        key.TrimRight();
    }

    // The first holder of the name gives way (normally to _1) when a second
    // equal name arrives. It takes the first suffix that no other name holds,
    // and only when the new name is registered: a proposal changes nothing.
    std::shared_ptr<NameEntry> givingWay;
    CString holderName;
    std::string holderKey;
    int holderCounter = 0;
    auto held = m_names.find(key.str());
    if (held != m_names.end()) {
        counter = 1;
        if (held->second && held->second->renameOnConflict) {
            givingWay = held->second;
            for (holderCounter = 1;; ++holderCounter) {
                holderName = Suffixed(givingWay->baseName, holderCounter);
                holderName.Trim();
                holderKey = LowerKey(holderName).str();
                if (!m_names.count(holderKey)) break;
            }
            counter = 2;
        }
        renameOnConflict = false;
        // The key is built from this name itself, so it is the key of the
        // very text shown below (for a reserved word the holder's base name
        // carries a suffix already and would give a different key).
        for (;;) {
            key = LowerKey(Suffixed(clean, counter));
            if (!m_names.count(key.str()) && key.str() != holderKey) break;
            ++counter;
        }
    }

    if (owner == nullptr && kind == kComNameNone) renameOnConflict = false;

    CString result;
    char first = clean.GetAt(0);
    if (first >= 'a' && first <= 'z') first = static_cast<char>(first - 'a' + 'A');
    if (counter >= 1) result.Format("%c%s_%d", first, clean.Mid(1).c_str(), counter);
    else result = CString(first) + clean.Mid(1);

    if (out) *out = result;
    if (!registerName) return result;
    if (givingWay) {
        givingWay->renameOnConflict = false;
        givingWay->counter = holderCounter;
        RenameOwner(givingWay->owner, givingWay->kind, holderName);
        givingWay->displayName = holderName;
        m_names[holderKey] = givingWay;
    }
    auto entry = std::make_shared<NameEntry>();
    entry->displayName = result;
    entry->baseName = result;
    entry->owner = owner;
    entry->kind = kind;
    entry->renameOnConflict = renameOnConflict;
    entry->counter = counter;
    m_names[key.str()] = entry;
    return result;
}

CComNameSet::NameTable CComNameSet::CopyTable(const NameTable& table) {
    // An entry stored under two keys stays one entry in the copy.
    std::map<const NameEntry*, std::shared_ptr<NameEntry>> copies;
    NameTable out;
    for (const auto& [key, entry] : table) {
        if (!entry) {
            out.emplace(key, nullptr);
            continue;
        }
        std::shared_ptr<NameEntry>& copy = copies[entry.get()];
        if (!copy) copy = std::make_shared<NameEntry>(*entry);
        out.emplace(key, copy);
    }
    return out;
}

CComNameSet::SavedNames CComNameSet::SaveNames() const {
    SavedNames saved;
    saved.names = CopyTable(m_names);
    return saved;
}

void CComNameSet::RestoreNames(const SavedNames& saved) {
    for (const auto& [key, entry] : saved.names) {
        if (!entry || !entry->owner) continue;
        auto now = m_names.find(key);
        if (now != m_names.end() && now->second && now->second->displayName.str() != entry->displayName.str())
            RenameOwner(entry->owner, entry->kind, entry->displayName);
    }
    m_names = CopyTable(saved.names);
}
