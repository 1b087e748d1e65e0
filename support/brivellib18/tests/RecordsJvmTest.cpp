// Record conversions of the runtime library on the real i386 VM, called as
// generated bridges call them, with record tables in the layout that the
// bridges write: direct records with every kind of field, records through
// an IRecordInfo, arrays of records, and the failures.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "BridgeTableRows.h"
#include "FakeRecordInfo.h"
#include "TestJvm.h"
#include "brivellib18.h"

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

namespace {
// The COM side of rectest.Point and rectest.Shape.
struct PointRec {
    LONG x;
    LONG y;
};
struct ShapeRec {
    SHORT s;
    VARIANT_BOOL flag;
    LONG colour;
    double d;
    LONGLONG big;
    BSTR name;
    DATE when;
    VARIANT any;
    PointRec origin;
    PointRec* corner;
    LONG codes[3];
    BSTR tags[2];
    IUnknown* peer;
    GUID id;
};

const GUID kLibrary = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00}};
const GUID kPointGuid = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01}};
struct {
    const GUID* libGuid;
    ULONG verMajor;
    ULONG verMinor;
} library = {&kLibrary, 1, 0};

BridgeFixedArrayShape fixedArrays[] = {{VT_I4, 3}, {VT_BSTR, 2}};

BridgeRecordField details[] = {
    {VT_I4, offsetof(PointRec, x), L"x", "x", "I", "int", 0},
    {VT_I4, offsetof(PointRec, y), L"y", "y", "I", "int", 0},
    {VT_I2, offsetof(ShapeRec, s), L"s", "s", "S", "short", 0},
    {VT_BOOL, offsetof(ShapeRec, flag), L"flag", "flag", "Z", "boolean", 0},
    {(VARTYPE)231, offsetof(ShapeRec, colour), L"colour", "colour", "Lrectest/Colour;", "rectest/Colour", 0},
    {VT_R8, offsetof(ShapeRec, d), L"d", "d", "D", "double", 0},
    {VT_I8, offsetof(ShapeRec, big), L"big", "big", "J", "long", 0},
    {VT_BSTR, offsetof(ShapeRec, name), L"name", "name", "Ljava/lang/String;", "String", 0},
    {VT_DATE, offsetof(ShapeRec, when), L"when", "when", "Ljava/util/Date;", "java/util/Date", 0},
    {VT_VARIANT, offsetof(ShapeRec, any), L"any", "any", "Lbrivel/TavoVariant;", "brivel/TavoVariant", 0},
    {VT_RECORD, offsetof(ShapeRec, origin), L"origin", "origin", "Lrectest/Point;", "rectest/Point", 0},
    {VT_BYREF | VT_RECORD, offsetof(ShapeRec, corner), L"corner", "corner", "Lrectest/Point;", "rectest/Point", 0},
    {VT_CARRAY, offsetof(ShapeRec, codes), L"codes", "codes", "[I", "int[]", 0},
    {VT_CARRAY, offsetof(ShapeRec, tags), L"tags", "tags", "[Ljava/lang/String;", "String[]", 0},
    {VT_UNKNOWN, offsetof(ShapeRec, peer), L"peer", "peer", "Lbrivel/TavoObject;", "brivel/TavoObject", 0},
    {VT_CLSID, offsetof(ShapeRec, id), L"id", "id", "Ljava/lang/String;", "String", 0},
    // rectest.Broken: its class has "name" but not "missing".
    {VT_BSTR, 0, L"name", "name", "Ljava/lang/String;", "String", 0},
    {VT_I4, 4, L"missing", "missing", "I", "int", 0},
    // A field type that records do not carry.
    {VT_LPSTR, 0, L"name", "name", "Ljava/lang/String;", "String", 0},
};
BridgeRecordField* const pointFields = &details[0];
BridgeRecordField* const shapeFields = &details[2];
const int kShapeFieldCount = 14;
BridgeRecordField* const brokenFields = &details[16];
BridgeRecordField* const lpstrFields = &details[18];

