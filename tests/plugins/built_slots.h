// What a type's builders leave in the object's action table after create, written from the
// type's own slot list: each slot's record kind, clock, layers in order and the words set at build.
#pragma once

#include <stdint.h>

#include <vector>

enum : int32_t { SET_BY_START = -1 };  // a duration that the slot's start sets

// The object's own root layer, which a slot holds without looking it up.
inline const wchar_t* const ROOT_LAYER = L"<the object's root layer>";

struct BuiltWord {
    enum Kind { INT, FLOAT, BASE_SCALE_OF, SLOT };
    int32_t word;  // 1..8
    Kind kind;
    int32_t number;        // INT: the value; SLOT: the slot whose record the word points to
    float value;           // FLOAT: the value
    const wchar_t* layer;  // BASE_SCALE_OF: the layer whose base scale the word holds; "parent/name" below parent
};

inline BuiltWord int_word(int32_t word, int32_t value) { return {word, BuiltWord::INT, value, 0.0f, nullptr}; }
inline BuiltWord float_word(int32_t word, float value) { return {word, BuiltWord::FLOAT, 0, value, nullptr}; }
inline BuiltWord base_scale_word(int32_t word, const wchar_t* layer) {
    return {word, BuiltWord::BASE_SCALE_OF, 0, 0.0f, layer};
}
inline BuiltWord slot_word_of(int32_t word, int32_t slot) { return {word, BuiltWord::SLOT, slot, 0.0f, nullptr}; }

struct BuiltSlot {
    int32_t slot;
    uint32_t timed;    // 0: an immediate record
    int32_t duration;  // ms after create, or SET_BY_START (not checked)
    bool looping;
    std::vector<const wchar_t*> layers;  // in order
    std::vector<BuiltWord> words;
};

struct TypeBuild {
    const char* plugin;            // "acplug01"
    int32_t count;                 // entries of the action table
    std::vector<BuiltSlot> slots;  // every slot the type builds; every other entry stays NULL
};

// The jets (acplug01 to acplug09) and the propeller types and the rest (acplug10 to acplug17).
std::vector<TypeBuild> jet_type_builds();
std::vector<TypeBuild> other_type_builds();
// All seventeen.
inline std::vector<TypeBuild> all_type_builds() {
    std::vector<TypeBuild> builds = jet_type_builds();
    for (TypeBuild& build : other_type_builds()) builds.push_back(build);
    return builds;
}
