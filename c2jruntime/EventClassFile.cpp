#include "EventClassFile.h"

#include "ClassFileWriter.h"
#include "NameMap.h"

namespace brivel::c2j {

namespace {
const char kSinkField[] = "brivelTavoObject";
const char kInt[] = "I";
const char kInit[] = "<init>";
const char kNoArguments[] = "()V";
const char kCode[] = "Code";
const char kObject[] = "java/lang/Object";
const char kSourceFile[] = "SourceFile";

const uint16_t kMajorVersion = 46;
const uint16_t kPublicFinalSuper = 0x0015;
const uint16_t kPrivate = 0x0002;
const uint16_t kPublic = 0x0001;
const uint16_t kPublicNative = 0x0101;
const uint16_t kFirstText = 5;  // #1 to #4 are fixed
const uint16_t kMaxCount = 0xFFFF;

// The constructor: aload_0; invokespecial #1 (Object.<init>); return.
const uint8_t kConstructorCode[] = {0x2A, 0xB7, 0x00, 0x01, 0xB1};

std::string SourceFileName(const std::string& className) {
    return className.substr(className.rfind('/') + 1) + ".java";
}

bool IsConstructor(const EventMethod& method) { return method.name == kInit; }

// Method names other than "<init>" hold neither '<' nor '>' in a class file.
// A class loader that checks nothing (the bootstrap loader of the platform's
// interfaces) would otherwise take a "<clinit>" without code, and the VM
// would run it.
bool IsMethodName(const std::string& name) {
    return name == kInit || name.find_first_of("<>") == std::string::npos;
}
}  // namespace

bool WriteEventClassFile(const std::string& className, const std::string& interfaceName,
                         const std::vector<EventMethod>& methods, std::vector<uint8_t>& bytes) {
    bytes.clear();
    const std::string sourceFile = SourceFileName(className);

    // The texts in the order of their first use; the map's newest-first
    // iteration then gives the last new text #5.
    NameMap<uint16_t> texts;
    for (const char* text : {kSinkField, kInt, kInit, kNoArguments, kCode, className.c_str(),
                             interfaceName.c_str(), kObject, kSourceFile, sourceFile.c_str()})
        texts.FindOrAdd(text);
    size_t declared = 0;
    for (const EventMethod& method : methods) {
        texts.FindOrAdd(method.name.c_str());
        texts.FindOrAdd(method.signature.c_str());
        if (!IsMethodName(method.name)) return false;
        if (!IsConstructor(method)) ++declared;
    }
    const size_t distinct = static_cast<size_t>(texts.Count());
    // The pool's count is one more than its last entry, N + 5.
    if (distinct + 6 > kMaxCount || declared + 1 > kMaxCount) return false;
    uint16_t number = kFirstText;
    for (auto* node = texts.First(); node; node = node->Next()) node->Set(number++);
    const uint16_t initNameAndType = number;
    auto at = [&](const std::string& text) {
        uint16_t n = 0;
        texts.Find(text.c_str(), &n);
        return n;
    };

    ClassFileWriter out;
    out.Header(kMajorVersion);
    out.U2(static_cast<uint16_t>(distinct + 6));
    out.MethodrefEntry(3, initNameAndType);
    out.ClassEntry(at(className));
    out.ClassEntry(at(kObject));
    out.ClassEntry(at(interfaceName));
    for (auto* node = texts.First(); node; node = node->Next())
        if (!out.Utf8(node->Key())) return false;
    out.NameAndTypeEntry(at(kInit), at(kNoArguments));

    out.U2(kPublicFinalSuper);
    out.U2(2);  // this class
    out.U2(3);  // super class
    out.U2(1);  // one interface
    out.U2(4);

    out.U2(1);  // one field
    out.U2(kPrivate);
    out.U2(at(kSinkField));
    out.U2(at(kInt));
    out.U2(0);

    // The constructor, then every other method. (Counted from what is
    // written: a descriptor with more than one "<init>" still gives a count
    // that matches.)
    out.U2(static_cast<uint16_t>(declared + 1));
    out.U2(kPublic);
    out.U2(at(kInit));
    out.U2(at(kNoArguments));
    out.U2(1);
    size_t code = out.BeginAttribute(at(kCode));
    out.U2(1);  // max stack
    out.U2(1);  // max locals
    out.U4(sizeof kConstructorCode);
    out.Bytes(kConstructorCode, sizeof kConstructorCode);
    out.U2(0);  // exception table
    out.U2(0);  // attributes
    out.EndAttribute(code);
    for (const EventMethod& method : methods) {
        if (IsConstructor(method)) continue;
        out.U2(kPublicNative);
        out.U2(at(method.name));
        out.U2(at(method.signature));
        out.U2(0);
    }

    out.U2(1);  // one class attribute
    size_t source = out.BeginAttribute(at(kSourceFile));
    out.U2(at(sourceFile));
    out.EndAttribute(source);
    bytes = out.Take();
    return true;
}

}  // namespace brivel::c2j
