#include "win32/about_window.h"

#include "resources/windows/resource.h"
#include "win32/text.h"

namespace tavrel {

AboutControls &AboutWindow::Load(frmAbout &procedures) { return *new AboutWindow(procedures); }

AboutWindow::AboutWindow(frmAbout &procedures)
    : DesignedWindow(kAboutDesign, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                     WS_EX_DLGMODALFRAME),
      m_procedures(procedures)
{
    Place();
}

AboutWindow::~AboutWindow() { DeleteObject(m_picture); }

void AboutWindow::SetCaption(const std::string &caption)
{
    SetWindowTextW(Handle(), Utf16(caption).c_str());
}

void AboutWindow::Show()
{
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void AboutWindow::Unload()
{
    ShowWindow(Handle(), SW_HIDE);
    DestroyLater();
}

void AboutWindow::OnCommand(int index, int code)
{
    if (code == BN_CLICKED && DesignOf(AboutControl(index)).kind == ControlKind::CommandButton)
        m_procedures.Click(AboutControl(index));
}

void AboutWindow::OnClose() { m_procedures.Unload(); }

void AboutWindow::OnLayout(UINT dpi)
{
    // The double-size picture from 1.5 times the standard DPI on.
    const int id = dpi * 2 >= USER_DEFAULT_SCREEN_DPI * 3 ? IDB_AIRLINER_2X : IDB_AIRLINER;
    const HBITMAP previous = m_picture;
    m_picture = HBITMAP(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                   0, LR_CREATEDIBSECTION));
    SetPicture(int(AboutControl::picIcon), m_picture);
    DeleteObject(previous);
}

void AboutWindow::OnDestroyed() { delete this; }

} // namespace tavrel
