// Under wine: "registry" reads the values wine_windows.sh wrote through the
// real registry functions and starts the tool as the launcher does;
// "screenreaders" reads the main window as a screen reader does;
// "notifications", beside the stand-in UI Automation library, reads what
// "Calculate" raises; "layout <exe> <dpi>" checks the real Tavrel.exe as drawn
// at a DPI; "scenarios <exe> <table>" drives it through every row of the
// shared scenario table with mouse and keys, and reads its windows back.
// Started as probe.exe or Program.exe, it only records which copy ran.
#include "../scenarios/scenario_table.h"
#include "about/frm_about.h"
#include "common/application.h"
#include "common/twips.h"
#include "main_window/form1_controls.h"
#include "resources/windows/resource.h"
#include "tests/win32/wine_test.h"
#include "win32/about_dialog.h"
#include "win32/build_window.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"
#include "win32/text.h"

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

#include <oleacc.h>
#include <windows.h>

using namespace tavrel;
using enum Form1Control;

namespace {
int g_failed = 0;
} // namespace

void tavrel::Check(bool ok, const std::string &what)
{
    g_failed += !ok;
    std::cout << (ok ? "PASS " : "FAIL ") << what << std::endl;
}

namespace {

const std::string kFolder = "C:\\Program Files\\Tavrel Probe";
const std::wstring kTitle = Utf16(kApplicationTitle);
const std::wstring kAboutTitle = L"About " + kTitle;
HWND g_form = nullptr;     // the main window
HANDLE g_tavrel = nullptr; // the Tavrel.exe being driven
DWORD g_thread = 0;        // and its windows' thread

void RegistryLayer()
{
    const std::string test = "SOFTWARE\\Tavrel Test";
    const struct
    {
        std::string key, value, read;
    } lookups[] = {
        {kSysInfoKey, kSysInfoValue, kFolder + "\\probe.exe"}, // terminated, with blanks
        {test, "Unterminated", "ABC"},                         // whole
        {test, "Bytes1025", "missing"},
        {test, "Dword", "&h012345"},
        {"SOFTWARE\\Tavrel Missing", "Anything", "missing"},
    };
    for (const auto &lookup : lookups) {
        WindowsRegistry registry;
        std::string read = "untouched";
        if (!GetKeyValue(registry, kHkeyLocalMachine, lookup.key, lookup.value, read))
            read = read.empty() ? "missing" : "not emptied";
        Check(read == lookup.read, lookup.value + ": " + read.substr(0, 40));
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

HWND About() { return FindWindowW(L"TavrelWindow", kAboutTitle.c_str()); }

const WindowDesign &DesignOf(bool about) { return about ? kAboutDesign : kForm1Design; }

// Every control of a window in design order; the About box's default button is OK.
std::vector<HWND> Controls(bool about)
{
    std::vector<HWND> controls;
    for (std::size_t i = 0; i < DesignOf(about).controls.size(); ++i)
        controls.push_back(GetDlgItem(
            about ? About() : g_form,
            about && DesignOf(about).controls[i].isDefault ? IDOK : kFirstControlId + int(i)));
    return controls;
}

HWND Control(Form1Control control) { return GetDlgItem(g_form, kFirstControlId + int(control)); }

// A control of either window by its design's name, and back.
HWND Named(const std::string &name)
{
    for (const bool about : {false, true})
        for (std::size_t i = 0; i < DesignOf(about).controls.size(); ++i)
            if (name == DesignOf(about).controls[i].name)
                return Controls(about)[i];
    return nullptr;
}

std::string NameOf(HWND control)
{
    for (const bool about : {false, true})
        for (std::size_t i = 0; control && i < DesignOf(about).controls.size(); ++i)
            if (Controls(about)[i] == control)
                return DesignOf(about).controls[i].name;
    return "none";
}

// A key, with a modifier held unless it is 0.
void Key(WORD key, DWORD flags = 0, WORD modifier = 0)
{
    INPUT inputs[4] = {};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = i == 0 || i == 3 ? modifier : key;
        inputs[i].ki.dwFlags = (i == 0 || i == 3 ? 0 : flags) | (i >= 2 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(modifier ? 4 : 2, modifier ? inputs : inputs + 1, sizeof(INPUT));
}

void Mouse(DWORD flags, DWORD data = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof(INPUT));
}

// The pointer moved, as a mouse moves it, to a quarter of a control's height
// ("up", "middle", "down") or beside it ("off"); pressed there unless `down` is 0.
void Move(HWND window, const std::string &where, DWORD down = 0, DWORD up = 0)
{
    RECT r;
    GetWindowRect(window, &r);
    const int x = where == "off" ? r.left - 3 * (r.right - r.left) : (r.left + r.right) / 2;
    const int y = r.top + (r.bottom - r.top) * (where == "up" ? 1 : where == "down" ? 3 : 2) / 4;
    SetCursorPos(x, y); // there at once: a wheel notch that follows goes where the pointer is
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = LONG((2LL * x + 1) * 65536 / (2LL * GetSystemMetrics(SM_CXSCREEN)));
    input.mi.dy = LONG((2LL * y + 1) * 65536 / (2LL * GetSystemMetrics(SM_CYSCREEN)));
    SendInput(1, &input, sizeof(INPUT));
    for (const DWORD button : {down, up})
        if (button)
            Mouse(button);
}

void Click(HWND window, const std::string &where)
{
    Move(window, where, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

// Pixels of a control in a colour, or dark ones when colour is CLR_INVALID.
int Ink(HWND control, COLORREF colour, double top = 0, double bottom = 1)
{
    const Pixels drawn = Painted(control, true, top, bottom);
    return colour != CLR_INVALID ? drawn.Count(colour)
                                 : int(std::ranges::count_if(drawn.at, [](COLORREF pixel) {
                                       return GetRValue(pixel) + GetGValue(pixel) < 200;
                                   }));
}

GUITHREADINFO Thread()
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(g_thread, &thread);
    return thread;
}

HWND Focused() { return Thread().hwndFocus; }

PROCESS_INFORMATION Start(const wchar_t *exe)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = exe;
    CreateProcessW(exe, commandLine.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup,
                   &process);
    g_tavrel = process.hProcess;
    g_thread = process.dwThreadId;
    g_form = nullptr;
    WaitFor([] { return g_form = FindWindowW(L"TavrelWindow", kTitle.c_str()); }, 60);
    // Keys go to the window in front: the first is sent once it is, its first box focused.
    WaitFor([] {
        return Text(Control(Text7)) == L"360" && GetForegroundWindow() == g_form &&
               Focused() == Control(Text1);
    });
    return process;
}

void Stop(const PROCESS_INFORMATION &process)
{
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

// Where the procedures placed the main window: centred across the work area.
std::string Placed()
{
    RECT work, f;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(g_form, &f);
    const long spareX = work.right - work.left - (f.right - f.left);
    const long spareY = work.bottom - work.top - (f.bottom - f.top);
    return f.left == work.left + spareX / 2 && f.top == work.top + std::max(0L, spareY) / 8
               ? "main"
               : "main at " + std::to_string(f.left) + "," + std::to_string(f.top);
}

// Tavrel.exe at a DPI, as drawn, and read back against its designs: the
// client area; both windows, with and without wind, active and not; both
// arrows of each spinner drawn, a held one pressed; the About box beside the
// main window, never over its buttons, its picture the bitmap for the DPI,
// with its focus rectangle when it has the focus.
void Layout(const wchar_t *exe, UINT dpi)
{
    const PROCESS_INFORMATION process = Start(exe);
    const std::string at = " at " + std::to_string(dpi) + " DPI", title = kApplicationTitle;
    RECT client;
    GetClientRect(g_form, &client);
    Check(client.right == TwipsToPixels(kForm1Design.widthTwips, dpi) &&
              client.bottom == TwipsToPixels(kForm1Design.heightTwips, dpi),
          "client area" + at);
    WaitFor([] { return Ink(Control(Label16), GetSysColor(COLOR_BTNSHADOW)) > 0; }); // drawn
    Key(VK_TAB, 0, VK_SHIFT); // to a spinner: no box's value selected, no button's focus shown
    WaitFor([] { return Focused() == Control(VScroll5); });
    ReadBack(g_form, kForm1Design, Controls(false), process.hProcess, {dpi, false, true});
    Click(Control(VScroll8), "up"); // wind: every spinner shown
    WaitFor([] { return Ink(Control(VScroll6), CLR_INVALID) > 0; });
    ReadBack(g_form, kForm1Design, Controls(false), process.hProcess, {dpi, true, true});
    ReadTitle(g_form, title, {dpi, true, true});
    for (const SpinnerPair &pair : kSpinnerPairs)
        Check(Ink(Control(pair.spinner), CLR_INVALID, 0, 0.5) &&
                  Ink(Control(pair.spinner), CLR_INVALID, 0.5, 1),
              std::string("both arrows of ") + DesignOf(pair.spinner).name + " drawn");
    // Held, then let go: the same spinner with the focus, only the arrow's state changed.
    Move(Control(VScroll5), "up", MOUSEEVENTF_LEFTDOWN);
    WaitFor([] { return Focused() == Control(VScroll5); });
    const Pixels held = Painted(Control(VScroll5), false, 0, 0.5);
    Mouse(MOUSEEVENTF_LEFTUP);
    Check(WaitFor([&] { return Painted(Control(VScroll5), false, 0, 0.5) != held; }, 2),
          "a held arrow looks pressed");

    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    WaitFor([] { return About() && GetForegroundWindow() == About(); });
    RECT about, exit, button, overlap;
    GetWindowRect(About(), &about);
    GetWindowRect(Control(Command2), &exit);
    GetWindowRect(Control(Command3), &button);
    Check(!IntersectRect(&overlap, &about, &exit) && !IntersectRect(&overlap, &about, &button),
          "About box beside the main window's buttons");
    ReadTitle(About(), Utf8(kAboutTitle), {dpi, false, true});
    ReadTitle(g_form, title, {dpi, true, false});
    const HWND picture = Named("picIcon");
    ReadPicture(picture, exe, dpi >= 144 ? IDB_AIRLINER_2X : IDB_AIRLINER,
                "the About box's picture" + at);
    Check(!FocusShows(picture), "no focus rectangle on the picture without the focus");
    Key(VK_TAB); // from OK to the next stop
    const bool stop =
        DesignOf(AboutControl::picIcon).tabIndex == DesignOf(AboutControl::cmdOK).tabIndex + 1;
    WaitFor([&] { return (Focused() == picture) == stop; });
    Check(FocusShows(picture) == stop, "the picture's focus rectangle with its Tab stop");
    ReadBack(About(), kAboutDesign, Controls(true), process.hProcess, {dpi, false, true});
    Stop(process);
}

// The message boxes titled with the program's title that came and were closed.
int g_messages = 0;

void AnswerMessages()
{
    for (HWND box; (box = FindWindowW(L"#32770", kTitle.c_str()));) {
        ++g_messages;
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(box); }, 2);
    }
}

// What a user sees of Tavrel.exe: the window in front, the focus, the About
// box and a message box, every box's text and option.
std::wstring Shown()
{
    std::wstring seen;
    for (const HWND window :
         {GetForegroundWindow(), Focused(), About(), FindWindowW(L"#32770", nullptr)})
        seen += std::to_wstring(uintptr_t(window)) + L"|";
    for (int i = 0; i < kForm1ControlCount; ++i) {
        const ControlKind kind = DesignOf(Form1Control(i)).kind;
        if (kind == ControlKind::TextBox)
            seen += L"|" + Text(Control(Form1Control(i)));
        else if (kind == ControlKind::OptionButton)
            seen += std::to_wstring(SendMessageW(Control(Form1Control(i)), BM_GETCHECK, 0, 0));
    }
    return seen;
}

// Lets Tavrel.exe take what was sent, however slow a loaded machine makes
// it: until what a user sees has stayed the same for a while, the window in
// front the one Tavrel.exe activated; it answers its message boxes with OK.
void Settle()
{
    std::wstring last;
    for (int same = 0, i = 0; same < 6 && i < 400; ++i) {
        Sleep(25);
        AnswerMessages();
        const std::wstring now = Shown();
        same = now == last && Thread().hwndActive == GetForegroundWindow() ? same + 1 : 0;
        last = now;
    }
}

// A key word of the table, a modifier before it or not; false if it is none.
bool PressKey(const std::string &step)
{
    static const std::map<std::string, WORD> kKeys = {
        {"Tab", VK_TAB},    {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"Space", VK_SPACE},
        {"Up", VK_UP},      {"Down", VK_DOWN},    {"Left", VK_LEFT},  {"Right", VK_RIGHT},
        {"PgUp", VK_PRIOR}, {"PgDown", VK_NEXT},  {"Home", VK_HOME},  {"End", VK_END},
        {"KP_Up", VK_UP}};
    static const std::map<std::string, WORD> kModifiers = {
        {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL}, {"Alt", VK_MENU}};
    const std::size_t plus = step.find('+');
    const bool modified = plus != std::string::npos && kModifiers.contains(step.substr(0, plus));
    const std::string key = modified ? step.substr(plus + 1) : step;
    const WORD modifier = modified ? kModifiers.at(step.substr(0, plus)) : 0;
    if (kKeys.contains(key)) { // the cursor block's keys are extended, the keypad's not
        const WORD vk = kKeys.at(key);
        const bool extended = vk >= VK_PRIOR && vk <= VK_DOWN && !key.starts_with("KP_");
        Key(vk, extended ? KEYEVENTF_EXTENDEDKEY : 0, modifier);
    } else if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') {
        Key(WORD(key[0]), 0, modifier);
    } else {
        return false;
    }
    return true;
}

void Step(const std::string &step)
{
    static const std::map<std::string, std::pair<DWORD, DWORD>> kButtons = {
        {"click", {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}},
        {"right", {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}},
        {"middle", {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}}};
    const std::size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon), argument = step.substr(colon + 1);
    const std::string name = argument.substr(0, argument.find(':'));
    const std::string rest = argument.substr(argument.find(':') + 1);
    const HWND control = Named(name);
    bool spinner = false;
    for (int i = 0; i < kForm1ControlCount; ++i)
        spinner |= name == DesignOf(Form1Control(i)).name &&
                   DesignOf(Form1Control(i)).kind == ControlKind::Spinner;
    if (PressKey(step) || step == "forget") { // heard= is not checked here
    } else if (step == "closemain" || step == "closeabout") {
        PostMessageW(step == "closemain" ? g_form : About(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (verb == "wait") {
        Sleep(DWORD(std::stoi(argument)));
    } else if (kButtons.contains(verb)) { // on a spinner's upper arrow, else the middle
        Move(control, spinner && verb != "click" ? "up" : "middle", kButtons.at(verb).first,
             kButtons.at(verb).second);
    } else if (verb == "up" || verb == "down") {
        Click(control, verb);
    } else if (verb == "move") {
        Move(control, rest);
    } else if (verb == "press" || verb == "hold") {
        Move(control, "up", MOUSEEVENTF_LEFTDOWN);
        if (verb == "hold") {
            Sleep(1200);
            Mouse(MOUSEEVENTF_LEFTUP);
        }
    } else if (step == "release") {
        Mouse(MOUSEEVENTF_LEFTUP);
    } else if (verb == "wheel") {
        Move(control, "middle");
        Mouse(MOUSEEVENTF_WHEEL, DWORD(std::stoi(rest)));
    } else if (verb == "type") {
        Click(control, "middle");
        Settle();
        for (const char c : rest)
            Key(LOBYTE(VkKeyScanW(wchar_t(c))));
    } else if (verb == "paste") {
        OpenClipboard(nullptr);
        EmptyClipboard();
        const HGLOBAL memory =
            GlobalAlloc(GMEM_MOVEABLE, (kHostilePaste.size() + 1) * sizeof(wchar_t));
        wcscpy(static_cast<wchar_t *>(GlobalLock(memory)), kHostilePaste.c_str());
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendMessageW(control, EM_SETSEL, 0, -1);
        SendMessageW(control, WM_PASTE, 0, 0);
    } else {
        Check(false, "unknown step " + step);
    }
    if (verb != "press" && verb != "move") // a held arrow's input is queued in order, and timed
        Settle();
}

std::string Seen(const std::string &what, const std::string &name)
{
    const HWND active = Thread().hwndActive;
    const auto right = [&](bool ok) { return name + (ok ? "" : " wrong"); };
    if (what == "focus")
        return NameOf(Focused());
    if (what == "about")
        return About() && IsWindowVisible(About()) ? "1" : "0";
    if (what == "active")
        return active == g_form ? "main" : active == About() ? "about" : "none";
    if (what == "message") {
        AnswerMessages();
        return std::to_string(g_messages);
    }
    if (what == "ended") {
        DWORD code = STILL_ACTIVE;
        WaitForSingleObject(g_tavrel, 3000);
        GetExitCodeProcess(g_tavrel, &code);
        return code == STILL_ACTIVE ? "0" : code == 0 ? "1" : "crashed";
    }
    if (what == "placed")
        return Placed();
    if (what == "checked")
        return right(SendMessageW(Named(name), BM_GETCHECK, 0, 0) == BST_CHECKED);
    if (what == "greyed")
        return right(Ink(Named(name), GetSysColor(COLOR_BTNSHADOW)) > 0 &&
                     Ink(Named(name), GetSysColor(COLOR_BTNTEXT)) == 0);
    if (what == "blank" || what == "inked")
        return right(
            (Ink(Named(name), RGB(0, 0, 192)) + Ink(Named(name), GetSysColor(COLOR_HIGHLIGHT)) >
             0) == (what == "inked"));
    return Utf8(Text(Named(what)));
}

// Every row of the shared scenario table, each on a freshly started Tavrel.exe.
void Scenarios(const wchar_t *exe, const std::string &table)
{
    for (const Scenario &row : ReadScenarios(table, "win32")) {
        if (!row.notHere.empty()) {
            std::cout << "not here: " << row.name << " (" << row.notHere << ")" << std::endl;
            continue;
        }
        const PROCESS_INFORMATION process = Start(exe);
        g_messages = 0;
        for (const std::string &step : row.steps)
            Step(step);
        std::string seen, expected;
        for (const std::string &check : row.checks) {
            const Expected want = ParseCheck(check);
            const std::string what = check.substr(0, check.find_first_of("=>"));
            std::string got;
            WaitFor(
                [&] { // some checks need Tavrel.exe to have drawn or ended first
                    got = Seen(what, check.substr(check.find('=') + 1));
                    return want.atLeast ? std::atoi(got.c_str()) >= *want.atLeast
                                        : got == want.value;
                },
                2);
            seen += what + "=" + got + " ";
            expected += what + "=" + (want.atLeast ? got : want.value) + " ";
        }
        Check(seen == expected, row.name + (seen == expected ? "" : ": " + seen));
        Stop(process);
    }
}

// What a screen reader hears of a control, read in this process (where wine
// answers for standard controls): "name|value|description|role".
std::string Heard(HWND control)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&object))))
        return "nothing";
    VARIANT self{}, role{};
    self.vt = VT_I4;
    object->get_accRole(self, &role);
    std::string heard;
    for (const auto get : {&IAccessible::get_accName, &IAccessible::get_accValue,
                           &IAccessible::get_accDescription}) {
        BSTR text = nullptr;
        heard += ((object->*get)(self, &text) == S_OK && text ? Utf8(text) : "") + "|";
        SysFreeString(text);
    }
    object->Release();
    return heard + std::to_string(role.lVal);
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

