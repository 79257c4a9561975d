// Which temporary folders have a per-user parent whose caches may be offered.
#include "Platform/TemporaryFolder.h"

#include <gtest/gtest.h>

TEST(TemporaryFolder, PerUserParentOnlyForTheMacLayout)
{
    using tempfolder::perUserParentOf;
    EXPECT_EQ(perUserParentOf("/var/folders/zz/zyxvpxvq6csfxvn_n0000000000000/T/"),
              "/var/folders/zz/zyxvpxvq6csfxvn_n0000000000000");
    EXPECT_EQ(perUserParentOf("/private/var/folders/ab/cd/T"), "/private/var/folders/ab/cd");
    EXPECT_EQ(perUserParentOf("/tmp"), std::nullopt);
    EXPECT_EQ(perUserParentOf("/tmp/"), std::nullopt);
    EXPECT_EQ(perUserParentOf("/"), std::nullopt);
    EXPECT_EQ(perUserParentOf(""), std::nullopt);
    EXPECT_EQ(perUserParentOf("var/folders/ab/cd/T"), std::nullopt);
    EXPECT_EQ(perUserParentOf("/var/folders/ab/T"), std::nullopt);
    EXPECT_EQ(perUserParentOf("/var/folders/ab/cd/X"), std::nullopt);
}
