// Aspect classes, the partition sort, and the resolution list from the engine's mode table and
// from the first display adapter's modes.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "display_modes.h"
#include "libraries.h"

namespace {

struct ListedMode {
    uint32_t width, height, refresh;
    int32_t aspect;
    bool operator==(const ListedMode& o) const {
        return width == o.width && height == o.height && refresh == o.refresh && aspect == o.aspect;
    }
};

std::ostream& operator<<(std::ostream& out, const ListedMode& m) {
    return out << m.width << "x" << m.height << "@" << m.refresh << " class " << m.aspect;
}

std::vector<ListedMode> listed(DisplayMode* list, uint32_t count) {
    std::vector<ListedMode> modes;
    for (uint32_t i = 0; i < count; ++i)
        modes.push_back({list[i].width, list[i].height, list[i].refresh_rate, list[i].aspect_class});
    free(list);
    return modes;
}

std::vector<ListedMode> from_engine(const std::vector<EngineMode>& table) {
    EngineInformation info;
    memset(&info, 0, sizeof info);
    info.mode_table = table.data();
    DisplayMode* list = nullptr;
    uint32_t count = make_resolution_list(1, &info, nullptr, 0, &list);
    return listed(list, count);
}

std::vector<ListedMode> from_adapter(std::vector<DisplayMode> modes) {
    DisplayAdapter adapter;
    memset(&adapter, 0, sizeof adapter);
    adapter.modes = modes.data();
    adapter.mode_count = (uint32_t)modes.size();
    DisplayMode* list = nullptr;
    uint32_t count = make_resolution_list(0, nullptr, &adapter, 1, &list);
    return listed(list, count);
}

const std::vector<ListedMode> default_list = {{1024, 768, 60, ASPECT_4_3}};

TEST(AspectClass, FirstMatchingRatioWins) {
    const struct {
        uint32_t w, h;
        int32_t aspect;
    } cases[] = {
        {1024, 768, ASPECT_4_3},   {1280, 960, ASPECT_4_3},   {800, 480, ASPECT_5_3},     {1280, 768, ASPECT_5_3},
        {1280, 1024, ASPECT_5_4},  {1280, 800, ASPECT_16_10}, {1920, 1200, ASPECT_16_10}, {1366, 768, ASPECT_16_9},
        {1920, 1080, ASPECT_16_9}, {1360, 768, ASPECT_OTHER}, {1600, 1024, ASPECT_OTHER},
    };
    for (const auto& c : cases) EXPECT_EQ(c.aspect, classify_aspect(c.w, c.h)) << c.w << "x" << c.h;
}

TEST(ResolutionList, EngineTableSkipsItsFirstEntrySmallModesDuplicatesAndOddShapes) {
    EXPECT_EQ(
        (std::vector<ListedMode>{{1024, 768, 60, 1}, {1280, 1024, 75, 3}, {1366, 768, 60, 5}}),
        from_engine({{800, 600, 60}, {1024, 768, 60}, {1024, 768, 60}, {1280, 1024, 75}, {1366, 768, 60}, {0, 0, 0}}));
    EXPECT_EQ((std::vector<ListedMode>{{1024, 768, 60, 1}}),
              from_engine({{1280, 1024, 60}, {1024, 768, 60}, {1360, 768, 60}, {1024, 600, 60}, {0, 0, 0}}));
    // The table ends at the first entry with width or height 0; a refresh rate of 0 does not end it.
    EXPECT_EQ(
        (std::vector<ListedMode>{{1280, 1024, 60, 3}, {1600, 1200, 0, 1}}),
        from_engine({{640, 480, 60}, {1280, 1024, 60}, {1600, 1200, 0}, {0, 1200, 60}, {1600, 1200, 60}, {0, 0, 0}}));
}

TEST(ResolutionList, EngineTableWithoutUsableModesGivesTheDefaultEntry) {
    EXPECT_EQ(default_list, from_engine({{800, 600, 60}, {1024, 600, 60}, {800, 600, 75}, {0, 0, 0}}));
    EXPECT_EQ(default_list, from_engine({{1024, 768, 60}, {1360, 768, 60}, {0, 0, 0}}));
    // An empty table ends at its first entry: nothing behind it is read.
    EXPECT_EQ(default_list, from_engine({{0, 0, 0}, {1280, 1024, 60}, {0, 0, 0}}));
    DisplayMode* list = nullptr;
    uint32_t count = make_resolution_list(1, nullptr, nullptr, 0, &list);
    EXPECT_EQ(default_list, listed(list, count));
    EngineInformation no_table;
    memset(&no_table, 0, sizeof no_table);
    count = make_resolution_list(1, &no_table, nullptr, 0, &list);
    EXPECT_EQ(default_list, listed(list, count));
}

TEST(ResolutionList, AdapterPathKeepsEveryRateAndOddShapesSortedByWidth) {
    std::vector<ListedMode> list = from_adapter({{1600, 1200, 75, 0},
                                                 {800, 600, 60, 0},
                                                 {1360, 768, 60, 0},
                                                 {1600, 1200, 60, 0},
                                                 {1024, 768, 60, 0},
                                                 {1024, 768, 60, 0},
                                                 {1280, 720, 60, 0}});
    ASSERT_EQ(4u, list.size());
    EXPECT_EQ((ListedMode{1024, 768, 60, ASPECT_4_3}), list[0]);
    EXPECT_EQ((ListedMode{1360, 768, 60, ASPECT_OTHER}), list[1]);
    std::vector<ListedMode> both_rates(list.begin() + 2, list.end());
    std::sort(both_rates.begin(), both_rates.end(),
              [](const ListedMode& a, const ListedMode& b) { return a.refresh < b.refresh; });
    EXPECT_EQ((std::vector<ListedMode>{{1600, 1200, 60, 1}, {1600, 1200, 75, 1}}), both_rates);
}

TEST(ResolutionList, AdapterPathWithoutModesGivesTheDefaultEntry) {
    EXPECT_EQ(default_list, from_adapter({}));
    EXPECT_EQ(default_list, from_adapter({{800, 600, 60, 0}, {1024, 600, 60, 0}}));
    DisplayMode* list = nullptr;
    uint32_t count = make_resolution_list(0, nullptr, nullptr, 0, &list);
    EXPECT_EQ(default_list, listed(list, count));
}

uint32_t key_of(const DisplayMode& m, int key) {
    return key == SORT_BY_WIDTH ? m.width : key == SORT_BY_HEIGHT ? m.height : m.refresh_rate;
}

TEST(SortModes, OrdersByEachKeyBothWays) {
    srand(7);
    for (int key : {SORT_BY_WIDTH, SORT_BY_HEIGHT, SORT_BY_REFRESH}) {
        for (int direction : {0, 1}) {
            std::vector<DisplayMode> modes(200);
            for (DisplayMode& m : modes)
                m = {(uint32_t)(rand() % 50), (uint32_t)(rand() % 50), (uint32_t)(rand() % 50), 0};
            std::vector<uint32_t> expected;
            for (const DisplayMode& m : modes) expected.push_back(key_of(m, key));
            std::sort(expected.begin(), expected.end());
            if (direction) std::reverse(expected.begin(), expected.end());
            sort_modes(modes.data(), 0, (int32_t)modes.size() - 1, key, direction);
            std::vector<uint32_t> got;
            for (const DisplayMode& m : modes) got.push_back(key_of(m, key));
            EXPECT_EQ(expected, got) << "key " << key << " direction " << direction;
        }
    }
}

TEST(SortModes, LongSortedListsDoNotRunTheStackDeep) {
    std::vector<DisplayMode> modes(60000);
    for (uint32_t i = 0; i < modes.size(); ++i) modes[i] = {i, 1, 1, 0};
    sort_modes(modes.data(), 0, (int32_t)modes.size() - 1, SORT_BY_WIDTH, 0);
    EXPECT_EQ(0u, modes.front().width);
    EXPECT_EQ(59999u, modes.back().width);
    sort_modes(modes.data(), 0, (int32_t)modes.size() - 1, SORT_BY_WIDTH, 1);
    EXPECT_EQ(59999u, modes.front().width);
}

// The platform's own adapters and modes.
TEST(DisplayAdapters, RunningSystemListsItsModesForTheResolutionList) {
    free_display_lists();
    engine_available = 0;
    ASSERT_EQ(1, enum_display_adapters());
    ASSERT_GE(adapter_count, 1u);
    EXPECT_GT(adapter_list[0].mode_count, 0u);
    EXPECT_NE(0, adapter_list[0].device_name[0]);
    EXPECT_EQ(1, build_resolution_list());
    ASSERT_GE(resolution_count, 1u);
    for (uint32_t i = 0; i < resolution_count; ++i) {
        EXPECT_GE(resolution_list[i].width, 1024u);
        EXPECT_GE(resolution_list[i].height, 768u);
        EXPECT_EQ(classify_aspect(resolution_list[i].width, resolution_list[i].height),
                  resolution_list[i].aspect_class);
        if (i > 0) {
            EXPECT_LE(resolution_list[i - 1].width, resolution_list[i].width);
        }
    }
    free_display_lists();
    EXPECT_TRUE(adapter_list == nullptr && resolution_list == nullptr);
    EXPECT_EQ(0u, adapter_count);
    EXPECT_EQ(0u, resolution_count);
}

}  // namespace
