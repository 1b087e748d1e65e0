// The program-group command texts and item command lines.
#include <gtest/gtest.h>

#include "ProgramGroupCommands.h"

using namespace brivel::setup;

TEST(ProgramGroupCommands, GroupCommandTexts) {
    EXPECT_EQ(DeleteGroupCommand("Brivel"), "[DeleteGroup(\"Brivel\")]");
    EXPECT_EQ(CreateGroupCommand("Brivel Evaluation"), "[CreateGroup(\"Brivel Evaluation\")]");
    EXPECT_EQ(ShowGroupCommand("Brivel"), "[ShowGroup(\"Brivel\",1)]");
    std::string command;
    ASSERT_TRUE(MakeAddItemCommand("C:\\BRIVEL~1\\Brivel.exe", "Brivel", command));
    EXPECT_EQ(command, "[AddItem(\"C:\\BRIVEL~1\\Brivel.exe\",\"Brivel\")]");
}

TEST(ProgramGroupCommands, DoubleQuotesCannotBreakACommand) {
    // Dropped from group names and titles, which name folders and files.
    EXPECT_EQ(DeleteGroupCommand("Bri\"vel\")][DeleteGroup(\"Accessories"),
              "[DeleteGroup(\"Brivel)][DeleteGroup(Accessories\")]");
    std::string command;
    ASSERT_TRUE(MakeAddItemCommand("C:\\K\\a.exe", "The \"best\" kit", command));
    EXPECT_EQ(command, "[AddItem(\"C:\\K\\a.exe\",\"The best kit\")]");
    // A command line with a quote is no path: refused, nothing made.
    command = "unchanged";
    EXPECT_FALSE(MakeAddItemCommand("B.EXE http://h/?q=\"x\")]", "t", command));
    EXPECT_EQ(command, "unchanged");
}

TEST(ProgramGroupCommands, AddItemLongerThanTheLimitIsRefused) {
    // [AddItem("...","...")] is 16 characters around the command line and title.
    std::string command;
    std::string title = "T";
    std::string fits(kMaxDdeCommandLength - 16 - title.size(), 'x');
    ASSERT_TRUE(MakeAddItemCommand(fits, title, command));
    EXPECT_EQ(command.size(), kMaxDdeCommandLength);
    EXPECT_FALSE(MakeAddItemCommand(fits + "x", title, command));
    // The longest parts a payload may hold: a 259-character folder, a
    // 519-character target and a 519-character title.
    EXPECT_FALSE(MakeAddItemCommand(std::string(259, 'f') + std::string(519, 't'), std::string(519, 'n'), command));
}

TEST(ProgramGroupCommands, ItemCommandLines) {
    EXPECT_EQ(ItemCommandLine("Brivel.exe", "C:\\BRIVEL~1\\", "B.EXE"), "C:\\BRIVEL~1\\Brivel.exe");
    EXPECT_EQ(ItemCommandLine("help\\Index.html", "C:\\K\\", "B.EXE"), "C:\\K\\help\\Index.html");
    EXPECT_EQ(ItemCommandLine("http://brivel.example/", "C:\\K\\", "C:\\PROGRA~1\\B\\B.EXE"),
              "C:\\PROGRA~1\\B\\B.EXE http://brivel.example/");
    EXPECT_EQ(ItemCommandLine("HTTP://x", "C:\\K\\", "B.EXE"), "B.EXE HTTP://x");
    EXPECT_FALSE(IsAddressTarget("https://x"));
    EXPECT_FALSE(IsAddressTarget("http:/"));
    EXPECT_TRUE(IsAddressTarget("Http://"));
}

TEST(ProgramGroupCommands, ProgramOfAnOpenCommand) {
    EXPECT_EQ(ProgramOfOpenCommand("\"C:\\Program Files\\Browser\\b.exe\" -nohome \"%1\""),
              "C:\\Program Files\\Browser\\b.exe");
    EXPECT_EQ(ProgramOfOpenCommand("  \t\"C:\\B\\b.exe\"%1"), "C:\\B\\b.exe");
    EXPECT_EQ(ProgramOfOpenCommand("C:\\B\\b.exe %1"), "C:\\B\\b.exe");
    EXPECT_EQ(ProgramOfOpenCommand("%ProgramFiles%\\B\\b.exe\t%1"), "%ProgramFiles%\\B\\b.exe");
    EXPECT_EQ(ProgramOfOpenCommand("\"C:\\No End\\b.exe"), "C:\\No End\\b.exe");
    EXPECT_EQ(ProgramOfOpenCommand("   "), "");
    EXPECT_EQ(ProgramOfOpenCommand(""), "");
}
