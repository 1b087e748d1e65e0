// The messages handed to callers: what a slot held before is left alone
// (it may be another thread's message, taken and freed already).
#include "Messages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace brivel::c2j;

namespace {
// What another thread left in a shared slot: not ours to free.
char g_othersMessage[] = "another thread's message";
}  // namespace

TEST(Messages, StoringNeverFreesWhatTheSlotHeld) {
    char* slot = g_othersMessage;
    SetError(&slot, "mine");
    ASSERT_NE(slot, g_othersMessage);
    EXPECT_STREQ(slot, "mine");
    std::free(slot);

    slot = g_othersMessage;
    SetErrorFormat(&slot, "Class \"%s\" not properly initialized", "a/B");
    EXPECT_STREQ(slot, "Class \"a/B\" not properly initialized");
    std::free(slot);

    slot = g_othersMessage;
    StoreMessage(&slot, HeapCopy("a Java exception"));
    EXPECT_STREQ(slot, "a Java exception");
    std::free(slot);
    EXPECT_STREQ(g_othersMessage, "another thread's message");
}

TEST(Messages, FormattedMessagesHaveNoLengthLimit) {
    char* slot = nullptr;
    const std::string name(5000, 'x');
    SetErrorFormat(&slot, "Class \"%s\" not properly initialized", name.c_str());
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(std::string(slot), "Class \"" + name + "\" not properly initialized");
    std::free(slot);
}
