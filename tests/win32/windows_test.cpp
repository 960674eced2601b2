// Under wine: "registry" reads the values wine_windows.sh wrote through the
// real registry functions and starts the tool as the launcher does; "window
// <exe> <dpi>" drives the real Tavrel.exe with mouse, keys and messages and
// reads its windows back. Started as probe.exe or Program.exe, this program
// only records which copy ran, for the test of a path with blanks.
#include "about/frm_about.h"
#include "calc/descent.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "main_window/form1_controls.h"
#include "win32/about_dialog.h"
#include "win32/desktop_platform.h"
#include "win32/form1_window.h"
#include "win32/text.h"

#include <fstream>
#include <iostream>

#include <oleacc.h>
#include <windows.h>

using namespace tavrel;
using enum Form1Control;

namespace {

const std::string kFolder = "C:\\Program Files\\Tavrel Probe";
int g_failed = 0;
HWND g_form = nullptr;

void Check(bool ok, const std::string &what)
{
    g_failed += !ok;
    std::cout << (ok ? "PASS " : "FAIL ") << what << std::endl;
}

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

HWND Control(Form1Control control) { return GetDlgItem(g_form, 100 + int(control)); }

std::wstring Text(HWND window)
{
    std::wstring text(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data())));
    return text;
}

std::wstring Boxes() // the input boxes' texts | Text6's
{
    std::wstring texts;
    for (const SpinnerPair &pair : kSpinnerPairs)
        texts += Text(Control(pair.box)) + L" ";
    return texts + L"|" + Text(Control(Text6));
}

void Key(WORD key)
{
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// A click at a fraction of a control's height, then a key if one is given.
void Input(HWND window, double y, WORD key = 0)
{
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, r.top + int((r.bottom - r.top) * y));
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    if (key)
        Key(key);
}

// Screen pixels of a control in a colour, or dark ones when colour is CLR_INVALID.
int Ink(Form1Control control, COLORREF colour, double top = 0, double bottom = 1)
{
    RECT r;
    GetWindowRect(Control(control), &r);
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

int Dialogs()
{
    int count = 0;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"TavrelWindow", L"About Tavrel V1.0"));)
        count += IsWindowVisible(w);
    return count;
}

