// GenWindowRegistry: generic frame handle -> the procedure its filter hands on
// to, ordered by handle. Entries are only added. Platform-free.
//
// Two arrays hold the entries: one in handle order, for walking them, and an
// open-addressing hash, so that the lookup made for every message to a frame
// costs the same with one frame or a thousand. Lookups take no lock and
// allocate nothing: one thread inserts (the scan), while the frames' filters
// look up on their own threads. A hash slot is written once, its handle last;
// a grown hash is filled before it is published, and the hashes it replaced
// stay allocated until the registry goes, so a lookup under way never reads
// freed memory. Insertions and walks are for the one inserting thread, or
// need a lock of their user's.
#ifndef TAVRIN_FILTERS_GEN_REGISTRY_H
#define TAVRIN_FILTERS_GEN_REGISTRY_H

#include <stddef.h>
#include <stdint.h>

#include <atomic>

// What a frame's filter hands on to: its previous procedure and whether the
// filter went in as a Unicode procedure (then messages go on in Unicode).
struct GenFrameProcedure {
    uintptr_t procedure;
    bool unicode;
};

class GenWindowRegistry {
public:
    GenWindowRegistry() : entries_(nullptr), count_(0), capacity_(0), hash_(nullptr) {}
    ~GenWindowRegistry();
    GenWindowRegistry(const GenWindowRegistry&) = delete;
    GenWindowRegistry& operator=(const GenWindowRegistry&) = delete;

    // The stored procedure for a handle; false when the handle has no entry.
    // Safe on any thread, also while another thread inserts.
    bool Find(uintptr_t handle, GenFrameProcedure* found) const;
    bool Contains(uintptr_t handle) const;
    // Adds a new handle; false when it is already there, is 0 (no window) or
    // memory ran out.
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
    struct Slot {
        std::atomic<uintptr_t> handle;  // 0: empty; written once, after the procedure
        GenFrameProcedure procedure;
    };
    struct Hash {
        size_t mask;     // slot count - 1; the count is a power of two, at most half of it used
        Hash* replaced;  // the smaller hash before this one, kept until the registry goes
        Slot* slots;
    };
    size_t LowerBound(uintptr_t handle) const;
    static Slot* SlotOf(const Hash* hash, uintptr_t handle);
    static void Put(Hash* hash, uintptr_t handle, GenFrameProcedure procedure);
    bool GrowHash();

    Entry* entries_;  // in handle order
    size_t count_;
    size_t capacity_;
    std::atomic<Hash*> hash_;
};

#endif
