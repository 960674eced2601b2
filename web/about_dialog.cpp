#include "web/about_dialog.h"

namespace tavrel {

AboutControls &AboutDialog::Load(frmAbout &procedures) { return *new AboutDialog(procedures); }

AboutDialog::AboutDialog(frmAbout &procedures)
    : DesignedWindow(kAboutDesign, "dialog"), m_procedures(procedures)
{
    // Its pixels as designed, and twice as many on a screen of twice the density.
    SetAttribute(int(AboutControl::picIcon), "srcset", "airliner.png 1x, airliner@2x.png 2x");
}

void AboutDialog::SetCaption(const std::string &caption) { DesignedWindow::SetCaption(caption); }

void AboutDialog::OnClick(int index)
{
    if (DesignOf(AboutControl(index)).kind == ControlKind::CommandButton)
        m_procedures.Click(AboutControl(index));
}

void AboutDialog::OnClose() { m_procedures.Unload(); }

} // namespace tavrel
