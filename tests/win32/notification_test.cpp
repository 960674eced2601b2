// Under wine, with the stand-in UI Automation library beside it: "Calculate"
// raises the distance as a notification on the focused button, the same
// sentence each time, and a calculation that fails raises nothing.
#include "common/application.h"
#include "main_window/form1_controls.h"
#include "win32/about_dialog.h"
#include "win32/build_window.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"
#include "win32/text.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

using namespace tavrel;

namespace {

std::string TextOf(HWND box)
{
    wchar_t text[64] = {};
    GetWindowTextW(box, text, 64);
    return Utf8(text);
}

std::string Raised()
{
    std::ostringstream all;
    all << std::ifstream("C:\\notifications.txt").rdbuf();
    return all.str();
}

} // namespace

int wmain()
{
    DesktopPlatform launcher;
    frmAbout about(AboutDialog::Load, launcher);
    Form1Window form(about);
    const auto control = [&form](Form1Control c) {
        return GetDlgItem(form.Handle(), kFirstControlId + int(c));
    };
    const HWND calculate = control(Form1Control::Command1);
    SetFocus(calculate);
    SendMessageW(calculate, BM_CLICK, 0, 0);
    SendMessageW(calculate, BM_CLICK, 0, 0);
    // Kind 2, action completed; processing 3, the most recent.
    const std::string once = std::to_string(GetDlgCtrlID(calculate)) + " 2 3 Distance " +
                             TextOf(control(Form1Control::Text6)).substr(1) + " nautical miles\n";
    int failed = Raised() != once + once;
    std::cout << (failed ? "FAIL" : "PASS") << " Calculate twice: raised twice\n" << Raised();

    // No vertical speed: its spinner past its range, as no user can move it;
    // its box follows at the next change, and Calculate divides by zero.
    const HWND speed = control(Form1Control::VScroll3);
    SetScrollRange(speed, SB_CTL, 100, 10100, FALSE);
    SetScrollPos(speed, SB_CTL, 10100, FALSE);
    SetWindowTextW(control(Form1Control::Text3), L"x");
    std::thread closer([] { // the error's message box, closed as a user would
        const std::wstring title = Utf16(kApplicationTitle);
        HWND box = nullptr;
        for (int i = 0; i < 200 && !(box = FindWindowW(L"#32770", title.c_str())); ++i)
            Sleep(25);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(calculate, BM_CLICK, 0, 0);
    closer.join();
    const bool quiet = Raised() == once + once;
    std::cout << (quiet ? "PASS" : "FAIL") << " a failed calculation raises nothing\n";
    return failed + !quiet;
}
