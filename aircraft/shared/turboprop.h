// What the twin-turboprops acplug10 and acplug13 build alike: their flaps (the framework's flap
// form on two panels a side and four arms, each moving back 0.2 and down 35 degrees), the
// layers of their nacelle gear with its wheels, shafts and links, a beacon of one lamp, the
// four-beam landing light, slot 37's door "Z_door02", their scale presets, the numbers they
// share and their nose gear's schedule.
#pragma once

#include "commands.h"
#include "flight_pitches.h"
#include "four_beam_landing_light.h"
#include "linear_door.h"
#include "shared_numbers.h"
#include "slot_builder.h"
#include "type_numbers.h"

namespace turboprop {
inline constexpr const wchar_t* flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201",
                                                 L"X_flap0301",   L"X_flap0401",   L"X_flaparm_01", L"X_flaparm_02",
                                                 L"X_flaparm_03", L"X_flaparm_04", nullptr};
inline constexpr FlapMove flap_moves[] = {
    {2, 1, 0, 0, 0.2f, 35}, {3, 1, 0, 0, 0.2f, 35}, {4, 1, 0, 0, 0.2f, 35}, {5, 1, 0, 0, 0.2f, 35},
    {6, 1, 0, 0, 0.2f, 35}, {7, 1, 0, 0, 0.2f, 35}, {8, 1, 0, 0, 0.2f, 35}, {9, 1, 0, 0, 0.2f, 35},
};
inline constexpr SlotEdit flap_edit = {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr};

// The nose gear with its four doors, then the main gear in the nacelles: "tire", "body03", the
// six nacelle doors, the two shafts and the two links. "X_0102t1Rshaf" is the model's spelling.
inline constexpr const wchar_t* nacelle_gear_layers[] = {
    L"nosegear", L"Z_1nose",      L"Z_2nose",      L"Z_3nose",       L"Z_4nose",        L"tire",
    L"body03",   L"Z_1eng01",     L"Z_2eng01",     L"Z_3eng01",      L"Z_4eng01",       L"Z_5eng01",
    L"Z_6eng01", L"X_01t1Rshaft", L"X_01t1Lshaft", L"X_0102t1Rshaf", L"X_0102t1Lshaft", nullptr};
enum NacelleGearLayer {
    NOSE_GEAR,
    TYRES = 5,
    WELL_BODY,
    DOOR_1,
    DOOR_2,
    DOOR_3,
    DOOR_4,
    DOOR_5,
    DOOR_6,
    SHAFT_R,
    SHAFT_L,
    LINK_R,
    LINK_L,
};

// Poses the six nacelle doors (NacelleGearLayer) at gear progress p, 0 up to 1 down.
typedef void NacelleDoors(KvrnContext context, const KvrnLayer* layers, float p);

// A type's nacelle main gear: the shafts' and links' angles while folded, and its doors.
struct NacelleGear {
    float shaft_up, link_up;
    NacelleDoors* doors;
};

// The main half of the gear update (slot 27): "tire" and "body03" shown once the gear leaves
// its stowed place, the type's doors, then the shafts and links, which stay folded for the first
// quarter of the run, unfold over the next half and stand from three quarters on.
void nacelle_gear_update(KvrnContext context, const ActionSlot* slot, const NacelleGear& gear);

// Slot 30 with "atlightu" alone (TypeNumbers::beacon_lamps 1).
inline constexpr const wchar_t* beacon_layers[] = {L"atlightu", nullptr};
inline constexpr SlotEdit beacon_edit = {SLOT_BEACON, beacon_layers, 0, nullptr, nullptr};

// Slot 33: the four beams, all glowing from the base scale of the first, the only one read.
inline constexpr const wchar_t* landing_light_beams[] = {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2",
                                                         nullptr};
inline constexpr SlotRow landing_light_row = four_beam::landing_light_row(landing_light_beams);

// Slot 37: the one-layer door "Z_door02", swinging to TypeNumbers::door_angle.
inline constexpr const wchar_t* door_layers[] = {L"Z_door02", nullptr};
inline constexpr SlotEdit door_edit = {SLOT_DOOR, door_layers, 0, nullptr, linear_door::door_update};

// Glow scales set before the base scales are read: the first landing beam and the front beam
// "ldlightml" (one_beam_front_light.h).
inline constexpr ScalePreset landing_beam_preset = {SLOT_LANDING_LIGHTS, 0, 1.2f};
inline constexpr ScalePreset front_beam_preset = {SLOT_FRONT_LIGHT, 1, 1.0f};

// The numbers they share: rotation to 4 degrees, climb at 4, a level final approach with the
// steep flare; the flaps above; door 37 opening to 90; two nose tyres and four main tyres; the
// four-beam landing light; the one-lamp beacon; strobes of range 12 in white.
constexpr void turboprop_numbers(TypeNumbers& numbers) {
    numbers.rotate_pitch = 4.0f;
    numbers.climb_pitch = 4.0f;
    fly_steep_flare(numbers, 0.0f);
    numbers.flap_moves = list_of(flap_moves);
    numbers.door_angle = 90.0f;
    numbers.tyres = 6;
    numbers.nose_tyres = 2;
    numbers.landing_lamp_words = list_of(four_beam::lamp_words);
    numbers.beacon_lamps = 1;
    numbers.strobe = {12.0f, 0xFFFFFF};
}

// Their nose gear on the shared four-door schedule: the strut folded at `strut_up`, the outer
// doors opening to 80 over 0.1 to 0.3 and closing again, the inner doors opening to
// `inner_open` alongside them and staying open.
constexpr void nacelle_nose_gear(SharedNumbers& numbers, float strut_up, float inner_open) {
    numbers.nose_strut_up = strut_up;
    numbers.nose_door_open = 80.0f;
    numbers.nose_second_door_open = inner_open;
    numbers.nose_second_doors_from = 0.1f;
    numbers.nose_second_doors_span = 0.2f;
}
}  // namespace turboprop
