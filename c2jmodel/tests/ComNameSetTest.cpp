#include "AnsiCase.h"
#include "ComNameSet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// A scope that records what its owners are renamed to.
class RecordingNameSet : public CComNameSet {
public:
    void RenameOwner(void* owner, int kind, const char* newName) override {
        renamed[owner] = newName;
        kinds[owner] = kind;
    }
    std::map<void*, std::string> renamed;
    std::map<void*, int> kinds;
};

}  // namespace

TEST(ComNameSet, ReservedWordsAreTakenWhateverTheirCaseAndBlanks) {
    CComNameSet names;
    EXPECT_TRUE(names.IsTaken("Java"));
    EXPECT_TRUE(names.IsTaken(" java "));
    EXPECT_TRUE(names.IsTaken("JAVA"));
    EXPECT_TRUE(names.IsTaken("read-only"));
    EXPECT_FALSE(names.IsTaken("readonly"));
    EXPECT_TRUE(names.IsTaken("IsSameJavaObject"));
    EXPECT_TRUE(names.IsTaken("polyline"));
    EXPECT_TRUE(names.IsTaken("T1"));
    EXPECT_FALSE(names.IsTaken("T2"));
    EXPECT_TRUE(names.IsTaken("_Name"));
    EXPECT_TRUE(names.IsTaken(""));
    EXPECT_TRUE(names.IsTaken("   "));
    EXPECT_FALSE(names.IsTaken("Customer"));
}

TEST(ComNameSet, AddedNamesAreTakenInTheirOwnSetOnly) {
    CComNameSet first, second;
    first.AddName("MyName");
    EXPECT_TRUE(first.IsTaken("myname"));
    EXPECT_TRUE(first.IsTaken(" MYNAME\t"));
    EXPECT_FALSE(second.IsTaken("myname"));

    // Removal folds the name too, so the shown form releases it.
    EXPECT_TRUE(first.RemoveName("MyName"));
    EXPECT_FALSE(first.IsTaken("myname"));
    EXPECT_FALSE(first.RemoveName("myname"));
}

TEST(ComNameSet, FoldingLowersWesternLettersOfTheAnsiCodePage) {
    EXPECT_EQ(brivel::LowerAnsiText("\x8A\x8C\x8E\x9F\xC0\xD6\xD7\xD8\xDE\xDF ABCxyz"),
              "\x9A\x9C\x9E\xFF\xE0\xF6\xD7\xF8\xFE\xDF abcxyz");
    CComNameSet names;
    names.AddName("\xC4NDERN");
    EXPECT_TRUE(names.IsTaken("\xE4ndern"));
}

TEST(ComNameSet, EqualNamesGetNumberedAndTheFirstIsRenamed) {
    RecordingNameSet names;
    int a = 0, b = 0, c = 0;
    EXPECT_EQ(names.MakeUniqueName("toString", &a, kComNameMethod, true), "ToString");
    EXPECT_TRUE(names.renamed.empty());
    EXPECT_EQ(names.MakeUniqueName("toString", &b, kComNameMethod, true), "ToString_2");
    EXPECT_EQ(names.renamed[&a], "ToString_1");
    EXPECT_EQ(names.kinds[&a], kComNameMethod);
    EXPECT_EQ(names.MakeUniqueName("toString", &c, kComNameMethod, true), "ToString_3");
    EXPECT_EQ(names.renamed.size(), 1u);
    for (const char* taken : {"ToString", "tostring_1", "TOSTRING_2", "ToString_3"}) EXPECT_TRUE(names.IsTaken(taken)) << taken;
    EXPECT_FALSE(names.IsTaken("ToString_4"));
}

TEST(ComNameSet, ReservedWordsTakeSuffixesThatStayTaken) {
    RecordingNameSet names;
    int a = 0, b = 0, c = 0;
    EXPECT_EQ(names.MakeUniqueName("string", &a, kComNameField, true), "String_1");
    EXPECT_EQ(names.MakeUniqueName("string", &b, kComNameField, true), "String_2");
    EXPECT_EQ(names.renamed[&a], "String_1_1");
    // The name shown for the second one is the name held: a later Java name
    // String_2 cannot get it again.
    EXPECT_TRUE(names.IsTaken("String_2"));
    EXPECT_EQ(names.MakeUniqueName("String_2", &c, kComNameField, true), "String_2_1");
    EXPECT_EQ(names.MakeUniqueName("string", nullptr, kComNameNone, true), "String_3");
}

TEST(ComNameSet, NamesWithoutOwnerAreNeverRenamed) {
    RecordingNameSet names;
    EXPECT_EQ(names.MakeUniqueName("get_Size", nullptr, kComNameNone, true), "Get_Size");
    EXPECT_EQ(names.MakeUniqueName("get_Size", nullptr, kComNameNone, true), "Get_Size_1");
    EXPECT_TRUE(names.renamed.empty());
}

TEST(ComNameSet, NamesAddedWithoutEntryAreNumberedAround) {
    CComNameSet names;
    names.AddName("Count");
    int a = 0;
    EXPECT_EQ(names.MakeUniqueName("count", &a, kComNameMethod, true), "Count_1");
    EXPECT_TRUE(names.IsTaken("Count_1"));
}

