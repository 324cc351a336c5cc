// Custom-control library: image push buttons drawn from one picture strip.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#ifdef MOXEL_BUILD
#define MOXEL_API extern "C" __declspec(dllexport)
#else
#define MOXEL_API extern "C" __declspec(dllimport)
#endif

// DO NOT REORDER: the button record that the caller owns and the library works on.
struct MoxelButton {
    HWND handle;  // filled by MOXEL_CreatePushButton
    RECT image;   // the cell of the picture strip shown now
    int32_t x, y, width, height;
    uint32_t reserved[5];
};
#if UINTPTR_MAX == UINT32_MAX
static_assert(sizeof(MoxelButton) == 56, "button record is 14 words");
static_assert(offsetof(MoxelButton, image) == 4, "image rectangle follows the handle");
static_assert(offsetof(MoxelButton, x) == 20, "position follows the image rectangle");
#endif

MOXEL_API int WINAPI MOXEL_SetMode(int mode);
// Loads the picture strip of the push buttons from image_path.
MOXEL_API int WINAPI MOXEL_Start(HINSTANCE instance, const wchar_t* image_path);
// A push button child of parent at the record's place, showing the cell of the picture strip that
// the record's image rectangle names (repainted when it changes); a click sends WM_COMMAND with id.
MOXEL_API HWND WINAPI MOXEL_CreatePushButton(HWND parent, MoxelButton* button, int flags, int id);
MOXEL_API int WINAPI MOXEL_End();
