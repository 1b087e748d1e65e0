// The COM-to-Java project document: the project settings, the Java classes
// to expose with the members chosen for each, and the built-in members every
// generated COM object carries. It is saved as the binary .c2j file that the
// build service turns into a COM DLL and that the wizard loads to continue a
// project.
#pragma once

#include "BrvString.h"
#include "JavaClassSpec.h"
#include "JavaVmHostInterface.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Told once that the Java VM is running (its class path is then fixed).
class CVmStartNotifier {
public:
    virtual ~CVmStartNotifier() = default;
    virtual void OnVmStarted() = 0;
};

// One built-in member: a method (constructors included) or a property.
struct CBuiltInMember {
    std::unique_ptr<CJavaMethodSpec> method;
    std::unique_ptr<CJavaFieldSpec> property;
};

class CC2jSpecification {
public:
    static constexpr uint32_t kFileMagic = 0x564F5841;  // "AXOV" in file order
    static constexpr uint32_t kFileVersion = 106;
    static constexpr uint32_t kOldestFileVersion = 100;
    static constexpr size_t kMaxJarClasses = 500;

    CC2jSpecification();
    ~CC2jSpecification();

    CC2jSpecification(const CC2jSpecification&) = delete;
    CC2jSpecification& operator=(const CC2jSpecification&) = delete;

    // Writes the whole file (creating any missing project GUID first); false
    // when the stream refused part of it.
    bool Save(FILE* file);
    // Reads a whole file into this fresh document; false with the reason.
    bool Load(FILE* file, CString& error);
    void CopyProjectSettings(const CC2jSpecification& other);

    CJavaClassSpec* AddClassFromVm(const char* classPath, bool includeInherited, const char* className, CString& error);
    bool AddClassesFromJars(const char* classPath, const char* jarPath, std::vector<CString>& classNames, CString& error);
    void RemoveClass(const char* className);
    // Adds and reflects the classes of a loaded project again and applies
    // its saved choices to them; false with up to nine reasons.
    bool ReloadClasses(const CC2jSpecification& saved, CString& errors);
    static void MergeSavedSelections(const CJavaClassSpec& saved, CJavaClassSpec& current);

    CJavaClassSpec* GetClass(const char* className) const;
    const std::vector<CString>& GetClassNames() const { return m_classNames; }
    // The classes by dotted name: the listed classes that members' types are
    // checked against (CJavaVmHost::CheckMethodTypesListed).
    const std::map<std::string, std::unique_ptr<CJavaClassSpec>>& GetClassMap() const { return m_classes; }
    const std::vector<CBuiltInMember>& GetBuiltInMembers() const { return m_builtInMembers; }

    CVmStartNotifier* m_startNotifier = nullptr;
    uint32_t m_version = kFileVersion;
    IJavaVmHost* m_vmHost = nullptr;

    CString m_libraryGuid;
    CString m_projectGuid2;
    CString m_projectGuid3;
    CString m_classPath;
    CString m_libraryName;
    CString m_libraryComment;
    CString m_outputFolder;
    CString m_specFilePath;
    bool m_jarMode = false;

private:
    void BuildBuiltInMembers();
    void NumberExceptionClasses();
    // Keeps the class under its name; `link` points its type handler at it.
    void StoreClass(CJavaClassSpec* javaClass, bool link = true);
    void DeleteClasses();

    std::vector<CBuiltInMember> m_builtInMembers;
    std::vector<CString> m_classNames;
    std::map<std::string, std::unique_ptr<CJavaClassSpec>> m_classes;
};
