// The five test sounds of the Sound page: button 4200 + k plays a sound on channel k until it is
// pressed again. Channel 0 streams the first background-music file; channels 1 to 4 play a
// sound read once into the channel's wave slot.
#pragma once
#include "sound_library.h"

// Streams a file below the program folder on channel 0; the library's result (0 when the path
// does not fit the shared text buffer).
int play_sound_stream(const wchar_t* relative_path);
// Reads a file below the program folder into slot: 1 when the library loaded it.
int load_sound_slot(const wchar_t* relative_path, SoundSlot* slot);
// The button's picture: its first cell (stopped) or its second (playing).
void show_test_button(int channel, int playing);
// A click on test button 4200 + channel: starts or stops that channel's test sound.
void toggle_test_sound(int channel);
// Leaving the Sound page: every test button stopped, and every sound channel stopped.
void stop_test_sounds();
// Shut-down: stops the test-sound channels that still play and frees every loaded slot.
void release_sound_slots();
