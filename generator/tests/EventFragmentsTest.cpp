// The event fragments of every mapper leave no local reference behind: each
// one that the fragments of an event parameter make is deleted by the time
// the event is handled. Sinks run on COM threads that stay attached to the
// VM, where no native frame ever ends to free what they leave, so a sink's
// references stay constant through any number of events only if every
// mapper keeps this rule.
#include "mappers/RecordTypeMappers.h"
#include "mappers/ShapeTypeMappers.h"
#include "mappers/StaticTypeMappers.h"
#include "TestJob.h"
#include "WrittenText.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// Calls that answer a new local reference.
const std::regex kReferenceCall(
    R"(\b(GetObjectClass|FindClass|brivelFindClass|NewObject|NewObjectArray|New[A-Z][a-z]+Array|NewStringUTF|NewString|)"
    R"(GetObjectField|GetObjectArrayElement|NewLocalRef|AllocObject|brivelVariantObject|brivelIntToEnumeratedObject|)"
    R"(brivel\w*To(Jobject|Jstr|JArray\w*|InterfaceObject))\s*\()");

// What `text` leaves behind: each local that holds more references than
// the text deletes (a local holds one for each assignment of a call's
// result to it; DeleteLocalRef, or for a global reference DeleteGlobalRef,
// takes one), and each reference that a call makes inline, as the argument
// of another call, where nothing can delete it.
std::vector<std::string> UndeletedReferences(const std::string& text) {
    // An assignment at the start of a statement, or after a condition or a
    // brace.
    static const std::regex assignment(
        R"((?:^|[{})])\s*(?:(jobject|jclass|jstring|jthrowable|jarray|j[a-z]+Array)\s+)?(\w+)\s*=\s*([^=].*)$)");
    static const std::regex call(R"(\w\s*\()");
    std::map<std::string, bool> referenceLocals;
    std::map<std::string, int> made;
    std::vector<std::string> undeleted;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(';', at);
        std::string statement = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        for (char& c : statement)
            if (c == '\n' || c == '\t') c = ' ';
        size_t calls = std::distance(std::sregex_iterator(statement.begin(), statement.end(), kReferenceCall),
                                     std::sregex_iterator());
        size_t kept = 0;
        std::smatch m;
        if (std::regex_search(statement, m, assignment)) {
            std::string name = m[2];
            if (m[1].matched) referenceLocals[name] = true;
            std::string value = m[3];
            if (referenceLocals.count(name) && std::regex_search(value, call)) {
                ++made[name];
                kept = 1;
            }
        }
        if (calls > kept) undeleted.push_back("made inline in:" + statement);
    }
    for (const auto& [name, count] : made) {
        std::regex deletion("Delete(Local|Global)Ref\\(\\s*" + name + "\\s*\\)");
        auto deletions = std::distance(std::sregex_iterator(text.begin(), text.end(), deletion), std::sregex_iterator());
        if (deletions < count)
            undeleted.push_back(name + " (made " + std::to_string(count) + ", deleted " + std::to_string(deletions) + ")");
    }
    return undeleted;
}

