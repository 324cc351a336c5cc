// The test sounds: toggles, button pictures, the sound files and their wave slots.
#include "test_sounds.h"
#include <wchar.h>
#include "files.h"
#include "libraries.h"
#include "program_state.h"
#include "sound_page.h"

namespace {

const RECT STOPPED_CELL = {0, 0, 27, 16};
const RECT PLAYING_CELL = {27, 0, 54, 16};
const int BGM_CHANNEL = 0;
const int AMBIENT_CHANNEL = 2;

const wchar_t* const fixed_sound_files[VOLUME_ROWS] = {
    nullptr,                         // BGM: the first file of common\bgm, streamed
    L"common\\config_voice.wav",     // Airband
    nullptr,                         // Ambient Sound: the engine test sound
    L"common\\config_se.wav",        // Sound Effect
    L"common\\config_voice_ca.wav",  // Announcement
};

// The file of a channel relative to the program folder; 0 when the channel has none.
int test_sound_file(int channel, wchar_t* out, int capacity) {
    if (channel == BGM_CHANNEL) {
        if (!first_bgm_name[0]) return 0;
        format_text(out, capacity, L"common\\bgm\\%s", first_bgm_name);
    } else if (channel == AMBIENT_CHANNEL) {
        if (!engine_test_sound_name[0]) return 0;
        // The add-on airport's own engine sound lies with the scenery sounds.
        const wchar_t* format =
            _wcsicmp(engine_test_sound_name, L"acplug02_engine.wav") == 0 ? L"common\\snd\\%s" : L"common\\%s";
        format_text(out, capacity, format, engine_test_sound_name);
    } else {
        copy_text(out, capacity, fixed_sound_files[channel]);
    }
    return 1;
}

// The full path in message_buffer; 0 when folder and relative path do not fit, so that no cut
// path reaches the library.
int full_sound_path(const wchar_t* relative_path) {
    return join_path(message_buffer, TEXT_CAPACITY, program_folder, relative_path);
}

void start_test_sound(int channel) {
    wchar_t file[TEXT_CAPACITY];
    if (channel == BGM_CHANNEL) {
        // A stream already on channel 0 goes on; the toggle still shows playing.
        int busy = sound_entries.wave_status ? sound_entries.wave_status(BGM_CHANNEL) : 0;
        if (!busy && test_sound_file(channel, file, TEXT_CAPACITY)) play_sound_stream(file);
        return;
    }
    SoundSlot* slot = &sound_slots[channel];
    // A sound read once stays in its slot; a failed read is tried again at the next start.
    if (!slot->loaded && test_sound_file(channel, file, TEXT_CAPACITY)) load_sound_slot(file, slot);
    if (sound_entries.wave_play) sound_entries.wave_play(channel, slot, SOUND_LOOP);
}

}  // namespace

void show_test_button(int channel, int playing) { test_buttons[channel].image = playing ? PLAYING_CELL : STOPPED_CELL; }

int play_sound_stream(const wchar_t* relative_path) {
    if (!sound_entries.wave_stream_play || !full_sound_path(relative_path)) return 0;
    return sound_entries.wave_stream_play(BGM_CHANNEL, message_buffer, SOUND_LOOP);
}

int load_sound_slot(const wchar_t* relative_path, SoundSlot* slot) {
    if (!sound_entries.wave_read || !full_sound_path(relative_path)) return 0;
    return sound_entries.wave_read(message_buffer, slot) ? 1 : 0;
}

void toggle_test_sound(int channel) {
    if (channel < 0 || channel >= VOLUME_ROWS) return;
    test_sound_playing[channel] ^= 1;
    show_test_button(channel, test_sound_playing[channel]);
    if (test_sound_playing[channel])
        start_test_sound(channel);
    else if (sound_entries.wave_stop)
        sound_entries.wave_stop(channel);
}

void stop_test_sounds() {
    for (int channel = 0; channel < VOLUME_ROWS; ++channel) {
        test_sound_playing[channel] = 0;
        show_test_button(channel, 0);
    }
    if (sound_entries.wave_stop) sound_entries.wave_stop(SOUND_ALL_CHANNELS);
}

void release_sound_slots() {
    for (int channel = 0; channel < VOLUME_ROWS; ++channel) {
        if (sound_entries.wave_status && sound_entries.wave_status(channel) && sound_entries.wave_stop)
            sound_entries.wave_stop(channel);
        if (sound_slots[channel].loaded && sound_entries.wave_free) sound_entries.wave_free(&sound_slots[channel]);
    }
}