BridgeRecordType recordTypes[] = {
    {&kPointGuid, sizeof(PointRec), "rectest/Point", &details[0], 2},
    {0, sizeof(ShapeRec), "rectest/Shape", &details[2], kShapeFieldCount},
};

// The load hook's part: register the tables and link nested records and
// fixed arrays.
void RegisterTables() {
    static bool done = false;
    if (done) return;
    done = true;
    brivelRegisterRecordTypes(&library, recordTypes, 2);
    details[10].extraData = &recordTypes[0];
    details[11].extraData = &recordTypes[0];
    details[12].extraData = &fixedArrays[0];
    details[13].extraData = &fixedArrays[1];
}

JNIEnv* Jvm() {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR, RECORD_CLASSES_JAR}, BRIVEL_LIBRARY_DIR);
    if (env) brivelInitThread(env);
    RegisterTables();
    return env;
}

// A COM object that counts its references.
class Counted : public IUnknown {
public:
    LONG references = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
};

// The record information of PointRec, as a type library would give it.
class PointInfo : public brivel::testing::FakeRecordInfo {
public:
    PointInfo() : FakeRecordInfo(sizeof(PointRec), &kPointGuid) {}
};

jobject NewObject(JNIEnv* env, const char* className) {
    jclass cls = env->FindClass(className);
    return env->NewObject(cls, env->GetMethodID(cls, "<init>", "()V"));
}
jobject NewPoint(JNIEnv* env, int x, int y) {
    jclass cls = env->FindClass("rectest/Point");
    return env->NewObject(cls, env->GetMethodID(cls, "<init>", "(II)V"), x, y);
}
jfieldID Field(JNIEnv* env, jobject obj, const char* name, const char* sig) {
    return env->GetFieldID(env->GetObjectClass(obj), name, sig);
}
jobject ObjectField(JNIEnv* env, jobject obj, const char* name, const char* sig) {
    return env->GetObjectField(obj, Field(env, obj, name, sig));
}
int IntField(JNIEnv* env, jobject obj, const char* name) {
    return env->GetIntField(obj, Field(env, obj, name, "I"));
}
std::string Text(JNIEnv* env, jobject s) {
    if (!s) return "<null>";
    const char* chars = env->GetStringUTFChars(static_cast<jstring>(s), nullptr);
    std::string out = chars;
    env->ReleaseStringUTFChars(static_cast<jstring>(s), chars);
    return out;
}
std::u16string Wide(BSTR b) {
    return b ? std::u16string(reinterpret_cast<const char16_t*>(b), SysStringLen(b)) : u"<null>";
}
void CallVoid(JNIEnv* env, jobject obj, const char* method) {
    env->CallVoidMethod(obj, env->GetMethodID(env->GetObjectClass(obj), method, "()V"));
    EXPECT_FALSE(env->ExceptionCheck()) << method;
}

