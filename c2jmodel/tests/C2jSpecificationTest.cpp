// The project document with a stand-in VM host: adding, removing and
// reloading classes, merging saved choices and numbering exception classes.
#include "C2jSpecification.h"

#include "FakeVmHost.h"
#include "GuidText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using brivel::CreateGuidText;
using brivel::testing::AddReflectedField;
using brivel::testing::AddReflectedMethod;
using brivel::testing::FakeVmHost;
using brivel::testing::ReadFileBytes;

namespace {

class CountingNotifier : public CVmStartNotifier {
public:
    void OnVmStarted() override { ++calls; }
    int calls = 0;
};

CJavaTypeHandler* Type(uint32_t code) { return GetStaticTypeHandler(code); }

}  // namespace

TEST(GuidText, FreshGuidsHaveThePlatformTextForm) {
    const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}");
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i) {
        const CString guid = CreateGuidText();
        EXPECT_TRUE(std::regex_match(guid.str(), form)) << guid.c_str();
        seen.insert(guid.str());
    }
    EXPECT_EQ(seen.size(), 50u);
}

TEST(C2jSpecification, NewDocumentCarriesTheBuiltInMembers) {
    CC2jSpecification doc;
    EXPECT_EQ(doc.m_version, 106u);
    EXPECT_EQ(doc.m_vmHost, nullptr);
    EXPECT_TRUE(doc.GetClassNames().empty());
    const auto& members = doc.GetBuiltInMembers();
    ASSERT_EQ(members.size(), 9u);
    const char* javaNames[] = {"classpath", "JvmArgs", "IsSameJavaObject", "ConstructByCasting", "ConstructFromString",
                               "ConstructFromDate", "ConstructFromEventSink", "JavaLoaded", "JvmPath"};
    for (size_t i = 0; i < 9; ++i) {
        const CString& name = members[i].method ? members[i].method->m_javaName : members[i].property->m_javaName;
        EXPECT_EQ(name, javaNames[i]);
    }
    const CJavaFieldSpec& classpath = *members[0].property;
    EXPECT_EQ(classpath.m_comName, "JavaClasspath");
    EXPECT_EQ(classpath.m_comment, "Java ClassPath");
    EXPECT_TRUE(classpath.m_static && classpath.m_selected && classpath.m_supported && !classpath.m_readOnly);
    EXPECT_EQ(classpath.m_type, Type(kTypeString));
    EXPECT_TRUE(members[7].property->m_readOnly);
    EXPECT_EQ(members[7].property->m_type, Type(kTypeBoolean));
    const CJavaMethodSpec& same = *members[2].method;
    EXPECT_FALSE(same.m_constructor || same.m_static);
    EXPECT_EQ(same.m_returnType, Type(kTypeBoolean));
    EXPECT_EQ(same.m_parameterNames, std::vector<CString>{"theOtherObject"});
    EXPECT_EQ(same.m_parameterTypes, std::vector<CJavaTypeHandler*>{GetDispatchTypeHandler()});
    EXPECT_EQ(members[3].method->m_comment,
              "Construct by assigning another Java object to this object (if classes are assignable)");
    EXPECT_TRUE(members[5].method->m_constructor);
    EXPECT_EQ(members[5].method->m_parameterTypes[0], Type(kTypeDate));
    EXPECT_EQ(members[5].method->m_returnType, Type(kTypeVoid));
    EXPECT_EQ(members[6].method->m_comment, "Construct from the Events Sink object (for receiving events)");
    EXPECT_EQ(members[8].property->m_comment, "Can be set to specify a particular JVM to use");
}

