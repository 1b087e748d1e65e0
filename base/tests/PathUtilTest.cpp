#include "PathUtil.h"

#include <gtest/gtest.h>

using namespace brivel;

TEST(PathUtil, FolderIsCutBeforeTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(PathFolder("C:\\Program Files\\Brivel\\BrvServerLib.dll"), "C:\\Program Files\\Brivel");
    EXPECT_EQ(PathFolder("/opt/brivel/libBrvServerLib.so"), "/opt/brivel");
    EXPECT_EQ(PathFolder("C:\\mixed/sep\\file"), "C:\\mixed/sep");
    EXPECT_EQ(PathFolder("nofolder.dll"), "");
}

TEST(PathUtil, FileNameIsReplacedAfterTheLastSeparator) {
    EXPECT_EQ(PathWithFileName("C:\\srv\\BrvServerLib.dll", "BrivelServer.config"), "C:\\srv\\BrivelServer.config");
    EXPECT_EQ(PathWithFileName("/srv/lib.so", "x.cfg"), "/srv/x.cfg");
    EXPECT_EQ(PathWithFileName("lib.dll", "x.cfg"), "x.cfg");
    EXPECT_EQ(PathFileName("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(PathFileName("b.txt"), "b.txt");
}
