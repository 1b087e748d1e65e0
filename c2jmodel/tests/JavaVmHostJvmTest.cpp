// The VM host on the real i386 VM (linux32), one VM per test case: classes
// and JAR files of the test build are loaded, reflected and listed.
#include "JavaVmHost.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "C2jSpecification.h"
#include "TempFolder.h"
#include "TestJvm.h"

namespace {

const std::string kPackage = "brivel.c2jmodeltest.";
const std::string kAwkward = "brivel.c2jmodelawkward.";

std::set<std::string> ComNames(const MethodGroup& group) {
    std::set<std::string> names;
    for (const auto& m : group) names.insert(m->m_comName.str());
    return names;
}

std::set<std::string> JavaNames(const MethodGroup& group) {
    std::set<std::string> names;
    for (const auto& m : group) names.insert(m->m_javaName.str());
    return names;
}

std::set<std::string> JavaNames(const FieldGroup& group) {
    std::set<std::string> names;
    for (const auto& f : group) names.insert(f->m_javaName.str());
    return names;
}

const CJavaMethodSpec* Find(const MethodGroup& group, const char* comName) {
    for (const auto& m : group)
        if (m->m_comName == comName) return m.get();
    return nullptr;
}

class JvmHost : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        SetEnvironmentVariableA("JAVA_HOME", BRIVEL_JVM32);
    }

    bool Start(CJavaVmHost& h) {
        CString error;
        bool started = h.Start((std::string(FIXTURE_JAR) + ":" + MANY_JAR + ":" + AWKWARD_JAR).c_str(), error);
        EXPECT_TRUE(started) << error.c_str();
        return started;
    }

    std::unique_ptr<CJavaClassSpec> Load(const char* simpleName, bool inherited = false) {
        return LoadFrom(host, kPackage + simpleName, inherited);
    }
    static std::unique_ptr<CJavaClassSpec> LoadFrom(CJavaVmHost& h, const std::string& name, bool inherited = false) {
        CString error;
        std::unique_ptr<CJavaClassSpec> c(h.LoadClass(name.c_str(), inherited, error));
        EXPECT_TRUE(c) << error.c_str();
        return c;
    }

    std::unique_ptr<CJavaClassSpec> Reflected(const char* simpleName, bool inherited = false) {
        std::unique_ptr<CJavaClassSpec> c = Load(simpleName, inherited);
        if (c) { EXPECT_TRUE(host.ReflectClass(c.get())) << c->m_error.c_str(); }
        return c;
    }

    bool NoPendingException() { return !host.GetEnv()->ExceptionCheck(); }

    CJavaVmHost host;
};

// The VM starts once; a later start with another class path changes nothing.
TEST_F(JvmHost, StartsOnceWithTheFirstClassPath) {
    ASSERT_TRUE(Start(host));
    EXPECT_EQ(host.GetJavaHome().str(), std::string(BRIVEL_JVM32) + "/");
    // The first of the preferred folders that holds a VM library.
    std::string expected;
    for (const char* sub : {"client", "hotspot", "server"}) {
        std::string path = std::string(BRIVEL_JVM32) + "/lib/" + sub + "/libjvm.so";
        if (expected.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) expected = path;
    }
    EXPECT_EQ(host.GetJvmPath().str(), expected);
    CString error;
    EXPECT_TRUE(host.Start("/nowhere.jar", error));
    EXPECT_TRUE(Load("Overloads"));
}

