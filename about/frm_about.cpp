#include "about/frm_about.h"

#include "about/launcher.h"
#include "common/application.h"

#include <utility>

namespace tavrel {

namespace {

using enum ControlKind;

constexpr ControlDesign kControls[] = {
    {.name = "picIcon",
     .kind = PictureBox,
     .rect = {120, 120, 1680, 1545},
     .tabIndex = 1,
     .accessibleName = "Tavrel"},
    {.name = "cmdOK",
     .kind = CommandButton,
     .rect = {4245, 1785, 1260, 345},
     .tabIndex = 0,
     .caption = "OK",
     .isDefault = true},
    {.name = "cmdSysInfo",
     .kind = CommandButton,
     .rect = {4260, 2235, 1245, 345},
     .tabIndex = 2,
     .caption = "&System Info..."},
    {.name = "Label1",
     .kind = Label,
     .rect = {1800, 1320, 3735, 255},
     .caption = "   FOR FLIGHT SIMULATOR USE ONLY",
     .font = {8.25, true},
     .foreColour = kRed},
    // Etched: the grey line, with a white one beneath it.
    {.name = "Line1",
     .kind = Line,
     .rect = {120, 1680, 5520, 0},
     .foreColour = kGrey,
     .backColour = kWhite},
    {.name = "lblDescription",
     .kind = Label,
     .rect = {1890, 405, 3765, 810},
     .caption = "Tavrel allows you to calculate with a 1% accuracy your distance of descent, "
                "taking account of your plane heading, the wind speed and direction and the "
                "IAS/TAS variation.                                     ",
     .foreColour = kBlack,
     .wordWrap = true},
    {.name = "lblTitle",
     .kind = Label,
     .rect = {1890, 120, 2925, 480},
     .caption = kApplicationTitle,
     .foreColour = kBlack},
    // The run of blanks fills the first line, so that the address starts the second.
    {.name = "lblDisclaimer",
     .kind = Label,
     .rect = {255, 1905, 3870, 705},
     .caption = "Freeware - 2026 - The Tavrel developers"
                "              "
                "Send your comments through the project's issue tracker.",
     .foreColour = kBlack,
     .wordWrap = true},
};
static_assert(NamedInOrder(kControls, kAboutControlNames));

} // namespace

const WindowDesign kAboutDesign{"", 5880, 2775, {8.25, false}, kControls};

frmAbout::frmAbout(Loader load, LauncherPlatform &launcher)
    : m_load(std::move(load)), m_launcher(launcher)
{}

frmAbout::~frmAbout()
{
    m_unloaded = nullptr; // the program is ending: nothing is left to tell
    Unload();
}

void frmAbout::Show(const ScreenRect &mainWindow, const ScreenRect &mainButtons,
                    const ScreenRect &workArea)
{
    if (!m_window) {
        m_window = &m_load(*this);
        LoadStep();
        const ScreenRect frame = m_window->Frame();
        m_window->Move(
            PlaceBeside(mainWindow, mainButtons, frame.Width(), frame.Height(), workArea));
        m_lastFocus.reset();
    }
    m_window->Show();
    Activate();
}

bool frmAbout::Key(AboutControl focused, const KeyPress &key)
{
    if (!m_window)
        return false;
    const auto press = [this](int index) {
        if (index >= 0)
            Click(AboutControl(index));
        return true;
    };
    switch (key.key) {
    case Key::Tab: {
        if (key.ctrl || key.alt)
            return false;
        const int next =
            NextTabStop(TabStops(kAboutDesign, [](int) { return true; }), int(focused), key.shift);
        if (next >= 0)
            m_window->SetFocus(AboutControl(next));
        return true;
    }
    case Key::Enter:
        return press(DesignOf(focused).kind == ControlKind::CommandButton
                         ? int(focused)
                         : DefaultButton(kAboutDesign));
    case Key::Escape:
        return press(DefaultButton(kAboutDesign));
    case Key::Letter:
        if (const int button = AccessKeyControl(kAboutDesign, key.letter);
            key.alt && !key.ctrl && button >= 0)
            return press(button);
        return false;
    case Key::Up:
    case Key::Down:
    case Key::Left:
    case Key::Right:
        return true; // the focus stays: no arrow moves it in this dialog
    default:
        return false;
    }
}

void frmAbout::Activate()
{
    if (m_window)
        m_window->SetFocus(m_lastFocus.value_or(
            AboutControl(TabStops(kAboutDesign, [](int) { return true; }).front())));
}

void frmAbout::Click(AboutControl control)
{
    if (control == AboutControl::cmdOK)
        Unload();
    else if (control == AboutControl::cmdSysInfo)
        StartSysInfo(m_launcher);
}

void frmAbout::Unload()
{
    if (AboutControls *window = std::exchange(m_window, nullptr)) {
        window->Unload();
        if (m_unloaded)
            m_unloaded();
    }
}

void frmAbout::Closed(const AboutControls &window)
{
    if (m_window == &window) {
        m_window = nullptr;
        if (m_unloaded)
            m_unloaded();
    }
}

void frmAbout::LoadStep() { m_window->SetCaption(std::string("About ") + kApplicationTitle); }

} // namespace tavrel