void Windows(const wchar_t *exe, UINT dpi)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = exe;
    CreateProcessW(exe, commandLine.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup,
                   &process);
    Check(WaitFor([] { return g_form = FindWindowW(L"TavrelWindow", L"Tavrel V1.0"); }, 60) &&
              WaitFor([] { return Boxes() == L"30000 3000 1800 250 360 0 360 |"; }),
          "texts at start");
    const auto look = [&](bool wind) { // of the heading and wind-direction rows
        return IsWindowVisible(Control(VScroll6)) == wind &&
               IsWindowVisible(Control(VScroll7)) == wind &&
               (Ink(Label16, GetSysColor(COLOR_BTNTEXT)) > 0) == wind &&
               (Ink(Label14, GetSysColor(COLOR_BTNSHADOW)) > 0) != wind &&
               (Ink(Text7, RGB(0, 0, 192)) > 0) == wind;
    };
    Check(WaitFor([&] { return look(false); }), "no wind: rows greyed, values white on white");
    RECT client;
    GetClientRect(g_form, &client);
    Check(client.right == TwipsToPixels(6000, dpi) && client.bottom == TwipsToPixels(2880, dpi),
          "client area at " + std::to_string(dpi) + " DPI");

    Input(Control(Text7), 0.5);
    SendMessageW(Control(Text7), EM_SETSEL, 0, -1);
    Check(!WaitFor([] { return Ink(Text7, GetSysColor(COLOR_HIGHLIGHT)) > 0; }, 1),
          "greyed box focused and selected: its value still hidden");
    Input(Control(Text1), 0.5); // back where the focus starts, before the arrows are held
    Sleep(300);
    Input(Control(VScroll5), 0.25); // the upper arrow
    Check(WaitFor([] { return Text(Control(Text1)) == L"30100"; }), "upper arrow");
    Input(Control(VScroll5), 0.75);
    Check(WaitFor([] { return Text(Control(Text1)) == L"30000"; }), "lower arrow");
    Input(Control(Text2), 0.5, '7');
    Input(Control(Text6), 0.5, '8'); // input arrives in order: Text6's key after Text2's
    Check(WaitFor([] { return Text(Control(Text6)) == L"8"; }) && Text(Control(Text2)) == L"3000",
          "typed edit undone");
    for (int i = 0; i < 10; ++i)
        Input(Control(VScroll8), 0.25);
    Check(WaitFor([&] { return Text(Control(Text9)) == L"10" && look(true); }),
          "wind 10: rows normal");
    for (const SpinnerPair &pair : kSpinnerPairs) { // placed from its twips, both arrows drawn
        RECT r;
        GetWindowRect(Control(pair.spinner), &r);
        MapWindowPoints(nullptr, g_form, reinterpret_cast<POINT *>(&r), 2);
        const TwipsRect &t = DesignOf(pair.spinner).rect;
        Check(r.left == TwipsToPixels(t.left, dpi) &&
                  r.bottom == TwipsToPixels(t.top + t.height, dpi) &&
                  Ink(pair.spinner, CLR_INVALID, 0, 0.5) && Ink(pair.spinner, CLR_INVALID, 0.5, 1),
              std::string("arrows of ") + DesignOf(pair.spinner).name);
    }
    SendMessageW(Control(Command1), BM_CLICK, 0, 0);
    // " 78.5" from what the boxes show, unless a busy machine let a click's arrow repeat.
    const auto box = [](Form1Control c) { return ToSingle(ReadNumber(Utf8(Text(Control(c))))); };
    const std::string distance =
        DistanceText(ComputeDescentDistance({box(Text1), box(Text2), box(Text3), box(Text4),
                                             box(Text7), box(Text8), box(Text9), 1, 0}));
    Check(Utf8(Text(Control(Text6))) == distance, "Calculate");

    // Pasted into every box (up to a line break): the input boxes undo it, Text6 keeps it whole.
    const std::wstring hostile = std::wstring(100000, L'9') + L"\x01\x1b\t\x202e"
                                                              L"12345\xd800";
    const std::wstring before = Boxes();
    OpenClipboard(nullptr);
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (hostile.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t *>(GlobalLock(memory)), hostile.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    for (const Form1Control box : {Text1, Text2, Text3, Text4, Text7, Text8, Text9, Text6}) {
        SendMessageW(Control(box), EM_SETSEL, 0, -1);
        SendMessageW(Control(box), WM_PASTE, 0, 0);
    }
    Check(Boxes() == before.substr(0, before.find(L'|') + 1) + hostile, "hostile text");
    SendMessageW(Control(Command1), BM_CLICK, 0, 0); // Text6 back to the distance
    // Tab from Text6 to "Calculate", then Enter: no button of the main window is pressed.
    Input(Control(Text6), 0.5, '9');
    WaitFor([&] { return Text(Control(Text6)) != before.substr(before.find(L'|') + 1); });
    const std::wstring typed = Text(Control(Text6));
    Key(VK_TAB);
    Key(VK_RETURN);
    Sleep(500);
    Check(Text(Control(Text6)) == typed, "Enter presses nothing in the main window");

    // The About box, closed by Esc; Exit ends both windows.
    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    // Beside the main window where there is room (at 96 DPI), never over its buttons.
    const HWND about = FindWindowW(L"TavrelWindow", L"About Tavrel V1.0");
    const auto covers = [about](HWND window) {
        RECT a, b, overlap;
        GetWindowRect(about, &a);
        GetWindowRect(window, &b);
        return IntersectRect(&overlap, &a, &b) != FALSE;
    };
    Check(!covers(Control(Command2)) && !covers(Control(Command3)) && (dpi > 96 || !covers(g_form)),
          "About box beside the main window");
    // Clicked, "System Info..." has the focus: Enter presses it again; the dialog stays.
    Input(GetDlgItem(about, 100 + int(AboutControl::cmdSysInfo)), 0.5, VK_RETURN);
    Sleep(500);
    Check(Dialogs() == 1, "Enter presses the focused System Info, not OK");
    PostMessageW(FindWindowW(L"TavrelWindow", L"About Tavrel V1.0"), WM_KEYDOWN, VK_ESCAPE, 0);
    Check(WaitFor([] { return Dialogs() == 0; }), "Esc closes it");
    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    SendMessageW(Control(Command2), BM_CLICK, 0, 0);
    Check(WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0 && !Dialogs(), "Exit");
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
    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    Check(Heard(GetDlgItem(FindWindowW(L"TavrelWindow", L"About Tavrel V1.0"), 100))
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
    else if (argc == 4)
        Windows(argv[2], UINT(_wtoi(argv[3])));
    return g_failed;
}
