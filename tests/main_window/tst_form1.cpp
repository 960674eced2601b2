// Form1's procedures over a fake main window, for the rows of tst_form1.txt:
// the spinners' motion and rules, the wind states, what "Calculate" reads and
// writes, errors shown with the program going on, the buttons with the About
// box's life, the window's place, and a held arrow.
#include "../rows.h"
#include "fake_window.h"

#include <algorithm>

using namespace tavrel;
using namespace tavrel::testing;

namespace {

ScreenRect Rect(const std::string &text, ScreenRect otherwise)
{
    std::istringstream in(text);
    if (!text.empty())
        in >> otherwise.left >> otherwise.top >> otherwise.right >> otherwise.bottom;
    return otherwise;
}

// The box values, "_" for a blank, then the look of the rows wind greys.
std::string Spun(FakeWindow &window)
{
    std::string texts;
    for (const char *name :
         {"Text1", "Text2", "Text3", "Text4", "Text7", "Text8", "Text9", "Text6"}) {
        std::string text = window[name].text;
        std::replace(text.begin(), text.end(), ' ', '_');
        texts += text + ' ';
    }
    std::ostringstream seen;
    seen << texts.substr(0, texts.find_last_not_of(' ') + 1) << " |";
    for (const char *name : {"Label16", "Label17", "Label10", "Label14", "Text7", "Text8"})
        seen << std::hex << window[name].colour << ' ';
    seen << window["VScroll6"].visible << ' ' << window["VScroll7"].visible << ' ';
    for (const char *name : {"Text7", "VScroll6", "Text8", "VScroll7", "Text9"})
        seen << window[name].inactive;
    seen << ' '
         << (window["Text8"].description == kUnusedWithoutWind ? "unused"
                                                               : window["VScroll7"].description);
    return seen.str();
}

// Text1 and the timer after each step of a held arrow of VScroll5.
std::string Held(FakeWindow &window, const std::string &steps)
{
    std::istringstream in(steps);
    std::vector<std::string> trail;
    for (std::string step; in >> step;) {
        if (step == "finger" || step == "box")
            window.form.FingerDown(step == "box" ? Form1Control::Text1 : Form1Control::VScroll5);
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
    if (!steps.starts_with("box")) {
        EXPECT_EQ(window.focus, "VScroll5"); // pressed, it has the focus
    }
    return Join(trail, " ");
}

} // namespace

TEST(Form1, Rows)
{
    const std::vector<Row> rows = ReadRows(TAVREL_TABLE, 6);
    std::map<std::string, std::string> looks;
    for (const Row &row : rows)
        if (row[0] == "look")
            looks[row[1]] = row[2];
    for (const Row &row : rows) {
        SCOPED_TRACE(row[1]);
        FakeWindow window;
        if (row[0] == "spin" || row[0] == "about") {
            if (row[0] == "about") {
                window.frame = Rect(row[4], {100, 100, 508, 322});
                window.workArea = Rect(row[5], window.workArea);
            }
            window.Do(row[2]);
            std::string events = row[3];
            for (std::size_t at; (at = events.find("TITLE")) != std::string::npos;)
                events.replace(at, 5, kApplicationTitle);
            EXPECT_EQ(Join(window.events, " "), events);
            if (row[0] == "spin") {
                EXPECT_EQ(Spun(window), row[4] + " |" + looks[row[5]]);
            }
        } else if (row[0] == "placed") {
            window.frame = {0, 0, 408, 222};
            window.workArea = Rect(row[2], {});
            window.form.Show();
            EXPECT_EQ(std::to_string(window.frame.left) + " " + std::to_string(window.frame.top),
                      row[3]);
        } else if (row[0] == "held") {
            EXPECT_EQ(Held(window, row[2]), row[3]);
        }
    }

    // A browser's wheel: 100 pixels, 3 lines or a page a notch, towards the user negative.
    EXPECT_EQ(WheelUnits(0, 100), -120);
    EXPECT_EQ(WheelUnits(1, -3), 120);
    EXPECT_EQ(WheelUnits(2, 0.5), -60);
}
