// frmAbout: the About box's procedures. What the program is and what it is
// for, and the "System Info..." button that starts the desktop's
// system-information tool.
//
// The dialog is modeless and has no owner, so that the main window stays
// usable and the program keeps running while either window is open. One
// frmAbout serves the whole program and holds at most one dialog: "About"
// creates it and runs its load step when there is none, and otherwise only
// brings it to the front. "OK", Esc and the frame's close button unload it.
// It first appears beside the main window, not over it.
#pragma once

#include "common/design.h"
#include "common/placement.h"
#include "main_window/interaction.h"

#include <functional>
#include <iterator>
#include <optional>
#include <string>

namespace tavrel {

class LauncherPlatform;

// In the order the dialog creates them, which is the order of kAboutDesign;
// the design is checked against these names when it is compiled.
// clang-format off
#define TAVREL_ABOUT_CONTROLS(X) \
    X(picIcon) X(cmdOK) X(cmdSysInfo) X(Label1) X(Line1) X(lblDescription) X(lblTitle) \
    X(lblDisclaimer)
// clang-format on

TAVREL_DECLARE_CONTROLS(AboutControl, kAboutControlNames, TAVREL_ABOUT_CONTROLS)
inline constexpr int kAboutControlCount = int(std::size(kAboutControlNames));

// The dialog and its controls. Line1 is the etched separator that the two
// lines of the Line1 array draw together: grey, with white beneath it.
extern const WindowDesign kAboutDesign;

// Whether the About box's picture on a screen of `dpi` is the double-size
// one: from 1.5 times the standard 96 DPI on, where the small one, stretched,
// would blur.
constexpr bool DoubleSizePicture(int dpi) { return dpi * 2 >= 96 * 3; }

inline const ControlDesign &DesignOf(AboutControl control)
{
    return kAboutDesign.controls[static_cast<std::size_t>(control)];
}

// A dialog window built from kAboutDesign by a front-end.
class AboutControls
{
public:
    virtual void SetCaption(const std::string &caption) = 0;
    // The dialog with its frame, in pixels, and moving it there.
    virtual ScreenRect Frame() const = 0;
    virtual void Move(ScreenPoint topLeft) = 0;
    virtual void SetFocus(AboutControl control) = 0;
    // Displays the dialog without modality and without an owner, activates it
    // and brings it to the front.
    virtual void Show() = 0;
    // Destroys the dialog and its controls, this object with them, once the
    // event being handled is done.
    virtual void Unload() = 0;

protected:
    ~AboutControls() = default;
};

class frmAbout
{
public:
    // Creates the dialog and its controls, not yet shown.
    using Loader = std::function<AboutControls &(frmAbout &procedures)>;

    frmAbout(Loader load, LauncherPlatform &launcher);
    // Unloads the dialog still open when the program ends.
    ~frmAbout();
    frmAbout(const frmAbout &) = delete;
    frmAbout &operator=(const frmAbout &) = delete;

    // Click of "About" in the main window, whose frame, the part of it that
    // holds its buttons, and its work area are given: a new dialog first
    // appears beside it, and never over its buttons where it can be helped.
    void Show(const ScreenRect &mainWindow, const ScreenRect &mainButtons,
              const ScreenRect &workArea);
    // A command button of the dialog was pressed.
    void Click(AboutControl control);
    // "OK", or the frame's close button, or the desktop closing the dialog.
    void Unload();
    // The dialog is being destroyed, whoever destroys it: a dialog still
    // loaded is forgotten as if unloaded, so that none is left dangling.
    void Closed(const AboutControls &window);
    bool Loaded() const { return m_window != nullptr; }
    // Run each time the dialog has been unloaded.
    void WhenUnloaded(std::function<void()> unloaded) { m_unloaded = std::move(unloaded); }

    // A key pressed while `focused` has the focus; true when the dialog took
    // it. Enter presses the focused button, or else OK; Esc presses OK;
    // Alt with an access key presses its button; Tab goes round; the arrows
    // are taken and move nothing.
    bool Key(AboutControl focused, const KeyPress &key);
    // A control took the focus; the dialog gives it back when activated again.
    void FocusIn(AboutControl control) { m_lastFocus = control; }
    void Activate();

private:
    void LoadStep();

    Loader m_load;
    LauncherPlatform &m_launcher;
    AboutControls *m_window = nullptr;
    std::function<void()> m_unloaded;
    std::optional<AboutControl> m_lastFocus;
};

} // namespace tavrel
