// Helpers of the probe and stand-in tests: the program's output folder, copies of the built
// DLLs into scratch program folders, environment switches and text files read back as lines.
#pragma once
#include <windows.h>
#include <stdint.h>

#include <string>
#include <vector>

namespace probe_test {

// The folder of the running test program (build/bin), with a trailing backslash.
std::wstring output_folder();
// Copies output_folder() + relative to folder + name; true when it was copied.
bool copy_built_file(const wchar_t* relative, const std::wstring& folder, const wchar_t* name);
// Sets an environment variable for the test's life (NULL value: removes it).
void set_environment(const wchar_t* name, const wchar_t* value);
// A UTF-8 text file as lines (without line ends); empty when the file is missing.
std::vector<std::string> read_lines(const std::wstring& path);
std::string narrow(const std::wstring& text);
// A PCM wave file: 8-bit mono at 8000 Hz with the given number of samples.
std::vector<uint8_t> wave_file(uint32_t samples);

}  // namespace probe_test
