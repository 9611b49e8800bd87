#include "filters/gen_registry.h"

#include <stdlib.h>
#include <string.h>

#include <new>

GenWindowRegistry::~GenWindowRegistry()
{
    free(entries_);
    for (Hash* hash = hash_.load(); hash;) {
        Hash* replaced = hash->replaced;
        free(hash->slots);
        free(hash);
        hash = replaced;
    }
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

// Handles are small numbers close together: spread them (Fibonacci hashing).
static size_t HashOf(uintptr_t handle)
{
    return (size_t)(((uint64_t)handle * 0x9E3779B97F4A7C15ull) >> 32);
}

// The slot holding the handle, or the empty slot where it would go.
GenWindowRegistry::Slot* GenWindowRegistry::SlotOf(const Hash* hash, uintptr_t handle)
{
    size_t i = HashOf(handle) & hash->mask;
    for (;;) {
        uintptr_t there = hash->slots[i].handle.load(std::memory_order_acquire);
        if (there == handle || there == 0) return &hash->slots[i];
        i = (i + 1) & hash->mask;
    }
}

bool GenWindowRegistry::Find(uintptr_t handle, GenFrameProcedure* found) const
{
    const Hash* hash = hash_.load(std::memory_order_acquire);
    if (!hash || handle == 0) return false;
    const Slot* slot = SlotOf(hash, handle);
    if (slot->handle.load(std::memory_order_acquire) == 0) return false;
    *found = slot->procedure;
    return true;
}

bool GenWindowRegistry::Contains(uintptr_t handle) const
{
    GenFrameProcedure unused;
    return Find(handle, &unused);
}

// The procedure first, then the handle that makes the slot visible.
void GenWindowRegistry::Put(Hash* hash, uintptr_t handle, GenFrameProcedure procedure)
{
    Slot* slot = SlotOf(hash, handle);
    slot->procedure = procedure;
    slot->handle.store(handle, std::memory_order_release);
}

// A hash twice the size (16 slots to start), filled with every entry before
// it takes the place of the old one.
bool GenWindowRegistry::GrowHash()
{
    Hash* old = hash_.load(std::memory_order_relaxed);
    size_t count = old ? (old->mask + 1) * 2 : 16;
    Hash* grown = (Hash*)malloc(sizeof(Hash));
    Slot* slots = (Slot*)malloc(count * sizeof(Slot));
    if (!grown || !slots) {
        free(grown);
        free(slots);
        return false;
    }
    for (size_t i = 0; i < count; ++i) new (&slots[i]) Slot{{0}, {0, false}};
    grown->mask = count - 1;
    grown->replaced = old;
    grown->slots = slots;
    for (size_t i = 0; i < count_; ++i) Put(grown, entries_[i].handle, entries_[i].procedure);
    hash_.store(grown, std::memory_order_release);
    return true;
}

bool GenWindowRegistry::Insert(uintptr_t handle, GenFrameProcedure procedure)
{
    if (handle == 0 || Contains(handle)) return false;
    if (count_ == capacity_) {
        size_t grown = capacity_ ? capacity_ * 2 : 16;
        Entry* larger = (Entry*)realloc(entries_, grown * sizeof(Entry));
        if (!larger) return false;
        entries_ = larger;
        capacity_ = grown;
    }
    Hash* hash = hash_.load(std::memory_order_relaxed);
    if (!hash || (count_ + 1) * 2 > hash->mask + 1) {
        if (!GrowHash()) return false;
        hash = hash_.load(std::memory_order_relaxed);
    }
    size_t i = LowerBound(handle);
    memmove(entries_ + i + 1, entries_ + i, (count_ - i) * sizeof(Entry));
    entries_[i].handle = handle;
    entries_[i].procedure = procedure;
    ++count_;
    Put(hash, handle, procedure);
    return true;
}
