// The class list page's work and the JAR-mode save on the real i386 VM
// (linux32), one VM per test case: classes added one by one are reflected
// and named, the same class is not added twice, renames keep the scope of
// COM object names right, classes with unmapped types stay out, the
// checks before saving see the real members, and JAR files already loaded
// are not loaded again, nor into a VM that runs with another class path.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "C2jPageRules.h"
#include "C2jSpecification.h"
#include "ClassListModel.h"
#include "ClassListRules.h"
#include "JarClassLoader.h"
#include "JavaVmHost.h"

namespace {

const char kSep = CJarClassLoader::kClassPathSeparator;

class ClassListOnVm : public ::testing::Test {
protected:
    ClassListOnVm() {
        SetEnvironmentVariableA("JAVA_HOME", BRIVEL_JVM32);
        spec.m_vmHost = &host;
    }

    CJavaClassSpec* Add(const char* className, const char* comName, CString* message = nullptr) {
        CString text;
        CJavaClassSpec* added = model.AddClass(classPath, className, false, comName, "", false, text);
        if (message) *message = text;
        return added;
    }

    static CJavaMethodSpec* Method(MethodGroup& group, const char* javaName) {
        for (auto& m : group)
            if (m->m_javaName == javaName) return m.get();
        return nullptr;
    }

    CString classPath = CString(SHOP_JAR) + kSep + SUPPLIER_JAR + kSep + GRID_JAR + kSep + FIXTURE_JAR;
    CJavaVmHost host;
    CC2jSpecification spec;
    CClassListModel model{spec, host};
    CJarClassLoader loader{spec, host};
};

}  // namespace

TEST_F(ClassListOnVm, AClassIsAddedOnceReflectedAndNamedFromTheDialog) {
    CString message;
    CJavaClassSpec* shop = Add("brivel.wizardtest.Shop", "Store", &message);
    ASSERT_NE(shop, nullptr) << message.c_str();
    EXPECT_TRUE(shop->m_reflected);
    EXPECT_EQ(shop->m_comObjectName.str(), "Store");
    EXPECT_TRUE(host.IsTaken("store"));
    EXPECT_EQ(host.GetVmClassPath().str(), classPath.str());

    EXPECT_EQ(Add("brivel.wizardtest.Shop", "Store_2", &message), nullptr);
    EXPECT_EQ(message.str(), "The class \"brivel.wizardtest.Shop\" has already been added.");
    EXPECT_EQ(spec.GetClassNames().size(), 1u);
    EXPECT_FALSE(host.IsTaken("Store_2"));

    EXPECT_EQ(Add("brivel.wizardtest.Nowhere", "Nowhere", &message), nullptr);
    EXPECT_NE(message.Find("brivel.wizardtest.Nowhere"), -1) << message.c_str();
    EXPECT_EQ(Add("brivel.c2jmodeltest.Matrix", "Matrix", &message), nullptr);
    EXPECT_NE(message.Find("Multi-dimensional arrays are not currently supported"), -1) << message.c_str();
    EXPECT_EQ(spec.GetClass("brivel.c2jmodeltest.Matrix"), nullptr);
    EXPECT_FALSE(host.IsTaken("Matrix"));
}

