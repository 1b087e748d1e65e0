// The control's properties: names and numbers, bounds, what gets return,
// and the all-or-nothing load from a property bag.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "UploaderProperties.h"

using namespace brivel::uploadctl;

namespace {

constexpr char kDefaultHost[] = "build.example.test";

// A property bag's values by bag name; names absent from the map are absent.
CUploaderProperties::BagReader BagOf(const std::map<std::string, std::string>& values) {
    return [values](const PropertyInfo& info, std::string& value) {
        auto found = values.find(info.bagName);
        if (found == values.end()) return false;
        value = found->second;
        return true;
    };
}

}  // namespace

TEST(UploaderProperties, NamesNumbersAndBagNamesAreTheInterfaces) {
    const char* expected[][2] = {{"pkgName", "PackageName"},   {"libName", "LibraryName"},
                                 {"comFileName", "ComFileName"}, {"hostName", "HostName"},
                                 {"targetUrl", "TargetURL"},     {"initialText", "InitialText"},
                                 {"activeXList", "ActiveXList"}, {"preferVirtual", "PreferVirtual"}};
    for (int i = 0; i < kPropertyCount; ++i) {
        const PropertyInfo& info = AllProperties()[i];
        EXPECT_EQ(static_cast<int>(info.id), i + 1) << expected[i][0];
        EXPECT_STREQ(info.name, expected[i][0]);
        EXPECT_STREQ(info.bagName, expected[i][1]);
        EXPECT_EQ(&InfoOf(info.id), &info) << expected[i][0];
    }
}

TEST(UploaderProperties, HostAndPathStartAsTheServicesAndTheRestEmpty) {
    CUploaderProperties properties(kDefaultHost);
    EXPECT_EQ(properties.Get(UploaderProperty::HostName), kDefaultHost);
    EXPECT_EQ(properties.Get(UploaderProperty::TargetUrl), "/brvBuildServlet");
    for (auto property : {UploaderProperty::PackageName, UploaderProperty::LibraryName, UploaderProperty::ComFileName,
                          UploaderProperty::InitialText, UploaderProperty::ActiveXList,
                          UploaderProperty::PreferVirtual})
        EXPECT_EQ(properties.Get(property), "") << InfoOf(property).name;
    EXPECT_EQ(properties.ActiveXPart(), "");
    EXPECT_FALSE(properties.PreferVirtual());
}

TEST(UploaderProperties, EveryPropertyTakesTextUpToItsBoundAndRefusesLongerKeepingItsValue) {
    CUploaderProperties properties(kDefaultHost);
    for (int i = 0; i < kPropertyCount; ++i) {
        const PropertyInfo& info = AllProperties()[i];
        std::string longest(info.maxLength, 'x');
        EXPECT_TRUE(properties.Set(info.id, "first")) << info.name;
        EXPECT_EQ(properties.Get(info.id), "first") << info.name;
        EXPECT_TRUE(properties.Set(info.id, longest)) << info.name;
        EXPECT_EQ(properties.Get(info.id), longest) << info.name;
        EXPECT_FALSE(properties.Set(info.id, longest + "x")) << info.name;
        EXPECT_EQ(properties.Get(info.id), longest) << info.name;
        EXPECT_TRUE(properties.Set(info.id, "")) << info.name;
        EXPECT_EQ(properties.Get(info.id), "") << info.name;
    }
}

TEST(UploaderProperties, BoundsAreTheFormsFieldsAHostNameAndARequestPath) {
    EXPECT_EQ(InfoOf(UploaderProperty::PackageName).maxLength, 510u);
    EXPECT_EQ(InfoOf(UploaderProperty::LibraryName).maxLength, 510u);
    EXPECT_EQ(InfoOf(UploaderProperty::ComFileName).maxLength, 510u);
    EXPECT_EQ(InfoOf(UploaderProperty::HostName).maxLength, 255u);
    EXPECT_EQ(InfoOf(UploaderProperty::TargetUrl).maxLength, 2048u);
    // The longest library name, ";pvirt=0", ";activex=" and the list fill
    // the 16-bit length of the request's field 2 exactly.
    EXPECT_EQ(InfoOf(UploaderProperty::LibraryName).maxLength + 8 + 9 + InfoOf(UploaderProperty::ActiveXList).maxLength,
              0xFFFFu);
}

TEST(UploaderProperties, AnEmptyActiveXListSendsNoPartAndClearsAnEarlierList) {
    CUploaderProperties properties(kDefaultHost);
    properties.Set(UploaderProperty::ActiveXList, "Ax.One,Ax.Two");
    EXPECT_EQ(properties.ActiveXPart(), ";activex=Ax.One,Ax.Two");
    properties.Set(UploaderProperty::ActiveXList, "");
    EXPECT_EQ(properties.ActiveXPart(), "");
}

TEST(UploaderProperties, PreferVirtualIsOnWhenItsTextBeginsWithOne) {
    CUploaderProperties properties(kDefaultHost);
    for (auto [text, on] : {std::pair<const char*, bool>{"1", true}, {"10", true}, {"1 yes", true}, {"01", false},
                            {"", false}, {"true", false}, {" 1", false}}) {
        properties.Set(UploaderProperty::PreferVirtual, text);
        EXPECT_EQ(properties.PreferVirtual(), on) << '"' << text << '"';
        EXPECT_EQ(properties.Get(UploaderProperty::PreferVirtual), text);
    }
}

TEST(UploaderProperties, ABagSetsWhatItHoldsAndLeavesTheRest) {
    CUploaderProperties properties(kDefaultHost);
    properties.Set(UploaderProperty::PackageName, "kept.package");
    ASSERT_TRUE(properties.LoadFromBag(BagOf({{"LibraryName", "JBagLib"},
                                              {"HostName", "127.0.0.1"},
                                              {"ActiveXList", "Ax.One"},
                                              {"PreferVirtual", "1"},
                                              {"InitialText", ""}})));
    EXPECT_EQ(properties.Get(UploaderProperty::PackageName), "kept.package");
    EXPECT_EQ(properties.Get(UploaderProperty::LibraryName), "JBagLib");
    EXPECT_EQ(properties.Get(UploaderProperty::HostName), "127.0.0.1");
    EXPECT_EQ(properties.Get(UploaderProperty::TargetUrl), "/brvBuildServlet");
    EXPECT_EQ(properties.ActiveXPart(), ";activex=Ax.One");
    EXPECT_TRUE(properties.PreferVirtual());
}

TEST(UploaderProperties, ABagWithOneValueBeyondItsBoundSetsNothing) {
    CUploaderProperties properties(kDefaultHost);
    properties.Set(UploaderProperty::LibraryName, "JBefore");
    UploaderProperty refused = UploaderProperty::PackageName;
    EXPECT_FALSE(properties.LoadFromBag(BagOf({{"LibraryName", "JAfter"},
                                               {"PackageName", "p"},
                                               {"TargetURL", std::string(2049, '/')}}),
                                        &refused));
    EXPECT_EQ(refused, UploaderProperty::TargetUrl);
    EXPECT_EQ(properties.Get(UploaderProperty::LibraryName), "JBefore");
    EXPECT_EQ(properties.Get(UploaderProperty::PackageName), "");
    EXPECT_EQ(properties.Get(UploaderProperty::TargetUrl), "/brvBuildServlet");
}
