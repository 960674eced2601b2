// Under wine: "registry" reads the values wine_windows.sh wrote through the
// real registry functions and starts the tool as the launcher does;
// "screenreaders" reads the main window, made in this process, as a screen
// reader does; "notifications", beside the stand-in UI Automation library,
// reads what "Calculate" raises; "layout <exe> <dpi>" reads the real
// Tavrel.exe back as drawn at a DPI; "scenarios <exe> <table>" drives it
// through the shared scenario table. Started as probe.exe or Program.exe, it
// only records which copy ran.
#include "about/frm_about.h"
#include "common/application.h"
#include "tests/win32/wine_test.h"
#include "win32/about_dialog.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"
#include "win32/text.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

#include <oleacc.h>

using namespace tavrel;
using enum Form1Control;

namespace {
int g_failed = 0;
} // namespace

void tavrel::Check(bool ok, const std::string &what)
{
    g_failed += !ok;
    std::cout << (ok ? "PASS " : "FAIL ") << what << std::endl;
    if (!ok && std::getenv("TAVREL_FAIL_FAST")) // a mutation run needs one failure only
        std::exit(1);
}

namespace {

const std::string kFolder = "C:\\Program Files\\Tavrel Probe";

void RegistryLayer()
{
    const std::string test = "SOFTWARE\\Tavrel Test",
                      lookups[][3] = {{kSysInfoKey, kSysInfoValue,
                                       kFolder + "\\probe.exe"},     // terminated, with blanks
                                      {test, "Unterminated", "ABC"}, // whole
                                      {test, "Bytes1025", "missing"},
                                      {test, "Dword", "&h012345"},
                                      {"SOFTWARE\\Tavrel Missing", "Anything", "missing"}};
    for (const auto &[key, value, want] : lookups) {
        WindowsRegistry registry;
        std::string read = "untouched";
        if (!GetKeyValue(registry, kHkeyLocalMachine, key, value, read))
            read = read.empty() ? "missing" : "not emptied";
        Check(read == want, value + ": " + read.substr(0, 40));
    }
    DesktopPlatform platform; // its message box would hold the test till its timeout
    Check(platform.FileExists(kFolder + "\\probe.exe") && !platform.FileExists(kFolder) &&
              !platform.FileExists(kFolder + "\\hidden.exe"),
          "only plain files exist: not a folder or a hidden file");
    // A start split at the first blank of the path would run C:\Program.exe instead.
    StartSysInfo(platform);
    std::string started;
    WaitFor([&] { return std::getline(std::ifstream("C:\\started.txt"), started).good(); });
    Check(started == kFolder + "\\probe.exe", "started " + started);
}

// The states a screen reader is told, of those the core decides: a box or
// spinner keeps the focus whether its row is in use or not.
std::string States(long state)
{
    return std::string(state & STATE_SYSTEM_FOCUSABLE ? "focusable" : "") +
           (state & STATE_SYSTEM_UNAVAILABLE ? " unavailable" : "") +
           (state & STATE_SYSTEM_READONLY ? " read-only" : "");
}

// What a screen reader hears of a control, read in this process (where wine
// answers for standard controls): "name|value|description|role|states".
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
    return heard + std::to_string(role.lVal) + "|" + States(state.lVal);
}

// Every box (role 42, text) and spinner (52, spin button) as the core describes
// it: its name, value, description, role, and states.
void HearRows(bool wind)
{
    std::string heard, expected;
    for (int i = 0; i < kForm1ControlCount; ++i) {
        const auto control = Form1Control(i);
        const ControlKind kind = DesignOf(control).kind;
        const auto pair = std::ranges::find_if(kSpinnerPairs, [&](const SpinnerPair &p) {
            return p.box == control || p.spinner == control;
        });
        if (kind != ControlKind::TextBox && kind != ControlKind::Spinner)
            continue;
        const bool paired = pair != std::end(kSpinnerPairs);
        expected += (paired ? AccessibleName(*pair) : DesignOf(control).accessibleName) + "|" +
                    Utf8(Text(Control(paired ? pair->box : control))) + "|" +
                    (paired ? AccessibleDescription(*pair, wind) : "") + "|" +
                    (kind == ControlKind::Spinner ? "52|" : "42|") +
                    States(STATE_SYSTEM_FOCUSABLE |
                           (paired && IsInactive(*pair, wind) ? STATE_SYSTEM_UNAVAILABLE : 0) |
                           (UndoesTyping(control) ? STATE_SYSTEM_READONLY : 0)) +
                    "\n";
        heard += Heard(Control(control)) + "\n";
    }
    std::cout << heard;
    Check(heard == expected, std::string("every box and spinner") + (wind ? ", wind" : "") +
                                 ": its name, value, description, role and states");
}

