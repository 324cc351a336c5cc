#include "program_test_support.h"
#include "files.h"
#include "main_window.h"
#include "message_box.h"
#include "settings_store.h"
#include "string_table.h"

namespace config_test {

namespace {

BoxRecorder *current_recorder;
std::wstring local_folder;
FolderPathRoutine platform_folder_path;

int WINAPI record_box(HWND, const wchar_t *text, const wchar_t *caption, UINT type) {
  UINT buttons = type & MB_TYPEMASK;
  BoxRecorder *recorder = current_recorder;
  recorder->boxes.push_back({caption ? caption : L"", text ? text : L"", buttons});
  size_t asked = recorder->boxes.size() - 1;
  if (asked < recorder->answers.size()) return recorder->answers[asked];
  return buttons == MB_OK ? IDOK : IDCANCEL;
}

HRESULT WINAPI give_local_folder(HWND, int, HANDLE, DWORD, LPWSTR path) {
  copy_text(path, MAX_PATH, local_folder.c_str());
  return S_OK;
}

}  // namespace

void use_english_strings() {
  program_instance = GetModuleHandleW(nullptr);
  set_string_offset(1);
  copy_text(warning_title, TEXT_CAPACITY, L"WARN");
}

BoxRecorder::BoxRecorder(std::vector<int> answers_in) : answers(std::move(answers_in)) {
  current_recorder = this;
  message_box_routine = record_box;
}

BoxRecorder::~BoxRecorder() {
  message_box_routine = MessageBoxW;
  current_recorder = nullptr;
}

std::vector<std::wstring> BoxRecorder::texts() const {
  std::vector<std::wstring> out;
  for (const RecordedBox &box : boxes) out.push_back(box.text);
  return out;
}

LocalFolderOverride::LocalFolderOverride(const std::wstring &folder) {
  local_folder = folder;
  platform_folder_path = folder_path_routine;
  folder_path_routine = give_local_folder;
}

LocalFolderOverride::~LocalFolderOverride() { folder_path_routine = platform_folder_path; }

}  // namespace config_test
