// Cached screen and window metrics, the current mode of each monitor, and the Windows
// version text.
#pragma once
#include <windows.h>
#include <stdint.h>

enum { MONITOR_SLOTS = 4, WINDOWS_VERSION_CAPACITY = 128 };

// Metrics in the order they are read.
struct SystemMetrics {
    int32_t monitor_count;        // SM_CMONITORS
    int32_t screen_width;         // SM_CXSCREEN
    int32_t screen_height;        // SM_CYSCREEN
    int32_t border_width;         // SM_CXBORDER
    int32_t border_height;        // SM_CYBORDER
    int32_t edge_width;           // SM_CXEDGE
    int32_t edge_height;          // SM_CYEDGE
    int32_t dialog_frame_width;   // SM_CXDLGFRAME (the fixed frame)
    int32_t dialog_frame_height;  // SM_CYDLGFRAME
    int32_t frame_width;          // SM_CXFRAME
    int32_t frame_height;         // SM_CYFRAME
    int32_t virtual_width;        // SM_CXVIRTUALSCREEN
    int32_t virtual_height;       // SM_CYVIRTUALSCREEN
    int32_t virtual_left;         // SM_XVIRTUALSCREEN
    int32_t virtual_top;          // SM_YVIRTUALSCREEN
    int32_t caption_height;       // SM_CYCAPTION
    int32_t menu_height;          // SM_CYMENU
    int32_t mouse_buttons;        // SM_CMOUSEBUTTONS
    int32_t mouse_wheel;          // SM_MOUSEWHEELPRESENT, 0 or 1
};

// One monitor as Windows described it; the mode stays zero when the device ID was empty.
struct MonitorSlot {
    DISPLAY_DEVICEW device;
    DEVMODEW mode;
};

extern SystemMetrics system_metrics;
extern MonitorSlot monitor_table[MONITOR_SLOTS];  // monitors beyond the fourth are not recorded
extern wchar_t windows_version_text[WINDOWS_VERSION_CAPACITY];

int read_system_metrics();
// The main monitor's current refresh rate (slot 0), 0 when not recorded.
uint32_t main_refresh_rate();

// The version fields the text is built from; fields the system doesn't fill are 0.
struct WindowsVersionFields {
    uint32_t platform;  // VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_WINDOWS, ...
    uint32_t major;
    uint32_t minor;
    uint32_t build;               // the build-number field as reported
    const wchar_t* service_pack;  // may be NULL
    uint32_t suite_mask;
    uint32_t product_type;
};
// "Windows " + edition + service pack + " [major.minor.build]" into out (capacity, cut to fit).
void format_windows_version(const WindowsVersionFields* fields, wchar_t* out, int capacity);
// Reads the running system's version and fills windows_version_text.
void build_windows_version_text();
