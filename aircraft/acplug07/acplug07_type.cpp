// acplug07, a four-jet wide-body airliner: acplug06 with every routine and number, another door
// (the eased "Z_1door") and the sequences whose after-take-off and final phases run 12000 ms.
#include "acplug06_type.h"
#include "eased_door.h"
#include "long_climb_sequences.h"
#include "type_numbers.h"

namespace {
const wchar_t* const door_layers[] = {L"Z_1door", nullptr};
const SlotEdit door_edit = {SLOT_DOOR, door_layers, 6000, nullptr, eased_door_update};

// acplug06's part edits with this type's door in slot 37; filled when the type is made.
SlotEdit part_edits[ACPLUG06_PART_EDITS];

List<SlotEdit> edits_with_own_door(const List<SlotEdit>& four_jet) {
    size_t count = 0;
    for (size_t i = 0; i < four_jet.count && count < ACPLUG06_PART_EDITS; ++i)
        part_edits[count++] = four_jet.items[i].slot == SLOT_DOOR ? door_edit : four_jet.items[i];
    return {part_edits, count};
}

const TypeNumbers acplug07_numbers = [] {
    TypeNumbers numbers = *acplug06_type().numbers;
    numbers.door_angle = -120.0f;
    return numbers;
}();

const AircraftType acplug07_type = [] {
    AircraftType type = acplug06_type();
    type.part_slots.edits = edits_with_own_door(type.part_slots.edits);
    type.sequence_slots.edits = long_climb_sequence_edits;
    type.numbers = &acplug07_numbers;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug07_type;
