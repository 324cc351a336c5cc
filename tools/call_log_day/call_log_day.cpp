// A fixed scripted day of one aircraft plug-in in the stand-in engine, printed as the engine's
// full call log: create; every slot of the table started, ticked at several step sizes to its
// end and stopped; time-left queries and light updates; reset; geometry; taxi steps; pushback
// behind the tow vehicle; the scripted landing; destroy. Two builds of a plug-in that behave the
// same print the same log, so a change meant to keep behaviour is checked by comparing logs
// (scripts/call_logs). Addresses (the record, path states, base-scale floats, heap blocks)
// differ from build to build and are printed as "ptr".
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "action_slot.h"
#include "commands.h"
#include "ground_path.h"
#include "kvrn_host.h"

namespace {
const char* const KIND_NAMES[] = {"?",      "send", "move_action", "search", "switch", "move", "get_move",
                                  "recall", "ext",  "set_light",   "alloc",  "resize", "free", "post"};

KvrnLayer aircraft;
uint32_t printed;  // entries of the current log already printed

// An integer that is an address in this process (values from 64 KiB up) is printed as "ptr".
void print_int(FILE* out, KvrnInt value) {
    if (value >= 0x10000)
        fputs(" ptr", out);
    else
        fprintf(out, " %lld", static_cast<long long>(value));
}

void print_call(FILE* out, const KvrnCall& c) {
    const char* kind = c.kind < sizeof KIND_NAMES / sizeof *KIND_NAMES ? KIND_NAMES[c.kind] : "?";
    fprintf(out, "%s layer %u", kind, c.layer);
    if (c.name[0]) fprintf(out, " \"%ls\"", c.name);
    fputs(" ints", out);
    for (int32_t v : c.ints) print_int(out, v);
    fprintf(out, " floats %.9g %.9g", c.floats[0], c.floats[1]);
    for (int i = 0; i < 2; ++i)
        if (c.flags & (1u << i))
            fprintf(out, " v%d %.9g %.9g %.9g %.9g", i, c.vectors[i].x, c.vectors[i].y, c.vectors[i].z, c.vectors[i].w);
    fprintf(out, " flags %u result", c.flags);
    print_int(out, static_cast<int32_t>(c.result));
    if (c.kind == KVRN_CALL_HOST_SEND || c.kind == KVRN_CALL_MOVE_ACTION || c.kind == KVRN_CALL_POST) {
        fprintf(out, " tail %d", c.tail_command);
        print_int(out, c.tail_ival1);
        print_int(out, c.tail_ival2);
        fprintf(out, " %.9g %.9g", c.tail_fval1, c.tail_fval2);
    }
    fputc('\n', out);
}

// Prints what the engine logged since the last flush, then empties the log.
void flush_log(FILE* out) {
    KvrnCall call;
    for (uint32_t i = printed; kvrn_host_log_get(i, &call); ++i) print_call(out, call);
    if (kvrn_host_log_dropped() != 0) fprintf(out, "log dropped %u calls\n", kvrn_host_log_dropped());
    kvrn_host_log_clear();
    printed = 0;
}

uint32_t send(FILE* out, int32_t command, KvrnInt ival1 = 0, KvrnInt ival2 = 0, float fval1 = 0, float fval2 = 0) {
    uint32_t result = static_cast<uint32_t>(kvrn_host_send(aircraft, command, ival1, ival2, fval1, fval2));
    flush_log(out);
    fprintf(out, "= %d\n", static_cast<int32_t>(result));
    return result;
}

ActionSlot* slot(int32_t n) {
    ActionTable* table = kvrn_host_record(aircraft)->actions;
    return table && n >= 0 && n < table->count ? table->entries[n] : nullptr;
}
bool running(int32_t n) { return slot(n) && slot(n)->timed && slot(n)->running; }

// A tick of `ms`, the time left of slot n and a light update, with the dynamic light's record.
void frame(FILE* out, int32_t n, int32_t ms) {
    send(out, KVRN_CMD_TICK, ms);
    send(out, KVRN_CMD_TIME_LEFT, n);
    send(out, KVRN_CMD_LIGHT);
    KvrnLightState light{};
    kvrn_host_light(KVRN_DYNAMIC_LIGHT, &light);
    fprintf(out, "light %u sets %u:", light.on, light.sets);
    for (uint8_t byte : light.record) fprintf(out, " %02x", byte);
    fputc('\n', out);
}

// Runs slot n from a start until it stops or `limit` frames of `ms` have passed.
void run_slot(FILE* out, int32_t n, int32_t ms, int limit) {
    for (int i = 0; i < limit && running(n); ++i) frame(out, n, ms);
}

struct Start {
    int32_t ival1, ival2;
    float fval1, fval2;
    int32_t first_ms, then_ms;  // ten frames of the first step, then the second to the end
};
const Start starts[] = {
    {100, 1, 0.5f, 10.0f, 16, 333},
    {1, 1, 0.25f, 4.0f, 50, 50},
    {0, 0, 0.0f, 0.0f, 16, 333},
    {50, -1, 1.0f, 0.0f, 33, 1000},
};

void every_slot(FILE* out) {
    int32_t count = kvrn_host_record(aircraft)->actions->count;
    for (int32_t n = 1; n < count + 2; ++n) {
        if (n == SLOT_GEOMETRY || n == SLOT_TAXI || n == SLOT_PUSHBACK || n == SLOT_LANDING_RUN) continue;
        fprintf(out, "# slot %d\n", n);
        for (const Start& s : starts) {
            send(out, n, s.ival1, s.ival2, s.fval1, s.fval2);
            run_slot(out, n, s.first_ms, 10);
            run_slot(out, n, s.then_ms, 40);
            send(out, KVRN_CMD_TICK, -1);
        }
        send(out, KVRN_CMD_RESET);
        send(out, KVRN_CMD_TICK, -1);
    }
}

void geometry_and_taxi(FILE* out) {
    fprintf(out, "# geometry\n");
    float answer[16];
    memset(answer, 0, sizeof answer);
    send(out, SLOT_GEOMETRY, reinterpret_cast<KvrnInt>(answer));
    fprintf(out, "geometry");
    for (float f : answer) fprintf(out, " %.9g", f);
    fputc('\n', out);

    fprintf(out, "# taxi\n");
    PathState s;
    memset(&s, 0, sizeof s);
    s.layer = aircraft;
    s.speed = 5.0f;
    const KvrnVector targets[] = {{100, 0, 12, 0}, {-40, 0, 60, 0}, {0, 0, -80, 0}, {3, 0, 1, 0}};
    for (const KvrnVector& target : targets) {
        s.target = target;
        for (int i = 0; i < 12; ++i) {
            uint32_t result = send(out, SLOT_TAXI, path_state_argument(&s), 250);
            fprintf(out, "path %.9g %.9g %.9g heading %.9g steer %.9g\n", s.position.x, s.position.y, s.position.z,
                    s.rotation.y, s.steer);
            if (result == 0) break;
        }
    }
    send(out, KVRN_CMD_RESET);
    send(out, KVRN_CMD_TICK, -1);
}

void pushback_and_landing(FILE* out) {
    fprintf(out, "# pushback\n");
    send(out, SLOT_PUSHBACK, 1, 10, 0.0f, 1.0f);
    for (int i = 0; i < 3000 && running(SLOT_PUSHBACK); ++i) send(out, KVRN_CMD_TICK, 100);
    send(out, KVRN_CMD_RESET);
    send(out, KVRN_CMD_TICK, -1);

    fprintf(out, "# scripted landing\n");
    send(out, SLOT_LANDING_RUN, 1, -1, 1500.0f, 0.0f);
    for (int i = 0; i < 4000 && running(SLOT_LANDING_RUN); ++i) frame(out, SLOT_LANDING_RUN, 50);
    send(out, SLOT_LANDING_RUN, 0, 0, 0.0f, 0.0f);
    send(out, KVRN_CMD_RESET);
    send(out, KVRN_CMD_TICK, -1);
}

KvrnLayer add_object(const wchar_t* dll, const wchar_t* name) {
    KvrnActionInterface entry = kvrn_host_load_plugin(dll);
    return entry ? kvrn_host_create_object(name, entry) : 0;
}
}  // namespace

