// The depth-first folder walk, bounded by the path buffer.
#include "folder_walk.h"
#include <windows.h>
#include "files.h"

namespace {

// Each level adds at least a one-character name and its backslash, so no folder deeper than
// this has a path that fits the buffer: the guard keeps a runaway walk off the stack without
// ever cutting short a path that fits.
const int DEEPEST_FOLDER = TEXT_CAPACITY / 2;

int is_followable_folder(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// base: the folder with a trailing backslash.
int walk_below(const wchar_t* base, FolderVisit visit, void* context, int depth) {
    wchar_t path[TEXT_CAPACITY];  // the search pattern, then each entry's path
    if (depth > DEEPEST_FOLDER || !join_path(path, TEXT_CAPACITY, base, L"*.*")) return 0;

    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(path, &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int ended = 0;
    do {
        if (!wcscmp(entry.cFileName, L".") || !wcscmp(entry.cFileName, L"..")) continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (is_followable_folder(entry) && join_path(path, TEXT_CAPACITY, base, entry.cFileName) &&
                join_path(path, TEXT_CAPACITY, path, L"\\"))
                ended = walk_below(path, visit, context, depth + 1);
        } else {
            if (!join_path(path, TEXT_CAPACITY, base, entry.cFileName)) path[0] = 0;
            ended = visit(path, entry.cFileName, context);
        }
    } while (!ended && FindNextFileW(find, &entry));
    FindClose(find);
    return ended;
}

}  // namespace

int walk_folder(const wchar_t* folder, FolderVisit visit, void* context) {
    wchar_t base[TEXT_CAPACITY];
    size_t length = wcslen(folder);
    int has_slash = length && folder[length - 1] == L'\\';
    if (!join_path(base, TEXT_CAPACITY, folder, has_slash ? L"" : L"\\")) return 0;
    return walk_below(base, visit, context, 0);
}