// The real main window, in this process, as a screen reader reads it.
void ScreenReaders()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DesktopPlatform launcher;
    frmAbout about(AboutDialog::Load, launcher);
    Form1Window form(about);
    g_form = form.Handle();
    const int &announced = Hooked(EVENT_OBJECT_VALUECHANGE, Control(VScroll5));
    std::string heard, expected; // each box (role 42, text), then its spinner (52, spin button)
    for (const SpinnerPair &pair : kSpinnerPairs) {
        const std::string said = AccessibleName(pair) + "|" + Utf8(Text(Control(pair.box))) + "|" +
                                 AccessibleDescription(pair, false) + "|";
        expected += said + "42\n" + said + "52\n";
        heard += Heard(Control(pair.box)) + "\n" + Heard(Control(pair.spinner)) + "\n";
    }
    std::cout << heard;
    Check(heard == expected, "every box and spinner: its name, value, state and role");
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll5)));
    Pump([&] { return announced > 0; });
    Check(Heard(Control(VScroll5)).starts_with("Flying from, feet|30100|") && announced,
          "an arrow click: the spinner's new value, announced");
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll8)));
    Check(Heard(Control(VScroll6)) == "Plane heading, degrees|360|Wher you're going!)|52",
          "wind: the heading rows in use");
    const int &described = Hooked(EVENT_OBJECT_DESCRIPTIONCHANGE, Control(Command1));
    SetFocus(Control(Command1));
    for (int press = 1; press <= 2; ++press) { // the same distance a second time: told again
        SendMessageW(Control(Command1), BM_CLICK, 0, 0);
        Pump([&] { return described >= press; });
        const std::string distance = Utf8(Text(Control(Text6)));
        Check(
            Heard(Control(Command1)).find("|Distance " + distance.substr(1) + " nautical miles|") !=
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
    DesktopPlatform launcher;
    frmAbout about(AboutDialog::Load, launcher);
    Form1Window form(about);
    g_form = form.Handle();
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
        WaitFor([] { return FindWindowW(L"#32770", kTitle.c_str()) != nullptr; });
        AnswerMessages();
    });
    SendMessageW(Control(Command1), BM_CLICK, 0, 0);
    closer.join();
    Check(raised() == once + once, "a failed calculation raises nothing");
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
    if (mode == L"screenreaders")
        ScreenReaders();
    else if (mode == L"notifications")
        Notifications();
    else if (mode == L"layout" && argc == 4)
        Layout(argv[2], UINT(_wtoi(argv[3])));
    else if (mode == L"scenarios" && argc == 4)
        Scenarios(argv[2], Utf8(argv[3]));
    else
        RegistryLayer();
    return g_failed;
}
