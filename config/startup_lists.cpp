// Start-up lists of the configuration program.
#include "startup_lists.h"
#include "display_modes.h"
#include "files.h"
#include "libraries.h"
#include "package_catalogue.h"
#include "program_state.h"
#include "settings_store.h"
#include <stdlib.h>
#include <wchar.h>

int get_extension(const wchar_t *name, wchar_t out[16]) {
  out[0] = 0;
  const wchar_t *dot = wcsrchr(name, L'.');
  if (!dot || dot == name || wcslen(dot) >= 16) return 0;
  copy_text(out, 16, dot);
  return 1;
}

// Walks folder depth first in the order Windows lists it; visit returns 1 to end the walk.
// Returns 1 when the walk was ended by visit.
int walk_folder(const wchar_t *folder, FolderVisit visit, void *context, int depth) {
  wchar_t pattern[TEXT_CAPACITY];
  copy_text(pattern, TEXT_CAPACITY, folder);
  size_t length = wcslen(pattern);
  if (length && pattern[length - 1] == L'\\') pattern[length - 1] = 0;
  wchar_t base[TEXT_CAPACITY];
  copy_text(base, TEXT_CAPACITY, pattern);
  // A pattern that does not fit, or a nesting deeper than any real install, ends this branch.
  if (depth > 32 || !join_path(pattern, TEXT_CAPACITY, base, L"\\*.*")) return 0;

  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(pattern, &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  wchar_t folder_prefix[TEXT_CAPACITY];   // base and a backslash, before each file's name
  join_path(folder_prefix, TEXT_CAPACITY, base, L"\\");
  int ended = 0;
  do {
    if (!wcscmp(entry.cFileName, L".") || !wcscmp(entry.cFileName, L"..")) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      wchar_t parent[TEXT_CAPACITY];
      wchar_t below[TEXT_CAPACITY];
      if (join_path(parent, TEXT_CAPACITY, base, L"\\") &&
          join_path(below, TEXT_CAPACITY, parent, entry.cFileName))
        ended = walk_folder(below, visit, context, depth + 1);
    } else {
      wchar_t path[TEXT_CAPACITY];   // empty when the full path does not fit
      if (!folder_prefix[0] || !join_path(path, TEXT_CAPACITY, folder_prefix, entry.cFileName)) path[0] = 0;
      ended = visit(path, entry.cFileName, context);
    }
  } while (!ended && FindNextFileW(find, &entry));
  FindClose(find);
  return ended;
}

namespace {

int take_first_bgm(const wchar_t *, const wchar_t *name, void *context) {
  wchar_t extension[16];
  if (!get_extension(name, extension) || _wcsicmp(extension, L".wav") != 0) return 0;
  if (!_wcsicmp(name, L"clear.wav") || !_wcsicmp(name, L"gameover.wav")) return 0;
  append_text((wchar_t *)context, TEXT_CAPACITY, name);
  return 1;
}

}  // namespace

void find_first_bgm(wchar_t *out, const wchar_t *folder) {
  walk_folder(folder, take_first_bgm, out, 0);
}

const wchar_t *choose_engine_test_sound(uint32_t packages, uint32_t language,
                                        const wchar_t *first_display_name) {
  if (packages == 0) return L"";
  if (packages == 1 && language == 2 && first_display_name &&
      !_wcsicmp(first_display_name, L"北浜国際空港"))
    return L"acplug02_engine.wav";
  return L"config_engine.wav";
}

void load_startup_lists() {
  dialog_font = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            game_settings.language == 2 ? SHIFTJIS_CHARSET : DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                            FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");

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
  if (join_path(folder, TEXT_CAPACITY, program_folder, L"common\\bgm"))
    find_first_bgm(first_bgm_name, folder);

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
