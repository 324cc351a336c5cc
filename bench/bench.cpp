// The benchmark table: the frame cost of 1, 100 and 1000 acplug03 aircraft against the bare
// engine calls of the same frames, and the start-to-exit time of TOVICONFIG.exe /i against a
// bare Win32 window program. Runs in the build's bin folder; "--short" takes fewer samples.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include <string>

#include "frame_cost.h"
#include "start_time.h"

namespace {

struct Samples {
    uint32_t aircraft_frames[3];  // for 1, 100 and 1000 aircraft
    int starts;                   // runs of each program
};
const Samples full_samples = {{1000000, 1000000, 4000000}, 9};
const Samples short_samples = {{2000, 20000, 50000}, 3};
const uint32_t fleet_sizes[3] = {1, 100, 1000};

bool copy_tree(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((from + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = copy_tree(from + name + L"\\", to + name + L"\\") && ok;
        else
            ok = CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE) && ok;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return ok;
}

void remove_tree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_tree(folder + name + L"\\");
            else
                DeleteFileW((folder + name).c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

void print_frame_costs(const Samples& samples) {
    printf("Build measured: %s\n\n", sizeof(void*) == 4 ? "i686 (the product's 32-bit binaries)"
                                                        : "x86-64 twin (the same sources built for 64-bit Wine)");
    printf("Frame cost of acplug03 in the stand-in engine: engines, beacon, strobes, tyres, lights and taxi\n");
    printf("running; a frame is the tick of 16 ms, the light update and the host's taxi step of 16 ms.\n\n");
    printf("%9s %10s %13s %13s %13s %7s\n", "aircraft", "frames", "ns/acft-frame", "engine calls", "bare calls ns",
           "ratio");
    for (int row = 0; row < 3; ++row) {
        FrameCost cost;
        if (!measure_frame_cost(fleet_sizes[row], samples.aircraft_frames[row], &cost)) {
            printf("%9u  acplug03.dll or its scene could not be set up\n", fleet_sizes[row]);
            continue;
        }
        printf("%9u %10u %13.0f %13.1f %13.0f %7.2f\n", cost.aircraft, cost.frames, cost.plugin_ns, cost.engine_calls,
               cost.bare_ns, cost.bare_ns > 0 ? cost.plugin_ns / cost.bare_ns : 0.0);
        if (cost.calls_not_replayed)
            printf("          (%u engine calls of a frame could not be replayed)\n", cost.calls_not_replayed);
    }
    printf("\n(frames: timed frames of each aircraft; ns: median over the scenes; engine calls: per\n");
    printf(" aircraft-frame, the host's three sends and the plug-in's calls; bare calls: the same calls\n");
    printf(" logged by the engine and made again without the plug-in, the sends to an idle object;\n");
    printf(" ratio: the frame's cost over that of its bare engine calls)\n\n");
}

void print_start_times(const Samples& samples) {
    wchar_t here[MAX_PATH], temp[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, here);
    GetTempPathW(MAX_PATH, temp);
    std::wstring game = std::wstring(temp) + L"tovi_bench_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    std::wstring built = std::wstring(here) + L"\\";
    if (!copy_tree(built + L"..\\game\\", game) ||
        !CopyFileW((built + L"bare_window.exe").c_str(), (game + L"bare_window.exe").c_str(), FALSE)) {
        printf("the game folder could not be copied from %ls..\\game\n", built.c_str());
        remove_tree(game);
        return;
    }
    double bare = start_to_exit_ms((game + L"bare_window.exe").c_str(), L"", game.c_str(), samples.starts);
    double config = start_to_exit_ms((game + L"TOVICONFIG.exe").c_str(), L"/i", game.c_str(), samples.starts);
    printf("Start to exit, median of %d runs in a copy of the game folder:\n\n", samples.starts);
    printf("%-26s %10s %7s\n", "program", "ms", "ratio");
    printf("%-26s %10.1f %7.2f\n", "bare Win32 window", bare, 1.0);
    printf("%-26s %10.1f %7.2f\n", "TOVICONFIG.exe /i", config, bare > 0 && config > 0 ? config / bare : 0.0);
    remove_tree(game);
}

}  // namespace

int main(int argc, char** argv) {
    const Samples& samples = argc > 1 && !strcmp(argv[1], "--short") ? short_samples : full_samples;
    setvbuf(stdout, nullptr, _IONBF, 0);
    print_frame_costs(samples);
    print_start_times(samples);
    return 0;
}
