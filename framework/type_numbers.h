// The numbers with which an aircraft type runs the framework's shared routines. A type copies
// `reference_numbers` and assigns the numbers it changes; a type that shares a routine only
// changes numbers.
#pragma once

#include <stdint.h>

#include "commands.h"
#include "curves.h"
#include "slot_builder.h"

// One flap layer of the linear flap form: translation (tx, ty, tz) × f when `translates`, and
// rotation (rx × f, 0, rz × f), f being the flap setting as a fraction 0..1. A late segment
// moves by r instead of f: 0 for the first half of the travel, then 0 to 1 over the second.
struct FlapMove {
    uint32_t layer;       // index into the flap slot's layers
    uint32_t translates;  // 0: translation unchanged
    float tx, ty, tz;
    float rx;
    float rz = 0.0f;    // roll of the segment
    uint32_t late = 0;  // non-zero: the segment moves only in the second half of the travel
};

// Range and colour (0x00BBGGRR) of the dynamic light at one flashing lamp, and how far below
// the lamp the light sits (0: at the lamp).
struct LightFlash {
    float range;
    uint32_t colour;
    float lowered = 0.0f;
};

struct TypeNumbers {
    // Body pitch of the flight-phase sequences, degrees.
    float rotate_pitch;     // slot 6 ends at it
    float climb_pitch;      // slot 7 holds it
    float final_pitch;      // slot 10 ends at it
    float flare_pitch;      // slot 11 above the flare height
    float flare_rise;       // slot 11 adds up to this much as the height falls to 0
    float flare_height;     // slot 11: height where the flare begins
    float touchdown_pitch;  // slot 12 starts at it and lowers the nose to 0
    // A slot that every body pitch of the sequences also goes to, right after slot 20, with the
    // same pitch and height 0 (stabilators that follow the body); 0: none.
    int32_t pitch_follower = 0;
    // The height that slots 8 and 10 pass with their pitch instead of the height their start was
    // given, holding ground-following struts extended in the air; 0: the start's height.
    float held_height = 0.0f;
    // Posts that the type's variants of the framework's sequences leave out: bit c of entry s
    // set means sequence slot s makes no post of command c. Every other post is made, whether
    // or not the type builds its slot.
    uint64_t posts_left_out[SEQ_NAV_LIGHTS_OFF + 1] = {};

    // Surfaces.
    float spoiler_angle;                // slot 21 fully up, degrees about x
    uint32_t spoiler_covers;            // slot 21's first layers, shown while the spoilers are out; panels follow
    uint32_t spoiler_covers_after = 0;  // slot 21's last layers: covers shown once the panels have turned
    float spoiler_stowed_angle = 0.0f;  // slot 21's panels at progress 0; -0.0f where a type sends angle × 0
    float reverser_slide;               // slot 22 fully deployed, model units along z (every sleeve)
    int32_t flap_time;                  // ms for a flap change of 100
    int32_t slat_time;                  // ms for a slat change of 100
    List<FlapMove> flap_moves;          // the flap slot's layers, moved by the linear flap form
    float slat_drop;                    // outer slats: drop in y at full extension (eased)
    float slat_reach;                   // outer slats: travel forward in z
    float slat_roll;                    // outer slats: roll in degrees at full extension
    float slat_pitch;                   // inner slats: pitch in degrees at full extension
    float door_angle;                   // slot 37 fully open, degrees about z
    Curve door_curve = straight;        // slot 37's swing towards door_angle

    // Landing gear and tyres.
    float nose_door_angle;  // nose-gear doors fully open
    uint32_t tyres;         // layers of slot 26: the nose tyres first, then the main tyres
    uint32_t nose_tyres;
    float nose_tyre_circumference;  // model units per revolution
    float main_tyre_circumference;

    // Engines.
    uint32_t engines;  // EngineSpool records in slot 28's block; two layers each

    // Landing lights (slot 33): for each lamp, in the order of the slot's layers, the word (5..8)
    // that holds its base scale. Lamps beyond the list stay dark.
    List<int32_t> landing_lamp_words;

    // Beacon and engine dynamic light.
    uint32_t beacon_lamps;  // slot 30's lamps: 2 ("atlightu", "atlightd") or 1 ("atlightu")
    // Where in slot 30's layers light 7 sits for the two flashes: 0 at the lamps themselves; 2 at
    // the marker layers that follow the two lamps ("at_pointu", "at_pointd").
    uint32_t beacon_light_marks = 0;
    LightFlash upper_beacon;  // first tenth of the beacon second
    LightFlash lower_beacon;  // second tenth, at the lower lamp; range 0: the lower lamp lights no light
    LightFlash strobe;        // wing tips, 0.5 to 0.7 of the beacon second

    // Scripted landing run (slot 42).
    uint32_t landing_final_snap;  // non-zero: every clock jumps to its end after the final configuration
    uint32_t landing_keeps_sway;  // non-zero: a new run goes on with the sway clock of the last one
};

// Leaves the post of `command` (below 64) out of the framework's sequence slot `sequence`.
constexpr void leave_out_post(TypeNumbers& numbers, int32_t sequence, int32_t command) {
    if (sequence >= 0 && sequence <= SEQ_NAV_LIGHTS_OFF && command >= 0 && command < 64)
        numbers.posts_left_out[sequence] |= uint64_t(1) << command;
}

// The reference type's numbers.
extern const TypeNumbers reference_numbers;

// The numbers of the type this plug-in is built for (the reference numbers when it has none).
const TypeNumbers& type_numbers();
