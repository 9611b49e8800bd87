// Tables of presses and what the decision should say about them.
#ifndef TAVRIN_TESTS_NATIVE_PRESS_CASES_H
#define TAVRIN_TESTS_NATIVE_PRESS_CASES_H

#include <stdint.h>

#include <string>

#include "filters/pass_zone.h"

struct PressCase {
    uint32_t x;
    uint32_t y;
    bool passes;
};

inline PressPoint At(uint32_t x, uint32_t y)
{
    return PressPoint{x, y};
}

inline uintptr_t LParamOf(uint32_t x, uint32_t y)
{
    return (uintptr_t)((y << 16) | (x & 0xFFFF));
}

inline std::string Where(const PressCase& c)
{
    return "(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
}

// A press on a resizable window of the given size, with or without its size lock.
struct SizedCase {
    int32_t w, h;
    bool sizeLocked;
    uint32_t x, y;
    bool passes;
};

inline std::string Describe(const SizedCase& c)
{
    return std::to_string(c.w) + "x" + std::to_string(c.h) + (c.sizeLocked ? " size-locked" : "") + " at (" +
           std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
}

const bool kPass = true;
const bool kSwallow = false;

#endif
