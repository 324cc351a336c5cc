// The numbers with which a type runs the forms of aircraft/shared/. A type that runs one of them
// points `AircraftType.shared` to its own SharedNumbers; numbers of forms it does not run stay 0.
#pragma once

struct SharedNumbers {
    // Two-bogie body pitch (slot 20): the bogies hang at `bogie_hang` degrees from a height of
    // 0.5 upward, and below it turn to 2 x bogie_hang x height - pitch to follow the runway.
    float bogie_hang;
    // Bogie-tilt gear start (slot 27): the tilt it stores in the gear slot's word5.
    float bogie_tilt;

    // Four-door nose gear (slot 27): the strut's stowed angle and the doors' open angle, degrees;
    // the progress at which the second door pair starts to open and the progress it takes.
    float nose_strut_up;
    float nose_door_open;
    float nose_second_doors_from;
    float nose_second_doors_span;
};

// The running type's shared numbers; all 0 when it has none.
const SharedNumbers& shared_numbers();
