// The class list page and its dialogs without windows: the COM naming rule,
// the class name dialog's checks and JAR choices, the member list's rows and
// clicks, parameter renames, the checks before saving, and the page's work
// on the project (adding, properties, removing, renaming members) against
// the tests' VM host.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "C2jSpecification.h"
#include "ClassListModel.h"
#include "ClassListRules.h"
#include "ComNameSet.h"
#include "FakeVmHost.h"
#include "JavaTypeHandler.h"

using brivel::testing::AddReflectedField;
using brivel::testing::AddReflectedMethod;
using brivel::testing::FakeVmHost;

namespace {

std::string ComNameMessage(const char* name, const CComNameSet& names) {
    CString message;
    return ValidateComName(name, names, message) ? "ok" : message.str();
}

std::string ClassNameMessage(const char* className, const char* comName, const CComNameSet& names,
                             const char* original = "") {
    CString message;
    ClassNameFields fields{className, comName, original};
    return CheckClassNameFields(fields, names, message) ? "ok" : message.str();
}

std::vector<std::string> Texts(const std::vector<MemberEntry>& rows) {
    std::vector<std::string> texts;
    for (const MemberEntry& row : rows) texts.push_back(row.text.str());
    return texts;
}

CJavaTypeHandler* Type(uint32_t code) { return GetStaticTypeHandler(code); }

// A project on the tests' VM host with a few classes to reflect.
class ClassList : public ::testing::Test {
protected:
    ClassList() {
        spec.m_vmHost = &host;
        host.Define("shop.Shop").reflect = [](CJavaClassSpec& c) {
            AddReflectedMethod(c, c.m_constructors, "<init>", Type(kTypeVoid), {});
            AddReflectedMethod(c, c.m_methods, "find", FindOrCreateObjectTypeHandler("shop.Item"), {Type(kTypeInt)});
            AddReflectedMethod(c, c.m_methods, "total", Type(kTypeLong), {Type(kTypeInt), Type(kTypeLong)});
        };
        host.Define("shop.Item").reflect = [](CJavaClassSpec& c) {
            AddReflectedMethod(c, c.m_constructors, "<init>", Type(kTypeVoid), {});
        };
        host.Define("other.Item");
        host.Define("shop.Broken").reflectError = "Error loading class shop.Broken";
        host.Define("shop.Oops").exception = true;
        host.Define("shop.Listener").isInterface = true;
    }

    CJavaClassSpec* Add(const char* className, const char* comName, CString* message = nullptr) {
        CString text;
        CJavaClassSpec* added = model.AddClass("cp", className, false, comName, "", false, text);
        if (message) *message = text;
        return added;
    }

    static void SelectConstructors(CJavaClassSpec& c) {
        for (auto& m : c.m_constructors) m->m_selected = true;
    }

    FakeVmHost host;
    CC2jSpecification spec;
    CComNameSet objectNames;
    CClassListModel model{spec, objectNames};
};

}  // namespace

TEST(ClassListRules, ComNamesFollowTheNamingRuleInItsOrder) {
    CComNameSet names;
    names.AddName("Total");
    EXPECT_EQ(ComNameMessage("Count_2", names), "ok");
    EXPECT_EQ(ComNameMessage("", names), "Empty name");
    EXPECT_EQ(ComNameMessage("_count", names), "Name must not start with an underscore or digit");
    EXPECT_EQ(ComNameMessage("2count", names), "Name must not start with an underscore or digit");
    EXPECT_EQ(ComNameMessage("TOTAL", names), "Duplicate name.  Please use unique names.");
    EXPECT_EQ(ComNameMessage("count-2", names), "Invalid character in name");
    EXPECT_EQ(ComNameMessage("co unt", names), "Invalid character in name");
}