TEST(ComNameSet, ProposedNamesAreNotRegistered) {
    CComNameSet names;
    CString proposed;
    EXPECT_EQ(names.MakeUniqueName("value", nullptr, kComNameNone, false, &proposed), "Value");
    EXPECT_EQ(proposed, "Value");
    EXPECT_FALSE(names.IsTaken("Value"));
    names.MakeUniqueName("other", nullptr, kComNameNone, false);
    EXPECT_FALSE(names.IsTaken("Other"));
}

// The first holder of a name gives way with the first suffix that no other
// member holds: no two members of a scope share a name.
TEST(ComNameSet, ARenamedHolderTakesASuffixNoOtherMemberHolds) {
    RecordingNameSet names;
    int literal = 0, first = 0, second = 0;
    EXPECT_EQ(names.MakeUniqueName("foo_1", &literal, kComNameMethod, true), "Foo_1");
    EXPECT_EQ(names.MakeUniqueName("foo", &first, kComNameMethod, true), "Foo");
    EXPECT_EQ(names.MakeUniqueName("foo", &second, kComNameMethod, true), "Foo_3");
    EXPECT_EQ(names.renamed[&first], "Foo_2");
    EXPECT_EQ(names.renamed.count(&literal), 0u);
    for (const char* taken : {"Foo_1", "Foo_2", "Foo_3"}) EXPECT_TRUE(names.IsTaken(taken)) << taken;
}

// A proposal renames nobody: the holder keeps its name, and gives way only
// when a second equal name is registered.
TEST(ComNameSet, ProposingANameChangesNothing) {
    RecordingNameSet names;
    int first = 0, second = 0;
    names.MakeUniqueName("toString", &first, kComNameMethod, true);
    CString proposed;
    EXPECT_EQ(names.MakeUniqueName("toString", &second, kComNameMethod, false, &proposed), "ToString_2");
    EXPECT_EQ(proposed, "ToString_2");
    EXPECT_EQ(names.MakeUniqueName("toString", nullptr, kComNameNone, false), "ToString_2");
    EXPECT_TRUE(names.renamed.empty());
    EXPECT_FALSE(names.IsTaken("ToString_1"));
    EXPECT_EQ(names.MakeUniqueName("toString", &second, kComNameMethod, true), "ToString_2");
    EXPECT_EQ(names.renamed[&first], "ToString_1");
}

TEST(ComNameSet, JavaNamesAreCleanedIntoIdentifiers) {
    CComNameSet names;
    auto name = [&](const char* javaName) { return std::string(names.MakeUniqueName(javaName, nullptr, kComNameNone, false)); };
    EXPECT_EQ(name("__$value"), "_value");
    EXPECT_EQ(name("_ \tlead"), "Lead");
    EXPECT_EQ(name("a b$c"), "A_b_c");
    EXPECT_EQ(name("9lives"), "9lives");
    EXPECT_EQ(name("Zeta"), "Zeta");
    EXPECT_EQ(name("caf\xE9"), "Cafe");
    EXPECT_EQ(name("na\xEFve"), "Naive");
    EXPECT_EQ(name("\xC6sop"), "Esop");
    EXPECT_EQ(name("x\x80\xA3\xA4\xA5\xBB\xBF\xF7\xFF"), "X__o_____");
    EXPECT_EQ(name("a\xBC\xBD\xBE"), "A1_41_23_4");
    EXPECT_EQ(name("\xBC" "cup"), "N1_4cup");
    EXPECT_EQ(name("\xBE"), "N3_4");
    EXPECT_EQ(name("\xF8x"), "N0x");
    EXPECT_EQ(name("\xD8x"), "0x");
    EXPECT_EQ(name("\xC0\xC5\xC7\xD0\xD1\xD2\xD6\xD7\xD9\xDC\xDD\xDE\xDF"), "AACDNOOxUUYpB");
    EXPECT_EQ(name("z\xE0\xE5\xE6\xE7\xE8\xEB\xEC\xEF\xF0\xF1\xF2\xF6\xF9\xFC\xFD\xFE"), "Zaaeceeiiunoouuyp");
    // Nothing left after the leading underscores: the name still has a letter.
    EXPECT_EQ(name("__"), "N");
}

// Undoing registrations: names added since the save are free again, an owner
// renamed since then gets its name back, and the held name is renamed again
// by the next equal name as if nothing had happened in between. A saved
// state can be returned to more than once.
TEST(ComNameSet, RestoringSavedNamesUndoesLaterRegistrations) {
    RecordingNameSet names;
    int first = 0, second = 0, third = 0;
    names.MakeUniqueName("count", &first, kComNameMethod, true);
    CComNameSet::SavedNames saved = names.SaveNames();

    for (int round = 0; round < 2; ++round) {
        names.renamed.clear();
        EXPECT_EQ(names.MakeUniqueName("count", &second, kComNameMethod, true), "Count_2");
        EXPECT_EQ(names.renamed[&first], "Count_1");
        names.AddName("get_Other");
        names.RestoreNames(saved);
        EXPECT_EQ(names.renamed[&first], "Count");
        EXPECT_TRUE(names.IsTaken("Count"));
        for (const char* gone : {"Count_1", "Count_2", "get_Other"}) EXPECT_FALSE(names.IsTaken(gone)) << gone;
    }
    names.renamed.clear();
    EXPECT_EQ(names.MakeUniqueName("count", &third, kComNameMethod, true), "Count_2");
    EXPECT_EQ(names.renamed[&first], "Count_1");
}
