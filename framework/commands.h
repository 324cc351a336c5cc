// Every command number of the plug-ins, in one place: the entry point's own commands, the action
// slots (the command that starts a slot is its index in the action table, one numbering for every
// aircraft type) and the commands sent to other objects of the scene.
#pragma once

#include <stdint.h>

// Commands of the entry point.
enum : int32_t {
    KVRN_CMD_LIGHT = -6,      // update the engine dynamic light
    KVRN_CMD_TIME_LEFT = -5,  // milliseconds left of slot ival1
    KVRN_CMD_RECORD = -4,     // answered by the engine: the object's record
    KVRN_CMD_TICK = -3,       // advance every clock by ival1 ms; -1 jumps to the end
    KVRN_CMD_DESTROY = -2,
    KVRN_CMD_CREATE = -1,
    KVRN_CMD_RESET = 0,
};

// Action slots.
enum : int32_t {
    SLOT_LEVEL1 = 1,        // hides the placeholder layer "Level1"
    SEQ_NAV_LIGHTS_ON = 2,  // flight-phase sequences 2 to 16
    SEQ_BEACON_ON = 3,
    SEQ_DEPARTURE = 4,
    SEQ_LANDING_LIGHTS_ON = 5,
    SEQ_ROTATE = 6,
    SEQ_CLIMB = 7,
    SEQ_AFTER_TAKEOFF = 8,
    SEQ_APPROACH = 9,
    SEQ_FINAL = 10,
    SEQ_FLARE = 11,
    SEQ_TOUCHDOWN = 12,
    SEQ_ROLLOUT = 13,
    SEQ_AFTER_LANDING = 14,
    SEQ_BEACON_OFF = 15,
    SEQ_NAV_LIGHTS_OFF = 16,
    SLOT_LIGHT_PARAMS = 19,  // parameters of the engine dynamic light
    SLOT_BODY_PITCH = 20,    // fval1 = pitch, fval2 = height above the ground
    SLOT_SPOILERS = 21,
    SLOT_REVERSERS = 22,
    SLOT_FLAPS = 23,
    SLOT_SLATS = 24,
    SLOT_NOSE_STEER = 25,
    SLOT_TYRES = 26,
    SLOT_GEAR = 27,
    SLOT_ENGINES = 28,      // word3 holds the EngineSpool block, freed on destroy
    SLOT_SECOND_DOOR = 29,  // airstairs and second doors of some types
    SLOT_BEACON = 30,
    SLOT_NAV_LIGHTS = 31,
    SLOT_ROLIGHT = 32,
    SLOT_LANDING_LIGHTS = 33,
    SLOT_FRONT_LIGHT = 34,
    SLOT_LOGO_LIGHT = 35,
    SLOT_STROBES = 36,
    SLOT_DOOR = 37,
    SLOT_GEOMETRY = 38,  // answers the host with the ground geometry
    SLOT_TAXI = 40,      // one taxi step of a PathState
    SLOT_PUSHBACK = 41,
    SLOT_LANDING_RUN = 42,
    SLOT_AFTERBURNER = 61,
    SLOT_DOOR_LADDER = 62,
    SLOT_STABILIZERS = 71,
    SLOT_TAKEOFF_TRIGGER = 126,
};

// Commands to other objects of the scene.
enum : int32_t {
    TOW_TAXI_STEP = 40,  // the tow vehicle takes one step of the PathState in ival1
    SLIP_START = 2,      // "Slip" is told of a touchdown
};