TEST(ClassListRules, TheClassNameDialogChecksItsFieldsInOrder) {
    CComNameSet names;
    names.AddName("Shop");
    EXPECT_EQ(ClassNameMessage("shop.Item", "Item", names), "ok");
    EXPECT_EQ(ClassNameMessage("  ", "Item", names), "Please enter class name");
    EXPECT_EQ(ClassNameMessage("java.lang.String", "String", names),
              "This class cannot be added because it has built-in support!");
    EXPECT_EQ(ClassNameMessage("java.util.Date", "Date", names),
              "This class cannot be added because it has built-in support!");
    EXPECT_EQ(ClassNameMessage("shop.Item", "", names), "No Object name");
    EXPECT_EQ(ClassNameMessage("shop.Item", "2Item", names), "Invalid Character in COM name: 2");
    EXPECT_EQ(ClassNameMessage("shop.Item", "It-em", names), "Invalid Character in COM name: -");
    EXPECT_EQ(ClassNameMessage("shop.Shop", "shop", names), "Object Name conflict");
    // The properties dialog keeps the class's own name, in any letter case.
    EXPECT_EQ(ClassNameMessage("shop.Shop", "SHOP", names, "Shop"), "ok");
}

TEST(ClassListRules, TheProposedComNameFollowsTheShortClassNameWithoutTakingIt) {
    CComNameSet names;
    names.AddName("Item");
    EXPECT_EQ(ProposedObjectName("shop.Item", names).str(), "Item_1");
    EXPECT_EQ(ProposedObjectName("Basket", names).str(), "Basket");
    EXPECT_EQ(ProposedObjectName("shop.", names).str(), "");
    EXPECT_FALSE(names.IsTaken("Basket"));
}

TEST(ClassListRules, TheJarChoicesAreTheClassPathsArchivesWithoutTheProductsOwn) {
    const std::vector<CString> choices =
        JarChoices("C:\\lib\\a.jar;.jar;C:\\classes;b.ZIP;C:\\Brivel\\brivel18.jar;x.jar;brivel.jar;C:\\c.Jar", ';');
    std::vector<std::string> texts;
    for (const CString& c : choices) texts.push_back(c.str());
    // Short entries are compared only where they have the characters: "x.jar"
    // and "brivel.jar" are offered.
    EXPECT_EQ(texts, (std::vector<std::string>{"C:\\lib\\a.jar", "b.ZIP", "x.jar", "brivel.jar", "C:\\c.Jar"}));
    EXPECT_TRUE(JarChoices("", ';').empty());
    EXPECT_EQ(JarChoices("/lib/a.jar:/lib/b.jar", ':').size(), 2u);
}

TEST_F(ClassList, TheMemberListGroupsMembersAndShowsTheirTypesNamesAndComments) {
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    auto field = std::make_unique<CJavaFieldSpec>();
    field->m_type = Type(kTypeInt);
    field->m_javaName = "count";
    field->m_comName = "count";
    field->m_readOnly = true;
    field->m_comment = "how many";
    shop->m_staticFields.push_back(std::move(field));
    shop->m_methods[0]->m_supported = false;
    shop->m_methods[0]->m_error = "Class shop.Item is not listed";

    std::vector<MemberEntry> rows = BuildMemberEntries(*shop);
    EXPECT_EQ(Texts(rows), (std::vector<std::string>{"Constructors", "void Construct", "Methods", "shop.Item Find",
                                                     "long Total", "Static Fields",
                                                     "int count (read-only)    // how many"}));
    EXPECT_EQ(rows[0].kind, MemberEntry::kHeader);
    EXPECT_EQ(rows[3].kind, MemberEntry::kUnavailable);
    EXPECT_EQ(MemberDescription(rows[1]).str(), "Constructor");
    EXPECT_EQ(MemberDescription(rows[4]).str(), "Java method name:     total");
    EXPECT_EQ(MemberDescription(rows[6]).str(), "Java field name:     count");
    EXPECT_EQ(MemberDescription(rows[3]).str(),
              "This method is not available.\r\n\r\nClass shop.Item is not listed");

    // Clicks: headers and unavailable members never toggle; a click right of
    // the box on a checked row only selects it.
    EXPECT_FALSE(ClickToggles(rows[0], 5, 12));
    EXPECT_FALSE(ClickToggles(rows[3], 5, 12));
    EXPECT_TRUE(ClickToggles(rows[4], 40, 12));
    *rows[4].selection = true;
    EXPECT_FALSE(ClickToggles(rows[4], 40, 12));
    EXPECT_TRUE(ClickToggles(rows[4], 5, 12));
}

