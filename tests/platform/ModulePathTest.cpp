// Module paths written the Windows way, and loading failures reported with the loader's text.
#include <gtest/gtest.h>

#include "platform/Module.h"

namespace {

TEST(ModulePath, WindowsPathsMapToThePlatformForm)
{
    EXPECT_EQ("Plugins/VornDX8.so", platform::MapModulePath("Plugins\\VornDX8.dll"));
    EXPECT_EQ("Plugins/VornDX8.so", platform::MapModulePath("Plugins\\VornDX8.DLL"));
    EXPECT_EQ("a/b/c.so", platform::MapModulePath("a\\b/c.Dll"));
    EXPECT_EQ("Plugins/x.so", platform::MapModulePath("Plugins/x.so"));
    EXPECT_EQ("x.dll.bak", platform::MapModulePath("x.dll.bak"));
    EXPECT_EQ("my.dllx", platform::MapModulePath("my.dllx"));
    EXPECT_EQ(".so", platform::MapModulePath(".dll"));
    EXPECT_EQ("", platform::MapModulePath(""));
}

TEST(ModuleLoading, MissingModulesFailWithTheLoadersText)
{
    EXPECT_EQ(nullptr, platform::LoadModule("Plugins\\DoesNotExist.dll"));
    EXPECT_NE(std::string::npos, platform::ModuleError().find("Plugins/DoesNotExist.so"));
    EXPECT_EQ(nullptr, platform::LoadModule(""));
    EXPECT_EQ(nullptr, platform::FindSymbol(nullptr, "CreateVideo"));
    platform::FreeModule(nullptr);
}

}  // namespace
