// Tavrel on the Windows desktop: starts into its main window; there is no
// command line and nothing is read or saved. One message loop serves both
// windows, each with a dialog's keyboard.
#include "win32/about_dialog.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    tavrel::DesktopPlatform launcher;
    tavrel::frmAbout about(tavrel::AboutDialog::Load, launcher);
    tavrel::Form1Window window(about);
    window.Start();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (tavrel::DesignedWindow::TranslateKey(message))
            continue;
        // The keys the procedures leave go to the focused control alone: the
        // dialog manager would move the focus on arrows and press a button on
        // a plain letter.
        const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root && !key && IsDialogMessageW(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
