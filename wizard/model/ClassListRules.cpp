#include "ClassListRules.h"

#include "AsciiCharacters.h"
#include "ComNameSet.h"
#include "JavaClassSpec.h"
#include "JavaTypeHandler.h"

namespace {

bool IsNameCharacter(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_'; }

CString AfterLastDot(const CString& name) { return name.Mid(name.ReverseFind('.') + 1); }

bool EndsWithNoCase(const CString& text, const char* tail, int length) {
    return text.GetLength() >= length && text.Right(length).CompareNoCase(tail) == 0;
}

CString TypeName(const CJavaTypeHandler* handler) { return handler ? handler->GetShortName() : CString(); }

void AddGroup(std::vector<MemberEntry>& rows, const char* header, MethodGroup& group) {
    if (group.empty()) return;
    rows.push_back(MemberEntry{MemberEntry::kHeader, header});
    for (auto& method : group) {
        MemberEntry row;
        row.kind = method->m_supported ? MemberEntry::kAvailable : MemberEntry::kUnavailable;
        row.selection = &method->m_selected;
        row.method = method.get();
        row.text = MemberEntryText(row);
        rows.push_back(row);
    }
}

void AddGroup(std::vector<MemberEntry>& rows, const char* header, FieldGroup& group) {
    if (group.empty()) return;
    rows.push_back(MemberEntry{MemberEntry::kHeader, header});
    for (auto& field : group) {
        MemberEntry row;
        row.kind = field->m_supported ? MemberEntry::kAvailable : MemberEntry::kUnavailable;
        row.selection = &field->m_selected;
        row.field = field.get();
        row.text = MemberEntryText(row);
        rows.push_back(row);
    }
}

// Marks a type as used by a selected member; an array of objects uses its
// element class too.
void MarkReferenced(CJavaTypeHandler* handler) {
    if (!handler) return;
    handler->SetReferenced(true);
    if (auto* array = dynamic_cast<CObjectArrayTypeHandler*>(handler)) array->GetElementHandler()->SetReferenced(true);
}

}  // namespace

bool ValidateComName(const CString& name, const CComNameSet& names, CString& message) {
    using namespace class_list_text;
    if (name.IsEmpty()) {
        message = kEmptyName;
        return false;
    }
    if (name.GetAt(0) == '_' || IsAsciiDigit(name.GetAt(0))) {
        message = kBadNameStart;
        return false;
    }
    if (names.IsTaken(name)) {
        message = kDuplicateName;
        return false;
    }
    for (int i = 0; i < name.GetLength(); ++i) {
        if (!IsNameCharacter(name.GetAt(i))) {
            message = kInvalidCharacter;
            return false;
        }
    }
    return true;
}

bool CheckClassNameFields(const ClassNameFields& fields, const CComNameSet& objectNames, CString& message) {
    using namespace class_list_text;
    CString className = fields.className;
    className.Trim();
    if (className.IsEmpty()) {
        message = kEnterClassName;
        return false;
    }
    if (className == "java.lang.String" || className == "java.util.Date") {
        message = kBuiltInClass;
        return false;
    }
    const CString& comName = fields.comName;
    if (comName.IsEmpty()) {
        message = kNoObjectName;
        return false;
    }
    for (int i = 0; i < comName.GetLength(); ++i) {
        char c = comName.GetAt(i);
        if (i == 0 ? !IsAsciiLetter(c) : !IsNameCharacter(c)) {
            message = CString(kInvalidComNameCharacter) + c;
            return false;
        }
    }
    if (objectNames.IsTaken(comName) && comName.CompareNoCase(fields.originalComName) != 0) {
        message = kObjectNameConflict;
        return false;
    }
    return true;
}

CString ProposedObjectName(const CString& className, CComNameSet& objectNames) {
    CString shortName = AfterLastDot(className);
    if (shortName.IsEmpty()) return CString();
    return objectNames.MakeUniqueName(shortName, nullptr, kComNameNone, false);
}

std::vector<CString> JarChoices(const CString& classPath, char separator) {
    std::vector<CString> choices;
    int start = 0;
    while (start <= classPath.GetLength()) {
        int end = classPath.Find(separator, start);
        if (end < 0) end = classPath.GetLength();
        CString entry = classPath.Mid(start, end - start);
        start = end + 1;
        if (entry.GetLength() <= 4) continue;
        if (!EndsWithNoCase(entry, ".jar", 4) && !EndsWithNoCase(entry, ".zip", 4)) continue;
        // The product's own JAR ("brivel18.jar" and the like): the test reads
        // the last 12 characters, so a shorter entry has none to compare.
        if (entry.GetLength() >= 12 && entry.Right(12).Left(6).CompareNoCase("brivel") == 0) continue;
        choices.push_back(entry);
    }
    return choices;
}

std::vector<MemberEntry> BuildMemberEntries(CJavaClassSpec& javaClass) {
    std::vector<MemberEntry> rows;
    AddGroup(rows, "Constructors", javaClass.m_constructors);
    AddGroup(rows, "Methods", javaClass.m_methods);
    AddGroup(rows, "Fields", javaClass.m_fields);
    AddGroup(rows, "Static Methods", javaClass.m_staticMethods);
    AddGroup(rows, "Static Fields", javaClass.m_staticFields);
    return rows;
}

CString MemberEntryText(const MemberEntry& entry) {
    CString text;
    const CString* comment = nullptr;
    if (entry.method) {
        text = TypeName(entry.method->m_returnType) + " " + entry.method->m_comName;
        comment = &entry.method->m_comment;
    } else if (entry.field) {
        text = TypeName(entry.field->m_type) + " " + entry.field->m_comName;
        if (entry.field->m_readOnly) text += " (read-only)";
        comment = &entry.field->m_comment;
    } else {
        return entry.text;
    }
    if (!comment->IsEmpty()) text += "    // " + *comment;
    return text;
}

CString MemberDescription(const MemberEntry& entry) {
    using namespace class_list_text;
    if (entry.kind == MemberEntry::kHeader) return CString();
    const CString& error = entry.method ? entry.method->m_error : entry.field->m_error;
    if (entry.kind == MemberEntry::kUnavailable) return CString(kNotAvailable) + error;
    if (entry.method) return entry.method->m_constructor ? CString(kConstructor) : kJavaMethodName + entry.method->m_javaName;
    return kJavaFieldName + entry.field->m_javaName;
}

bool ClickToggles(const MemberEntry& entry, int x, int checkBoxWidth) {
    if (entry.kind != MemberEntry::kAvailable || !entry.selection) return false;
    return !(x > checkBoxWidth && *entry.selection);
}

bool CheckParameterRename(const CJavaMethodSpec& method, int selected, CString newName, const CComNameSet& names,
                          CString& message, int& index) {
    using namespace class_list_text;
    int count = method.GetParameterCount();
    if (count == 0) {
        message = kNoParameters;
        return false;
    }
    if (selected < 0 || selected >= count) {
        if (count > 1) {
            message = kSelectParameter;
            return false;
        }
        selected = 0;
    }
    newName.Trim();
    const CString& oldName = method.m_parameterNames[static_cast<size_t>(selected)];
    if (newName == oldName) return false;
    if (!ValidateComName(newName, names, message)) return false;
    for (int i = 0; i < count; ++i) {
        if (i != selected && method.m_parameterNames[static_cast<size_t>(i)].CompareNoCase(newName) == 0) {
            message = kNameExists;
            return false;
        }
    }
    index = selected;
    return true;
}

bool CheckClassesBeforeSaving(const std::vector<CJavaClassSpec*>& classes, CString& message) {
    using namespace class_list_text;
    if (classes.empty()) {
        message = kSelectClasses;
        return false;
    }
    ClearClassReferenceMarks();
    bool constructible = false;
    // Every class is examined, so that the references of all of them take
    // part in the test for classes that are used but not in the project.
    for (CJavaClassSpec* javaClass : classes) {
        bool selectedConstructor = false;
        for (MethodGroup* group : {&javaClass->m_constructors, &javaClass->m_methods, &javaClass->m_staticMethods}) {
            for (auto& method : *group) {
                if (!method->m_selected) continue;
                if (method->m_constructor) selectedConstructor = true;
                MarkReferenced(method->m_returnType);
                for (CJavaTypeHandler* parameter : method->m_parameterTypes) MarkReferenced(parameter);
            }
        }
        for (FieldGroup* group : {&javaClass->m_fields, &javaClass->m_staticFields})
            for (auto& field : *group)
                if (field->m_selected) MarkReferenced(field->m_type);
        if (selectedConstructor && javaClass->m_exceptionOrder == 0 && javaClass->m_isInterface == 0 &&
            javaClass->m_javaClassName.Left(5) != "java.")
            constructible = true;
    }
    if (!constructible) {
        message = kNoConstructor;
        return false;
    }
    std::vector<CString> undefined;
    if (!ListUndefinedReferencedClasses(undefined)) return true;
    if (undefined.size() == 1) {
        message = "The class \"" + undefined[0] + "\" is referenced but not defined.\nAdd it or remove the references.";
    } else {
        message = "The following classes are referenced but not defined.\nAdd them or remove the references.\n";
        for (const CString& name : undefined) message += "\n" + name;
    }
    return false;
}
