#include "main_window/form1.h"

#include "about/frm_about.h"
#include "calc/descent.h"
#include "common/numbers.h"

#include <exception>
#include <utility>

namespace tavrel {

namespace {

const SpinnerPair *PairOf(Form1Control control)
{
    for (const SpinnerPair &pair : kSpinnerPairs)
        if (pair.box == control || pair.spinner == control)
            return &pair;
    return nullptr;
}

} // namespace

Form1::Form1(Form1Controls &controls, frmAbout &about) : m_controls(controls), m_about(about) {}

template <typename Procedure> void Form1::RunProcedure(Procedure &&procedure)
{
    try {
        procedure();
    } catch (const std::exception &e) {
        m_controls.ShowMessage(e.what());
    }
}

void Form1::Load()
{
    // The wind look is not applied: the design starts in the no-wind look.
    RunProcedure([this] {
        for (const SpinnerPair &pair : kSpinnerPairs)
            WriteBox(pair);
    });
}

void Form1::Change(Form1Control control)
{
    if (control == m_writing)
        return; // the toolkit's report of Form1's own write
    const SpinnerPair *pair = PairOf(control);
    if (!pair)
        return; // Text6 has no procedure
    if (control == pair->spinner)
        SpinnerChange(*pair);
    else
        BoxChange(*pair);
}

void Form1::Click(Form1Control control)
{
    switch (control) {
    case Form1Control::Command1:
        Calculate();
        break;
    case Form1Control::Command2:
        m_controls.End();
        break;
    case Form1Control::Command3:
        m_about.Show();
        break;
    default:
        break;
    }
}

void Form1::SpinnerChange(const SpinnerPair &pair)
{
    RunProcedure([this, &pair] {
        WriteBox(pair);
        if (pair.spinner == Form1Control::VScroll8)
            ApplyWindState();
    });
}

void Form1::BoxChange(const SpinnerPair &pair)
{
    RunProcedure([this, &pair] { WriteBox(pair); });
}

void Form1::WriteBox(const SpinnerPair &pair)
{
    WriteText(pair.box, NumberToText(pair.rule(m_controls.Value(pair.spinner))));
}

void Form1::WriteText(Form1Control box, const std::string &text)
{
    if (m_controls.Text(box) == text)
        return;
    const std::optional<Form1Control> outer = std::exchange(m_writing, box);
    m_controls.SetText(box, text);
    m_writing = outer;
    Change(box);
}

void Form1::ApplyWindState()
{
    // Read once: nothing between the writes changes the wind speed. At its
    // Max the spinner stands for a wind speed of 0.
    const bool wind =
        m_controls.Value(Form1Control::VScroll8) < DesignOf(Form1Control::VScroll8).spinner.max;
    for (const Form1Control label : {Form1Control::Label16, Form1Control::Label17,
                                     Form1Control::Label10, Form1Control::Label14})
        m_controls.SetForeColour(label, wind ? kSysButtonText : kSysButtonShadow);
    for (const Form1Control box : {Form1Control::Text7, Form1Control::Text8})
        m_controls.SetForeColour(box, wind ? kDarkBlue : kWhite);
    for (const Form1Control spinner : {Form1Control::VScroll6, Form1Control::VScroll7})
        m_controls.SetVisible(spinner, wind);
}

void Form1::Calculate()
{
    RunProcedure([this] {
        const auto read = [this](Form1Control box) {
            return ToSingle(ReadNumber(m_controls.Text(box)));
        };
        using enum Form1Control;
        const DescentInputs inputs{read(Text1),
                                   read(Text2),
                                   read(Text3),
                                   read(Text4),
                                   read(Text7),
                                   read(Text8),
                                   read(Text9),
                                   m_controls.Selected(Option1),
                                   m_controls.Selected(Option2)};
        WriteText(Text6, DistanceText(ComputeDescentDistance(inputs)));
    });
}

} // namespace tavrel
