#include "frame_cost.h"

#include <string.h>
#include <wchar.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

#include "ground_path.h"
#include "kvrn_host.h"

namespace {

const int32_t FRAME_MS = 16;
const int32_t WARM_UP_MS = 10000;  // engines half way up; landing and front lights done
const uint32_t LOG_ROOM = 200000;  // engine calls logged for the replay, below the log's cap
// Warm-up, timed and logged frames together stay below the 625 frames after which the
// engines reach full power and their slot stops.
const uint32_t FRAMES_PER_SCENE = 500;  // at most
const uint32_t LOGGED_FRAMES = 100;

struct Aircraft {
    KvrnLayer object;
    KvrnLayer idle_twin;  // an object whose entry does nothing, for the bare replay of the sends
    PathState path;       // the host's taxi state of this aircraft
};

uint32_t __stdcall idle_entry(uint32_t, uint32_t, tagKVRNFILE*) { return 0; }

// One engine call as the replay needs it.
struct ReplayCall {
    uint32_t kind;
    KvrnLayer layer;
    int32_t ints[3];
    float value;
    uint32_t flags;
    KvrnVector vectors[2];
};

// Start commands of the running parts: (slot, ival1, ival2).
const int32_t running_parts[][3] = {
    {19, 1, 1},    // light parameters: the dynamic light follows the flashing lamps
    {31, 1, 0},    // navigation lights
    {30, 1, 0},    // beacon
    {36, 1, 0},    // strobes
    {26, 1, 0},    // tyres
    {28, 100, 1},  // engines up together
    {33, 100, 0},  // landing lights
    {34, 1, 1},    // front light and beam
    {35, 1, 0},    // logo light
    {32, 60, 0},   // runway turn-off light
};

double now_ns() {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1e9 / static_cast<double>(frequency.QuadPart);
}

// The middle value, so that a moment when the machine was busy elsewhere does not count.
double median(std::vector<double>* values) {
    std::sort(values->begin(), values->end());
    return values->empty() ? 0.0 : (*values)[values->size() / 2];
}

// Taxiing straight ahead at 20 km/h towards a point it will not reach, slightly to one side so
// that the nose wheel steers.
void start_taxi(Aircraft* a, uint32_t index) {
    memset(&a->path, 0, sizeof a->path);
    a->path.layer = a->object;
    a->path.speed = 20.0f * 1000.0f / 3600.0f;
    a->path.position = {static_cast<float>(index) * 50.0f, 0.0f, 0.0f, 0.0f};
    a->path.target = {a->path.position.x + 2000.0f, 0.0f, 100000.0f, 0.0f};
}

bool build_scene(KvrnActionInterface entry, uint32_t count, std::vector<Aircraft>* aircraft) {
    kvrn_host_reset();
    kvrn_host_log_enable(0);
    kvrn_host_set_lenient(1);  // the model has every layer the plug-in looks for
    aircraft->assign(count, Aircraft{});
    for (uint32_t i = 0; i < count; ++i) {
        wchar_t name[32];
        swprintf(name, 32, L"aircraft%u", i);
        Aircraft& a = (*aircraft)[i];
        a.object = kvrn_host_create_object(name, entry);
        if (!a.object || kvrn_host_send(a.object, KVRN_CMD_CREATE, 0, 0, 0, 0) != 1) return false;
        for (const auto& part : running_parts) kvrn_host_send(a.object, part[0], part[1], part[2], 0, 0);
        start_taxi(&a, i);
        swprintf(name, 32, L"idle%u", i);
        a.idle_twin = kvrn_host_create_object(name, idle_entry);
        kvrn_host_send(a.object, KVRN_CMD_TICK, WARM_UP_MS, 0, 0, 0);
    }
    return true;
}

void run_frames(std::vector<Aircraft>& aircraft, uint32_t frames) {
    for (uint32_t f = 0; f < frames; ++f)
        for (Aircraft& a : aircraft) {
            kvrn_host_send(a.object, KVRN_CMD_TICK, FRAME_MS, 0, 0, 0);
            kvrn_host_send(a.object, KVRN_CMD_LIGHT, 0, 0, 0, 0);
            kvrn_host_send(a.object, SLOT_TAXI, path_state_argument(&a.path), FRAME_MS, 0, 0);
        }
}

// The engine calls of the logged frames without the posts the engine noticed: the host's sends
// (made again to each aircraft's idle twin) and the plug-ins' calls.
std::vector<ReplayCall> logged_calls(const std::vector<Aircraft>& aircraft) {
    std::map<KvrnLayer, KvrnLayer> twins;
    for (const Aircraft& a : aircraft) twins[a.object] = a.idle_twin;
    std::vector<ReplayCall> calls;
    KvrnCall call;
    for (uint32_t i = 0; kvrn_host_log_get(i, &call); ++i) {
        if (call.kind == KVRN_CALL_POST) continue;
        ReplayCall r;
        r.kind = call.kind;
        r.layer = call.layer;
        if (call.kind == KVRN_CALL_HOST_SEND) r.layer = twins[call.layer];
        memcpy(r.ints, call.ints, sizeof r.ints);
        r.value = call.floats[0];
        r.flags = call.flags;
        memcpy(r.vectors, call.vectors, sizeof r.vectors);
        calls.push_back(r);
    }
    return calls;
}

// Makes each call again with the same arguments; returns the calls it could not make.
uint32_t replay(const std::vector<ReplayCall>& calls) {
    const KvrnContext context = kvrn_host_context();
    static const KvrnVector unit = {1, 1, 1, 0};
    alignas(8) static uint8_t world[256];
    static uint8_t light[56];
    uint32_t skipped = 0;
    for (const ReplayCall& c : calls) {
        switch (c.kind) {
            case KVRN_CALL_HOST_SEND:
                kvrn_host_send(c.layer, c.ints[0], c.ints[1], c.ints[2], 0.0f, 0.0f);
                break;
            case KVRN_CALL_MOVE_LAYER:
                KVRNL_MoveLayer(context, c.layer, c.flags & 1 ? &c.vectors[0] : nullptr,
                                c.flags & 2 ? &c.vectors[1] : nullptr, c.flags & 4 ? &unit : nullptr, 0, 0);
                break;
            case KVRN_CALL_SWITCH_LAYER:
                KVRNL_SwitchLayer(context, c.layer, static_cast<uint32_t>(c.ints[0]));
                break;
            case KVRN_CALL_RECALL_FUNCTION: {
                float scale = c.value;
                KvrnWord value = c.ints[0] == KVRN_PROP_SCALE ? reinterpret_cast<KvrnWord>(&scale)
                                                              : static_cast<KvrnWord>(c.ints[1]);
                KVRNL_EXT_RecallFunction(context, c.layer, static_cast<uint32_t>(c.ints[0]), value, 0, 1);
                break;
            }
            case KVRN_CALL_EXT_FUNCTION:
                KVRNL_EXT_Function(context, c.layer, static_cast<uint32_t>(c.ints[0]), world, 0, 0, 0, 0, 0);
                break;
            case KVRN_CALL_GET_MOVE_LAYER: {
                KvrnVector t, r, s;
                KVRNL_GetMoveLayer(context, c.layer, &t, &r, &s, 0, 0);
                break;
            }
            case KVRN_CALL_SET_LIGHT:
                KVRN_SetLight(context, static_cast<uint32_t>(c.ints[0]), c.ints[1] ? light : nullptr);
                break;
            case KVRN_CALL_MOVE_ACTION:
                // Only the record query comes back without entering a plug-in.
                if (c.ints[0] == KVRN_CMD_RECORD)
                    KVRNL_MoveAction(context, c.layer, KVRN_CMD_RECORD, 0, 0, 0.0f, 0.0f);
                else
                    ++skipped;
                break;
            default:
                ++skipped;
                break;
        }
    }
    return skipped;
}

}  // namespace

