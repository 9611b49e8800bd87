#include "filters/pass_zone.h"

// Tests one axis. 'near' is the press coordinate measured from the left or top
// edge, 'far' the same coordinate measured from the right or bottom edge as if
// the window had its reference size. 64-bit, so no window size can overflow.
static bool AxisContains(int32_t lo, int32_t hi, ZoneAnchor anchor, int64_t nearCoord, int64_t farCoord)
{
    switch (anchor) {
    case ZoneAnchor::Left:
    case ZoneAnchor::Top:
        return lo <= nearCoord && nearCoord <= hi;
    case ZoneAnchor::Right:
    case ZoneAnchor::Bottom:
        return lo <= farCoord && farCoord <= hi;
    case ZoneAnchor::Stretch:
        return lo <= nearCoord && farCoord <= hi;
    }
    return false;
}

bool ZoneContains(const PassZone& zone, const ZoneTable& table, PressPoint p, WindowSize size)
{
    int64_t tx = (int64_t)p.x - size.width + table.referenceWidth;
    int64_t ty = (int64_t)p.y - size.height + table.referenceHeight;
    return AxisContains(zone.x0, zone.x1, zone.xAnchor, p.x, tx) &&
           AxisContains(zone.y0, zone.y1, zone.yAnchor, p.y, ty);
}

static bool ConditionHolds(ZoneCondition condition, ZoneConditions when, WindowSize size)
{
    switch (condition) {
    case ZoneCondition::Always: return true;
    case ZoneCondition::WhilePlaying: return when.playing;
    case ZoneCondition::WhileSizeUnlocked: return when.sizeUnlocked;
    case ZoneCondition::WhilePlayingWide: return when.playing && size.width >= kWideWindow;
    }
    return false;
}

bool TableHasPassZone(const ZoneTable& table, PressPoint p, WindowSize size, ZoneConditions when)
{
    for (int i = 0; i < table.count; ++i) {
        const PassZone& zone = table.zones[i];
        if (ConditionHolds(zone.activeWhen, when, size) && ZoneContains(zone, table, p, size)) return true;
    }
    return false;
}

PressDecision DecideWithoutPlaying(const ZoneTable& table, PressPoint p, WindowSize size, bool sizeUnlocked)
{
    const ZoneConditions idle = {false, sizeUnlocked};
    if (TableHasPassZone(table, p, size, idle)) return PressDecision::Pass;
    const ZoneConditions playing = {true, sizeUnlocked};
    if (TableHasPassZone(table, p, size, playing)) return PressDecision::PassWhilePlaying;
    return PressDecision::Swallow;
}
