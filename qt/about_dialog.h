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
    ~AboutDialog() override;

    void SetCaption(const std::string &caption) override;
    ScreenRect Frame() const override;
    void Move(ScreenPoint topLeft) override;
    void Show() override;
    void Unload() override;
    void SetFocus(AboutControl control) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Keys and focus of the controls, to the procedures.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The frame's close button (Esc is the procedures' key).
    void reject() override;

private:
    explicit AboutDialog(frmAbout &procedures);

    frmAbout &m_procedures;
    bool m_unloaded = false; // by the procedures
    std::array<QWidget *, kAboutControlCount> m_controls{};
};

} // namespace tavrel
