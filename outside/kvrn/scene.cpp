// The scene: named layers in a tree under the root, each with a local transform,
// visibility, transparency and the scales of a glow sprite.
#include <string.h>
#include <wchar.h>

#include <unordered_map>
#include <vector>

#include "engine_state.h"

std::deque<EngineLayer> scene_layers;
bool lenient_layers;

namespace {
// The layers of each name in the order they were made, so that a search looks only at layers
// of the name it asks for.
std::unordered_map<std::wstring, std::vector<uint32_t>> layers_named;

EngineLayer new_layer(KvrnLayer parent, const wchar_t* name) {
    EngineLayer layer;
    layer.name = name ? name : L"";
    memset(&layer.state, 0, sizeof layer.state);
    layer.state.parent = parent;
    layer.state.scale = {1, 1, 1, 0};
    layer.state.visible = 1;
    layer.state.sprite_scale = 1.0f;
    layer.state.base_scale = 1.0f;
    return layer;
}

void append_layer(KvrnLayer parent, const wchar_t* name) {
    scene_layers.push_back(new_layer(parent, name));
    layers_named[scene_layers.back().name].push_back(static_cast<uint32_t>(scene_layers.size() - 1));
}

void ensure_root() {
    if (scene_layers.empty()) append_layer(0, L"scene");
}

bool is_below(size_t index, KvrnLayer ancestor) {
    for (KvrnLayer up = scene_layers[index].state.parent; up; up = layer_of(up)->state.parent)
        if (up == ancestor) return true;
    return false;
}

// Depth-first order is not needed: the first layer of that name anywhere below the parent.
KvrnLayer find_below(KvrnLayer parent, const wchar_t* name) {
    auto named = layers_named.find(name);
    if (named == layers_named.end()) return 0;
    for (uint32_t i : named->second)
        if (i != 0 && is_below(i, parent)) return handle_of_index(i);
    return 0;
}
}  // namespace

KvrnLayer handle_of_index(size_t index) { return static_cast<KvrnLayer>(FIRST_LAYER_HANDLE + index); }

EngineLayer* layer_of(KvrnLayer handle) {
    ensure_root();
    if (handle < FIRST_LAYER_HANDLE) return nullptr;
    size_t index = handle - FIRST_LAYER_HANDLE;
    return index < scene_layers.size() ? &scene_layers[index] : nullptr;
}

void reset_scene() {
    scene_layers.clear();
    layers_named.clear();
    lenient_layers = false;
    ensure_root();
}

extern "C" KvrnLayer __stdcall KVRNL_SearchLayer(KvrnContext context, KvrnLayer parent, const wchar_t* name) {
    ensure_root();
    KvrnLayer found = 0;
    if (!name) {
        found = parent == 0 ? handle_of_index(0) : 0;
    } else {
        KvrnLayer under = parent ? parent : handle_of_index(0);
        if (layer_of(under)) {
            found = find_below(under, name);
            if (!found && lenient_layers && under != handle_of_index(0)) found = kvrn_host_add_layer(under, name);
        }
    }
    if (KvrnCall* call = log_call(KVRN_CALL_SEARCH_LAYER, context, parent)) {
        copy_name(call->name, name);
        call->result = found;
    }
    return found;
}

extern "C" uint32_t __stdcall KVRNL_SwitchLayer(KvrnContext context, KvrnLayer layer, uint32_t on) {
    if (KvrnCall* call = log_call(KVRN_CALL_SWITCH_LAYER, context, layer)) call->ints[0] = static_cast<int32_t>(on);
    EngineLayer* l = layer_of(layer);
    if (!l) return 0;
    l->state.visible = on ? 1 : 0;
    ++l->state.switches;
    return 1;
}

extern "C" uint32_t __stdcall KVRNL_MoveLayer(KvrnContext context, KvrnLayer layer, const KvrnVector* translation,
                                              const KvrnVector* rotation, const KvrnVector* scale, uint32_t, uint32_t) {
    if (KvrnCall* call = log_call(KVRN_CALL_MOVE_LAYER, context, layer)) {
        if (translation) call->vectors[0] = *translation;
        if (rotation) call->vectors[1] = *rotation;
        call->flags = (translation ? 1u : 0u) | (rotation ? 2u : 0u) | (scale ? 4u : 0u);
    }
    EngineLayer* l = layer_of(layer);
    if (!l) return 0;
    if (translation) l->state.translation = *translation;
    if (rotation) l->state.rotation = *rotation;
    if (scale) l->state.scale = *scale;
    ++l->state.moves;
    return 1;
}

extern "C" uint32_t __stdcall KVRNL_GetMoveLayer(KvrnContext context, KvrnLayer layer, KvrnVector* translation,
                                                 KvrnVector* rotation, KvrnVector* scale, uint32_t, uint32_t) {
    log_call(KVRN_CALL_GET_MOVE_LAYER, context, layer);
    EngineLayer* l = layer_of(layer);
    if (!l) return 0;
    if (translation) *translation = l->state.translation;
    if (rotation) *rotation = l->state.rotation;
    if (scale) *scale = l->state.scale;
    return 1;
}

