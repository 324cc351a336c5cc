#include "reference_slots.h"

#include "engine_spool.h"
#include "ground_path.h"
#include "landing_gear.h"
#include "landing_run.h"
#include "lights.h"
#include "sequences.h"
#include "slot_builder.h"
#include "surfaces.h"
#include "type_numbers.h"

namespace {
const wchar_t* const level1_layers[] = {L"Level1", nullptr};
const wchar_t* const spoiler_layers[] = {L"spoiler", L"X_spoiler01", L"X_spoiler02", L"X_spoiler03",
                                         L"X_spoiler04", nullptr};
const wchar_t* const reverser_layers[] = {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02", nullptr};
const wchar_t* const flap_layers[] = {
    L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0102",   L"X_flap0201",   L"X_flap0202",
    L"X_flap0301",   L"X_flap0302",   L"X_flap0401",   L"X_flap0402",   L"X_flaparm_01", L"X_flaparm_02",
    L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06", nullptr};
const wchar_t* const slat_layers[] = {L"slat", L"X_1slat", L"X_2slat", L"X_3slat", L"X_4slat", nullptr};
const wchar_t* const nose_steer_layers[] = {L"Y_nosegear", nullptr};
// "Z_0102t1Rshaf" is the model's own spelling; its mirror is "Z_0102t1Lshaft".
const wchar_t* const gear_layers[] = {
    L"nosegear",     L"Z_1nose01",    L"Z_2nose01",     L"01body03",     L"0101t1Rshaft",
    L"Z_0102t1Rshaf", L"0202t1Rshaft", L"0101t1Lshaft",  L"Z_0102t1Lshaft", L"0202t1Lshaft",
    L"Z_1wing01",    L"Z_2wing01",    L"Z_2wing02",     L"Z_3wing01",    L"Z_4wing01",
    L"Z_4wing02",    L"Z_01t1Rshaft", L"Z_01t1Lshaft",  L"tire_off",     nullptr};
const wchar_t* const engine_layers[] = {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high", nullptr};
const wchar_t* const beacon_layers[] = {L"atlightu", L"atlightd", nullptr};
const wchar_t* const nav_light_layers[] = {L"wglightl", L"wglightr", L"ldlightb", nullptr};
const wchar_t* const rolight_layers[] = {L"rolight", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2", nullptr};
const wchar_t* const front_light_layers[] = {L"frlight", L"ldlight", nullptr};
const wchar_t* const logo_light_layers[] = {L"lglight", nullptr};
const wchar_t* const strobe_layers[] = {L"wglightl", L"wglightr", nullptr};
const wchar_t* const door_layers[] = {L"04body03", L"Z_door01", nullptr};

FormedNames tyre_names;  // "tire001" .. "tire006", formed when the slots are built

const uint32_t LOOP = 1;
const uint32_t TIMED = 1;  // a timed record of the sequences, which animate no layers of their own

// Creation order matters: slots 25 and 26 before 40, slot 40 before 41 (their setups link them).
const SlotRow part_rows[] = {
    // slot, start,            update,               timed, ms, loop, setup,               layers,               flags
    {1,  level1_hide,          nullptr,              1,  0,     0,    nullptr,              level1_layers,        0},
    {21, anim_toggle_start,    spoiler_update,       4,  1000,  0,    nullptr,              spoiler_layers,       0},
    {22, anim_toggle_start,    reverser_update,      3,  1000,  0,    nullptr,              reverser_layers,      0},
    {23, flap_start,           flap_update,          15, 0,     0,    nullptr,              flap_layers,          0},
    {24, slat_start,           slat_update,          4,  0,     0,    nullptr,              slat_layers,          0},
    {25, nose_steer_set,       nullptr,              1,  0,     0,    nullptr,              nose_steer_layers,    0},
    {26, tire_roll,            tire_update,          5,  1000,  LOOP, nullptr,              tyre_names.list,      0},
    {27, gear_start,           gear_update,          18, 12000, 0,    nullptr,              gear_layers,          0},
    {28, engine_spool_start,   engine_spool_update,  3,  20000, LOOP, engine_spool_setup,   engine_layers,        0},
    {30, beacon_start,         beacon_update,        1,  1000,  LOOP, beacon_setup,         beacon_layers,        0},
    {31, nav_lights_set,       nullptr,              2,  0,     0,    nullptr,              nav_light_layers,     0},
    {32, rolight_set,          nullptr,              1,  0,     0,    nullptr,              rolight_layers,       0},
    {33, landing_light_start,  landing_light_update, 3,  1000,  0,    landing_light_setup,  landing_light_layers, 0},
    {34, front_light_start,    front_light_update,   1,  1000,  0,    front_light_setup,    front_light_layers,   0},
    {35, logo_light_set,       nullptr,              1,  0,     0,    nullptr,              logo_light_layers,    0},
    {36, strobe_start,         idle_update,          1,  1000,  LOOP, nullptr,              strobe_layers,        0},
    {20, body_pitch_set,       nullptr,              1,  0,     0,    nullptr,              nullptr,              OWN_ROOT_LAYER},
    {37, anim_toggle_start,    door_update,          1,  6000,  0,    nullptr,              door_layers,          0},
    {38, geometry_query,       nullptr,              SLOT_IMMEDIATE, 0, 0, nullptr,         nullptr,              0},
    {40, taxi_step,            nullptr,              1,  0,     0,    taxi_slot_setup,      nullptr,              0},
    {41, pushback_start,       pushback_update,      1,  1000,  LOOP, pushback_slot_setup,  nullptr,              0},
    {42, landing_demo_start,   landing_demo_update,  1,  1000,  LOOP, nullptr,              nullptr,              0},
};

const SlotRow sequence_rows[] = {
    // slot, start,                update,                   timed,          ms, loop, setup, layers, flags
    {2,  seq_nav_lights_on,        nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {3,  seq_beacon_on,            nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {4,  seq_departure_setup,      nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {5,  seq_landing_lights_on,    nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {6,  seq_rotate_start,         seq_rotate_update,        TIMED,          3000,  0, nullptr, nullptr, 0},
    {7,  seq_climb_pitch,          nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {8,  seq_after_takeoff_start,  seq_after_takeoff_update, TIMED,          10000, 0, nullptr, nullptr, 0},
    {9,  seq_approach_flaps,       nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {10, seq_final_config_start,   seq_final_config_update,  TIMED,          10000, 0, nullptr, nullptr, 0},
    {11, seq_flare_pitch,          nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {12, seq_touchdown_start,      seq_touchdown_update,     TIMED,          3000,  0, nullptr, nullptr, 0},
    {13, seq_rollout_start,        seq_rollout_update,       TIMED,          5000,  0, nullptr, nullptr, 0},
    {14, seq_after_landing,        nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {15, seq_beacon_off,           nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {16, seq_nav_lights_off,       nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0},
    {19, light_params_set,         nullptr,                  TIMED,          0,     0, nullptr, nullptr, 0},
};
}  // namespace

void build_reference_part_slots(KvrnContext context, KvrnLayer object) {
    form_layer_names(&tyre_names, L"tire%03d", 1, type_numbers().tyres);
    build_slots(context, object, part_rows);
}

void build_reference_sequence_slots(KvrnContext context, KvrnLayer object) {
    build_slots(context, object, sequence_rows);
}
