// The depth-first folder walk of the start-up lists and the package catalogue.
#pragma once
#include <wchar.h>

// Called for each file with its full path (empty when that does not fit in TEXT_CAPACITY
// characters) and its bare name. Returns 1 to end the walk.
typedef int (*FolderVisit)(const wchar_t* path, const wchar_t* name, void* context);

// Visits every file below folder, depth first in the order Windows lists them. Folders that
// are reparse points (junctions, symbolic links) are not entered, so a link back up cannot
// make the walk go round; paths that do not fit end their branch. 1 when visit ended the walk.
int walk_folder(const wchar_t* folder, FolderVisit visit, void* context);
