// The aircraft type catalogue as the build wrote it beside the programs: one row per plug-in
// built, in the catalogue's own columns.
#pragma once

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

struct CatalogueRow {
    std::string plugin;  // "acplug01"
    int32_t count = 0;   // entries of the action table
    std::vector<int32_t> left_out, added;
    uint32_t tyres = 0;
    float wheelbase = 0, steer_limit = 0, steer_time = 0;
    std::vector<float> geometry;           // count, size, px[4], pz[4]; empty when not given
    std::map<int32_t, int32_t> durations;  // slot -> ms
};

// A row names itself by its plug-in in test messages.
inline void PrintTo(const CatalogueRow& row, std::ostream* out) { *out << row.plugin; }

inline std::wstring plugin_dll(const CatalogueRow& row) {
    return std::wstring(row.plugin.begin(), row.plugin.end()) + L".dll";
}

// The fields of one line, split at the commas.
inline std::vector<std::string> catalogue_fields(const char* line) {
    std::vector<std::string> fields(1);
    for (const char* c = line; *c && *c != '\n' && *c != '\r'; ++c) {
        if (*c == ',')
            fields.emplace_back();
        else
            fields.back() += *c;
    }
    return fields;
}

inline std::vector<float> catalogue_numbers(const std::string& field) {
    std::vector<float> numbers;
    const char* c = field.c_str();
    for (char* end = nullptr;; c = end) {
        float value = strtof(c, &end);
        if (end == c) break;
        numbers.push_back(value);
    }
    return numbers;
}

inline std::vector<int32_t> catalogue_slots(const std::string& field) {
    std::vector<int32_t> slots;
    for (float n : catalogue_numbers(field)) slots.push_back(static_cast<int32_t>(n));
    return slots;
}

// "slot:ms slot:ms ..."
inline std::map<int32_t, int32_t> catalogue_durations(const std::string& field) {
    std::map<int32_t, int32_t> durations;
    const char* c = field.c_str();
    int slot = 0, ms = 0, used = 0;
    while (sscanf(c, " %d:%d%n", &slot, &ms, &used) == 2) {
        durations[slot] = ms;
        c += used;
    }
    return durations;
}

// The rows of aircraft_catalogue.csv in the working folder; empty when it cannot be read.
inline std::vector<CatalogueRow> read_catalogue() {
    std::vector<CatalogueRow> rows;
    FILE* file = fopen("aircraft_catalogue.csv", "r");
    if (!file) return rows;
    char line[1024];
    while (fgets(line, sizeof line, file)) {
        std::vector<std::string> f = catalogue_fields(line);
        if (f.size() < 10 || f[0].compare(0, 6, "acplug") != 0) continue;  // the header
        CatalogueRow row;
        row.plugin = f[0];
        row.count = atoi(f[1].c_str());
        row.left_out = catalogue_slots(f[2]);
        row.added = catalogue_slots(f[3]);
        row.tyres = static_cast<uint32_t>(atoi(f[4].c_str()));
        row.wheelbase = strtof(f[5].c_str(), nullptr);
        row.steer_limit = strtof(f[6].c_str(), nullptr);
        row.steer_time = strtof(f[7].c_str(), nullptr);
        row.geometry = catalogue_numbers(f[8]);
        row.durations = catalogue_durations(f[9]);
        rows.push_back(row);
    }
    fclose(file);
    return rows;
}

// The plug-ins of the catalogue, for parameterized tests.
inline std::vector<std::string> catalogue_plugins() {
    std::vector<std::string> names;
    for (const CatalogueRow& row : read_catalogue()) names.push_back(row.plugin);
    return names;
}
