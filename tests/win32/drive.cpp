// Tavrel.exe driven as a user drives it, with mouse and keys through
// SendInput, through every row of the shared scenario table, and read back
// as a user sees it: the window in front, the focus, texts, options, greyed
// captions, the About box and message boxes.
#include "../scenarios/scenario_table.h"
#include "about/frm_about.h"
#include "common/application.h"
#include "tests/win32/wine_test.h"
#include "win32/build_window.h"
#include "win32/text.h"

#include <iostream>
#include <map>

namespace tavrel {

namespace {

const std::wstring kTitle = Utf16(kApplicationTitle);
HANDLE g_tavrel = nullptr; // the Tavrel.exe being driven
DWORD g_thread = 0;        // and its windows' thread
int g_messages = 0;        // the message boxes titled with the program's title, closed

GUITHREADINFO Thread()
{
    auto thread = Sized<GUITHREADINFO>();
    GetGUIThreadInfo(g_thread, &thread);
    return thread;
}

} // namespace

HWND g_form = nullptr;
HWND About() { return FindWindowW(L"TavrelWindow", (L"About " + kTitle).c_str()); }
const WindowDesign &DesignOf(bool about) { return about ? kAboutDesign : kForm1Design; }
HWND Control(Form1Control control) { return GetDlgItem(g_form, kFirstControlId + int(control)); }
HWND Focused() { return Thread().hwndFocus; }

std::vector<HWND> Controls(bool about)
{
    std::vector<HWND> controls;
    for (const ControlDesign &control : DesignOf(about).controls)
        controls.push_back(GetDlgItem(about ? About() : g_form,
                                      about && control.isDefault // the About box's OK
                                          ? IDOK
                                          : kFirstControlId + int(controls.size())));
    return controls;
}

// Every control of both windows by its design's name.
std::map<std::string, HWND> All()
{
    std::map<std::string, HWND> all;
    for (const bool about : {false, true})
        for (std::size_t i = 0; const HWND handle : Controls(about))
            all[DesignOf(about).controls[i++].name] = handle;
    return all;
}

HWND Named(const std::string &name) { return All()[name]; }

std::string NameOf(HWND control)
{
    for (const auto &[name, handle] : All())
        if (control && handle == control)
            return name;
    return "none";
}

void Key(WORD key, DWORD flags, WORD modifier)
{
    INPUT inputs[4] = {}; // the modifier down, the key down and up, the modifier up
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = i % 3 ? key : modifier;
        inputs[i].ki.dwFlags = (i % 3 ? flags : 0) | (i >= 2 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(modifier ? 4 : 2, modifier ? inputs : inputs + 1, sizeof(INPUT));
}

void Mouse(DWORD flags, DWORD data)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof(INPUT));
}

void Move(HWND window, const std::string &where, DWORD down, DWORD up)
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
        return Text(Control(Form1Control::Text7)) == L"360" && GetForegroundWindow() == g_form &&
               Focused() == Control(Form1Control::Text1);
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

namespace {

void AnswerMessages()
{
    for (HWND box; (box = FindWindowW(L"#32770", kTitle.c_str()));) {
        ++g_messages;
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(box); }, 2);
    }
}

// Lets Tavrel.exe take what was sent, however slow a loaded machine makes
// it: until what a user sees (the window in front, the focus, the About and
// a message box, every box's text and option) has stayed the same for a
// while, the window in front the one Tavrel.exe activated; it answers its
// message boxes with OK.
void Settle()
{
    std::wstring last;
    for (int same = 0, i = 0; same < 6 && i < 400; ++i) {
        Sleep(25);
        AnswerMessages();
        std::wstring now;
        for (const HWND window :
             {GetForegroundWindow(), Focused(), About(), FindWindowW(L"#32770", nullptr)})
            now += std::to_wstring(uintptr_t(window)) + L"|";
        for (int i = 0; i < kForm1ControlCount; ++i)
            if (const ControlKind kind = DesignOf(Form1Control(i)).kind;
                kind == ControlKind::TextBox)
                now += L"|" + Text(Control(Form1Control(i)));
            else if (kind == ControlKind::OptionButton)
                now += std::to_wstring(SendMessageW(Control(Form1Control(i)), BM_GETCHECK, 0, 0));
        same = now == last && Thread().hwndActive == GetForegroundWindow() ? same + 1 : 0;
        last = now;
    }
}

