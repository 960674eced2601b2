// Form1's procedures over a fake main window: the write-back chains whatever
// the toolkit reports of a write, the spinners' motion and rules, the wind
// states, what "Calculate" reads and writes, errors shown with the program
// going on, and the buttons with the About box's life.
#include "fake_window.h"

using namespace tavrel;
using namespace tavrel::testing;

TEST(Form1, ChainsEndAfterOneNestedChange)
{
    const struct
    {
        const char *name;
        std::string actions; // none: the load step
        std::string log;
    } rows[] = {
        {"load step: each box written once, in order", "",
         "VScroll5? Text1=30000 VScroll5? VScroll2? Text2=3000 VScroll2? VScroll3? Text3=1800 "
         "VScroll3? VScroll4? Text4=250 VScroll4? VScroll7? Text8=360 VScroll7? VScroll8? "
         "Text9=0 VScroll8? VScroll6? Text7=360 VScroll6? VScroll8?"},
        {"arrow click", "VScroll2:down", "VScroll2? VScroll2? Text2=2900 VScroll2?"},
        {"wind speed, then the wind state", "VScroll8:up",
         "VScroll8? VScroll8? Text9=1 VScroll8? VScroll8?"},
        // Past an end: the spinner is read, and nothing runs.
        {"upper arrow at Min", "VScroll5:=0 VScroll5:up", "VScroll5?"},
        {"lower arrow at Max", "VScroll8:down", "VScroll8?"},
        {"typed key undone", "Text2=30007", "VScroll2? Text2=3000 VScroll2?"},
        {"same text pasted over itself", "Text3=1800", "VScroll3?"},
        {"Text6 has no procedure", "Text6=note", ""},
    };
    for (const auto &row : rows)
        for (const auto reports : {Reports::Nothing, Reports::Differences, Reports::EveryWrite}) {
            SCOPED_TRACE(row.name + (" reporting " + std::to_string(int(reports))));
            FakeWindow window(reports, !row.actions.empty());
            if (row.actions.empty())
                window.form.Load();
            window.Do(row.actions);
            EXPECT_EQ(Join(window.log, " "), row.log);
        }
}

