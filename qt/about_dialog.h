// The About box on the Qt desktop: the controls of kAboutDesign behind
// AboutControls; its buttons, Esc and the frame's close button go to
// frmAbout's procedures.
#pragma once

#include "about/frm_about.h"

#include <QDialog>

#include <array>

namespace tavrel {

class AboutDialog : public QDialog, public AboutControls
{
    Q_OBJECT

public:
    // frmAbout's loader: a new dialog, deleted when it is unloaded.
    static AboutControls &Load(frmAbout &procedures);

    void SetCaption(const std::string &caption) override;
    ScreenRect Frame() const override;
    void Move(ScreenPoint topLeft) override;
    void Show() override;
    void Unload() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Esc and the frame's close button.
    void reject() override;

private:
    explicit AboutDialog(frmAbout &procedures);

    frmAbout &m_procedures;
    std::array<QWidget *, kAboutControlCount> m_controls{};
};

} // namespace tavrel
