// The player's own mouse handling (5.x) on its classic windows, as the
// stand-in plays it: which control claims a press, when a press starts a drag
// or a resize, what acts on a release and what a double-click does. Window
// moves and sizes are real; actions that would change the player (Close,
// Play, a menu) are only recorded in g_actions.
#include "host_standin.h"

#include <string.h>

#include <map>

std::vector<std::string> g_actions;

namespace {

// A bound in skin pixels, measured from the left or top edge, or, with
// fromEnd, back from the window's width or height (W - value).
struct Bound {
    int value;
    bool fromEnd;
};
#define L(v) Bound{v, false}
#define E(v) Bound{v, true}

int Resolve(Bound b, int size)
{
    return b.fromEnd ? size - b.value : b.value;
}

enum Acts {
    kOnPress,       // acts on its own press
    kHolds,         // acts on the press and holds the mouse (main: bar, volume, balance, title scroll)
    kOnRelease,     // main window: the release runs whatever release control lies under it
    kArmed,         // acts on a release over it, only when armed
    kAnyRelease,    // equalizer ON/AUTO: any release inside
    kOpensColumn,   // playlist buttons: the next press goes to the column
    kDoesNothing,   // claimed, no action
    kResizes,       // a grip
};

enum When { kAlways, kPlaying, kPlayingWide };

struct Control {
    const char* name;
    Bound x0, x1, y0, y1;
    Acts acts;
    When when;
};

struct Table {
    const Control* controls;
    int count;
};
#define TABLE(t) Table{t, (int)(sizeof(t) / sizeof(t[0]))}

// Main window, normal mode, in the order the player tests them.
const Control kMainNormal[] = {
    {"Position bar", L(18), L(263), L(73), L(81), kHolds, kPlaying},
    {"Volume", L(107), L(175), L(58), L(66), kHolds, kAlways},
    {"Balance", L(177), L(215), L(58), L(66), kHolds, kAlways},
    {"Title scroll", L(117), L(266), L(24), L(35), kHolds, kAlways},
    {"Prev", L(15), L(37), L(87), L(106), kOnRelease, kAlways},
    {"Play", L(38), L(59), L(87), L(106), kOnRelease, kAlways},
    {"Pause", L(60), L(83), L(87), L(106), kOnRelease, kAlways},
    {"Stop", L(84), L(106), L(87), L(106), kOnRelease, kAlways},
    {"Next", L(107), L(130), L(87), L(106), kOnRelease, kAlways},
    {"Eject", L(136), L(158), L(89), L(105), kOnRelease, kAlways},
    {"Shuffle", L(165), L(209), L(90), L(102), kOnRelease, kAlways},
    {"Repeat", L(210), L(239), L(90), L(102), kOnRelease, kAlways},
    {"EQ toggle", L(219), L(242), L(58), L(70), kOnRelease, kAlways},
    {"PL toggle", L(243), L(265), L(58), L(70), kOnRelease, kAlways},
    {"About", L(253), L(265), L(91), L(105), kOnRelease, kAlways},
    {"Clutterbar", L(9), L(19), L(20), L(65), kOnRelease, kAlways},
    {"Time", L(36), L(96), L(26), L(39), kOnPress, kAlways},
    {"Vis", L(27), L(99), L(40), L(61), kOnPress, kPlaying},
    {"Minimize", L(244), L(253), L(3), L(12), kOnRelease, kAlways},
    {"Shade", L(254), L(262), L(3), L(12), kOnRelease, kAlways},
    {"Close", L(264), L(272), L(3), L(12), kOnRelease, kAlways},
    {"Menu", L(5), L(17), L(3), L(13), kOnPress, kAlways},
};

// The clutterbar claims x 9..19, y 20..65; a release runs its button under it.
const Control kClutterButtons[] = {
    {"Clutter O", L(11), L(19), L(24), L(31), kOnRelease, kAlways},
    {"Clutter A", L(11), L(19), L(32), L(39), kOnRelease, kAlways},
    {"Clutter I", L(11), L(19), L(40), L(47), kOnRelease, kAlways},
    {"Clutter D", L(11), L(19), L(48), L(55), kOnRelease, kAlways},
    {"Clutter V", L(11), L(19), L(56), L(62), kOnRelease, kAlways},
};

const Control kMainShaded[] = {
    {"Seek", L(228), L(242), L(3), L(12), kHolds, kPlaying},
    {"Time", L(129), L(157), L(3), L(9), kOnPress, kAlways},
    {"Vis", L(78), L(116), L(4), L(11), kOnPress, kAlways},
    {"Prev", L(168), L(175), L(2), L(11), kOnPress, kAlways},
    {"Play", L(176), L(185), L(2), L(11), kOnPress, kAlways},
    {"Pause", L(186), L(194), L(2), L(11), kOnPress, kAlways},
    {"Stop", L(195), L(203), L(2), L(11), kOnPress, kAlways},
    {"Next", L(204), L(214), L(2), L(11), kOnPress, kAlways},
    {"Eject", L(215), L(224), L(2), L(11), kOnPress, kAlways},
    {"Minimize", L(244), L(253), L(3), L(12), kOnRelease, kAlways},
    {"Shade", L(254), L(262), L(3), L(12), kOnRelease, kAlways},
    {"Close", L(264), L(272), L(3), L(12), kOnRelease, kAlways},
    {"Menu", L(5), L(17), L(3), L(13), kOnPress, kAlways},
};


// Equalizer: sliders, title buttons, dB buttons, ON/AUTO, presets.
const Control kEqualizerNormal[] = {
    {"Preamp", L(21), L(33), L(39), L(98), kOnPress, kAlways},
    {"Band 1", L(78), L(90), L(39), L(98), kOnPress, kAlways},
    {"Band 2", L(96), L(108), L(39), L(98), kOnPress, kAlways},
    {"Band 3", L(114), L(126), L(39), L(98), kOnPress, kAlways},
    {"Band 4", L(132), L(144), L(39), L(98), kOnPress, kAlways},
    {"Band 5", L(150), L(162), L(39), L(98), kOnPress, kAlways},
    {"Band 6", L(168), L(180), L(39), L(98), kOnPress, kAlways},
    {"Band 7", L(186), L(198), L(39), L(98), kOnPress, kAlways},
    {"Band 8", L(204), L(216), L(39), L(98), kOnPress, kAlways},
    {"Band 9", L(222), L(234), L(39), L(98), kOnPress, kAlways},
    {"Band 10", L(240), L(252), L(39), L(98), kOnPress, kAlways},
    {"Shade", L(253), L(263), L(3), L(12), kArmed, kAlways},
    {"Close", L(264), L(273), L(3), L(12), kArmed, kAlways},
    {"+12 dB", L(42), L(67), L(33), L(42), kArmed, kAlways},
    {"0 dB", L(42), L(67), L(65), L(74), kArmed, kAlways},
    {"-12 dB", L(42), L(67), L(92), L(101), kArmed, kAlways},
    {"ON", L(14), L(38), L(18), L(30), kAnyRelease, kAlways},
    {"AUTO", L(39), L(72), L(18), L(30), kAnyRelease, kAlways},
    {"Presets", L(217), L(261), L(18), L(30), kArmed, kAlways},
};

const Control kEqualizerShaded[] = {
    {"Volume", L(61), L(162), L(3), L(11), kOnPress, kAlways},
    {"Balance", L(163), L(206), L(3), L(11), kOnPress, kAlways},
    {"Shade", L(253), L(263), L(3), L(12), kArmed, kAlways},
    {"Close", L(264), L(273), L(3), L(12), kArmed, kAlways},
};

const Control kPlaylistNormal[] = {
    {"Vis", E(225), E(150), E(26), E(8), kOnPress, kPlayingWide},
    {"Prev", E(144), E(138), E(15), E(8), kOnPress, kAlways},
    {"Play", E(137), E(128), E(15), E(8), kOnPress, kAlways},
    {"Pause", E(127), E(118), E(15), E(8), kOnPress, kAlways},
    {"Stop", E(117), E(109), E(15), E(8), kOnPress, kAlways},
    {"Next", E(108), E(100), E(15), E(8), kOnPress, kAlways},
    {"Eject", E(99), E(91), E(15), E(8), kOnPress, kAlways},
    {"Time", E(87), E(53), E(18), E(9), kOnPress, kAlways},
    {"LIST OPTS", E(44), E(22), E(30), E(12), kOpensColumn, kAlways},
    {"MISC", L(101), L(122), E(30), E(12), kOpensColumn, kAlways},
    {"SEL", L(72), L(93), E(30), E(12), kOpensColumn, kAlways},
    {"ADD", L(14), L(35), E(30), E(12), kOpensColumn, kAlways},
    {"REM", L(43), L(64), E(30), E(12), kOpensColumn, kAlways},
    {"Scroll up", E(15), E(7), E(36), E(32), kOnPress, kAlways},
    {"Scroll down", E(15), E(7), E(31), E(27), kOnPress, kAlways},
    {"List", L(12), E(20), L(20), E(38), kOnPress, kAlways},
    {"Scroll bar", E(15), E(7), L(20), E(38), kOnPress, kAlways},
    {"Shade", E(20), E(11), L(3), L(12), kArmed, kAlways},
    {"Close", E(10), E(1), L(3), L(12), kArmed, kAlways},
};

const Control kPlaylistShaded[] = {
    {"Shade", E(20), E(11), L(3), L(12), kArmed, kAlways},
    {"Close", E(10), E(1), L(3), L(12), kArmed, kAlways},
    {"Width grip", E(28), E(21), L(0), E(1), kResizes, kAlways},
};

const Control kVideo[] = {
    {"Fullscreen", L(9), L(23), E(29), E(11), kArmed, kAlways},
    {"1x", L(24), L(38), E(29), E(11), kArmed, kAlways},
    {"2x", L(39), L(53), E(29), E(11), kArmed, kAlways},
    {"TV", L(54), L(68), E(29), E(11), kArmed, kAlways},
    {"Video menu", L(69), L(83), E(29), E(11), kArmed, kAlways},
    {"Button end", L(84), L(89), E(29), E(11), kDoesNothing, kAlways},
    {"Close", E(10), E(1), L(3), L(12), kArmed, kAlways},
};

const Control kGen[] = {
    {"Close", E(10), E(1), L(3), L(12), kArmed, kAlways},
};

const char* const kWindowNames[] = {"main", "eq", "pl", "video", "gen"};

bool Playing()
{
    return g_answers.playing != 0;
}

bool Contains(const Control& c, int x, int y, int width, int height)
{
    return Resolve(c.x0, width) <= x && x <= Resolve(c.x1, width) && Resolve(c.y0, height) <= y &&
           y <= Resolve(c.y1, height);
}

bool Active(const Control& c, int width)
{
    switch (c.when) {
    case kAlways: return true;
    case kPlaying: return Playing();
    case kPlayingWide: return Playing() && width >= 350;
    }
    return false;
}

const Control* Find(Table table, int x, int y, int width, int height, bool releasesOnly = false)
{
    for (int i = 0; i < table.count; ++i) {
        const Control& c = table.controls[i];
        if (releasesOnly && c.acts != kOnRelease) continue;
        if (Active(c, width) && Contains(c, x, y, width, height)) return &c;
    }
    return 0;
}

bool Shaded(PlayerWindowKind kind, int height)
{
    switch (kind) {
    case kPlayerMain: return g_answers.shadedMain == 1;
    case kPlayerEqualizer: return g_answers.shadedEqualizer == 1;
    case kPlayerPlaylist: return height == 14;
    default: return false;
    }
}

Table PressTable(PlayerWindowKind kind, bool shaded)
{
    switch (kind) {
    case kPlayerMain: return shaded ? TABLE(kMainShaded) : TABLE(kMainNormal);
    case kPlayerEqualizer: return shaded ? TABLE(kEqualizerShaded) : TABLE(kEqualizerNormal);
    case kPlayerPlaylist: return shaded ? TABLE(kPlaylistShaded) : TABLE(kPlaylistNormal);
    case kPlayerVideo: return TABLE(kVideo);
    case kPlayerGen: return TABLE(kGen);
    }
    return Table{0, 0};
}

// The lower-right grip of the playlist (normal), the video window and the frames.
bool HasGrip(PlayerWindowKind kind, bool shaded)
{
    return (kind == kPlayerPlaylist && !shaded) || kind == kPlayerVideo || kind == kPlayerGen;
}

bool OnGrip(int x, int y, int width, int height)
{
    return x >= width - 19 && y >= height - 19 && (width - x) + (height - y) <= 30;
}

// How far the main window and the equalizer scale a press.
unsigned Shift(PlayerWindowKind kind)
{
    unsigned scale = (unsigned)g_answers.scale & 31u;
    if (kind == kPlayerMain) return scale;
    if (kind == kPlayerEqualizer) return g_answers.equalizerDoubleSize ? scale : 0;
    return 0;
}

enum Hold { kHoldNothing, kHoldDrag, kHoldResize, kHoldControl };

struct MouseState {
    Hold hold;
    const Control* control;  // the claimed control, or the armed one while nothing holds
    bool armed;
    POINT pressClient;       // in window pixels, for drags
    SIZE gripOffset;         // W - x, H - y at a grip press
    const char* openColumn;  // playlist: the column its last button opened
    const Control* slider;   // equalizer: the slider a held move last swept over
};

std::map<HWND, MouseState> g_state;

void Record(PlayerWindowKind kind, const char* what, const char* name)
{
    std::string action = std::string(kWindowNames[kind]) + " " + what;
    if (name) action += std::string(" ") + name;
    g_actions.push_back(action);
}

struct Where {
    int x, y;           // skin pixels
    int width, height;  // skin pixels
    bool shaded;
};

Where Locate(HWND hwnd, PlayerWindowKind kind, LPARAM lParam)
{
    RECT r;
    GetClientRect(hwnd, &r);
    unsigned shift = Shift(kind);
    Where w;
    w.x = (short)LOWORD(lParam) >> shift;
    w.y = (short)HIWORD(lParam) >> shift;
    w.width = (r.right - r.left) >> shift;
    w.height = (r.bottom - r.top) >> shift;
    w.shaded = Shaded(kind, r.bottom - r.top);
    return w;
}

void Press(HWND hwnd, PlayerWindowKind kind, LPARAM lParam)
{
    MouseState& s = g_state[hwnd];
    SetCapture(hwnd);
    Where at = Locate(hwnd, kind, lParam);
    s.hold = kHoldNothing;
    s.control = 0;
    s.armed = false;
    if (kind == kPlayerPlaylist && s.openColumn) {
        // The open column takes this press, wherever it lands; nothing drags.
        Record(kind, "column", s.openColumn);
        s.openColumn = 0;
        return;
    }
    const Control* c = Find(PressTable(kind, at.shaded), at.x, at.y, at.width, at.height);
    bool grip = c ? c->acts == kResizes : HasGrip(kind, at.shaded) && OnGrip(at.x, at.y, at.width, at.height);
    if (grip) {
        Record(kind, "resize", 0);
        s.hold = kHoldResize;
        s.gripOffset.cx = at.width - at.x;
        s.gripOffset.cy = at.height - at.y;
        return;
    }
    if (c) {
        Record(kind, "press", c->name);
        // The main window holds the mouse only for its bar, volume, balance and title scroll.
        if (kind != kPlayerMain || c->acts == kHolds) {
            s.hold = kHoldControl;
            s.control = c;
            s.armed = c->acts == kArmed;
        }
        return;
    }
    if (g_answers.easyMove || at.y <= 13) {
        Record(kind, "drag", 0);
        s.hold = kHoldDrag;
        s.pressClient.x = (short)LOWORD(lParam);
        s.pressClient.y = (short)HIWORD(lParam);
    }
}

void DragTo(HWND hwnd, PlayerWindowKind kind, const MouseState& s)
{
    POINT cursor;
    GetCursorPos(&cursor);
    POINT topLeft = {cursor.x - s.pressClient.x, cursor.y - s.pressClient.y};
    if (kind == kPlayerVideo || kind == kPlayerGen) {
        // The video window moves itself through this message; frames send
        // it unhandled and move themselves.
        SendMessageW(hwnd, kVideoMoveCommand, 1, (LPARAM)&topLeft);
        if (kind == kPlayerVideo) return;
    }
    SetWindowPos(hwnd, 0, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int RoundUp(int size, int minimum, int step)
{
    if (size <= minimum) return minimum;
    return minimum + (size - minimum + step - 1) / step * step;
}

void ResizeTo(HWND hwnd, PlayerWindowKind kind, const MouseState& s, LPARAM lParam)
{
    POINT size = {(short)LOWORD(lParam) + s.gripOffset.cx, (short)HIWORD(lParam) + s.gripOffset.cy};
    RECT r;
    GetClientRect(hwnd, &r);
    if (r.bottom - r.top == 14 && kind == kPlayerPlaylist) size.y = 14;  // the shaded width grip
    else size.y = RoundUp(size.y, 116, 29);
    size.x = RoundUp(size.x, 275, 25);
    if (kind == kPlayerGen) SendMessageW(hwnd, kGenSizeCommand, 1, (LPARAM)&size);
    SetWindowPos(hwnd, 0, 0, 0, size.x, size.y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Move(HWND hwnd, PlayerWindowKind kind, WPARAM wParam, LPARAM lParam)
{
    MouseState& s = g_state[hwnd];
    bool button = (wParam & MK_LBUTTON) != 0;
    // The main window moves without looking at the button; the others need it.
    if (s.hold == kHoldDrag && (kind == kPlayerMain || button)) {
        DragTo(hwnd, kind, s);
        return;
    }
    if (s.hold == kHoldResize && button) {
        ResizeTo(hwnd, kind, s, lParam);
        return;
    }
    if (!button || kind == kPlayerMain) return;
    Where at = Locate(hwnd, kind, lParam);
    const Control* c = Find(PressTable(kind, at.shaded), at.x, at.y, at.width, at.height);
    if (s.hold == kHoldControl) {
        // A release-acting control is armed only while the pointer is over it.
        if (s.control->acts == kArmed) s.armed = c == s.control;
        return;
    }
    // Nothing holds the mouse: a held button arms what it passes over, and
    // sets every equalizer slider it sweeps.
    if (c && c->acts == kArmed) {
        s.control = c;
        s.armed = true;
    } else {
        s.armed = false;
    }
    if (kind == kPlayerEqualizer && c && c->acts == kOnPress && c != s.slider) Record(kind, "slide", c->name);
    s.slider = kind == kPlayerEqualizer && c && c->acts == kOnPress ? c : 0;
}

void Release(HWND hwnd, PlayerWindowKind kind, LPARAM lParam)
{
    MouseState& s = g_state[hwnd];
    if (GetCapture() == hwnd) ReleaseCapture();
    Where at = Locate(hwnd, kind, lParam);
    Hold hold = s.hold;
    const Control* held = s.control;
    bool armed = s.armed;
    s.hold = kHoldNothing;
    s.control = 0;
    s.armed = false;
    s.slider = 0;
    if (hold == kHoldDrag || hold == kHoldResize) return;
    if (kind == kPlayerMain) {
        if (hold == kHoldControl) return;  // the bar, volume, balance or title scroll
        // Whatever was pressed, the release runs the control under it, in
        // the order the player tests them; the clutterbar, the button of it.
        const Control* c = Find(PressTable(kind, at.shaded), at.x, at.y, at.width, at.height, true);
        if (c && strcmp(c->name, "Clutterbar") == 0) c = Find(TABLE(kClutterButtons), at.x, at.y, at.width, at.height);
        if (c) Record(kind, "release", c->name);
        return;
    }
    const Control* under = Find(PressTable(kind, at.shaded), at.x, at.y, at.width, at.height);
    if (hold == kHoldControl) {
        if (held->acts == kOpensColumn) s.openColumn = held->name;
        if ((held->acts == kArmed && armed && under == held) || (held->acts == kAnyRelease && under == held)) {
            Record(kind, "release", held->name);
        }
        return;
    }
    // Nothing held the mouse: ON/AUTO act on any release, armed controls if armed.
    if (under && (under->acts == kAnyRelease || (under->acts == kArmed && armed && under == held))) {
        Record(kind, "release", under->name);
    }
}

// What a main-window double-click does, first match first; 0 where it is
// handled as a full press.
const char* MainDoubleClick(const Where& at)
{
    int x = at.x, y = at.y;
    if (6 <= x && x <= 16 && 4 <= y && y <= 12) return "Close";
    if (at.shaded && 129 <= x && x <= 158 && 5 <= y && y <= 10) return 0;
    if (at.shaded && 168 <= x && x <= 213 && 2 <= y && y <= 11) return 0;
    if (118 <= x && x <= 265 && 25 <= y && y <= 34) return "File info";
    if (!at.shaded && 24 <= x && x <= 99 && 43 <= y && y <= 58) return "Vis plug-in";
    if (at.shaded && 79 <= x && x <= 116 && 5 <= y && y <= 9) return "Vis plug-in";
    if (x <= 243 && y <= 14) return "Shade";
    return 0;
}

const char* PlaylistDoubleClick(const Where& at)
{
    int x = at.x, y = at.y, w = at.width, h = at.height;
    if (y <= 14 && x <= w - 21) return "Shade";
    if (at.shaded) return 0;
    if (12 <= x && x <= w - 20 && 20 <= y && y <= h - 38) return "Play entry";
    if (h - 30 <= y && y <= h - 13) {
        if (w - 44 <= x && x <= w - 23) return "LIST OPTS";
        if (101 <= x && x <= 121) return "MISC";
        if (72 <= x && x <= 92) return "SEL all";
        if (43 <= x && x <= 63) return "REM";
        if (14 <= x && x <= 34) return "ADD file";
    }
    return 0;
}

void DoubleClick(HWND hwnd, PlayerWindowKind kind, LPARAM lParam)
{
    Where at = Locate(hwnd, kind, lParam);
    const char* action = 0;
    switch (kind) {
    case kPlayerMain:
        action = MainDoubleClick(at);
        if (!action) {
            Press(hwnd, kind, lParam);  // handled as a press
            return;
        }
        break;
    case kPlayerEqualizer:
        if (at.y <= 14 && at.x <= 251) action = "Shade";
        break;
    case kPlayerPlaylist:
        action = PlaylistDoubleClick(at);
        break;
    default:
        break;
    }
    if (action) Record(kind, "dblclk", action);
}

}  // namespace

const char* PlayerClaim(PlayerWindowKind kind, int x, int y, int width, int height, bool shaded)
{
    const Control* c = Find(PressTable(kind, shaded), x, y, width, height);
    if (c) return c->name;
    if (HasGrip(kind, shaded) && OnGrip(x, y, width, height)) return "Grip";
    return 0;
}

void PaintPlayerControls(HDC dc, PlayerWindowKind kind, int width, int height, bool shaded)
{
    Table table = PressTable(kind, shaded);
    HBRUSH frame = CreateSolidBrush(RGB(0x4A, 0x9A, 0x5A));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0x7A, 0xC0, 0x88));
    for (int i = 0; i < table.count; ++i) {
        const Control& c = table.controls[i];
        if (!Active(c, width)) continue;
        RECT r = {Resolve(c.x0, width), Resolve(c.y0, height), Resolve(c.x1, width) + 1, Resolve(c.y1, height) + 1};
        FrameRect(dc, &r, frame);
        if (r.right - r.left >= 30 && r.bottom - r.top >= 12) {
            DrawTextA(dc, c.name, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if (HasGrip(kind, shaded)) {
        POINT grip[3] = {{width, height - 19}, {width, height}, {width - 19, height}};
        HGDIOBJ old = SelectObject(dc, frame);
        Polygon(dc, grip, 3);
        SelectObject(dc, old);
    }
    DeleteObject(frame);
}

void PlayerMouse(HWND hwnd, PlayerWindowKind kind, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: Press(hwnd, kind, lParam); break;
    case WM_MOUSEMOVE: Move(hwnd, kind, wParam, lParam); break;
    case WM_LBUTTONUP: Release(hwnd, kind, lParam); break;
    case WM_LBUTTONDBLCLK: DoubleClick(hwnd, kind, lParam); break;
    }
}

void ResetPlayerMouse()
{
    g_state.clear();
    g_actions.clear();
}
