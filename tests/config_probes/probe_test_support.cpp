#include "probe_test_support.h"

#include "config_test_support.h"
#include "window_driver.h"

namespace probe_test {

std::wstring output_folder() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool copy_built_file(const wchar_t* relative, const std::wstring& folder, const wchar_t* name) {
    return CopyFileW((output_folder() + relative).c_str(), (folder + name).c_str(), FALSE) != 0;
}

void set_environment(const wchar_t* name, const wchar_t* value) { SetEnvironmentVariableW(name, value); }

std::vector<std::string> read_lines(const std::wstring& path) {
    std::vector<uint8_t> bytes = config_test::read_bytes(path);
    std::vector<std::string> lines;
    std::string line;
    for (uint8_t byte : bytes) {
        if (byte == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (byte != '\r') {
            line.push_back((char)byte);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string narrow(const std::wstring& text) { return driver::utf8(text); }

std::vector<uint8_t> wave_file(uint32_t samples) {
    std::vector<uint8_t> bytes;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back((uint8_t)(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        bytes.push_back((uint8_t)v);
        bytes.push_back((uint8_t)(v >> 8));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) bytes.push_back((uint8_t)t[i]);
    };
    tag("RIFF");
    put32(36 + samples);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    tag("data");
    put32(samples);
    for (uint32_t i = 0; i < samples; ++i) bytes.push_back((uint8_t)(128 + (i % 16) * 4));
    return bytes;
}

}  // namespace probe_test