TEST_F(ClassListOnVm, RenamedClassesKeepTheScopeOfObjectNamesRight) {
    CJavaClassSpec* shop = Add("brivel.wizardtest.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    model.ApplyProperties(*shop, "Store", "", false);
    EXPECT_FALSE(host.IsTaken("Shop"));
    // The proposal for a second Shop class now takes the free name, and a
    // class that asks for the renamed one is refused by the dialog.
    EXPECT_EQ(ProposedObjectName("other.Shop", host).str(), "Shop");
    CString message;
    EXPECT_FALSE(CheckClassNameFields({"brivel.wizardtest.Item", "store", ""}, host, message));
    EXPECT_EQ(message.str(), "Object Name conflict");
    model.RemoveClasses({shop});
    EXPECT_FALSE(host.IsTaken("Store"));
}

// The VM host refuses a class whose members use a type without a mapping
// (it would otherwise offer a class that cannot be constructed from COM): the
// dialog shows why and the class stays out.
TEST_F(ClassListOnVm, AClassWhoseConstructorHasAnUnmappedTypeIsShownItsReasonAndLeftOut) {
    CString message;
    EXPECT_EQ(Add("brivel.wizardtest.grid.Grid", "Grid", &message), nullptr);
    EXPECT_EQ(message.str(), "Array of \"char\" is not currently supported");
    EXPECT_TRUE(spec.GetClassNames().empty());
    EXPECT_FALSE(host.IsTaken("Grid"));
}

TEST_F(ClassListOnVm, TheChecksBeforeSavingSeeTheClassesTheSelectedMembersUse) {
    CJavaClassSpec* shop = Add("brivel.wizardtest.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    shop->m_constructors[0]->m_selected = true;
    Method(shop->m_methods, "find")->m_selected = true;
    Method(shop->m_methods, "supplier")->m_selected = true;
    CString message;
    EXPECT_FALSE(CheckClassesBeforeSaving(model.ListedClasses(), message));
    EXPECT_EQ(message.str(),
              "The following classes are referenced but not defined.\nAdd them or remove the references.\n"
              "\nbrivel.wizardtest.Item\nbrivel.wizardtest.supply.Supplier");
    ASSERT_NE(Add("brivel.wizardtest.Item", "Item"), nullptr);
    ASSERT_NE(Add("brivel.wizardtest.supply.Supplier", "Supplier"), nullptr);
    EXPECT_TRUE(CheckClassesBeforeSaving(model.ListedClasses(), message)) << message.c_str();
}

TEST_F(ClassListOnVm, OnlyAwtComponentsCanBeEmbedded) {
    CString error;
    ASSERT_TRUE(host.Start(classPath, error)) << error.c_str();
    IJavaVmHost& vm = host;
    EXPECT_TRUE(vm.IsVisualComponent("brivel.c2jmodeltest.Visual"));
    EXPECT_FALSE(vm.IsVisualComponent("brivel.wizardtest.Shop"));
}

TEST_F(ClassListOnVm, JarFilesLoadedBeforeAreNotLoadedAgain) {
    CJarLoadErrors errors;
    ASSERT_TRUE(loader.LoadJarFiles({SHOP_JAR}, SUPPLIER_JAR, errors)) << errors.InfoBoxText().c_str();
    CJavaClassSpec* shop = spec.GetClass("brivel.wizardtest.Shop");
    ASSERT_NE(shop, nullptr);
    shop->m_comment = "kept";
    size_t classes = spec.GetClassNames().size();
    // Next pressed again on the save page: the same project, the same records.
    ASSERT_TRUE(loader.LoadJarFiles({SHOP_JAR}, SUPPLIER_JAR, errors));
    EXPECT_EQ(spec.GetClass("brivel.wizardtest.Shop"), shop);
    EXPECT_EQ(shop->m_comment.str(), "kept");
    EXPECT_EQ(spec.GetClassNames().size(), classes);
    // Another list is loaded anew.
    ASSERT_TRUE(loader.LoadJarFiles({SUPPLIER_JAR, SHOP_JAR}, "", errors)) << errors.InfoBoxText().c_str();
    EXPECT_EQ(spec.m_classPath.str(), std::string(SUPPLIER_JAR) + kSep + SHOP_JAR);
}

TEST_F(ClassListOnVm, AJarLoadThatFailedIsTriedAgain) {
    CJarLoadErrors errors;
    EXPECT_FALSE(loader.LoadJarFiles({FIXTURE_JAR}, "", errors));
    const size_t lines = errors.Lines().size();
    ASSERT_GT(lines, 0u);
    EXPECT_FALSE(loader.LoadJarFiles({FIXTURE_JAR}, "", errors));
    EXPECT_EQ(errors.Lines().size(), lines) << "the same failure, reported again";
}

TEST_F(ClassListOnVm, JarModeAndTheClassPathPageRefuseAVmStartedWithAnotherClassPath) {
    CString message, running;
    EXPECT_TRUE(loader.CanUseClassPath({SHOP_JAR}, SUPPLIER_JAR, message));  // no VM yet
    EXPECT_TRUE(VmTakesClassPath(&host, SUPPLIER_JAR, running));
    CString error;
    ASSERT_TRUE(host.Start(SHOP_JAR, error)) << error.c_str();  // the class path page's start
    EXPECT_TRUE(VmTakesClassPath(&host, SHOP_JAR, running));
    EXPECT_FALSE(VmTakesClassPath(&host, SUPPLIER_JAR, running));  // a project loaded afterwards
    EXPECT_EQ(running.str(), SHOP_JAR);
    EXPECT_TRUE(loader.CanUseClassPath({SHOP_JAR}, "", message));
    EXPECT_FALSE(loader.CanUseClassPath({SHOP_JAR}, SUPPLIER_JAR, message));
    EXPECT_EQ(message.str(), std::string("The Java VM of this run was started with the class path \"") + SHOP_JAR +
                                 "\" and cannot take the JAR files' class path \"" + SHOP_JAR + kSep +
                                 SUPPLIER_JAR + "\".  Please restart Brivel to build from these JAR files.");
}
