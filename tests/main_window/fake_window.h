// The main window as plain values behind Form1Controls, and an About box
// behind AboutControls, for driving the procedures without a toolkit. A box
// whose text changes reports it, as most toolkits do, and a chain of change
// procedures that would never end fails the test.
#pragma once

#include "../about/fake_platform.h"
#include "about/frm_about.h"
#include "common/application.h"
#include "main_window/form1.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace tavrel::testing {

struct FakeDialog final : AboutControls
{
    explicit FakeDialog(std::vector<std::string> &log) : events(log) {}
    void SetCaption(const std::string &caption) override { events.push_back("caption=" + caption); }
    ScreenRect Frame() const override { return {0, 0, 392, 200}; }
    void Move(ScreenPoint at) override
    {
        events.push_back("at " + std::to_string(at.x) + "," + std::to_string(at.y));
    }
    void Show() override { events.push_back("show"); }
    void Unload() override { events.push_back("unload"); }
    void SetFocus(AboutControl) override {}

    std::vector<std::string> &events;
};

class FakeWindow : public Form1Controls
{
public:
    struct Control
    {
        std::string text;
        std::int16_t value;
        ColourValue colour;
        bool visible;
        std::string description;
        bool inactive = false;
    };

    FakeWindow()
        : about(
              [this](frmAbout &) -> AboutControls & {
                  events.push_back("load");
                  return *dialogs.emplace_back(new FakeDialog(events));
              },
              platform),
          form(*this, about)
    {
        for (int i = 0; i < kForm1ControlCount; ++i) {
            const ControlDesign &d = DesignOf(Form1Control(i));
            m_controls[i] = {"", std::int16_t(d.spinner.value), d.foreColour, d.visible, ""};
        }
        form.Load();
        form.Show();
        events.clear();
    }

    std::string Text(Form1Control box) const override { return At(box).text; }
    void SetText(Form1Control box, const std::string &text) override
    {
        if (std::exchange(At(box).text, text) != text)
            Report(box); // as most toolkits report a write
    }
    std::int16_t Value(Form1Control spinner) const override { return At(spinner).value; }
    void SetValue(Form1Control spinner, std::int16_t value) override { At(spinner).value = value; }
    void SetVisible(Form1Control spinner, bool shown) override { At(spinner).visible = shown; }
    void SetDescription(Form1Control control, const std::string &description) override
    {
        At(control).description = description;
    }
    void SetInactive(Form1Control control, bool inactive) override
    {
        At(control).inactive = inactive;
    }
    void SetForeColour(Form1Control control, ColourValue colour) override
    {
        At(control).colour = colour;
    }
    bool Selected(Form1Control option) const override { return option == selected; }
    void Select(Form1Control option) override { selected = option; }
    void SetFocus(Form1Control control) override
    {
        focus = DesignOf(control).name;
        form.FocusIn(control); // as every toolkit reports it
    }
    void ShowMessage(const std::string &title, const std::string &text) override
    {
        events.push_back(title == kApplicationTitle ? text : "titled " + title);
    }
    void Announce(const std::string &text) override { events.push_back("heard " + text); }
    void End() override { events.push_back("end"); }
    ScreenRect Frame() const override { return frame; }
    ScreenRect WorkArea() const override { return workArea; }
    void Move(ScreenPoint at) override
    {
        frame = {at.x, at.y, at.x + frame.Width(), at.y + frame.Height()};
    }
    void Show() override { events.push_back("shown"); }
    void Hide() override { events.push_back("hidden"); }

    Control &operator[](const std::string &name) const { return At(ByName(name)); }

    // The user's actions, separated by blanks:
    //   VScroll5:up / :down / :home / :end   an arrow or a key on a spinner
    //   VScroll5=13500        the spinner moved there (by a page key from its neighbour)
    //   Text2=12              an edit of a box, which every toolkit reports
    //   Text3:=0 VScroll3:=-5 a text or value set with no report, as no user could
    //   TAS                   the option; Calculate Exit About OK: the buttons
    //   Close CloseAbout      a window's close button
    //   Destroyed             the last About box destroyed by its toolkit
    void Do(const std::string &actions)
    {
        std::istringstream words(actions);
        for (std::string action; words >> action;) {
            if (action == "Close" || action == "CloseAbout") {
                action == "Close" ? form.Close() : about.Unload();
                continue;
            }
            if (action == "Destroyed") {
                about.Closed(*dialogs.back());
                continue;
            }
            static const std::map<std::string, Form1Control> kButtons = {
                {"Calculate", Form1Control::Command1},
                {"Exit", Form1Control::Command2},
                {"About", Form1Control::Command3}};
            if (action == "TAS")
                selected = Form1Control::Option2;
            else if (kButtons.contains(action))
                form.Click(kButtons.at(action));
            else if (action == "OK")
                about.Click(AboutControl::cmdOK);
            else
                Act(action);
        }
    }

    Form1Control selected = Form1Control::Option1;
    std::string focus;                    // the control that last got the focus
    ScreenRect frame{100, 100, 508, 322}; // the main window with its frame
    ScreenRect workArea{0, 0, 1024, 768}; // the screen less its panels
    std::vector<std::string> events;      // messages, the end, the About box's life

private:
    static Form1Control ByName(const std::string &name)
    {
        for (int i = 0; i < kForm1ControlCount; ++i)
            if (name == DesignOf(Form1Control(i)).name)
                return Form1Control(i);
        throw std::invalid_argument("no control " + name);
    }
    Control &At(Form1Control control) const { return m_controls[int(control)]; }
    void Act(const std::string &action)
    {
        using enum SpinAction;
        static const std::map<std::string, SpinAction> kActions = {
            {"up", LineUp}, {"down", LineDown}, {"home", Top}, {"end", Bottom}};
        const std::size_t colon = action.find(':'), equals = action.find('=');
        const Form1Control control = ByName(action.substr(0, std::min(colon, equals)));
        const std::string argument = equals == std::string::npos ? "" : action.substr(equals + 1);
        const bool spinner = DesignOf(control).kind == ControlKind::Spinner;
        if (colon != std::string::npos && kActions.contains(action.substr(colon + 1))) {
            form.Spin(control, kActions.at(action.substr(colon + 1)));
        } else if (colon != std::string::npos) { // set with no report
            spinner ? void(At(control).value = std::int16_t(std::stoi(argument)))
                    : void(At(control).text = argument);
        } else if (spinner) {
            const int to = std::stoi(argument);
            const bool fromAbove = to < DesignOf(control).spinner.max;
            At(control).value = std::int16_t(to + (fromAbove ? 1 : -1));
            form.Spin(control, fromAbove ? SpinAction::PageUp : SpinAction::PageDown);
        } else {
            At(control).text = argument;
            Report(control);
        }
    }
    void Report(Form1Control control)
    {
        if (m_depth >= 3) { // a chain that never ends: stop it here
            ADD_FAILURE() << "change procedures nested " << m_depth + 1 << " deep";
            return;
        }
        ++m_depth;
        form.Change(control);
        --m_depth;
    }

    mutable Control m_controls[kForm1ControlCount];
    int m_depth = 0;

public:
    FakePlatform platform; // no tool registered
    std::vector<std::unique_ptr<FakeDialog>> dialogs;
    frmAbout about;
    Form1 form;
};

} // namespace tavrel::testing