// A Shape with every field set from Java.
jobject FilledShape(JNIEnv* env, Counted* peer) {
    jobject shape = NewObject(env, "rectest/Shape");
    env->SetShortField(shape, Field(env, shape, "s", "S"), -7);
    env->SetBooleanField(shape, Field(env, shape, "flag", "Z"), JNI_TRUE);
    jclass colour = env->FindClass("rectest/Colour");
    jobject blue = env->GetStaticObjectField(colour, env->GetStaticFieldID(colour, "Blue", "Lrectest/Colour;"));
    env->SetObjectField(shape, Field(env, shape, "colour", "Lrectest/Colour;"), blue);
    env->SetDoubleField(shape, Field(env, shape, "d", "D"), 2.5);
    env->SetLongField(shape, Field(env, shape, "big", "J"), 0x123456789LL);
    env->SetObjectField(shape, Field(env, shape, "name", "Ljava/lang/String;"), env->NewStringUTF("Gr\xc3\xbc\xc3\x9f"));
    env->SetObjectField(shape, Field(env, shape, "when", "Ljava/util/Date;"), brivelDateToJobject(env, 40000.5));
    jclass variant = env->FindClass("brivel/TavoVariant");
    jobject any = env->NewObject(variant, env->GetMethodID(variant, "<init>", "(I)V"), 99);
    env->SetObjectField(shape, Field(env, shape, "any", "Lbrivel/TavoVariant;"), any);
    env->SetObjectField(shape, Field(env, shape, "origin", "Lrectest/Point;"), NewPoint(env, 1, 2));
    env->SetObjectField(shape, Field(env, shape, "corner", "Lrectest/Point;"), NewPoint(env, 3, 4));
    jintArray codes = static_cast<jintArray>(ObjectField(env, shape, "codes", "[I"));
    jint values[3] = {10, 20, 30};
    env->SetIntArrayRegion(codes, 0, 3, values);
    jobjectArray tags = static_cast<jobjectArray>(ObjectField(env, shape, "tags", "[Ljava/lang/String;"));
    env->SetObjectArrayElement(tags, 0, env->NewStringUTF("first"));
    env->SetObjectField(shape, Field(env, shape, "peer", "Lbrivel/TavoObject;"), brivelUnknownToJobject(env, peer));
    env->SetObjectField(shape, Field(env, shape, "id", "Ljava/lang/String;"),
                        env->NewStringUTF("{7E2E0000-0000-4000-8000-000000000042}"));
    return shape;
}
}  // namespace