// The argument expression of a parameter passed by value, kept in a local
// and deleted after the call when it makes a Java object, as the sink
// writer does.
std::string AsWriterKeepsIt(CTypeMapper& mapper, const CString& expression) {
    CString type;
    mapper.GetJniType(type);
    if (!std::regex_search(expression.str(), kReferenceCall)) return "";
    return "\t\t" + type.str() + " eventArgValue_0 = " + expression.str() + ";\n"
           "\t\tif ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );\n";
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

// Checks every fragment sequence that a sink writes for one parameter of
// the mapper: by value through Invoke and through the virtual table, and
// for a by-reference parameter the holder sequence of both forms, as IN/OUT
// and as OUT-only.
void ExpectEveryReferenceDeleted(const char* what, CTypeMapper& mapper) {
    CString invokeArg, vtblArg;
    std::string invoke = Written([&](FILE* f) {
        mapper.EmitEventParam(CMapperCall(), 0, f);
        mapper.GetEventArgExpr(0, invokeArg);
        mapper.EmitEventCleanup(0, f);
    });
    invoke += AsWriterKeepsIt(mapper, invokeArg);
    EXPECT_EQ(Joined(UndeletedReferences(invoke)), "") << what << ", by value through Invoke:\n" << invoke;
    std::string vtbl = Written([&](FILE* f) {
        mapper.EmitVtblEventParam(CMapperCall(), 0, f);
        mapper.GetVtblEventArgExpr(0, vtblArg);
        mapper.EmitVtblEventCleanup(0, f);
    });
    vtbl += AsWriterKeepsIt(mapper, vtblArg);
    EXPECT_EQ(Joined(UndeletedReferences(vtbl)), "") << what << ", by value through the virtual table:\n" << vtbl;
    if (!mapper.IsByRefEventParam()) return;
    for (bool outOnly : {false, true}) {
        std::string holder, vtblHolder;
        {
            const CMapperCall call = CMapperCall::EventArgument(outOnly);
            holder = Written([&](FILE* f) {
                mapper.EmitEventArrayCreate(0, f);
                mapper.EmitEventArrayFillFromVariant(call, 0, f);
                mapper.EmitEventArrayPublish(0, f);
                mapper.EmitEventArrayReload(0, f);
                mapper.EmitEventArrayCopyToVariant(call, 0, f);
                mapper.EmitEventArrayRelease(0, f);
                mapper.EmitEventArrayDeleteRef(0, f);
            });
            vtblHolder = Written([&](FILE* f) {
                mapper.EmitEventArrayCreate(0, f);
                mapper.EmitEventArrayFillFromVtbl(call, 0, f);
                mapper.EmitEventArrayPublish(0, f);
                mapper.EmitEventArrayReload(0, f);
                mapper.EmitEventArrayCopyToVtbl(call, 0, f);
                mapper.EmitEventArrayRelease(0, f);
                mapper.EmitEventArrayDeleteRef(0, f);
            });
        }
        const char* form = outOnly ? "OUT-only" : "IN/OUT";
        EXPECT_EQ(Joined(UndeletedReferences(holder)), "") << what << ", " << form << " through Invoke:\n" << holder;
        EXPECT_EQ(Joined(UndeletedReferences(vtblHolder)), "") << what << ", " << form << " through the virtual table:\n"
                                                              << vtblHolder;
    }
}

}  // namespace

TEST(EventFragments, CheckFindsWhatIsNotDeleted) {
    EXPECT_EQ(Joined(UndeletedReferences("\t\tjclass c = env->FindClass( \"x\" );\n\t\tjobject o = 0;\n")),
              "c (made 1, deleted 0)");
    EXPECT_EQ(Joined(UndeletedReferences("\t\tjfieldID f = env->GetFieldID( env->GetObjectClass( h ), \"a\", \"I\" );\n")),
              "made inline in:  jfieldID f = env->GetFieldID( env->GetObjectClass( h ), \"a\", \"I\" )");
    EXPECT_EQ(Joined(UndeletedReferences("\t\tjobject e = f( a );\n\t\te = g( b );\n\t\tenv->DeleteLocalRef( e );\n")),
              "e (made 2, deleted 1)");
    EXPECT_EQ(Joined(UndeletedReferences("\t\tjobject r = env->NewGlobalRef( a );\n\t\tenv->DeleteGlobalRef( r );\n"
                                         "\t\tjobjectArray j = (jobjectArray) r;\n")),
              "");
}

