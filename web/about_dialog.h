// The About box in the page: the controls of kAboutDesign behind
// AboutControls; "OK" (also Enter and Esc), "System Info..." and the frame's
// close button go to frmAbout's procedures.
#pragma once

#include "about/frm_about.h"
#include "web/designed_window.h"

namespace tavrel {

class AboutDialog : public DesignedWindow, public AboutControls
{
public:
    // frmAbout's loader: a new dialog, which deletes itself once unloaded.
    static AboutControls &Load(frmAbout &procedures);

    void SetCaption(const std::string &caption) override;
    ScreenRect Frame() const override { return DesignedWindow::Frame(); }
    void Move(ScreenPoint topLeft) override { DesignedWindow::Move(topLeft); }
    void Show() override { DesignedWindow::Show(); }
    void Unload() override { CloseLater(); }

private:
    explicit AboutDialog(frmAbout &procedures);

    void OnClick(int index) override;
    void OnClose() override;

    frmAbout &m_procedures;
};

} // namespace tavrel