// A key word of the table, a modifier before it or not; false if it is none.
bool PressKey(const std::string &step)
{
    static const std::map<std::string, WORD> kKeys = {
        {"Tab", VK_TAB},    {"Enter", VK_RETURN},   {"Esc", VK_ESCAPE}, {"Space", VK_SPACE},
        {"Up", VK_UP},      {"Down", VK_DOWN},      {"Left", VK_LEFT},  {"Right", VK_RIGHT},
        {"PgUp", VK_PRIOR}, {"PgDown", VK_NEXT},    {"Home", VK_HOME},  {"End", VK_END},
        {"KP_Up", VK_UP},   {"KP_Enter", VK_RETURN}};
    static const std::map<std::string, WORD> kModifiers = {
        {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL}, {"Alt", VK_MENU}};
    const std::size_t plus = step.find('+');
    const std::string prefix = plus == std::string::npos ? "" : step.substr(0, plus);
    const WORD held = kModifiers.contains(prefix) ? kModifiers.at(prefix) : 0;
    const std::string key = held ? step.substr(plus + 1) : step;
    WORD vk = kKeys.contains(key) ? kKeys.at(key) : 0;
    if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z')
        vk = WORD(key[0]);
    if (vk) // the cursor block's keys are extended, the keypad's not
        Key(vk,
            vk >= VK_PRIOR && vk <= VK_DOWN && !key.starts_with("KP_") ? KEYEVENTF_EXTENDEDKEY : 0,
            held);
    return vk;
}

void Paste(HWND box)
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (kHostilePaste.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t *>(GlobalLock(memory)), kHostilePaste.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
}

void Step(const std::string &step)
{
    const std::size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon), argument = step.substr(colon + 1);
    const std::string name = argument.substr(0, argument.find(':'));
    const std::string rest = argument.substr(argument.find(':') + 1);
    const HWND control = Named(name);
    const bool spinner = std::ranges::any_of(kForm1Design.controls, [&](const auto &c) {
        return name == c.name && c.kind == ControlKind::Spinner;
    });
    const DWORD button = verb == "right"    ? MOUSEEVENTF_RIGHTDOWN
                         : verb == "middle" ? MOUSEEVENTF_MIDDLEDOWN
                                            : MOUSEEVENTF_LEFTDOWN; // its release: twice the flag
    if (PressKey(step) || step == "forget") {                       // heard= is not checked here
    } else if (step == "closemain" || step == "closeabout") {
        PostMessageW(step == "closemain" ? g_form : About(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (verb == "wait") {
        Sleep(DWORD(std::stoi(argument)));
    } else if (verb == "click" || verb == "right" || verb == "middle") { // a spinner's upper arrow
        Move(control, spinner && verb != "click" ? "up" : "middle", button, button * 2);
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
            Key(LOBYTE(VkKeyScanW(wchar_t(c))));
    } else if (verb == "paste") {
        Paste(control);
    } else {
        Check(false, "unknown step " + step);
    }
    if (verb != "press" && verb != "move") // a held arrow's input is queued in order, and timed
        Settle();
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

std::string Seen(const std::string &what, const std::string &name)
{
    const HWND active = Thread().hwndActive, control = Named(name);
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
        return right(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    if (what == "greyed")
        return right(Ink(control, GetSysColor(COLOR_BTNSHADOW)) > 0 &&
                     Ink(control, GetSysColor(COLOR_BTNTEXT)) == 0);
    if (what == "blank" || what == "inked")
        return right((Ink(control, RGB(0, 0, 192)) + Ink(control, GetSysColor(COLOR_HIGHLIGHT)) >
                      0) == (what == "inked"));
    return Utf8(Text(Named(what)));
}

} // namespace

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

} // namespace tavrel
