// In-process tests of the configuration program: its strings, its message boxes recorded
// instead of shown, and the local application-data folder put somewhere else.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace config_test {

// The program's English strings from this test program's resources; warning boxes captioned "WARN".
void use_english_strings();

struct RecordedBox {
  std::wstring caption;
  std::wstring text;
  UINT buttons;   // MB_OK, MB_RETRYCANCEL, ...
};

// While it lives, every box goes to `boxes` and is answered with the next of `answers`
// (IDRETRY, IDCANCEL, ...), then Cancel (OK for a box without Cancel).
class BoxRecorder {
 public:
  explicit BoxRecorder(std::vector<int> answers = {});
  ~BoxRecorder();
  std::vector<std::wstring> texts() const;
  std::vector<RecordedBox> boxes;
  std::vector<int> answers;
};

// While it lives, the settings store is told that the local application-data folder is `folder`.
class LocalFolderOverride {
 public:
  explicit LocalFolderOverride(const std::wstring &folder);
  ~LocalFolderOverride();
};

}  // namespace config_test
