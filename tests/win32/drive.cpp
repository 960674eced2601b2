// Tavrel.exe driven through the shared scenario table as a user drives it,
// with mouse and keys through SendInput, and read back as a user sees it.
#include "../scenarios/scenario_table.h"
#include "about/frm_about.h"
#include "common/application.h"
#include "tests/win32/wine_test.h"
#include "win32/build_window.h"
#include "win32/text.h"

#include <cctype>
#include <map>

namespace tavrel {

namespace {

const std::wstring kTitle = Utf16(kApplicationTitle);
PROCESS_INFORMATION g_tavrel{}; // the Tavrel.exe being driven
int g_messages = 0;             // the message boxes titled with the program's title, closed

GUITHREADINFO Thread()
{
    GUITHREADINFO thread{sizeof thread, 0, {}, {}, {}, {}, {}, {}, {}};
    GetGUIThreadInfo(g_tavrel.dwThreadId, &thread);
    return thread;
}

// A mouse button or the wheel; the pointer moved to a quarter of a control's
// height ("up", "middle", "down") or beside it ("off"), pressed unless `down` is 0.
void Mouse(DWORD flags, DWORD data = 0, LONG x = 0, LONG y = 0)
{
    INPUT input{INPUT_MOUSE, {.mi = {x, y, data, flags, 0, 0}}};
    SendInput(1, &input, sizeof(INPUT));
}

void Move(HWND window, const std::string &where, DWORD down = 0, DWORD up = 0)
{
    RECT r;
    GetWindowRect(window, &r);
    const int x = where == "off" ? r.left - 3 * (r.right - r.left) : (r.left + r.right) / 2;
    const int y = r.top + (r.bottom - r.top) * (where == "up" ? 1 : where == "down" ? 3 : 2) / 4;
    SetCursorPos(x, y); // there at once: a wheel notch that follows goes where the pointer is
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0,
          LONG((2LL * x + 1) * 65536 / (2LL * GetSystemMetrics(SM_CXSCREEN))),
          LONG((2LL * y + 1) * 65536 / (2LL * GetSystemMetrics(SM_CYSCREEN))));
    for (const DWORD button : {down, up})
        if (button)
            Mouse(button);
}

// Lets Tavrel.exe take what was sent, however slow the machine: until what a
// user sees (windows in front, focus, texts, options) stays the same a while,
// the window in front the active one. Answers message boxes with OK: how many.
int Settle()
{
    std::wstring last;
    const auto controls = Controls(false); // once: wine finds each by walking the window
    for (int same = 0, i = 0; same < 6 && i < 400; ++i) {
        Sleep(25);
        for (HWND box; (box = FindWindowW(L"#32770", kTitle.c_str()));) {
            ++g_messages;
            SendMessageW(box, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !IsWindow(box); }, 2);
        }
        std::wstring now;
        for (const HWND window :
             {GetForegroundWindow(), Focused(), About(), FindWindowW(L"#32770", nullptr)})
            now += std::to_wstring(uintptr_t(window)) + L"|";
        for (const auto &[design, control] : controls) // the texts and options
            now += Text(control) + std::to_wstring(SendMessageW(control, BM_GETCHECK, 0, 0));
        same = now == last && Thread().hwndActive == GetForegroundWindow() ? same + 1 : 0;
        last = now;
    }
    return g_messages;
}

// A key word of the table, a modifier before it or not, pressed; false if it is none.
bool PressKey(const std::string &step)
{
    static const std::map<std::string, WORD> kKeys = {
        {"Tab", VK_TAB},    {"Enter", VK_RETURN},    {"Esc", VK_ESCAPE},  {"Space", VK_SPACE},
        {"Up", VK_UP},      {"Down", VK_DOWN},       {"Left", VK_LEFT},   {"Right", VK_RIGHT},
        {"PgUp", VK_PRIOR}, {"PgDown", VK_NEXT},     {"Home", VK_HOME},   {"End", VK_END},
        {"KP_Up", VK_UP},   {"KP_Enter", VK_RETURN}, {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL},
        {"Alt", VK_MENU}};
    const std::size_t plus = step.find('+') + 1; // 0 when there is none
    const std::string prefix = step.substr(0, plus ? plus - 1 : 0);
    const WORD modifier = kKeys.contains(prefix) ? kKeys.at(prefix) : 0;
    const std::string key = modifier ? step.substr(plus) : step;
    const WORD vk = kKeys.contains(key)                       ? kKeys.at(key)
                    : key.size() == 1 && std::isalnum(key[0]) ? WORD(std::toupper(key[0]))
                                                              : 0;
    // The cursor block's keys are extended, the keypad's not.
    const DWORD flags =
        vk >= VK_PRIOR && vk <= VK_DOWN && !key.starts_with("KP_") ? KEYEVENTF_EXTENDEDKEY : 0;
    INPUT inputs[4]; // the modifier down, the key down and up, the modifier up
    for (int i = 0; i < 4; ++i)
        inputs[i] = {INPUT_KEYBOARD,
                     {.ki = {WORD(i % 3 ? vk : modifier), 0,
                             (i % 3 ? flags : 0) | (i >= 2 ? KEYEVENTF_KEYUP : 0), 0, 0}}};
    return vk && SendInput(modifier ? 4 : 2, modifier ? inputs : inputs + 1, sizeof(INPUT));
}

