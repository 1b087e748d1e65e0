// The hosting classes, byte for byte against expected files whose layout
// was checked with the JDK's javap against the Java source in
// HostingClasses.cpp (Builder is the class the runtime always had;
// WindowMaker lost a constant it never used, "StackMapTable").
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostingClasses.h"
#include "TempFolder.h"

using brivel::testing::ReadFileBytes;

namespace {
std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }
std::string Expected(const char* file) { return ReadFileBytes(std::string(C2J_EXPECTED_CLASSES) + "/" + file); }
}  // namespace

TEST(HostingClasses, BuilderAndWindowMakerAreTheExpectedClassFiles) {
    std::string builder = Text(brivel::c2j::BuilderClassFile());
    EXPECT_EQ(builder.size(), 685u);
    EXPECT_EQ(builder, Expected("Builder.class"));
    std::string maker = Text(brivel::c2j::WindowMakerClassFile());
    EXPECT_EQ(maker.size(), 712u);
    EXPECT_EQ(maker, Expected("WindowMaker.class"));
    EXPECT_EQ(maker.find("StackMapTable"), std::string::npos);
}
