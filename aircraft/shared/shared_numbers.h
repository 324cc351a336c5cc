// The numbers with which a type runs the forms of aircraft/shared/. A type that runs one of them
// points `AircraftType.shared` to its own SharedNumbers; numbers of forms it does not run keep
// their defaults.
#pragma once

#include "curves.h"

#include <stdint.h>

struct ActionSlot;

// One propeller blade of the propeller form (slot 28): rotation (pitch_x × P, pitch_y × P, roll),
// P being the blade pitch of the moment.
struct BladePose {
    float pitch_x, pitch_y;
    float roll;
};

// Blade pitch in degrees at an engine's power, read from the engine slot where the schedule
// depends on the last change of power.
typedef float BladePitch(const ActionSlot* slot, float spool);

// The propeller form's numbers: blade layers per engine, one pose each, the sense in which hubs
// and discs turn, and the blade pitch schedule.
struct PropellerNumbers {
    uint32_t blades;
    const BladePose* poses;       // `blades` of them
    float turn;                   // 1: hubs and discs turn positively about z; -1: the other way
    BladePitch* pitch = nullptr;  // NULL: 0 at rest, up to 30 by power 10, 30 above
};

// The curved-track slat form (slot 24): drop and reach of all four slats at full extension, and
// each outer slat's own yaw and roll, "Z_1slat" then "Z_4slat", degrees at full extension.
struct CurvedSlatNumbers {
    float drop, reach;
    float yaw[2];
    float roll[2];
    Curve roll_curve = straight;  // how the roll grows with the setting
};

struct SharedNumbers {
    // Two-bogie body pitch (slot 20): the bogies hang at `bogie_hang` degrees from a height of
    // 0.5 upward, and below it turn to 2 x bogie_hang x height - pitch to follow the runway.
    float bogie_hang;
    // Bogie-tilt gear start (slot 27): the tilt it stores in the gear slot's word5.
    float bogie_tilt;

    // Four-door nose gear (slot 27): the strut's stowed angle and the doors' open angle, degrees;
    // the progress at which the second door pair starts to open and the progress it takes.
    float nose_strut_up;
    float nose_strut_swing;  // where the strut's swing down starts at progress 0.3; 0: nose_strut_up
    float nose_door_open;
    float nose_second_doors_from;
    float nose_second_doors_span;
    // Degrees the strut folds beyond nose_strut_up while it is hidden, below progress 0.1.
    float nose_strut_hidden_fold;
    // Second nose door pair open, degrees; 0: as nose_door_open.
    float nose_second_door_open;
    // Where the nose gear's layers stand in the gear slot: the strut, and the first of the four
    // doors, which follow each other.
    uint32_t nose_strut_layer = 0;
    uint32_t nose_first_door_layer = 1;

    // Main gear on the quarter-half-quarter schedule (slot 27): the gear doors' and the wing
    // doors' open angles and the shafts' stowed angle, degrees.
    float main_door_open;
    float main_wing_door_open;
    float main_shaft_up;

    // Curved-track slats (slot 24).
    CurvedSlatNumbers curved_slats;

    // Propeller form of the engine update (slot 28).
    PropellerNumbers propeller;
    // Hinged door (slot 29): degrees about z when fully open, reached on a cosine ease.
    float hinged_door_angle;
};

// The running type's shared numbers; all 0 when it has none.
const SharedNumbers& shared_numbers();