TEST(Form1, SpinnersRulesWindStatesAndCalculate)
{
    // The box values as the spinners move; the look of the heading and
    // wind-direction rows (caption and unit colours, box colours, spinners
    // shown); "Calculate" with the known results (inputs A to G in the row
    // names); errors shown, the procedure abandoned, the program going on.
    const std::string noWind = "80000010 80000010 80000010 80000010 ffffff ffffff 0 0 unused";
    const std::string wind = "80000012 80000012 80000012 80000012 c00000 c00000 1 1 "
                             "The direction the wind comes from";
    const struct
    {
        const char *name;
        std::string actions;
        std::string texts; // Text1 2 3 4 7 8 9|Text6
        std::string look;
        std::string events;
    } rows[] = {
        {"start: the design's look is the no-wind state", "", "30000 3000 1800 250 360 360 0|",
         noWind, ""},
        {"page keys by 1, Home and End", "VScroll5:pgup VScroll2:pgdn VScroll3:home VScroll4:end",
         "30002 2999 10000 50 360 360 0|", noWind, ""},
        // A broken clamp would give a 45 kt airspeed or a -1 kt wind.
        {"arrows past both ends", "VScroll4:end VScroll4:down VScroll8:home VScroll8:up",
         "30000 3000 1800 50 360 360 199|", wind, ""},
        {"wheel: a notch is an arrow click, part notches add up",
         "VScroll5:wheel=120 VScroll5:wheel=-60 VScroll5:wheel=-60 VScroll5:wheel=-240",
         "29800 3000 1800 250 360 360 0|", noWind, ""},
        {"every spinner at its Min",
         "VScroll5=0 VScroll2=0 VScroll3=100 VScroll4=0 VScroll6=0 VScroll8=0",
         "62000 26000 10000 850 360 360 199|", wind, ""},
        {"every spinner at its Max",
         "VScroll5=30000 VScroll2=26000 VScroll3=10000 VScroll4=800 VScroll6=359 VScroll7=359",
         "2000 0 100 50 1 1 0|", noWind, ""},
        {"heading 90 kept while greyed", "VScroll8=189 VScroll6=270 VScroll8=199",
         "30000 3000 1800 250 90 360 0|", noWind, ""},
        {"Text6 kept until Calculate: 30000 3000 1800 250 IAS", "Text6=note Calculate",
         "30000 3000 1800 250 360 360 0| 81.7", noWind, ""},
        {"TAS", "TAS Calculate", "30000 3000 1800 250 360 360 0| 62.5", noWind, ""},
        // Heading and wind direction swapped would give a plain tail wind: " 80".
        {"35000 3000 2000 250 90 270 50, TAS",
         "VScroll5=13500 VScroll3=8100 VScroll6=270 VScroll7=90 VScroll8=149 TAS Calculate",
         "35000 3000 2000 250 90 270 50| 79.9", wind, ""},
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
        look << window["VScroll6"].visible << ' ' << window["VScroll7"].visible << ' '
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
    } rows[] = {
        {"Exit ends the program", "Exit", "end"},
        {"About: loaded, captioned, right of the main window, shown", "About", right},
        {"About twice: one dialog, brought to the front", "About About", right + " show"},
        {"OK unloads; About loads afresh", "About OK About", right + " unload " + right},
        {"System Info leaves the dialog open", "About SysInfo About", right + " show"},
        {"no room on the right: to the left", "About", opened("200,100"), {600, 100, 1008, 322}},
        {"room on neither side: below", "About", opened("300,330"), {300, 100, 708, 322}},
        // Below would cover less of it, but the bottom holds Exit and About.
        {"room nowhere: over its top, not its buttons",
         "About",
         opened("112,0"),
         {112, 150, 912, 610}},
        // The program ends with its last window, however the windows go.
        {"main window closed: the end", "Close", "hidden end"},
        {"main window closed, then the About box", "About Close CloseAbout",
         right + " hidden unload end"},
        {"main window closed, then OK", "About Close OK", right + " hidden unload end"},
        {"About box closed: the main window goes on", "About CloseAbout About",
         right + " unload " + right},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        window.frame = row.mainWindow;
        window.Do(row.actions);
        EXPECT_EQ(Join(window.events, " "), row.events);
    }
}

TEST(Form1, HeldArrowsWheelAndKeysOfASpinner)
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
        {"the upper arrow held", "up tick", "30100/500 30200/50"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        std::istringstream steps(row.steps);
        std::vector<std::string> trail;
        for (std::string step; steps >> step;) {
            const int timer = step == "press" || step == "up"
                                  ? window.form.ArrowPressed(Form1Control::VScroll5, step == "up")
                              : step == "tick"    ? window.form.ArrowTimer()
                              : step == "release" ? window.form.ArrowReleased()
                                                  : window.form.ArrowHover(step == "on");
            trail.push_back(window["Text1"].text + "/" +
                            (timer == HeldArrow::kKeep ? "keep" : std::to_string(timer)));
        }
        EXPECT_EQ(Join(trail, " "), row.trail);
        EXPECT_EQ(window.focus, "VScroll5"); // pressed, it has the focus
    }

    // A browser's wheel: 100 pixels, 3 lines or a page a notch, towards the user negative.
    EXPECT_EQ(WheelUnits(0, 100), -120);
    EXPECT_EQ(WheelUnits(1, -3), 120);
    EXPECT_EQ(WheelUnits(2, 0.5), -60);

    // The keys of a desktop scroll bar: Up and Left towards Min, none with a modifier.
    std::string actions;
    for (const Key key : {Key::Up, Key::Left, Key::Down, Key::Right, Key::PageUp, Key::PageDown,
                          Key::Home, Key::End, Key::Tab})
        for (const bool shift : {false, true}) {
            const std::optional<SpinAction> action = SpinnerKey({.key = key, .shift = shift});
            actions += action ? std::to_string(int(*action)) : "-";
        }
    EXPECT_EQ(actions, "0-0-1-1-2-3-4-5---");
}
