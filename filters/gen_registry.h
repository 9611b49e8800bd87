// GenWindowRegistry: generic frame handle -> the procedure its filter hands on
// to, ordered by handle. Entries are only added. A sorted array: lookups are a
// binary search and allocate nothing; only an insertion may grow the array.
// Platform-free; the locking around it lives with its user.
#ifndef TAVRIN_FILTERS_GEN_REGISTRY_H
#define TAVRIN_FILTERS_GEN_REGISTRY_H

#include <stddef.h>
#include <stdint.h>

// What a frame's filter hands on to: its previous procedure and whether the
// filter went in as a Unicode procedure (then messages go on in Unicode).
struct GenFrameProcedure {
    uintptr_t procedure;
    bool unicode;
};

class GenWindowRegistry {
public:
    GenWindowRegistry() : entries_(nullptr), count_(0), capacity_(0) {}
    ~GenWindowRegistry();
    GenWindowRegistry(const GenWindowRegistry&) = delete;
    GenWindowRegistry& operator=(const GenWindowRegistry&) = delete;

    // The stored procedure for a handle; false when the handle has no entry.
    bool Find(uintptr_t handle, GenFrameProcedure* found) const;
    bool Contains(uintptr_t handle) const;
    // Adds a new handle; false when it is already there or memory ran out.
    bool Insert(uintptr_t handle, GenFrameProcedure procedure);
    size_t Size() const { return count_; }
    // Entry i in handle order, for walking the registry.
    uintptr_t HandleAt(size_t i) const { return entries_[i].handle; }
    GenFrameProcedure ProcedureAt(size_t i) const { return entries_[i].procedure; }

private:
    struct Entry {
        uintptr_t handle;
        GenFrameProcedure procedure;
    };
    size_t LowerBound(uintptr_t handle) const;

    Entry* entries_;
    size_t count_;
    size_t capacity_;
};

#endif