TEST(C2jSpecification, ClassesAreAddedOnceAfterTheVmStarted) {
    FakeVmHost host;
    host.Define("p.Widget");
    CC2jSpecification doc;
    doc.m_vmHost = &host;
    CountingNotifier notifier;
    doc.m_startNotifier = &notifier;

    CString error;
    host.startError = "Java VM Creation failed";
    EXPECT_EQ(doc.AddClassFromVm("cp", false, "p.Widget", error), nullptr);
    EXPECT_EQ(error, "Java VM Creation failed");
    EXPECT_EQ(notifier.calls, 0);

    host.startError.Empty();
    EXPECT_EQ(doc.AddClassFromVm("cp", false, "p.Missing", error), nullptr);
    EXPECT_EQ(error, "Class p.Missing not found (CLASSPATH problem?)");
    EXPECT_EQ(notifier.calls, 1);
    EXPECT_EQ(doc.m_startNotifier, nullptr);

    CJavaClassSpec* widget = doc.AddClassFromVm("cp", true, "p.Widget", error);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->m_includeInherited);
    EXPECT_FALSE(widget->m_reflected);
    EXPECT_EQ(doc.GetClass("p.Widget"), widget);
    EXPECT_EQ(FindOrCreateObjectTypeHandler("p.Widget")->GetComInterfaceType(), "_Widget *");
    // Adding it again keeps the one record.
    EXPECT_EQ(doc.AddClassFromVm("cp", true, "p.Widget", error), widget);
    EXPECT_EQ(doc.GetClassNames(), std::vector<CString>{"p.Widget"});
    EXPECT_EQ(notifier.calls, 1);

    doc.RemoveClass("p.Widget");
    EXPECT_EQ(doc.GetClass("p.Widget"), nullptr);
    EXPECT_TRUE(doc.GetClassNames().empty());
    EXPECT_EQ(FindOrCreateObjectTypeHandler("p.Widget")->GetClassSpec(), nullptr);
    doc.RemoveClass("p.Widget");
}

TEST(C2jSpecification, ADocumentLeavesNoHandlerPointingAtItsClasses) {
    FakeVmHost host;
    host.Define("p.Gone");
    {
        CC2jSpecification doc;
        doc.m_vmHost = &host;
        CString error;
        ASSERT_NE(doc.AddClassFromVm("", false, "p.Gone", error), nullptr);
    }
    EXPECT_EQ(FindOrCreateObjectTypeHandler("p.Gone")->GetClassSpec(), nullptr);
    EXPECT_EQ(FindOrCreateObjectTypeHandler("p.Gone")->GetComInterfaceType(), "IDispatch *");
}

// A saved project whose class the wizard's document already holds: the class
// takes the saved include-inherited flag, and its type handler points at the
// wizard's document again, not at the loaded one, which goes.
TEST(C2jSpecification, ReloadingAClassAlreadyPresentRelinksItAndTakesTheSavedFlag) {
    for (bool savedInherited : {false, true}) {
        const std::string name = std::string("p.Kept") + (savedInherited ? "Inherited" : "Declared");
        FakeVmHost host;
        host.Define(name);
        CC2jSpecification doc;
        doc.m_vmHost = &host;
        CString error;
        ASSERT_NE(doc.AddClassFromVm("", false, name.c_str(), error), nullptr) << name;
        {
            CC2jSpecification saved;  // adding links the handler to its class, as loading does
            FakeVmHost savedHost;
            savedHost.Define(name);
            saved.m_vmHost = &savedHost;
            ASSERT_NE(saved.AddClassFromVm("", savedInherited, name.c_str(), error), nullptr) << name;
            saved.m_vmHost = nullptr;
            CString errors;
            ASSERT_TRUE(doc.ReloadClasses(saved, errors)) << name << ": " << errors.c_str();
        }
        CJavaClassSpec* kept = doc.GetClass(name.c_str());
        ASSERT_NE(kept, nullptr) << name;
        EXPECT_EQ(kept->m_includeInherited, savedInherited) << name;
        EXPECT_TRUE(kept->m_reflected) << name;
        EXPECT_EQ(doc.GetClassNames(), std::vector<CString>{name.c_str()}) << name;
        EXPECT_EQ(FindOrCreateObjectTypeHandler(name.c_str())->GetClassSpec(), kept) << name;
        ClearClassReferenceMarks();
        FindOrCreateObjectTypeHandler(name.c_str())->SetReferenced(true);
        std::vector<CString> undefined;
        EXPECT_FALSE(ListUndefinedReferencedClasses(undefined)) << name;
    }
}

TEST(C2jSpecification, JarListingsStopAtFiveHundredClasses) {
    FakeVmHost host;
    std::vector<CString> three{"a.A", "a.B", "a.C"};
    std::vector<CString> many;
    for (int i = 0; i < 497; ++i) many.push_back(CString("m.C") + CString(std::to_string(i)));
    host.DefineJar("three.jar", three);
    host.DefineJar("many.jar", many);
    host.DefineJar("one.jar", {"z.Z"});
    CC2jSpecification doc;
    doc.m_vmHost = &host;
    CountingNotifier notifier;
    doc.m_startNotifier = &notifier;

    std::vector<CString> names;
    CString error;
    EXPECT_TRUE(doc.AddClassesFromJars("", "three.jar", names, error));
    EXPECT_TRUE(doc.AddClassesFromJars("", "many.jar", names, error));
    EXPECT_EQ(names.size(), 500u);
    EXPECT_EQ(notifier.calls, 1);
    EXPECT_FALSE(doc.AddClassesFromJars("", "one.jar", names, error));
    EXPECT_EQ(error, "Too many classes in JAR file.  Please select classes and method of interest manually.");
    EXPECT_FALSE(doc.AddClassesFromJars("", "absent.jar", names, error));
    EXPECT_EQ(error, "Could not open file absent.jar");
}

