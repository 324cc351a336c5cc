// Settings-access library: integers in INI files.
#pragma once
#include <windows.h>

#ifdef TARVELO_BUILD
#define TARVELO_API extern "C" __declspec(dllexport)
#else
#define TARVELO_API extern "C" __declspec(dllimport)
#endif

// The integer stored under section and key of the INI file, or fallback when there is none.
TARVELO_API int WINAPI TARVELO_GetInt(const wchar_t* section, const wchar_t* key, int fallback, const wchar_t* path);
// Stores value under section and key; flags 0x10000000 writes the file at once. Non-zero on success.
TARVELO_API int WINAPI TARVELO_WriteInt(const wchar_t* section, const wchar_t* key, int value, const wchar_t* path,
                                        unsigned flags);
