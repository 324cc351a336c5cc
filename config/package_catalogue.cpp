// The add-on package catalogue: descriptors, their registry entries and the newest-first sort.
#include "package_catalogue.h"
#include <windows.h>
#include <stdlib.h>
#include <string.h>
#include "partition_sort.h"
#include "registry_values.h"
#include "settings_store.h"
#include "startup_lists.h"

namespace {

const wchar_t ENGLISH_UNINSTALL_KEY[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tovimark3";
const wchar_t JAPANESE_UNINSTALL_KEY[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\トヴィマーク３";

// The characters of the date value name that name the date and not the version.
const size_t DATE_SUFFIX_CHARS = 4;
// The last number of the date or the time (year, second) is read from a buffer of 8
// characters: one this long or longer is not read and counts as 0.
const ptrdiff_t LONGEST_LAST_FIELD = 8;

const int32_t NEWEST_FIRST = 0;

const size_t DATE_NAME_CHARS = sizeof(PackageDescriptor::date_value_name) / sizeof(wchar_t);

template <size_t N>
constexpr size_t chars_of(const wchar_t (&)[N]) {
    return N;
}

// Copies a text area that may lack its NUL into out (capacity characters), cut to fit.
void copy_area(wchar_t* out, size_t capacity, const wchar_t* area, size_t area_chars) {
    size_t length = wcsnlen(area, area_chars);
    if (length > capacity - 1) length = capacity - 1;
    wmemcpy(out, area, length);
    out[length] = 0;
}

const wchar_t* uninstall_key(uint32_t language) {
    return language == 2 ? JAPANESE_UNINSTALL_KEY : ENGLISH_UNINSTALL_KEY;
}

// Looks the package's version and install date up under the uninstall key of the language.
// The version is read under the whole name less its suffix, not under the cut key name.
void read_install_entries(PackageRecord* record, const PackageDescriptor* descriptor, uint32_t language) {
    const wchar_t* key = uninstall_key(language);
    wchar_t date_name[DATE_NAME_CHARS + 1];
    copy_area(date_name, chars_of(date_name), descriptor->date_value_name, DATE_NAME_CHARS);
    size_t length = wcslen(date_name);
    // An empty value name would read the key's default value instead of the package's.
    if (length > DATE_SUFFIX_CHARS) {
        wchar_t version_name[DATE_NAME_CHARS + 1];
        copy_area(version_name, chars_of(version_name), date_name, length - DATE_SUFFIX_CHARS);
        reg_read_dword(key, version_name, &record->version);
    }
    wchar_t text[REGISTRY_TEXT_CHARS];
    if (length && reg_read_string(text, key, date_name))
        parse_install_datetime(text, &record->install_time, &record->install_date);
}

// Reads up to a descriptor's size of the file into descriptor (cleared by the caller).
int read_descriptor_file(const wchar_t* path, PackageDescriptor* descriptor) {
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD got = 0;
    ReadFile(file, descriptor, sizeof *descriptor, &got, nullptr);
    CloseHandle(file);
    return 1;
}

// Decimal digits with an optional leading '-', up to the first other character. A number too
// long for 32 bits wraps round rather than overflowing.
int32_t read_number(const wchar_t* begin, const wchar_t* end) {
    bool negative = begin < end && *begin == L'-';
    if (negative) ++begin;
    uint32_t value = 0;
    for (; begin < end && *begin >= L'0' && *begin <= L'9'; ++begin) value = value * 10 + (uint32_t)(*begin - L'0');
    return (int32_t)(negative ? 0u - value : value);
}

// The numbers of "a<separator>b<separator>c" in [begin, end); the last field is the rest of the
// text and a missing field reads 0. Composed as (a × 100 + b) × 100 + c in the given order.
uint32_t read_three_fields(const wchar_t* begin, const wchar_t* end, wchar_t separator, const int order[3]) {
    int64_t numbers[3];
    for (int i = 0; i < 3; ++i) {
        const wchar_t* stop = end;
        if (i < 2)
            for (stop = begin; stop < end && *stop != separator; ++stop) {
            }
        numbers[i] = i == 2 && stop - begin >= LONGEST_LAST_FIELD ? 0 : read_number(begin, stop);
        begin = stop < end ? stop + 1 : end;
    }
    return (uint32_t)((numbers[order[0]] * 100 + numbers[order[1]]) * 100 + numbers[order[2]]);
}

// Later install (date, then time) first with direction 0; earlier first otherwise.
int package_stands_before(const void* item, const void* pivot, const SortOrder* order) {
    const PackageRecord* a = (const PackageRecord*)item;
    const PackageRecord* b = (const PackageRecord*)pivot;
    int compared = 0;
    if (order->key == SORT_BY_INSTALL) {
        if (a->install_date != b->install_date)
            compared = a->install_date > b->install_date ? 1 : -1;
        else if (a->install_time != b->install_time)
            compared = a->install_time > b->install_time ? 1 : -1;
    }
    return order->direction == NEWEST_FIRST ? compared >= 0 : compared < 0;
}

struct PackageScan {
    PackageRecord** list;
    uint32_t* count;
};

int take_package(const wchar_t* path, const wchar_t* name, void* context) {
    wchar_t extension[16];
    if (!get_extension(name, extension) || _wcsicmp(extension, L".prd") != 0) return 0;
    PackageRecord record;
    if (!read_package_descriptor(&record, path)) return 0;
    PackageScan* scan = (PackageScan*)context;
    PackageRecord* grown = (PackageRecord*)realloc(*scan->list, (*scan->count + 1) * sizeof(PackageRecord));
    if (!grown) return 0;  // out of memory: this package is left out
    *scan->list = grown;
    grown[(*scan->count)++] = record;
    return 0;
}

}  // namespace

void describe_package(PackageRecord* record, const PackageDescriptor* descriptor, uint32_t language) {
    memset(record, 0, sizeof *record);
    const wchar_t* display = language == 2 ? descriptor->japanese_title : descriptor->english_title;
    size_t display_chars = language == 2 ? chars_of(descriptor->japanese_title) : chars_of(descriptor->english_title);
    copy_area(record->display_name, chars_of(record->display_name), display, display_chars);
    copy_area(record->english_title, chars_of(record->english_title), descriptor->english_title,
              chars_of(descriptor->english_title));
    copy_area(record->short_tag, chars_of(record->short_tag), descriptor->short_tag, chars_of(descriptor->short_tag));
    size_t length = wcsnlen(descriptor->date_value_name, chars_of(descriptor->date_value_name));
    if (length > DATE_SUFFIX_CHARS)
        copy_area(record->key_name, chars_of(record->key_name), descriptor->date_value_name,
                  length - DATE_SUFFIX_CHARS);
}

int read_package_descriptor(PackageRecord* record, const wchar_t* path) {
    PackageDescriptor descriptor;
    memset(&descriptor, 0, sizeof descriptor);
    int read = read_descriptor_file(path, &descriptor);
    describe_package(record, &descriptor, game_settings.language);
    if (read) read_install_entries(record, &descriptor, game_settings.language);
    return read;
}

void parse_install_datetime(const wchar_t* text, uint32_t* time, uint32_t* date) {
    static const int DATE_ORDER[3] = {2, 0, 1};  // month/day/year as (year, month, day)
    static const int TIME_ORDER[3] = {0, 1, 2};  // hour:minute:second
    *date = 0;
    *time = 0;
    const wchar_t* end = text + wcslen(text);
    const wchar_t* blank = wcschr(text, L' ');
    if (blank && blank + 1 == end) return;
    const wchar_t* date_end = blank ? blank : end;
    *date = read_three_fields(text, date_end, L'/', DATE_ORDER);
    if (blank) *time = read_three_fields(blank + 1, end, L':', TIME_ORDER);
}

void sort_packages(PackageRecord* list, int32_t first, int32_t last, int32_t key, int32_t direction) {
    SortOrder order = {key, direction};
    partition_sort(list, sizeof(PackageRecord), first, last, package_stands_before, &order);
}

void scan_packages(PackageRecord** list, uint32_t* count, const wchar_t* folder) {
    PackageScan scan = {list, count};
    walk_folder(folder, take_package, &scan);
}