TEST(RuntimeRecords, DirectRecordCarriesEveryFieldKindBothWaysAndIsFreedByItsClear) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    Counted peer;
    jobject shape = FilledShape(env, &peer);
    ASSERT_FALSE(env->ExceptionCheck());
    EXPECT_EQ(peer.references, 2);  // the Java object's own

    unsigned char buffer[sizeof(ShapeRec)];
    std::memset(buffer, 0, sizeof buffer);
    jfieldID ids[kShapeFieldCount];
    bool err = true;
    EXPECT_EQ(brivelDirectCopyJObjectToComRecord(env, shape, buffer, kShapeFieldCount, shapeFields, ids, &err), buffer);
    ASSERT_FALSE(err);
    ASSERT_FALSE(env->ExceptionCheck());
    ShapeRec* rec = reinterpret_cast<ShapeRec*>(buffer);
    EXPECT_EQ(rec->s, -7);
    EXPECT_EQ(rec->flag, VARIANT_TRUE);
    EXPECT_EQ(rec->colour, 2);
    EXPECT_EQ(rec->d, 2.5);
    EXPECT_EQ(rec->big, 0x123456789LL);
    EXPECT_EQ(Wide(rec->name), u"Gr\u00fc\u00df");
    EXPECT_DOUBLE_EQ(rec->when, 40000.5);
    EXPECT_EQ(V_VT(&rec->any), VT_I4);
    EXPECT_EQ(V_I4(&rec->any), 99);
    EXPECT_EQ(rec->origin.x, 1);
    EXPECT_EQ(rec->origin.y, 2);
    ASSERT_NE(rec->corner, nullptr);
    EXPECT_EQ(rec->corner->y, 4);
    EXPECT_EQ(rec->codes[2], 30);
    EXPECT_EQ(Wide(rec->tags[0]), u"first");
    EXPECT_EQ(rec->tags[1], nullptr);
    EXPECT_EQ(rec->peer, static_cast<IUnknown*>(&peer));
    EXPECT_EQ(peer.references, 3);  // the record's own
    EXPECT_EQ(rec->id.Data4[7], 0x42);
    EXPECT_NE(ids[0], nullptr);

    // The callee changes the record; the OUT copy fills the same object, its
    // fixed array in place.
    jobject codesBefore = ObjectField(env, shape, "codes", "[I");
    rec->s = 12;
    rec->flag = VARIANT_FALSE;
    rec->colour = 0;
    SysFreeString(rec->name);
    rec->name = SysAllocString(L"changed");
    rec->origin.y = 22;
    rec->corner->x = 33;
    rec->codes[0] = -1;
    SysFreeString(rec->tags[0]);
    rec->tags[0] = nullptr;
    rec->tags[1] = SysAllocString(L"second");
    brivelDirectCopyComRecordToJObject(env, buffer, shape, kShapeFieldCount, shapeFields, ids);
    ASSERT_FALSE(env->ExceptionCheck());
    EXPECT_EQ(env->GetShortField(shape, Field(env, shape, "s", "S")), 12);
    EXPECT_FALSE(env->GetBooleanField(shape, Field(env, shape, "flag", "Z")));
    jobject colour = ObjectField(env, shape, "colour", "Lrectest/Colour;");
    EXPECT_EQ(brivelEnumeratedObjectToInt(env, colour), 0);
    EXPECT_EQ(Text(env, ObjectField(env, shape, "name", "Ljava/lang/String;")), "changed");
    EXPECT_EQ(IntField(env, ObjectField(env, shape, "origin", "Lrectest/Point;"), "y"), 22);
    EXPECT_EQ(IntField(env, ObjectField(env, shape, "corner", "Lrectest/Point;"), "x"), 33);
    jobject codesAfter = ObjectField(env, shape, "codes", "[I");
    EXPECT_TRUE(env->IsSameObject(codesBefore, codesAfter));
    jint code0 = 0;
    env->GetIntArrayRegion(static_cast<jintArray>(codesAfter), 0, 1, &code0);
    EXPECT_EQ(code0, -1);
    jobjectArray tags = static_cast<jobjectArray>(ObjectField(env, shape, "tags", "[Ljava/lang/String;"));
    EXPECT_EQ(Text(env, env->GetObjectArrayElement(tags, 0)), "<null>");
    EXPECT_EQ(Text(env, env->GetObjectArrayElement(tags, 1)), "second");
    EXPECT_EQ(Text(env, ObjectField(env, shape, "id", "Ljava/lang/String;")),
              "{7E2E0000-0000-4000-8000-000000000042}");

    // A new object from the record: copies, with its own COM reference.
    jfieldID retIds[kShapeFieldCount];
    jobject copy = brivelDirectComRecordToJobject(env, buffer, "rectest/Shape", shapeFields, kShapeFieldCount, &err,
                                                  retIds);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(err);
    EXPECT_EQ(peer.references, 4);
    jobject any = ObjectField(env, copy, "any", "Lbrivel/TavoVariant;");
    EXPECT_EQ(env->CallIntMethod(any, env->GetMethodID(env->GetObjectClass(any), "getInt", "()I")), 99);
    EXPECT_FALSE(env->ExceptionCheck());
    jobject when = ObjectField(env, copy, "when", "Ljava/util/Date;");
    EXPECT_DOUBLE_EQ(brivelJdateToDate(env, when), 40000.5);
    CallVoid(env, ObjectField(env, copy, "peer", "Lbrivel/TavoObject;"), "TavoRelease");
    EXPECT_EQ(peer.references, 3);

    // The clear frees what the record owns and leaves it zero.
    brivelClearDirectRecord(shapeFields, kShapeFieldCount, buffer);
    EXPECT_EQ(peer.references, 2);
    EXPECT_EQ(rec->name, nullptr);
    EXPECT_EQ(rec->corner, nullptr);
    EXPECT_EQ(rec->tags[1], nullptr);
    EXPECT_EQ(V_VT(&rec->any), VT_EMPTY);
    brivelClearDirectRecord(shapeFields, kShapeFieldCount, buffer);  // twice is harmless
    CallVoid(env, ObjectField(env, shape, "peer", "Lbrivel/TavoObject;"), "TavoRelease");
    EXPECT_EQ(peer.references, 1);
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST(RuntimeRecords, NullRecordsAndNullPointersCrossAsEmpty) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    unsigned char buffer[sizeof(ShapeRec)];
    std::memset(buffer, 0, sizeof buffer);
    jfieldID ids[kShapeFieldCount];
    bool err = true;
    // A null Java record leaves the zeroed record as it is.
    EXPECT_EQ(brivelDirectCopyJObjectToComRecord(env, nullptr, buffer, kShapeFieldCount, shapeFields, ids, &err), buffer);
    EXPECT_FALSE(err);
    // Empty fields come back as null objects and zero values, and the
    // record's fixed arrays keep their size.
    jobject shape = brivelDirectComRecordToJobject(env, buffer, "rectest/Shape", shapeFields, kShapeFieldCount, &err, ids);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(ObjectField(env, shape, "corner", "Lrectest/Point;"), nullptr);
    EXPECT_EQ(ObjectField(env, shape, "peer", "Lbrivel/TavoObject;"), nullptr);
    EXPECT_EQ(ObjectField(env, shape, "name", "Ljava/lang/String;"), nullptr);
    EXPECT_NE(ObjectField(env, shape, "origin", "Lrectest/Point;"), nullptr);
    EXPECT_EQ(env->GetArrayLength(static_cast<jarray>(ObjectField(env, shape, "tags", "[Ljava/lang/String;"))), 2);
    EXPECT_EQ(brivelDirectComRecordToJobject(env, nullptr, "rectest/Shape", shapeFields, kShapeFieldCount, &err, ids),
              nullptr);
    EXPECT_FALSE(err);
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST(RuntimeRecords, MissingFieldsAndUnsupportedTypesFailCleanly) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    jobject broken = NewObject(env, "rectest/Broken");
    env->SetObjectField(broken, Field(env, broken, "name", "Ljava/lang/String;"), env->NewStringUTF("kept?"));
    unsigned char buffer[16];
    std::memset(buffer, 0, sizeof buffer);
    jfieldID ids[2];
    bool err = false;
    EXPECT_EQ(brivelDirectCopyJObjectToComRecord(env, broken, buffer, 2, brokenFields, ids, &err), nullptr);
    EXPECT_TRUE(err);
    EXPECT_TRUE(brivelCheckFatalError(env)) << "the VM's error is the runtime's failure";
    EXPECT_EQ(TakePendingException(env).className, "java.lang.NoSuchFieldError");
    // The string stored before the failure was freed, not left behind.
    BSTR stored;
    std::memcpy(&stored, buffer, sizeof stored);
    EXPECT_EQ(stored, nullptr);

    err = false;
    EXPECT_EQ(brivelDirectComRecordToJobject(env, buffer, "rectest/Broken", lpstrFields, 1, &err, ids), nullptr);
    EXPECT_TRUE(err);
    EXPECT_TRUE(brivelCheckFatalError(env));
    auto thrown = TakePendingException(env);
    EXPECT_EQ(thrown.className, "brivel.TavoException");
    EXPECT_EQ(thrown.message, "Unsupported type of record field name");
}

