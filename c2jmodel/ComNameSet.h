// One scope of COM names in use (the COM object names of a project, or the
// member names inside one class), checked against the words that the
// interface definition language and the generated code reserve. Names compare
// without regard to case.
#pragma once

#include "BrvString.h"

#include <map>
#include <memory>
#include <string>

// What a name was registered for (the owner's type).
enum ComNameKind {
    kComNameNone = 0,
    kComNameMethod = 1,  // a CJavaMethodSpec (method or constructor)
    kComNameField = 2,   // a CJavaFieldSpec
};

class CComNameSet {
public:
    CComNameSet();
    virtual ~CComNameSet();

    CComNameSet(const CComNameSet&) = delete;
    CComNameSet& operator=(const CComNameSet&) = delete;

    // Changes the COM name stored in the object that holds a name, when a
    // later equal name makes that one take a numbered suffix.
    virtual void RenameOwner(void* owner, int kind, const char* newName);

    // Marks a name as used (no owner).
    void AddName(const char* name);
    // Marks a name as used by its owner exactly as given (a name the user
    // typed or a saved project holds): unlike a name made by MakeUniqueName
    // it never gives way to a later equal name.
    void TakeName(const char* name, void* owner, int kind);
    // Releases a name; true when it was in use. The name is folded first, so
    // either a shown name or its key releases it.
    bool RemoveName(const char* name);
    // True when the name cannot be used: empty after folding, starting with
    // '_', used in this set, or a reserved word.
    bool IsTaken(const char* name) const;

    // The COM name for a Java name: cleaned into a valid identifier and made
    // unique in this set. With `registerName` the result is kept as used (and
    // the first holder of an equal name gives way with a suffix no other name
    // holds); without it the name is only proposed and nothing changes.
    CString MakeUniqueName(const char* javaName, void* owner, int kind, bool registerName,
                           CString* out = nullptr);

    // The folding that keys compare by: surrounding white space removed, then
    // lower case in the system code page.
    static CString FoldName(const char* name);
    static bool IsReservedName(const char* foldedName);
    // The identifier a Java name is cleaned into (before any suffix).
    static CString CleanName(const char* javaName);

private:
    struct NameEntry;
    using NameTable = std::map<std::string, std::shared_ptr<NameEntry>>;

public:
    // The names in use at one moment, to return to when a series of
    // registrations has to be undone.
    class SavedNames {
        friend class CComNameSet;
        NameTable names;
    };
    SavedNames SaveNames() const;
    // Returns to the saved names; an owner renamed since then gets its saved
    // name back.
    void RestoreNames(const SavedNames& saved);

private:
    static NameTable CopyTable(const NameTable& table);

    struct NameEntry {
        CString displayName;
        CString baseName;
        void* owner = nullptr;
        int kind = kComNameNone;
        bool renameOnConflict = true;
        int counter = 0;
    };

    // Folded key -> entry; names added by AddName have no entry. An entry
    // that was renamed stays under its old key and is stored under the new
    // one as well, hence the shared ownership.
    NameTable m_names;
};
