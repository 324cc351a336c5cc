// The installed add-on packages: the .prd descriptors below menu\local, each with the version
// and install date that its installer recorded under the game's uninstall key.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

// One installed package, as the system information page and the support report list it.
// Every text is NUL-terminated and cut to fit its field.
struct PackageRecord {
    wchar_t display_name[64];  // the Japanese title in the Japanese interface, else the English title
    wchar_t english_title[64];
    wchar_t short_tag[8];
    wchar_t key_name[16];   // value name of the version: the date's value name less its last 4 characters
    uint32_t version;       // 0 when the installer recorded none
    uint32_t install_date;  // YYYYMMDD, 0 when unknown
    uint32_t install_time;  // hhmmss, 0 when unknown
};
static_assert(offsetof(PackageRecord, english_title) == 128, "record layout");
static_assert(offsetof(PackageRecord, short_tag) == 256, "record layout");
static_assert(offsetof(PackageRecord, key_name) == 272, "record layout");
static_assert(offsetof(PackageRecord, version) == 304, "record layout");
static_assert(offsetof(PackageRecord, install_date) == 308, "record layout");
static_assert(offsetof(PackageRecord, install_time) == 312, "record layout");
static_assert(sizeof(PackageRecord) == 316, "record layout");

// The .prd file as the package installer writes it. DO NOT MODIFY: the installers write these
// offsets. Texts are UTF-16 little-endian, NUL-terminated within their area when they are shorter.
struct PackageDescriptor {
    uint8_t unread_head[256];
    wchar_t english_title[64];
    wchar_t japanese_title[128];
    wchar_t short_tag[8];
    uint8_t unread_tail[16];
    wchar_t date_value_name[32];  // install-date value name; less its last 4 characters, the version's
};
static_assert(offsetof(PackageDescriptor, english_title) == 256, "descriptor layout");
static_assert(offsetof(PackageDescriptor, japanese_title) == 384, "descriptor layout");
static_assert(offsetof(PackageDescriptor, short_tag) == 640, "descriptor layout");
static_assert(offsetof(PackageDescriptor, unread_tail) == 656, "descriptor layout");
static_assert(offsetof(PackageDescriptor, date_value_name) == 672, "descriptor layout");
static_assert(sizeof(PackageDescriptor) == 736, "descriptor layout");

// Sort key of sort_packages: the install date, then the install time.
constexpr int32_t SORT_BY_INSTALL = 8;

// Appends a record for every readable .prd file below folder to *list (grown one record at a
// time, free with free()) and counts it in *count.
void scan_packages(PackageRecord** list, uint32_t* count, const wchar_t* folder);
// The record of one descriptor file in the interface language of game_settings, with its
// version and install date from the registry: non-zero when the file was read.
int read_package_descriptor(PackageRecord* record, const wchar_t* path);
// The texts of a descriptor image for an interface language (2 Japanese); version and
// install date are left 0.
void describe_package(PackageRecord* record, const PackageDescriptor* descriptor, uint32_t language);
// "month/day/year hour:minute:second" into date YYYYMMDD and time hhmmss; a text without a
// blank is a date alone (time 0); a text whose only blank ends it gives 0 and 0.
void parse_install_datetime(const wchar_t* text, uint32_t* time, uint32_t* date);
// Sorts list[first..last] by SORT_BY_INSTALL; direction 0 puts the newest first.
void sort_packages(PackageRecord* list, int32_t first, int32_t last, int32_t key, int32_t direction);
