#include "win32/designed_window.h"

#include "resources/windows/resource.h"
#include "win32/build_window.h"
#include "win32/keys.h"
#include "win32/picture_box.h"
#include "win32/spinner.h"
#include "win32/text.h"

#include <commctrl.h>

#include <algorithm>

namespace tavrel {

namespace {

constexpr wchar_t kWindowClass[] = L"TavrelWindow";
constexpr UINT kDestroyMessage = WM_APP;

DesignedWindow *g_creating = nullptr; // the window whose dialog is being created

ColourValue System(int index) { return kSystemColourFlag | ColourValue(index); }

void RegisterClasses(HINSTANCE instance, WNDPROC windowProc)
{
    WNDCLASSEXW window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = windowProc;
    window.cbWndExtra = DLGWINDOWEXTRA;
    window.hInstance = instance;
    window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVREL));
    window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window.lpszClassName = kWindowClass;
    RegisterClassExW(&window);
    RegisterPictureBoxClass(instance);
}

// An empty dialog of Tavrel's window class; the controls come from the design.
std::vector<WORD> DialogTemplate(DWORD style, DWORD exStyle)
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto *dialog = reinterpret_cast<DLGTEMPLATE *>(words.data());
    dialog->style = style;
    dialog->dwExtendedStyle = exStyle;
    words.push_back(0); // no menu
    words.insert(words.end(), std::begin(kWindowClass), std::end(kWindowClass));
    words.push_back(0); // no caption yet
    return words;
}

ScreenRect ToScreenRect(const RECT &r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace

DesignedWindow::DesignedWindow(const WindowDesign &design, DWORD style, DWORD exStyle)
    : m_design(design), m_foreColours(design.controls.size())
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = (RegisterClasses(instance, WindowProc), true);
    (void)registered;
    const std::vector<WORD> dialog = DialogTemplate(style, exStyle);
    g_creating = this;
    CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE *>(dialog.data()),
                               nullptr, nullptr, 0);
    g_creating = nullptr;
    SetWindowTextW(m_window, Utf16(design.caption).c_str());
    const UINT dpi = GetDpiForWindow(m_window);
    SizeWindow(m_window, design, dpi);
    m_controls = CreateControls(m_window, design, m_fonts, dpi);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        m_foreColours[i] = design.controls[i].foreColour;
        if (design.controls[i].kind == ControlKind::TextBox)
            SetWindowSubclass(m_controls[i], TextBoxProc, i, DWORD_PTR(this));
    }
}

DesignedWindow::~DesignedWindow()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void DesignedWindow::Focus(int index)
{
    if (GetForegroundWindow() != m_window)
        SetForegroundWindow(m_window);
    SendMessageW(m_window, WM_NEXTDLGCTL, WPARAM(Control(index)), TRUE);
}

