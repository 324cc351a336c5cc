// acplug15's landing gear (slot 27) and its body pitch with main struts that compress on the
// ground (slot 20).
#include <math.h>

#include "acplug15_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "surfaces.h"  // the framework's body pitch

namespace {
enum GearLayer {
    NOSE_GEAR,
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    NOSE_DOOR_R,
    NOSE_DOOR_S,
    NOSE_DOOR_U,
    NOSE_DOOR_W,
    MAIN_TYRES,
    MAIN_BODY,
    RIGHT_SHAFT,
    WING_DOOR_1,
    WING_DOOR_2,
    WING_DOOR_3,
    LEFT_SHAFT,
    WING_DOOR_4,
    WING_DOOR_5,
    WING_DOOR_6,
};
enum PitchLayer { ROOT, RIGHT_STRUT, LEFT_STRUT };

const float STRUT_COMPRESSED = -35.0f;  // degrees, standing on the ground
const float STRUT_FREE_HEIGHT = 0.5f;   // from this height up the struts hang extended

// Nose gear: n strut, k front door pair, r, s, u, w the other four doors; degrees.
struct NosePose {
    bool shown;
    float n, k, r, s, u, w;
};

NosePose nose_pose(float p) {
    if (p < 0.1f) return {false, 90, 60, 0, 0, 0, 0};
    if (p < 0.3f) {
        float e = (p - 0.1f) / 0.2f;
        float c = e < 0.5f ? 0.0f : (e - 0.5f) * 2.0f;
        return {true, 90, 60, 80 * e, 70 * c, 90 * c, 0};
    }
    if (p < 0.7f) {
        float e = (p - 0.3f) / 0.4f;
        float g = e < 0.5f ? 0.0f : (p - 0.5f) / 0.2f;
        return {true, (1 - e) * 60 + 30, (1 - g) * 30 + 30, 80, 70, 90, 28 * e};
    }
    if (p < 0.9f) {
        float e = (p - 0.7f) / 0.2f;
        return {true, (1 - e) * 30, (1 - e) * 30, 80, 70, 90, 28};
    }
    return {true, 0, 0, 80, 70, 90, 28};
}

// Main gear: strut pitch g, yaw c, roll h and offset (0, y, z); wing doors s, r, q; degrees.
struct MainPose {
    float g, c, h, y, z, s, r, q;
};

MainPose main_pose(float p) {
    if (p <= 0.0f) return {0, 90, 90, 1.1f, 0.5f, 0, 0, 0};
    if (p < 0.1f) return {0, 90, 90, 1.1f, 0.5f, 0, 90 * p / 0.1f, 0};
    if (p < 0.8f) {
        float m = (p - 0.1f) / 0.7f;
        float a = 50, b = 60;
        if (m < 0.5f) {
            float v = 1 - 2 * m;
            a = 50 * (1 - powf(v, 3));
            b = 60 * (1 - powf(v, 12));
        }
        return {26 * m,         90 * cosf(m * PI / 2), 90 * (1 - m), 1.1f * (1 - m),
                0.5f * (1 - m), 40 * sinf(m * PI) + a, 90,           50 * sinf(m * PI) + b};
    }
    return {26, 0, 0, 0, 0, 50, 90, 60};
}
}  // namespace

namespace acplug15 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;

    NosePose nose = nose_pose(p);
    show_layer(context, layers[NOSE_GEAR], nose.shown);
    rotate_layer(context, layers[NOSE_GEAR], nose.n, 0.0f, 0.0f);
    rotate_layer(context, layers[NOSE_DOOR_1], -nose.k, 0.0f, 0.0f);
    rotate_layer(context, layers[NOSE_DOOR_2], nose.k, 0.0f, 0.0f);
    rotate_layer(context, layers[NOSE_DOOR_R], 0.0f, 0.0f, -nose.r);
    rotate_layer(context, layers[NOSE_DOOR_S], 0.0f, 0.0f, nose.s);
    rotate_layer(context, layers[NOSE_DOOR_U], 0.0f, 0.0f, -nose.u);
    rotate_layer(context, layers[NOSE_DOOR_W], -nose.w, 0.0f, 0.0f);

    MainPose main = main_pose(p);
    show_layer(context, layers[MAIN_TYRES], p != 0.0f);
    show_layer(context, layers[MAIN_BODY], p != 0.0f);
    move_layer(context, layers[RIGHT_SHAFT], {0.0f, main.y, main.z, 0.0f}, {-main.g, -main.c, main.h, 0.0f});
    move_layer(context, layers[LEFT_SHAFT], {0.0f, main.y, main.z, 0.0f}, {-main.g, main.c, -main.h, 0.0f});
    rotate_pair_about_z(context, layers[WING_DOOR_1], layers[WING_DOOR_4], main.s);
    rotate_pair_about_z(context, layers[WING_DOOR_5], layers[WING_DOOR_2], main.r);
    rotate_pair_about_z(context, layers[WING_DOOR_3], layers[WING_DOOR_6], main.q);
}

int32_t body_pitch_set(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                       float pitch, float height) {
    ::body_pitch_set(context, object, slot, ival1, ival2, pitch, height);
    float strut = 0.0f;
    if (height <= 0.0f)
        strut = STRUT_COMPRESSED;
    else if (height < STRUT_FREE_HEIGHT)
        strut = (1.0f - height / STRUT_FREE_HEIGHT) * STRUT_COMPRESSED;
    rotate_layer(context, slot->layers[RIGHT_STRUT], strut, 0.0f, 0.0f);
    rotate_layer(context, slot->layers[LEFT_STRUT], strut, 0.0f, 0.0f);
    return 0;
}
}  // namespace acplug15
