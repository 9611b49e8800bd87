#include "host_standin.h"

#include <stdio.h>
#include <string.h>

HostAnswers g_answers;
std::vector<HostRequestRecord> g_requests;
std::vector<HostMessageRecord> g_messages;
bool g_hostMouse;
bool g_hostUnicode = true;

static HWND g_windows[kHostWindowCount];
static HMODULE g_plugin;
static HostPluginRecord* g_record;

// The player's own class names and titles.
static const char* const kWindowClasses[kHostWindowCount] = {"Winamp v1.x", "Winamp EQ", "Winamp PE", "Winamp Video"};
static const char* const kWindowTitles[kHostWindowCount] = {"Winamp", "Winamp Equalizer", "Winamp Playlist Editor",
                                                            "Winamp Video"};

void ResetHostAnswers()
{
    memset(&g_answers, 0, sizeof(g_answers));
    g_answers.version = kNewerHostVersion;
    g_answers.easyMove = true;
    g_answers.equalizerDoubleSize = true;
}

void ClearHostRecords()
{
    g_requests.clear();
    g_messages.clear();
    g_actions.clear();
}

static bool IsRequest(LPARAM lParam)
{
    switch (lParam) {
    case 0: case 260: case 334: case 608: case 104: case 638: return true;
    }
    return false;
}

static LRESULT AnswerRequest(WPARAM wParam, LPARAM request)
{
    g_requests.push_back({wParam, request});
    switch (request) {
    case 0: return g_answers.version;
    case 260:
        if (wParam == 0) return (LRESULT)(g_answers.fakeHandles ? g_answers.equalizer : g_windows[kHostEqualizer]);
        if (wParam == 1) return (LRESULT)(g_answers.fakeHandles ? g_answers.playlist : g_windows[kHostPlaylist]);
        if (wParam == 3) return (LRESULT)(g_answers.fakeHandles ? g_answers.video : g_windows[kHostVideo]);
        return 0;
    case 334: return (LRESULT)g_answers.iniPath;
    case 608: return g_answers.scale;
    case 104: return g_answers.playing;
    case 638:
        if (wParam == (WPARAM)-1) return g_answers.shadedMain;
        if (wParam == 0) return g_answers.shadedEqualizer;
        if (wParam == 1) return g_answers.shadedPlaylist;
        return 0;
    }
    return 0;
}

static PlayerWindowKind KindOf(HWND hwnd)
{
    for (int i = 0; i < kHostWindowCount; ++i) {
        if (g_windows[i] == hwnd) return (PlayerWindowKind)i;
    }
    return kPlayerGen;
}

// The video picture sits at x 11..W-9, y 20..H-39 of the video window.
static HWND g_picture;

static void PlacePicture(HWND video)
{
    RECT r;
    GetClientRect(video, &r);
    int w = r.right - 19, h = r.bottom - 58;
    MoveWindow(g_picture, 11, 20, w > 0 ? w : 0, h > 0 ? h : 0, TRUE);
}

static bool IsRecorded(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_USER ||
           message == kVideoMoveCommand || message == WM_CAPTURECHANGED || message == WM_WINDOWPOSCHANGING ||
           message == WM_CHAR ||
           message >= WM_APP;
}

static LRESULT HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode)
{
    if (message == WM_USER && hwnd == g_windows[kHostMain] && IsRequest(lParam)) return AnswerRequest(wParam, lParam);
    if (IsRecorded(message)) g_messages.push_back({hwnd, message, wParam, lParam});
    switch (message) {
    case WM_USER:
        return lParam == 503 ? kHostGenFramesResult : kHostResult;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        if (g_hostMouse) PlayerMouse(hwnd, KindOf(hwnd), message, wParam, lParam);
        return kHostResult;
    case kVideoMoveCommand:
        // The video window records the new top-left and moves there; frames
        // leave the message unhandled.
        if (KindOf(hwnd) == kPlayerVideo && wParam == 1 && lParam) {
            const POINT* to = (const POINT*)lParam;
            g_actions.push_back("video move");
            SetWindowPos(hwnd, 0, to->x, to->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return kHostResult;
    case WM_SIZE:
        if (hwnd == g_windows[kHostVideo] && g_picture) PlacePicture(hwnd);
        break;
    case WM_PAINT: {
        // Its title and outline, so that a person can tell the windows apart.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        FrameRect(dc, &r, (HBRUSH)GetStockObject(LTGRAY_BRUSH));
        PlayerWindowKind kind = KindOf(hwnd);
        bool shaded = kind == kPlayerMain ? g_answers.shadedMain == 1 : r.bottom == 14;
        PaintPlayerControls(dc, kind, r.right, r.bottom, shaded);
        wchar_t title[128] = {};
        GetWindowTextW(hwnd, title, 128);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0xD0, 0xD4, 0xDA));
        RECT text = {r.left + 20, r.top + 1, r.right - 30, r.top + 15};
        DrawTextW(dc, title, -1, &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_WINDOWPOSCHANGING:
        if (!lParam) return 0;  // a broken message: nothing for the system to read
        break;
    default:
        if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message >= WM_APP) return kHostResult;
        break;
    }
    return unicode ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

// The same player behind a Unicode class (5.x) and an ANSI one (older players).
static LRESULT CALLBACK HostWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HostWindowProc(hwnd, message, wParam, lParam, true);
}

static LRESULT CALLBACK HostWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HostWindowProc(hwnd, message, wParam, lParam, false);
}

