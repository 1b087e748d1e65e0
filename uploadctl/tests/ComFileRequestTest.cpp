// The upload control's request body, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "ComFileRequest.h"

using namespace brivel::uploadctl;

namespace {

std::string Bytes(const char* bytes, size_t count) { return std::string(bytes, count); }

std::string Header(const ComFileRequest& request) {
    std::string header;
    EXPECT_TRUE(BuildComFileRequestHeader(request, header));
    return header;
}

}  // namespace

TEST(ComFileRequest, TwoActiveXNamesWithoutPreferVirtualFollowTheLibraryName) {
    CUploaderProperties properties("host");
    properties.Set(UploaderProperty::LibraryName, "JLib");
    properties.Set(UploaderProperty::PackageName, "a.b");
    properties.Set(UploaderProperty::ComFileName, "C:\\x.ocx");
    properties.Set(UploaderProperty::ActiveXList, "Ax.One,Ax.Two");
    properties.Set(UploaderProperty::PreferVirtual, "01");
    ComFileRequest request = RequestFromProperties(properties, 0x01020304);
    EXPECT_EQ(LibraryField(request), "JLib;pvirt=0;activex=Ax.One,Ax.Two");
    EXPECT_EQ(Header(request), Bytes("\x22\x00JLib;pvirt=0;activex=Ax.One,Ax.Two"
                                     "\x03\x00" "a.b"
                                     "\x08\x00" "C:\\x.ocx"
                                     "\x00\x00\x00\x00"
                                     "\x04\x03\x02\x01",
                                     2 + 34 + 2 + 3 + 2 + 8 + 4 + 4));
}

TEST(ComFileRequest, PreferVirtualWithoutAListSendsPvirtOneAndNoActiveXPart) {
    CUploaderProperties properties("host");
    properties.Set(UploaderProperty::LibraryName, "JLib");
    properties.Set(UploaderProperty::ActiveXList, "");
    properties.Set(UploaderProperty::PreferVirtual, "10");
    EXPECT_EQ(LibraryField(RequestFromProperties(properties, 0)), "JLib;pvirt=1");
}

TEST(ComFileRequest, TheHeaderIsTheThreeTextsAndFourteenBytes) {
    ComFileRequest request;
    request.libraryName = "JLib";
    request.packageName = "pkg";
    request.comFileName = "";
    request.fileSize = 5;
    std::string header = Header(request);
    EXPECT_EQ(header.size(), LibraryField(request).size() + 3 + 0 + 14);
    // An empty text still has its two length bytes.
    EXPECT_EQ(header.substr(2 + 12 + 2 + 3, 2), Bytes("\x00\x00", 2));
}

TEST(ComFileRequest, TheLongestPropertiesFitTheirLengthFields) {
    CUploaderProperties properties("host");
    for (int i = 0; i < kPropertyCount; ++i) {
        const PropertyInfo& info = AllProperties()[i];
        ASSERT_TRUE(properties.Set(info.id, std::string(info.maxLength, 'n'))) << info.name;
    }
    std::string header = Header(RequestFromProperties(properties, 7));
    EXPECT_EQ(header.substr(0, 2), Bytes("\xFF\xFF", 2));
    EXPECT_EQ(header.size(), 2 + 0xFFFFu + 2 + 510 + 2 + 510 + 8);
}

TEST(ComFileRequest, TextsBeyondTheirLengthFieldsOrABodyBeyondFourGigabytesAreRefused) {
    ComFileRequest request;
    request.libraryName = "JLib";
    std::string header = "untouched";
    request.activeXPart = ";activex=" + std::string(0xFFFF, 'a');
    EXPECT_FALSE(BuildComFileRequestHeader(request, header));
    request.activeXPart.clear();
    request.packageName = std::string(0x10000, 'p');
    EXPECT_FALSE(BuildComFileRequestHeader(request, header));
    request.packageName.clear();
    request.comFileName = std::string(0x10000, 'c');
    EXPECT_FALSE(BuildComFileRequestHeader(request, header));
    request.comFileName.clear();
    request.fileSize = 0xFFFFFFFF;
    EXPECT_FALSE(BuildComFileRequestHeader(request, header));
    EXPECT_EQ(header, "untouched");
    request.fileSize = 0xFFFFFFFF - (2 + 12 + 2 + 2 + 8);
    EXPECT_TRUE(BuildComFileRequestHeader(request, header));
}
