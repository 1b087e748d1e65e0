// Fuzz entry of the .c2j loader (every version): any bytes either fail with
// one of the loader's messages, or load into a document that saves and
// loads again to the same document, whose second save writes the bytes of
// the first.
#include "C2jSpecification.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"

namespace {


// A stream over the bytes; the platform's C library has no memory streams.
FILE* ReadStream(const std::string& bytes) {
    FILE* file = std::tmpfile();
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    std::rewind(file);
    return file;
}

std::string Saved(CC2jSpecification& document) {
    FILE* file = std::tmpfile();
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(document.Save(file));
    std::string bytes;
    std::rewind(file);
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}

bool Load(CC2jSpecification& document, const std::string& bytes, CString& error) {
    FILE* file = ReadStream(bytes);
    bool loaded = document.Load(file, error);
    std::fclose(file);
    return loaded;
}

void Put(std::string& out, const CString& text) {
    out += std::to_string(text.GetLength()) + ":" + text.str() + ";";
}

void PutType(std::string& out, const CJavaTypeHandler* type) {
    FUZZ_CHECK(type != nullptr);
    out += std::to_string(type->GetTypeCode()) + "/";
    Put(out, type->GetClassName());
}

// Everything the file carries, in one text (the file's version aside: a
// saved file is always of the newest).
std::string Describe(const CC2jSpecification& d) {
    std::string out;
    for (const CString* text : {&d.m_classPath, &d.m_libraryName, &d.m_libraryComment, &d.m_libraryGuid,
                                &d.m_projectGuid2, &d.m_projectGuid3, &d.m_outputFolder, &d.m_specFilePath})
        Put(out, *text);
    out += d.m_jarMode ? "jar;" : "classes;";
    for (const CString& name : d.GetClassNames()) {
        const CJavaClassSpec* c = d.GetClass(name);
        FUZZ_CHECK(c != nullptr && c->m_javaClassName == name);
        Put(out, c->m_javaClassName);
        Put(out, c->m_jniClassName);
        out += std::to_string(c->m_includeInherited) + "," + std::to_string(c->m_exceptionOrder) + "," +
               std::to_string(c->m_visual) + "," + std::to_string(c->m_isInterface) + "," +
               std::to_string(c->m_eventInterface) + ";";
        for (const CString* text : {&c->m_interfaceGuid1, &c->m_comObjectName, &c->m_comment, &c->m_classGuid1,
                                    &c->m_classGuid2, &c->m_interfaceGuid2, &c->m_interfaceGuid3})
            Put(out, *text);
        for (const MethodGroup* group : {&c->m_constructors, &c->m_methods, &c->m_staticMethods}) {
            out += "methods " + std::to_string(group->size()) + ";";
            for (const auto& m : *group) {
                out += std::to_string(m->m_selected) + std::to_string(m->m_static) + std::to_string(m->m_supported) +
                       std::to_string(m->m_constructor);
                Put(out, m->m_javaName);
                Put(out, m->m_comName);
                Put(out, m->m_comment);
                PutType(out, m->m_returnType);
                FUZZ_CHECK(m->m_parameterNames.size() == m->m_parameterTypes.size());
                for (size_t i = 0; i < m->m_parameterTypes.size(); ++i) {
                    Put(out, m->m_parameterNames[i]);
                    PutType(out, m->m_parameterTypes[i]);
                }
            }
        }
        for (const FieldGroup* group : {&c->m_fields, &c->m_staticFields}) {
            out += "fields " + std::to_string(group->size()) + ";";
            for (const auto& f : *group) {
                out += std::to_string(f->m_selected) + std::to_string(f->m_static) + std::to_string(f->m_supported) +
                       std::to_string(f->m_readOnly);
                Put(out, f->m_javaName);
                Put(out, f->m_comName);
                Put(out, f->m_comment);
                PutType(out, f->m_type);
            }
        }
    }
    return out;
}

const char* const kMessages[] = {"Incorrect file type",
                                 "File has been saved by a newer (incompatible) version of Brivel",
                                 "File format is too old",
                                 "Unexpected end of file",
                                 "Unexpected end of file while reading string data",
                                 "Unexpected eof at start of file",
                                 "Unexpected eof while reading class definition",
                                 "Error reading data type from file",
                                 "No classes defined in file"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CString error;
    {
        CC2jSpecification loaded;
        if (!Load(loaded, bytes, error)) {
            bool known = false;
            for (const char* message : kMessages) known = known || error == message;
            FUZZ_CHECK(known);
            return 0;
        }
        FUZZ_CHECK(error.IsEmpty());
        FUZZ_CHECK(loaded.m_version >= CC2jSpecification::kOldestFileVersion &&
              loaded.m_version <= CC2jSpecification::kFileVersion);
        FUZZ_CHECK(!loaded.GetClassNames().empty());

        const std::string first = Saved(loaded);  // creates the library GUID when the file had none
        CC2jSpecification again;
        FUZZ_CHECK(Load(again, first, error));
        FUZZ_CHECK(again.m_version == CC2jSpecification::kFileVersion);
        FUZZ_CHECK(Describe(again) == Describe(loaded));
        FUZZ_CHECK(Saved(again) == first);
    }
    return 0;
}
