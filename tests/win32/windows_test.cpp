// Under wine: "registry" reads the values wine_windows.sh wrote through the
// real registry functions and starts the tool as the launcher does;
// "screenreaders" reads the main window as a screen reader does; "layout
// <exe> <dpi>" checks the real Tavrel.exe as drawn at a DPI; "scenarios
// <exe> <table>" drives it through every row of the shared scenario table
// with mouse and keys, and reads its windows back. Started as probe.exe or
// Program.exe, this program only records which copy ran, for the test of a
// path with blanks.
#include "../scenarios/scenario_table.h"
#include "about/frm_about.h"
#include "common/application.h"
#include "common/twips.h"
#include "look_test.h"
#include "main_window/form1_controls.h"
#include "resources/windows/resource.h"
#include "win32/about_dialog.h"
#include "win32/build_window.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"
#include "win32/text.h"

#include <fstream>
#include <iostream>
#include <map>

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
HWND g_form = nullptr;

template <typename Condition> bool WaitFor(Condition condition, int seconds = 5)
{
    for (int i = 0; i < seconds * 40 && !condition(); ++i)
        Sleep(25);
    return condition();
}

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

HWND Control(Form1Control control) { return GetDlgItem(g_form, kFirstControlId + int(control)); }

const std::wstring kAboutTitle = Utf16(std::string("About ") + kApplicationTitle);

HWND About() { return FindWindowW(L"TavrelWindow", kAboutTitle.c_str()); }

// A control of either window by its design's name.
HWND Named(const std::string &name)
{
    for (int i = 0; i < kForm1ControlCount; ++i)
        if (name == DesignOf(Form1Control(i)).name)
            return Control(Form1Control(i));
    for (int i = 0; i < kAboutControlCount; ++i)
        if (name == DesignOf(AboutControl(i)).name)
            return GetDlgItem(About(),
                              DesignOf(AboutControl(i)).isDefault ? IDOK : kFirstControlId + i);
    return nullptr;
}

std::string NameOf(HWND control)
{
    std::vector<std::string> names(std::begin(kForm1ControlNames), std::end(kForm1ControlNames));
    names.insert(names.end(), std::begin(kAboutControlNames), std::end(kAboutControlNames));
    for (const std::string &name : names)
        if (control && Named(name) == control)
            return name;
    return "none";
}

std::wstring Text(HWND window)
{
    std::wstring text(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data())));
    return text;
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

void Pointer(HWND window, double y)
{
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, r.top + int((r.bottom - r.top) * y));
}

void Button(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

// A click at a fraction of a control's height.
void Input(HWND window, double y)
{
    Pointer(window, y);
    Button(MOUSEEVENTF_LEFTDOWN);
    Button(MOUSEEVENTF_LEFTUP);
}

// Screen pixels of a control in a colour, or dark ones when colour is CLR_INVALID.
int Ink(HWND control, COLORREF colour, double top = 0, double bottom = 1)
{
    RECT r;
    GetWindowRect(control, &r);
    // Whatever Tavrel.exe has still to paint, painted first: the pixels are the state's.
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = r.top + int((r.bottom - r.top) * top); y < r.top + (r.bottom - r.top) * bottom;
         ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            count +=
                colour == CLR_INVALID ? GetRValue(pixel) + GetGValue(pixel) < 200 : pixel == colour;
        }
    ReleaseDC(nullptr, screen);
    return count;
}

HANDLE g_tavrel = nullptr; // the Tavrel.exe being driven
DWORD g_thread = 0;        // and its windows' thread

HWND Focused()
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(g_thread, &thread);
    return thread.hwndFocus;
}

PROCESS_INFORMATION Start(const wchar_t *exe)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = exe;
    CreateProcessW(exe, commandLine.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup,
                   &process);
    g_form = nullptr;
    g_tavrel = process.hProcess;
    g_thread = process.dwThreadId;
    WaitFor([] { return g_form = FindWindowW(L"TavrelWindow", Utf16(kApplicationTitle).c_str()); },
            60);
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

