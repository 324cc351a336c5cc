// The depth-first folder walk of the start-up lists and the package catalogue.
#pragma once
#include <wchar.h>

// Called for each file: the folder it lies in (with a trailing backslash) and its name.
// Returns 1 to end the walk.
typedef int (*FolderVisit)(const wchar_t *folder, const wchar_t *name, void *context);

// Visits every file below folder, depth first in the order Windows lists them. Folders that
// are reparse points (junctions, symbolic links) are not entered, so a link back up cannot
// make the walk go round; paths that do not fit end their branch. 1 when visit ended the walk.
int walk_folder(const wchar_t *folder, FolderVisit visit, void *context);
