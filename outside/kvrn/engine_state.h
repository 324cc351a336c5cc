// Module state of the stand-in engine, shared by its source files.
#pragma once

#include <deque>
#include <string>

#include "kvrn_host.h"

struct EngineLayer {
    std::wstring name;
    KvrnLayerState state;  // state.name is filled on read-back; &state.base_scale is handed out,
                           // so layers never move
};

struct EngineObject {
    KvrnLayer root;
    tagKVRNFILE record;
    KvrnActionInterface entry;
    tagKVRNFILE seen;  // the tail as the engine last saw or wrote it, to notice plug-in posts
};

enum { ENGINE_CONTEXT = 0x4B56524E, FIRST_LAYER_HANDLE = 0x1000 };

extern std::deque<EngineLayer> scene_layers;  // index 0 is the scene root
extern std::deque<EngineObject> scene_objects;
extern bool lenient_layers;

EngineLayer* layer_of(KvrnLayer handle);
KvrnLayer handle_of_index(size_t index);
EngineObject* object_of(KvrnLayer root);
void reset_objects();
void reset_scene();
void reset_heap();
void reset_lights();

// Appends a call to the log; returns the entry for the caller to fill, or NULL when full or off.
KvrnCall* log_call(uint32_t kind, KvrnContext context, KvrnLayer layer);
void log_set_result(uint32_t index, KvrnWord result);
void reset_log();
// Logs a KVRN_CALL_POST for every object whose record tail a plug-in rewrote since last seen.
void notice_posts();
void copy_name(wchar_t (&out)[KVRN_HOST_NAME_CHARS], const wchar_t* name);
