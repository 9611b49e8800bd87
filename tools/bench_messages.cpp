// Times messages through the plug-in's filters inside the host stand-in,
// against a bare forwarding subclass, and prints the ratios.
//   bench_messages [path\to\gen_tavrin.dll]
#include <stdio.h>

#include <vector>

#include "host_standin.h"

static WNDPROC g_bareNext;

// The same kind of subclass as the filters on the stand-in's Unicode windows.
static LRESULT CALLBACK BareForward(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_bareNext, hwnd, message, wParam, lParam);
}

static double Now()
{
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return (double)t.QuadPart / (double)f.QuadPart;
}

static double Time(HWND hwnd, UINT message, LPARAM lParam, int count)
{
    double start = Now();
    for (int i = 0; i < count; ++i) SendMessageW(hwnd, message, 0, lParam);
    double ns = (Now() - start) * 1e9 / count;
    g_messages.clear();
    g_requests.clear();
    return ns;
}

// The windows are timed in turn, round after round, and each keeps its best
// round: whatever else the machine does then weighs on all of them alike.
static void BestOf(const std::vector<HWND>& windows, UINT message, LPARAM lParam, int count, std::vector<double>* best)
{
    best->assign(windows.size(), 1e30);
    for (int round = 0; round < 15; ++round) {
        for (size_t w = 0; w < windows.size(); ++w) {
            double ns = Time(windows[w], message, lParam, count);
            if (ns < (*best)[w]) (*best)[w] = ns;
        }
    }
}

int main(int argc, char** argv)
{
    const char* dll = argc > 1 ? argv[1] : "gen_tavrin.dll";
    const int kMessages = 200000;
    ResetHostAnswers();
    if (!CreateHostWindows(false) || !LoadPlugin(dll) || InitPlugin() != 0) {
        fprintf(stderr, "cannot start %s in the host stand-in\n", dll);
        return 2;
    }
    // A mouse move is recorded by the stand-in; use a message it only answers.
    const UINT kPlain = WM_APP + 1;
    HWND plain = CreateGenFrame("TavrinBenchPlain", "plain", 0, 0, 275, 116, false);
    HWND bare = CreateGenFrame("TavrinBenchBare", "bare", 0, 0, 275, 116, false);
    g_bareNext = (WNDPROC)SetWindowLongPtrW(bare, GWLP_WNDPROC, (LONG_PTR)BareForward);

    std::vector<HWND> frames;
    for (int i = 0; i < 1000; ++i) frames.push_back(CreateGenFrame("Winamp Gen", "frame", 0, 0, 275, 116, false));
    SendMessageA(HostWindow(kHostMain), WM_USER, 0, 503);

    std::vector<HWND> windows = {plain, bare, HostWindow(kHostMain), HostWindow(kHostVideo), frames[500]};
    std::vector<double> ns;
    BestOf(windows, kPlain, 0, kMessages, &ns);
    printf("message forwarding under Wine (%d messages a round, best of 15 rounds)\n", kMessages);
    printf("  no subclass                       %8.1f ns\n", ns[0]);
    printf("  bare forwarding subclass          %8.1f ns\n", ns[1]);
    printf("  main window filter                %8.1f ns   ratio to bare %.3f\n", ns[2], ns[2] / ns[1]);
    printf("  video window filter               %8.1f ns   ratio to bare %.3f\n", ns[3], ns[3] / ns[1]);
    printf("  generic frame, 1000 registered    %8.1f ns   ratio to bare %.3f\n", ns[4], ns[4] / ns[1]);

    std::vector<HWND> pressed = {HostWindow(kHostMain), HostWindow(kHostVideo)};
    BestOf(pressed, WM_LBUTTONDOWN, MAKELPARAM(100, 5), kMessages / 20, &ns);
    printf("locked presses on the title, whole filter (key state, rectangle, host requests)\n");
    printf("  main window, three requests       %8.1f ns\n", ns[0]);
    printf("  video window, no request          %8.1f ns\n", ns[1]);

    QuitPlugin();
    for (HWND f : frames) DestroyWindow(f);
    DestroyHostWindows();
    UnloadPlugin();
    return 0;
}
