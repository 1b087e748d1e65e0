// Fuzz entry of the type names that reflection reads out of class files
// (java.lang.Class.getName of a parameter, return or field type, after its
// turn into ANSI): the input's NUL-separated parts are such names. What must
// hold for any name:
// - it resolves to a handler, the same one each time;
// - a supported type leaves `supported` and the error text alone, writes a
//   type record that reads back as the same handler (a project that holds
//   it saves and loads again), and an object type's JNI signature is the
//   name in slashed form inside "L...;" (one "[" more for an array);
// - an unsupported type clears `supported`, says why, and has no file code.
#include "JavaTypeHandler.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzCheck.h"

namespace {

const char kUntouched[] = "(untouched)";

std::string Slashed(std::string name) {
    for (char& c : name)
        if (c == '.') c = '/';
    return name;
}

// The handler a type record of this handler reads back as. One file serves
// every record (a file made per name cost most of the run's time).
CJavaTypeHandler* WrittenAndReadBack(const CJavaTypeHandler* handler) {
    static FILE* const file = std::tmpfile();
    FUZZ_CHECK(file != nullptr);
    std::rewind(file);
    FUZZ_CHECK(handler->WriteToSpecFile(file));
    const long written = std::ftell(file);
    std::rewind(file);
    CJavaTypeHandler* read = ReadTypeFromSpecFile(file);
    FUZZ_CHECK(std::ftell(file) == written);  // the record read whole
    return read;
}

void Resolve(const std::string& name) {
    bool supported = true;
    CString error(kUntouched);
    CJavaTypeHandler* handler = ResolveJavaTypeHandler(name.c_str(), supported, error);
    FUZZ_CHECK(handler != nullptr);
    bool again = true;
    CString why;
    FUZZ_CHECK(ResolveJavaTypeHandler(name.c_str(), again, why) == handler);
    FUZZ_CHECK(again == supported);

    if (!supported) {
        FUZZ_CHECK(!error.IsEmpty() && error != kUntouched);
        FUZZ_CHECK(handler->GetTypeCode() == 0);
        return;
    }
    FUZZ_CHECK(error == kUntouched);
    FUZZ_CHECK(handler->GetTypeCode() != 0);
    FUZZ_CHECK(WrittenAndReadBack(handler) == handler);

    if (handler->GetTypeCode() == kTypeObject) {
        FUZZ_CHECK(handler->GetClassName().str() == name);
        FUZZ_CHECK(handler->GetJniSignature().str() == "L" + Slashed(name) + ";");
    } else if (handler->GetTypeCode() == kTypeObjectArray) {
        const std::string element = handler->GetClassName().str();
        FUZZ_CHECK(name == "[L" + element + ";");
        FUZZ_CHECK(handler->GetJniSignature().str() == "[L" + Slashed(element) + ";");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string name;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            Resolve(name);
            name.clear();
        } else {
            name += static_cast<char>(data[i]);
        }
    }
    // Handlers otherwise live as long as the process: without this a long
    // run would hold one for every name it ever tried.
    ForgetCreatedTypeHandlers();
    return 0;
}