// What a check of the table reads: `what`, of the control `name`.
std::string Seen(const std::string &what, const std::string &name)
{
    const HWND active = Thread().hwndActive, control = Named(name);
    const auto right = [&](bool ok) { return name + (ok ? "" : " wrong"); };
    DWORD code = STILL_ACTIVE;
    RECT work, f; // where the procedures place the main window: centred across the work area
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(g_form, &f);
    for (const bool about : {false, true})
        for (const auto &[design, handle] : Controls(about))
            if (what == "focus" && handle == Focused())
                return design.name;
    if (what == "about")
        return About() && IsWindowVisible(About()) ? "1" : "0";
    if (what == "active")
        return active == g_form ? "main" : active == About() ? "about" : "none";
    if (what == "message")
        return std::to_string(Settle());
    if (what == "ended") {
        WaitForSingleObject(g_tavrel.hProcess, 3000);
        GetExitCodeProcess(g_tavrel.hProcess, &code);
        return code == STILL_ACTIVE ? "0" : code == 0 ? "1" : "crashed";
    }
    if (what == "placed")
        return f.left == (work.left + work.right - f.right + f.left) / 2 &&
                       f.top ==
                           work.top + std::max(0L, work.bottom - work.top - f.bottom + f.top) / 8
                   ? "main"
                   : "main at " + std::to_string(f.left) + "," + std::to_string(f.top);
    if (what == "checked")
        return right(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    if (what == "greyed")
        return right(Ink(control, GetSysColor(COLOR_BTNSHADOW)) > 0 &&
                     Ink(control, GetSysColor(COLOR_BTNTEXT)) == 0);
    if (what == "blank" || what == "inked")
        return right((Ink(control, RGB(0, 0, 192)) + Ink(control, GetSysColor(COLOR_HIGHLIGHT)) >
                      0) == (what == "inked"));
    return what == "focus" ? "none" : Utf8(Text(Named(what)));
}

} // namespace

HWND g_form = nullptr;
HWND About() { return FindWindowW(L"TavrelWindow", (L"About " + kTitle).c_str()); }
HWND Control(Form1Control control) { return GetDlgItem(g_form, kFirstControlId + int(control)); }
HWND Focused() { return Thread().hwndFocus; }

std::vector<std::pair<ControlDesign, HWND>> Controls(bool about)
{
    std::vector<std::pair<ControlDesign, HWND>> controls;
    const HWND window = about ? About() : g_form;
    for (const ControlDesign &control : (about ? kAboutDesign : kForm1Design).controls)
        controls.emplace_back(control,
                              GetDlgItem(window, about && control.isDefault // its OK
                                                     ? IDOK
                                                     : kFirstControlId + int(controls.size())));
    return controls;
}

HWND Named(const std::string &name)
{
    for (const bool about : {false, true})
        for (const auto &[design, handle] : Controls(about))
            if (design.name == name)
                return handle;
    return nullptr;
}

void Start(const wchar_t *exe)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(exe, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, &startup, &g_tavrel);
    g_form = nullptr;
    g_messages = 0;
    WaitFor([] { return g_form = FindWindowW(L"TavrelWindow", kTitle.c_str()); }, 60);
    // Keys go to the window in front: the first is sent once it is, its first box focused.
    WaitFor([] {
        return Text(Control(Form1Control::Text7)) == L"360" && GetForegroundWindow() == g_form &&
               Focused() == Control(Form1Control::Text1);
    });
}

void Stop()
{
    TerminateProcess(g_tavrel.hProcess, 0); // if it has not ended
    WaitForSingleObject(g_tavrel.hProcess, 5000);
    CloseHandle(g_tavrel.hProcess);
    CloseHandle(g_tavrel.hThread);
}

void Step(const std::string &step)
{
    const std::size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon), argument = step.substr(colon + 1);
    const std::string name = argument.substr(0, argument.find(':'));
    const std::string rest = argument.substr(argument.find(':') + 1);
    const HWND control = Named(name);
    const DWORD button = verb == "right"    ? MOUSEEVENTF_RIGHTDOWN
                         : verb == "middle" ? MOUSEEVENTF_MIDDLEDOWN
                                            : MOUSEEVENTF_LEFTDOWN; // its release: twice the flag
    if (PressKey(step) || step == "forget") {                       // heard= is not checked here
    } else if (step == "closemain" || step == "closeabout") {
        PostMessageW(step == "closemain" ? g_form : About(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (verb == "wait") {
        Sleep(DWORD(std::stoi(argument)));
    } else if (verb == "click" || verb == "right" || verb == "middle") { // a spinner's upper arrow
        Move(control, name.starts_with("VScroll") && verb != "click" ? "up" : "middle", button,
             button * 2);
    } else if (verb == "up" || verb == "down") {
        Move(control, verb, button, button * 2);
    } else if (verb == "move" || verb == "press" || verb == "hold") {
        Move(control, verb == "move" ? rest : "up", verb == "move" ? 0 : button);
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
        Move(control, "middle", button, button * 2);
        Settle();
        for (const char c : rest)
            PressKey(std::string(1, c));
    } else if (verb == "paste" && OpenClipboard(nullptr) && EmptyClipboard()) {
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

void Scenarios(const wchar_t *exe, const std::string &table)
{
    for (const Scenario &row : ReadScenarios(table, "win32")) {
        if (!row.notHere.empty())
            continue; // the table says why
        Start(exe);
        for (const std::string &step : row.steps)
            Step(step);
        std::string wrong;
        for (const std::string &check : row.checks) {
            const Expected want = ParseCheck(check);
            const std::string what = check.substr(0, check.find_first_of("=>"));
            std::string got;
            const auto right = [&] { // some checks need Tavrel.exe to have drawn or ended first
                got = Seen(what, check.substr(check.find('=') + 1));
                return want.atLeast ? std::atoi(got.c_str()) >= *want.atLeast : got == want.value;
            };
            if (!WaitFor(right, 2))
                wrong += " " + what + "=" + got;
        }
        Check(wrong.empty(), row.name + wrong);
        Stop();
    }
}

} // namespace tavrel