// Until `condition` holds, this process's windows take their messages.
template <typename Condition> void Pump(Condition condition)
{
    WaitFor([&] {
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
        return condition();
    });
}

std::map<std::pair<DWORD, HWND>, int> g_events; // by kind and window, once hooked

// The events of a kind on a control, counted from now on.
int &Hooked(DWORD event, HWND control)
{
    SetWinEventHook(
        event, event, nullptr,
        [](HWINEVENTHOOK, DWORD kind, HWND window, LONG, LONG, DWORD, DWORD) {
            ++g_events[{kind, window}];
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    return g_events[{event, control}];
}

void ScreenReaders()
{
    const int &announced = Hooked(EVENT_OBJECT_VALUECHANGE, Control(VScroll5));
    const int &restated = Hooked(EVENT_OBJECT_STATECHANGE, Control(Text8));
    HearRows(false);
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll5)));
    Pump([&] { return announced > 0; });
    Check(Heard(Control(VScroll5)).starts_with("Flying from, feet|30100|") && announced,
          "an arrow click: the spinner's new value, announced");
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll8)));
    Pump([&] { return restated > 0; });
    Check(restated > 0, "wind: the wind-direction box's new state announced");
    HearRows(true);
    const int &described = Hooked(EVENT_OBJECT_DESCRIPTIONCHANGE, Control(Command1));
    SetFocus(Control(Command1));
    for (int press = 1; press <= 2; ++press) { // the same distance a second time: told again
        SendMessageW(Control(Command1), BM_CLICK, 0, 0);
        Pump([&] { return described >= press; });
        const std::string distance = Utf8(Text(Control(Text6))).substr(1);
        Check(Heard(Control(Command1)).find("|Distance " + distance + " nautical miles|") !=
                      std::string::npos &&
                  described == press,
              "Calculate " + std::to_string(press) +
                  ": the distance told to screen readers on the focused button");
    }
    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    Check(Heard(Named("picIcon")).starts_with("Tavrel|"), "the About box's picture is named");
}

// "Calculate" raises the distance as a notification on the focused button,
// the same sentence each time; a calculation that fails raises nothing.
void Notifications()
{
    const auto raised = [] { // by the stand-in, a line each
        std::ostringstream all;
        all << std::ifstream("C:\\notifications.txt").rdbuf();
        return all.str();
    };
    SetFocus(Control(Command1));
    SendMessageW(Control(Command1), BM_CLICK, 0, 0);
    SendMessageW(Control(Command1), BM_CLICK, 0, 0);
    // Kind 2, action completed; processing 3, the most recent.
    const std::string once = std::to_string(GetDlgCtrlID(Control(Command1))) + " 2 3 Distance " +
                             Utf8(Text(Control(Text6))).substr(1) + " nautical miles\n";
    Check(raised() == once + once, "Calculate twice: raised twice\n" + raised());
    // No vertical speed: its spinner past its range, as no user can move it;
    // its box follows at the next change, and Calculate divides by zero.
    SetScrollRange(Control(VScroll3), SB_CTL, 100, 10100, FALSE);
    SetScrollPos(Control(VScroll3), SB_CTL, 10100, FALSE);
    SetWindowTextW(Control(Text3), L"x");
    std::thread closer([] { // the error's message box, closed as a user would
        const std::wstring title = Utf16(kApplicationTitle);
        HWND box = nullptr;
        WaitFor([&] { return (box = FindWindowW(L"#32770", title.c_str())) != nullptr; });
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(Control(Command1), BM_CLICK, 0, 0);
    closer.join();
    Check(raised() == once + once, "a failed calculation raises nothing");
}

// The real main window, made in this process.
void InProcess(void (*read)())
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DesktopPlatform launcher;
    frmAbout about(AboutDialog::Load, launcher);
    Form1Window form(about);
    g_form = form.Handle();
    read();
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (std::wstring_view(self).ends_with(L"probe.exe") ||
        std::wstring_view(self).ends_with(L"Program.exe"))
        return !(std::wofstream(L"C:\\started.txt") << self << L'\n');
    const std::wstring_view mode = argc > 1 ? argv[1] : L"";
    if (mode == L"screenreaders" || mode == L"notifications")
        InProcess(mode == L"screenreaders" ? ScreenReaders : Notifications);
    else if (mode == L"layout" && argc == 4)
        Layout(argv[2], UINT(_wtoi(argv[3])));
    else if (mode == L"scenarios" && argc == 4)
        Scenarios(argv[2], Utf8(argv[3]));
    else
        RegistryLayer();
    return g_failed;
}
