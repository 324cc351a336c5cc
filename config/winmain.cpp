// TOVICONFIG's entry: one instance, the notices to the game's menu window, start-up, then
// install mode (write the settings behind a wait window) or the settings window.
#include <windows.h>
#include "directx_probe.h"
#include "dxdiag_info.h"
#include "files.h"
#include "libraries.h"
#include "main_window.h"
#include "moxel20.h"
#include "program_state.h"
#include "settings_store.h"
#include "system_info_list.h"
#include "startup_lists.h"
#include "system_metrics.h"

namespace {

const UINT MENU_NOTICE = 0x8064;  // WM_APP + 100: the configuration program starts or ends

void notify_menu_window() {
    HWND menu = FindWindowW(L"tovimenu", nullptr);
    if (menu) PostMessageW(menu, MENU_NOTICE, 0, 0);
}

// "/i" and anything after it: install mode. "/I" and "-i" are not.
int is_install_switch(const char* command_line) {
    return command_line && command_line[0] == '/' && command_line[1] == 'i';
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    HWND running_setup = FindWindowW(L"tovisetup", nullptr);
    if (running_setup) {
        SetForegroundWindow(running_setup);
        return 0;
    }
    notify_menu_window();
    install_mode = is_install_switch(command_line);

    program_instance = instance;
    // Without its folder the program would read and write files somewhere else: it ends here.
    if (!get_program_folder(instance)) {
        notify_menu_window();
        return 0;
    }
    read_system_metrics();
    query_dxdiag();

    init_settings_and_libraries();
    load_startup_lists();

    if (install_mode) {
        if (!show_wait_window(instance)) {
            shutdown_libraries();
            return 0;
        }
        probe_directx_version();
        save_settings();
    } else {
        if (!create_main_window(instance)) {
            shutdown_libraries();
            return 0;
        }
        probe_directx_version();
        fill_system_info_list();
        running = 1;
        while (running) {
            // An empty queue waits for the next message instead of spinning the processor.
            if (pump_one_message() && running) WaitMessage();
        }
        MOXEL_End();
    }

    free_startup_lists();
    notify_menu_window();
    return 0;
}
