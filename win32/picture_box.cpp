#include "win32/picture_box.h"

namespace tavrel {

namespace {

void Paint(HWND window)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    if (const auto picture = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
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
    if (GetFocus() == window && !(SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        InflateRect(&area, -1, -1);
        DrawFocusRect(dc, &area);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
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

} // namespace

void RegisterPictureBoxClass(HINSTANCE instance)
{
    WNDCLASSEXW picture{};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = PictureBoxProc;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    picture.lpszClassName = kPictureBoxClass;
    RegisterClassExW(&picture);
}

void SetPicture(HWND pictureBox, HBITMAP picture)
{
    SetWindowLongPtrW(pictureBox, GWLP_USERDATA, LONG_PTR(picture));
    InvalidateRect(pictureBox, nullptr, FALSE);
}

} // namespace tavrel
