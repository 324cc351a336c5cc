// A short run of the stand-in engine: load an aircraft plug-in, create an object, tick it,
// ask it how long its actions have left, destroy it, and say what happened.
#include <stdio.h>
#include <stdlib.h>

#include <initializer_list>

#include "kvrn_host.h"

namespace {
const char* call_name(uint32_t kind) {
    static const char* const names[] = {"?",          "host send",   "MoveAction",     "SearchLayer", "SwitchLayer",
                                        "MoveLayer",  "GetMoveLayer", "RecallFunction", "EXT_Function", "SetLight",
                                        "AllocMemory", "ResizeMemory", "FreeMemory"};
    return kind < sizeof names / sizeof names[0] ? names[kind] : "?";
}

void print_calls(uint32_t from) {
    uint32_t counts[16] = {};
    KvrnCall call;
    for (uint32_t i = from; kvrn_host_log_get(i, &call); ++i)
        if (call.kind < 16) ++counts[call.kind];
    for (uint32_t kind = 1; kind < 16; ++kind)
        if (counts[kind]) printf("    %-15s x%u\n", call_name(kind), counts[kind]);
}
}  // namespace

int main(int argc, char** argv) {
    const wchar_t* plugin = L"acplug03.dll";
    wchar_t argument[260];
    if (argc > 1) {
        mbstowcs(argument, argv[1], 259);
        argument[259] = 0;
        plugin = argument;
    }
    kvrn_host_reset();
    kvrn_host_set_lenient(1);
    KvrnActionInterface entry = kvrn_host_load_plugin(plugin);
    if (!entry) {
        printf("could not load %ls or bind _KVRNACTIONINTERFACE@12\n", plugin);
        return 1;
    }
    printf("loaded %ls\n", plugin);
    KvrnLayer aircraft = kvrn_host_create_object(L"aircraft", entry);

    uint32_t mark = kvrn_host_log_count();
    printf("create  -> %u\n", kvrn_host_send(aircraft, KVRN_CMD_CREATE, 0, 0, 0, 0));
    print_calls(mark);
    ActionTable* table = kvrn_host_record(aircraft)->actions;
    printf("  action table %s\n", table ? "built" : "missing");

    mark = kvrn_host_log_count();
    for (int frame = 0; frame < 60; ++frame) kvrn_host_send(aircraft, KVRN_CMD_TICK, 16, 0, 0, 0);
    printf("60 ticks of 16 ms\n");
    print_calls(mark);

    for (int32_t slot : {27, 28, 30, 500})
        printf("time left of slot %d -> %d ms\n", slot,
               static_cast<int32_t>(kvrn_host_send(aircraft, KVRN_CMD_TIME_LEFT, slot, 0, 0, 0)));

    printf("destroy -> %u\n", kvrn_host_send(aircraft, KVRN_CMD_DESTROY, 0, 0, 0, 0));
    KvrnHeapStats heap;
    kvrn_host_heap_stats(&heap);
    printf("engine heap: %u allocations, %u frees, %u blocks live, %u faults\n", heap.allocations, heap.frees,
           heap.live_blocks, heap.double_frees + heap.foreign);
    printf("layers in the scene: %u\n", kvrn_host_layer_count());
    return heap.live_blocks == 0 && heap.double_frees + heap.foreign == 0 ? 0 : 1;
}
