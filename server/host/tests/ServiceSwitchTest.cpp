// The switch that selects service mode.
#include "ServiceSwitch.h"

#include <gtest/gtest.h>

using brivel::serverhost::HasServiceSwitch;

TEST(ServiceSwitch, SwitchAfterTheProgramNameSelectsServiceModeEvenInsideAWord) {
    EXPECT_TRUE(HasServiceSwitch("\"C:\\Program Files\\Brivel\\BrvService.exe\" -service-"));
    EXPECT_TRUE(HasServiceSwitch("BrvService.exe -service-"));
    EXPECT_TRUE(HasServiceSwitch("BrvService.exe /x-service-y"));
    EXPECT_TRUE(HasServiceSwitch("  BrvService.exe\t-service-"));
}

TEST(ServiceSwitch, TheProgramsOwnNameNeverCounts) {
    EXPECT_FALSE(HasServiceSwitch("\"C:\\my-service-folder\\BrvService.exe\""));
    EXPECT_FALSE(HasServiceSwitch("C:\\my-service-folder\\BrvService.exe -service"));
    EXPECT_FALSE(HasServiceSwitch("BrvService.exe"));
    EXPECT_FALSE(HasServiceSwitch(""));
    EXPECT_FALSE(HasServiceSwitch(nullptr));
}