std::vector<HWND> MainControls()
{
    std::vector<HWND> controls;
    for (int i = 0; i < kForm1ControlCount; ++i)
        controls.push_back(Control(Form1Control(i)));
    return controls;
}

std::vector<HWND> AboutControls()
{
    std::vector<HWND> controls;
    for (int i = 0; i < kAboutControlCount; ++i)
        controls.push_back(
            GetDlgItem(About(), DesignOf(AboutControl(i)).isDefault ? IDOK : kFirstControlId + i));
    return controls;
}

// Tavrel.exe at a DPI, as drawn, and read back against its designs: the
// client area; both windows, with and without wind, active and not; both
// arrows of each spinner drawn, a held one pressed; the About box beside the
// main window, never over its buttons, its picture the bitmap for the DPI,
// with its focus rectangle when it has the focus.
void Layout(const wchar_t *exe, UINT dpi)
{
    const PROCESS_INFORMATION process = Start(exe);
    RECT client;
    GetClientRect(g_form, &client);
    Check(client.right == TwipsToPixels(kForm1Design.widthTwips, dpi) &&
              client.bottom == TwipsToPixels(kForm1Design.heightTwips, dpi),
          "client area at " + std::to_string(dpi) + " DPI");
    WaitFor([] { return Ink(Control(Label16), GetSysColor(COLOR_BTNSHADOW)) > 0; }); // drawn
    Key(VK_TAB, 0, VK_SHIFT); // to a spinner: no box's value selected, no button's focus shown
    WaitFor([] { return Focused() == Control(VScroll5); });
    const std::string title = kApplicationTitle;
    ReadBack(g_form, kForm1Design, MainControls(), process.hProcess, {dpi, false, true});
    Input(Control(VScroll8), 0.25); // wind: every spinner shown
    WaitFor([] { return Ink(Control(VScroll6), CLR_INVALID) > 0; });
    ReadBack(g_form, kForm1Design, MainControls(), process.hProcess, {dpi, true, true});
    ReadTitle(g_form, title, {dpi, true, true});
    for (const SpinnerPair &pair : kSpinnerPairs)
        Check(Ink(Control(pair.spinner), CLR_INVALID, 0, 0.5) &&
                  Ink(Control(pair.spinner), CLR_INVALID, 0.5, 1),
              std::string("both arrows of ") + DesignOf(pair.spinner).name + " drawn");
    // Held, then let go: the same spinner with the focus, only the arrow's state changed.
    Pointer(Control(VScroll5), 0.25);
    Button(MOUSEEVENTF_LEFTDOWN);
    WaitFor([] { return Focused() == Control(VScroll5); });
    const std::vector<COLORREF> held = UpperHalf(Control(VScroll5));
    Button(MOUSEEVENTF_LEFTUP);
    Check(WaitFor([&] { return UpperHalf(Control(VScroll5)) != held; }, 2),
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
                "the About box's picture at " + std::to_string(dpi) + " DPI");
    Check(!FocusShows(picture), "no focus rectangle on the picture without the focus");
    Key(VK_TAB); // from OK to the next stop
    const bool stop =
        DesignOf(AboutControl::picIcon).tabIndex == DesignOf(AboutControl::cmdOK).tabIndex + 1;
    WaitFor([&] { return (Focused() == picture) == stop; });
    Check(FocusShows(picture) == stop, "the picture's focus rectangle with its Tab stop");
    ReadBack(About(), kAboutDesign, AboutControls(), process.hProcess, {dpi, false, true});
    Stop(process);
}

// The message boxes titled with the program's title that came and were closed.
int g_messages = 0;

void AnswerMessages()
{
    for (HWND box; (box = FindWindowW(L"#32770", Utf16(kApplicationTitle).c_str()));) {
        ++g_messages;
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(box); }, 2);
    }
}

