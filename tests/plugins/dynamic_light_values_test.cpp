// The engine dynamic light through one beacon second in every type that gives it its own
// values: one table of (plug-in, moment) -> light 7's range, colour and place.
#include <string.h>

#include "aircraft_fixture.h"
#include "lights.h"

namespace {
using DynamicLightValues = PluginFixture;

TEST_F(DynamicLightValues, ThroughABeaconSecond) {
    const KvrnVector upper = {0, 3, 1, 0}, lower = {0, -1, 2, 0}, left = {-17, 1, -2, 0}, right = {17, 1, -2, 0};
    const KvrnVector below_upper = {0, 2.76f, 1, 0};                                       // 0.24 under "atlightu"
    const KvrnVector upper_mark = {0.5f, 3.5f, -6, 0}, lower_mark = {0.5f, -1.5f, -6, 0};  // "at_pointu", "at_pointd"
    const uint32_t WHITE = 0xFFFFFF;
    struct Case {
        const wchar_t* dll;
        int32_t ms;  // into the beacon second
        bool on;
        float range;
        uint32_t colour;
        const KvrnVector* at;
    } cases[] = {
        {L"acplug01.dll", 50, true, 2.0f, 100, &upper},
        {L"acplug01.dll", 150, true, 2.5f, 80, &lower},
        {L"acplug01.dll", 300, false, 0, 0, nullptr},
        {L"acplug01.dll", 550, true, 13.3f, WHITE, &left},
        {L"acplug01.dll", 650, true, 13.3f, WHITE, &right},
        {L"acplug02.dll", 50, true, 7.0f, 255, &upper},
        {L"acplug02.dll", 150, true, 4.0f, 50, &lower},
        {L"acplug02.dll", 300, false, 0, 0, nullptr},
        {L"acplug02.dll", 550, true, 30.0f, WHITE, &left},
        {L"acplug02.dll", 650, true, 30.0f, WHITE, &right},
        {L"acplug04.dll", 50, true, 3.0f, 20, &upper},
        {L"acplug04.dll", 150, true, 3.0f, 130, &lower},
        {L"acplug04.dll", 300, false, 0, 0, nullptr},
        {L"acplug04.dll", 550, true, 22.0f, WHITE, &left},
        {L"acplug04.dll", 650, true, 22.0f, WHITE, &right},
        {L"acplug06.dll", 50, true, 1.0f, 20, &upper},
        {L"acplug06.dll", 150, true, 4.5f, 150, &lower},
        {L"acplug06.dll", 300, false, 0, 0, nullptr},
        {L"acplug06.dll", 550, true, 14.0f, WHITE, &left},
        {L"acplug06.dll", 650, true, 14.0f, WHITE, &right},
        {L"acplug07.dll", 50, true, 1.0f, 20, &upper},
        {L"acplug07.dll", 150, true, 4.5f, 150, &lower},
        {L"acplug07.dll", 550, true, 14.0f, WHITE, &left},
        {L"acplug05.dll", 50, true, 0.15f, 200, &below_upper},
        {L"acplug05.dll", 150, true, 2.8f, 200, &lower},
        {L"acplug05.dll", 300, false, 0, 0, nullptr},
        {L"acplug05.dll", 550, true, 13.852f, WHITE, &left},
        {L"acplug05.dll", 650, true, 13.852f, WHITE, &right},
        {L"acplug09.dll", 50, true, 0.3f, 10, &upper},
        {L"acplug09.dll", 150, true, 1.5f, 10, &lower},
        {L"acplug09.dll", 300, false, 0, 0, nullptr},
        {L"acplug09.dll", 550, true, 12.0f, WHITE, &left},
        {L"acplug09.dll", 650, true, 12.0f, WHITE, &right},
        {L"acplug12.dll", 50, true, 1.0f, 255, &upper},
        {L"acplug12.dll", 150, true, 1.0f, 255, &lower},
        {L"acplug12.dll", 300, false, 0, 0, nullptr},
        {L"acplug12.dll", 550, true, 5.0f, WHITE, &left},
        {L"acplug12.dll", 650, true, 5.0f, WHITE, &right},
        // One beacon lamp: nothing in the second tenth. acplug10 has no strobes to flash.
        {L"acplug10.dll", 50, true, 0.4f, 50, &upper},
        {L"acplug10.dll", 150, false, 0, 0, nullptr},
        {L"acplug10.dll", 550, false, 0, 0, nullptr},
        {L"acplug10.dll", 650, false, 0, 0, nullptr},
        {L"acplug13.dll", 50, true, 2.0f, 90, &upper},
        {L"acplug13.dll", 150, false, 0, 0, nullptr},
        {L"acplug13.dll", 300, false, 0, 0, nullptr},
        {L"acplug13.dll", 550, true, 12.0f, WHITE, &left},
        {L"acplug13.dll", 650, true, 12.0f, WHITE, &right},
        // No strobes: nothing after the beacon's two tenths.
        {L"acplug17.dll", 50, true, 1.0f, 255, &upper},
        {L"acplug17.dll", 150, true, 1.5f, 255, &lower},
        {L"acplug17.dll", 300, false, 0, 0, nullptr},
        {L"acplug17.dll", 550, false, 0, 0, nullptr},
        {L"acplug17.dll", 650, false, 0, 0, nullptr},
        // The beacon's light sits at its marker layers, not at the lamps.
        {L"acplug14.dll", 50, true, 2.5f, 255, &upper_mark},
        {L"acplug14.dll", 150, true, 1.5f, 255, &lower_mark},
        {L"acplug14.dll", 300, false, 0, 0, nullptr},
        {L"acplug14.dll", 550, true, 7.0f, WHITE, &left},
        {L"acplug14.dll", 650, true, 7.0f, WHITE, &right},
        // acplug11's lower lamp flashes but lights nothing; acplug16 has no strobes.
        {L"acplug11.dll", 50, true, 2.0f, 255, &upper},
        {L"acplug11.dll", 150, false, 0, 0, nullptr},
        {L"acplug11.dll", 300, false, 0, 0, nullptr},
        {L"acplug11.dll", 550, true, 7.0f, WHITE, &left},
        {L"acplug11.dll", 650, true, 7.0f, WHITE, &right},
        {L"acplug16.dll", 50, true, 1.0f, 1, &upper},
        {L"acplug16.dll", 150, true, 2.0f, 100, &lower},
        {L"acplug16.dll", 300, false, 0, 0, nullptr},
        {L"acplug16.dll", 550, false, 0, 0, nullptr},
        {L"acplug16.dll", 650, false, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << narrow(c.dll) << " at " << c.ms << " ms");
        load(c.dll);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        kvrn_host_set_transform(handle(L"atlightu"), &upper, nullptr);
        kvrn_host_set_transform(handle(L"atlightd"), &lower, nullptr);
        kvrn_host_set_transform(handle(L"wglightl"), &left, nullptr);
        kvrn_host_set_transform(handle(L"wglightr"), &right, nullptr);
        if (KvrnLayer mark = handle(L"at_pointu")) kvrn_host_set_transform(mark, &upper_mark, nullptr);
        if (KvrnLayer mark = handle(L"at_pointd")) kvrn_host_set_transform(mark, &lower_mark, nullptr);
        start(SLOT_LIGHT_PARAMS, 1, 1);
        start(SLOT_NAV_LIGHTS, 1);
        start(SLOT_STROBES, 1);
        start(SLOT_BEACON, 1);
        tick(c.ms);
        send(KVRN_CMD_LIGHT);
        KvrnLightState state{};
        kvrn_host_light(KVRN_DYNAMIC_LIGHT, &state);
        ASSERT_EQ(state.on, c.on ? 1u : 0u);
        if (c.on) {
            LightRecord record;
            memcpy(&record, state.record, sizeof record);
            EXPECT_FLOAT_EQ(record.range, c.range);
            for (uint32_t colour : record.colour) EXPECT_EQ(colour, c.colour);
            expect_vec({record.x, record.y, record.z, 0}, {c.at->x, c.at->y, c.at->z}, "light position");
        }
        send(KVRN_CMD_DESTROY);
    }
}
}  // namespace