int measure_frame_cost(uint32_t count, uint32_t aircraft_frames, FrameCost* out) {
    memset(out, 0, sizeof *out);
    KvrnActionInterface entry = kvrn_host_load_plugin(L"acplug03.dll");
    if (!entry || count == 0) return 0;

    // Fresh scenes until enough aircraft-frames were timed, each scene short enough that its
    // engines are still spooling when its logged frames end.
    uint32_t per_scene = (aircraft_frames + count - 1) / count;
    if (per_scene > FRAMES_PER_SCENE) per_scene = FRAMES_PER_SCENE;
    if (per_scene == 0) per_scene = 1;
    uint32_t scenes = (aircraft_frames + count * per_scene - 1) / (count * per_scene);
    std::vector<Aircraft> aircraft;
    std::vector<double> plugin;  // ns per aircraft-frame of each scene
    for (uint32_t scene = 0; scene < scenes; ++scene) {
        if (scene > 0) {
            for (Aircraft& a : aircraft) kvrn_host_send(a.object, KVRN_CMD_DESTROY, 0, 0, 0, 0);
        }
        if (!build_scene(entry, count, &aircraft)) return 0;
        double start = now_ns();
        run_frames(aircraft, per_scene);
        plugin.push_back((now_ns() - start) / (static_cast<double>(count) * per_scene));
    }

    // More frames of the last scene with the log on, as many as it has room for.
    kvrn_host_log_clear();
    kvrn_host_log_enable(1);
    run_frames(aircraft, 1);
    uint32_t logged_frames = 1;
    uint32_t per_frame = kvrn_host_log_count();
    uint32_t room = per_frame > 0 ? LOG_ROOM / per_frame : 1;
    if (room > LOGGED_FRAMES) room = LOGGED_FRAMES;
    if (room > 1) {
        run_frames(aircraft, room - 1);
        logged_frames = room;
    }
    kvrn_host_log_enable(0);
    std::vector<ReplayCall> calls = logged_calls(aircraft);
    kvrn_host_log_clear();

    // The logged frames replayed until as many aircraft-frames have passed as were timed.
    uint32_t frames = scenes * per_scene;
    uint32_t rounds = frames / logged_frames > 0 ? frames / logged_frames : 1;
    std::vector<double> bare;  // ns per aircraft-frame of each replay
    for (uint32_t r = 0; r < rounds; ++r) {
        double start = now_ns();
        out->calls_not_replayed = replay(calls);
        bare.push_back((now_ns() - start) / (static_cast<double>(count) * logged_frames));
    }

    out->aircraft = count;
    out->frames = frames;
    out->plugin_ns = median(&plugin);
    out->engine_calls = static_cast<double>(calls.size()) / (static_cast<double>(count) * logged_frames);
    out->bare_ns = median(&bare);
    for (Aircraft& a : aircraft) kvrn_host_send(a.object, KVRN_CMD_DESTROY, 0, 0, 0, 0);
    kvrn_host_reset();
    return 1;
}