// What a user sees of Tavrel.exe: the window in front, the focus, the About
// box and a message box, every box's text and option.
std::wstring Shown()
{
    std::wstring seen = std::to_wstring(uintptr_t(GetForegroundWindow())) + L"|" +
                        std::to_wstring(uintptr_t(Focused())) + L"|" +
                        std::to_wstring(uintptr_t(About())) + L"|" +
                        std::to_wstring(uintptr_t(FindWindowW(L"#32770", nullptr)));
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
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(g_thread, &thread);
        const std::wstring now = Shown();
        same = now == last && thread.hwndActive == GetForegroundWindow() ? same + 1 : 0;
        last = now;
    }
}

// A key word of the table, a modifier before it or not; false if it is none.
bool PressKey(const std::string &step)
{
    static const std::map<std::string, std::pair<WORD, DWORD>> kKeys = {
        {"Tab", {VK_TAB, 0}},
        {"Enter", {VK_RETURN, 0}},
        {"Esc", {VK_ESCAPE, 0}},
        {"Space", {VK_SPACE, 0}},
        {"Up", {VK_UP, KEYEVENTF_EXTENDEDKEY}},
        {"Down", {VK_DOWN, KEYEVENTF_EXTENDEDKEY}},
        {"Left", {VK_LEFT, KEYEVENTF_EXTENDEDKEY}},
        {"Right", {VK_RIGHT, KEYEVENTF_EXTENDEDKEY}},
        {"PgUp", {VK_PRIOR, KEYEVENTF_EXTENDEDKEY}},
        {"PgDown", {VK_NEXT, KEYEVENTF_EXTENDEDKEY}},
        {"Home", {VK_HOME, KEYEVENTF_EXTENDEDKEY}},
        {"End", {VK_END, KEYEVENTF_EXTENDEDKEY}},
        {"KP_Up", {VK_UP, 0}}}; // the keypad's: not an extended key
    static const std::map<std::string, WORD> kModifiers = {
        {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL}, {"Alt", VK_MENU}};
    const std::size_t plus = step.find('+');
    const bool modified = plus != std::string::npos && kModifiers.contains(step.substr(0, plus));
    const std::string key = modified ? step.substr(plus + 1) : step;
    const WORD modifier = modified ? kModifiers.at(step.substr(0, plus)) : 0;
    if (kKeys.contains(key))
        Key(kKeys.at(key).first, kKeys.at(key).second, modifier);
    else if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z')
        Key(WORD(key[0]), 0, modifier);
    else
        return false;
    return true;
}

