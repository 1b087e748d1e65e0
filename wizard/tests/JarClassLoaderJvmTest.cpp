// Whole JAR files into a COM-to-Java project on the real i386 VM (linux32),
// one VM per test case: classes are named and reflected, members whose types
// the project knows are selected, and the runtime classes they use join.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "C2jSpecification.h"
#include "JarClassLoader.h"
#include "JavaVmHost.h"

namespace {

using Lines = std::vector<std::string>;

class JarLoading : public ::testing::Test {
protected:
    JarLoading() {
        SetEnvironmentVariableA("JAVA_HOME", BRIVEL_JVM32);
        spec.m_vmHost = &host;
    }

    bool Load(const std::vector<CString>& jars, const char* extra = "") {
        bool loaded = loader.LoadJarFiles(jars, extra, errors);
        EXPECT_EQ(host.m_systemClasses, nullptr);  // gathered only while members are selected
        return loaded;
    }

    std::vector<std::string> ClassNames() const {
        std::vector<std::string> names;
        for (const CString& name : spec.GetClassNames()) names.push_back(name.str());
        std::sort(names.begin(), names.end());
        return names;
    }

    Lines ErrorLines() const {
        Lines lines;
        for (const CString& line : errors.Lines()) lines.push_back(line.str());
        return lines;
    }

    static const CJavaMethodSpec* Method(const MethodGroup& group, const char* javaName) {
        for (const auto& m : group)
            if (m->m_javaName == javaName) return m.get();
        return nullptr;
    }

    static bool AnySelected(const CJavaClassSpec& c) {
        for (const MethodGroup* g : {&c.m_constructors, &c.m_methods, &c.m_staticMethods})
            for (const auto& m : *g)
                if (m->m_selected) return true;
        for (const FieldGroup* g : {&c.m_fields, &c.m_staticFields})
            for (const auto& f : *g)
                if (f->m_selected) return true;
        return false;
    }

    CJavaVmHost host;
    CC2jSpecification spec;
    CJarClassLoader loader{spec, host};
    CJarLoadErrors errors;
};

const char kSep = CJarClassLoader::kClassPathSeparator;

}  // namespace

TEST_F(JarLoading, KnownMembersAreSelectedAndTheRuntimeClassesTheyUseJoinTheProject) {
    ASSERT_TRUE(Load({SHOP_JAR}, SUPPLIER_JAR)) << errors.InfoBoxText().c_str();
    EXPECT_EQ(spec.m_classPath.str(), std::string(SHOP_JAR) + kSep + SUPPLIER_JAR);
    EXPECT_EQ(ClassNames(), (std::vector<std::string>{"brivel.wizardtest.Item", "brivel.wizardtest.Shop",
                                                      "brivel.wizardtest.more.Item", "java.awt.Point"}));

    CJavaClassSpec* shop = spec.GetClass("brivel.wizardtest.Shop");
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->m_comObjectName, "Shop");
    EXPECT_TRUE(shop->m_reflected);
    ASSERT_EQ(shop->m_constructors.size(), 1u);
    EXPECT_TRUE(shop->m_constructors[0]->m_selected);
    ASSERT_NE(Method(shop->m_methods, "find"), nullptr);
    EXPECT_TRUE(Method(shop->m_methods, "find")->m_selected);      // Item is in the project
    EXPECT_TRUE(Method(shop->m_methods, "where")->m_selected);     // a runtime class
    EXPECT_FALSE(Method(shop->m_methods, "supplier")->m_selected);  // on the class path only
    EXPECT_TRUE(Method(shop->m_staticMethods, "name")->m_selected);
    ASSERT_EQ(shop->m_fields.size(), 1u);
    EXPECT_TRUE(shop->m_fields[0]->m_selected);

    // The runtime class used joins named and reflected, with nothing chosen.
    CJavaClassSpec* point = spec.GetClass("java.awt.Point");
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->m_comObjectName, "Point");
    EXPECT_TRUE(point->m_reflected);
    EXPECT_FALSE(AnySelected(*point));

    // Two classes of one short name get two COM names.
    CString item = spec.GetClass("brivel.wizardtest.Item")->m_comObjectName;
    CString otherItem = spec.GetClass("brivel.wizardtest.more.Item")->m_comObjectName;
    EXPECT_TRUE(item == "Item" || otherItem == "Item");
    EXPECT_NE(item.str(), otherItem.str());
}

TEST_F(JarLoading, TheClassesOfAnEarlierJarOfTheListAreKnown) {
    ASSERT_TRUE(Load({SUPPLIER_JAR, SHOP_JAR})) << errors.InfoBoxText().c_str();
    EXPECT_EQ(spec.m_classPath.str(), std::string(SUPPLIER_JAR) + kSep + SHOP_JAR);
    CJavaClassSpec* shop = spec.GetClass("brivel.wizardtest.Shop");
    ASSERT_NE(shop, nullptr);
    EXPECT_TRUE(Method(shop->m_methods, "supplier")->m_selected);
    EXPECT_NE(spec.GetClass("brivel.wizardtest.supply.Supplier"), nullptr);
}

