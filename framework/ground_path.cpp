// Slot 38 (ground geometry) and slot 40 (taxi step, alone or behind a tow vehicle).
#include "ground_path.h"

#include <math.h>
#include <string.h>

#include "aircraft_type.h"
#include "angles.h"
#include "taxi_motion.h"

namespace {
constexpr GroundPath reference_ground_numbers() {
    GroundPath g{};
    g.taxi.wheelbase = 12.296f;
    g.taxi.steer_limit = 60.0f;
    g.taxi.steer_time = 3000.0f;
    g.taxi.lookahead_seconds = 2.0f;
    g.start_heading = 270.0f;
    const float route[PUSHBACK_WAYPOINTS][2] = {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}};
    for (int i = 0; i < PUSHBACK_WAYPOINTS; ++i) {
        g.waypoints[i][0] = route[i][0];
        g.waypoints[i][1] = route[i][1];
    }
    g.geometry.count = 2;
    g.geometry.size = 0.6f;
    g.geometry.px[0] = 3.531f;
    g.geometry.px[1] = -3.531f;
    g.tow_name = L"atl";
    g.tow_body_name = L"atl_all";
    g.tow_bar_name = L"tbr_L";
    g.hitch_offset = 3.5f;
    g.bar_length = 3.5f;
    return g;
}
}  // namespace

extern constexpr GroundPath reference_ground_path = reference_ground_numbers();

namespace {
TaxiNumbers taxi_numbers(const ActionSlot* slot) {
    return {slot->word6.f, slot->word7.f, slot->word8.f, type_ground_path()->taxi.lookahead_seconds};
}

// Nose steering (slot 25) and the tyres turned by the distance rolled (slot 26, which also ends
// their free-running roll), each through its slot's own start routine.
void steer_and_roll(KvrnContext context, KvrnLayer object, const ActionSlot* taxi, float steer, float rolled) {
    if (ActionSlot* nose = static_cast<ActionSlot*>(taxi->word1.p))
        if (nose->start) nose->start(context, object, nose, 0, 0, steer, 0.0f);
    if (ActionSlot* tyres = static_cast<ActionSlot*>(taxi->word2.p))
        if (tyres->start) tyres->start(context, object, tyres, 0, 0, rolled, 0.0f);
}

// The aircraft follows its tow vehicle: the vehicle takes its own step through its command 40,
// the tow bar swings after the hitch, and the nose wheel sits at the bar's free end.
int32_t tow_follow_step(KvrnContext context, KvrnLayer object, const ActionSlot* taxi, PathState* s, int32_t step_ms) {
    PathState tow;
    memset(&tow, 0, sizeof tow);
    tow.layer = s->tow_layer;
    tow.speed = s->speed;
    tow.steer = s->tow_steer;
    tow.position = s->tow_position;
    tow.rotation = s->tow_rotation;
    tow.target = s->target;
    uint32_t going =
        KVRNL_MoveAction(context, s->tow_object, TOW_TAXI_STEP, path_state_argument(&tow), step_ms, 0.0f, 0.0f);
    if (going == 0) return 0;
    s->tow_steer = tow.steer;
    s->tow_position = tow.position;
    s->tow_rotation = tow.rotation;

    float g = s->tow_rotation.y * RADIANS_PER_DEGREE;
    s->hitch[0] = s->tow_position.x - s->hitch_offset * sinf(g);
    s->hitch[1] = s->tow_position.y;
    s->hitch[2] = s->tow_position.z - s->hitch_offset * cosf(g);

    float bx = s->bar_end.x - s->hitch[0], bz = s->bar_end.z - s->hitch[2];
    normalize_vec2(&bx, &bz);
    s->bar_rotation = {0.0f, signed_angle_deg(0.0f, 1.0f, bx, bz) - 180.0f, 0.0f, 0.0f};
    s->bar_end.x = s->hitch[0] + bx * s->bar_length;
    s->bar_end.z = s->hitch[2] + bz * s->bar_length;
    s->bar_position = s->bar_end;
    KVRNL_MoveLayer(context, s->bar_layer, &s->bar_position, &s->bar_rotation, nullptr, 0, 0);

    float mx = s->bar_end.x - s->nose.x, mz = s->bar_end.z - s->nose.z;
    float moved = sqrtf(mx * mx + mz * mz);
    s->nose.x = s->bar_end.x;
    s->nose.z = s->bar_end.z;

    float ux = s->position.x - s->nose.x, uz = s->position.z - s->nose.z;
    normalize_vec2(&ux, &uz);
    float heading = signed_angle_deg(0.0f, 1.0f, ux, uz) - 180.0f;
    while (heading < 0.0f) heading += 360.0f;
    float wheelbase = taxi->word6.f;
    s->position.x = s->nose.x + ux * wheelbase;
    s->position.z = s->nose.z + uz * wheelbase;
    // Kept as the heading, so that the next step's nose point is where the nose wheel stands
    // and the distance rolled is measured from there.
    s->rotation.y = heading;
    // The bar's heading and the aircraft's may lie a whole turn apart; the wheel angle is the
    // small angle between them.
    s->steer = relative_angle(s->bar_rotation.y - heading);

    KvrnVector rotation = {s->rotation.x, heading - 180.0f, s->rotation.z, 0.0f};
    KVRNL_MoveLayer(context, s->layer, &s->position, &rotation, nullptr, 0, 0);
    steer_and_roll(context, object, taxi, s->steer, moved);
    return 1;
}
}  // namespace

const GroundPath* type_ground_path() {
    return aircraft_type && aircraft_type->ground ? aircraft_type->ground : &reference_ground_path;
}

int32_t geometry_query(KvrnContext, KvrnLayer, ActionSlot*, KvrnInt ival1, KvrnInt, float, float) {
    if (GeometryRecord* out = reinterpret_cast<GeometryRecord*>(ival1)) *out = type_ground_path()->geometry;
    return 0;
}

int32_t taxi_step(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2, float fval1,
                  float) {
    PathState* s = path_state_from(ival1);
    if (!s) return 0;
    place_nose(s, slot->word6.f);
    if (ival2 <= 0) return 1;  // a step of no time moves nothing
    if (s->tow) return tow_follow_step(context, object, slot, s, ival2);
    float rolled = 0.0f;
    if (!taxi_drive(context, s, ival2, fval1, taxi_numbers(slot), &rolled)) return 0;
    steer_and_roll(context, object, slot, s->steer, rolled);
    return 1;
}

void taxi_slot_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    const GroundPath* ground = type_ground_path();
    slot->word1.p = get_action_slot(context, object, SLOT_NOSE_STEER);
    slot->word2.p = get_action_slot(context, object, SLOT_TYRES);
    slot->word5.u = 0;
    slot->word6.f = ground->taxi.wheelbase;
    slot->word7.f = ground->taxi.steer_limit;
    slot->word8.f = ground->taxi.steer_time;
}
