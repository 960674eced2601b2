#include "win32/about_dialog.h"

#include "resources/windows/resource.h"
#include "win32/picture_box.h"
#include "win32/text.h"

namespace tavrel {

AboutControls &AboutDialog::Load(frmAbout &procedures) { return *new AboutDialog(procedures); }

AboutDialog::AboutDialog(frmAbout &procedures)
    : DesignedWindow(kAboutDesign, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                     WS_EX_DLGMODALFRAME),
      m_procedures(procedures)
{
    OnLayout(GetDpiForWindow(Handle())); // the picture for this DPI
}

AboutDialog::~AboutDialog() { DeleteObject(m_picture); }

void AboutDialog::SetCaption(const std::string &caption)
{
    SetWindowTextW(Handle(), Utf16(caption).c_str());
}

void AboutDialog::Move(ScreenPoint topLeft) { MoveTo(topLeft); }

void AboutDialog::Show()
{
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void AboutDialog::Unload()
{
    m_unloaded = true; // the procedures know, and may be gone by the time it is
    ShowWindow(Handle(), SW_HIDE);
    DestroyLater();
}

void AboutDialog::OnCommand(int index, int code)
{
    if (code == BN_CLICKED && DesignOf(AboutControl(index)).kind == ControlKind::CommandButton)
        m_procedures.Click(AboutControl(index));
}

void AboutDialog::OnClose() { m_procedures.Unload(); }

void AboutDialog::OnLayout(UINT dpi)
{
    const int id = DoubleSizePicture(int(dpi)) ? IDB_AIRLINER_2X : IDB_AIRLINER;
    const HBITMAP previous = m_picture;
    m_picture = HBITMAP(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                   0, LR_CREATEDIBSECTION));
    SetPicture(Control(int(AboutControl::picIcon)), m_picture);
    DeleteObject(previous);
}

void AboutDialog::OnDestroyed()
{
    if (!m_unloaded)
        m_procedures.Closed(*this); // closed behind their back: they let it go
    delete this;
}

} // namespace tavrel
