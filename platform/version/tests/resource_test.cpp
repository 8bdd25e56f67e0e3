#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <platform/module.h>
#include <platform/resource.h>
#include <platform/version_info.h>

#include "test_modules.h"

namespace {

// The fixed information of a module's version resource, through the calls a
// caller makes; nullptr when any step fails.
const VS_FIXEDFILEINFO* fixed_info_of(HMODULE module)
{
    HRSRC found = FindResourceA(module, "#1", RT_VERSION);
    if (!found || SizeofResource(module, found) == 0)
        return nullptr;
    void* block = LockResource(LoadResource(module, found));
    LPVOID info = nullptr;
    UINT length = 0;
    if (!block || !VerQueryValueA(block, "\\", &info, &length) || length != sizeof(VS_FIXEDFILEINFO))
        return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(info);
}

TEST(ModuleHandle, EachModuleKnowsItsOwnHandle)
{
    HMODULE versioned = versioned_module_handle();
    HMODULE bare = bare_module_handle();
    ASSERT_NE(versioned, nullptr);
    ASSERT_NE(bare, nullptr);
    EXPECT_NE(versioned, bare);
    EXPECT_NE(HInstance, versioned);
    // A caller reaches the same handle from the address of a library function.
    EXPECT_EQ(module_handle_of(reinterpret_cast<const void*>(&versioned_module_handle)), versioned);
    EXPECT_EQ(module_handle_of(reinterpret_cast<const void*>(&bare_module_handle)), bare);
    EXPECT_EQ(module_handle_of(reinterpret_cast<const void*>(&fixed_info_of)), HInstance);
}

TEST(ModuleHandle, AnAddressOutsideEveryModuleHasNone)
{
    std::vector<char> heap(16);
    EXPECT_EQ(module_handle_of(heap.data()), nullptr);
}

TEST(VersionResource, CarriesTheModulesOwnVersionAndKind)
{
    const VS_FIXEDFILEINFO* lib = fixed_info_of(versioned_module_handle());
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->dwFileVersionMS, (65535u << 16) | 0u);
    EXPECT_EQ(lib->dwFileVersionLS, (7u << 16) | 65535u);
    EXPECT_EQ(lib->dwFileType, VFT_DLL);

    const VS_FIXEDFILEINFO* program = fixed_info_of(HInstance);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->dwFileVersionMS, (2u << 16) | 3u);
    EXPECT_EQ(program->dwFileVersionLS, (4u << 16) | 5u);
    EXPECT_EQ(program->dwFileType, VFT_APP);
    // A null handle stands for the program.
    EXPECT_EQ(fixed_info_of(nullptr), program);
}

TEST(VersionResource, NoneInAModuleWithoutOneOrInNoModule)
{
    // Other loaded modules carry one; the bare library's own is asked for.
    EXPECT_EQ(FindResourceA(bare_module_handle(), "#1", RT_VERSION), nullptr);
    std::vector<char> heap(16);
    EXPECT_EQ(FindResourceA(heap.data(), "#1", RT_VERSION), nullptr);
    // Only identifier 1 of type 16 is there.
    EXPECT_EQ(FindResourceA(versioned_module_handle(), "#2", RT_VERSION), nullptr);
    EXPECT_EQ(FindResourceA(versioned_module_handle(), MAKEINTRESOURCEA(1), RT_BITMAP), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
}

TEST(Resource, NamesAndTypesAsTextsOrNumbers)
{
    HMODULE module = versioned_module_handle();
    HRSRC by_number = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
    EXPECT_NE(by_number, nullptr);
    EXPECT_EQ(FindResourceA(module, "#1", "#16"), by_number);

    // Names compare without regard to case.
    HRSRC named = FindResourceA(module, "SAMPLE", RT_RCDATA);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(FindResourceA(module, "sample", RT_RCDATA), named);
    ASSERT_EQ(SizeofResource(module, named), 4u);
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(module, named)), "abcd", 4), 0);
    EXPECT_EQ(FindResourceA(module, "Sampl", RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(module, "Sample", RT_BITMAP), nullptr);
}

TEST(VersionQuery, AnswersOnlyTheRootOfAGenuineBlock)
{
    HMODULE module = versioned_module_handle();
    HRSRC found = FindResourceA(module, "#1", RT_VERSION);
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    std::vector<char> copy(bytes, bytes + SizeofResource(module, found));
    LPVOID info = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueA(copy.data(), "\\", &info, &length));
    EXPECT_EQ(info, copy.data() + 40);  // behind the three words and the key
    EXPECT_FALSE(VerQueryValueA(copy.data(), "\\StringFileInfo", &info, &length));

    std::vector<char> unsigned_copy = copy;
    unsigned_copy[40] ^= 1;
    EXPECT_FALSE(VerQueryValueA(unsigned_copy.data(), "\\", &info, &length));
    std::vector<char> other_key = copy;
    other_key[6] = 'X';
    EXPECT_FALSE(VerQueryValueA(other_key.data(), "\\", &info, &length));
}

}  // namespace