// A library for another processor in the first folder does not end the
// search: a later folder's VM starts, and no message remains.
TEST_F(JvmHost, AForeignLibraryIsPassedOverWhenALaterFolderStarts) {
    std::filesystem::create_directories(folder_ / "home" / "lib" / "client");
    std::filesystem::create_directories(folder_ / "home" / "lib" / "server");
    std::string image(0x90, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    image[60] = static_cast<char>(0x80);
    image.replace(0x80, 6, std::string("PE\0\0\x64\x86", 6));
    std::ofstream(folder_ / "home" / "lib" / "client" / "libjvm.so", std::ios::binary) << image;
    std::string real = std::string(BRIVEL_JVM32) + "/lib/client/libjvm.so";
    if (GetFileAttributesA(real.c_str()) == INVALID_FILE_ATTRIBUTES) real = std::string(BRIVEL_JVM32) + "/lib/server/libjvm.so";
    std::filesystem::create_symlink(real, folder_ / "home" / "lib" / "server" / "libjvm.so");
    SetEnvironmentVariableA("JAVA_HOME", Path("home").c_str());

    CString error;
    ASSERT_TRUE(host.Start(FIXTURE_JAR, error)) << error.c_str();
    EXPECT_EQ(host.GetJvmPath().str(), Path("home") + "/lib/server/libjvm.so");
    EXPECT_TRUE(Load("Base"));
}

TEST_F(JvmHost, LoadedClassesCarryTheirKind) {
    ASSERT_TRUE(Start(host));
    auto overloads = Load("Overloads", true);
    ASSERT_TRUE(overloads);
    EXPECT_EQ(overloads->m_comObjectName, "Overloads");
    EXPECT_EQ(overloads->m_jniClassName, "brivel/c2jmodeltest/Overloads");
    EXPECT_TRUE(overloads->m_includeInherited);
    EXPECT_FALSE(overloads->m_reflected);
    EXPECT_EQ(overloads->m_exceptionOrder, 0);
    EXPECT_EQ(overloads->m_isInterface, 0);
    EXPECT_EQ(Load("Failure")->m_exceptionOrder, 0xFFFF);
    auto listener = Load("Listener");
    EXPECT_EQ(listener->m_isInterface, 0xFFFF);
    EXPECT_EQ(listener->m_eventInterface, 0xFFFF);

    // The VM reports a missing class with an exception, which is cleared.
    CString error;
    EXPECT_EQ(host.LoadClass("brivel.Missing", false, error), nullptr);
    EXPECT_STREQ(error.c_str(), "Error loading \"brivel.Missing\": \"java.lang.NoClassDefFoundError: brivel/Missing\"");
    EXPECT_TRUE(NoPendingException());
}

// Overloads get numbered COM names; members that are not public are left
// out; statics and final fields are told apart; fields reserve their
// accessor names.
TEST_F(JvmHost, ReflectionNamesOverloadsUniquely) {
    ASSERT_TRUE(Start(host));
    auto c = Reflected("Overloads");
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->m_reflected);
    EXPECT_EQ(ComNames(c->m_constructors), (std::set<std::string>{"Construct_1", "Construct_2"}));
    EXPECT_EQ(ComNames(c->m_methods), (std::set<std::string>{"Add_1", "Add_2", "Take"}));
    EXPECT_EQ(ComNames(c->m_staticMethods), (std::set<std::string>{"Count"}));
    ASSERT_EQ(c->m_fields.size(), 1u);
    EXPECT_EQ(c->m_fields[0]->m_comName, "Value");
    EXPECT_FALSE(c->m_fields[0]->m_readOnly);
    ASSERT_EQ(c->m_staticFields.size(), 1u);
    EXPECT_EQ(c->m_staticFields[0]->m_comName, "NAME");
    EXPECT_TRUE(c->m_staticFields[0]->m_readOnly);
    EXPECT_EQ(c->m_staticFields[0]->m_type, GetStaticTypeHandler(kTypeString));
    for (const char* name : {"get_Value", "put_Value", "get_NAME", "put_NAME"}) EXPECT_TRUE(c->IsTaken(name)) << name;

    for (const auto& m : c->m_constructors) {
        EXPECT_EQ(m->m_javaName, "<init>");
        EXPECT_EQ(m->m_returnType, GetStaticTypeHandler(kTypeVoid));
        EXPECT_FALSE(m->m_selected);
    }
    const CJavaMethodSpec* take = Find(c->m_methods, "Take");
    ASSERT_TRUE(take);
    EXPECT_TRUE(take->m_usesObjectTypes);
    ASSERT_EQ(take->m_parameterNames.size(), 1u);
    EXPECT_EQ(take->m_parameterNames[0], "arg1");
    EXPECT_EQ(take->m_parameterTypes[0]->GetClassName(), "brivel.c2jmodeltest.Base");
    std::set<const CJavaTypeHandler*> addParameters;
    for (const char* name : {"Add_1", "Add_2"}) {
        const CJavaMethodSpec* add = Find(c->m_methods, name);
        ASSERT_TRUE(add);
        EXPECT_EQ(add->m_javaName, "add");
        EXPECT_FALSE(add->m_usesObjectTypes);
        addParameters.insert(add->m_parameterTypes.at(0));
    }
    EXPECT_EQ(addParameters, (std::set<const CJavaTypeHandler*>{GetStaticTypeHandler(kTypeInt),
                                                                GetStaticTypeHandler(kTypeString)}));
    EXPECT_TRUE(Find(c->m_staticMethods, "Count")->m_static);
    EXPECT_EQ(c->m_classGuid1.GetLength(), 36);
    EXPECT_EQ(c->m_classGuid2.GetLength(), 36);
    EXPECT_NE(c->m_classGuid1, c->m_classGuid2);
    EXPECT_TRUE(c->m_interfaceGuid1.IsEmpty());
}