TEST_F(ClassList, AParameterTakesANewNameOnlyWhenItIsValidAndNotAnotherParametersInAnyCase) {
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    const CJavaMethodSpec& total = *shop->m_methods[1];  // (arg1, arg2)
    const CJavaMethodSpec& find = *shop->m_methods[0];   // (arg1)
    const CJavaMethodSpec& construct = *shop->m_constructors[0];
    CString message;
    int index = -1;
    EXPECT_FALSE(CheckParameterRename(construct, -1, "x", *shop, message, index));
    EXPECT_EQ(message.str(), "There are no parameters to change");
    EXPECT_FALSE(CheckParameterRename(total, -1, "x", *shop, message, index));
    EXPECT_EQ(message.str(), "Please select a parameter name to change first");
    EXPECT_FALSE(CheckParameterRename(total, 0, " ARG2 ", *shop, message, index));
    EXPECT_EQ(message.str(), "Name Exists");
    EXPECT_FALSE(CheckParameterRename(total, 0, "find", *shop, message, index));  // a COM name of the class
    EXPECT_EQ(message.str(), "Duplicate name.  Please use unique names.");
    message.Empty();
    EXPECT_FALSE(CheckParameterRename(total, 0, "arg1", *shop, message, index));  // unchanged
    EXPECT_EQ(message.str(), "");
    EXPECT_TRUE(CheckParameterRename(total, 1, " amount ", *shop, message, index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(CheckParameterRename(find, -1, "number", *shop, message, index));  // the only one
    EXPECT_EQ(index, 0);
}

TEST_F(ClassList, AMembersComNameChangesItsPlaceInTheClassScope) {
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    CJavaMethodSpec& total = *shop->m_methods[1];
    CString message;
    EXPECT_FALSE(CClassListModel::RenameMember(*shop, &total, kComNameMethod, total.m_comName, "find", message));
    EXPECT_EQ(message.str(), "Duplicate name.  Please use unique names.");
    EXPECT_TRUE(CClassListModel::RenameMember(*shop, &total, kComNameMethod, total.m_comName, "sum", message));
    EXPECT_EQ(total.m_comName.str(), "sum") << "kept as typed";
    EXPECT_TRUE(shop->IsTaken("sum"));
    EXPECT_FALSE(shop->IsTaken("total"));
    EXPECT_TRUE(CClassListModel::RenameMember(*shop, &total, kComNameMethod, total.m_comName, "SUM", message));
    EXPECT_EQ(total.m_comName.str(), "sum");  // only another letter case: unchanged
}

TEST_F(ClassList, AFieldsNewNameTakesItsAccessorNamesWithIt) {
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    CJavaFieldSpec& count = *AddReflectedField(*shop, shop->m_fields, "count", Type(kTypeInt));
    shop->AddName("get_" + count.m_comName);  // as reflection takes them
    shop->AddName("put_" + count.m_comName);
    CJavaMethodSpec& total = *shop->m_methods[1];
    CString message;
    ASSERT_TRUE(CClassListModel::RenameMember(*shop, &total, kComNameMethod, total.m_comName, "get_Size", message));
    EXPECT_FALSE(CClassListModel::RenameMember(*shop, &count, kComNameField, count.m_comName, "Size", message));
    EXPECT_EQ(message.str(), "Duplicate name.  Please use unique names.");
    EXPECT_EQ(count.m_comName.str(), "Count");
    ASSERT_TRUE(CClassListModel::RenameMember(*shop, &count, kComNameField, count.m_comName, "amount", message));
    EXPECT_EQ(count.m_comName.str(), "amount") << "kept as typed";
    EXPECT_TRUE(shop->IsTaken("get_amount"));
    EXPECT_TRUE(shop->IsTaken("put_amount"));
    EXPECT_FALSE(shop->IsTaken("get_Count"));
    EXPECT_FALSE(shop->IsTaken("Count"));
}

TEST_F(ClassList, AnAddedClassIsReflectedAndNamedAndTheSameClassIsNotAddedTwice) {
    CString message;
    CJavaClassSpec* shop = Add("shop.Shop", "Store", &message);
    ASSERT_NE(shop, nullptr) << message.c_str();
    EXPECT_TRUE(shop->m_reflected);
    EXPECT_EQ(shop->m_comObjectName.str(), "Store");
    EXPECT_TRUE(objectNames.IsTaken("Store"));
    // An added class is named the way the name scope makes names.
    CJavaClassSpec* item = Add("shop.Item", "basket", &message);
    ASSERT_NE(item, nullptr) << message.c_str();
    EXPECT_EQ(item->m_comObjectName.str(), "Basket");

    EXPECT_EQ(Add(" shop.Shop ", "Store2", &message), nullptr);
    EXPECT_EQ(message.str(), "The class \"shop.Shop\" has already been added.");
    EXPECT_EQ(spec.GetClassNames().size(), 2u);
    EXPECT_FALSE(objectNames.IsTaken("Store2"));

    // A class whose reflection fails is shown its error and left out.
    EXPECT_EQ(Add("shop.Broken", "Broken", &message), nullptr);
    EXPECT_EQ(message.str(), "Error loading class shop.Broken");
    EXPECT_EQ(spec.GetClass("shop.Broken"), nullptr);
    EXPECT_FALSE(objectNames.IsTaken("Broken"));
    EXPECT_EQ(Add("shop.Missing", "Missing", &message), nullptr);
    EXPECT_EQ(message.str(), "Class shop.Missing not found (CLASSPATH problem?)");
}

TEST_F(ClassList, PropertiesThatRenameGiveTheOldNameBackAndHoldTheNewOne) {
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    ASSERT_NE(shop, nullptr);
    model.ApplyProperties(*shop, "store", "the shop", true);
    EXPECT_EQ(shop->m_comObjectName.str(), "store") << "kept as typed";
    EXPECT_EQ(shop->m_comment.str(), "the shop");
    EXPECT_EQ(shop->m_visual, 1);
    EXPECT_TRUE(objectNames.IsTaken("Store"));
    EXPECT_FALSE(objectNames.IsTaken("Shop"));
    // Another class now takes the freed name, and may not take the new one.
    EXPECT_EQ(ClassNameMessage("shop.Item", "Store", objectNames), "Object Name conflict");
    CJavaClassSpec* item = Add("shop.Item", "Shop");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_comObjectName.str(), "Shop");
    // A change of letter case only is kept as typed.
    model.ApplyProperties(*shop, "STORE", "", false);
    EXPECT_EQ(shop->m_comObjectName.str(), "STORE");
    EXPECT_TRUE(objectNames.IsTaken("store"));
}

TEST_F(ClassList, RemovedClassesLeaveTheProjectAndGiveTheirNamesBack) {
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    CJavaClassSpec* item = Add("shop.Item", "Item");
    ASSERT_TRUE(shop && item);
    EXPECT_EQ(CClassListModel::RemoveQuestion({"shop.Shop"}).str(), "Remove class shop.Shop?");
    EXPECT_EQ(CClassListModel::RemoveQuestion({"shop.Shop", "shop.Item"}).str(),
              "Are you sure you want to remove all these classes?");
    model.RemoveClasses({shop, item});
    EXPECT_TRUE(spec.GetClassNames().empty());
    EXPECT_FALSE(objectNames.IsTaken("Shop"));
    EXPECT_FALSE(objectNames.IsTaken("Item"));
    EXPECT_EQ(FindOrCreateObjectTypeHandler("shop.Item")->GetClassSpec(), nullptr);
}

TEST_F(ClassList, NextNeedsAConstructibleClassAndEveryUsedClassInTheProject) {
    CString message;
    EXPECT_FALSE(CheckClassesBeforeSaving({}, message));
    EXPECT_EQ(message.str(), "Please select one or more Java classes!");

    CJavaClassSpec* item = Add("shop.Item", "Item");
    CJavaClassSpec* shop = Add("shop.Shop", "Shop");
    ASSERT_TRUE(item && shop);
    EXPECT_FALSE(CheckClassesBeforeSaving(model.ListedClasses(), message));
    EXPECT_EQ(message.str(),
              "There are no constructors selected.  Java objects cannot be created without a constructorl.  Please "
              "select at least one constructor as a starting point!");
    // Only the second class has a selected constructor: Next passes.
    SelectConstructors(*shop);
    EXPECT_TRUE(CheckClassesBeforeSaving(model.ListedClasses(), message)) << message.c_str();

    // A selected member that uses a class outside the project.
    shop->m_methods[0]->m_selected = true;  // returns shop.Item: in the project
    EXPECT_TRUE(CheckClassesBeforeSaving(model.ListedClasses(), message)) << message.c_str();
    model.RemoveClasses({item});
    EXPECT_FALSE(CheckClassesBeforeSaving(model.ListedClasses(), message));
    EXPECT_EQ(message.str(),
              "The class \"shop.Item\" is referenced but not defined.\nAdd it or remove the references.");
    shop->m_methods[1]->m_parameterTypes[0] = FindOrCreateObjectArrayTypeHandler("other.Item");
    shop->m_methods[1]->m_selected = true;
    EXPECT_FALSE(CheckClassesBeforeSaving(model.ListedClasses(), message));
    EXPECT_EQ(message.str(),
              "The following classes are referenced but not defined.\nAdd them or remove the references.\n"
              "\nother.Item\nshop.Item");
}

TEST_F(ClassList, ExceptionsInterfacesAndRuntimeClassesAreNotConstructible) {
    host.Define("java.util.Random").reflect = [](CJavaClassSpec& c) {
        AddReflectedMethod(c, c.m_constructors, "<init>", Type(kTypeVoid), {});
    };
    host.Define("shop.Oops").reflect = host.Define("java.util.Random").reflect;
    host.Define("shop.Listener").reflect = host.Define("java.util.Random").reflect;
    std::vector<CJavaClassSpec*> classes;
    for (const char* name : {"java.util.Random", "shop.Oops", "shop.Listener"}) {
        CJavaClassSpec* c = Add(name, CString(name).Mid(CString(name).ReverseFind('.') + 1));
        ASSERT_NE(c, nullptr) << name;
        SelectConstructors(*c);
        classes.push_back(c);
    }
    CString message;
    EXPECT_FALSE(CheckClassesBeforeSaving(classes, message));
    EXPECT_EQ(message.Left(38).str(), "There are no constructors selected.  J");
}

namespace {

// The project as the load page reads it back from its file.
void Reread(CC2jSpecification& project, CC2jSpecification& loaded) {
    FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(project.Save(file));
    std::rewind(file);
    CString error;
    ASSERT_TRUE(loaded.Load(file, error)) << error.c_str();
    std::fclose(file);
}

// A project saved by an earlier run: shop.Shop with its constructor and
// method "total" chosen, "total" renamed "Sum", and shop.Item with its
// constructor.
void SaveShopProject(CC2jSpecification& saved, FakeVmHost& host) {
    CC2jSpecification project;
    project.m_vmHost = &host;
    CString error, message;
    CJavaClassSpec* s = project.AddClassFromVm("cp", false, "shop.Shop", error);
    CJavaClassSpec* i = project.AddClassFromVm("cp", false, "shop.Item", error);
    ASSERT_TRUE(s && i) << error.c_str();
    host.ReflectClass(s);
    host.ReflectClass(i);
    s->m_comObjectName = "Store";
    ASSERT_TRUE(CClassListModel::RenameMember(*s, s->m_methods[1].get(), kComNameMethod, s->m_methods[1]->m_comName,
                                              "Sum", message));
    s->m_methods[1]->m_selected = true;
    s->m_constructors[0]->m_selected = true;
    i->m_constructors[0]->m_selected = true;
    Reread(project, saved);
}

}  // namespace

TEST_F(ClassList, AReloadedProjectsComNamesAreTheTakenNamesOfItsScopes) {
    CC2jSpecification saved;
    SaveShopProject(saved, host);
    spec.m_classPath = "cp";
    CString errors;
    ASSERT_TRUE(model.ReloadProject(saved, errors)) << errors.c_str();
    CJavaClassSpec* c = spec.GetClass("shop.Shop");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->m_methods[1]->m_comName.str(), "Sum");
    EXPECT_TRUE(c->IsTaken("Sum"));
    EXPECT_FALSE(c->IsTaken("Total")) << "the reflected name is no member's";
    EXPECT_TRUE(objectNames.IsTaken("Store"));
    EXPECT_FALSE(objectNames.IsTaken("Shop"));

    // No other member may take the reloaded name; the freed one is free.
    CString message;
    CJavaMethodSpec& find = *c->m_methods[0];
    EXPECT_FALSE(CClassListModel::RenameMember(*c, &find, kComNameMethod, find.m_comName, "Sum", message));
    EXPECT_EQ(message.str(), "Duplicate name.  Please use unique names.");
    EXPECT_EQ(find.m_comName.str(), "Find");
    EXPECT_TRUE(CClassListModel::RenameMember(*c, &find, kComNameMethod, find.m_comName, "Total", message))
        << message.c_str();
    EXPECT_EQ(ClassNameMessage("shop.Item", "Store", objectNames), "Object Name conflict");
}

