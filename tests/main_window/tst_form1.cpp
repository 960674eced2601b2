// Form1's procedures over a fake main window, for the rows of tst_form1.txt. A box
// whose text changes reports it, as most toolkits do; a chain of change procedures
// that would never end fails the test.
#include "../about/fake_platform.h"
#include "../rows.h"
#include "about/frm_about.h"
#include "common/application.h"
#include "main_window/form1.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

using namespace tavrel;
using namespace tavrel::testing;

namespace {

std::string Place(ScreenPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

struct FakeDialog final : AboutControls
{
    explicit FakeDialog(std::vector<std::string> &log) : events(log) {}
    void SetCaption(const std::string &caption) override { events.push_back("caption=" + caption); }
    ScreenRect Frame() const override { return {0, 0, 392, 200}; }
    void Move(ScreenPoint at) override { events.push_back("at " + Place(at)); }
    void Show() override { events.push_back("show"); }
    void Unload() override { events.push_back("unload"); }
    void SetFocus(AboutControl) override {}
    std::vector<std::string> &events;
};

struct FakeWindow final : Form1Controls
{
    struct Control
    {
        std::string text, description;
        std::int16_t value;
        ColourValue colour;
        bool visible, inactive = false;
    };

    FakeWindow()
    {
        for (int i = 0; i < kForm1ControlCount; ++i) {
            const ControlDesign &d = DesignOf(Form1Control(i));
            controls[i] = {"", "", std::int16_t(d.spinner.value), d.foreColour, d.visible};
        }
        form.Load();
        form.Show();
        events.clear();
    }
    std::string Text(Form1Control c) const override { return At(c).text; }
    void SetText(Form1Control c, const std::string &text) override
    {
        if (std::exchange(At(c).text, text) != text)
            Report(c); // as most toolkits report a write
    }
    std::int16_t Value(Form1Control c) const override { return At(c).value; }
    void SetValue(Form1Control c, std::int16_t value) override { At(c).value = value; }
    void SetVisible(Form1Control c, bool shown) override { At(c).visible = shown; }
    void SetDescription(Form1Control c, const std::string &d) override { At(c).description = d; }
    void SetInactive(Form1Control c, bool inactive) override { At(c).inactive = inactive; }
    void SetForeColour(Form1Control c, ColourValue colour) override { At(c).colour = colour; }
    bool Selected(Form1Control option) const override { return option == selected; }
    void Select(Form1Control option) override { selected = option; }
    void SetFocus(Form1Control c) override
    {
        focus = DesignOf(c).name;
        form.FocusIn(c); // as every toolkit reports it
    }
    void ShowMessage(const std::string &title, const std::string &text) override
    {
        events.push_back(title == kApplicationTitle ? text : "titled " + title);
    }
    void Announce(const std::string &text) override { events.push_back("heard " + text); }
    void End() override { events.push_back("end"); }
    ScreenRect Frame() const override { return frame; }
    ScreenRect WorkArea() const override { return workArea; }
    void Move(ScreenPoint p) override
    {
        frame = {p.x, p.y, p.x + frame.Width(), p.y + frame.Height()};
        events.push_back("main at " + Place(p));
    }
    void Show() override { events.push_back("shown"); }
    void Hide() override { events.push_back("hidden"); }

    Control &At(Form1Control c) const { return controls[int(c)]; }
    Control &operator[](const std::string &name) const { return At(ByName(name)); }
    static Form1Control ByName(const std::string &name)
    {
        const auto i =
            std::find(std::begin(kForm1ControlNames), std::end(kForm1ControlNames), name) -
            std::begin(kForm1ControlNames);
        return i < kForm1ControlCount ? Form1Control(i) : throw std::invalid_argument(name);
    }
    void Report(Form1Control c)
    {
        if (depth >= 3) // a chain that never ends: stop it here
            return ADD_FAILURE() << "change procedures nested " << depth + 1 << " deep";
        ++depth, form.Change(c), --depth;
    }

    // The user's actions, separated by blanks: the words below; Name:up :down
    // :home :end, an arrow or a key on a spinner; Name=n, a spinner moved there
    // by a page key from its neighbour, or a box edited; Name:=x, a text or
    // value set with no report, as no user could. A held arrow's steps note
    // Text1 and the timer the procedures answer.
    void Do(const std::string &actions)
    {
        using enum Form1Control;
        using enum SpinAction;
        const auto held = [&](int timer) {
            events.push_back(At(Text1).text + "/" +
                             (timer == HeldArrow::kKeep ? "keep" : std::to_string(timer)));
        };
        double slide = 0;
        const std::map<std::string, std::function<void()>> words = {
            {"Close", [&] { form.Close(); }},                      // the main window's close button
            {"CloseAbout", [&] { about.Unload(); }},               // the About box's
            {"Destroyed", [&] { about.Closed(*dialogs.back()); }}, // by its toolkit
            {"TAS", [&] { selected = Option2; }},
            {"Calculate", [&] { form.Click(Command1); }},
            {"Exit", [&] { form.Click(Command2); }},
            {"About", [&] { form.Click(Command3); }},
            {"OK", [&] { about.Click(AboutControl::cmdOK); }},
            {"Show", [&] { form.Show(); }},
            {"press", [&] { held(form.ArrowPressed(VScroll5, false)); }}, // VScroll5's upper arrow
            {"finger",
             [&] { form.FingerDown(VScroll5), held(form.ArrowPressed(VScroll5, false, true)); }},
            {"box", [&] { form.FingerDown(Text1), held(HeldArrow::kKeep); }}, // a finger on Text1
            {"slide", [&] { held(form.FingerMoved(slide)); }},
            {"tick", [&] { held(form.ArrowTimer()); }},
            {"release", [&] { held(form.ArrowReleased()); }},
            {"on", [&] { held(form.ArrowHover(true)); }},
            {"off", [&] { held(form.ArrowHover(false)); }}};
        static const std::map<std::string, SpinAction> arrows = {
            {"up", LineUp}, {"down", LineDown}, {"home", Top}, {"end", Bottom}};
        std::istringstream in(actions);
        for (std::string action; in >> action;) {
            const std::size_t at = action.find_first_of(":=");
            if (words.contains(action.substr(0, at))) { // slide:pixels up
                slide = at == std::string::npos ? 0 : std::stod(action.substr(at + 1));
                words.at(action.substr(0, at))();
                continue;
            }
            const Form1Control c = ByName(action.substr(0, at));
            const std::string rest = action.substr(at + 1), value = rest.substr(rest[0] == '=');
            const bool silent = rest[0] == '=', spinner = DesignOf(c).kind == ControlKind::Spinner;
            if (arrows.contains(rest)) {
                form.Spin(c, arrows.at(rest));
            } else if (!spinner) {
                At(c).text = value;
                if (!silent)
                    Report(c);
            } else if (silent) {
                At(c).value = std::int16_t(std::stoi(value));
            } else {
                const bool fromAbove = std::stoi(value) < DesignOf(c).spinner.max;
                At(c).value = std::int16_t(std::stoi(value) + (fromAbove ? 1 : -1));
                form.Spin(c, fromAbove ? PageUp : PageDown);
            }
        }
    }

    mutable Control controls[kForm1ControlCount];
    int depth = 0;
    Form1Control selected = Form1Control::Option1;
    std::string focus;                    // the control that last got the focus
    ScreenRect frame{100, 100, 508, 322}; // the main window with its frame
    ScreenRect workArea{0, 0, 1024, 768}; // the screen less its panels
    std::vector<std::string> events;      // messages, the end, the About box's life
    FakePlatform platform;                // no tool registered
    std::vector<std::unique_ptr<FakeDialog>> dialogs;
    frmAbout about{[this](frmAbout &) -> AboutControls & {
                       events.push_back("load");
                       return *dialogs.emplace_back(new FakeDialog(events));
                   },
                   platform};
    Form1 form{*this, about};
};

ScreenRect Rect(const std::string &text, ScreenRect otherwise)
{
    std::istringstream(text) >> otherwise.left >> otherwise.top >> otherwise.right >>
        otherwise.bottom;
    return otherwise;
}

// The boxes' values, then the look of the rows wind greys, as tst_form1.txt gives them.
std::string Look(FakeWindow &w)
{
    std::ostringstream seen;
    for (const char *name :
         {"Text1", "Text2", "Text3", "Text4", "Text7", "Text8", "Text9", "Text6"})
        seen << (w[name].text.empty() ? "" : w[name].text + ' ');
    seen << "| ";
    for (const char *name : {"Label16", "Label17", "Label10", "Label14", "Text7", "Text8"})
        seen << std::hex << w[name].colour << ' ';
    seen << w["VScroll6"].visible << ' ' << w["VScroll7"].visible << ' ';
    for (const char *name : {"Text7", "VScroll6", "Text8", "VScroll7", "Text9"})
        seen << w[name].inactive;
    seen << ' '
         << (w["Text8"].description == kUnusedWithoutWind ? "unused" : w["VScroll7"].description);
    return seen.str();
}

} // namespace

TEST(Form1, Rows)
{
    const std::vector<Row> rows = ReadRows(TAVREL_TABLE, 8);
    std::map<std::string, std::string> looks;
    for (const Row &row : rows) {
        if (row[0] == "look") {
            looks[row[1]] = row[2];
            continue;
        }
        SCOPED_TRACE(row[1]);
        FakeWindow window;
        window.frame = Rect(row[6], {100, 100, 508, 322});
        window.workArea = Rect(row[7], window.workArea);
        window.Do(row[2]);
        std::string events = Join(window.events, " ");
        for (std::size_t at; (at = events.find(kApplicationTitle)) != std::string::npos;)
            events.replace(at, std::string(kApplicationTitle).size(), "TITLE");
        EXPECT_EQ(events, row[3]);
        EXPECT_TRUE(row[0] != "held" || row[2].starts_with("box") || window.focus == "VScroll5")
            << "pressed, it has the focus";
        if (row[0] == "spin") {
            EXPECT_EQ(Look(window), Unescape(row[4]) + " | " + looks[row[5]]);
        }
    }

    // A browser's wheel: 100 pixels, 3 lines or a page a notch, towards the user negative.
    EXPECT_EQ(WheelUnits(0, 100), -120);
    EXPECT_EQ(WheelUnits(1, -3), 120);
    EXPECT_EQ(WheelUnits(2, 0.5), -60);
}