// With inherited members: those of java.lang.Object and fields of runtime
// classes are left out, those of other classes kept.
TEST_F(JvmHost, InheritedMembersFollowTheirDeclaringClass) {
    ASSERT_TRUE(Start(host));
    auto own = Reflected("Derived");
    EXPECT_EQ(JavaNames(own->m_methods), (std::set<std::string>{"ownMethod"}));
    EXPECT_EQ(JavaNames(own->m_fields), (std::set<std::string>{"own"}));
    EXPECT_EQ(own->m_fields[0]->m_type, GetStaticTypeHandler(kTypeLong));

    auto all = Reflected("Derived", true);
    EXPECT_EQ(JavaNames(all->m_methods), (std::set<std::string>{"ownMethod", "baseMethod"}));
    EXPECT_EQ(JavaNames(all->m_fields), (std::set<std::string>{"own", "baseField"}));

    auto point = Reflected("PointChild", true);
    EXPECT_EQ(JavaNames(point->m_fields), (std::set<std::string>{"z"}));
    std::set<std::string> methods = JavaNames(point->m_methods);
    EXPECT_TRUE(methods.count("getX"));     // java.awt.Point's own
    EXPECT_TRUE(methods.count("toString")); // overridden by java.awt.Point
    EXPECT_FALSE(methods.count("wait"));    // java.lang.Object's
    EXPECT_FALSE(methods.count("getClass"));
}

TEST_F(JvmHost, AClassWithoutPublicConstructorsGetsADefaultOne) {
    ASSERT_TRUE(Start(host));
    auto c = Reflected("Factory");
    ASSERT_EQ(c->m_constructors.size(), 1u);
    EXPECT_EQ(c->m_constructors[0]->m_comName, "Construct");
    EXPECT_EQ(c->m_constructors[0]->GetParameterCount(), 0);
    EXPECT_TRUE(c->m_constructors[0]->m_constructor);
    const CJavaMethodSpec* create = Find(c->m_staticMethods, "Create");
    ASSERT_TRUE(create);
    EXPECT_EQ(create->m_returnType->GetClassName(), "brivel.c2jmodeltest.Factory");
}

TEST_F(JvmHost, AnInterfaceHasNoConstructorsAndItsMethodsArePreselected) {
    ASSERT_TRUE(Start(host));
    auto c = Reflected("Listener");
    EXPECT_TRUE(c->m_constructors.empty());
    EXPECT_EQ(ComNames(c->m_methods), (std::set<std::string>{"Changed", "Closed"}));
    for (const auto& m : c->m_methods) EXPECT_TRUE(m->m_selected);
    std::set<std::string> guids = {c->m_classGuid1.str(), c->m_classGuid2.str(), c->m_interfaceGuid1.str(),
                                   c->m_interfaceGuid2.str(), c->m_interfaceGuid3.str()};
    EXPECT_EQ(guids.size(), 5u);
    EXPECT_FALSE(guids.count(""));
}

TEST_F(JvmHost, ATwoDimensionalArrayEndsTheReflection) {
    ASSERT_TRUE(Start(host));
    auto c = Load("Matrix");
    c->m_error = "earlier";
    EXPECT_FALSE(host.ReflectClass(c.get()));
    EXPECT_STREQ(c->m_error.c_str(),
                 "earlier\nMulti-dimensional arrays are not currently supported (encountered Array of arrays of int)");
    EXPECT_FALSE(c->m_reflected);
    EXPECT_TRUE(c->m_constructors.empty());
    EXPECT_TRUE(NoPendingException());
}

