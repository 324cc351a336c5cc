// Helpers of the configuration program's tests: scratch folders, whole-file reads and
// writes, and runs of a program with a time limit.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <string>
#include <vector>

namespace config_test {

// A fresh empty folder below the system's temporary folder, ending in a backslash.
std::wstring make_scratch_folder(const wchar_t *tag);
// Deletes a folder and everything below it.
void remove_tree(const std::wstring &folder);
bool write_bytes(const std::wstring &path, const void *data, size_t size);
bool write_text(const std::wstring &path, const char *text);
std::vector<uint8_t> read_bytes(const std::wstring &path);
bool file_exists(const std::wstring &path);

// Starts program with arguments in folder; false when it did not start.
bool start_program(const std::wstring &program, const std::wstring &arguments,
                   const std::wstring &folder, PROCESS_INFORMATION *process);

// Waits for a started program; returns its exit code, or -1 when it did not end within
// timeout_ms (then it is ended).
int finish_program(PROCESS_INFORMATION *process, DWORD timeout_ms);

// Both: the exit code, or -1 when it did not start or did not end in time.
int run_program(const std::wstring &program, const std::wstring &arguments,
                const std::wstring &folder, DWORD timeout_ms);

// Sets a value of a key below HKEY_LOCAL_MACHINE, creating the key when needed.
bool set_machine_value(const wchar_t *subkey, const wchar_t *name, DWORD type, const void *data,
                       DWORD bytes);
void delete_machine_value(const wchar_t *subkey, const wchar_t *name);
// Imports a registry file into the prefix with regedit, as a person would.
bool import_registry_file(const std::wstring &path);

// The full path of the build's game folder (ending in a backslash), after importing its sample
// packages' registry entries as scripts/run_config does; empty when the import failed. Tests
// run in build/bin.
std::wstring game_folder_with_packages();

// The system.dat image of 27 field values, chunks in the written order.
std::vector<uint8_t> settings_image(const uint32_t fields[27]);

}  // namespace config_test
