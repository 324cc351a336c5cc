// Scene objects: a root layer, the engine's record and the entry point of the plug-in that
// drives it. KVRNL_MoveAction is how objects (and the plug-ins themselves) command objects.
#include <string.h>
#include <windows.h>

#include <vector>

#include "engine_state.h"

std::deque<EngineObject> scene_objects;  // records never move: plug-ins keep their address

namespace {
// Object number + 1 by the index of its root layer (0: the layer is no object's root), so that
// finding an object costs the same in a scene of one or of thousands.
std::vector<uint32_t> object_by_layer;
}  // namespace

EngineObject* object_of(KvrnLayer root) {
    size_t index = root - FIRST_LAYER_HANDLE;
    if (root < FIRST_LAYER_HANDLE || index >= object_by_layer.size() || !object_by_layer[index]) return nullptr;
    return &scene_objects[object_by_layer[index] - 1];
}

void reset_objects() {
    scene_objects.clear();
    object_by_layer.clear();
}

namespace {
void note_tail(KvrnCall* call, const tagKVRNFILE& record) {
    call->tail_command = record.command;
    call->tail_ival1 = record.ival1;
    call->tail_ival2 = record.ival2;
    call->tail_fval1 = record.fval1;
    call->tail_fval2 = record.fval2;
}

KvrnWord run_command(uint32_t kind, KvrnContext context, KvrnLayer layer, int32_t command, KvrnInt ival1, KvrnInt ival2,
                     float fval1, float fval2) {
    EngineObject* object = object_of(layer);
    KvrnCall* call = log_call(kind, context, layer);
    if (call) {
        call->ints[0] = command;
        call->ints[1] = ival1;
        call->ints[2] = ival2;
        call->floats[0] = fval1;
        call->floats[1] = fval2;
        if (object) note_tail(call, object->record);
    }
    if (!object) return 0;
    if (command == KVRN_CMD_RECORD) {
        KvrnWord record = reinterpret_cast<KvrnWord>(&object->record);
        if (call) call->result = record;
        return record;
    }
    object->record.command = command;
    object->record.ival1 = ival1;
    object->record.ival2 = ival2;
    object->record.fval1 = fval1;
    object->record.fval2 = fval2;
    object->seen = object->record;
    if (!object->entry) return 0;
    // The log may grow while the plug-in runs: the entry is found again by its index.
    uint32_t index = kvrn_host_log_count() - 1;
    bool logged = call != nullptr;
    uint32_t result = object->entry(context, layer, &object->record);
    if (logged) log_set_result(index, result);
    notice_posts();
    return result;
}
}  // namespace

extern "C" KvrnWord __stdcall KVRNL_MoveAction(KvrnContext context, KvrnLayer object, int32_t command, KvrnInt ival1,
                                               KvrnInt ival2, float fval1, float fval2) {
    return run_command(KVRN_CALL_MOVE_ACTION, context, object, command, ival1, ival2, fval1, fval2);
}

KVRN_HOST_API KvrnActionInterface kvrn_host_load_plugin(const wchar_t* path) {
    HMODULE module = LoadLibraryW(path);
    if (!module) return nullptr;
    return reinterpret_cast<KvrnActionInterface>(
        reinterpret_cast<void*>(GetProcAddress(module, "_KVRNACTIONINTERFACE@12")));
}

KVRN_HOST_API KvrnLayer kvrn_host_create_object(const wchar_t* name, KvrnActionInterface entry) {
    KvrnLayer root = kvrn_host_add_layer(0, name);
    if (!root) return 0;
    EngineObject object;
    memset(&object, 0, sizeof object);
    object.root = root;
    object.entry = entry;
    scene_objects.push_back(object);
    size_t index = root - FIRST_LAYER_HANDLE;
    if (object_by_layer.size() <= index) object_by_layer.resize(index + 1, 0);
    object_by_layer[index] = static_cast<uint32_t>(scene_objects.size());
    return root;
}

KVRN_HOST_API tagKVRNFILE* kvrn_host_record(KvrnLayer object) {
    EngineObject* o = object_of(object);
    return o ? &o->record : nullptr;
}

KVRN_HOST_API KvrnWord kvrn_host_send(KvrnLayer object, int32_t command, KvrnInt ival1, KvrnInt ival2, float fval1,
                                      float fval2) {
    return run_command(KVRN_CALL_HOST_SEND, ENGINE_CONTEXT, object, command, ival1, ival2, fval1, fval2);
}