// This build loads no type libraries: a record with a GUID has no record
// information, which the bridge learns through its error flag.
TEST(RuntimeRecords, RecordWithGuidWithoutItsTypeLibraryIsReported) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    jobject point = NewPoint(env, 5, 6);
    IRecordInfo* info = reinterpret_cast<IRecordInfo*>(1);
    jfieldID ids[2];
    bool err = false;
    EXPECT_EQ(brivelJObjectToComRecord(env, point, &library, &kPointGuid, pointFields, 2, &err, &info, ids, true),
              nullptr);
    EXPECT_TRUE(err);
    EXPECT_EQ(info, nullptr);
    EXPECT_TRUE(brivelCheckFatalError(env));
    auto thrown = TakePendingException(env);
    EXPECT_EQ(thrown.className, "brivel.TavoException");
    EXPECT_EQ(thrown.message, "Record definition not found in type library (COM error 0x8002801D)");

    jclass pointClass = env->FindClass("rectest/Point");
    jobjectArray points = env->NewObjectArray(1, pointClass, point);
    err = false;
    info = reinterpret_cast<IRecordInfo*>(1);
    EXPECT_EQ(brivelJArrayToSafeArrayRecord(env, points, &library, &kPointGuid, pointFields, 2, &err, &info, ids, false),
              nullptr);
    EXPECT_TRUE(err);
    EXPECT_EQ(info, nullptr);
    EXPECT_TRUE(brivelCheckFatalError(env));
    EXPECT_EQ(TakePendingException(env).className, "brivel.TavoException");
    EXPECT_FALSE(brivelCheckFatalError(env));
}

