#include "platform/modulepath.h"
#include "platform/sleep.h"

#include <QFileInfo>
#include <chrono>
#include <gtest/gtest.h>

using namespace platform;

TEST(ModulePath, IniPathReplacesOnlyTheFileNameExtension)
{
    EXPECT_EQ(IniPathFor("/opt/x/ispupdate"), "/opt/x/ispupdate.ini");
    EXPECT_EQ(IniPathFor("/a/b.exe"), "/a/b.ini");
    EXPECT_EQ(IniPathFor("/a/b.tar.gz"), "/a/b.tar.ini");
    EXPECT_EQ(IniPathFor("/opt/v1.2/ispupdate"), "/opt/v1.2/ispupdate.ini");
    EXPECT_EQ(IniPathFor("/opt/.hidden"), "/opt/.hidden.ini");
    EXPECT_EQ(IniPathFor("ispupdate.bin"), "ispupdate.ini");
}

TEST(ModulePath, DirectoryIsCutAtTheLastSeparator)
{
    EXPECT_EQ(DirectoryOf("/opt/x/ispupdate"), "/opt/x");
    EXPECT_EQ(DirectoryOf("/ispupdate"), "");
    EXPECT_EQ(DirectoryOf("ispupdate"), ".");
}

TEST(ModulePath, ModuleFileNameIsThisExecutable)
{
    const QFileInfo self(ModuleFileName());
    EXPECT_TRUE(self.isAbsolute());
    EXPECT_TRUE(self.isExecutable());
    EXPECT_EQ(self.fileName(), "test_platform");
}

TEST(Sleep, WaitsAtLeastTheGivenTime)
{
    const auto start = std::chrono::steady_clock::now();
    Sleep(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}
