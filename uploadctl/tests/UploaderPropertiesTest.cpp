// The control's properties: names and numbers, bounds, what gets return,
// and the load from a property bag that reads as the platform's bags do.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "PropertyTexts.h"
#include "UploaderProperties.h"

using namespace brivel::uploadctl;

namespace {

constexpr char kDefaultHost[] = "build.example.test";

BSTR BstrOf(const std::string& text) {
    std::vector<OLECHAR> wide(text.size() + 1);
    int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size()));
    return SysAllocStringLen(wide.data(), static_cast<UINT>(count > 0 ? count : 0));
}

std::string NameOf(LPCOLESTR name) {
    std::string ascii;
    while (*name) ascii += static_cast<char>(*name++);
    return ascii;
}

// A property bag's values by bag name (absent names are absent), read as
// the platform's bags read: straight into the caller's VARIANT, in the type
// it names, the copy clearing what the VARIANT held first.
class PlatformLikeBag {
public:
    explicit PlatformLikeBag(const std::map<std::string, std::string>& texts) {
        for (const auto& [name, text] : texts) {
            VARIANT& value = values_[name];
            value.vt = VT_BSTR;
            value.bstrVal = BstrOf(text);
        }
    }
    ~PlatformLikeBag() {
        for (auto& entry : values_) VariantClear(&entry.second);
    }
    void SetNumber(const std::string& name, LONG number) {
        VARIANT& value = values_[name];
        VariantClear(&value);
        value.vt = VT_I4;
        value.lVal = number;
    }
    BagValueReader Reader() {
        return [this](LPCOLESTR name, VARIANT* value) {
            auto found = values_.find(NameOf(name));
            if (found == values_.end()) return E_INVALIDARG;
            if (value->vt == VT_EMPTY) return VariantCopy(value, &found->second);
            return VariantChangeType(value, &found->second, 0, value->vt);
        };
    }

private:
    std::map<std::string, VARIANT> values_;
};

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

TEST(UploaderProperties, ABagSetsWhatItHoldsAsTextAndLeavesTheRest) {
    CUploaderProperties properties(kDefaultHost);
    properties.Set(UploaderProperty::PackageName, "kept.package");
    PlatformLikeBag bag({{"LibraryName", "JBagLib"},
                         {"HostName", "127.0.0.1"},
                         {"ActiveXList", "Ax.One"},
                         {"InitialText", ""},
                         {"ComFileName", "C:\\controls\\caf\xe9.ocx"}});
    bag.SetNumber("PreferVirtual", 1);
    EXPECT_TRUE(LoadPropertiesFromBag(properties, bag.Reader()).empty());
    EXPECT_EQ(properties.Get(UploaderProperty::PackageName), "kept.package");
    EXPECT_EQ(properties.Get(UploaderProperty::LibraryName), "JBagLib");
    EXPECT_EQ(properties.Get(UploaderProperty::HostName), "127.0.0.1");
    EXPECT_EQ(properties.Get(UploaderProperty::TargetUrl), "/brvBuildServlet");
    EXPECT_EQ(properties.Get(UploaderProperty::ComFileName), "C:\\controls\\caf\xe9.ocx");
    EXPECT_EQ(properties.ActiveXPart(), ";activex=Ax.One");
    EXPECT_EQ(properties.Get(UploaderProperty::PreferVirtual), "1");
    EXPECT_TRUE(properties.PreferVirtual());
}

TEST(UploaderProperties, ABagValueBeyondItsBoundIsRefusedAloneAndTheOthersAreSet) {
    CUploaderProperties properties(kDefaultHost);
    properties.Set(UploaderProperty::LibraryName, "JBefore");
    properties.Set(UploaderProperty::ActiveXList, "Ax.Before");
    PlatformLikeBag bag({{"LibraryName", "JAfter"},
                         {"PackageName", "p"},
                         {"TargetURL", std::string(2049, '/')},
                         {"ActiveXList", std::string(1000000, 'a')}});
    std::vector<UploaderProperty> refused = LoadPropertiesFromBag(properties, bag.Reader());
    EXPECT_EQ(refused, (std::vector<UploaderProperty>{UploaderProperty::TargetUrl, UploaderProperty::ActiveXList}));
    EXPECT_EQ(properties.Get(UploaderProperty::LibraryName), "JAfter");
    EXPECT_EQ(properties.Get(UploaderProperty::PackageName), "p");
    EXPECT_EQ(properties.Get(UploaderProperty::TargetUrl), "/brvBuildServlet");
    EXPECT_EQ(properties.Get(UploaderProperty::ActiveXList), "Ax.Before");
}