// A record that a COM call returned in a VARIANT, with the IRecordInfo
// that came with it: converted, then freed with that information.
TEST(RuntimeRecords, ReturnedRecordIsConvertedAndDestroyedWithItsRecordInformation) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    PointInfo info;
    PointRec* rec = static_cast<PointRec*>(info.RecordCreate());
    rec->x = 7;
    rec->y = -8;
    info.AddRef();  // the VARIANT's reference
    jfieldID ids[2];
    bool err = true;
    jobject point = brivelComRecordToJobject(env, rec, "rectest/Point", &library, &kPointGuid, pointFields, 2, &err, ids,
                                             &info, true);
    ASSERT_NE(point, nullptr);
    EXPECT_FALSE(err);
    EXPECT_EQ(IntField(env, point, "x"), 7);
    EXPECT_EQ(IntField(env, point, "y"), -8);
    EXPECT_EQ(info.destroyed, 1);
    EXPECT_EQ(info.references, 1);

    // Without `destroy` the record and the reference stay the caller's, and
    // an OUT copy refills an existing object.
    rec = static_cast<PointRec*>(info.RecordCreate());
    rec->x = 70;
    jobject again = brivelComRecordToJobject(env, rec, "rectest/Point", &library, &kPointGuid, pointFields, 2, &err, ids,
                                             &info, false);
    EXPECT_EQ(IntField(env, again, "x"), 70);
    EXPECT_EQ(info.destroyed, 1);
    rec->y = 80;
    brivelCopyComRecordToJObject(env, rec, point, pointFields, 2, &info, ids);
    EXPECT_EQ(IntField(env, point, "y"), 80);
    info.AddRef();
    brivelClearRecordData(env, rec, &info);
    EXPECT_EQ(info.destroyed, 2);
    EXPECT_EQ(info.references, 1);
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST(RuntimeRecords, ArraysOfRecordsBecomeJavaArraysAndRefillExistingOnes) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    PointInfo info;
    SAFEARRAY* sa = SafeArrayCreateVectorEx(VT_RECORD, 0, 2, &info);
    ASSERT_NE(sa, nullptr);
    PointRec* data = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
    data[0] = {1, 2};
    data[1] = {3, 4};
    SafeArrayUnaccessData(sa);

    jfieldID ids[2];
    bool err = true;
    jobjectArray points = brivelSafeArrayToJArrayRecord(env, sa, &err, "rectest/Point", pointFields, 2, ids);
    ASSERT_NE(points, nullptr);
    EXPECT_FALSE(err);
    ASSERT_EQ(env->GetArrayLength(points), 2);
    EXPECT_EQ(IntField(env, env->GetObjectArrayElement(points, 1), "y"), 4);

    // Refilled in place; a Java array of another length is reported after
    // the common part is copied.
    jobject first = env->GetObjectArrayElement(points, 0);
    data = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
    data[0].x = 100;
    SafeArrayUnaccessData(sa);
    EXPECT_EQ(brivelCopySafeArrayToJArrayRecord(env, false, sa, points, nullptr, "rectest/Point", &err, pointFields, 2,
                                                ids),
              points);
    EXPECT_FALSE(err);
    EXPECT_TRUE(env->IsSameObject(env->GetObjectArrayElement(points, 0), first));
    EXPECT_EQ(IntField(env, first, "x"), 100);

    jobjectArray three = env->NewObjectArray(3, env->FindClass("rectest/Point"), nullptr);
    brivelCopySafeArrayToJArrayRecord(env, false, sa, three, nullptr, "rectest/Point", &err, pointFields, 2, ids);
    EXPECT_TRUE(err);
    EXPECT_EQ(TakePendingException(env).message, "The array came back with 2 records for 3 Java elements");
    EXPECT_EQ(IntField(env, env->GetObjectArrayElement(three, 1), "x"), 3);

    // A SAFEARRAY of anything else is refused.
    SAFEARRAY* ints = SafeArrayCreateVector(VT_I4, 0, 1);
    EXPECT_EQ(brivelSafeArrayToJArrayRecord(env, ints, &err, "rectest/Point", pointFields, 2, ids), nullptr);
    EXPECT_TRUE(err);
    EXPECT_EQ(TakePendingException(env).className, "brivel.TavoException");
    SafeArrayDestroy(ints);
    SafeArrayDestroy(sa);
    EXPECT_EQ(info.references, 1);
}

