// Start-up lists of the configuration program.
#include "startup_lists.h"
#include "display_modes.h"
#include "files.h"
#include "folder_walk.h"
#include "libraries.h"
#include "package_catalogue.h"
#include "program_state.h"
#include "settings_store.h"
#include <stdlib.h>
#include <wchar.h>

int get_extension(const wchar_t* name, wchar_t out[16]) {
    out[0] = 0;
    const wchar_t* dot = wcsrchr(name, L'.');
    if (!dot || dot == name || wcslen(dot) >= 16) return 0;
    copy_text(out, 16, dot);
    return 1;
}

namespace {

int take_first_bgm(const wchar_t*, const wchar_t* name, void* context) {
    wchar_t extension[16];
    if (!get_extension(name, extension) || _wcsicmp(extension, L".wav") != 0) return 0;
    if (!_wcsicmp(name, L"clear.wav") || !_wcsicmp(name, L"gameover.wav")) return 0;
    append_text((wchar_t*)context, TEXT_CAPACITY, name);
    return 1;
}

}  // namespace

void find_first_bgm(wchar_t* out, const wchar_t* folder) { walk_folder(folder, take_first_bgm, out); }

const wchar_t* choose_engine_test_sound(uint32_t packages, uint32_t language, const wchar_t* first_display_name) {
    if (packages == 0) return L"";
    if (packages == 1 && language == 2 && first_display_name && !_wcsicmp(first_display_name, L"北浜国際空港"))
        return L"acplug02_engine.wav";
    return L"config_engine.wav";
}

void create_dialog_font() {
    dialog_font = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              game_settings.language == 2 ? SHIFTJIS_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

void load_startup_lists() {
    create_dialog_font();

    adapter_list = nullptr;
    adapter_count = 0;
    resolution_list = nullptr;
    resolution_count = 0;
    if (!engine_available) {
        enum_display_adapters();
        build_resolution_list();
    }

    wchar_t folder[TEXT_CAPACITY];
    package_list = nullptr;
    package_count = 0;
    if (join_path(folder, TEXT_CAPACITY, program_folder, L"menu\\local"))
        scan_packages(&package_list, &package_count, folder);
    if (package_count) sort_packages(package_list, 0, (int32_t)package_count - 1, SORT_BY_INSTALL, 0);

    first_bgm_name[0] = 0;
    if (join_path(folder, TEXT_CAPACITY, program_folder, L"common\\bgm")) find_first_bgm(first_bgm_name, folder);

    copy_text(engine_test_sound_name, TEXT_CAPACITY,
              choose_engine_test_sound(package_count, game_settings.language,
                                       package_count ? package_list[0].display_name : nullptr));
}

void free_startup_lists() {
    if (dialog_font) DeleteObject(dialog_font);
    dialog_font = nullptr;
    free_display_lists();
    free(package_list);
    package_list = nullptr;
    package_count = 0;
}
