// Screen and window metrics, monitor modes and the Windows version text, cached at start.
#include "system_metrics.h"

#include <string.h>

#include "files.h"

SystemMetrics system_metrics;
MonitorSlot monitor_table[MONITOR_SLOTS];
wchar_t windows_version_text[WINDOWS_VERSION_CAPACITY];

namespace {

typedef BOOL(WINAPI* EnumDisplayDevicesFn)(LPCWSTR device, DWORD index, DISPLAY_DEVICEW* record, DWORD flags);
typedef BOOL(WINAPI* EnumDisplaySettingsExFn)(LPCWSTR device, DWORD mode, DEVMODEW* record, DWORD flags);

void read_monitor_table(int32_t monitor_count) {
    HMODULE user32 = LoadLibraryW(L"user32.DLL");
    if (!user32) return;
    EnumDisplayDevicesFn enum_devices = (EnumDisplayDevicesFn)(void*)GetProcAddress(user32, "EnumDisplayDevicesW");
    EnumDisplaySettingsExFn enum_settings =
        (EnumDisplaySettingsExFn)(void*)GetProcAddress(user32, "EnumDisplaySettingsExW");
    if (enum_devices && enum_settings) {
        for (int32_t i = 0; i < monitor_count && i < MONITOR_SLOTS; ++i) {
            MonitorSlot& slot = monitor_table[i];
            slot.device.cb = sizeof slot.device;
            enum_devices(nullptr, (DWORD)i, &slot.device, 0);
            slot.device.DeviceID[sizeof slot.device.DeviceID / sizeof(WCHAR) - 1] = 0;
            if (slot.device.DeviceID[0]) {
                slot.mode.dmSize = sizeof slot.mode;
                enum_settings(slot.device.DeviceName, ENUM_CURRENT_SETTINGS, &slot.mode, 0);
            }
        }
    }
    FreeLibrary(user32);
}

}  // namespace

int read_system_metrics() {
    SystemMetrics& m = system_metrics;
    m.monitor_count = GetSystemMetrics(SM_CMONITORS);
    m.screen_width = GetSystemMetrics(SM_CXSCREEN);
    m.screen_height = GetSystemMetrics(SM_CYSCREEN);
    m.border_width = GetSystemMetrics(SM_CXBORDER);
    m.border_height = GetSystemMetrics(SM_CYBORDER);
    m.edge_width = GetSystemMetrics(SM_CXEDGE);
    m.edge_height = GetSystemMetrics(SM_CYEDGE);
    m.dialog_frame_width = GetSystemMetrics(SM_CXDLGFRAME);
    m.dialog_frame_height = GetSystemMetrics(SM_CYDLGFRAME);
    m.frame_width = GetSystemMetrics(SM_CXFRAME);
    m.frame_height = GetSystemMetrics(SM_CYFRAME);
    m.virtual_width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    m.virtual_height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    m.virtual_left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    m.virtual_top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    m.caption_height = GetSystemMetrics(SM_CYCAPTION);
    m.menu_height = GetSystemMetrics(SM_CYMENU);
    m.mouse_buttons = GetSystemMetrics(SM_CMOUSEBUTTONS);
    m.mouse_wheel = GetSystemMetrics(SM_MOUSEWHEELPRESENT) ? 1 : 0;
    memset(monitor_table, 0, sizeof monitor_table);
    if (m.monitor_count >= 1) read_monitor_table(m.monitor_count);
    return 1;
}

uint32_t main_refresh_rate() { return monitor_table[0].mode.dmDisplayFrequency; }

void format_windows_version(const WindowsVersionFields* v, wchar_t* out, int capacity) {
    wchar_t suffix[64];
    format_text(suffix, 64, L" [%d.%d.%d]", (int)v->major, (int)v->minor, (int)v->build);
    const wchar_t* service_pack = v->service_pack ? v->service_pack : L"";
    copy_text(out, capacity, L"Windows ");

    if (v->platform == VER_PLATFORM_WIN32_NT) {
        if (v->major == 5) {
            if (v->minor == 0) {
                append_text(out, capacity, L"2000 ");
            } else if (v->minor == 1) {
                append_text(out, capacity, L"XP ");
                append_text(out, capacity, (v->suite_mask & VER_SUITE_PERSONAL) ? L"Home " : L"Professional ");
            } else if (v->minor == 2) {
                if (v->product_type == VER_NT_WORKSTATION)
                    append_text(out, capacity, L"XP Professional x64 Edition ");
                else if (v->product_type == VER_NT_DOMAIN_CONTROLLER || v->product_type == VER_NT_SERVER)
                    append_text(out, capacity, L"Server 2003 ");
            }
            append_text(out, capacity, service_pack);
        } else if (v->major == 6) {
            if (v->minor == 0) {
                append_text(out, capacity, L"Vista ");
                append_text(out, capacity, service_pack);
            }
        } else {
            append_text(out, capacity, L"NT ");
        }
        append_text(out, capacity, suffix);
    } else if (v->platform == VER_PLATFORM_WIN32_WINDOWS) {
        uint32_t b = v->build & 0xFFFF;
        if (v->minor == 0) {
            append_text(out, capacity, L"95 ");
            if (b == 1111)
                append_text(out, capacity, L"OSR 2.0");
            else if (b == 1212 || b == 1213)
                append_text(out, capacity, L"OSR 2.1");
            else if (b >= 1214 && b <= 9999)
                append_text(out, capacity, L"OSR 2.5");
        } else if (v->minor == 10) {
            append_text(out, capacity, L"98 ");
            if (b >= 2222 && b <= 9998) append_text(out, capacity, L"Second Edition");
        } else if (v->minor == 90) {
            append_text(out, capacity, L"Me");
        }
        append_text(out, capacity, suffix);
    }
}

void build_windows_version_text() {
    OSVERSIONINFOEXW info;
    memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    GetVersionExW((OSVERSIONINFOW*)&info);
    OSVERSIONINFOEXW extended;
    memset(&extended, 0, sizeof extended);
    extended.dwOSVersionInfoSize = sizeof extended;
    if (GetVersionExW((OSVERSIONINFOW*)&extended)) {
        info.wSuiteMask = extended.wSuiteMask;
        info.wProductType = extended.wProductType;
    }
    info.szCSDVersion[sizeof info.szCSDVersion / sizeof(WCHAR) - 1] = 0;

    WindowsVersionFields fields = {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                                   info.szCSDVersion, info.wSuiteMask,     info.wProductType};
    format_windows_version(&fields, windows_version_text, WINDOWS_VERSION_CAPACITY);
}
