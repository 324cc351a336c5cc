// The stand-in engine's configuration functions as the program relies on them: a handle from
// KVRN_Start, the information record at its fixed offsets with an ended mode table and level
// lists, the product level, and the variant lacking an entry.
#include <gtest/gtest.h>
#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "engine_library.h"
#include "probe_test_support.h"

namespace {

const uint32_t MODE_TABLE_BOUND = 4096;

// Entries of a level list before its first 0 (ENGINE_LEVEL_SLOTS when there is none).
uint32_t level_count(const uint32_t* levels) {
    uint32_t count = 0;
    while (count < ENGINE_LEVEL_SLOTS && levels[count]) ++count;
    return count;
}

class EngineConfiguration : public ::testing::Test {
protected:
    HMODULE module = nullptr;
    EngineEntries kvrn = {};

    void SetUp() override {
        module = LoadLibraryW((probe_test::output_folder() + L"kvrn.dll").c_str());
        ASSERT_TRUE(module);
        kvrn.start = (KvrnStartFn)(void*)GetProcAddress(module, "_KVRN_Start@12");
        kvrn.end = (KvrnEndFn)(void*)GetProcAddress(module, "_KVRN_End@4");
        kvrn.get_information = (KvrnGetInformationFn)(void*)GetProcAddress(module, "_KVRN_GetInformation@8");
        kvrn.ext_function = (KvrnExtFunctionFn)(void*)GetProcAddress(module, "_KVRN_EXT_Function@32");
        ASSERT_TRUE(kvrn.start && kvrn.end && kvrn.get_information && kvrn.ext_function);
    }
    void TearDown() override {
        for (const wchar_t* name : {L"KVRN_MODE_TABLE", L"KVRN_PRODUCT_LEVEL"})
            probe_test::set_environment(name, nullptr);
        if (module) FreeLibrary(module);
    }
    uint32_t start() {
        RECT none = {0, 0, 0, 0};
        return kvrn.start(nullptr, &none, 1);
    }
};

TEST_F(EngineConfiguration, InformationRecordIsWellFormed) {
    uint32_t engine = start();
    ASSERT_NE(0u, engine);
    const EngineInformation* info = kvrn.get_information(engine, ENGINE_INFORMATION_KIND);
    ASSERT_TRUE(info);
    EXPECT_TRUE(wmemchr(info->pc_maker, 0, 80) && wmemchr(info->pc_model, 0, 248));
    ASSERT_TRUE(info->mode_table);
    uint32_t entries = 0;
    while (entries < MODE_TABLE_BOUND && info->mode_table[entries].width && info->mode_table[entries].height) ++entries;
    EXPECT_LT(entries, MODE_TABLE_BOUND);
    EXPECT_GT(entries, 1u);
    EXPECT_LT(level_count(info->anisotropy_levels), (uint32_t)ENGINE_LEVEL_SLOTS);
    EXPECT_LT(level_count(info->anti_alias_levels), (uint32_t)ENGINE_LEVEL_SLOTS);
    if (info->anisotropy_levels[0]) {
        EXPECT_EQ(info->anisotropy_levels[0], info->anisotropy_current);
    }
    EXPECT_TRUE(info->zbuffer_bits == 0 || info->zbuffer_bits == 16 || info->zbuffer_bits == 24);
    printf(
        "engine: %u modes, textures %ux%u, %u stages, %u lights, %u streams, Z %u stencil %u, %u anisotropy and %u "
        "anti-alias levels\n",
        entries, info->max_texture_width, info->max_texture_height, info->texture_stage_count, info->light_count,
        info->stream_count, info->zbuffer_bits, info->stencil_bits, level_count(info->anisotropy_levels),
        level_count(info->anti_alias_levels));
    kvrn.end(engine);
}

TEST_F(EngineConfiguration, ModeTableCanBeGivenByTheTestSwitch) {
    probe_test::set_environment(L"KVRN_MODE_TABLE", L"800x600@60;1024x768@60;1024x768@60;1280x1024@75;1366x768@60");
    uint32_t engine = start();
    const EngineInformation* info = kvrn.get_information(engine, ENGINE_INFORMATION_KIND);
    ASSERT_TRUE(info);
    const uint32_t expected[6][3] = {{800, 600, 60},   {1024, 768, 60}, {1024, 768, 60},
                                     {1280, 1024, 75}, {1366, 768, 60}, {0, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(expected[i][0], info->mode_table[i].width) << i;
        EXPECT_EQ(expected[i][1], info->mode_table[i].height) << i;
        EXPECT_EQ(expected[i][2], info->mode_table[i].refresh_rate) << i;
    }
    kvrn.end(engine);
}

TEST_F(EngineConfiguration, OnlyTheRunningEngineAnswersKind5AndTheProductLevel) {
    uint32_t engine = start();
    EXPECT_TRUE(kvrn.get_information(engine, 4) == nullptr);
    EXPECT_TRUE(kvrn.get_information(0, ENGINE_INFORMATION_KIND) == nullptr);
    EXPECT_EQ(1, kvrn.ext_function(engine, ENGINE_FUNCTION_PRODUCT_LEVEL, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(0, kvrn.ext_function(engine, 112, 0, 0, 0, 0, 0, 0));
    probe_test::set_environment(L"KVRN_PRODUCT_LEVEL", L"0");
    EXPECT_EQ(0, kvrn.ext_function(engine, ENGINE_FUNCTION_PRODUCT_LEVEL, 0, 0, 0, 0, 0, 0));
    kvrn.end(engine);
    EXPECT_TRUE(kvrn.get_information(engine, ENGINE_INFORMATION_KIND) == nullptr);
    EXPECT_EQ(0, kvrn.ext_function(engine, ENGINE_FUNCTION_PRODUCT_LEVEL, 0, 0, 0, 0, 0, 0));
}

TEST(EngineVariant, MissingEntryVariantLacksOnlyTheExtendedFunction) {
    HMODULE module = LoadLibraryW((probe_test::output_folder() + L"variants\\kvrn_missing_entry\\KVRN.DLL").c_str());
    ASSERT_TRUE(module);
    EXPECT_TRUE(GetProcAddress(module, "_KVRN_Start@12"));
    EXPECT_TRUE(GetProcAddress(module, "_KVRN_End@4"));
    EXPECT_TRUE(GetProcAddress(module, "_KVRN_GetInformation@8"));
    EXPECT_FALSE(GetProcAddress(module, "_KVRN_EXT_Function@32"));
    FreeLibrary(module);
}

}  // namespace
