// The configuration dialog: the lock matrix, OK keeps the edits, Cancel and
// the close box put back the flags the dialog opened with.
#include <windows.h>
#include <string.h>

#include "dialog/config_dialog.h"
#include "dialog/dialog_placement.h"
#include "dialog/lock_matrix.h"
#include "host/host_interface.h"
#include "resources/resource.h"
#include "settings/lock_settings.h"

static LockSettings g_savedSettings;
static bool g_revertPending;

static void ShowDialogBox(void* dialog, int id, int state)
{
    CheckDlgButton((HWND)dialog, id, (UINT)state);
}

static int ReadDialogBox(void* dialog, int id)
{
    return (int)IsDlgButtonChecked((HWND)dialog, id);
}

// The matrix sees the dialog's check boxes through these two.
static MatrixView ViewOf(HWND dialog)
{
    MatrixView view = {dialog, ShowDialogBox, ReadDialogBox};
    return view;
}

// Centres the dialog on the foreground window. With no foreground window, or
// one whose rectangle cannot be read, the dialog stays where the system put it.
static void CentreOnForeground(HWND dialog)
{
    HWND foreground = GetForegroundWindow();
    RECT f, d;
    if (!foreground || !GetWindowRect(foreground, &f)) return;
    if (!GetWindowRect(dialog, &d)) return;
    int w = d.right - d.left;
    int h = d.bottom - d.top;
    DialogOrigin o = CentredOrigin(f.left, f.top, f.right, f.bottom, w, h);
    MoveWindow(dialog, o.x, o.y, w, h, FALSE);
}

static void InitConfigDialog(HWND dialog)
{
    g_savedSettings = g_lockSettings;
    g_revertPending = true;
    InitMatrix(ViewOf(dialog));

    char title[512];
    memset(title, 0, sizeof(title));
    wsprintfA(title, "%s %s", TAVRIN_PLUGIN_NAME, TAVRIN_PLUGIN_VERSION);
    SetWindowTextA(dialog, title);

    CentreOnForeground(dialog);
}

static INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitConfigDialog(dialog);
        return TRUE;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDOK) {
            g_revertPending = false;
            EndDialog(dialog, 0);
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        HandleMatrixClick(ViewOf(dialog), id);
        return FALSE;
    }
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (g_revertPending) g_lockSettings = g_savedSettings;
        return FALSE;
    }
    return FALSE;
}

void RunConfigDialog(HINSTANCE module)
{
    DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_CONFIG), GetForegroundWindow(),
                    ConfigDialogProc, 0);
}
