#include "win32/designed_window.h"

#include "common/twips.h"
#include "resources/windows/resource.h"
#include "win32/text.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>

namespace tavrel {

namespace {

constexpr wchar_t kWindowClass[] = L"TavrelWindow";
constexpr wchar_t kPictureClass[] = L"TavrelPicture";
constexpr int kFirstControlId = 100; // clear of IDOK and IDCANCEL
constexpr UINT kDestroyMessage = WM_APP;
constexpr int kLineThickness = 2; // an etched line: grey, white beneath

DesignedWindow *g_creating = nullptr; // the window whose dialog is being created
int g_openWindows = 0;

// Windows' annotations for screen readers; none where it is missing.
IAccPropServices *Accessibility()
{
    static IAccPropServices *const services = [] {
        IAccPropServices *created = nullptr;
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void **>(&created));
        return created;
    }();
    return services;
}

ColourValue System(int index) { return kSystemColourFlag | ColourValue(index); }

COLORREF ToColorRef(ColourValue colour)
{
    // A plain colour is written 0x00BBGGRR, as a COLORREF.
    return IsSystemColour(colour) ? GetSysColor(int(SystemColourIndex(colour))) : colour;
}

// A picture box: a bitmap stretched over it, and a focus frame while it has the focus.
LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        if (const auto picture =
                reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            BITMAP size;
            GetObjectW(picture, sizeof size, &size);
            const HDC source = CreateCompatibleDC(dc);
            const HGDIOBJ previous = SelectObject(source, picture);
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, size.bmWidth, size.bmHeight,
                       SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
        }
        if (GetFocus() == window &&
            !(SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
            InflateRect(&area, -1, -1);
            DrawFocusRect(dc, &area);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A spinner hands the wheel to its window: a notch is a click on an arrow,
// not the scroll bar's own scrolling.
LRESULT CALLBACK SpinnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR)
{
    if (message == WM_MOUSEWHEEL)
        return SendMessageW(GetParent(window), message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

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

    WNDCLASSEXW picture{};

    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = PictureProc;
    picture.hInstance = instance;
    picture.hCursor = window.hCursor;
    picture.lpszClassName = kPictureClass;
    RegisterClassExW(&picture);
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
    ++g_openWindows;
    SetWindowTextW(m_window, Utf16(design.caption).c_str());
    CreateControls();
}

void DesignedWindow::Place()
{
    Layout(GetDpiForWindow(m_window));
    // Centred on the screen's work area.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame;
    GetWindowRect(m_window, &frame);
    const RECT &work = monitor.rcWork;
    SetWindowPos(m_window, nullptr,
                 work.left + (work.right - work.left - (frame.right - frame.left)) / 2,
                 work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DesignedWindow::~DesignedWindow()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
        --g_openWindows;
    }
    for (const auto &[design, font] : m_fonts)
        DeleteObject(font);
    for (const auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
}

void DesignedWindow::CreateControls()
{
    // Created in the focus order, the order in which the dialog manager tabs;
    // the controls that take no focus last, so that they lie beneath the others.
    std::vector<std::size_t> order(m_design.controls.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        const int ta = m_design.controls[a].tabIndex, tb = m_design.controls[b].tabIndex;
        return (ta < 0 ? INT_MAX : ta) < (tb < 0 ? INT_MAX : tb);
    });

    m_controls.resize(order.size());
    ControlKind previous = ControlKind::Line;
    for (const std::size_t i : order) {
        const ControlDesign &design = m_design.controls[i];
        const wchar_t *windowClass = L"STATIC";
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (design.visible ? WS_VISIBLE : 0);
        DWORD exStyle = 0;
        // An option group is a run of option buttons; only the selected one is a tab stop.
        if (design.kind != ControlKind::OptionButton || previous != ControlKind::OptionButton)
            style |= WS_GROUP;
        if (design.tabIndex >= 0 && (design.kind != ControlKind::OptionButton || design.selected))
            style |= WS_TABSTOP;
        switch (design.kind) {
        case ControlKind::Label: // with SS_NOTIFY it has the mouse, for its tooltip
            style |= SS_NOPREFIX | SS_NOTIFY | (design.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
            break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Spinner:
            windowClass = L"SCROLLBAR";
            style |= SBS_VERT;
            break;
        case ControlKind::OptionButton:
            windowClass = L"BUTTON";
            style |= BS_AUTORADIOBUTTON;
            break;
        case ControlKind::CommandButton:
            windowClass = L"BUTTON";
            style |= design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        case ControlKind::PictureBox:
            windowClass = kPictureClass;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Line:
            style |= SS_ETCHEDHORZ;
            break;
        }
        const int id = design.isDefault ? IDOK : kFirstControlId + int(i);
        const HWND control = CreateWindowExW(
            exStyle, windowClass, Utf16(design.caption).c_str(), style, 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
        m_controls[i] = control;
        m_foreColours[i] = design.foreColour;
        previous = design.kind;
        if (design.kind == ControlKind::TextBox) {
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // a paste is never cut short
        } else if (design.kind == ControlKind::Spinner) {
            SetScrollRange(control, SB_CTL, design.spinner.min, design.spinner.max, FALSE);
            SetScrollPos(control, SB_CTL, design.spinner.value, FALSE);
            SetWindowSubclass(control, SpinnerProc, 0, 0);
        } else if (design.kind == ControlKind::OptionButton && design.selected) {
            SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        } else if (design.isDefault) {
            SendMessageW(m_window, DM_SETDEFID, IDOK, 0);
        }
        if (*design.toolTip) {
            if (!m_toolTips)
                m_toolTips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                             0, 0, 0, 0, m_window, nullptr, nullptr, nullptr);
            std::wstring tip = Utf16(design.toolTip);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = m_window;
            tool.uId = UINT_PTR(control);
            tool.lpszText = tip.data();
            SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, LPARAM(&tool));
        }
    }
}

void DesignedWindow::Layout(UINT dpi)
{
    std::vector<std::pair<FontDesign, HFONT>> previousFonts = std::exchange(m_fonts, {});
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlDesign &design = m_design.controls[i];
        const HFONT font = Font(design.font.points > 0 ? design.font : m_design.font, dpi);
        SendMessageW(m_controls[i], WM_SETFONT, WPARAM(font), FALSE);
        // Edges are converted, not sizes, so that neighbours meet without gaps.
        const int left = TwipsToPixels(design.rect.left, dpi);
        const int top = TwipsToPixels(design.rect.top, dpi);
        int right = TwipsToPixels(design.rect.left + design.rect.width, dpi);
        int bottom = TwipsToPixels(design.rect.top + design.rect.height, dpi);
        if (design.kind == ControlKind::Line)
            bottom = top + kLineThickness;
        if (design.kind == ControlKind::Label && !design.wordWrap) {
            // A caption is never cut: one that this font draws wider grows to the right.
            const HDC dc = GetDC(m_controls[i]);
            const HGDIOBJ previous = SelectObject(dc, font);
            const std::wstring caption = WindowText(m_controls[i]);
            SIZE extent{};
            GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
            SelectObject(dc, previous);
            ReleaseDC(m_controls[i], dc);
            right = std::max(right, left + int(extent.cx));
        }
        SetWindowPos(m_controls[i], nullptr, left, top, right - left, bottom - top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{0, 0, TwipsToPixels(m_design.widthTwips, dpi),
               TwipsToPixels(m_design.heightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, DWORD(GetWindowLongPtrW(m_window, GWL_STYLE)), FALSE,
                             DWORD(GetWindowLongPtrW(m_window, GWL_EXSTYLE)), dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnLayout(dpi);
    for (const auto &[design, font] : previousFonts)
        DeleteObject(font);
    InvalidateRect(m_window, nullptr, TRUE);
}

HFONT DesignedWindow::Font(const FontDesign &font, UINT dpi)
{
    for (const auto &[design, handle] : m_fonts)
        if (design.points == font.points && design.bold == font.bold)
            return handle;
    // No size: the desktop's own font for windows; else the classic face,
    // whose TrueType version keeps its metrics and stays sharp at any DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW face = metrics.lfMessageFont;
    if (font.points > 0) {
        face = LOGFONTW{};
        face.lfHeight = -LONG(std::lround(font.points * dpi / 72.0));
        face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        face.lfCharSet = DEFAULT_CHARSET;
        face.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        wcscpy_s(face.lfFaceName, L"Microsoft Sans Serif");
    }
    return m_fonts.emplace_back(font, CreateFontIndirectW(&face)).second;
}

HBRUSH DesignedWindow::Brush(ColourValue colour)
{
    if (IsSystemColour(colour))
        return GetSysColorBrush(int(SystemColourIndex(colour)));
    HBRUSH &brush = m_brushes[colour];
    if (!brush)
        brush = CreateSolidBrush(ToColorRef(colour));
    return brush;
}

int DesignedWindow::IndexOf(HWND control) const
{
    const auto it = std::find(m_controls.begin(), m_controls.end(), control);
    return it == m_controls.end() ? -1 : int(it - m_controls.begin());
}

void DesignedWindow::SetForeColour(int index, ColourValue colour)
{
    m_foreColours[std::size_t(index)] = colour;
    InvalidateRect(Control(index), nullptr, TRUE);
}

void DesignedWindow::SetPicture(int index, HBITMAP picture)
{
    SetWindowLongPtrW(Control(index), GWLP_USERDATA, LONG_PTR(picture));
    InvalidateRect(Control(index), nullptr, FALSE);
}

void DesignedWindow::DestroyLater() { PostMessageW(m_window, kDestroyMessage, 0, 0); }

void DesignedWindow::Describe(int index, const std::wstring &name, const std::wstring &description,
                              long role)
{
    IAccPropServices *services = Accessibility();
    if (!services)
        return;
    services->SetHwndPropStr(Control(index), DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                             name.c_str());
    services->SetHwndPropStr(Control(index), DWORD(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_DESCRIPTION, description.c_str());
    if (role) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = role;
        services->SetHwndProp(Control(index), DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE,
                              value);
    }
}

void DesignedWindow::DescribeValue(int index, const std::wstring &value)
{
    if (IAccPropServices *services = Accessibility())
        services->SetHwndPropStr(Control(index), DWORD(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_VALUE, value.c_str());
}

LRESULT DesignedWindow::OnCtlColor(HDC dc, HWND control, ColourValue background)
{
    const int index = IndexOf(control);
    if (index < 0)
        return 0;
    const ColourValue fore = m_foreColours[std::size_t(index)];
    const ColourValue back = m_design.controls[std::size_t(index)].backColour;
    if (back != kDefaultColour)
        background = back;
    if (fore != kDefaultColour)
        SetTextColor(dc, ToColorRef(fore));
    SetBkColor(dc, ToColorRef(background));
    return LRESULT(Brush(background));
}

void DesignedWindow::OnMouseWheel(int delta, POINT screen)
{
    ScreenToClient(m_window, &screen);
    const int index =
        IndexOf(ChildWindowFromPointEx(m_window, screen, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT));
    if (index < 0 || m_design.controls[std::size_t(index)].kind != ControlKind::Spinner)
        return;
    for (m_wheelDelta += delta; m_wheelDelta >= WHEEL_DELTA; m_wheelDelta -= WHEEL_DELTA)
        OnVScroll(index, SB_LINEUP);
    for (; m_wheelDelta <= -WHEEL_DELTA; m_wheelDelta += WHEEL_DELTA)
        OnVScroll(index, SB_LINEDOWN);
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
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        int index = IndexOf(reinterpret_cast<HWND>(lParam));
        if (id == IDOK || id == IDCANCEL) // Enter and Esc
            for (std::size_t i = 0; i < m_controls.size(); ++i)
                if (m_design.controls[i].isDefault)
                    index = int(i);
        if (index >= 0)
            OnCommand(index, HIWORD(wParam));
        return 0;
    }
    case WM_VSCROLL:
        if (const int index = IndexOf(reinterpret_cast<HWND>(lParam)); index >= 0)
            OnVScroll(index, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam),
                     {short(LOWORD(lParam)), short(HIWORD(lParam))});
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColor(HDC(wParam), HWND(lParam), System(COLOR_WINDOW));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnCtlColor(HDC(wParam), HWND(lParam), System(COLOR_BTNFACE));
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
        if (--g_openWindows == 0)
            PostQuitMessage(0);
        OnDestroyed();
        return 0;
    }
    return DefDlgProcW(m_window, message, wParam, lParam);
}

} // namespace tavrel
