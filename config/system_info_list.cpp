// The system information list's rows: one table in list order, each row a label with the routine that
// writes its value (or the routine that appends a group of rows), read by one routine.
#include "system_info_list.h"
#include <commctrl.h>
#include <string.h>
#include "control_ids.h"
#include "directx_probe.h"
#include "dxdiag_info.h"
#include "engine_library.h"
#include "files.h"
#include "libraries.h"
#include "package_catalogue.h"
#include "page_controls.h"
#include "registry_values.h"
#include "string_ids.h"
#include "string_table.h"
#include "system_metrics.h"

int32_t system_info_rows_before_packages;

namespace {

constexpr int VALUE_CAPACITY = 128;  // area of a number list or a formatted value

typedef const SystemInfoSources Sources;
typedef const SystemInfoRowSink Sink;

void append_row(Sink* sink, UINT label, const wchar_t* value) {
    wchar_t text[TEXT_CAPACITY];
    load_text(label, text, TEXT_CAPACITY);
    sink->append(sink->context, text, value);
}

// A text field of a record into out (capacity characters), read no further than the field itself.
void copy_field(wchar_t* out, int capacity, const wchar_t* field, int field_chars) {
    int i = 0;
    for (; i < field_chars && i < capacity - 1 && field[i]; ++i) out[i] = field[i];
    out[i] = 0;
}

// Rows 1 to 3, all from the processor key; none when it does not open.
void processor_rows(Sources* s, Sink* sink) {
    HKEY key;
    if (RegOpenKeyExW(s->registry_root, s->processor_key, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    wchar_t text[TEXT_CAPACITY];
    read_key_text(key, L"ProcessorNameString", text, TEXT_CAPACITY);
    copy_trim_leading_blanks(text);
    append_row(sink, STR_INFO_CPU, text);
    uint32_t mhz = 0;  // unreadable counts as 0
    read_key_dword(key, L"~MHz", &mhz);
    wchar_t number[TEXT_CAPACITY];
    format_thousands(mhz, number);
    format_text(text, VALUE_CAPACITY, L"%s MHz", number);
    append_row(sink, STR_INFO_CPU_SPEED, text);
    read_key_text(key, L"Identifier", text, TEXT_CAPACITY);
    copy_trim_leading_blanks(text);
    append_row(sink, STR_INFO_CPUID, text);
    RegCloseKey(key);
}

// Whole megabytes and the thousands-separated byte count, without the blanks "%5d" leads with.
void format_memory(uint64_t bytes, const wchar_t* format, wchar_t* out) {
    wchar_t digits[TEXT_CAPACITY];
    format_thousands64(bytes, digits);
    format_text(out, VALUE_CAPACITY, format, (int)(bytes >> 20), digits);
    copy_trim_leading_blanks(out);
}
void total_memory(Sources* s, wchar_t* out) { format_memory(s->total_memory, L"%5dMBytes ( %sBytes ) ", out); }
void available_memory(Sources* s, wchar_t* out) { format_memory(s->available_memory, L"%5dMBytes ( %sBytes ) ", out); }
void virtual_memory(Sources* s, wchar_t* out) { format_memory(s->virtual_memory, L"%5dMBytes ( %sBytes ) ", out); }

// One "Graphics" row for each display class key that has an adapter key "0000".
void display_class_rows(Sources* s, Sink* sink) {
    HKEY classes;
    if (RegOpenKeyExW(s->registry_root, s->display_class_key, 0, KEY_READ, &classes) != ERROR_SUCCESS) return;
    for (DWORD index = 0;; ++index) {
        wchar_t name[TEXT_CAPACITY];
        DWORD length = TEXT_CAPACITY;
        LONG status = RegEnumKeyExW(classes, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) continue;  // a name too long for its area: that key is skipped
        if (status != ERROR_SUCCESS) break;       // no more keys, or the key itself went away
        HKEY class_key;
        if (RegOpenKeyExW(classes, name, 0, KEY_READ, &class_key) != ERROR_SUCCESS) continue;
        wchar_t text[TEXT_CAPACITY];
        HKEY adapter;
        if (read_key_text(class_key, L"Class", text, TEXT_CAPACITY) && _wcsicmp(text, L"Display") == 0 &&
            RegOpenKeyExW(class_key, L"0000", 0, KEY_READ, &adapter) == ERROR_SUCCESS) {
            read_key_text(adapter, L"DriverDesc", text, TEXT_CAPACITY);
            copy_trim_leading_blanks(text);
            append_row(sink, STR_INFO_GRAPHICS, text);
            RegCloseKey(adapter);
        }
        RegCloseKey(class_key);
    }
    RegCloseKey(classes);
}

// Rows 8 and 9: DxDiag's adapter, or without a chip type the registry's display adapters.
void graphics_rows(Sources* s, Sink* sink) {
    DxDiagInfo* d = s->dxdiag;
    if (d->chip_type[0]) {
        append_row(sink, STR_INFO_GRAPHICS, d->description);
        copy_trim_leading_blanks(d->chip_type);
        append_row(sink, STR_INFO_CHIP, d->chip_type);
        return;
    }
    display_class_rows(s, sink);
    append_row(sink, STR_INFO_CHIP, L"");
}

// A DxDiag text trimmed in place, as every later reader sees it.
void trimmed(wchar_t* text, wchar_t* out) {
    copy_trim_leading_blanks(text);
    copy_text(out, TEXT_CAPACITY, text);
}
void display_memory(Sources* s, wchar_t* out) { trimmed(s->dxdiag->display_memory, out); }
void driver_name(Sources* s, wchar_t* out) { trimmed(s->dxdiag->driver_name, out); }
void driver_version(Sources* s, wchar_t* out) { trimmed(s->dxdiag->driver_version, out); }
void driver_date(Sources* s, wchar_t* out) { trimmed(s->dxdiag->driver_date, out); }
void available_texture_memory(Sources* s, wchar_t* out) {
    if (s->texture_memory) format_memory(s->texture_memory, L"%5dMBytes ( %sBytes )", out);
}

void monitor_count(Sources* s, wchar_t* out) { format_text(out, VALUE_CAPACITY, L"%d", (int)s->monitor_count); }
void main_screen(Sources* s, wchar_t* out) {
    format_text(out, VALUE_CAPACITY, L"%d x %d Pixel", (int)s->screen_width, (int)s->screen_height);
}
// One row for each further monitor; a monitor whose mode was not recorded (an empty device ID,
// or one beyond the recorded slots) shows 0 x 0.
void sub_screen_rows(Sources* s, Sink* sink) {
    for (int32_t k = 1; k < s->monitor_count; ++k) {
        wchar_t text[VALUE_CAPACITY];
        int width = 0, height = 0;
        if (k < MONITOR_SLOTS) {
            width = (int)s->monitors[k].mode.dmPelsWidth;
            height = (int)s->monitors[k].mode.dmPelsHeight;
        }
        format_text(text, VALUE_CAPACITY, L"%d x %d Pixel", width, height);
        append_row(sink, STR_INFO_SUB_SCREEN, text);
    }
}

void usable(const wchar_t* status, wchar_t* out) {
    load_text(status_enabled(status) ? STR_INFO_USABLE : STR_INFO_NOT_USABLE, out, TEXT_CAPACITY);
}
void directdraw(Sources* s, wchar_t* out) { usable(s->dxdiag->dd_status, out); }
void direct3d(Sources* s, wchar_t* out) { usable(s->dxdiag->d3d_status, out); }
void sound_3d(Sources* s, wchar_t* out) {
    load_text(s->sound_kind == SOUND_KIND_HARDWARE ? STR_INFO_HARDWARE : STR_INFO_SOFTWARE, out, TEXT_CAPACITY);
}
void windows_version(Sources* s, wchar_t* out) {
    copy_text(out, TEXT_CAPACITY, s->windows_version);
    copy_trim_leading_blanks(out);
}
void directx_version(Sources* s, wchar_t* out) {
    copy_text(out, TEXT_CAPACITY, s->directx_version);
    copy_trim_leading_blanks(out);
}

void pc_maker(Sources* s, wchar_t* out) {
    copy_field(out, TEXT_CAPACITY, s->engine->pc_maker, sizeof s->engine->pc_maker / sizeof(wchar_t));
}
void pc_model(Sources* s, wchar_t* out) {
    copy_field(out, TEXT_CAPACITY, s->engine->pc_model, sizeof s->engine->pc_model / sizeof(wchar_t));
}
// The levels before the first 0, joined by ", ".
void level_list(const uint32_t levels[ENGINE_LEVEL_SLOTS], wchar_t* out) {
    uint32_t count = engine_level_count(levels);
    for (uint32_t i = 0; i < count; ++i) {
        wchar_t number[16];
        format_text(number, 16, i ? L", %d" : L"%d", (int)levels[i]);
        append_text(out, VALUE_CAPACITY, number);
    }
}
void anisotropy_levels(Sources* s, wchar_t* out) { level_list(s->engine->anisotropy_levels, out); }
void anti_alias_levels(Sources* s, wchar_t* out) { level_list(s->engine->anti_alias_levels, out); }
void max_texture(Sources* s, wchar_t* out) {
    format_text(out, VALUE_CAPACITY, L"%d x %d Pixel", (int)s->engine->max_texture_width,
                (int)s->engine->max_texture_height);
}
void texture_stages(Sources* s, wchar_t* out) {
    format_text(out, VALUE_CAPACITY, L"%d", (int)s->engine->texture_stage_count);
}
void lights(Sources* s, wchar_t* out) { format_text(out, VALUE_CAPACITY, L"%d", (int)s->engine->light_count); }
void streams(Sources* s, wchar_t* out) { format_text(out, VALUE_CAPACITY, L"%d", (int)s->engine->stream_count); }
void zbuffer(Sources* s, wchar_t* out) {
    format_text(out, VALUE_CAPACITY, L"%d - %d Bit", (int)s->engine->zbuffer_bits, (int)s->engine->stencil_bits);
}

// One row for each package: its name, and its version and install date with its tag.
void package_rows(Sources* s, Sink* sink) {
    for (uint32_t i = 0; i < s->package_count; ++i) {
        const PackageRecord& p = s->packages[i];
        wchar_t name[64 + 1];
        wchar_t tag[8 + 1];
        copy_field(name, 64 + 1, p.display_name, 64);
        copy_field(tag, 8 + 1, p.short_tag, 8);
        wchar_t label[TEXT_CAPACITY];
        wchar_t value[VALUE_CAPACITY];
        format_text(label, TEXT_CAPACITY, L"%s （Ver）", name);
        if (p.version == 0)
            copy_text(value, VALUE_CAPACITY, L"--------");
        else
            format_text(value, VALUE_CAPACITY, L"%d.%02d ---install %02d/%02d/%02d--- (%s)", (int)(p.version / 100),
                        (int)(p.version % 100), (int)(p.install_date / 10000), (int)(p.install_date % 10000 / 100),
                        (int)(p.install_date % 100), tag);
        sink->append(sink->context, label, value);
    }
}

enum RowCondition : uint8_t {
    ROW_ALWAYS = 0,
    ROW_IF_VALUE = 1,  // left out when its value is empty
    ROW_ENGINE = 2,    // only with the engine and its information record
};

// One row of the list, or a group of rows. A row with neither routine is a blank separator.
struct SystemInfoRow {
    uint16_t label;  // string id
    uint8_t condition;
    void (*value)(Sources*, wchar_t* out);  // writes the value (TEXT_CAPACITY characters)
    void (*group)(Sources*, Sink*);         // appends rows of its own
};

const SystemInfoRow system_info_rows[] = {
    {0, ROW_ALWAYS, nullptr, processor_rows},
    {STR_INFO_MEMORY, ROW_ALWAYS, total_memory, nullptr},
    {STR_INFO_AVAIL_MEMORY, ROW_ALWAYS, available_memory, nullptr},
    {STR_INFO_VIRTUAL_MEMORY, ROW_ALWAYS, virtual_memory, nullptr},
    {0, ROW_ALWAYS, nullptr, nullptr},
    {0, ROW_ALWAYS, nullptr, graphics_rows},
    {STR_INFO_VRAM, ROW_IF_VALUE, display_memory, nullptr},
    {STR_INFO_VRAM_AVAILABLE, ROW_IF_VALUE, available_texture_memory, nullptr},
    {STR_INFO_DRIVER, ROW_IF_VALUE, driver_name, nullptr},
    {STR_INFO_DRIVER_VERSION, ROW_IF_VALUE, driver_version, nullptr},
    {STR_INFO_DRIVER_DATE, ROW_IF_VALUE, driver_date, nullptr},
    {STR_INFO_MONITORS, ROW_ALWAYS, monitor_count, nullptr},
    {STR_INFO_MAIN_SCREEN, ROW_ALWAYS, main_screen, nullptr},
    {0, ROW_ALWAYS, nullptr, sub_screen_rows},
    {0, ROW_ALWAYS, nullptr, nullptr},
    {STR_INFO_DIRECTDRAW, ROW_ALWAYS, directdraw, nullptr},
    {STR_INFO_DIRECT3D, ROW_ALWAYS, direct3d, nullptr},
    {0, ROW_ALWAYS, nullptr, nullptr},
    {STR_INFO_SOUND_3D, ROW_ALWAYS, sound_3d, nullptr},
    {0, ROW_ALWAYS, nullptr, nullptr},
    {STR_INFO_WINDOWS, ROW_ALWAYS, windows_version, nullptr},
    {STR_INFO_DIRECTX, ROW_ALWAYS, directx_version, nullptr},
    {0, ROW_ALWAYS, nullptr, nullptr},
    {STR_INFO_PC_MAKER, ROW_ENGINE, pc_maker, nullptr},
    {STR_INFO_PC_MODEL, ROW_ENGINE, pc_model, nullptr},
    {0, ROW_ENGINE, nullptr, nullptr},
    {STR_INFO_ANISOTROPY, ROW_ENGINE, anisotropy_levels, nullptr},
    {STR_INFO_ANTI_ALIAS, ROW_ENGINE, anti_alias_levels, nullptr},
    {STR_INFO_MAX_TEXTURE, ROW_ENGINE, max_texture, nullptr},
    {STR_INFO_TEXTURE_STAGES, ROW_ENGINE, texture_stages, nullptr},
    {STR_INFO_LIGHTS, ROW_ENGINE, lights, nullptr},
    {STR_INFO_STREAMS, ROW_ENGINE, streams, nullptr},
    {STR_INFO_ZBUFFER, ROW_ENGINE, zbuffer, nullptr},
    {0, ROW_ENGINE, nullptr, nullptr},
    {0, ROW_ENGINE, nullptr, package_rows},
};

int engine_rows_shown(Sources* s) { return s->engine_available && s->engine; }

// Appends rows to the list view, each at the next row number.
struct ListFill {
    HWND list;
    int32_t rows;
};

void insert_list_row(void* context, const wchar_t* label, const wchar_t* value) {
    ListFill* fill = (ListFill*)context;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = fill->rows++;
    item.pszText = (wchar_t*)label;
    int row = (int)SendMessageW(fill->list, LVM_INSERTITEMW, 0, (LPARAM)&item);
    if (row < 0 || !value) return;
    item.iItem = row;
    item.iSubItem = 1;
    item.pszText = (wchar_t*)value;
    SendMessageW(fill->list, LVM_SETITEMW, 0, (LPARAM)&item);
}

}  // namespace

void list_system_info_rows(const SystemInfoSources* sources, const SystemInfoRowSink* sink) {
    int engine = engine_rows_shown(sources);
    for (const SystemInfoRow& row : system_info_rows) {
        if ((row.condition & ROW_ENGINE) && !engine) continue;
        if (row.group) {
            row.group(sources, sink);
            continue;
        }
        if (!row.value) {
            sink->append(sink->context, L"", nullptr);
            continue;
        }
        wchar_t value[TEXT_CAPACITY];
        value[0] = 0;
        row.value(sources, value);
        if ((row.condition & ROW_IF_VALUE) && !value[0]) continue;
        append_row(sink, row.label, value);
    }
}

void gather_system_info_sources(SystemInfoSources* s) {
    memset(s, 0, sizeof *s);
    s->registry_root = HKEY_LOCAL_MACHINE;
    s->processor_key = L"HARDWARE\\DESCRIPTION\\SYSTEM\\CentralProcessor\\0";
    s->display_class_key = L"SYSTEM\\CurrentControlSet\\Control\\Class";
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) {
        s->total_memory = memory.ullTotalPhys;
        s->available_memory = memory.ullAvailPhys;
        s->virtual_memory = memory.ullTotalVirtual;
    }
    s->dxdiag = &dxdiag_info;
    s->texture_memory = texture_memory;
    s->monitor_count = system_metrics.monitor_count;
    s->screen_width = system_metrics.screen_width;
    s->screen_height = system_metrics.screen_height;
    s->monitors = monitor_table;
    s->sound_kind = sound_caps.kind;
    build_windows_version_text();
    s->windows_version = windows_version_text;
    s->directx_version = directx_version_text;
    s->engine_available = engine_available;
    s->engine = engine_info;
    s->packages = package_list;
    s->package_count = package_count;
}

HWND system_info_list_view() {
    HWND page = page_windows[PAGE_SYSTEM_INFO];
    return page ? GetDlgItem(page, ID_SYSTEM_INFO_LIST) : nullptr;
}

void fill_system_info_list_from(const SystemInfoSources* sources) {
    ListFill fill = {system_info_list_view(), 0};
    SystemInfoRowSink sink = {insert_list_row, &fill};
    list_system_info_rows(sources, &sink);
    int32_t packages = engine_rows_shown(sources) ? (int32_t)sources->package_count : 0;
    system_info_rows_before_packages = fill.rows - packages;
}

void fill_system_info_list() {
    SystemInfoSources sources;
    gather_system_info_sources(&sources);
    fill_system_info_list_from(&sources);
}
