// The program's list sort: a recursive partition sort in place, the first item of each range
// as its pivot. The sort is not stable.
#pragma once
#include <stddef.h>
#include <stdint.h>

// How a list is ordered: which field to compare and which way (0 the list's usual way).
struct SortOrder {
    int32_t key;
    int32_t direction;
};

// 1 when item is to stand before pivot in the given order.
typedef int (*StandsBefore)(const void* item, const void* pivot, const SortOrder* order);

// Sorts items[first..last] (each item_size bytes); an empty or one-item range is left alone.
void partition_sort(void* items, size_t item_size, int32_t first, int32_t last, StandsBefore stands_before,
                    const SortOrder* order);