TEST(C2jSpecification, ProjectSettingsAreTakenOverWithoutClassesOrFileGuids) {
    CC2jSpecification saved, doc;
    saved.m_classPath = "cp";
    saved.m_libraryName = "Lib";
    saved.m_libraryComment = "comment";
    saved.m_outputFolder = "out";
    saved.m_jarMode = true;
    saved.m_projectGuid2 = "g2";
    saved.m_projectGuid3 = "g3";
    saved.m_specFilePath = "out\\Lib.c2j";
    doc.CopyProjectSettings(saved);
    EXPECT_EQ(doc.m_classPath, "cp");
    EXPECT_EQ(doc.m_libraryName, "Lib");
    EXPECT_EQ(doc.m_libraryComment, "comment");
    EXPECT_EQ(doc.m_outputFolder, "out");
    EXPECT_TRUE(doc.m_jarMode);
    EXPECT_EQ(doc.m_libraryGuid.GetLength(), 36);  // made, as the saved one was empty
    EXPECT_TRUE(doc.m_projectGuid2.IsEmpty() && doc.m_projectGuid3.IsEmpty() && doc.m_specFilePath.IsEmpty());
    saved.m_libraryGuid = "lib-guid";
    doc.CopyProjectSettings(saved);
    EXPECT_EQ(doc.m_libraryGuid, "lib-guid");
}

class ExceptionOrderTest : public brivel::testing::TempFolderTest {
protected:
    std::string Save(CC2jSpecification& doc) {
        FILE* file = fopen(Path("o.c2j").c_str(), "wb");
        EXPECT_TRUE(doc.Save(file));
        fclose(file);
        return ReadFileBytes(Path("o.c2j"));
    }
};

TEST_F(ExceptionOrderTest, SubclassesAreNumberedBeforeTheirBaseClasses) {
    FakeVmHost host;
    host.Define("e.Base").exception = true;
    host.Define("e.Mid") = {false, true, "e.Base", nullptr, ""};
    host.Define("e.Leaf") = {false, true, "e.Mid", nullptr, ""};
    host.Define("e.Other").exception = true;
    host.Define("p.Plain");
    CC2jSpecification doc;
    doc.m_vmHost = &host;
    CString error;
    for (const char* name : {"e.Base", "p.Plain", "e.Mid", "e.Other", "e.Leaf"})
        ASSERT_NE(doc.AddClassFromVm("", false, name, error), nullptr) << error.c_str();

    const std::string first = Save(doc);
    EXPECT_EQ(doc.GetClass("e.Leaf")->m_exceptionOrder, 1);
    EXPECT_EQ(doc.GetClass("e.Mid")->m_exceptionOrder, 2);
    EXPECT_EQ(doc.GetClass("e.Base")->m_exceptionOrder, 3);
    EXPECT_EQ(doc.GetClass("e.Other")->m_exceptionOrder, 4);
    EXPECT_EQ(doc.GetClass("p.Plain")->m_exceptionOrder, 0);
    EXPECT_EQ(Save(doc), first);

    // When the VM cannot tell, every class goes first: reverse list order.
    host.running = false;
    Save(doc);
    EXPECT_EQ(doc.GetClass("e.Leaf")->m_exceptionOrder, 1);
    EXPECT_EQ(doc.GetClass("e.Other")->m_exceptionOrder, 2);
    EXPECT_EQ(doc.GetClass("e.Mid")->m_exceptionOrder, 3);
    EXPECT_EQ(doc.GetClass("e.Base")->m_exceptionOrder, 4);
}

