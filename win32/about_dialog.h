// The About box on the Windows desktop: the controls of kAboutDesign behind
// AboutControls; "OK" (also Enter and Esc), "System Info..." and the frame's
// close button go to frmAbout's procedures.
#pragma once

#include "about/frm_about.h"
#include "win32/designed_window.h"

namespace tavrel {

class AboutDialog : public DesignedWindow, public AboutControls
{
public:
    // frmAbout's loader: a new dialog, which deletes itself once unloaded.
    static AboutControls &Load(frmAbout &procedures);

    void SetCaption(const std::string &caption) override;
    ScreenRect Frame() const override { return DesignedWindow::Frame(); }
    void Move(ScreenPoint topLeft) override;
    void Show() override;
    void Unload() override;
    void SetFocus(AboutControl control) override { Focus(int(control)); }

private:
    explicit AboutDialog(frmAbout &procedures);
    ~AboutDialog() override;

    void OnCommand(int index, int code) override;
    void OnClose() override;
    void OnLayout(UINT dpi) override;
    void OnDestroyed() override;
    bool OnKey(int index, const KeyPress &key) override
    {
        return index >= 0 && m_procedures.Key(AboutControl(index), key);
    }
    void OnFocus(int index) override { m_procedures.FocusIn(AboutControl(index)); }
    void OnActivate() override { m_procedures.Activate(); }

    frmAbout &m_procedures;
    bool m_unloaded = false; // by the procedures
    HBITMAP m_picture = nullptr;
};

} // namespace tavrel
