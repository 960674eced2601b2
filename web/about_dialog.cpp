#include "web/about_dialog.h"

namespace tavrel {

AboutControls &AboutDialog::Load(frmAbout &procedures) { return *new AboutDialog(procedures); }

AboutDialog::AboutDialog(frmAbout &procedures)
    : DesignedWindow(kAboutDesign, "dialog"), m_procedures(procedures)
{
    // Drawn from its outline, sharp at any zoom.
    SetAttribute(int(AboutControl::picIcon), "src", "airliner.svg");
}

void AboutDialog::SetCaption(const std::string &caption) { DesignedWindow::SetCaption(caption); }

void AboutDialog::OnClick(int index)
{
    if (DesignOf(AboutControl(index)).kind == ControlKind::CommandButton)
        m_procedures.Click(AboutControl(index));
}

void AboutDialog::OnClose() { m_procedures.Unload(); }

} // namespace tavrel