// The pointer moved, as a mouse moves it, to a fraction of a control's
// height (or, for "off", beside it).
void Move(HWND window, const std::string &where)
{
    RECT r;
    GetWindowRect(window, &r);
    const int x = where == "off" ? r.left - 3 * (r.right - r.left) : (r.left + r.right) / 2;
    const int y = r.top + (r.bottom - r.top) * (where == "up" ? 1 : where == "down" ? 3 : 2) / 4;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = LONG((2LL * x + 1) * 65536 / (2LL * GetSystemMetrics(SM_CXSCREEN)));
    input.mi.dy = LONG((2LL * y + 1) * 65536 / (2LL * GetSystemMetrics(SM_CYSCREEN)));
    SendInput(1, &input, sizeof(INPUT));
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
        Move(control, spinner && verb != "click" ? "up" : "middle");
        Button(kButtons.at(verb).first);
        Button(kButtons.at(verb).second);
    } else if (verb == "up" || verb == "down") {
        Move(control, verb);
        Button(MOUSEEVENTF_LEFTDOWN);
        Button(MOUSEEVENTF_LEFTUP);
    } else if (verb == "move") {
        Move(control, rest);
    } else if (verb == "press" || verb == "hold") {
        Move(control, "up");
        Button(MOUSEEVENTF_LEFTDOWN);
        if (verb == "hold") {
            Sleep(1200);
            Button(MOUSEEVENTF_LEFTUP);
        }
    } else if (step == "release") {
        Button(MOUSEEVENTF_LEFTUP);
    } else if (verb == "wheel") {
        Pointer(control, 0.5);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = DWORD(std::stoi(rest));
        SendInput(1, &input, sizeof(INPUT));
    } else if (verb == "type") {
        Input(control, 0.5);
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

std::string Seen(const std::string &check, const PROCESS_INFORMATION &process)
{
    const std::string what = check.substr(0, check.find_first_of("=>"));
    const std::string name = check.substr(check.find('=') + 1);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(process.dwThreadId, &thread);
    if (what == "focus")
        return NameOf(thread.hwndFocus);
    if (what == "about")
        return About() && IsWindowVisible(About()) ? "1" : "0";
    if (what == "active")
        return thread.hwndActive == g_form    ? "main"
               : thread.hwndActive == About() ? "about"
                                              : "none";
    if (what == "message") {
        AnswerMessages();
        return std::to_string(g_messages);
    }
    if (what == "ended") {
        DWORD code = STILL_ACTIVE;
        WaitForSingleObject(process.hProcess, 3000);
        GetExitCodeProcess(process.hProcess, &code);
        return code == STILL_ACTIVE ? "0" : code == 0 ? "1" : "crashed";
    }
    if (what == "placed")
        return Placed();
    const auto right = [&](bool ok) { return name + (ok ? "" : " wrong"); };
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
            std::string got;
            WaitFor(
                [&] { // some checks need Tavrel.exe to have drawn or ended first
                    got = Seen(check, process);
                    return want.atLeast ? std::atoi(got.c_str()) >= *want.atLeast
                                        : got == want.value;
                },
                2);
            seen += check.substr(0, check.find_first_of("=>")) + "=" + got + " ";
            expected += check.substr(0, check.find_first_of("=>")) + "=" +
                        (want.atLeast ? got : want.value) + " ";
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

// The real main window, in this process, as a screen reader reads it.
void ScreenReaders()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DesktopPlatform launcher;
    frmAbout about(AboutDialog::Load, launcher);
    Form1Window form(about);
    g_form = form.Handle();
    static int announced = 0;
    SetWinEventHook(
        EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND spinner, LONG, LONG, DWORD, DWORD) {
            announced += spinner == Control(VScroll5);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
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
    WaitFor([] {
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
        return announced > 0;
    });
    Check(Heard(Control(VScroll5)).starts_with("Flying from, feet|30100|") && announced,
          "an arrow click: the spinner's new value, announced");
    SendMessageW(g_form, WM_VSCROLL, SB_LINEUP, LPARAM(Control(VScroll8)));
    Check(Heard(Control(VScroll6)) == "Plane heading, degrees|360|Wher you're going!)|52",
          "wind: the heading rows in use");
    static int described = 0; // what the focused button says, told again
    SetWinEventHook(
        EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND button, LONG, LONG, DWORD, DWORD) {
            described += button == Control(Command1);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    SetFocus(Control(Command1));
    for (int press = 1; press <= 2; ++press) { // the same distance a second time: told again
        SendMessageW(Control(Command1), BM_CLICK, 0, 0);
        WaitFor([&] {
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
                DispatchMessageW(&message);
            return described >= press;
        });
        const std::string distance = Utf8(Text(Control(Text6)));
        Check(
            Heard(Control(Command1)).find("|Distance " + distance.substr(1) + " nautical miles|") !=
                    std::string::npos &&
                described == press,
            "Calculate " + std::to_string(press) +
                ": the distance told to screen readers on the focused button");
    }
    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    Check(Heard(GetDlgItem(About(), kFirstControlId + int(AboutControl::picIcon)))
              .starts_with("Tavrel|"),
          "the About box's picture is named");
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
    if (argc == 2 && argv[1] == std::wstring_view(L"screenreaders"))
        ScreenReaders();
    else if (argc == 2)
        RegistryLayer();
    else if (argc == 4 && argv[1] == std::wstring_view(L"layout"))
        Layout(argv[2], UINT(_wtoi(argv[3])));
    else if (argc == 4)
        Scenarios(argv[2], Utf8(argv[3]));
    return g_failed;
}