TEST_F(JarLoading, ARepeatedLoadStartsFromTheSameProject) {
    ASSERT_TRUE(Load({SHOP_JAR, SUPPLIER_JAR})) << errors.InfoBoxText().c_str();
    std::vector<std::string> first = ClassNames();
    ASSERT_TRUE(Load({SHOP_JAR, SUPPLIER_JAR})) << errors.InfoBoxText().c_str();
    EXPECT_EQ(ClassNames(), first);
    EXPECT_EQ(spec.GetClass("brivel.wizardtest.Shop")->m_comObjectName, "Shop");  // not "Shop_1"

    // A JAR taken off the list leaves nothing of its classes behind.
    ASSERT_TRUE(Load({SUPPLIER_JAR})) << errors.InfoBoxText().c_str();
    EXPECT_EQ(ClassNames(), (std::vector<std::string>{"brivel.wizardtest.supply.Supplier"}));
    EXPECT_EQ(spec.GetClass("brivel.wizardtest.supply.Supplier")->m_comObjectName, "Supplier");
    EXPECT_FALSE(host.IsTaken("Shop"));
    EXPECT_FALSE(host.IsTaken("Point"));
}

TEST_F(JarLoading, ClassesThatCannotBeReflectedAreReportedAndNothingIsSelected) {
    EXPECT_FALSE(Load({FIXTURE_JAR}));
    Lines lines = ErrorLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string("Jar File: ") + FIXTURE_JAR);
    bool matrix = false;
    for (const std::string& line : lines)
        if (line.find("Multi-dimensional arrays are not currently supported") != std::string::npos) matrix = true;
    EXPECT_TRUE(matrix) << errors.InfoBoxText().c_str();
    CJavaClassSpec* overloads = spec.GetClass("brivel.c2jmodeltest.Overloads");
    ASSERT_NE(overloads, nullptr);
    EXPECT_TRUE(overloads->m_reflected);
    EXPECT_FALSE(AnySelected(*overloads));
}

TEST_F(JarLoading, MoreThanFiveHundredClassesAreRefused) {
    EXPECT_FALSE(Load({MANY_JAR}));
    EXPECT_EQ(ErrorLines(), (Lines{std::string("Jar File: ") + MANY_JAR,
                                   "Too many classes in JAR file.  Please select classes and method of interest "
                                   "manually."}));
    EXPECT_TRUE(spec.GetClassNames().empty());
}

// A class the VM cannot load (its base class lies in a JAR that is not on
// the class path) is left out and listed, and the rest of the JAR loads: the
// save goes on. The runtime classes that selected members use join in the
// order of the map that gathered them, which decides which of two classes
// of one short name keeps the plain COM name.
TEST_F(JarLoading, AClassTheVmCannotLoadIsLeftOutAndListedWhileTheRestLoads) {
    ASSERT_TRUE(Load({MIXED_JAR})) << errors.InfoBoxText().c_str();
    EXPECT_TRUE(errors.Lines().empty());
    Lines skipped;
    for (const CString& line : errors.SkippedLines()) skipped.push_back(line.str());
    ASSERT_EQ(skipped.size(), 2u);
    EXPECT_EQ(skipped[0], std::string("Jar File: ") + MIXED_JAR);
    EXPECT_EQ(skipped[1].rfind("Error loading \"brivel.wizardtest.mixed.Orphan\": \"java.lang.NoClassDefFoundError", 0),
              0u)
        << skipped[1];
    EXPECT_EQ(spec.GetClass("brivel.wizardtest.mixed.Orphan"), nullptr);
    CJavaClassSpec* proxies = spec.GetClass("brivel.wizardtest.mixed.Proxies");
    ASSERT_NE(proxies, nullptr);
    EXPECT_TRUE(Method(proxies->m_methods, "direct")->m_selected);
    EXPECT_TRUE(Method(proxies->m_methods, "reflective")->m_selected);
    CJavaClassSpec* net = spec.GetClass("java.net.Proxy");
    CJavaClassSpec* reflective = spec.GetClass("java.lang.reflect.Proxy");
    ASSERT_TRUE(net && reflective);
    EXPECT_EQ(net->m_comObjectName.str(), "Proxy");  // bucket 0 of the map, before bucket 6
    EXPECT_EQ(reflective->m_comObjectName.str(), "Proxy_2");

    // A JAR that cannot be listed loads nothing and says only why.
    JarClassesLoad missing = loader.LoadJarClasses("/nowhere/none.jar", spec.m_classPath);
    EXPECT_FALSE(missing.listed);
    EXPECT_EQ(missing.Problems().str(), "Could not open file /nowhere/none.jar");
}