// The constructor and the first field were named before the long array
// failed: none of their names stays taken, and a second attempt names
// members the same way. Names that were there before stay.
TEST_F(JvmHost, AFailedReflectionLeavesNoNamesBehind) {
    ASSERT_TRUE(Start(host));
    auto c = Load("LateFailure");
    c->AddName("Kept");
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(host.ReflectClass(c.get()));
        for (const char* name : {"Construct", "Fine", "get_Fine", "put_Fine", "Longs", "get_Longs"})
            EXPECT_FALSE(c->IsTaken(name)) << name;
        EXPECT_TRUE(c->IsTaken("Kept"));
        EXPECT_TRUE(c->m_fields.empty());
        EXPECT_TRUE(c->m_constructors.empty());
    }
    EXPECT_STREQ(c->m_error.c_str(),
                 "Arrays of long's  are not currently supported\nArrays of long's  are not currently supported");
    // The names a successful reflection gives are the plain ones.
    EXPECT_EQ(c->MakeUniqueName("Construct", nullptr, kComNameNone, false), "Construct");
}

TEST_F(JvmHost, JavaNamesBeyondAsciiArriveInTheSystemCodePage) {
    ASSERT_TRUE(Start(host));
    auto c = Reflected("Umlaut");
    ASSERT_EQ(c->m_methods.size(), 1u);
    EXPECT_EQ(c->m_methods[0]->m_javaName, "gr\xF6\xDF" "e");
    EXPECT_EQ(c->m_methods[0]->m_comName, "GroBe");
}

TEST_F(JvmHost, OnlyComponentsAreVisual) {
    ASSERT_TRUE(Start(host));
    EXPECT_TRUE(host.IsVisualComponent((kPackage + "Visual").c_str()));
    EXPECT_FALSE(host.IsVisualComponent((kPackage + "Overloads").c_str()));
    // A class that cannot be found cannot be told to be visual.
    EXPECT_FALSE(host.IsVisualComponent("brivel.Missing"));
    EXPECT_TRUE(NoPendingException());
}

TEST_F(JvmHost, AssignabilityFollowsTheClassHierarchy) {
    ASSERT_TRUE(Start(host));
    auto base = Load("Base");
    auto derived = Load("Derived");
    EXPECT_TRUE(host.IsAssignableFrom(derived.get(), base.get()));
    EXPECT_FALSE(host.IsAssignableFrom(base.get(), derived.get()));
    CJavaClassSpec unloaded;  // from a file, not found in this run
    EXPECT_TRUE(host.IsAssignableFrom(&unloaded, derived.get()));
}

// Top-level classes only, dotted; the manifest and inner classes are left
// out; the names are appended.
TEST_F(JvmHost, JarListingsHoldTopLevelClasses) {
    ASSERT_TRUE(Start(host));
    std::vector<CString> names = {"already.There"};
    CString error;
    ASSERT_TRUE(host.ListJarClasses(FIXTURE_JAR, names, error)) << error.c_str();
    std::set<std::string> listed;
    for (const CString& name : names) listed.insert(name.str());
    std::set<std::string> expected = {"already.There"};
    for (const char* n : {"Base", "Derived", "Factory", "Failure", "LateFailure", "Listener", "Matrix", "Outer",
                          "Overloads", "PointChild", "SubFailure", "Umlaut", "Visual"})
        expected.insert(kPackage + n);
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(names.size(), expected.size());

    names.clear();
    EXPECT_FALSE(host.ListJarClasses(NOTHING_JAR, names, error));
    EXPECT_STREQ(error.c_str(), "There are no class files in the Jar file");

    std::string notAJar = Path("text.jar");
    std::FILE* f = std::fopen(notAJar.c_str(), "wb");
    std::fputs("not an archive", f);
    std::fclose(f);
    EXPECT_FALSE(host.ListJarClasses(notAJar.c_str(), names, error));
    EXPECT_STREQ(error.c_str(), "Could not retrieve Jar file classes");
    EXPECT_TRUE(NoPendingException());
}

