// The slots acplug10 to acplug17 build, each row from the type's own slot list. Slot 28's `word3` (the type's
// EngineSpool block) is a heap address that no row can name, so it is left out.
#include "built_slots.h"
#include "commands.h"

namespace {
BuiltSlot immediate(int32_t slot) { return {slot, 0, 0, false, {}, {}}; }

// The framework's sequence builder: slots 2 to 16 and the light parameters (timed, never run).
std::vector<BuiltSlot> framework_sequence_slots() {
    return {
        immediate(SEQ_NAV_LIGHTS_ON),
        immediate(SEQ_BEACON_ON),
        immediate(SEQ_DEPARTURE),
        immediate(SEQ_LANDING_LIGHTS_ON),
        {SEQ_ROTATE, 1, 3000, false, {}, {}},
        immediate(SEQ_CLIMB),
        {SEQ_AFTER_TAKEOFF, 1, 10000, false, {}, {}},
        immediate(SEQ_APPROACH),
        {SEQ_FINAL, 1, 10000, false, {}, {}},
        immediate(SEQ_FLARE),
        {SEQ_TOUCHDOWN, 1, 3000, false, {}, {}},
        {SEQ_ROLLOUT, 1, 5000, false, {}, {}},
        immediate(SEQ_AFTER_LANDING),
        immediate(SEQ_BEACON_OFF),
        immediate(SEQ_NAV_LIGHTS_OFF),
        {SLOT_LIGHT_PARAMS, 1, 0, false, {}, {}},
    };
}

// The propeller types' sequence builder: the framework's without the rollout.
std::vector<BuiltSlot> propeller_sequence_slots() {
    std::vector<BuiltSlot> slots;
    for (const BuiltSlot& s : framework_sequence_slots())
        if (s.slot != SEQ_ROLLOUT) slots.push_back(s);
    return slots;
}

// The framework's sequence builder with 12000 ms after take-off and final configuration.
std::vector<BuiltSlot> long_sequence_slots() {
    std::vector<BuiltSlot> slots = framework_sequence_slots();
    for (BuiltSlot& s : slots)
        if (s.slot == SEQ_AFTER_TAKEOFF || s.slot == SEQ_FINAL) s.duration = 12000;
    return slots;
}

std::vector<BuiltSlot> joined(std::vector<BuiltSlot> part, const std::vector<BuiltSlot>& sequences) {
    part.insert(part.end(), sequences.begin(), sequences.end());
    return part;
}

BuiltSlot taxi_slot(float wheelbase, float steering_limit, float steering_ms) {
    return {SLOT_TAXI,
            1,
            0,
            false,
            {},
            {slot_word_of(1, SLOT_NOSE_STEER), slot_word_of(2, SLOT_TYRES), int_word(5, 0), float_word(6, wheelbase),
             float_word(7, steering_limit), float_word(8, steering_ms)}};
}
BuiltSlot nose_steer() { return {SLOT_NOSE_STEER, 1, 0, false, {L"Y_nosegear"}, {}}; }
BuiltSlot six_tyres() {
    return {SLOT_TYRES, 5, 1000, true, {L"tire001", L"tire002", L"tire003", L"tire004", L"tire005", L"tire006"}, {}};
}
BuiltSlot nav_lights() { return {SLOT_NAV_LIGHTS, 2, 0, false, {L"wglightl", L"wglightr", L"ldlightb"}, {}}; }
BuiltSlot rolight() { return {SLOT_ROLIGHT, 1, 0, false, {L"rolight"}, {}}; }
BuiltSlot logo_light() { return {SLOT_LOGO_LIGHT, 1, 0, false, {L"lglight"}, {}}; }
BuiltSlot strobes() { return {SLOT_STROBES, 1, 1000, true, {L"wglightl", L"wglightr"}, {}}; }
BuiltSlot body_pitch() { return {SLOT_BODY_PITCH, 1, 0, false, {ROOT_LAYER}, {}}; }
BuiltSlot geometry() { return immediate(SLOT_GEOMETRY); }
BuiltSlot pushback() { return {SLOT_PUSHBACK, 1, 1000, true, {}, {slot_word_of(1, SLOT_TAXI)}}; }
BuiltSlot landing_run() { return {SLOT_LANDING_RUN, 1, 1000, true, {}, {}}; }
BuiltSlot two_beacons() {
    return {SLOT_BEACON,
            1,
            1000,
            true,
            {L"atlightu", L"atlightd"},
            {base_scale_word(5, L"atlightu"), base_scale_word(6, L"atlightd")}};
}
BuiltSlot two_fans() { return {SLOT_ENGINES, 3, 20000, true, {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high"}, {}}; }

// The nacelle gear and four-blade propellers that acplug10 builds and acplug13 and acplug16 build again with their own
// lists.
std::vector<const wchar_t*> nacelle_gear_layers() {
    return {L"nosegear", L"Z_1nose",      L"Z_2nose",      L"Z_3nose",       L"Z_4nose",       L"tire",
            L"body03",   L"Z_1eng01",     L"Z_2eng01",     L"Z_3eng01",      L"Z_4eng01",      L"Z_5eng01",
            L"Z_6eng01", L"X_01t1Rshaft", L"X_01t1Lshaft", L"X_0102t1Rshaf", L"X_0102t1Lshaft"};
}
std::vector<const wchar_t*> four_flaps_four_arms() {
    return {L"mainwing01", L"mainwing02",   L"X_flap0101",   L"X_flap0201",   L"X_flap0301",
            L"X_flap0401", L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04"};
}
std::vector<const wchar_t*> four_blade_propellers() {
    return {L"Z_e1low",   L"Z_e1high",  L"Z_e2low",   L"Z_e2high",  L"Y_01e1low", L"X_02e1low",
            L"Y_03e1low", L"X_04e1low", L"Y_01e2low", L"X_02e2low", L"Y_03e2low", L"X_04e2low"};
}
std::vector<const wchar_t*> four_landing_beams() { return {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2"}; }

TypeBuild acplug10() {
    std::vector<BuiltSlot> part = {
        {SLOT_LEVEL1, 1, 0, false, {L"Level1"}, {}},
        {SLOT_FLAPS, 9, SET_BY_START, false, four_flaps_four_arms(), {}},
        nose_steer(),
        six_tyres(),
        {SLOT_GEAR, 16, 12000, false, nacelle_gear_layers(), {}},
        {SLOT_ENGINES, 11, 20000, true, four_blade_propellers(), {}},
        {SLOT_SECOND_DOOR, 1, 6000, false, {L"Z_door01"}, {}},
        {SLOT_BEACON, 1, 1000, true, {L"atlightu"}, {base_scale_word(5, L"atlightu")}},
        nav_lights(),
        rolight(),
        {SLOT_LANDING_LIGHTS, 3, 1000, false, four_landing_beams(), {base_scale_word(5, L"ldlightl1")}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT, 1, 1000, false, {L"frlight", L"ldlightml"}, {base_scale_word(5, L"ldlightml")}},
        logo_light(),
        body_pitch(),
        {SLOT_DOOR, 1, 6000, false, {L"Z_door02"}, {}},
        geometry(),
        taxi_slot(11.5f, 60.0f, 3000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug10", 43, joined(part, propeller_sequence_slots())};
}

TypeBuild acplug11() {
    std::vector<BuiltSlot> part = {
        {SLOT_FLAPS,
         13,
         SET_BY_START,
         false,
         {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03",
          L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06", L"X_revon102", L"X_revon202", L"engine_off", L"engine_on"},
         {}},
        nose_steer(),
        six_tyres(),
        {SLOT_GEAR,
         12,
         10000,
         false,
         {L"nosegear", L"Z_1nose01", L"Z_2nose01", L"tire", L"body03", L"Z_1eng01", L"Z_2eng01", L"X_3eng01",
          L"Z_4eng01", L"Z_5eng01", L"X_6eng01", L"X_01t1Rshaft", L"X_01t1Lshaft"},
         {}},
        {SLOT_ENGINES,
         11,
         20000,
         true,
         {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high", L"Y_01e1low", L"Y_02e1low", L"Y_03e1low", L"Y_04e1low",
          L"Y_01e2low", L"Y_02e2low", L"Y_03e2low", L"Y_04e2low"},
         {}},
        two_beacons(),
        nav_lights(),
        rolight(),
        {SLOT_LANDING_LIGHTS, 1, 1000, false, {L"ldlightl", L"ldlightr"}, {base_scale_word(5, L"ldlightl")}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT, 1, 1000, false, {L"frlight", L"ldlightml"}, {base_scale_word(5, L"ldlightml")}},
        logo_light(),
        strobes(),
        body_pitch(),
        {SLOT_SECOND_DOOR, 4, 10000, false, {L"Z_door01", L"Z_trap01", L"Z_trap02", L"trap_on", L"S1door01"}, {}},
        {SLOT_DOOR, 1, 1000, false, {L"Z_door02"}, {}},
        geometry(),
        taxi_slot(7.5f, 60.0f, 3000.0f),
        pushback(),
        landing_run(),
    };
    std::vector<BuiltSlot> sequences = framework_sequence_slots();
    sequences.push_back({SLOT_TAKEOFF_TRIGGER, 1, 0, false, {}, {int_word(1, 0)}});  // the once flag starts clear
    return {"acplug11", 127, joined(part, sequences)};
}

TypeBuild acplug12() {
    std::vector<BuiltSlot> part = {
        {SLOT_SPOILERS, 2, 1000, false, {L"spoiler", L"X_spoiler01", L"X_spoiler02"}, {}},
        {SLOT_REVERSERS,
         5,
         1000,
         false,
         {L"engine_on", L"engine_off", L"X_revon01", L"X_revon02", L"X_revon03", L"X_revon04"},
         {}},
        {SLOT_FLAPS,
         7,
         SET_BY_START,
         false,
         {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03",
          L"X_flaparm_04"},
         {}},
        nose_steer(),
        six_tyres(),
        {SLOT_GEAR,
         11,
         12000,
         false,
         {L"nosegear", L"Z_1nose01", L"Z_2nose01", L"X_3nose01", L"tire", L"body03", L"Z_1main01", L"Z_2main01",
          L"Z_01t1Lshaft", L"Z_01t1Rshaft", L"Z_1wing01", L"Z_2wing01"},
         {}},
        two_fans(),
        two_beacons(),
        nav_lights(),
        // word5 is the base scale of the "ldlightl1" found under "ldlightl".
        {SLOT_LANDING_LIGHTS, 1, 1000, false, {L"ldlightl", L"ldlightr"}, {base_scale_word(5, L"ldlightl/ldlightl1")}},
        // word2 = 1 at build; the reset's post of 34 (0, 0) fades "frlight" out and sets it to 0. This type's front
        // light has no beam, so word1 keeps its 1.
        {SLOT_FRONT_LIGHT, 1, 1000, false, {L"frlight"}, {int_word(1, 1)}},
        strobes(),
        body_pitch(),
        {SLOT_SECOND_DOOR, 2, 3000, false, {L"04body03", L"Z_door01", L"trap_on"}, {}},
        geometry(),
        taxi_slot(5.5f, 60.0f, 2000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug12", 43, joined(part, framework_sequence_slots())};
}

TypeBuild acplug13() {
    std::vector<BuiltSlot> part = {
        {SLOT_LEVEL1, 1, 0, false, {L"Level1"}, {}},
        {SLOT_SPOILERS, 2, 1000, false, {L"spoiler", L"X_spoiler01", L"X_spoiler02"}, {}},
        {SLOT_FLAPS, 9, SET_BY_START, false, four_flaps_four_arms(), {}},
        nose_steer(),
        six_tyres(),
        {SLOT_GEAR, 16, 12000, false, nacelle_gear_layers(), {}},
        {SLOT_ENGINES,
         15,
         20000,
         true,
         {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high", L"Y_01e1low", L"Y_02e1low", L"Y_03e1low", L"Y_04e1low",
          L"Y_05e1low", L"Y_06e1low", L"Y_01e2low", L"Y_02e2low", L"Y_03e2low", L"Y_04e2low", L"Y_05e2low",
          L"Y_06e2low"},
         {}},
        {SLOT_SECOND_DOOR, 1, 6000, false, {L"Z_door01"}, {}},
        {SLOT_BEACON, 1, 1000, true, {L"atlightu"}, {base_scale_word(5, L"atlightu")}},
        nav_lights(),
        rolight(),
        {SLOT_LANDING_LIGHTS, 3, 1000, false, four_landing_beams(), {base_scale_word(5, L"ldlightl1")}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT, 1, 1000, false, {L"frlight", L"ldlightml"}, {base_scale_word(5, L"ldlightml")}},
        logo_light(),
        strobes(),
        body_pitch(),
        {SLOT_DOOR, 1, 6000, false, {L"Z_door02"}, {}},
        geometry(),
        taxi_slot(14.8541f, 70.0f, 2500.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug13", 43, joined(part, framework_sequence_slots())};
}

TypeBuild acplug14() {
    std::vector<BuiltSlot> part = {
        {SLOT_SPOILERS,
         16,
         1000,
         false,
         {L"spoiler", L"01_spoiler", L"02_spoiler", L"03_spoiler", L"04_spoiler", L"05_spoiler", L"06_spoiler",
          L"07_spoiler", L"08_spoiler", L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04", L"X_spoiler05",
          L"X_spoiler06", L"X_spoiler07", L"X_spoiler08"},
         {}},
        {SLOT_REVERSERS, 3, 1000, false, {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02"}, {}},
        {SLOT_FLAPS,
         15,
         SET_BY_START,
         false,
         {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401", L"X_flaparm_01",
          L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06", L"X_flaparm_07",
          L"X_flaparm_08", L"X_flaparm_09", L"X_flaparm_10"},
         {}},
        nose_steer(),
        six_tyres(),
        {SLOT_GEAR,
         16,
         12000,
         false,
         {L"nosegear", L"Z_1nose01", L"Z_2nose01", L"X_3nose01", L"01body03", L"03body03", L"04body03", L"tire001",
          L"tire002", L"tire004", L"tire005", L"Z_1wing01", L"Z_2wing01", L"Z_01t1Rshaft", L"Z_01t1Lshaft",
          L"Z_0102t1Rshaft", L"Z_0102t1Lshaft"},
         {}},
        two_fans(),
        {SLOT_BEACON,
         3,
         1000,
         true,
         {L"atlightu", L"atlightd", L"at_pointu", L"at_pointd"},
         {base_scale_word(5, L"atlightu"), base_scale_word(6, L"atlightd")}},
        nav_lights(),
        rolight(),
        {SLOT_LANDING_LIGHTS, 1, 1000, false, {L"ldlightl", L"ldlightr"}, {base_scale_word(5, L"ldlightl")}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT,
         2,
         1000,
         false,
         {L"frlight", L"ldlightml", L"ldlightmr"},
         {base_scale_word(5, L"ldlightml")}},
        logo_light(),
        strobes(),
        {SLOT_BODY_PITCH, 2, 0, false, {ROOT_LAYER, L"X_02t1Rshaft", L"X_02t1Lshaft"}, {}},
        {SLOT_SECOND_DOOR, 1, 12000, false, {L"03body03", L"Z_door01"}, {}},
        {SLOT_DOOR, 1, 6000, false, {L"04body03", L"Z_door02"}, {}},
        geometry(),
        taxi_slot(11.2f, 60.0f, 3000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug14", 43, joined(part, long_sequence_slots())};
}

TypeBuild acplug15() {
    std::vector<BuiltSlot> part = {
        {SLOT_SPOILERS, 2, 500, false, {L"spoiler", L"X_spoiler01", L"X_spoiler02"}, {}},
        {SLOT_FLAPS,
         5,
         SET_BY_START,
         false,
         {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401"},
         {}},
        {SLOT_SLATS,
         8,
         SET_BY_START,
         false,
         {L"slat", L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat", L"01_slat", L"02_slat", L"03_slat", L"04_slat"},
         {}},
        nose_steer(),
        {SLOT_TYRES, 3, 1000, true, {L"tire001", L"tire002", L"tire003", L"tire004"}, {}},
        {SLOT_GEAR,
         16,
         6000,
         false,
         {L"nosegear", L"X_nose01", L"X_nose02", L"Z_1nose01", L"Z_2nose01", L"Z_3nose01", L"X_4nose01", L"tire",
          L"body03", L"X_t1Rshaft", L"Z_1wing01", L"Z_2wing01", L"Z_3wing01", L"X_t1Lshaft", L"Z_4wing01", L"Z_5wing01",
          L"Z_6wing01"},
         {}},
        {SLOT_BEACON,
         1,
         1000,
         true,
         {L"atlightu01", L"atlightu02"},
         {base_scale_word(5, L"atlightu01"), base_scale_word(6, L"atlightu02")}},
        {SLOT_NAV_LIGHTS, 2, 0, false, {L"wglightl", L"wglightr", L"ldlightb01"}, {}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT, 1, 1000, false, {L"frlight", L"ldlightm"}, {base_scale_word(5, L"ldlightm")}},
        {SLOT_BODY_PITCH, 2, 0, false, {ROOT_LAYER, L"X_t2Rshaft", L"X_t2Lshaft"}, {}},
        geometry(),
        taxi_slot(4.0544f, 80.0f, 2000.0f),
        pushback(),
        landing_run(),
        {SLOT_AFTERBURNER, 1, SET_BY_START, false, {L"afterburner"}, {}},
        // word1 = 0 and word2 = 1 at build; the reset's post of 62 (1, 0) leaves the door open (word1 1) and the ladder
        // state 0 (word2 0).
        {SLOT_DOOR_LADDER, 2, 3000, false, {L"X_door01", L"ps01", L"trap"}, {}},
        {SLOT_STABILIZERS, 1, 0, false, {L"X_l_horwing", L"X_r_horwing"}, {}},
    };
    std::vector<BuiltSlot> sequences = {
        {SEQ_NAV_LIGHTS_ON, 1, 4000, false, {}, {}},
        immediate(SEQ_BEACON_ON),
        immediate(SEQ_DEPARTURE),
        immediate(SEQ_LANDING_LIGHTS_ON),
        {SEQ_ROTATE, 1, 3000, false, {}, {}},
        immediate(SEQ_CLIMB),
        {SEQ_AFTER_TAKEOFF, 1, 3000, false, {}, {}},
        {SEQ_FINAL, 1, SET_BY_START, false, {}, {}},
        immediate(SEQ_FLARE),
        {SEQ_TOUCHDOWN, 1, 3000, false, {}, {}},
        {SEQ_ROLLOUT, 1, 5000, false, {}, {}},
        immediate(SEQ_AFTER_LANDING),
        immediate(SEQ_BEACON_OFF),
        {SEQ_NAV_LIGHTS_OFF, 1, 4000, false, {}, {}},
        {SLOT_LIGHT_PARAMS, 1, 0, false, {}, {}},
    };
    return {"acplug15", 72, joined(part, sequences)};
}

TypeBuild acplug16() {
    std::vector<BuiltSlot> part = {
        {SLOT_FLAPS,
         5,
         SET_BY_START,
         false,
         {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401"},
         {}},
        nose_steer(),
        six_tyres(),
        {SLOT_GEAR,
         12,
         12000,
         false,
         {L"nosegear", L"Z_1nose", L"Z_2nose", L"tire", L"body03", L"Z_1eng01", L"Z_2eng01", L"Z_3eng01", L"Z_4eng01",
          L"X_01t1Rshaft", L"X_01t1Lshaft", L"X_0103t1Rshaf", L"X_0103t1Lshaft"},
         {}},
        {SLOT_ENGINES, 11, 20000, true, four_blade_propellers(), {}},
        {SLOT_SECOND_DOOR, 4, 10000, false, {L"X_door01", L"on_trap", L"Z_trap01", L"Z_trap02", L"Z_trap03"}, {}},
        two_beacons(),
        nav_lights(),
        rolight(),
        {SLOT_LANDING_LIGHTS, 1, 1000, false, {L"ldlightl1", L"ldlightr1"}, {base_scale_word(5, L"ldlightl1")}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT,
         2,
         1000,
         false,
         {L"frlight", L"ldlightml", L"ldlightmr"},
         {base_scale_word(5, L"ldlightml")}},
        body_pitch(),
        geometry(),
        taxi_slot(10.7f, 60.0f, 4000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug16", 43, joined(part, propeller_sequence_slots())};
}

TypeBuild acplug17() {
    std::vector<BuiltSlot> part = {
        {SLOT_TYRES, 2, 1000, true, {L"tire001", L"tire002", L"tire003"}, {}},
        {SLOT_ENGINES,
         7,
         20000,
         true,
         {L"X_e2low", L"X_e2high", L"Y_e1low", L"Y_e1high", L"01e1low", L"02e1low", L"03e1low", L"04e1low"},
         {}},
        two_beacons(),
        nav_lights(),
        {SLOT_LANDING_LIGHTS,
         1,
         1000,
         false,
         {L"ldlightr", L"ldlightm"},
         {base_scale_word(5, L"ldlightr"), base_scale_word(6, L"ldlightm")}},
        // word1 = word2 = 1 at build; the reset's post of 34 (0, 0) turns both states off.
        {SLOT_FRONT_LIGHT, 1, 1000, false, {L"frlightl", L"ldlightl"}, {base_scale_word(5, L"ldlightl")}},
        body_pitch(),
        {SLOT_SECOND_DOOR, 4, 5000, false, {L"body03", L"Y_door01", L"Y_door02", L"Z_door03", L"Z_door04"}, {}},
        // word1 is entry 25, which this type leaves empty.
        {SLOT_TAXI,
         1,
         0,
         false,
         {},
         {slot_word_of(1, SLOT_NOSE_STEER), slot_word_of(2, SLOT_TYRES), float_word(6, 2.86f), float_word(7, 60.0f),
          float_word(8, 1600.0f)}},
        pushback(),
        {SLOT_STABILIZERS, 1, 0, false, {L"X_horwing"}, {}},
    };
    std::vector<BuiltSlot> sequences = {
        immediate(SEQ_NAV_LIGHTS_ON),
        {SEQ_DEPARTURE, 1, 4000, false, {}, {}},
        {SEQ_LANDING_LIGHTS_ON, 1, 3000, false, {}, {}},
        {SEQ_ROTATE, 1, 3000, false, {}, {}},
        immediate(SEQ_CLIMB),
        {SEQ_AFTER_TAKEOFF, 1, 5000, false, {}, {}},
        {SEQ_FINAL, 1, 3000, false, {}, {}},
        immediate(SEQ_FLARE),
        {SEQ_TOUCHDOWN, 1, 3000, false, {}, {}},
        {SEQ_AFTER_LANDING, 1, 8000, false, {}, {}},
        immediate(SEQ_BEACON_OFF),
        immediate(SEQ_NAV_LIGHTS_OFF),
        {SLOT_LIGHT_PARAMS, 1, 0, false, {}, {}},
    };
    return {"acplug17", 72, joined(part, sequences)};
}
}  // namespace

std::vector<TypeBuild> other_type_builds() {
    return {acplug10(), acplug11(), acplug12(), acplug13(), acplug14(), acplug15(), acplug16(), acplug17()};
}
