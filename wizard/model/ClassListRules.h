// The rules and texts of the class list page and its two dialogs that hold
// no window: the COM naming rule, the checks of the class name dialog, the
// JAR files it offers, the member check list's entries and texts, renaming
// a parameter, and the checks before the project is saved.
#pragma once

#include <vector>

#include "BrvString.h"

class CC2jSpecification;
class CComNameSet;
class CJavaClassSpec;
class CJavaFieldSpec;
class CJavaMethodSpec;

namespace class_list_text {

constexpr const char* kEmptyName = "Empty name";
constexpr const char* kBadNameStart = "Name must not start with an underscore or digit";
constexpr const char* kDuplicateName = "Duplicate name.  Please use unique names.";
constexpr const char* kInvalidCharacter = "Invalid character in name";

constexpr const char* kEnterClassName = "Please enter class name";
constexpr const char* kBuiltInClass = "This class cannot be added because it has built-in support!";
constexpr const char* kNoObjectName = "No Object name";
constexpr const char* kInvalidComNameCharacter = "Invalid Character in COM name: ";
constexpr const char* kObjectNameConflict = "Object Name conflict";
constexpr const char* kNotVisual = "This class is not an AWT/Swing class, cannot be displayed visually";
constexpr const char* kNoJarInClassPath = "No JAR or ZIP files found in CLASSPATH specified.";
constexpr const char* kSelectJar = "Please select jar file";
// The class is in the project already (its list entry stays the one).
constexpr const char* kClassAlreadyAdded = "The class \"%s\" has already been added.";

constexpr const char* kJarLoaded =
    "The JAR file has been loaded.  Since JAR files do not include parameter names or comments, it is suggested "
    "that the methods/fields be reviewed for parameter names and comments.";
constexpr const char* kOnePropertiesClass = "Please only select one class to specify properties";
constexpr const char* kOneMethodsClass = "Please only select one class to specify methods";
constexpr const char* kRemoveClassQuestion = "Remove class ";
constexpr const char* kRemoveClassesQuestion = "Are you sure you want to remove all these classes?";

constexpr const char* kNoParameters = "There are no parameters to change";
constexpr const char* kSelectParameter = "Please select a parameter name to change first";
constexpr const char* kNameExists = "Name Exists";
constexpr const char* kNotAvailable = "This method is not available.\r\n\r\n";
constexpr const char* kConstructor = "Constructor";
constexpr const char* kJavaMethodName = "Java method name:     ";
constexpr const char* kJavaFieldName = "Java field name:     ";

constexpr const char* kSelectClasses = "Please select one or more Java classes!";
constexpr const char* kNoConstructor =
    "There are no constructors selected.  Java objects cannot be created without a constructorl.  Please select "
    "at least one constructor as a starting point!";

}  // namespace class_list_text

// The COM naming rule for COM names and parameter names; false with the
// message of the first rule the name breaks.
bool ValidateComName(const CString& name, const CComNameSet& names, CString& message);

// The fields of the class name dialog for one class.
struct ClassNameFields {
    CString className;
    CString comName;
    CString originalComName;  // the class's COM name when the dialog opened (properties)
};

// The dialog's checks for one class, in their order, up to the one that
// needs the VM (embedding); false with the message.
bool CheckClassNameFields(const ClassNameFields& fields, const CComNameSet& objectNames, CString& message);

// The COM name the dialog proposes for a class name: the unique name made
// from the part after the last '.', without taking it; empty for an empty
// class name.
CString ProposedObjectName(const CString& className, CComNameSet& objectNames);

// The JAR and ZIP files of a class path (entries split at `separator`) that
// the dialog offers: longer than four characters, ending with ".jar" or
// ".zip", and not the product's own ("brivel..." in the last 12
// characters).
std::vector<CString> JarChoices(const CString& classPath, char separator);

// One row of the member check list.
struct MemberEntry {
    enum Kind { kHeader, kAvailable, kUnavailable };
    Kind kind = kHeader;
    CString text;
    bool* selection = nullptr;  // the member's selection; null for headers
    CJavaMethodSpec* method = nullptr;
    CJavaFieldSpec* field = nullptr;
};

// The rows of a class: the groups "Constructors", "Methods", "Fields",
// "Static Methods", "Static Fields", each with a header, when not empty.
std::vector<MemberEntry> BuildMemberEntries(CJavaClassSpec& javaClass);
// A row's text: result (or field) type, a blank, the COM name, " (read-only)"
// for a final field, and "    // " with the comment when there is one.
CString MemberEntryText(const MemberEntry& entry);
// What the dialog shows for a selected row: the Java name, or why the member
// is not available.
CString MemberDescription(const MemberEntry& entry);
// Whether a click at `x` in a row toggles its selection: never for headers
// and unavailable members; a click right of the check box on a checked row
// only selects it.
bool ClickToggles(const MemberEntry& entry, int x, int checkBoxWidth);

// Renaming parameter `selected` (-1: none) of a method to `newName`. False
// with the message when refused, false without one when nothing changes;
// true with the parameter's index when the name may be stored.
bool CheckParameterRename(const CJavaMethodSpec& method, int selected, CString newName, const CComNameSet& names,
                          CString& message, int& index);

// The class list page's checks before going on: at least one class, a
// constructible class among them, and every class that selected members
// use in the project. False with the message.
bool CheckClassesBeforeSaving(const std::vector<CJavaClassSpec*>& classes, CString& message);
