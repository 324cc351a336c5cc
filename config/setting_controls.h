// Check boxes and radio groups that stand for one settings word each: how a word shows as a
// check mark, and how a click writes it back.
#pragma once
#include <stdint.h>

// Checked when (word AND test_mask) equals checked_value; a click writes checked_value or
// unchecked_value into the bits of write_mask.
struct CheckSetting {
    uint16_t id;
    void* word;  // a 32-bit settings word
    uint32_t test_mask;
    uint32_t write_mask;
    uint32_t checked_value;
    uint32_t unchecked_value;
};

// One radio of a group whose ids run from first to last; choosing it stores value.
struct RadioSetting {
    uint16_t id;
    uint16_t first;
    uint16_t last;
    void* word;
    uint32_t value;
};

const CheckSetting* find_check_setting(int id);
const RadioSetting* find_radio_setting(int id);
// Sets the check mark of each listed check box from its word.
void show_check_settings(const uint16_t* ids, int count);
// Writes the check box's state into its word; 0 when id is no such check box.
int store_check_setting(int id);
// Checks the radio of the group that holds first whose value the word has; none when no value fits.
void show_radio_setting(int first);
// Moves the group's mark to the radio and writes its value; 0 when id is no such radio.
int store_radio_setting(int id);

uint32_t read_word(const void* word);
void write_word(void* word, uint32_t value);