// The picture: a press captures the mouse on it, and with easy move every
// move asks the video window to go to its press position plus the pointer's
// travel. Nothing reaches the video window itself; a double-click toggles
// full screen.
static POINT g_pictureCursor;
static RECT g_pictureFrame;

static LRESULT PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode)
{
    if (g_hostMouse) {
        switch (message) {
        case WM_LBUTTONDOWN:
            SetCapture(hwnd);
            GetCursorPos(&g_pictureCursor);
            GetWindowRect(GetParent(hwnd), &g_pictureFrame);
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == hwnd && g_answers.easyMove) {
                POINT now;
                GetCursorPos(&now);
                POINT to = {g_pictureFrame.left + now.x - g_pictureCursor.x,
                            g_pictureFrame.top + now.y - g_pictureCursor.y};
                SendMessageW(GetParent(hwnd), kVideoMoveCommand, 1, (LPARAM)&to);
            }
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd) ReleaseCapture();
            return 0;
        case WM_LBUTTONDBLCLK:
            g_actions.push_back("video dblclk Fullscreen");
            return 0;
        }
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0x80, 0x84, 0x8A));
        DrawTextA(dc, "picture", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return unicode ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

static LRESULT CALLBACK PictureProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PictureProc(hwnd, message, wParam, lParam, true);
}

static LRESULT CALLBACK PictureProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PictureProc(hwnd, message, wParam, lParam, false);
}

WNDPROC HostProcedure()
{
    return g_hostUnicode ? HostWindowProcW : HostWindowProcA;
}

WNDPROC CurrentProcedure(HWND hwnd)
{
    return (WNDPROC)(g_hostUnicode ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}

// The class names here are plain ASCII.
static void Widen(const char* text, wchar_t* wide, size_t size)
{
    size_t i = 0;
    for (; text[i] && i + 1 < size; ++i) wide[i] = (unsigned char)text[i];
    wide[i] = 0;
}

// One class, Unicode or ANSI as the stand-in is, with one of the two
// procedures of a pair.
struct ClassProcedures {
    WNDPROC unicode;
    WNDPROC ansi;
};
static const ClassProcedures kSkinnedWindow = {HostWindowProcW, HostWindowProcA};
static const ClassProcedures kPicture = {PictureProcW, PictureProcA};

static bool RegisterHostClass(const char* name, ClassProcedures procedures)
{
    wchar_t wideName[256];
    Widen(name, wideName, 256);
    WNDCLASSW existing;
    if (GetClassInfoW(GetModuleHandleA(0), wideName, &existing)) return true;
    if (g_hostUnicode) {
        WNDCLASSW wc;
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedures.unicode;
        wc.hInstance = GetModuleHandleA(0);
        wc.hCursor = LoadCursorW(0, (LPCWSTR)IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(DKGRAY_BRUSH);
        wc.lpszClassName = wideName;
        return RegisterClassW(&wc) != 0;
    }
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedures.ansi;
    wc.hInstance = GetModuleHandleA(0);
    wc.hCursor = LoadCursorA(0, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(DKGRAY_BRUSH);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

// A window of the stand-in's class, in the stand-in's character set. Class
// names are one namespace whatever their case and character set: a class
// registered earlier under another spelling or in the other set is replaced,
// so the window's class reads exactly as asked (this fails while windows of
// the old class still exist).
static HWND CreateHostWindow(const char* className, ClassProcedures procedures, const char* title, DWORD style,
                             HWND parent, int x, int y, int width, int height)
{
    DWORD exStyle = parent ? 0 : WS_EX_TOOLWINDOW;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!RegisterHostClass(className, procedures)) return 0;
        HWND hwnd;
        if (g_hostUnicode) {
            wchar_t wideClass[256], wideTitle[256];
            Widen(className, wideClass, 256);
            Widen(title, wideTitle, 256);
            hwnd = CreateWindowExW(exStyle, wideClass, wideTitle, style, x, y, width, height, parent, 0,
                                   GetModuleHandleA(0), 0);
        } else {
            hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, 0,
                                   GetModuleHandleA(0), 0);
        }
        char actual[256] = {};
        GetClassNameA(hwnd, actual, sizeof(actual));
        if (!hwnd || (strcmp(actual, className) == 0 && (IsWindowUnicode(hwnd) != FALSE) == g_hostUnicode)) {
            return hwnd;
        }
        DestroyWindow(hwnd);
        UnregisterClassA(className, GetModuleHandleA(0));
    }
    return 0;
}

static HWND CreateSkinnedWindow(const char* className, const char* title, int x, int y, int width, int height,
                                bool visible)
{
    return CreateHostWindow(className, kSkinnedWindow, title, WS_POPUP | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), 0, x, y, width,
                            height);
}

