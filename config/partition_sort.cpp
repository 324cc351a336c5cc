// Recursive partition sort shared by the display-mode and package lists.
#include "partition_sort.h"

namespace {

void swap_items(unsigned char* items, size_t item_size, int32_t a, int32_t b) {
    if (a == b) return;
    unsigned char* x = items + (size_t)a * item_size;
    unsigned char* y = items + (size_t)b * item_size;
    for (size_t i = 0; i < item_size; ++i) {
        unsigned char held = x[i];
        x[i] = y[i];
        y[i] = held;
    }
}

// Every item that is to stand before the pivot is swapped forward to the next free place
// after it; the pivot then takes the last such place. Returns the pivot's final index.
int32_t partition_items(unsigned char* items, size_t item_size, int32_t first, int32_t last, StandsBefore stands_before,
                        const SortOrder* order) {
    int32_t store = first;
    for (int32_t i = first + 1; i <= last; ++i)
        if (stands_before(items + (size_t)i * item_size, items + (size_t)first * item_size, order))
            swap_items(items, item_size, ++store, i);
    swap_items(items, item_size, first, store);
    return store;
}

}  // namespace

// Recurses into the smaller part and loops on the larger, so that sorted input cannot run the
// stack deep; the parts are disjoint, so the result is that of sorting both in turn.
void partition_sort(void* items, size_t item_size, int32_t first, int32_t last, StandsBefore stands_before,
                    const SortOrder* order) {
    unsigned char* bytes = (unsigned char*)items;
    while (bytes && first < last) {
        int32_t pivot = partition_items(bytes, item_size, first, last, stands_before, order);
        if (pivot - first < last - pivot) {
            partition_sort(items, item_size, first, pivot - 1, stands_before, order);
            first = pivot + 1;
        } else {
            partition_sort(items, item_size, pivot + 1, last, stands_before, order);
            last = pivot - 1;
        }
    }
}
