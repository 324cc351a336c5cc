// Ground movement: the taxi step towards a target point, pushback along the type's route
// (alone or behind a tow vehicle) and the type's ground geometry answer.
#pragma once

#include "action_slot.h"

// The ground-path state of one moving object. Shared with the tow vehicle's plug-in through
// its command 40: DO NOT MOVE ANY FIELD, the other side reads it by these offsets.
struct PathState {
    KvrnLayer layer;          // layer moved by the step
    float speed;              // model units per second
    KvrnVector position;      // main-gear point, the layer's translation
    KvrnVector rotation;      // the layer's rotation; y is the heading in [0, 360)
    KvrnVector target;        // point steered to (x, z)
    KvrnVector nose;          // nose-wheel point
    float steer;              // nose-wheel angle in degrees, relative to the heading
    KvrnLayer tow;            // tow vehicle's root layer; 0 when there is none
    KvrnLayer tow_object;     // object that command 40 goes to
    KvrnLayer tow_layer;      // tow vehicle layer moved by its step
    KvrnVector tow_position;
    KvrnVector tow_rotation;  // y heading
    float hitch_offset;       // distance of the hitch behind the tow vehicle's point
    float tow_steer;
    KvrnLayer bar_layer;      // tow bar
    KvrnVector bar_position;
    KvrnVector bar_rotation;  // y heading
    float bar_length;
    float hitch[3];           // hitch point (x, z used)
    uint32_t reserved;        // keeps bar_end at byte 184
    KvrnVector bar_end;       // free end of the tow bar, at the aircraft's nose wheel
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

// A type's numbers for ground movement.
struct GroundPath {
    float start_heading;           // heading at the first waypoint
    float waypoints[5][2];         // pushback route, (x, z)
    GeometryRecord geometry;       // slot 38's answer
    const wchar_t* tow_name;       // tow vehicle root layer under the scene root
    const wchar_t* tow_body_name;  // its moved layer
    const wchar_t* tow_bar_name;   // its tow bar
};

extern const GroundPath reference_ground_path;

// Slot routines.
int32_t geometry_query(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                       float fval1, float fval2);
int32_t taxi_step(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                  float fval1, float fval2);
void taxi_slot_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot);  // words of slot 40
int32_t pushback_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                       float fval1, float fval2);
void pushback_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
void pushback_slot_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot);  // words of slot 41
