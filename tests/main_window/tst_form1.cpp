// Form1's procedures over a fake main window: the spinners' motion and
// rules, the wind states, what "Calculate" reads and writes, errors shown
// with the program going on, the buttons with the About box's life, and a
// held arrow. What every toolkit shows of them, the shared scenario table
// checks on each front-end.
#include "fake_window.h"

using namespace tavrel;
using namespace tavrel::testing;

TEST(Form1, SpinnersRulesWindStatesAndCalculate)
{
    // The box values as the spinners move; the look of the heading and
    // wind-direction rows (caption and unit colours, box colours, spinners
    // shown, inactive for assistive tools); "Calculate" with the known results (inputs A to G in
    // the row names); errors shown, the procedure abandoned, the program going on.
    const std::string noWind = "80000010 80000010 80000010 80000010 ffffff ffffff 0 0 11110 unused";
    const std::string wind = "80000012 80000012 80000012 80000012 c00000 c00000 1 1 00000 "
                             "The direction the wind comes from";
    const struct
    {
        const char *name;
        std::string actions;
        std::string texts; // Text1 2 3 4 7 8 9|Text6
        std::string look;
        std::string events;
    } rows[] = {
        // A broken clamp would give a 45 kt airspeed or a -1 kt wind.
        {"arrows past both ends", "VScroll4:end VScroll4:down VScroll8:home VScroll8:up",
         "30000 3000 1800 50 360 360 199|", wind, ""},
        {"every spinner at its Min",
         "VScroll5=0 VScroll2=0 VScroll3=100 VScroll4=0 VScroll6=0 VScroll8=0",
         "62000 26000 10000 850 360 360 199|", wind, ""},
        {"every spinner at its Max",
         "VScroll5=30000 VScroll2=26000 VScroll3=10000 VScroll4=800 VScroll6=359 VScroll7=359",
         "2000 0 100 50 1 1 0|", noWind, ""},
        {"heading 90 kept while greyed", "VScroll8=189 VScroll6=270 VScroll8=199",
         "30000 3000 1800 250 90 360 0|", noWind, ""},
        // Heading and wind direction swapped would give a plain tail wind: " 80".
        {"35000 3000 2000 250 90 270 50, TAS",
         "VScroll5=13500 VScroll3=8100 VScroll6=270 VScroll7=90 VScroll8=149 TAS Calculate",
         "35000 3000 2000 250 90 270 50| 79.9", wind, "heard Distance 79.9 nautical miles"},
        {"vertical speed 0", "Text6=note Text3:=0 Calculate", "30000 3000 0 250 360 360 0|note",
         noWind, "Division by zero"},
        {"VScroll5 beyond 16 bits: the 30000 - v overflows", "VScroll5:=-32768 Text1=x",
         "x 3000 1800 250 360 360 0|", noWind, "Overflow"},
        {"VScroll3 at -22668: the + 100 overflows", "VScroll3:=-22668 Text3=x",
         "30000 3000 x 250 360 360 0|", noWind, "Overflow"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        window.Do(row.actions);
        EXPECT_EQ(window.Texts("Text1 Text2 Text3 Text4 Text7 Text8 Text9") + "|" +
                      window.Texts("Text6"),
                  row.texts);
        std::ostringstream look;
        for (const char *name : {"Label16", "Label17", "Label10", "Label14", "Text7", "Text8"})
            look << std::hex << window[name].colour << ' ';
        look << window["VScroll6"].visible << ' ' << window["VScroll7"].visible << ' ';
        for (const char *name : {"Text7", "VScroll6", "Text8", "VScroll7", "Text9"})
            look << window[name].inactive;
        look << ' '
             << (window["Text8"].description == kUnusedWithoutWind
                     ? "unused"
                     : window["VScroll7"].description);
        EXPECT_EQ(look.str(), row.look);
        EXPECT_EQ(Join(window.events, " "), row.events);
    }
}

TEST(Form1, ButtonsAndTheAboutBox)
{
    const auto opened = [](const char *at) {
        return "load caption=About " + std::string(kApplicationTitle) + " at " + at + " show";
    };
    const std::string right = opened("516,100");
    const struct
    {
        const char *name;
        std::string actions, events;
        ScreenRect mainWindow = {100, 100, 508, 322};
        ScreenRect workArea = {0, 0, 1024, 768};
    } rows[] = {
        {"About: loaded, captioned, right of the main window, shown", "About", right},
        {"no room on the right: to the left", "About", opened("200,100"), {600, 100, 1008, 322}},
        {"room on neither side: below", "About", opened("300,330"), {300, 100, 708, 322}},
        // Below would cover less of it, but the bottom holds Exit and About.
        {"room nowhere: over its top, not its buttons",
         "About",
         opened("112,0"),
         {112, 150, 912, 610}},
        // A phone's browser, a panel at its left: the box's title bar stays on it.
        {"work area smaller than the box: at its top-left corner",
         "About",
         opened("40,20"),
         {40, 20, 448, 242},
         {40, 20, 300, 200}},
        // The program ends with its last window, however the windows go.
        {"main window closed, then the About box", "About Close CloseAbout",
         right + " hidden unload end"},
        // Destroyed behind the procedures' back: learnt once, nothing held.
        {"About box destroyed, twice: About loads afresh", "About Destroyed Destroyed About",
         right + " " + right},
        {"main window closed, then the About box destroyed", "About Close Destroyed",
         right + " hidden end"},
        {"destroyed after OK: nothing more", "About OK Destroyed Close",
         right + " unload hidden end"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        window.frame = row.mainWindow;
        window.workArea = row.workArea;
        window.Do(row.actions);
        EXPECT_EQ(Join(window.events, " "), row.events);
    }
}

TEST(Form1, PlacedOnTheWorkArea)
{
    // The main window (408 x 222 with its frame) at start, on a work area
    // that panels may leave anywhere; the title bar never above or left of it.
    const struct
    {
        const char *name;
        ScreenRect workArea;
        int left, top;
    } rows[] = {
        {"centred across, an eighth of the spare height down", {0, 0, 1024, 768}, 308, 68},
        {"a panel at the left and at the top", {48, 32, 1024, 768}, 332, 96},
        {"narrower than the window: at its left edge", {0, 0, 320, 600}, 0, 47},
        {"shorter than the window: at its top edge", {0, 0, 1024, 200}, 308, 0},
        {"smaller both ways, a panel at the top: at its corner", {0, 40, 300, 220}, 0, 40},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        window.frame = {0, 0, 408, 222};
        window.workArea = row.workArea;
        window.form.Show();
        EXPECT_EQ(window.frame.left, row.left);
        EXPECT_EQ(window.frame.top, row.top);
    }
}

TEST(Form1, HeldArrowsAndTheWheel)
{
    // A held arrow, as the front-end's timer sees it: press, ticks, the
    // pointer off and back, the release. Text1 and the timer after each step.
    const struct
    {
        const char *name;
        std::string steps, trail;
    } rows[] = {
        // The desktop's timing: half a second, then 20 a second.
        {"held: first repeat after the delay, then at the interval", "press tick tick release tick",
         "29900/500 29800/50 29700/50 29700/0 29700/0"},
        {"off the arrow pauses, back waits the delay again", "press off tick on on tick release",
         "29900/500 29900/0 29900/0 29900/500 29900/keep 29800/50 29800/0"},
        {"moving over the arrow keeps the timer", "press on tick", "29900/500 29900/keep 29800/50"},
        // A finger: nothing until it is a tap, a hold or a slide; 26 px a notch, up is up.
        {"a finger's tap: one click, at the release", "finger slide:-7 release",
         "30000/300 30000/keep 29900/0"},
        {"a finger held: the first click later, then as held", "finger tick tick release",
         "30000/300 29900/500 29800/50 29800/0"},
        {"a finger sliding off an arrow: no click of it, a notch a row", "finger slide:-30 release",
         "30000/300 29900/0 29900/0"},
        {"sliding up a box, notches adding up", "box slide:20 slide:20 slide:20",
         "30000/keep 30000/keep 30100/keep 30200/keep"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        std::istringstream steps(row.steps);
        std::vector<std::string> trail;
        for (std::string step; steps >> step;) {
            if (step == "finger" || step == "box")
                window.form.FingerDown(step == "box" ? Form1Control::Text1
                                                     : Form1Control::VScroll5);
            const int timer =
                step == "press" || step == "finger"
                    ? window.form.ArrowPressed(Form1Control::VScroll5, false, step == "finger")
                : step == "box"              ? HeldArrow::kKeep
                : step.starts_with("slide:") ? window.form.FingerMoved(std::stod(step.substr(6)))
                : step == "tick"             ? window.form.ArrowTimer()
                : step == "release"          ? window.form.ArrowReleased()
                                             : window.form.ArrowHover(step == "on");
            trail.push_back(window["Text1"].text + "/" +
                            (timer == HeldArrow::kKeep ? "keep" : std::to_string(timer)));
        }
        EXPECT_EQ(Join(trail, " "), row.trail);
        if (!row.steps.starts_with("box")) {
            EXPECT_EQ(window.focus, "VScroll5"); // pressed, it has the focus
        }
    }

    // A browser's wheel: 100 pixels, 3 lines or a page a notch, towards the user negative.
    EXPECT_EQ(WheelUnits(0, 100), -120);
    EXPECT_EQ(WheelUnits(1, -3), 120);
    EXPECT_EQ(WheelUnits(2, 0.5), -60);
}
