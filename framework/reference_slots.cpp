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
const wchar_t* const spoiler_layers[] = {L"spoiler",     L"X_spoiler01", L"X_spoiler02",
                                         L"X_spoiler03", L"X_spoiler04", nullptr};
const wchar_t* const reverser_layers[] = {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02", nullptr};
const wchar_t* const flap_layers[] = {
    L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0102",   L"X_flap0201",   L"X_flap0202",
    L"X_flap0301",   L"X_flap0302",   L"X_flap0401",   L"X_flap0402",   L"X_flaparm_01", L"X_flaparm_02",
    L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06", nullptr};
const wchar_t* const slat_layers[] = {L"slat", L"X_1slat", L"X_2slat", L"X_3slat", L"X_4slat", nullptr};
const wchar_t* const nose_steer_layers[] = {L"Y_nosegear", nullptr};
// "Z_0102t1Rshaf" is the model's own spelling; its mirror is "Z_0102t1Lshaft".
const wchar_t* const gear_layers[] = {L"nosegear",       L"Z_1nose01",     L"Z_2nose01",    L"01body03",
                                      L"0101t1Rshaft",   L"Z_0102t1Rshaf", L"0202t1Rshaft", L"0101t1Lshaft",
                                      L"Z_0102t1Lshaft", L"0202t1Lshaft",  L"Z_1wing01",    L"Z_2wing01",
                                      L"Z_2wing02",      L"Z_3wing01",     L"Z_4wing01",    L"Z_4wing02",
                                      L"Z_01t1Rshaft",   L"Z_01t1Lshaft",  L"tire_off",     nullptr};
const wchar_t* const engine_layers[] = {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high", nullptr};
const wchar_t* const beacon_layers[] = {L"atlightu", L"atlightd", nullptr};
const wchar_t* const nav_light_layers[] = {L"wglightl", L"wglightr", L"ldlightb", nullptr};
const wchar_t* const rolight_layers[] = {L"rolight", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2", nullptr};
const wchar_t* const front_light_layers[] = {L"frlight", L"ldlight", nullptr};
const wchar_t* const logo_light_layers[] = {L"lglight", nullptr};
const wchar_t* const strobe_layers[] = {L"wglightl", L"wglightr", nullptr};
const wchar_t* const door_layers[] = {L"04body03", L"Z_door01", nullptr};

const SlotConstant front_light_words[] = {{1, WORD_UNSIGNED, 1}, {2, WORD_UNSIGNED, 1}, {}};  // beam and lamp on
const BaseScale beacon_scales[] = {{0, 5}, {1, 6}, {}};
const BaseScale landing_light_scales[] = {{0, 5}, {2, 6}, {}};  // first and second lamp pair
const BaseScale front_light_scales[] = {{1, 5}, {}};            // the beam

const uint32_t LOOP = 1;
const uint32_t TIMED = 1;  // a timed record of the sequences, which animate no layers of their own
const uint32_t BY_LAYERS = TIMED_BY_LAYERS;

// Creation order matters: slots 25 and 26 before 40, slot 40 before 41 (their setups link them).
const SlotRow part_rows[] = {
    // clang-format off
    // slot,               start,               update,               timed,          ms,    loop, setup,               layers,               flags,          words,             base scales
    {SLOT_LEVEL1,         level1_hide,         nullptr,              BY_LAYERS,      0,     0,    nullptr,             level1_layers,        0,              nullptr,           nullptr},
    {SLOT_SPOILERS,       anim_toggle_start,   spoiler_update,       BY_LAYERS,      1000,  0,    nullptr,             spoiler_layers,       0,              nullptr,           nullptr},
    {SLOT_REVERSERS,      anim_toggle_start,   reverser_update,      BY_LAYERS,      1000,  0,    nullptr,             reverser_layers,      0,              nullptr,           nullptr},
    {SLOT_FLAPS,          flap_start,          flap_update,          BY_LAYERS,      0,     0,    nullptr,             flap_layers,          0,              nullptr,           nullptr},
    {SLOT_SLATS,          slat_start,          slat_update,          BY_LAYERS,      0,     0,    nullptr,             slat_layers,          0,              nullptr,           nullptr},
    {SLOT_NOSE_STEER,     nose_steer_set,      nullptr,              BY_LAYERS,      0,     0,    nullptr,             nose_steer_layers,    0,              nullptr,           nullptr},
    {SLOT_TYRES,          tire_roll,           tire_update,          BY_LAYERS,      1000,  LOOP, nullptr,             nullptr,              TYRE_LAYERS,    nullptr,           nullptr},
    {SLOT_GEAR,           gear_start,          gear_update,          BY_LAYERS,      12000, 0,    nullptr,             gear_layers,          0,              nullptr,           nullptr},
    {SLOT_ENGINES,        engine_spool_start,  engine_spool_update,  BY_LAYERS,      20000, LOOP, engine_spool_setup,  engine_layers,        0,              nullptr,           nullptr},
    {SLOT_BEACON,         beacon_start,        beacon_update,        BY_LAYERS,      1000,  LOOP, nullptr,             beacon_layers,        0,              nullptr,           beacon_scales},
    {SLOT_NAV_LIGHTS,     nav_lights_set,      nullptr,              BY_LAYERS,      0,     0,    nullptr,             nav_light_layers,     0,              nullptr,           nullptr},
    {SLOT_ROLIGHT,        rolight_set,         nullptr,              BY_LAYERS,      0,     0,    nullptr,             rolight_layers,       0,              nullptr,           nullptr},
    {SLOT_LANDING_LIGHTS, landing_light_start, landing_light_update, BY_LAYERS,      1000,  0,    nullptr,             landing_light_layers, 0,              nullptr,           landing_light_scales},
    {SLOT_FRONT_LIGHT,    front_light_start,   front_light_update,   BY_LAYERS,      1000,  0,    nullptr,             front_light_layers,   0,              front_light_words, front_light_scales},
    {SLOT_LOGO_LIGHT,     logo_light_set,      nullptr,              BY_LAYERS,      0,     0,    nullptr,             logo_light_layers,    0,              nullptr,           nullptr},
    {SLOT_STROBES,        strobe_start,        idle_update,          BY_LAYERS,      1000,  LOOP, nullptr,             strobe_layers,        0,              nullptr,           nullptr},
    {SLOT_BODY_PITCH,     body_pitch_set,      nullptr,              BY_LAYERS,      0,     0,    nullptr,             nullptr,              OWN_ROOT_LAYER, nullptr,           nullptr},
    {SLOT_DOOR,           anim_toggle_start,   door_update,          BY_LAYERS,      6000,  0,    nullptr,             door_layers,          0,              nullptr,           nullptr},
    {SLOT_GEOMETRY,       geometry_query,      nullptr,              SLOT_IMMEDIATE, 0,     0,    nullptr,             nullptr,              0,              nullptr,           nullptr},
    {SLOT_TAXI,           taxi_step,           nullptr,              TIMED,          0,     0,    taxi_slot_setup,     nullptr,              0,              nullptr,           nullptr},
    {SLOT_PUSHBACK,       pushback_start,      pushback_update,      TIMED,          1000,  LOOP, pushback_slot_setup, nullptr,              0,              nullptr,           nullptr},
    {SLOT_LANDING_RUN,    landing_demo_start,  landing_demo_update,  TIMED,          1000,  LOOP, nullptr,             nullptr,              0,              nullptr,           nullptr},
};
// clang-format on

const SlotRow sequence_rows[] = {
    // clang-format off
    // slot,                 start,                   update,                   timed,          ms,    loop, setup,   layers,  flags, words,   base scales
    {SEQ_NAV_LIGHTS_ON,     seq_nav_lights_on,       nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_BEACON_ON,         seq_beacon_on,           nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_DEPARTURE,         seq_departure_setup,     nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_LANDING_LIGHTS_ON, seq_landing_lights_on,   nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_ROTATE,            seq_rotate_start,        seq_rotate_update,        TIMED,          3000,  0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_CLIMB,             seq_climb_pitch,         nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_AFTER_TAKEOFF,     seq_after_takeoff_start, seq_after_takeoff_update, TIMED,          10000, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_APPROACH,          seq_approach_flaps,      nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_FINAL,             seq_final_config_start,  seq_final_config_update,  TIMED,          10000, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_FLARE,             seq_flare_pitch,         nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_TOUCHDOWN,         seq_touchdown_start,     seq_touchdown_update,     TIMED,          3000,  0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_ROLLOUT,           seq_rollout_start,       seq_rollout_update,       TIMED,          5000,  0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_AFTER_LANDING,     seq_after_landing,       nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_BEACON_OFF,        seq_beacon_off,          nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_NAV_LIGHTS_OFF,    seq_nav_lights_off,      nullptr,                  SLOT_IMMEDIATE, 0,     0, nullptr, nullptr, 0, nullptr, nullptr},
    {SLOT_LIGHT_PARAMS,     light_params_set,        nullptr,                  TIMED,          0,     0, nullptr, nullptr, 0, nullptr, nullptr},
};
// clang-format on
}  // namespace

extern constexpr List<SlotRow> reference_part_rows = list_of(part_rows);
extern constexpr List<SlotRow> reference_sequence_rows = list_of(sequence_rows);
