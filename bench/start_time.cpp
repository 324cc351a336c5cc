#include "start_time.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

double start_to_exit_ms(const wchar_t* program, const wchar_t* arguments, const wchar_t* folder, int runs) {
    std::vector<double> times;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < runs; ++run) {
        std::wstring command = std::wstring(L"\"") + program + L"\" " + arguments;
        std::vector<wchar_t> line(command.begin(), command.end());
        line.push_back(0);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        if (!CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process))
            return -1;
        DWORD waited = WaitForSingleObject(process.hProcess, 60000);
        QueryPerformanceCounter(&end);
        if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (waited != WAIT_OBJECT_0) return -1;
        times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
                        static_cast<double>(frequency.QuadPart));
    }
    if (times.empty()) return -1;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
