// Helpers of the configuration program's tests: scratch folders, whole-file reads and
// writes, and runs of a program with a time limit whose message boxes are answered.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <string>
#include <vector>
#include "box_driver.h"

namespace config_test {

// A fresh empty folder below the system's temporary folder, ending in a backslash.
std::wstring make_scratch_folder(const wchar_t* tag);
// A scratch game folder holding the program, its libraries and its pictures from the built game
// folder, an English config.ini and a kvrn.ini with MipMap on (mipmap=0).
std::wstring make_game_copy(const wchar_t* tag);
// Deletes a folder and everything below it; links (reparse points) are removed, not followed.
void remove_tree(const std::wstring& folder);
// Under Wine: the Unix name of a path, quoted for a command line (empty elsewhere), and a run
// of a Unix program, which Wine starts like any other (its exit code is not reliable there).
std::wstring unix_path(const std::wstring& path);
int run_unix_command(const wchar_t* program, const std::wstring& arguments);
bool write_bytes(const std::wstring& path, const void* data, size_t size);
bool write_text(const std::wstring& path, const char* text);
std::vector<uint8_t> read_bytes(const std::wstring& path);
bool file_exists(const std::wstring& path);
// The names of the files (not folders) in a folder given with a trailing backslash.
std::vector<std::wstring> files_in(const std::wstring& folder);

// Runs program with arguments in folder to its end, answering each message box it shows in
// turn from script (letters of box_driver.h; boxes beyond it get Cancel or OK) and appending the
// boxes to seen when not nullptr. The exit code, or -1 when it did not start or did not end
// within timeout_ms (then it is ended).
int run_answering_boxes(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                        const char* script, DWORD timeout_ms, std::vector<driver::SeenBox>* seen);
// The same for a run whose boxes do not matter.
int run_program(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                DWORD timeout_ms);

// Sets a value of a key below HKEY_LOCAL_MACHINE, creating the key when needed.
bool set_machine_value(const wchar_t* subkey, const wchar_t* name, DWORD type, const void* data, DWORD bytes);
void delete_machine_value(const wchar_t* subkey, const wchar_t* name);
// Imports a registry file into the prefix with regedit, as a person would.
bool import_registry_file(const std::wstring& path);

// Bytes placed at the very end of a readable page, followed by a page that cannot be read:
// any read past the last byte faults at once. place() puts other bytes there.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes = {});
    ~GuardedBytes();
    void place(const uint8_t* bytes, size_t size);
    const uint8_t* data() const { return data_; }
    uint32_t size() const { return size_; }

private:
    uint8_t* page_;
    uint8_t* data_;
    uint32_t size_;
};

// The full path of the build's game folder (ending in a backslash), after importing its sample
// packages' registry entries as scripts/run_config does; empty when the import failed. Tests
// run in build/bin.
std::wstring game_folder_with_packages();

// The system.dat image of 27 field values, chunks in the written order.
std::vector<uint8_t> settings_image(const uint32_t fields[27]);
// Bytes as hex words ("47564552 08000000 ..."), so that a failed comparison shows where.
std::string hex_dump(const std::vector<uint8_t>& bytes);

// The program's per-user data folder of this prefix (local application data + Quellbright +
// data_name, "tovien_data" for the English interface, "tovidata" for the Japanese), ending in a
// backslash; the same without the data name.
std::wstring per_user_folder(const wchar_t* data_name);
std::wstring per_user_parent();
// Removes both per-user data folders and their Quellbright folder when empty, so that the
// program keeps its settings in its own folder.
void remove_per_user_folders();

}  // namespace config_test
