// The plug-in's one export and its load entry.
#include <windows.h>

#include "action_slot.h"
#include "aircraft_type.h"

HINSTANCE plugin_module;  // this plug-in's module handle, kept at load

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) plugin_module = instance;
    return TRUE;
}

// The engine drives one object per call: the command and its arguments are in the record.
// Commands that need the table do nothing while it does not exist.
extern "C" uint32_t __stdcall KVRNACTIONINTERFACE(uint32_t context, uint32_t layer, tagKVRNFILE* record) {
    if (!record) return 0;
    switch (record->command) {
        case KVRN_CMD_LIGHT:
            if (record->actions && aircraft_type->light_update) aircraft_type->light_update(context, layer);
            return 0;
        case KVRN_CMD_TIME_LEFT:
            return static_cast<uint32_t>(action_time_left(context, layer, record->ival1));
        case KVRN_CMD_TICK:
            tick_actions(context, layer, record, record->ival1);
            return 0;
        case KVRN_CMD_DESTROY:
            return destroy_actions(context, layer, record);
        case KVRN_CMD_CREATE:
            return create_actions(context, layer, record);
        default:
            if (record->command < 0 || !record->actions) return 0;
            return static_cast<uint32_t>(start_action(context, layer, record));
    }
}
