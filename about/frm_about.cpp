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
    {.name = "Line1", .kind = Line, .rect = {120, 1680, 5520, 0}, .foreColour = kGrey},
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
static_assert(std::size(kControls) == kAboutControlCount);

} // namespace

const WindowDesign kAboutDesign{"", 5880, 2775, {8.25, false}, kControls};

frmAbout::frmAbout(Loader load, LauncherPlatform &launcher)
    : m_load(std::move(load)), m_launcher(launcher)
{}

frmAbout::~frmAbout() { Unload(); }

void frmAbout::Show(const ScreenRect &mainWindow, const ScreenRect &mainButtons,
                    const ScreenRect &workArea)
{
    if (!m_window) {
        m_window = &m_load(*this);
        LoadStep();
        const ScreenRect frame = m_window->Frame();
        m_window->Move(
            PlaceBeside(mainWindow, mainButtons, frame.Width(), frame.Height(), workArea));
    }
    m_window->Show();
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
    if (AboutControls *window = std::exchange(m_window, nullptr))
        window->Unload();
}

void frmAbout::LoadStep() { m_window->SetCaption(std::string("About ") + kApplicationTitle); }

} // namespace tavrel