TEST_F(JvmHost, TheDocumentTakesAtMost500ClassesFromAJar) {
    CC2jSpecification document;
    document.m_vmHost = &host;
    std::string classPath = std::string(FIXTURE_JAR) + ":" + MANY_JAR;
    std::vector<CString> names;
    CString error;
    EXPECT_FALSE(document.AddClassesFromJars(classPath.c_str(), MANY_JAR, names, error));
    EXPECT_STREQ(error.c_str(),
                 "Too many classes in JAR file.  Please select classes and method of interest manually.");
    EXPECT_EQ(names.size(), 501u);
    names.clear();
    EXPECT_TRUE(document.AddClassesFromJars(classPath.c_str(), FIXTURE_JAR, names, error)) << error.c_str();
    EXPECT_EQ(names.size(), 13u);
    CJavaClassSpec* added = document.AddClassFromVm(classPath.c_str(), false, "brivel.many.C123", error);
    ASSERT_TRUE(added) << error.c_str();
    EXPECT_TRUE(host.ReflectClass(added)) << added->m_error.c_str();
    EXPECT_EQ(added->m_constructors.size(), 1u);
}

// Saving numbers the exception classes so that a subclass comes before its
// base class, as the VM tells.
TEST_F(JvmHost, TheDocumentOrdersExceptionClassesByTheVm) {
    CC2jSpecification document;
    document.m_vmHost = &host;
    CString error;
    for (const char* name : {"SubFailure", "Overloads", "Failure"})
        ASSERT_TRUE(document.AddClassFromVm(FIXTURE_JAR, false, (kPackage + name).c_str(), error)) << error.c_str();
    std::string file = Path("project.c2j");
    std::FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_TRUE(out);
    EXPECT_TRUE(document.Save(out));
    std::fclose(out);
    EXPECT_EQ(document.GetClass((kPackage + "SubFailure").c_str())->m_exceptionOrder, 1);
    EXPECT_EQ(document.GetClass((kPackage + "Failure").c_str())->m_exceptionOrder, 2);
    EXPECT_EQ(document.GetClass((kPackage + "Overloads").c_str())->m_exceptionOrder, 0);
}

// A member's class must be in the project; while whole JAR files are loaded
// a runtime java. class is accepted and noted.
TEST_F(JvmHost, MemberTypesMustBeListed) {
    ASSERT_TRUE(Start(host));
    auto overloads = Reflected("Overloads");
    CJavaMethodSpec* take = const_cast<CJavaMethodSpec*>(Find(overloads->m_methods, "Take"));
    ListedClassMap listed;
    EXPECT_FALSE(host.CheckMethodTypesListed(listed, take));
    EXPECT_STREQ(take->m_error.c_str(),
                 "Class \"brivel.c2jmodeltest.Base\" needs to be added to the list of Java classes to access");
    listed[kPackage + "Base"] = Load("Base");
    EXPECT_TRUE(host.CheckMethodTypesListed(listed, take));
    EXPECT_TRUE(host.CheckFieldTypeListed(listed, overloads->m_fields[0].get()));

    auto point = Reflected("PointChild", true);
    CJavaMethodSpec* setLocation = nullptr;
    for (const auto& m : point->m_methods)
        if (m->m_javaName == "setLocation" && m->m_parameterTypes.size() == 1 &&
            m->m_parameterTypes[0]->GetClassName() == "java.awt.Point")
            setLocation = m.get();
    ASSERT_TRUE(setLocation);
    EXPECT_FALSE(host.CheckMethodTypesListed(listed, setLocation));
    brivel::CMapStringToPtr<void> system;
    host.m_systemClasses = &system;
    EXPECT_TRUE(host.CheckMethodTypesListed(listed, setLocation));
    EXPECT_EQ(system.Keys(), (std::vector<CString>{"java.awt.Point"}));
}

// The reflection classes cannot be looked up: start-up fails with its
// message every time until they can, and no exception is left pending.
std::vector<std::string> g_shown;
void Capture(const char* text, const char* caption) { g_shown.push_back(std::string(caption) + ": " + text); }

