#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <platform/module.h>

#include "quillon.h"
#include "sarnet.h"

HINSTANCE unversioned_module_handle();

namespace {

std::string version_of(void* module, int* result)
{
    char out[64];
    std::memset(out, 'x', sizeof out);
    *result = get_ver_(out, module);
    return out;
}

TEST(VersionText, EachLibraryGivesTheProjectVersion)
{
    HMODULE sarnet = module_handle_of(reinterpret_cast<const void*>(&get_ver_));
    HMODULE quillon = module_handle_of(reinterpret_cast<const void*>(&_get_mem_));
    ASSERT_NE(sarnet, nullptr);
    ASSERT_NE(sarnet, quillon);
    ASSERT_NE(sarnet, HInstance);
    int result = 0;
    EXPECT_EQ(version_of(sarnet, &result), PROJECT_VERSION_TEXT);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(version_of(quillon, &result), PROJECT_VERSION_TEXT);
    EXPECT_EQ(result, 1);
}

TEST(VersionText, AProgramPassesItsOwnHandle)
{
    // This program's resource carries 3.0.10.0: zeros written, nothing padded.
    int result = 0;
    EXPECT_EQ(version_of(HInstance, &result), "3.0.10.0");
    EXPECT_EQ(result, 1);
}

TEST(VersionText, AModuleWithoutAVersionGivesAnEmptyText)
{
    int result = 1;
    EXPECT_EQ(version_of(unversioned_module_handle(), &result), "");
    EXPECT_EQ(result, 0);
    std::vector<char> not_a_module(64);
    EXPECT_EQ(version_of(not_a_module.data(), &result), "");
    EXPECT_EQ(result, 0);
}

}  // namespace
