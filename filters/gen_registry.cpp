#include "filters/gen_registry.h"

#include <stdlib.h>
#include <string.h>

GenWindowRegistry::~GenWindowRegistry()
{
    free(entries_);
}

size_t GenWindowRegistry::LowerBound(uintptr_t handle) const
{
    size_t lo = 0, hi = count_;
    while (lo < hi) {
        size_t mid = lo + (hi - lo) / 2;
        if (entries_[mid].handle < handle) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

bool GenWindowRegistry::Find(uintptr_t handle, GenFrameProcedure* found) const
{
    size_t i = LowerBound(handle);
    if (i >= count_ || entries_[i].handle != handle) return false;
    *found = entries_[i].procedure;
    return true;
}

bool GenWindowRegistry::Contains(uintptr_t handle) const
{
    size_t i = LowerBound(handle);
    return i < count_ && entries_[i].handle == handle;
}

bool GenWindowRegistry::Insert(uintptr_t handle, GenFrameProcedure procedure)
{
    size_t i = LowerBound(handle);
    if (i < count_ && entries_[i].handle == handle) return false;
    if (count_ == capacity_) {
        size_t grown = capacity_ ? capacity_ * 2 : 16;
        Entry* larger = (Entry*)realloc(entries_, grown * sizeof(Entry));
        if (!larger) return false;
        entries_ = larger;
        capacity_ = grown;
    }
    memmove(entries_ + i + 1, entries_ + i, (count_ - i) * sizeof(Entry));
    entries_[i].handle = handle;
    entries_[i].procedure = procedure;
    ++count_;
    return true;
}
