// The listener class file, byte for byte against expected files whose
// layout was checked with the JDK's javap, and the class-file writer under it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClassFileWriter.h"
#include "EventClassFile.h"
#include "TempFolder.h"

using brivel::c2j::ClassFileWriter;
using brivel::c2j::EventMethod;
using brivel::c2j::WriteEventClassFile;
using brivel::testing::ReadFileBytes;

namespace {
std::string Written(const std::string& cls, const std::string& intf, const std::vector<EventMethod>& methods) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(WriteEventClassFile(cls, intf, methods, bytes));
    return std::string(bytes.begin(), bytes.end());
}

std::string Expected(const char* file) { return ReadFileBytes(std::string(C2J_EXPECTED_CLASSES) + "/" + file); }

unsigned U2At(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) << 8 | static_cast<unsigned char>(bytes[at + 1]);
}

size_t Occurrences(const std::string& bytes, const std::string& text) {
    size_t n = 0;
    for (size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1)) ++n;
    return n;
}

const std::string kLongName = "L" + std::string(700, 'o') + "ng";
}  // namespace

// 12 distinct texts: pool count 18, the signature #5, actionPerformed #6,
// brivelTavoObject #16, the constructor's name-and-type #17.
TEST(EventClassFile, TheActionListenerExample) {
    std::string bytes = Written("brivel/eventImpl/ActionListener", "java/awt/event/ActionListener",
                                {{"actionPerformed", "(Ljava/awt/event/ActionEvent;)V"}});
    EXPECT_EQ(bytes, Expected("ActionListener.class"));
    ASSERT_EQ(bytes.size(), 317u);
    EXPECT_EQ(U2At(bytes, 8), 18u);
    EXPECT_EQ(U2At(bytes, 13), 17u);  // #1's name-and-type
}

// Methods named like the fixed texts ("Code", "I") and a "<init>" pair add
// no Utf8 entry of their own; the "<init>" pair declares nothing.
TEST(EventClassFile, MethodsNamedLikeFixedTextsShareTheirEntries) {
    std::string bytes = Written("brivel/eventImpl/CodeNamed", "brivel/c2jtest/Events",
                                {{"<init>", "()V"}, {"Code", "()V"}, {"I", "(I)I"}, {"counted", "(IJ)I"}});
    EXPECT_EQ(bytes, Expected("CodeNamed.class"));
    EXPECT_EQ(Occurrences(bytes, std::string("\x01\x00\x04" "Code", 7)), 1u);
    EXPECT_EQ(U2At(bytes, 8), 13u + 6u);
}

// Names of any length: the class name appears twice (the class and its
// source file), far beyond a fixed allowance.
TEST(EventClassFile, AClassNameOfAnyLength) {
    std::string bytes = Written("brivel/eventImpl/" + kLongName, "java/util/EventListener",
                                {{"changed", "(Ljava/lang/Object;)V"}, {"brivelTavoObject", "()I"}});
    EXPECT_EQ(bytes, Expected("LongName.class"));
    EXPECT_EQ(Occurrences(bytes, kLongName + ".java"), 1u);
}

// The method count is what is written: a second "<init>" pair neither
// declares a method nor takes one from the count.
TEST(EventClassFile, MoreThanOneConstructorPairKeepsTheCountTrue) {
    std::vector<EventMethod> one = {{"<init>", "()V"}, {"changed", "(I)V"}};
    std::vector<EventMethod> two = {{"<init>", "()V"}, {"changed", "(I)V"}, {"<init>", "()V"}};
    EXPECT_EQ(Written("brivel/eventImpl/Twice", "java/util/EventListener", two),
              Written("brivel/eventImpl/Twice", "java/util/EventListener", one));
}

TEST(EventClassFile, TextsTooLongForAClassFileOrMethodNamesItCannotDeclareAreRefused) {
    std::vector<uint8_t> bytes = {1};
    EXPECT_FALSE(WriteEventClassFile("brivel/eventImpl/" + std::string(0x10000, 'x'), "java/util/EventListener", {},
                                     bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(WriteEventClassFile("brivel/eventImpl/Fine", "java/util/EventListener",
                                     {{std::string(0x10000, 'm'), "()V"}}, bytes));
    EXPECT_TRUE(WriteEventClassFile("brivel/eventImpl/" + std::string(0xFFFF - 17, 'x'), "java/util/EventListener",
                                    {}, bytes));
    for (const char* name : {"<clinit>", "a<b", "b>"})
        EXPECT_FALSE(WriteEventClassFile("brivel/eventImpl/Fine", "java/util/EventListener", {{name, "()V"}}, bytes))
            << name;
}

TEST(ClassFileWriter, BigEndianNumbersEntriesAndNestedAttributeLengths) {
    ClassFileWriter out;
    out.Header(46);
    out.FieldrefEntry(0xFFFF, 0xFFFE);
    out.MethodrefEntry(0x0102, 0x0304);
    EXPECT_FALSE(out.Utf8(std::string(0x10000, 'a')));
    EXPECT_TRUE(out.Utf8("ab"));
    size_t outer = out.BeginAttribute(7);
    size_t inner = out.BeginAttribute(8);
    out.U1(0xEE);
    out.EndAttribute(inner);
    out.EndAttribute(outer);
    const std::vector<uint8_t> expected = {0xCA, 0xFE, 0xBA, 0xBE, 0, 0, 0, 46,           // header
                                           9, 0xFF, 0xFF, 0xFF, 0xFE,                     // Fieldref
                                           10, 1, 2, 3, 4,                                // Methodref
                                           1, 0, 2, 'a', 'b',                             // Utf8
                                           0, 7, 0, 0, 0, 7, 0, 8, 0, 0, 0, 1, 0xEE};     // attributes
    EXPECT_EQ(out.Data(), expected);
}