namespace {

// The class of a saved project, with chosen members, as a loaded document holds it.
std::unique_ptr<CJavaClassSpec> SavedShape() {
    auto shape = std::make_unique<CJavaClassSpec>();
    shape->m_javaClassName = "g.Shape";
    shape->m_visual = 1;
    shape->m_eventInterface = 1;
    shape->m_comObjectName = "MyShape";
    shape->m_comment = "saved comment";
    shape->m_classGuid1 = "old-guid";
    auto method = [](MethodGroup& group, const char* name, CJavaTypeHandler* ret, std::vector<CJavaTypeHandler*> params,
                     const char* comName, std::vector<CString> paramNames) {
        auto m = std::make_unique<CJavaMethodSpec>();
        m->m_selected = true;
        m->m_javaName = name;
        m->m_comName = comName;
        m->m_comment = CString("about ") + name;
        m->m_returnType = ret;
        m->m_parameterTypes = params;
        m->m_parameterNames = paramNames;
        group.push_back(std::move(m));
    };
    method(shape->m_constructors, "<init>", Type(kTypeVoid), {Type(kTypeInt)}, "Make", {"size"});
    // Saved with the 32-bit long; reflection gives the 64-bit one.
    method(shape->m_methods, "scale", Type(kTypeVoid), {Type(kTypeLong32), Type(kTypeDouble)}, "Grow", {"times", "by"});
    method(shape->m_methods, "vanished", Type(kTypeInt), {}, "Vanished", {});
    method(shape->m_staticMethods, "parse", FindOrCreateObjectTypeHandler("g.Shape"), {Type(kTypeString)}, "FromText", {"s"});
    auto field = std::make_unique<CJavaFieldSpec>();
    field->m_selected = true;
    field->m_javaName = "size";
    field->m_comName = "TheSize";
    field->m_comment = "size field";
    field->m_type = Type(kTypeInt);
    shape->m_fields.push_back(std::move(field));
    auto retyped = std::make_unique<CJavaFieldSpec>();
    retyped->m_selected = true;
    retyped->m_javaName = "count";
    retyped->m_comName = "Count";
    retyped->m_type = Type(kTypeLong32);
    shape->m_fields.push_back(std::move(retyped));
    return shape;
}

}  // namespace

class ReloadTest : public brivel::testing::TempFolderTest {
protected:
    // Writes `saved` to a file and loads it as the transient document does.
    void RoundTrip(CC2jSpecification& saved, CC2jSpecification& loaded) {
        FILE* file = fopen(Path("saved.c2j").c_str(), "wb");
        ASSERT_TRUE(saved.Save(file));
        fclose(file);
        file = fopen(Path("saved.c2j").c_str(), "rb");
        CString error;
        ASSERT_TRUE(loaded.Load(file, error)) << error.c_str();
        fclose(file);
    }
};