class BrokenLookupHost : public CJavaVmHost {
public:
    int failures = 2;

protected:
    bool LookUpReflection() override {
        if (failures-- > 0) {
            GetEnv()->FindClass("brivel/NoReflectionHere");
            return false;
        }
        return CJavaVmHost::LookUpReflection();
    }
};

TEST_F(JvmHost, AFailedLookupAtStartUpIsNeverReportedAsSuccess) {
    BrokenLookupHost broken;
    broken.m_showMessage = Capture;
    CString error;
    const std::string classPath = FIXTURE_JAR;
    EXPECT_FALSE(broken.Start(classPath.c_str(), error));
    EXPECT_FALSE(broken.IsStarted());
    EXPECT_FALSE(broken.GetEnv()->ExceptionCheck());
    EXPECT_FALSE(broken.Start(classPath.c_str(), error));
    EXPECT_EQ(g_shown, (std::vector<std::string>(
                           2, "Error: Could not get methods for class java.lang.Class or related classes")));
    EXPECT_EQ(broken.LoadClass((kPackage + "Base").c_str(), false, error), nullptr);
    EXPECT_TRUE(broken.Start(classPath.c_str(), error));
    EXPECT_TRUE(broken.IsStarted());
    std::unique_ptr<CJavaClassSpec> base(broken.LoadClass((kPackage + "Base").c_str(), false, error));
    ASSERT_TRUE(base) << error.c_str();
    EXPECT_TRUE(broken.ReflectClass(base.get()));
}

// The VM cannot list the constructors (a parameter's class is missing): the
// class is not reflected, and no constructor is made up for it.
TEST_F(JvmHost, AClassWhoseConstructorsCannotBeListedIsNotReflected) {
    ASSERT_TRUE(Start(host));
    auto c = LoadFrom(host, kAwkward + "Vanishing");
    ASSERT_TRUE(c);
    EXPECT_FALSE(host.ReflectClass(c.get()));
    EXPECT_FALSE(c->m_reflected);
    EXPECT_TRUE(c->m_constructors.empty());
    EXPECT_TRUE(c->m_methods.empty());
    EXPECT_FALSE(c->IsTaken("Construct"));
    EXPECT_EQ(c->m_error.str().rfind("java.lang.NoClassDefFoundError: brivel/c2jmodelgone/Gone", 0), 0u)
        << c->m_error.c_str();
    EXPECT_TRUE(NoPendingException());
}

// A host whose reflection getters can be pointed at other methods of the
// same reflection classes: the generic forms, which raise for members whose
// generic types name a missing class (only the result's absence matters:
// a getter that raises gives nothing).
class RedirectedHost : public CJavaVmHost {
public:
    enum Getter { kMethodName, kReturnType, kParameterTypes, kConstructorParameterTypes, kFieldName, kFieldType };
    void Redirect(Getter getter) {
        JNIEnv* env = GetEnv();
        switch (getter) {
        case kMethodName:
            m_methodGetName = env->GetMethodID(m_methodClass, "getGenericReturnType", "()Ljava/lang/reflect/Type;");
            break;
        case kReturnType:
            m_methodGetReturnType = env->GetMethodID(m_methodClass, "getGenericReturnType", "()Ljava/lang/reflect/Type;");
            break;
        case kParameterTypes:
            m_methodGetParameterTypes =
                env->GetMethodID(m_methodClass, "getGenericParameterTypes", "()[Ljava/lang/reflect/Type;");
            break;
        case kConstructorParameterTypes:
            m_constructorGetParameterTypes =
                env->GetMethodID(m_constructorClass, "getGenericParameterTypes", "()[Ljava/lang/reflect/Type;");
            break;
        case kFieldName: m_fieldGetName = env->GetMethodID(m_fieldClass, "toGenericString", "()Ljava/lang/String;"); break;
        case kFieldType: m_fieldGetType = env->GetMethodID(m_fieldClass, "getGenericType", "()Ljava/lang/reflect/Type;"); break;
        }
    }
    void Restore() {
        m_methodGetName = m_methodGetReturnType = m_methodGetParameterTypes = m_constructorGetParameterTypes = nullptr;
        m_fieldGetName = m_fieldGetType = nullptr;
        LookUpReflection();
    }
};

