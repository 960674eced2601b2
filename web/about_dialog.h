// The About box in the page: the controls of kAboutDesign behind
// AboutControls; its buttons, keys, focus and the frame's close button go to
// frmAbout's procedures.
#pragma once

#include "about/frm_about.h"
#include "web/designed_window.h"

namespace tavrel {

class AboutDialog : public DesignedWindow, public AboutControls
{
public:
    // frmAbout's loader: a new dialog, which deletes itself once unloaded.
    static AboutControls &Load(frmAbout &procedures);
    ~AboutDialog() override
    {
        if (!m_unloaded)
            m_procedures.Closed(*this); // closed behind their back: they let it go
    }

    void SetCaption(const std::string &caption) override;
    ScreenRect Frame() const override { return DesignedWindow::Frame(); }
    void Move(ScreenPoint topLeft) override { DesignedWindow::Move(topLeft); }
    void Show() override { DesignedWindow::Show(); }
    void Unload() override
    {
        m_unloaded = true; // the procedures know, and may be gone by the time it is
        CloseLater();
    }
    void SetFocus(AboutControl control) override { Focus(int(control)); }

private:
    explicit AboutDialog(frmAbout &procedures);

    void OnClick(int index) override;
    void OnClose() override;
    bool OnKey(int index, const KeyPress &key) override
    {
        return m_procedures.Key(AboutControl(index), key);
    }
    void OnFocus(int index) override { m_procedures.FocusIn(AboutControl(index)); }
    void OnActivate() override { m_procedures.Activate(); }

    frmAbout &m_procedures;
    bool m_unloaded = false; // by the procedures
};

} // namespace tavrel