// call_log_day PLUGIN.dll OUTPUT: the day's log of the plug-in into OUTPUT.
int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: call_log_day PLUGIN.dll OUTPUT\n");
        return 2;
    }
    wchar_t plugin[260];
    mbstowcs(plugin, argv[1], 259);
    plugin[259] = 0;
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        fprintf(stderr, "cannot write %s\n", argv[2]);
        return 2;
    }
    kvrn_host_reset();
    kvrn_host_set_lenient(1);
    aircraft = add_object(plugin, L"aircraft");
    KvrnLayer tug = add_object(L"tow_vehicle.dll", L"atl");
    KvrnLayer small_tug = add_object(L"tow_vehicle.dll", L"atm");
    KvrnLayer slip = add_object(L"slip.dll", L"Slip");
    if (!aircraft || !tug || !small_tug || !slip) {
        fprintf(stderr, "cannot load %s, tow_vehicle.dll or slip.dll\n", argv[1]);
        return 2;
    }
    kvrn_host_add_layer(tug, L"atl_all");
    kvrn_host_add_layer(tug, L"tbr_L");
    kvrn_host_add_layer(small_tug, L"atm_all");
    kvrn_host_add_layer(small_tug, L"tbr_M");
    kvrn_host_add_layer(0, L"approach");
    kvrn_host_log_enable(1);
    kvrn_host_log_clear();

    fprintf(out, "# create\n");
    send(out, KVRN_CMD_CREATE);
    if (!kvrn_host_record(aircraft)->actions) {
        fprintf(stderr, "no action table\n");
        return 1;
    }
    every_slot(out);
    geometry_and_taxi(out);
    pushback_and_landing(out);
    fprintf(out, "# destroy\n");
    send(out, KVRN_CMD_DESTROY);
    KvrnHeapStats heap;
    kvrn_host_heap_stats(&heap);
    fprintf(out, "heap %u allocations %u frees %u live %u faults\n", heap.allocations, heap.frees, heap.live_blocks,
            heap.double_frees + heap.foreign);
    fclose(out);
    return 0;
}
