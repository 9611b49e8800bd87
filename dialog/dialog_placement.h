// Where the dialog goes: centred on the foreground window. Platform-free.
#ifndef TAVRIN_DIALOG_DIALOG_PLACEMENT_H
#define TAVRIN_DIALOG_DIALOG_PLACEMENT_H

#include <stdint.h>

struct DialogOrigin {
    int32_t x;
    int32_t y;
};

// Signed 32-bit arithmetic, the division truncating toward zero (-201 / 2 is
// -100). Widened while computing so that no rectangle can overflow.
inline DialogOrigin CentredOrigin(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width,
                                  int32_t height)
{
    DialogOrigin o;
    o.x = (int32_t)(left + ((int64_t)right - left - width) / 2);
    o.y = (int32_t)(top + ((int64_t)bottom - top - height) / 2);
    return o;
}

#endif