void DesignedWindow::MoveTo(ScreenPoint topLeft)
{
    SetWindowPos(m_window, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ScreenRect DesignedWindow::Frame() const
{
    RECT frame;
    GetWindowRect(m_window, &frame);
    return ToScreenRect(frame);
}

ScreenRect DesignedWindow::WorkArea() const
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return ToScreenRect(monitor.rcWork);
}

void DesignedWindow::Layout(UINT dpi)
{
    LayOut(m_window, m_design, m_controls, m_fonts, dpi);
    OnLayout(dpi);
    InvalidateRect(m_window, nullptr, TRUE);
}

int DesignedWindow::IndexOf(HWND control) const
{
    const auto it = std::find(m_controls.begin(), m_controls.end(), control);
    return control && it != m_controls.end() ? int(it - m_controls.begin()) : -1;
}

void DesignedWindow::SetForeColour(int index, ColourValue colour)
{
    m_foreColours[std::size_t(index)] = colour;
    InvalidateRect(Control(index), nullptr, TRUE);
}

void DesignedWindow::DestroyLater() { PostMessageW(m_window, kDestroyMessage, 0, 0); }

ColourValue DesignedWindow::BackColour(std::size_t index, ColourValue platform) const
{
    const ColourValue back = m_design.controls[index].backColour;
    return back != kDefaultColour ? back : platform;
}

LRESULT DesignedWindow::OnCtlColor(HDC dc, HWND control, ColourValue background)
{
    const int index = IndexOf(control);
    if (index < 0)
        return 0;
    const ColourValue fore = m_foreColours[std::size_t(index)];
    background = BackColour(std::size_t(index), background);
    if (fore != kDefaultColour)
        SetTextColor(dc, ToColorRef(fore));
    SetBkColor(dc, ToColorRef(background));
    return LRESULT(m_brushes.Get(background));
}

LRESULT CALLBACK DesignedWindow::TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR index, DWORD_PTR self)
{
    // A box whose text is its background colour hides its value: the edit
    // control would still draw a selection in the highlight colours.
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, TextBoxProc, index);
    const auto *window = reinterpret_cast<const DesignedWindow *>(self);
    const ColourValue back = window->BackColour(index, System(COLOR_WINDOW));
    if (message == WM_PAINT &&
        HidesValue(window->m_design.controls[index], window->m_foreColours[index])) {
        // The edit control paints (and keeps its own state) first; then its
        // client area is filled over, the caret lifted off meanwhile.
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        HideCaret(box);
        RECT area;
        GetClientRect(box, &area);
        const HDC dc = GetDC(box);
        FillRect(dc, &area, const_cast<DesignedWindow *>(window)->m_brushes.Get(back));
        ReleaseDC(box, dc);
        ShowCaret(box);
        return result;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

bool DesignedWindow::TranslateKey(const MSG &message)
{
    const std::optional<KeyPress> key = ToKeyPress(message);
    const HWND root = key ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    wchar_t className[std::size(kWindowClass)] = {};
    if (!root || !GetClassNameW(root, className, int(std::size(className))) ||
        std::wstring_view(className) != kWindowClass)
        return false;
    auto *self = reinterpret_cast<DesignedWindow *>(GetWindowLongPtrW(root, GWLP_USERDATA));
    return self && self->OnKey(self->IndexOf(GetFocus()), *key);
}

LRESULT CALLBACK DesignedWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<DesignedWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self && g_creating) {
        self = std::exchange(g_creating, nullptr);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
    }
    return self ? self->OnMessage(message, wParam, lParam)
                : DefDlgProcW(window, message, wParam, lParam);
}

LRESULT DesignedWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Only a control's own: the dialog manager's IDOK and IDCANCEL come
        // with none, and Enter and Esc are handled before it sees them.
        if (const int index = IndexOf(reinterpret_cast<HWND>(lParam)); index >= 0)
            OnCommand(index, HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        if (const int index = IndexOf(reinterpret_cast<HWND>(lParam)); index >= 0)
            OnVScroll(index, LOWORD(wParam));
        return 0;
    case kArrowMessage:
        if (const int index = IndexOf(reinterpret_cast<HWND>(lParam)); index >= 0)
            OnArrow(index, int(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kArrowMessage)
            OnArrowTimer();
        return 0;
    case WM_MOUSEWHEEL: {
        POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
        ScreenToClient(m_window, &at);
        const int index =
            IndexOf(ChildWindowFromPointEx(m_window, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT));
        if (index >= 0)
            OnWheel(index, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const int focused = IndexOf(GetFocus()); focused >= 0)
                OnFocus(focused);
            break;
        }
        OnActivate(); // the procedures give the focus back
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColor(HDC(wParam), HWND(lParam), System(COLOR_WINDOW));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnCtlColor(HDC(wParam), HWND(lParam), System(COLOR_BTNFACE));
    case WM_DRAWITEM: // a line, drawn as etched: its design's colour, its back colour beneath
        if (const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
            IndexOf(item.hwndItem) >= 0) {
            const ColourValue colour = m_foreColours[std::size_t(IndexOf(item.hwndItem))];
            RECT line = item.rcItem, beneath = item.rcItem;
            line.bottom = beneath.top = (line.top + line.bottom) / 2;
            FillRect(item.hDC, &line,
                     m_brushes.Get(colour == kDefaultColour ? System(COLOR_BTNSHADOW) : colour));
            FillRect(
                item.hDC, &beneath,
                m_brushes.Get(m_design.controls[std::size_t(IndexOf(item.hwndItem))].backColour));
            return TRUE;
        }
        break;
    case WM_SETCURSOR:
        if (!m_toolTips) {
            m_toolTips = true;
            AddToolTips(m_window, m_design, m_controls);
        }
        break;
    case WM_DPICHANGED: {
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        Layout(HIWORD(wParam));
        SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        OnClose();
        return 0;
    case kDestroyMessage:
        DestroyWindow(m_window);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DefDlgProcW(m_window, message, wParam, lParam);
        m_window = nullptr;
        OnDestroyed();
        return 0;
    }
    return DefDlgProcW(m_window, message, wParam, lParam);
}

} // namespace tavrel
