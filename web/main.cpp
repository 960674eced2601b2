// Tavrel in a browser: the page's script loads this module, whose main opens
// the main window. The program lives on after main returns, in the page's
// event handlers, until "Exit" or the page is closed; nothing is read or saved.
#include "web/about_dialog.h"
#include "web/desktop_platform.h"
#include "web/form1_window.h"

int main()
{
    static tavrel::DesktopPlatform launcher;
    static tavrel::frmAbout about(tavrel::AboutDialog::Load, launcher);
    static tavrel::Form1Window window(about);
    window.Start();
    return 0;
}
