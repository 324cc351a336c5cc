// Ground movement: the taxi step towards a target point, pushback along the type's route
// (alone or behind a tow vehicle) and the type's ground geometry answer.
#pragma once

#include "action_slot.h"

// The ground-path state of one moving object. Shared with the tow vehicle's plug-in through
// its command 40: DO NOT MOVE ANY FIELD, the other side reads it by these offsets.
struct PathState {
    KvrnLayer layer;       // layer moved by the step
    float speed;           // model units per second
    KvrnVector position;   // main-gear point, the layer's translation
    KvrnVector rotation;   // the layer's rotation; y is the heading in [0, 360)
    KvrnVector target;     // point steered to (x, z)
    KvrnVector nose;       // nose-wheel point
    float steer;           // nose-wheel angle in degrees, relative to the heading
    KvrnLayer tow;         // tow vehicle's root layer; 0 when there is none
    KvrnLayer tow_object;  // object that command 40 goes to
    KvrnLayer tow_layer;   // tow vehicle layer moved by its step
    KvrnVector tow_position;
    KvrnVector tow_rotation;  // y heading
    float hitch_offset;       // distance of the hitch behind the tow vehicle's point
    float tow_steer;
    KvrnLayer bar_layer;  // tow bar
    KvrnVector bar_position;
    KvrnVector bar_rotation;  // y heading
    float bar_length;
    float hitch[3];      // hitch point (x, z used)
    uint32_t reserved;   // keeps bar_end at byte 184
    KvrnVector bar_end;  // free end of the tow bar, at the aircraft's nose wheel
};
static_assert(offsetof(PathState, speed) == 4, "");
static_assert(offsetof(PathState, position) == 8, "");
static_assert(offsetof(PathState, rotation) == 24, "");
static_assert(offsetof(PathState, target) == 40, "");
static_assert(offsetof(PathState, nose) == 56, "");
static_assert(offsetof(PathState, steer) == 72, "");
static_assert(offsetof(PathState, tow) == 76, "");
static_assert(offsetof(PathState, tow_object) == 80, "");
static_assert(offsetof(PathState, tow_layer) == 84, "");
static_assert(offsetof(PathState, tow_position) == 88, "");
static_assert(offsetof(PathState, tow_rotation) == 104, "");
static_assert(offsetof(PathState, hitch_offset) == 120, "");
static_assert(offsetof(PathState, tow_steer) == 124, "");
static_assert(offsetof(PathState, bar_layer) == 128, "");
static_assert(offsetof(PathState, bar_position) == 132, "");
static_assert(offsetof(PathState, bar_rotation) == 148, "");
static_assert(offsetof(PathState, bar_length) == 164, "");
static_assert(offsetof(PathState, hitch) == 168, "");
static_assert(offsetof(PathState, bar_end) == 184, "");
static_assert(sizeof(PathState) == 200, "the ground-path state is 200 bytes");

// The type's ground geometry, written into the host's record by slot 38.
struct GeometryRecord {
    int32_t count;
    float size;
    float px[4];
    float pz[4];
};
static_assert(offsetof(GeometryRecord, size) == 4 && offsetof(GeometryRecord, px) == 8 &&
                  offsetof(GeometryRecord, pz) == 24 && sizeof(GeometryRecord) == 40,
              "the geometry record is 40 bytes");

enum { PUSHBACK_WAYPOINTS = 5 };

// A PathState handed over as the first integer of command 40, and taken back.
inline KvrnInt path_state_argument(PathState* state) { return reinterpret_cast<KvrnInt>(state); }
inline PathState* path_state_from(KvrnInt ival1) { return reinterpret_cast<PathState*>(ival1); }

// The taxi numbers of a vehicle steered by its nose wheel, as the catalogue gives them.
struct TaxiNumbers {
    float wheelbase;          // slot 40 word6: main gear to nose wheel
    float steer_limit;        // slot 40 word7: degrees either side of straight
    float steer_time;         // slot 40 word8: ms from straight to the limit
    float lookahead_seconds;  // default look-ahead in seconds of travel at the effective speed
};

// A type's numbers for ground movement. Types with the short look-ahead give
// lookahead_seconds 1.0; types pulled by the small tow vehicle name "atm", "atm_all", "tbr_M"
// with a hitch offset of 2.5.
struct GroundPath {
    TaxiNumbers taxi;
    float start_heading;                     // heading at the first waypoint
    float waypoints[PUSHBACK_WAYPOINTS][2];  // pushback route, (x, z)
    GeometryRecord geometry;                 // slot 38's answer
    const wchar_t* tow_name;                 // tow vehicle root layer under the scene root
    const wchar_t* tow_body_name;            // its moved layer
    const wchar_t* tow_bar_name;             // its tow bar
    float hitch_offset;                      // hitch behind the tow vehicle's point
    float bar_length;                        // tow bar, hitch to the aircraft's nose wheel
};

extern const GroundPath reference_ground_path;

// Slot routines. Slot 40's words: word1 = slot 25 (nose steering), word2 = slot 26 (tyres),
// word5 = 0, word6 = wheelbase, word7 = steering limit in degrees, word8 = steering time in ms
// from straight to the limit. Slot 41's words: word1 = slot 40, word2 = index of the waypoint
// steered to.
StartRoutine geometry_query;
StartRoutine taxi_step;
SetupRoutine taxi_slot_setup;  // words of slot 40
StartRoutine pushback_start;
UpdateRoutine pushback_update;
SetupRoutine pushback_slot_setup;  // words of slot 41

// The type's ground numbers; the reference ones when the type gives none.
const GroundPath* type_ground_path();
