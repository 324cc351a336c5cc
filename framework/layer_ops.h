// Short forms of the engine's layer calls that the slot routines make on every update.
#pragma once

#include "kvrn_engine.h"

// A layer found by name under the scene root, such as another object of the scene (the tow
// vehicle, "Slip"); the engine gives the root for parent 0 and no name.
inline KvrnLayer find_scene_layer(KvrnContext context, const wchar_t* name) {
    KvrnLayer root = KVRNL_SearchLayer(context, 0, nullptr);
    return KVRNL_SearchLayer(context, root, name);
}

inline void show_layer(KvrnContext context, KvrnLayer layer, bool shown) {
    KVRNL_SwitchLayer(context, layer, shown ? 1 : 0);
}

// Sets the rotation and leaves the translation as it is.
inline void rotate_layer(KvrnContext context, KvrnLayer layer, float x, float y, float z) {
    KvrnVector rotation = {x, y, z, 0.0f};
    KVRNL_MoveLayer(context, layer, nullptr, &rotation, nullptr, 0, 0);
}

// Sets the translation and leaves the rotation as it is.
inline void translate_layer(KvrnContext context, KvrnLayer layer, float x, float y, float z) {
    KvrnVector translation = {x, y, z, 0.0f};
    KVRNL_MoveLayer(context, layer, &translation, nullptr, nullptr, 0, 0);
}

// A mirrored pair about z: `plus` turns by +angle, `minus` by -angle.
inline void rotate_pair_about_z(KvrnContext context, KvrnLayer plus, KvrnLayer minus, float angle) {
    rotate_layer(context, plus, 0.0f, 0.0f, angle);
    rotate_layer(context, minus, 0.0f, 0.0f, -angle);
}

// The layer's current pitch: the x of its rotation.
inline float layer_pitch(KvrnContext context, KvrnLayer layer) {
    KvrnVector translation = {}, rotation = {}, scale = {};
    KVRNL_GetMoveLayer(context, layer, &translation, &rotation, &scale, 0, 0);
    return rotation.x;
}

inline void move_layer(KvrnContext context, KvrnLayer layer, const KvrnVector& translation,
                       const KvrnVector& rotation) {
    KVRNL_MoveLayer(context, layer, &translation, &rotation, nullptr, 0, 0);
}

// 0 opaque .. 255 invisible.
inline void set_transparency(KvrnContext context, KvrnLayer layer, uint32_t transparency) {
    KVRNL_EXT_RecallFunction(context, layer, KVRN_PROP_TRANSPARENCY, transparency, 0, 1);
}

// Scale of a glow sprite.
inline void set_glow_scale(KvrnContext context, KvrnLayer layer, float scale) {
    KVRNL_EXT_RecallFunction(context, layer, KVRN_PROP_SCALE, reinterpret_cast<KvrnWord>(&scale), 0, 1);
}

inline int32_t clamp_percent(int32_t level) { return level < 0 ? 0 : level > 100 ? 100 : level; }
