// Pass zones: the rectangles of a skin where a press goes through to the
// player while a window is locked. Platform-free.
#ifndef TAVRIN_FILTERS_PASS_ZONE_H
#define TAVRIN_FILTERS_PASS_ZONE_H

#include <stdint.h>

enum class ZoneAnchor : uint8_t { Left, Right, Top, Bottom, Stretch };
// WhilePlayingWide: while playing, on a window at least kWideWindow wide.
enum class ZoneCondition : uint8_t { Always, WhilePlaying, WhileSizeUnlocked, WhilePlayingWide };
const int32_t kWideWindow = 350;

// Short names for the zone tables.
namespace zone {
const ZoneAnchor Left = ZoneAnchor::Left;
const ZoneAnchor Right = ZoneAnchor::Right;
const ZoneAnchor Top = ZoneAnchor::Top;
const ZoneAnchor Bottom = ZoneAnchor::Bottom;
const ZoneAnchor Stretch = ZoneAnchor::Stretch;
const ZoneCondition Always = ZoneCondition::Always;
const ZoneCondition WhilePlaying = ZoneCondition::WhilePlaying;
const ZoneCondition WhileSizeUnlocked = ZoneCondition::WhileSizeUnlocked;
const ZoneCondition WhilePlayingWide = ZoneCondition::WhilePlayingWide;
}  // namespace zone

// Inclusive bounds, tested against the press through the two anchors.
struct PassZone {
    int32_t x0;
    int32_t x1;
    ZoneAnchor xAnchor;
    int32_t y0;
    int32_t y1;
    ZoneAnchor yAnchor;
    ZoneCondition activeWhen;
};

// One window's zones for one mode, with the reference size that edge-anchored
// zones are measured against.
struct ZoneTable {
    const PassZone* zones;
    int count;
    int32_t referenceWidth;
    int32_t referenceHeight;
};

// What a filter learns for one press.
struct HostViewState {
    unsigned scaleShift;
    bool shaded;
    bool playing;
    bool newerHost;
};

// The press point: lParam halves read unsigned, shifted right by the scale.
struct PressPoint {
    uint32_t x;
    uint32_t y;
};

// The window's current size from its rectangle (right - left, bottom - top).
struct WindowSize {
    int32_t width;
    int32_t height;
};

// Only the low five bits of the scale answer count.
inline unsigned ScaleShiftFromAnswer(intptr_t answer) { return (unsigned)answer & 31u; }

// Newer hosts: only the answer 1 means shaded. Older hosts: exactly 14 pixels high.
inline bool IsShadedAnswer(intptr_t answer) { return answer == 1; }
const int32_t kShadedHeight = 14;
inline bool IsShadedHeight(int32_t height) { return height == kShadedHeight; }

inline PressPoint PressPointFromLParam(uintptr_t lParam, unsigned scaleShift)
{
    PressPoint p;
    p.x = (uint32_t)(lParam & 0xFFFF) >> scaleShift;
    p.y = (uint32_t)((lParam >> 16) & 0xFFFF) >> scaleShift;
    return p;
}

// Size from a rectangle's edges; widened so that no edge values can overflow.
inline WindowSize WindowSizeFromRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    WindowSize s;
    int64_t w = (int64_t)right - left;
    int64_t h = (int64_t)bottom - top;
    // A rectangle wider than 2^31 pixels cannot be a real window; clamp it.
    s.width = w > INT32_MAX ? INT32_MAX : (w < INT32_MIN ? INT32_MIN : (int32_t)w);
    s.height = h > INT32_MAX ? INT32_MAX : (h < INT32_MIN ? INT32_MIN : (int32_t)h);
    return s;
}

// Conditions of the zones for the press being decided.
struct ZoneConditions {
    bool playing;
    bool sizeUnlocked;
};

bool ZoneContains(const PassZone& zone, const ZoneTable& table, PressPoint p, WindowSize size);

// True when some zone of the table whose condition holds contains the press.
bool TableHasPassZone(const ZoneTable& table, PressPoint p, WindowSize size, ZoneConditions when);

// A decision that may need the playing state, for windows that ask the
// player only when a press lands on a zone that plays a part only while it plays.
enum class PressDecision : uint8_t { Swallow, Pass, PassWhilePlaying };
PressDecision DecideWithoutPlaying(const ZoneTable& table, PressPoint p, WindowSize size, bool sizeUnlocked);
inline bool Passes(PressDecision d, bool playing)
{
    return d == PressDecision::Pass || (d == PressDecision::PassWhilePlaying && playing);
}

// The player's resize grip of the video window and the generic frames,
// measured from the lower-right corner itself (reference size 0 x 116): the
// cells with x >= W - 19, y >= H - 19 and (W - x) + (H - y) <= 30, one step of
// one pixel per row from (W - 11, H - 19) to (W - 19, H - 11). Its right
// column x = W and bottom row y = H lie one pixel beyond the window.
#define TAVRIN_CORNER_GRIP_FROM_EDGE                                      \
    {-19, 0, zone::Right, 105, 116, zone::Bottom, zone::WhileSizeUnlocked}, \
    {-18, 0, zone::Right, 104, 116, zone::Bottom, zone::WhileSizeUnlocked}, \
    {-17, 0, zone::Right, 103, 116, zone::Bottom, zone::WhileSizeUnlocked}, \
    {-16, 0, zone::Right, 102, 116, zone::Bottom, zone::WhileSizeUnlocked}, \
    {-15, 0, zone::Right, 101, 116, zone::Bottom, zone::WhileSizeUnlocked}, \
    {-14, 0, zone::Right, 100, 116, zone::Bottom, zone::WhileSizeUnlocked}, \
    {-13, 0, zone::Right, 99, 116, zone::Bottom, zone::WhileSizeUnlocked},  \
    {-12, 0, zone::Right, 98, 116, zone::Bottom, zone::WhileSizeUnlocked},  \
    {-11, 0, zone::Right, 97, 116, zone::Bottom, zone::WhileSizeUnlocked}

#define TAVRIN_ZONE_TABLE(zones, refWidth, refHeight) \
    { zones, (int)(sizeof(zones) / sizeof(zones[0])), refWidth, refHeight }

#endif
