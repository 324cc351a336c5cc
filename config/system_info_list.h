// The system information page's list: what the program found out about the computer, the 3D engine
// and the installed packages, one label and one value a row, filled once at start-up.
#pragma once
#include <windows.h>
#include <stdint.h>
#include "program_state.h"

struct DxDiagInfo;
struct EngineInformation;
struct MonitorSlot;
struct PackageRecord;

// Everything the rows are made of. The DxDiag texts are trimmed in place, so that later
// readers (the support report) see them as the list shows them.
struct SystemInfoSources {
    HKEY registry_root;                // HKEY_LOCAL_MACHINE
    const wchar_t* processor_key;      // HARDWARE\DESCRIPTION\SYSTEM\CentralProcessor\0
    const wchar_t* display_class_key;  // SYSTEM\CurrentControlSet\Control\Class
    uint64_t total_memory;             // bytes of physical memory
    uint64_t available_memory;         // bytes of physical memory free
    uint64_t virtual_memory;           // bytes of the program's address space
    DxDiagInfo* dxdiag;
    uint32_t texture_memory;  // bytes, 0 when not measured
    int32_t monitor_count;
    int32_t screen_width;  // main screen, pixels
    int32_t screen_height;
    const MonitorSlot* monitors;  // the recorded monitors, MONITOR_SLOTS records
    uint32_t sound_kind;          // first word of the sound capabilities: 1 hardware 3D sound
    const wchar_t* windows_version;
    const wchar_t* directx_version;
    int32_t engine_available;
    const EngineInformation* engine;  // may be NULL: then no engine and no package rows
    const PackageRecord* packages;    // newest first
    uint32_t package_count;
};

// Where the rows go. value is NULL for a blank separator row.
struct SystemInfoRowSink {
    void (*append)(void* context, const wchar_t* label, const wchar_t* value);
    void* context;
};

// Appends every row of the sources in list order.
void list_system_info_rows(const SystemInfoSources* sources, const SystemInfoRowSink* sink);
// The sources of the running machine and program.
void gather_system_info_sources(SystemInfoSources* sources);
// Appends the rows to the system information page's list view.
void fill_system_info_list_from(const SystemInfoSources* sources);
// Fills the list once from the running machine (normal start, after the DirectX probe).
void fill_system_info_list();

// The list view on the system information page (id 5000), or NULL.
HWND system_info_list_view();
// Rows of the list before its package rows: the rows the support report prints as they stand.
extern int32_t system_info_rows_before_packages;
