// A day of each aircraft in the stand-in engine: the plug-in named on the command line, or else
// every plug-in of the catalogue beside this program, is created, starts its engines and
// lights, takes off, flies its approach and the scripted landing to a standstill, is pushed back
// behind the tow vehicle, shuts down and is destroyed. Each step prints the time, the command
// and a few layer values that show what it did; each day ends with the engine heap's account.
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "action_slot.h"
#include "kvrn_host.h"
#include "slip_log.h"

namespace {
const int32_t FRAME_MS = 50;

KvrnLayer aircraft;  // the aircraft object's root layer
KvrnLayer approach;  // the layer the scripted landing flies
// The tow vehicles' moved layers: the large "atl" and the small "atm" that some types call for.
KvrnLayer tug_bodies[2];
int32_t clock_ms;       // scene time
int32_t lit_frames;     // frames that ended with the dynamic light 7 placed
int32_t last_sequence;  // the landing run's last sequence shown
uint32_t last_slip;     // "Slip" starts shown

KvrnLayerState layer(KvrnLayer handle) {
    KvrnLayerState state{};
    kvrn_host_layer_state(handle, &state);
    return state;
}
KvrnLayerState part(const wchar_t* name) { return layer(kvrn_host_find_layer(aircraft, name)); }

ActionSlot* slot(int32_t n) {
    ActionTable* table = kvrn_host_record(aircraft)->actions;
    return table && n >= 0 && n < table->count ? table->entries[n] : nullptr;
}
bool running(int32_t n) { return slot(n) && slot(n)->timed && slot(n)->running; }

void frames(int32_t ms) {
    for (int32_t t = 0; t < ms; t += FRAME_MS) {
        kvrn_host_send(aircraft, KVRN_CMD_TICK, FRAME_MS, 0, 0, 0);
        kvrn_host_send(aircraft, KVRN_CMD_LIGHT, 0, 0, 0, 0);
        KvrnLightState light{};
        kvrn_host_light(KVRN_DYNAMIC_LIGHT, &light);
        lit_frames += light.on ? 1 : 0;
        clock_ms += FRAME_MS;
    }
}

// ---- what each step shows ----------------------------------------------------------------

void show_parked() {
    printf("gear strut %.0f, flaps %.0f, spoiler %s, door %.0f, light 7 %s\n", part(L"nosegear").rotation.x,
           part(L"X_flap0101").rotation.x, part(L"spoiler").visible ? "up" : "stowed", part(L"Z_door01").rotation.z,
           [] {
               KvrnLightState light{};
               kvrn_host_light(KVRN_DYNAMIC_LIGHT, &light);
               return light.on ? "on" : "off";
           }());
}

void show_engines() {
    const float* spool = slot(28) ? static_cast<const float*>(slot(28)->word3.p) : nullptr;
    if (!spool) {
        printf("no engine slot\n");
        return;
    }
    printf("engine 1 at %.0f%%, engine 2 at %.0f%%, fast blades %s\n", spool[0], spool[2],
           part(L"Z_e1high").visible ? "shown" : "hidden");
}

void show_lights() {
    printf("navigation %s, beacon %s, strobes %s, landing lights %.2f, light 7 lit in %d frames so far\n",
           part(L"ldlightb").visible ? "on" : "off", running(30) ? "flashing" : "off", running(36) ? "on" : "off",
           part(L"ldlightl1").sprite_scale, lit_frames);
}

void show_surfaces() {
    printf("flaps %.1f deg, slats %.1f deg, pitch %.2f, height %.2f, gear strut %.0f\n", part(L"X_flap0101").rotation.x,
           part(L"X_2slat").rotation.x, layer(aircraft).rotation.x, layer(aircraft).translation.y,
           part(L"nosegear").rotation.x);
}

void show_landing() {
    KvrnLayerState path = layer(approach);
    printf("distance %7.1f, height %5.2f, roll %5.2f, pitch %4.2f, speed %5.1f km/h, sequence %d, spoiler %s\n",
           path.translation.z, path.translation.y, path.rotation.z, layer(aircraft).rotation.x,
           slot(42) ? slot(42)->word6.f : 0.0f, slot(42) ? slot(42)->word3.i : 0,
           part(L"spoiler").visible ? "up" : "stowed");
}

// Prints the moments of the run: each sequence the first time it is posted, and "Slip" told.
void watch_landing() {
    int32_t sequence = slot(42) ? slot(42)->word3.i : 0;
    if (sequence != last_sequence) {
        static const char* const names[] = {"flare", "touchdown", "roll-out"};
        if (sequence >= 11 && sequence <= 13)
            printf("%7.2fs        posts %d (%s) at distance %.1f\n", clock_ms / 1000.0, sequence, names[sequence - 11],
                   layer(approach).translation.z);
        last_sequence = sequence;
    }
    if (slip_start_count() != last_slip) {
        last_slip = slip_start_count();
        printf("%7.2fs        tells \"Slip\" at distance %.1f\n", clock_ms / 1000.0, layer(approach).translation.z);
    }
}

void show_pushback() {
    KvrnLayerState t = layer(tug_bodies[0]);
    if (t.moves == 0) t = layer(tug_bodies[1]);  // the type calls for the small tug
    KvrnLayerState a = layer(aircraft);
    printf("aircraft (%6.1f, %6.1f) heading %5.1f, nose wheel %5.1f, tug (%6.1f, %6.1f), waypoint %d\n",
           a.translation.x, a.translation.z, fmodf(a.rotation.y + 540.0f, 360.0f), part(L"Y_nosegear").rotation.y,
           t.translation.x, t.translation.z, slot(41) ? slot(41)->word2.i : 0);
}

// ---- the day -----------------------------------------------------------------------------

struct Step {
    const char* what;
    int32_t command, ival1, ival2;
    float fval1, fval2;
    int32_t run_ms;      // frames after the command
    int32_t until_slot;  // or: frames until this slot stops (0: none)
    int32_t report_ms;   // while waiting for it, a line every so often
    void (*show)();
    void (*watch)();  // while waiting, after every frame (may be NULL)
};

void run_step(const Step& step) {
    int32_t ival2 = step.ival2 == -1 ? static_cast<int32_t>(approach) : step.ival2;
    int32_t result =
        static_cast<int32_t>(kvrn_host_send(aircraft, step.command, step.ival1, ival2, step.fval1, step.fval2));
    printf("%7.2fs  %-24s cmd %3d (%d, %d, %g, %g) -> %d\n", clock_ms / 1000.0, step.what, step.command, step.ival1,
           ival2, step.fval1, step.fval2, result);
    frames(step.run_ms);
    if (step.until_slot) {
        int32_t since_report = 0;
        for (int32_t waited = 0; running(step.until_slot) && waited < 30 * 60 * 1000; waited += FRAME_MS) {
            frames(FRAME_MS);
            if (step.watch) step.watch();
            since_report += FRAME_MS;
            if (since_report >= step.report_ms) {
                since_report = 0;
                printf("%7.2fs      ", clock_ms / 1000.0);
                step.show();
            }
        }
    }
    printf("%7.2fs      ", clock_ms / 1000.0);
    step.show();
}

const Step day[] = {
    // what                      cmd ival1 ival2 fval1   fval2 run ms until report show, watch
    {"light parameters", 19, 1, 1, 0, 0, 0, 0, 0, show_lights, nullptr},
    {"navigation lights on", 2, 1, 0, 0, 0, 500, 0, 0, show_lights, nullptr},
    {"beacon on", 3, 0, 0, 0, 0, 1000, 0, 0, show_lights, nullptr},
    {"engines up, together", 28, 100, 1, 0, 0, 20000, 0, 0, show_engines, nullptr},
    {"departure set-up", 4, 1, 0, 0, 0, 3000, 0, 0, show_surfaces, nullptr},
    {"landing lights on", 5, 1, 0, 0, 0, 1000, 0, 0, show_lights, nullptr},
    {"rotation", 6, 0, 0, 0, 0, 3000, 0, 0, show_surfaces, nullptr},
    {"climb", 7, 0, 0, 0, 30, 1000, 0, 0, show_surfaces, nullptr},
    {"after take-off", 8, 1, 0, 0, 120, 12000, 0, 0, show_surfaces, nullptr},
    {"approach", 9, 0, 0, 0, 0, 4000, 0, 0, show_surfaces, nullptr},
    {"final", 10, 1, 0, 0, 0, 12000, 0, 0, show_surfaces, nullptr},
    {"scripted landing", 42, 1, -1, 1500, 0, 0, 42, 5000, show_landing, watch_landing},
    {"after landing", 14, 1, 0, 0, 0, 8000, 0, 0, show_surfaces, nullptr},
    {"pushback behind the tug", 41, 1, 10, 0, 1, 0, 41, 20000, show_pushback, nullptr},
    {"engines down", 28, 0, 1, 0, 0, 20000, 0, 0, show_engines, nullptr},
    {"beacon off", 15, 0, 0, 0, 0, 1000, 0, 0, show_lights, nullptr},
    {"navigation lights off", 16, 0, 0, 0, 0, 500, 0, 0, show_lights, nullptr},
};

KvrnLayer add_object(const wchar_t* dll, const wchar_t* name) {
    KvrnActionInterface entry = kvrn_host_load_plugin(dll);
    if (!entry) {
        printf("could not load %ls or bind _KVRNACTIONINTERFACE@12\n", dll);
        return 0;
    }
    return kvrn_host_create_object(name, entry);
}
// One day of the plug-in; true when its heap account is clean.
bool fly_day(const wchar_t* plugin) {
    kvrn_host_reset();
    kvrn_host_log_enable(0);
    kvrn_host_set_lenient(1);  // the aircraft's model has every layer its plug-in looks for
    clock_ms = lit_frames = last_sequence = 0;
    last_slip = 0;

    aircraft = add_object(plugin, L"aircraft");
    KvrnLayer tug = add_object(L"tow_vehicle.dll", L"atl");
    KvrnLayer small_tug = add_object(L"tow_vehicle.dll", L"atm");
    KvrnLayer slip = add_object(L"slip.dll", L"Slip");
    if (!aircraft || !tug || !small_tug || !slip) return false;
    tug_bodies[0] = kvrn_host_add_layer(tug, L"atl_all");
    kvrn_host_add_layer(tug, L"tbr_L");
    tug_bodies[1] = kvrn_host_add_layer(small_tug, L"atm_all");
    kvrn_host_add_layer(small_tug, L"tbr_M");
    approach = kvrn_host_add_layer(0, L"approach");
    slip_clear();
    printf("loaded %ls, with the tow vehicles \"atl\" and \"atm\" and \"Slip\" in the scene\n", plugin);

    printf("%7.2fs  %-24s -> %u\n", 0.0, "create",
           static_cast<uint32_t>(kvrn_host_send(aircraft, KVRN_CMD_CREATE, 0, 0, 0, 0)));
    if (!kvrn_host_record(aircraft)->actions) {
        printf("no action table\n");
        return false;
    }
    printf("%7.2fs      parked: ", 0.0);
    show_parked();
    for (const Step& step : day) run_step(step);

    SlipStart told{};
    if (slip_start_get(0, &told))
        printf("Slip told %u time(s): at distance %.1f, heading %g, speed %g km/h\n", slip_start_count(),
               told.translation.z, told.fval1, told.fval2);
    else
        printf("Slip never told\n");

    printf("%7.2fs  %-24s -> %u\n", clock_ms / 1000.0, "destroy",
           static_cast<uint32_t>(kvrn_host_send(aircraft, KVRN_CMD_DESTROY, 0, 0, 0, 0)));
    KvrnHeapStats heap;
    kvrn_host_heap_stats(&heap);
    printf("engine heap: %u allocations, %u frees, %u blocks live, %u faults\n\n", heap.allocations, heap.frees,
           heap.live_blocks, heap.double_frees + heap.foreign);
    return heap.live_blocks == 0 && heap.double_frees + heap.foreign == 0;
}

// A day of every plug-in of the catalogue file: the first field of each row.
int fly_catalogue() {
    FILE* catalogue = fopen("aircraft_catalogue.csv", "r");
    if (!catalogue) {
        printf("no aircraft_catalogue.csv beside the program\n");
        return 1;
    }
    char line[512];
    bool clean = true;
    while (fgets(line, sizeof line, catalogue)) {
        if (strncmp(line, "acplug", 6) != 0) continue;  // the header
        wchar_t plugin[64];
        int n = 0;
        for (; line[n] && line[n] != ',' && line[n] != '\n' && n < 59; ++n) plugin[n] = static_cast<wchar_t>(line[n]);
        if (n == 0) continue;
        wcscpy(plugin + n, L".dll");
        clean = fly_day(plugin) && clean;
    }
    fclose(catalogue);
    return clean ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc <= 1) return fly_catalogue();
    wchar_t plugin[260];
    mbstowcs(plugin, argv[1], 259);
    plugin[259] = 0;
    return fly_day(plugin) ? 0 : 1;
}