TEST_F(ClassList, ASavedNameThatAnUnchosenMemberHeldGivesThatMemberANewOne) {
    // Saved: "find" was renamed "Total" once "total" had been renamed "Sum";
    // only "find" was chosen.
    CC2jSpecification project, saved;
    project.m_vmHost = &host;
    CString error, message;
    CJavaClassSpec* s = project.AddClassFromVm("cp", false, "shop.Shop", error);
    ASSERT_NE(s, nullptr);
    host.ReflectClass(s);
    ASSERT_TRUE(CClassListModel::RenameMember(*s, s->m_methods[1].get(), kComNameMethod, s->m_methods[1]->m_comName,
                                              "Sum", message));
    ASSERT_TRUE(CClassListModel::RenameMember(*s, s->m_methods[0].get(), kComNameMethod, s->m_methods[0]->m_comName,
                                              "Total", message));
    s->m_methods[0]->m_selected = true;
    s->m_constructors[0]->m_selected = true;
    Reread(project, saved);

    spec.m_classPath = "cp";
    CString errors;
    ASSERT_TRUE(model.ReloadProject(saved, errors)) << errors.c_str();
    CJavaClassSpec* c = spec.GetClass("shop.Shop");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->m_methods[0]->m_comName.str(), "Total");  // the saved name stays
    EXPECT_EQ(c->m_methods[1]->m_comName.str(), "Total_1");
    EXPECT_TRUE(c->IsTaken("Total_1"));
    EXPECT_FALSE(c->IsTaken("Find"));
}