TEST_F(ReloadTest, SavedChoicesAreAppliedToFreshlyReflectedClasses) {
    FakeVmHost host;
    host.Define("g.Shape").reflect = [](CJavaClassSpec& c) {
        AddReflectedMethod(c, c.m_constructors, "<init>", Type(kTypeVoid), {});
        AddReflectedMethod(c, c.m_constructors, "<init>", Type(kTypeVoid), {Type(kTypeInt)});
        AddReflectedMethod(c, c.m_methods, "scale", Type(kTypeVoid), {Type(kTypeInt), Type(kTypeDouble)});
        AddReflectedMethod(c, c.m_methods, "scale", Type(kTypeVoid), {Type(kTypeLong), Type(kTypeDouble)});
        AddReflectedMethod(c, c.m_staticMethods, "parse", FindOrCreateObjectTypeHandler("g.Shape"), {Type(kTypeString)});
        AddReflectedField(c, c.m_fields, "size", Type(kTypeInt));
        AddReflectedField(c, c.m_fields, "count", Type(kTypeLong));
    };

    CC2jSpecification source;
    std::unique_ptr<CJavaClassSpec> savedShape = SavedShape();
    {
        // Put the class in through a file, as a saved project comes in.
        FakeVmHost loader;
        loader.Define("g.Shape");
        source.m_vmHost = &loader;
        CString error;
        CJavaClassSpec* added = source.AddClassFromVm("", false, "g.Shape", error);
        ASSERT_NE(added, nullptr);
        added->m_visual = savedShape->m_visual;
        added->m_eventInterface = savedShape->m_eventInterface;
        added->m_comObjectName = savedShape->m_comObjectName;
        added->m_comment = savedShape->m_comment;
        added->m_constructors.swap(savedShape->m_constructors);
        added->m_methods.swap(savedShape->m_methods);
        added->m_staticMethods.swap(savedShape->m_staticMethods);
        added->m_fields.swap(savedShape->m_fields);
        source.m_vmHost = nullptr;
    }
    CC2jSpecification saved;
    RoundTrip(source, saved);

    CC2jSpecification doc;
    doc.m_vmHost = &host;
    doc.CopyProjectSettings(saved);
    CString errors = "stale";
    ASSERT_TRUE(doc.ReloadClasses(saved, errors));
    EXPECT_TRUE(errors.IsEmpty());

    const CJavaClassSpec& shape = *doc.GetClass("g.Shape");
    EXPECT_TRUE(shape.m_reflected);
    EXPECT_EQ(shape.m_visual, 1);
    EXPECT_EQ(shape.m_eventInterface, 1);
    EXPECT_EQ(shape.m_comObjectName, "MyShape");
    EXPECT_EQ(shape.m_comment, "saved comment");
    EXPECT_NE(shape.m_classGuid1, saved.GetClass("g.Shape")->m_classGuid1);  // the fresh class keeps its GUIDs

    EXPECT_FALSE(shape.m_constructors[0]->m_selected);
    EXPECT_TRUE(shape.m_constructors[1]->m_selected);
    EXPECT_EQ(shape.m_constructors[1]->m_comName, "Make");
    EXPECT_EQ(shape.m_constructors[1]->m_parameterNames, std::vector<CString>{"size"});

    // The 32-bit long of the saved choice matches the reflected 64-bit long,
    // and the saved types and names are taken over.
    EXPECT_FALSE(shape.m_methods[0]->m_selected);
    const CJavaMethodSpec& scale = *shape.m_methods[1];
    EXPECT_TRUE(scale.m_selected && scale.m_supported);
    EXPECT_EQ(scale.m_comName, "Grow");
    EXPECT_EQ(scale.m_comment, "about scale");
    EXPECT_EQ(scale.m_parameterNames, (std::vector<CString>{"times", "by"}));
    EXPECT_EQ(scale.m_parameterTypes[0], Type(kTypeLong32));
    EXPECT_EQ(shape.m_methods.size(), 2u);  // the vanished method is dropped

    EXPECT_TRUE(shape.m_staticMethods[0]->m_selected);
    EXPECT_EQ(shape.m_staticMethods[0]->m_comName, "FromText");

    // Fields need the very same type: the long field is not matched.
    EXPECT_TRUE(shape.m_fields[0]->m_selected);
    EXPECT_EQ(shape.m_fields[0]->m_comName, "TheSize");
    EXPECT_EQ(shape.m_fields[0]->m_comment, "size field");
    EXPECT_FALSE(shape.m_fields[1]->m_selected);
    EXPECT_EQ(shape.m_fields[1]->m_comName, "Count");
}

TEST(C2jSpecification, ReloadReportsNineFailuresAndAnEllipsis) {
    FakeVmHost host;
    host.Define("ok.Fine");
    host.Define("ok.Broken").reflectError = "Multi-dimensional arrays are not currently supported (encountered Array of arrays of int)";
    CC2jSpecification saved;
    FakeVmHost savedHost;
    saved.m_vmHost = &savedHost;
    std::vector<std::string> names;
    for (int i = 1; i <= 12; ++i) names.push_back("gone.C" + std::to_string(i));
    names.insert(names.begin() + 1, "ok.Fine");
    for (const auto& name : names) savedHost.Define(name);
    CString error;
    for (const auto& name : names) ASSERT_NE(saved.AddClassFromVm("", false, name.c_str(), error), nullptr);
    saved.m_vmHost = nullptr;

    CC2jSpecification doc;
    doc.m_vmHost = &host;
    CString errors;
    EXPECT_FALSE(doc.ReloadClasses(saved, errors));
    std::string expected;
    for (int i = 1; i <= 9; ++i) expected += "Class gone.C" + std::to_string(i) + " not found (CLASSPATH problem?)\n";
    expected += "...";
    EXPECT_EQ(errors, expected.c_str());
    EXPECT_EQ(doc.GetClassNames(), std::vector<CString>{"ok.Fine"});

    // A reflection failure counts like a missing class.
    CC2jSpecification small;
    small.m_vmHost = &savedHost;
    savedHost.Define("ok.Broken");
    ASSERT_NE(small.AddClassFromVm("", false, "ok.Broken", error), nullptr);
    ASSERT_NE(small.AddClassFromVm("", false, "gone.C1", error), nullptr);
    small.m_vmHost = nullptr;
    CC2jSpecification other;
    other.m_vmHost = &host;
    EXPECT_FALSE(other.ReloadClasses(small, errors));
    EXPECT_EQ(errors, "Class gone.C1 not found (CLASSPATH problem?)\n"
                      "Multi-dimensional arrays are not currently supported (encountered Array of arrays of int)\n");
}
