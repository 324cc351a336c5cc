// In-process answers to the program's message boxes: while a BoxRecorder lives, each box the
// program asks for is not shown but recorded (caption, text, buttons) and answered from the
// recorder's script, in the letters of box_driver.h. In a test program that links it, a box
// asked for while no recorder lives fails the running test and is answered with Cancel or OK.
#pragma once
#include <string>
#include <vector>
#include "box_driver.h"

struct BoxRecorder {
    std::string script;                  // answers, one letter a box in turn
    std::vector<driver::SeenBox> boxes;  // every box asked for, in order

    BoxRecorder();   // takes the program's box routine
    ~BoxRecorder();  // gives the routine back
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    // The texts of the boxes, in order.
    std::vector<std::string> texts() const;
};
