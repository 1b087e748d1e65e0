// What the class list page does to the project, without a window: adding
// one class (loaded, reflected and named for COM), changing a class's
// properties, removing classes, and the COM names and parameters the
// methods dialog renames. The project's COM object names are one scope
// (`objectNames`, the VM host's); each class is the scope of its members'.
#pragma once

#include <vector>

#include "BrvString.h"
#include "ClassListRules.h"

class CC2jSpecification;
class CComNameSet;
class CJavaClassSpec;

class CClassListModel {
public:
    CClassListModel(CC2jSpecification& spec, CComNameSet& objectNames) : m_spec(spec), m_objectNames(objectNames) {}

    // Loads and reflects one class and gives it a unique COM name made from
    // `comName`. Null with the message when the class is in the project
    // already, cannot be loaded, or its reflection reports an error (the
    // class then stays unlisted).
    CJavaClassSpec* AddClass(const CString& classPath, const CString& className, bool includeInherited,
                             const CString& comName, const CString& comment, bool visual, CString& message);

    // Adds and reflects the classes of a loaded project again with its saved
    // choices (CC2jSpecification::ReloadClasses); their COM object names
    // are then the ones taken in the object scope. False with the reasons
    // of the classes that could not come back.
    bool ReloadProject(const CC2jSpecification& saved, CString& errors);

    // Stores the properties dialog's values; a new COM name gives the old one
    // back to the scope and takes the new one as typed.
    void ApplyProperties(CJavaClassSpec& javaClass, const CString& comName, const CString& comment, bool visual);

    // Takes classes out of the project and gives their COM names back.
    void RemoveClasses(const std::vector<CJavaClassSpec*>& classes);

    // The question "Remove" asks for these class names.
    static CString RemoveQuestion(const std::vector<CString>& classNames);

    // A member's COM name changed in the methods dialog: unchanged (ignoring
    // case) does nothing and answers true; else the name must pass
    // ValidateComName in the class's scope (a field's accessor names too),
    // and it is taken as typed. False with the message.
    static bool RenameMember(CJavaClassSpec& javaClass, void* member, int kind, CString& comName,
                             const CString& newName, CString& message);

    // The classes of the project in list order.
    std::vector<CJavaClassSpec*> ListedClasses() const;

private:
    CC2jSpecification& m_spec;
    CComNameSet& m_objectNames;
};
