// The slots acplug01 to acplug09 build: the reference aircraft's two builders, the jets that
// amend them, and the jets with part builders of their own.
#include "built_slots.h"
#include "commands.h"

namespace {
using Layers = std::vector<const wchar_t*>;

const wchar_t* const TYRE_NAMES[] = {L"tire001", L"tire002", L"tire003", L"tire004", L"tire005", L"tire006",
                                     L"tire007", L"tire008", L"tire009", L"tire010", L"tire011", L"tire012",
                                     L"tire013", L"tire014", L"tire015", L"tire016", L"tire017", L"tire018"};

// The tyres "tire001" up to the type's count.
Layers tyres(int count) { return Layers(TYRE_NAMES, TYRE_NAMES + count); }

BuiltSlot immediate(int32_t slot) { return {slot, 0, 0, false, {}, {}}; }
// A timed record that never runs a clock of its own.
BuiltSlot clockless(int32_t slot, uint32_t timed, Layers layers, std::vector<BuiltWord> words = {}) {
    return {slot, timed, 0, false, layers, words};
}
BuiltSlot timed_for(int32_t slot, uint32_t timed, int32_t ms, Layers layers, std::vector<BuiltWord> words = {}) {
    return {slot, timed, ms, false, layers, words};
}
BuiltSlot looping(int32_t slot, uint32_t timed, int32_t ms, Layers layers, std::vector<BuiltWord> words = {}) {
    return {slot, timed, ms, true, layers, words};
}

const Layers ENGINES_TWO = {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high"};
const Layers SPOILERS = {L"spoiler", L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04"};
const Layers REVERSERS = {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02"};
const Layers NAV_LIGHTS = {L"wglightl", L"wglightr", L"ldlightb"};
const Layers TWO_BEAM_FRONT = {L"frlight", L"ldlightml", L"ldlightmr"};

// The beacon with the base scales of its two lamps.
BuiltSlot beacon() {
    return looping(SLOT_BEACON, 1, 1000, {L"atlightu", L"atlightd"},
                   {base_scale_word(5, L"atlightu"), base_scale_word(6, L"atlightd")});
}
// The two-beam front light; `word1` and `word2` start at 1 but the reset's post of 34 (0, 0) sets both to 0.
BuiltSlot two_beam_front_light() {
    return timed_for(SLOT_FRONT_LIGHT, 2, 1000, TWO_BEAM_FRONT, {base_scale_word(5, L"ldlightml")});
}
// Taxi step: nose steering and tyres, then wheelbase, steering limit and steering time.
BuiltSlot taxi(float wheelbase, float steering_ms) {
    return clockless(SLOT_TAXI, 1, {},
                     {slot_word_of(1, SLOT_NOSE_STEER), slot_word_of(2, SLOT_TYRES), float_word(5, 0.0f),
                      float_word(6, wheelbase), float_word(7, 60.0f), float_word(8, steering_ms)});
}
BuiltSlot pushback() { return looping(SLOT_PUSHBACK, 1, 1000, {}, {slot_word_of(1, SLOT_TAXI)}); }
BuiltSlot landing_run() { return looping(SLOT_LANDING_RUN, 1, 1000, {}); }

// The reference part-slot builder.
std::vector<BuiltSlot> reference_parts() {
    return {
        clockless(SLOT_LEVEL1, 1, {L"Level1"}),
        timed_for(SLOT_SPOILERS, 4, 1000, SPOILERS),
        timed_for(SLOT_REVERSERS, 3, 1000, REVERSERS),
        timed_for(SLOT_FLAPS, 15, SET_BY_START,
                  {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0102", L"X_flap0201", L"X_flap0202",
                   L"X_flap0301", L"X_flap0302", L"X_flap0401", L"X_flap0402", L"X_flaparm_01", L"X_flaparm_02",
                   L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06"}),
        timed_for(SLOT_SLATS, 4, SET_BY_START, {L"slat", L"X_1slat", L"X_2slat", L"X_3slat", L"X_4slat"}),
        clockless(SLOT_NOSE_STEER, 1, {L"Y_nosegear"}),
        looping(SLOT_TYRES, 5, 1000, tyres(6)),
        timed_for(
            SLOT_GEAR, 18, 12000,
            {L"nosegear", L"Z_1nose01", L"Z_2nose01", L"01body03", L"0101t1Rshaft", L"Z_0102t1Rshaf", L"0202t1Rshaft",
             L"0101t1Lshaft", L"Z_0102t1Lshaft", L"0202t1Lshaft", L"Z_1wing01", L"Z_2wing01", L"Z_2wing02",
             L"Z_3wing01", L"Z_4wing01", L"Z_4wing02", L"Z_01t1Rshaft", L"Z_01t1Lshaft", L"tire_off"}),
        looping(SLOT_ENGINES, 3, 20000, ENGINES_TWO),
        beacon(),
        clockless(SLOT_NAV_LIGHTS, 2, NAV_LIGHTS),
        clockless(SLOT_ROLIGHT, 1, {L"rolight"}),
        timed_for(SLOT_LANDING_LIGHTS, 3, 1000, {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2"},
                  {base_scale_word(5, L"ldlightl1"), base_scale_word(6, L"ldlightl2")}),
        // `word1` and `word2` start at 1; the reset's post of 34 (0, 0) sets both to 0.
        timed_for(SLOT_FRONT_LIGHT, 1, 1000, {L"frlight", L"ldlight"}, {base_scale_word(5, L"ldlight")}),
        clockless(SLOT_LOGO_LIGHT, 1, {L"lglight"}),
        looping(SLOT_STROBES, 1, 1000, {L"wglightl", L"wglightr"}),
        clockless(SLOT_BODY_PITCH, 1, {ROOT_LAYER}),
        timed_for(SLOT_DOOR, 1, 6000, {L"04body03", L"Z_door01"}),
        immediate(SLOT_GEOMETRY),
        taxi(12.296f, 3000.0f),
        pushback(),
        landing_run(),
    };
}

// The reference sequence-slot builder, with the two sequence durations that some types change.
std::vector<BuiltSlot> reference_sequences(int32_t after_takeoff_ms = 10000, int32_t final_ms = 10000) {
    return {
        immediate(SEQ_NAV_LIGHTS_ON),
        immediate(SEQ_BEACON_ON),
        immediate(SEQ_DEPARTURE),
        immediate(SEQ_LANDING_LIGHTS_ON),
        timed_for(SEQ_ROTATE, 1, 3000, {}),
        immediate(SEQ_CLIMB),
        timed_for(SEQ_AFTER_TAKEOFF, 1, after_takeoff_ms, {}),
        immediate(SEQ_APPROACH),
        timed_for(SEQ_FINAL, 1, final_ms, {}),
        immediate(SEQ_FLARE),
        timed_for(SEQ_TOUCHDOWN, 1, 3000, {}),
        timed_for(SEQ_ROLLOUT, 1, 5000, {}),
        immediate(SEQ_AFTER_LANDING),
        immediate(SEQ_BEACON_OFF),
        immediate(SEQ_NAV_LIGHTS_OFF),
        timed_for(SLOT_LIGHT_PARAMS, 1, 0, {}),
    };
}

std::vector<BuiltSlot> joined(std::vector<BuiltSlot> parts, const std::vector<BuiltSlot>& sequences) {
    parts.insert(parts.end(), sequences.begin(), sequences.end());
    return parts;
}

// A list with the row of `changed.slot` put in place of the list's own.
std::vector<BuiltSlot> with(std::vector<BuiltSlot> slots, const BuiltSlot& changed) {
    for (BuiltSlot& s : slots)
        if (s.slot == changed.slot) s = changed;
    return slots;
}

TypeBuild reference_type(const char* plugin, float wheelbase) {
    return {plugin, 43, joined(with(reference_parts(), taxi(wheelbase, 3000.0f)), reference_sequences())};
}

TypeBuild acplug01() {
    std::vector<BuiltSlot> parts = with(reference_parts(), taxi(11.0f, 3000.0f));
    parts = with(parts, timed_for(SLOT_FLAPS, 13, SET_BY_START,
                                  {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0102", L"X_flap0201",
                                   L"X_flap0202", L"X_flap0301", L"X_flap0302", L"X_flap0401", L"X_flap0402",
                                   L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04"}));
    return {"acplug01", 43, joined(parts, reference_sequences())};
}

TypeBuild acplug02() {
    std::vector<BuiltSlot> parts = {
        clockless(SLOT_LEVEL1, 1, {L"Level1"}),
        clockless(SLOT_BODY_PITCH, 2, {ROOT_LAYER, L"X_02t1Lshaft", L"X_02t1Rshaft"}),
        timed_for(SLOT_SPOILERS, 4, 1000, SPOILERS),
        timed_for(SLOT_REVERSERS, 3, 1000, REVERSERS),
        timed_for(SLOT_FLAPS, 13, SET_BY_START,
                  {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0202", L"X_flap0301",
                   L"X_flap0302", L"X_flap0401", L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04",
                   L"X_flaparm_05", L"X_flaparm_06"}),
        timed_for(
            SLOT_SLATS, 8, SET_BY_START,
            {L"slat", L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat", L"01_slat", L"02_slat", L"03_slat", L"04_slat"}),
        clockless(SLOT_NOSE_STEER, 1, {L"Y_nosegear"}),
        looping(SLOT_TYRES, 13, 1000, tyres(14)),
        timed_for(SLOT_GEAR, 16, 12000,
                  {L"nosegear", L"Z_1nose01", L"Z_2nose01", L"Z_3nose01", L"Z_4nose01", L"tire", L"body03",
                   L"Z_1main01", L"Z_2main01", L"Z_01t1Lshaft", L"Z_0102t1Lshaft", L"Z_01t1Rshaft", L"Z_0102t1Rshaf",
                   L"Z_1wing01", L"Z_2wing01", L"X_02t1Lshaft", L"X_02t1Rshaft"}),
        looping(SLOT_ENGINES, 3, 20000, ENGINES_TWO),
        beacon(),
        clockless(SLOT_NAV_LIGHTS, 3, {L"wglightl", L"wglightr", L"ldlightb", L"ldlights"}),
        clockless(SLOT_ROLIGHT, 1, {L"rolight"}),
        timed_for(SLOT_LANDING_LIGHTS, 1, 1000, {L"ldlightl1", L"ldlightr1"}, {base_scale_word(5, L"ldlightl1")}),
        two_beam_front_light(),
        clockless(SLOT_LOGO_LIGHT, 1, {L"lglight"}),
        looping(SLOT_STROBES, 1, 1000, {L"wglightl", L"wglightr"}),
        timed_for(SLOT_DOOR, 1, 6000, {L"Z_1door"}),
        immediate(SLOT_GEOMETRY),
        taxi(31.0f, 4000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug02", 43, joined(parts, reference_sequences())};
}

TypeBuild acplug04() {
    std::vector<BuiltSlot> parts = {
        clockless(SLOT_LEVEL1, 1, {L"Level1"}),
        clockless(SLOT_BODY_PITCH, 2, {ROOT_LAYER, L"X_02t1Lshaft", L"X_02t1Rshaft"}),
        timed_for(SLOT_SPOILERS, 4, 1000, SPOILERS),
        timed_for(SLOT_REVERSERS, 3, 1000, REVERSERS),
        timed_for(SLOT_FLAPS, 15, SET_BY_START,
                  {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0202", L"X_flap0301",
                   L"X_flap0302", L"X_flap0401", L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_0301",
                   L"X_flaparm_04", L"X_flaparm_0401", L"X_flaparm_05", L"X_flaparm_06"}),
        timed_for(SLOT_SLATS, 4, SET_BY_START, {L"slat", L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat"}),
        clockless(SLOT_NOSE_STEER, 1, {L"Y_nosegear"}),
        looping(SLOT_TYRES, 9, 1000, tyres(10)),
        timed_for(SLOT_GEAR, 18, 12000,
                  {L"nosegear", L"Z_1nose", L"Z_2nose", L"Z_3nose", L"Z_4nose", L"body03", L"tire", L"Z_1main01",
                   L"Z_2main01", L"Z_1wing", L"Z_2wing", L"Z_3wing", L"Z_4wing", L"Z_01t1Rshaft", L"Z_01t1Lshaft",
                   L"Z_0102t1Rshaft", L"Z_0102t1Lshaft", L"X_02t1Rshaft", L"X_02t1Lshaft"}),
        looping(SLOT_ENGINES, 3, 20000, ENGINES_TWO),
        beacon(),
        clockless(SLOT_NAV_LIGHTS, 2, NAV_LIGHTS),
        clockless(SLOT_ROLIGHT, 1, {L"rolight"}),
        timed_for(SLOT_LANDING_LIGHTS, 1, 1000, {L"ldlightl1", L"ldlightr1"}, {base_scale_word(5, L"ldlightl1")}),
        two_beam_front_light(),
        clockless(SLOT_LOGO_LIGHT, 1, {L"lglight"}),
        looping(SLOT_STROBES, 1, 1000, {L"wglightl", L"wglightr"}),
        timed_for(SLOT_DOOR, 1, 5000, {L"04body03", L"Z_door01"}),
        immediate(SLOT_GEOMETRY),
        taxi(23.0f, 4000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug04", 43, joined(parts, reference_sequences())};
}

TypeBuild acplug05() {
    std::vector<BuiltSlot> parts = {
        clockless(SLOT_LEVEL1, 1, {L"Level1"}),
        clockless(SLOT_BODY_PITCH, 1, {ROOT_LAYER}),
        timed_for(SLOT_SPOILERS, 8, 1000,
                  {L"spoiler", L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04", L"01_spoiler01",
                   L"02_spoiler01", L"03_spoiler01", L"04_spoiler01"}),
        timed_for(SLOT_REVERSERS, 16, 1000,
                  {L"engine_on", L"Y_revon0101", L"Y_revon0102", L"Y_revon0103", L"Y_revon0104", L"Y_revon0201",
                   L"Y_revon0202", L"Y_revon0203", L"Y_revon0204", L"01_revon01", L"02_revon01", L"03_revon01",
                   L"04_revon01", L"01_revon02", L"02_revon02", L"03_revon02", L"04_revon02"}),
        timed_for(SLOT_FLAPS, 13, SET_BY_START,
                  {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401",
                   L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06",
                   L"X_flaparm_07", L"X_flaparm_08"}),
        timed_for(
            SLOT_SLATS, 8, SET_BY_START,
            {L"slat", L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat", L"01_slat", L"02_slat", L"03_slat", L"04_slat"}),
        clockless(SLOT_NOSE_STEER, 1, {L"Y_nosegear"}),
        looping(SLOT_TYRES, 5, 1000, tyres(6)),
        timed_for(SLOT_GEAR, 14, 12000,
                  {L"Z_1nose01", L"Z_2nose01", L"Z_1main01", L"Z_2main01", L"nosegear", L"Z_3nose01", L"Z_4nose01",
                   L"Z_01t1Rshaft", L"Z_0102t1Rshaf", L"Z_01t1Lshaft", L"Z_0102t1Lshaft", L"Z_1wing01", L"Z_2wing01",
                   L"body03", L"tire"}),
        looping(SLOT_ENGINES, 3, 20000, ENGINES_TWO),
        beacon(),
        clockless(SLOT_NAV_LIGHTS, 2, NAV_LIGHTS),
        clockless(SLOT_ROLIGHT, 1, {L"rolight"}),
        timed_for(SLOT_LANDING_LIGHTS, 1, 1000, {L"ldlightl1", L"ldlightr1"},
                  {int_word(1, 1), int_word(2, 1), base_scale_word(5, L"ldlightl1")}),
        two_beam_front_light(),
        clockless(SLOT_LOGO_LIGHT, 1, {L"lglight"}),
        looping(SLOT_STROBES, 1, 1000, {L"wglightl", L"wglightr"}),
        timed_for(SLOT_DOOR, 1, 6000, {L"Z_1door"}),
        immediate(SLOT_GEOMETRY),
        taxi(13.5485f, 3000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug05", 43, joined(parts, reference_sequences())};
}

// The four-engine part builder of acplug06, which acplug07 runs with its own door.
std::vector<BuiltSlot> four_jet_parts() {
    return {
        clockless(SLOT_LEVEL1, 1, {L"Level1"}),
        clockless(SLOT_BODY_PITCH, 6,
                  {ROOT_LAYER, L"X_02t1Lshaft", L"X_02t1Rshaft", L"X_02t2Lshaft", L"X_02t2Rshaft", L"X_01t2Rshaft",
                   L"X_01t2Lshaft"}),
        timed_for(SLOT_SPOILERS, 8, 1000,
                  {L"spoiler", L"01_spoiler", L"02_spoiler", L"03_spoiler", L"04_spoiler", L"X_spoiler01",
                   L"X_spoiler02", L"X_spoiler03", L"X_spoiler04"}),
        timed_for(SLOT_REVERSERS, 5, 1000,
                  {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02", L"Z_revon03", L"Z_revon04"}),
        timed_for(SLOT_FLAPS, 21, SET_BY_START,
                  {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0102",   L"X_flap0103",   L"X_flap0201",
                   L"X_flap0202",   L"X_flap0203",   L"X_flap0301",   L"X_flap0302",   L"X_flap0303",   L"X_flap0401",
                   L"X_flap0402",   L"X_flap0403",   L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04",
                   L"X_flaparm_05", L"X_flaparm_06", L"X_flaparm_07", L"X_flaparm_08"}),
        timed_for(SLOT_SLATS, 12, SET_BY_START,
                  {L"slat", L"X_1slat", L"X_2slat", L"X_3slat", L"X_4slat", L"X_5slat", L"X_6slat", L"01_slat",
                   L"02_slat", L"03_slat", L"04_slat", L"05_slat", L"06_slat"}),
        clockless(SLOT_NOSE_STEER, 1, {L"Y_nosegear"}),
        looping(SLOT_TYRES, 17, 1000, tyres(18)),
        timed_for(
            SLOT_GEAR, 32, 12000,
            {L"nosegear",     L"Z_1nose01",      L"Z_2nose01",    L"Z_3nose01",    L"Z_4nose01",      L"tire",
             L"body03",       L"Z_1main01",      L"Z_1main02",    L"Z_2main01",    L"Z_2main02",      L"Z_3main01",
             L"Z_3main02",    L"Z_4main01",      L"Z_4main02",    L"Z_5main01",    L"Z_6main01",      L"Z_7main01",
             L"Z_8main01",    L"Z_1wing01",      L"Z_1wing02",    L"Z_2wing01",    L"Z_2wing02",      L"Z_01t1Rshaft",
             L"X_02t1Rshaft", L"Z_0101t1Rshaft", L"Z_01t1Lshaft", L"X_02t1Lshaft", L"Z_0102t1Lshaft", L"X_01t2Rshaft",
             L"X_01t2Lshaft", L"X_02t2Rshaft",   L"X_02t2Lshaft"}),
        looping(SLOT_ENGINES, 7, 20000,
                {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high", L"Z_e3low", L"Z_e3high", L"Z_e4low", L"Z_e4high"}),
        beacon(),
        clockless(SLOT_NAV_LIGHTS, 2, NAV_LIGHTS),
        clockless(SLOT_ROLIGHT, 1, {L"rolight"}),
        timed_for(SLOT_LANDING_LIGHTS, 3, 1000, {L"ldlightl1", L"ldlightl2", L"ldlightr1", L"ldlightr2"},
                  {base_scale_word(5, L"ldlightl1")}),
        two_beam_front_light(),
        clockless(SLOT_LOGO_LIGHT, 1, {L"lglight"}),
        looping(SLOT_STROBES, 1, 1000, {L"wglightl", L"wglightr"}),
        timed_for(SLOT_DOOR, 1, 10000, {L"inbody", L"X_door01"}),
        immediate(SLOT_GEOMETRY),
        taxi(26.7f, 4000.0f),
        pushback(),
        landing_run(),
    };
}

TypeBuild acplug06() { return {"acplug06", 43, joined(four_jet_parts(), reference_sequences())}; }

TypeBuild acplug07() {
    std::vector<BuiltSlot> parts = with(four_jet_parts(), timed_for(SLOT_DOOR, 1, 6000, {L"Z_1door"}));
    return {"acplug07", 43, joined(parts, reference_sequences(12000, 12000))};
}

TypeBuild acplug09() {
    std::vector<BuiltSlot> parts = {
        clockless(SLOT_LEVEL1, 1, {L"Level1"}),
        timed_for(SLOT_SPOILERS, 4, 1000, {L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04", L"spoiler"}),
        timed_for(SLOT_REVERSERS, 3, 1000, REVERSERS),
        timed_for(SLOT_FLAPS, 13, SET_BY_START,
                  {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401",
                   L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06",
                   L"X_flaparm_07", L"X_flaparm_08"}),
        timed_for(SLOT_SLATS, 2, SET_BY_START, {L"slat", L"Y_1slat", L"Y_2slat"}),
        clockless(SLOT_NOSE_STEER, 1, {L"Y_nosegear"}),
        looping(SLOT_TYRES, 5, 1000, tyres(6)),
        timed_for(SLOT_GEAR, 14, 12000,
                  {L"Z_1nose01", L"Z_2nose01", L"Z_3nose01", L"Z_4nose01", L"nosegear", L"Z_1main01", L"Z_2main01",
                   L"Z_01t1Rshaft", L"Z_0102t1Rshaft", L"Z_01t1Lshaft", L"Z_0102t1Lshaft", L"Z_1wing01", L"Z_2wing01",
                   L"tire", L"body03"}),
        looping(SLOT_ENGINES, 3, 20000, ENGINES_TWO),
        beacon(),
        clockless(SLOT_NAV_LIGHTS, 2, NAV_LIGHTS),
        clockless(SLOT_ROLIGHT, 1, {L"rolight"}),
        timed_for(SLOT_LANDING_LIGHTS, 7, 1000,
                  {L"ldlightl", L"ldlightl1", L"ldlightl2", L"ldlightl3", L"ldlightr", L"ldlightr1", L"ldlightr2",
                   L"ldlightr3"},
                  {base_scale_word(5, L"ldlightl"), base_scale_word(6, L"ldlightl1")}),
        two_beam_front_light(),
        clockless(SLOT_LOGO_LIGHT, 1, {L"lglight"}),
        looping(SLOT_STROBES, 1, 1000, {L"wglightl", L"wglightr"}),
        clockless(SLOT_BODY_PITCH, 1, {ROOT_LAYER}),
        timed_for(SLOT_SECOND_DOOR, 9, 20000,
                  {L"Z_door02", L"X_trap01", L"Z_trap02", L"Y_door01", L"trap_on", L"01_door", L"2_door", L"05body03",
                   L"102door", L"103door"}),
        timed_for(SLOT_DOOR, 1, 6000, {L"06body03", L"Z_door03"}),
        immediate(SLOT_GEOMETRY),
        taxi(20.3f, 3000.0f),
        pushback(),
        landing_run(),
    };
    return {"acplug09", 43, joined(parts, reference_sequences())};
}
}  // namespace

std::vector<TypeBuild> jet_type_builds() {
    return {acplug01(), acplug02(), reference_type("acplug03", 12.296f), acplug04(), acplug05(),
            acplug06(), acplug07(), reference_type("acplug08", 15.0f),   acplug09()};
}
