// acplug02's landing gear: a nose gear with four doors, and main gear on the shared
// quarter-half-quarter schedule whose inner shafts unfold with the outer ones and whose bogies
// turn from stowed to the bogie tilt as the gear comes down.
#include "acplug02_routines.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"
#include "main_gear.h"

namespace {
enum GearLayer {
    TYRES = 5,
    WELL_BODY,
    STRUT_1,
    STRUT_2,
    SHAFT_L,
    SHAFT_L2,
    SHAFT_R,
    SHAFT_R2,
    WING_DOOR_1,
    WING_DOOR_2,
    BOGIE_L,
    BOGIE_R,
};
const MainGearLayers main_layers = {{TYRES, WELL_BODY}, STRUT_1, STRUT_2, WING_DOOR_2, WING_DOOR_1, SHAFT_R, SHAFT_L};
const float INNER_SHAFT_UP = 20.0f;  // degrees about z, stowed
}  // namespace

namespace acplug02 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    four_door_nose_update(context, slot);
    const KvrnLayer* layers = slot->layers;
    MainGearPose pose = main_gear_pose(slot->progress);
    pose_main_gear(context, slot, main_layers, pose);
    rotate_pair_about_z(context, layers[SHAFT_R2], layers[SHAFT_L2], INNER_SHAFT_UP * (1.0f - pose.unfolded));
    float bogies = pose.unfolded * slot->word5.f;  // the tilt stored by the gear start
    rotate_layer(context, layers[BOGIE_L], bogies, 0.0f, 0.0f);
    rotate_layer(context, layers[BOGIE_R], bogies, 0.0f, 0.0f);
}
}  // namespace acplug02
