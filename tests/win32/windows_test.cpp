// Under wine: "registry" reads the registry and starts the tool as the launcher
// does; "screenreaders" hears the windows made here; "layout <exe> <dpi>" and
// "scenarios <exe> <table>" read and drive Tavrel.exe. Any other copy of it
// only records which copy ran.
#include "about/frm_about.h"
#include "tests/rows.h"
#include "tests/win32/wine_test.h"
#include "win32/about_dialog.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"
#include "win32/text.h"

#include <cstdlib>
#include <iostream>
#include <map>

#include <commctrl.h>
#include <oleacc.h>

using namespace tavrel;
using enum Form1Control;

namespace {

int g_failed = 0;
const std::string kProbe = "C:\\Program Files\\Tavrel Probe\\probe.exe";

void RegistryLayer()
{
    for (const testing::Row &row : testing::ReadRows("C:\\registry.txt", 3)) {
        WindowsRegistry registry;
        std::string read = "untouched";
        if (!GetKeyValue(registry, kHkeyLocalMachine, row[0], row[1], read))
            read = read.empty() ? "missing" : "not emptied";
        Check(read == row[2], row[1] + ": " + read.substr(0, 40));
    }
    DesktopPlatform platform; // its message box would hold the test till its timeout
    const std::string folder = kProbe.substr(0, kProbe.rfind('\\'));
    Check(platform.FileExists(kProbe) && !platform.FileExists(folder) &&
              !platform.FileExists(folder + "\\hidden.exe"),
          "only plain files exist: not a folder or a hidden file");
    // A start split at the first blank of the path would run C:\Program.exe instead.
    StartSysInfo(platform);
    std::string started;
    WaitFor([&] { return std::getline(std::ifstream("C:\\started.txt"), started).good(); });
    Check(started == kProbe, "started " + started);
}

// What a screen reader hears of a control in this process (where wine answers
// for standard controls): "name|value|description|role|states", of the
// states those the core decides.
std::string Heard(HWND control)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&object))))
        return "nothing";
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4;
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    std::string heard;
    for (const auto get : {&IAccessible::get_accName, &IAccessible::get_accValue,
                           &IAccessible::get_accDescription}) {
        BSTR text = nullptr;
        heard += ((object->*get)(self, &text) == S_OK && text ? Utf8(text) : "") + "|";
        SysFreeString(text);
    }
    object->Release();
    return heard + std::to_string(role.lVal) + "|" +
           (state.lVal & STATE_SYSTEM_FOCUSABLE ? "focusable" : "") +
           (state.lVal & STATE_SYSTEM_UNAVAILABLE ? " unavailable" : "") +
           (state.lVal & STATE_SYSTEM_READONLY ? " read-only" : "");
}

// The controls of heard.txt in a state, of the window made in this process:
// what a screen reader hears of each, its Tab stop and its tooltip.
void HearRows(const std::string &state)
{
    const bool about = state == "about";
    const auto controls = Controls(about);
    const HWND window = about ? About() : g_form;
    // Its tooltips, made as the mouse first comes over it.
    SendMessageW(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    std::string heard, expected;
    for (const testing::Row &row : testing::ReadRows("C:\\heard.txt", 8))
        if (row[0] == state) {
            const HWND control = std::ranges::find_if(controls, [&](const auto &c) {
                                     return c.first.name == row[1];
                                 })->second;
            wchar_t tip[256] = {};
            TTTOOLINFOW tool{sizeof tool, 0, {}, UINT_PTR(control), {}, {}, tip, 0, {}};
            for (HWND tips = nullptr;
                 (tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr));)
                SendMessageW(tips, TTM_GETTEXTW, std::size(tip), LPARAM(&tool)); // its window's
            heard += row[1] + " " + Heard(control) +
                     (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP ? " tab-stop|" : "|") +
                     Utf8(tip) + "\n";
            expected += row[1] + " " +
                        testing::Unescape(row[2] + "|" + row[3] + "|" + row[4] + "|" + row[5] +
                                          "|" + row[6] + "|" + row[7]) +
                        "\n";
        }
    Check(heard == expected, "heard.txt, " + state + "\n" + heard);
}

std::map<std::pair<DWORD, HWND>, int> g_events; // by kind and window

// The windows as heard; "Calculate" told twice the same distance, each time:
// as a UI Automation notification where Windows has them (the stand-in, if
// here, records the control's id, kind 2 an action completed, processing 3
// the most recent), else as the focused button's new description.
void ScreenReaders()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DesktopPlatform launcher;
    frmAbout about(AboutDialog::Load, launcher);
    Form1Window form(about); // the real main window, made in this process
    g_form = form.Handle();
    SetWinEventHook(
        EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD kind, HWND window, LONG, LONG, DWORD, DWORD) {
            ++g_events[{kind, window}];
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    const int &announced = g_events[{EVENT_OBJECT_VALUECHANGE, Control(VScroll5)}];
    const int &restated = g_events[{EVENT_OBJECT_STATECHANGE, Control(Text8)}];
    const int &described = g_events[{EVENT_OBJECT_DESCRIPTIONCHANGE, Control(Command1)}];
    HearRows("calm");
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll5)));
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll8)));
    Check(WaitFor([&] { return announced > 0 && restated > 0; }),
          "an arrow click's new value announced, and with wind the wind direction's new state");
    HearRows("wind");
    const bool notifying = std::ifstream("C:\\uiautomationcore.dll").good();
    SetFocus(Control(Command1));
    std::string told;
    for (int press = 1; press <= 2; ++press) {
        SendMessageW(Control(Command1), BM_CLICK, 0, 0);
        const std::string said =
            "Distance " + Utf8(Text(Control(Text6))).substr(1) + " nautical miles";
        told += std::to_string(GetDlgCtrlID(Control(Command1))) + " 2 3 " + said + "\n";
        WaitFor([&] { return notifying || described >= press; });
        std::ostringstream raised;
        raised << std::ifstream("C:\\notifications.txt").rdbuf();
        Check(notifying ? raised.str() == told
                        : Heard(Control(Command1)).find("|" + said + "|") != std::string::npos &&
                              described == press,
              "Calculate " + std::to_string(press) + ": the distance told\n" + raised.str());
    }
    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    HearRows("about");
}

} // namespace

void tavrel::Check(bool ok, const std::string &what)
{
    g_failed += !ok;
    std::cout << (ok ? "PASS " : "FAIL ") << what << std::endl;
    if (!ok && std::getenv("TAVREL_FAIL_FAST")) // a mutation run needs one failure only
        std::exit(1);
}

int wmain(int argc, wchar_t *argv[])
{
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (!std::wstring_view(self).ends_with(L"test.exe"))
        return !(std::wofstream(L"C:\\started.txt") << self << L'\n');
    const std::wstring_view mode = argc > 1 ? argv[1] : L"";
    if (mode == L"layout" && argc == 4)
        Layout(argv[2], UINT(_wtoi(argv[3])));
    else if (mode == L"scenarios" && argc == 4)
        Scenarios(argv[2], Utf8(argv[3]));
    else if (mode == L"registry")
        RegistryLayer();
    else
        ScreenReaders();
    return g_failed;
}