// Where the windows start, apart from each other.
static const POINT kOrigins[kHostWindowCount] = {{100, 100}, {100, 236}, {100, 372}, {420, 100}};
static const SIZE kSizes[kHostWindowCount] = {{275, 116}, {275, 116}, {275, 116}, {275, 232}};

bool CreateHostWindows(bool visible)
{
    for (int i = 0; i < kHostWindowCount; ++i) {
        g_windows[i] = CreateSkinnedWindow(kWindowClasses[i], kWindowTitles[i], kOrigins[i].x, kOrigins[i].y,
                                           kSizes[i].cx, kSizes[i].cy, visible);
        if (!g_windows[i]) return false;
    }
    g_picture = CreateHostWindow("WinampVideoChild", kPicture, "", WS_CHILD | WS_VISIBLE, g_windows[kHostVideo], 0, 0,
                                 0, 0);
    if (!g_picture) return false;
    PlacePicture(g_windows[kHostVideo]);
    ResetPlayerMouse();
    return true;
}

void PlaceHostWindows()
{
    for (int i = 0; i < kHostWindowCount; ++i) {
        SetWindowPos(g_windows[i], 0, kOrigins[i].x, kOrigins[i].y, kSizes[i].cx, kSizes[i].cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HWND HostVideoPicture()
{
    return g_picture;
}

void DestroyHostWindows()
{
    g_picture = 0;  // goes with the video window
    for (int i = 0; i < kHostWindowCount; ++i) {
        if (g_windows[i]) DestroyWindow(g_windows[i]);
        g_windows[i] = 0;
    }
}

HWND HostWindow(HostWindowId id)
{
    return g_windows[id];
}

void SetHostWindowSize(HostWindowId id, int width, int height)
{
    SetWindowPos(g_windows[id], 0, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateGenFrame(const char* className, const char* title, int x, int y, int width, int height, bool visible)
{
    return CreateSkinnedWindow(className, title, x, y, width, height, visible);
}

std::vector<HostMessageRecord> MessagesTo(HWND hwnd, UINT message)
{
    std::vector<HostMessageRecord> found;
    for (const HostMessageRecord& m : g_messages) {
        if (m.hwnd == hwnd && m.message == message) found.push_back(m);
    }
    return found;
}

bool LoadPlugin(const char* path)
{
    g_plugin = LoadLibraryA(path);
    if (!g_plugin) return false;
    typedef HostPluginRecord*(__cdecl * GetRecord)(void);
    GetRecord get = (GetRecord)(void*)GetProcAddress(g_plugin, "winampGetGeneralPurposePlugin");
    g_record = get ? get() : 0;
    return g_record != 0;
}

HostPluginRecord* Plugin()
{
    return g_record;
}

HMODULE PluginModule()
{
    return g_plugin;
}

int InitPlugin()
{
    g_record->hwndParent = g_windows[kHostMain];
    g_record->hDllInstance = g_plugin;
    return g_record->init();
}

void ConfigPlugin()
{
    g_record->config();
}

void QuitPlugin()
{
    g_record->quit();
}

void UnloadPlugin()
{
    if (g_plugin) FreeLibrary(g_plugin);
    g_plugin = 0;
    g_record = 0;
}

bool SaveScreenPicture(const RECT& area, const char* path)
{
    int w = area.right - area.left, h = area.bottom - area.top;
    HDC screen = GetDC(0);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = 0;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, 0, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    DWORD stride = ((DWORD)w * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + stride * h;
    FILE* f = fopen(path, "wb");
    bool saved = f != 0;
    if (f) {
        fwrite(&file, sizeof(file), 1, f);
        fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, f);
        fwrite(bits, stride, h, f);
        fclose(f);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(0, screen);
    return saved;
}
