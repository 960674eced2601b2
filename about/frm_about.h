// frmAbout: the About box. What the program is and what it is for, and the
// "System Info..." button that starts the desktop's system-information tool.
//
// Modeless and without an owner, so that the main window stays usable and the
// program keeps running while either window is open. At most one exists:
// ShowAbout() creates it when needed and otherwise brings it to the front;
// "OK", Esc, Enter and the frame's close button destroy it.
#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace tavrel {

class LauncherPlatform;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Click of "About" in the main window.
    static frmAbout *ShowAbout();
    // The dialog while it exists, else nullptr.
    static frmAbout *Instance();

    ~frmAbout() override;

    // The platform "System Info..." runs the launcher on (the desktop's by default).
    void SetLauncherPlatform(std::unique_ptr<LauncherPlatform> platform);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    frmAbout();
    void CreateControls();
    void PlaceControls(qreal logicalDpi);
    void LoadStep();

    QLabel *picIcon, *Label1, *lblDescription, *lblTitle, *lblDisclaimer;
    QPushButton *cmdOK, *cmdSysInfo;
    std::unique_ptr<LauncherPlatform> m_platform;
};

} // namespace tavrel
