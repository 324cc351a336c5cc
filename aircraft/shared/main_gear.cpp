#include "main_gear.h"

#include "layer_ops.h"
#include "shared_numbers.h"

MainGearPose main_gear_pose(float p) {
    const SharedNumbers& numbers = shared_numbers();
    float doors = numbers.main_door_open, wing_doors = numbers.main_wing_door_open, up = numbers.main_shaft_up;
    if (p <= 0.0f) return {0.0f, 0.0f, up, 0.0f};
    if (p < 0.25f) return {4.0f * p * doors, 0.0f, up, 0.0f};
    if (p < 0.75f) {
        float u = 2.0f * (p - 0.25f);
        return {doors, wing_doors * u, up * (1.0f - u), u};
    }
    if (p < 1.0f) return {doors * (1.0f - 4.0f * (p - 0.75f)), wing_doors, 0.0f, 1.0f};
    return {0.0f, wing_doors, 0.0f, 1.0f};
}

void pose_main_gear(KvrnContext context, const ActionSlot* slot, const MainGearLayers& layers,
                    const MainGearPose& pose) {
    const KvrnLayer* layer = slot->layers;
    show_layer(context, layer[layers.shown[0]], slot->progress != 0.0f);
    show_layer(context, layer[layers.shown[1]], slot->progress != 0.0f);
    rotate_pair_about_z(context, layer[layers.door_plus], layer[layers.door_minus], pose.doors);
    rotate_pair_about_z(context, layer[layers.wing_door_plus], layer[layers.wing_door_minus], pose.wing_doors);
    rotate_pair_about_z(context, layer[layers.shaft_plus], layer[layers.shaft_minus], pose.shafts);
}