// A server that answers another record type than the call's (a smaller one,
// or one of the same size with another GUID): the runtime reads no record
// with the caller's fields, refuses with the conversion's failure, and
// still frees what it was given to free.
TEST(RuntimeRecords, ARecordOfAnotherTypeFromTheServerIsRefused) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    const GUID otherGuid = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x02}};
    brivel::testing::FakeRecordInfo smaller(sizeof(LONG), &otherGuid), sameSize(sizeof(PointRec), &otherGuid);
    jfieldID ids[2];
    for (brivel::testing::FakeRecordInfo* other : {&smaller, &sameSize}) {
        const char* what = other == &smaller ? "a smaller record" : "a record of the same size";
        SAFEARRAY* sa = SafeArrayCreateVectorEx(VT_RECORD, 0, 2, other);
        ASSERT_NE(sa, nullptr) << what;
        bool err = false;
        EXPECT_EQ(brivelSafeArrayToJArrayRecord(env, sa, &err, "rectest/Point", pointFields, 2, ids), nullptr) << what;
        EXPECT_TRUE(err) << what;
        EXPECT_TRUE(brivelCheckFatalError(env)) << what;
        auto thrown = TakePendingException(env);
        EXPECT_EQ(thrown.className, "brivel.TavoException") << what;
        EXPECT_EQ(thrown.message, "Record array not converted (COM error 0x80020005)") << what;
        // Into an existing Java array: left as it was.
        jobjectArray points = env->NewObjectArray(2, env->FindClass("rectest/Point"), NewPoint(env, 1, 2));
        err = false;
        EXPECT_EQ(brivelCopySafeArrayToJArrayRecord(env, false, sa, points, nullptr, "rectest/Point", &err, pointFields,
                                                    2, ids),
                  points) << what;
        EXPECT_TRUE(err) << what;
        EXPECT_EQ(TakePendingException(env).className, "brivel.TavoException") << what;
        EXPECT_EQ(IntField(env, env->GetObjectArrayElement(points, 1), "y"), 2) << what;
        SafeArrayDestroy(sa);

        // A VARIANT's record: refused, and destroyed as the caller asked.
        void* rec = other->RecordCreate();
        other->AddRef();  // the VARIANT's reference
        LONG references = other->references;
        err = false;
        EXPECT_EQ(brivelComRecordToJobject(env, rec, "rectest/Point", &library, &kPointGuid, pointFields, 2, &err, ids,
                                           other, true),
                  nullptr) << what;
        EXPECT_TRUE(err) << what;
        thrown = TakePendingException(env);
        EXPECT_EQ(thrown.message, "Record not converted (COM error 0x80020005)") << what;
        EXPECT_EQ(other->destroyed, 1) << what;
        EXPECT_EQ(other->references, references - 1) << what;
    }

    // The expected type still converts, an array of it too.
    PointInfo info;
    SAFEARRAY* sa = SafeArrayCreateVectorEx(VT_RECORD, 0, 1, &info);
    bool err = true;
    jobjectArray points = brivelSafeArrayToJArrayRecord(env, sa, &err, "rectest/Point", pointFields, 2, ids);
    EXPECT_NE(points, nullptr);
    EXPECT_FALSE(err);
    SafeArrayDestroy(sa);
    EXPECT_FALSE(env->ExceptionCheck());
}
