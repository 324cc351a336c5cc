// The one routine through which the program shows a message box; tests may answer it.
#include "message_box.h"
#include <stdlib.h>
#include <string.h>

namespace {

int next_answer_index;   // position in TOVI_MESSAGE_ANSWERS

const char *buttons_name(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return "OK";
    case MB_OKCANCEL: return "OKCANCEL";
    case MB_ABORTRETRYIGNORE: return "ABORTRETRYIGNORE";
    case MB_YESNOCANCEL: return "YESNOCANCEL";
    case MB_YESNO: return "YESNO";
    case MB_RETRYCANCEL: return "RETRYCANCEL";
    default: return "OTHER";
  }
}

int default_answer(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
  }
}

// Appends text as UTF-8 with line feeds written as \n, so that one box is one line.
void append_escaped(char *line, size_t capacity, const wchar_t *text) {
  size_t used = strlen(line);
  for (; text && *text; ++text) {
    char piece[8];
    int length;
    if (*text == L'\n') {
      memcpy(piece, "\\n", 2);
      length = 2;
    } else if (*text == L'\\') {
      memcpy(piece, "\\\\", 2);
      length = 2;
    } else {
      length = WideCharToMultiByte(CP_UTF8, 0, text, 1, piece, sizeof piece, nullptr, nullptr);
      if (length <= 0) continue;
    }
    if (used + (size_t)length + 1 > capacity) break;
    memcpy(line + used, piece, (size_t)length);
    used += (size_t)length;
    line[used] = 0;
  }
}

int logged_message_box(const wchar_t *log_path, const wchar_t *text, const wchar_t *caption,
                       UINT type) {
  static char line[4096];
  line[0] = 0;
  append_escaped(line, sizeof line, caption);
  strncat(line, "\t", sizeof line - strlen(line) - 1);
  append_escaped(line, sizeof line, text);
  strncat(line, "\t", sizeof line - strlen(line) - 1);
  strncat(line, buttons_name(type), sizeof line - strlen(line) - 1);
  strncat(line, "\n", sizeof line - strlen(line) - 1);

  HANDLE file = CreateFileW(log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, line, (DWORD)strlen(line), &written, nullptr);
    CloseHandle(file);
  }

  wchar_t answers[64];
  DWORD count = GetEnvironmentVariableW(L"TOVI_MESSAGE_ANSWERS", answers, 64);
  if (count == 0 || count >= 64 || next_answer_index >= (int)count) return default_answer(type);
  switch (answers[next_answer_index++]) {
    case L'R': return IDRETRY;
    case L'C': return IDCANCEL;
    case L'O': return IDOK;
    case L'Y': return IDYES;
    case L'N': return IDNO;
    default: return default_answer(type);
  }
}

}  // namespace

MessageBoxRoutine message_box_routine = MessageBoxW;

int show_message_box(HWND owner, const wchar_t *text, const wchar_t *caption, UINT type) {
  wchar_t log_path[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(L"TOVI_MESSAGE_LOG", log_path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return logged_message_box(log_path, text, caption, type);
  return message_box_routine(owner, text, caption, type);
}