TEST(EventFragments, ValueMappersDeleteEveryLocalReferenceTheyMake) {
    const std::pair<const char*, CTypeMapper*> mappers[] = {
        {"byte", &g_byteMapper},           {"byte by reference", &g_byteRefMapper},
        {"short", &g_shortMapper},         {"short by reference", &g_shortRefMapper},
        {"long", &g_longMapper},           {"long by reference", &g_longRefMapper},
        {"double", &g_doubleMapper},       {"double by reference", &g_doubleRefMapper},
        {"int64 by reference", &g_int64RefMapper},
        {"boolean", &g_boolMapper},        {"boolean by reference", &g_boolRefMapper},
        {"string", &g_stringMapper},       {"string by reference", &g_stringRefMapper},
        {"GUID", &g_guidMapper},           {"GUID by reference", &g_guidRefMapper},
        {"date", &g_dateMapper},           {"date by reference", &g_dateRefMapper},
        {"currency", &g_currencyMapper},   {"currency by reference", &g_currencyRefMapper},
        {"colour", &g_colorMapper},        {"colour by reference", &g_colorRefMapper},
        {"file time", &g_filetimeMapper},  {"file time by reference", &g_filetimeRefMapper},
        {"VARIANT", &g_variantMapper},     {"VARIANT by reference", &g_variantRefMapper},
        {"VARIANT level 0", &g_variantLevel0Mapper}, {"VARIANT level 1", &g_variantLevel1Mapper},
        {"VARIANT level 2", &g_variantLevel2Mapper},
        {"signed byte buffer", &g_signedByteBufferMapper}, {"byte buffer", &g_unsignedByteBufferMapper},
    };
    for (const auto& [what, mapper] : mappers) ExpectEveryReferenceDeleted(what, *mapper);
}

TEST(EventFragments, ObjectEnumerationAndInterfaceMappersDeleteEveryLocalReferenceTheyMake) {
    CTestJob job;
    CObjectTypeMapper invokeValue(&job, CObjectTypeMapper::kInvoke, 0), invokeRef(&job, CObjectTypeMapper::kInvoke, 1);
    CObjectTypeMapper vtblValue(&job, CObjectTypeMapper::kVtbl, 0), vtblRef(&job, CObjectTypeMapper::kVtbl, 1),
        vtblRefRef(&job, CObjectTypeMapper::kVtbl, 2);
    CEnumTypeMapper level(&job, "Level", 0), levelRef(&job, "Level", 1);
    CDispatchTypeMapper probe(&job, "IProbe", 0), probeRef(&job, "IProbe", 1);
    const std::pair<const char*, CTypeMapper*> mappers[] = {
        {"object (Invoke)", &invokeValue},    {"object by reference (Invoke)", &invokeRef},
        {"object (virtual table)", &vtblValue}, {"object by reference (virtual table)", &vtblRef},
        {"object through two pointers", &vtblRefRef},
        {"enumeration", &level},              {"enumeration by reference", &levelRef},
        {"interface", &probe},                {"interface by reference", &probeRef},
    };
    for (const auto& [what, mapper] : mappers) ExpectEveryReferenceDeleted(what, *mapper);
}

TEST(EventFragments, ArrayAndRecordArrayMappersDeleteEveryLocalReferenceTheyMake) {
    const std::pair<const char*, CSafeArrayMapperPair*> arrays[] = {
        {"long array", &g_i4SafeArrayMappers},   {"string array", &g_stringSafeArrayMappers},
        {"VARIANT array", &g_variantSafeArrayMappers}, {"date array", &g_dateSafeArrayMappers},
        {"boolean array", &g_boolSafeArrayMappers},
    };
    for (const auto& [what, pair] : arrays) {
        ExpectEveryReferenceDeleted(what, pair->byValue);
        ExpectEveryReferenceDeleted((std::string(what) + " by reference").c_str(), pair->byRef);
    }
    CTestJob job;
    CEnumTypeMapper level(&job, "Level", 0);
    CDispatchTypeMapper probe(&job, "IProbe", 0);
    CSafeArrayMapperPair levels(&level), probes(&probe);
    ExpectEveryReferenceDeleted("enumeration array by reference", levels.byRef);
    ExpectEveryReferenceDeleted("interface array by reference", probes.byRef);

    CRecordEntry record;
    record.javaName = "Spot";
    record.size = 8;
    record.firstDetailRow = 0;
    record.fields.resize(2);
    record.fields[0].mapper = &g_longMapper;
    record.fields[1].mapper = &g_longMapper;
    CRecordTypeMapper element(&job, &record, false, 0);
    CRecordArrayTypeMapper records(&element, false), recordsRef(&element, true);
    ExpectEveryReferenceDeleted("record array", records);
    ExpectEveryReferenceDeleted("record array by reference", recordsRef);
}