TEST_F(ClassList, AClassThatDoesNotComeBackIsNotDefinedForTheChecks) {
    CC2jSpecification saved;
    SaveShopProject(saved, host);
    CJavaClassSpec* savedShop = saved.GetClass("shop.Shop");
    ASSERT_NE(savedShop, nullptr);
    auto find = std::make_unique<CJavaMethodSpec>();  // returns shop.Item
    find->m_selected = true;
    find->m_javaName = "find";
    find->m_comName = "Find";
    find->m_returnType = FindOrCreateObjectTypeHandler("shop.Item");
    find->m_parameterTypes = {Type(kTypeInt)};
    find->m_parameterNames = {"arg1"};
    savedShop->m_methods.push_back(std::move(find));
    // This run's VM cannot find shop.Item.
    FakeVmHost other;
    other.Define("shop.Shop").reflect = [](CJavaClassSpec& c) {
        AddReflectedMethod(c, c.m_constructors, "<init>", Type(kTypeVoid), {});
        AddReflectedMethod(c, c.m_methods, "find", FindOrCreateObjectTypeHandler("shop.Item"), {Type(kTypeInt)});
        AddReflectedMethod(c, c.m_methods, "total", Type(kTypeLong), {Type(kTypeInt), Type(kTypeLong)});
    };
    spec.m_vmHost = &other;
    spec.m_classPath = "cp";
    CString errors;
    EXPECT_FALSE(model.ReloadProject(saved, errors));
    EXPECT_EQ(errors.str(), "Class shop.Item not found (CLASSPATH problem?)\n");
    EXPECT_EQ(spec.GetClass("shop.Item"), nullptr);
    EXPECT_FALSE(objectNames.IsTaken("Item"));
    CString message;
    EXPECT_FALSE(CheckClassesBeforeSaving(model.ListedClasses(), message));
    EXPECT_EQ(message.str(), "The class \"shop.Item\" is referenced but not defined.\nAdd it or remove the references.");
}