// A member whose name or types the VM fails to give ends the reflection with
// the VM's reason; nothing is named after an empty text.
TEST_F(JvmHost, MembersTheVmCannotDescribeEndTheReflectionWithItsReason) {
    RedirectedHost redirected;
    ASSERT_TRUE(Start(redirected));
    for (auto getter : {RedirectedHost::kMethodName, RedirectedHost::kReturnType, RedirectedHost::kParameterTypes,
                        RedirectedHost::kConstructorParameterTypes, RedirectedHost::kFieldName,
                        RedirectedHost::kFieldType}) {
        auto c = LoadFrom(redirected, kAwkward + "GenericGone");
        ASSERT_TRUE(c);
        redirected.Redirect(getter);
        EXPECT_FALSE(redirected.ReflectClass(c.get())) << "getter " << getter;
        redirected.Restore();
        EXPECT_FALSE(c->m_reflected) << "getter " << getter;
        EXPECT_EQ(c->m_error.str().rfind("java.lang.TypeNotPresentException: Type brivel.c2jmodelgone.Gone not present", 0),
                  0u)
            << "getter " << getter << ": " << c->m_error.c_str();
        EXPECT_FALSE(c->IsTaken("Items")) << "getter " << getter;
        EXPECT_FALSE(c->IsTaken("List")) << "getter " << getter;
        EXPECT_FALSE(redirected.GetEnv()->ExceptionCheck()) << "getter " << getter;
        EXPECT_TRUE(redirected.ReflectClass(c.get())) << "getter " << getter << ": " << c->m_error.c_str();
    }
}

// Names that code page 1252 cannot hold would reach the ANSI side as "?":
// the member is not offered, with the reason, and no "??_1" name is made.
TEST_F(JvmHost, NamesBeyondTheCodePageMakeTheMemberUnsupported) {
    ASSERT_TRUE(Start(host));
    const struct {
        const char* className;
        const char* why;
        const char* notNamed;
    } cases[] = {
        {"GreekMethod", "Java name \"?mega\" has characters outside the system code page", "?mega"},
        {"GreekField", "Java name \"?lpha\" has characters outside the system code page", "?lpha"},
        {"GreekParameter", "Java name \"brivel.c2jmodelawkward.?\" has characters outside the system code page", "Take"},
    };
    for (const auto& c : cases) {
        auto javaClass = LoadFrom(host, kAwkward + c.className);
        ASSERT_TRUE(javaClass) << c.className;
        EXPECT_FALSE(host.ReflectClass(javaClass.get())) << c.className;
        EXPECT_STREQ(javaClass->m_error.c_str(), c.why) << c.className;
        EXPECT_FALSE(javaClass->m_reflected) << c.className;
        EXPECT_FALSE(javaClass->IsTaken(c.notNamed)) << c.className;
    }
    // A JAR lists only the classes a project can name.
    std::vector<CString> names;
    CString error;
    ASSERT_TRUE(host.ListJarClasses(AWKWARD_JAR, names, error)) << error.c_str();
    std::set<std::string> listed;
    for (const CString& name : names) listed.insert(name.str());
    std::set<std::string> expected;
    for (const char* n : {"GenericGone", "GreekField", "GreekMethod", "GreekParameter", "Vanishing"})
        expected.insert(kAwkward + n);
    EXPECT_EQ(listed, expected);
}

// A class record releases the VM's reference to its class when it goes
// (counted by the VM: a released reference cannot be asked about).
TEST_F(JvmHost, AClassRecordReleasesItsClassReference) {
    ASSERT_TRUE(Start(host));
    JNIEnv* env = host.GetEnv();
    jobject cls = nullptr;
    int held = -1;
    {
        auto c = Load("Base");
        ASSERT_TRUE(c);
        EXPECT_EQ(env->GetObjectRefType(c->m_classRef), JNIGlobalRefType);
        cls = env->NewLocalRef(c->m_classRef);
        held = brivel::testing::CountGlobalReferencesTo(env, cls);
        EXPECT_GE(held, 1);
    }
    EXPECT_EQ(brivel::testing::CountGlobalReferencesTo(env, cls), held - 1);
    env->DeleteLocalRef(cls);
}

}  // namespace