extern "C" uint32_t __stdcall KVRNL_EXT_RecallFunction(KvrnContext context, KvrnLayer layer, uint32_t property,
                                                       KvrnWord value, uint32_t, uint32_t) {
    if (KvrnCall* call = log_call(KVRN_CALL_RECALL_FUNCTION, context, layer)) {
        call->ints[0] = static_cast<int32_t>(property);
        call->ints[1] = static_cast<KvrnInt>(value);
        if (property == KVRN_PROP_SCALE && value) call->floats[0] = *reinterpret_cast<const float*>(value);
    }
    EngineLayer* l = layer_of(layer);
    if (!l) return 0;
    if (property == KVRN_PROP_TRANSPARENCY) {
        l->state.transparency = value;
        ++l->state.transparency_sets;
    } else if (property == KVRN_PROP_SCALE && value) {
        l->state.sprite_scale = *reinterpret_cast<const float*>(value);
        ++l->state.scale_sets;
    }
    return 1;
}

extern "C" KvrnWord __stdcall KVRNL_EXT_Function(KvrnContext context, KvrnLayer layer, uint32_t property, void* output,
                                                 uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {
    if (KvrnCall* call = log_call(KVRN_CALL_EXT_FUNCTION, context, layer))
        call->ints[0] = static_cast<int32_t>(property);
    EngineLayer* l = layer_of(layer);
    if (!l) return 0;
    if (property == KVRN_PROP_SCALE) return reinterpret_cast<KvrnWord>(&l->state.base_scale);
    if (property == KVRN_PROP_WORLD && output) {
        KvrnVector world;
        kvrn_host_world_position(layer, &world);
        float* out = reinterpret_cast<float*>(static_cast<char*>(output) + 32);
        out[0] = world.x;
        out[1] = world.y;
        out[2] = world.z;
        return 1;
    }
    return 0;
}

extern "C" void __stdcall KVRN_Set3D(KvrnVector* vector, float x, float y, float z, float w) {
    if (vector) *vector = {x, y, z, w};
}

extern "C" void __stdcall KVRN_Copy3D(KvrnVector* destination, const KvrnVector* source) {
    if (destination && source) *destination = *source;
}

KVRN_HOST_API KvrnContext kvrn_host_context(void) { return ENGINE_CONTEXT; }

KVRN_HOST_API KvrnLayer kvrn_host_root(void) {
    ensure_root();
    return handle_of_index(0);
}

KVRN_HOST_API void kvrn_host_set_lenient(int lenient) { lenient_layers = lenient != 0; }

KVRN_HOST_API KvrnLayer kvrn_host_add_layer(KvrnLayer parent, const wchar_t* name) {
    ensure_root();
    if (!parent) parent = handle_of_index(0);
    if (!layer_of(parent) || !name) return 0;
    append_layer(parent, name);
    return handle_of_index(scene_layers.size() - 1);
}

KVRN_HOST_API void kvrn_host_add_layers(KvrnLayer parent, const wchar_t* const* names) {
    for (; names && *names; ++names) kvrn_host_add_layer(parent, *names);
}

KVRN_HOST_API KvrnLayer kvrn_host_find_layer(KvrnLayer parent, const wchar_t* name) {
    ensure_root();
    if (!name) return 0;
    return find_below(parent ? parent : handle_of_index(0), name);
}

KVRN_HOST_API int kvrn_host_layer_state(KvrnLayer layer, KvrnLayerState* out) {
    EngineLayer* l = layer_of(layer);
    if (!l || !out) return 0;
    *out = l->state;
    copy_name(out->name, l->name.c_str());
    return 1;
}

KVRN_HOST_API void kvrn_host_set_transform(KvrnLayer layer, const KvrnVector* translation, const KvrnVector* rotation) {
    EngineLayer* l = layer_of(layer);
    if (!l) return;
    if (translation) l->state.translation = *translation;
    if (rotation) l->state.rotation = *rotation;
}

KVRN_HOST_API void kvrn_host_set_base_scale(KvrnLayer layer, float base_scale) {
    if (EngineLayer* l = layer_of(layer)) l->state.base_scale = base_scale;
}

KVRN_HOST_API void kvrn_host_world_position(KvrnLayer layer, KvrnVector* out) {
    if (!out) return;
    *out = {0, 0, 0, 0};
    for (EngineLayer* l = layer_of(layer); l; l = layer_of(l->state.parent)) {
        out->x += l->state.translation.x;
        out->y += l->state.translation.y;
        out->z += l->state.translation.z;
    }
}

KVRN_HOST_API uint32_t kvrn_host_layer_count(void) {
    ensure_root();
    return static_cast<uint32_t>(scene_layers.size());
}
