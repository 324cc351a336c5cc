// In-process tests of the configuration program: its strings and the local application-data
// folder put somewhere else. Boxes are recorded by BoxRecorder (box_recorder.h).
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace config_test {

// The program's English strings from this test program's resources; warning boxes captioned "WARN".
void use_english_strings();

// A recorded box text (UTF-8) as the program wrote it.
std::wstring wide(const std::string& utf8);

// While it lives, the settings store is told that the local application-data folder is `folder`.
class LocalFolderOverride {
public:
    explicit LocalFolderOverride(const std::wstring& folder);
    ~LocalFolderOverride();
};

}  // namespace config_test
