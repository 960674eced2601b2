#include "main_window/interaction.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace tavrel {

std::optional<SpinAction> SpinnerKey(const KeyPress &key)
{
    if (key.shift || key.ctrl || key.alt)
        return std::nullopt;
    switch (key.key) {
    case Key::Up:
    case Key::Left:
        return SpinAction::LineUp;
    case Key::Down:
    case Key::Right:
        return SpinAction::LineDown;
    case Key::PageUp:
        return SpinAction::PageUp;
    case Key::PageDown:
        return SpinAction::PageDown;
    case Key::Home:
        return SpinAction::Top;
    case Key::End:
        return SpinAction::Bottom;
    default:
        return std::nullopt;
    }
}

std::vector<int> TabStops(const WindowDesign &design, const std::function<bool(int)> &available)
{
    std::vector<int> stops;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign &control = design.controls[i];
        const bool focusable =
            control.kind != ControlKind::Label && control.kind != ControlKind::Line;
        if (control.tabIndex >= 0 && focusable && available(int(i)))
            stops.push_back(int(i));
    }
    std::sort(stops.begin(), stops.end(), [&design](int a, int b) {
        return design.controls[std::size_t(a)].tabIndex < design.controls[std::size_t(b)].tabIndex;
    });
    return stops;
}

int NextTabStop(const std::vector<int> &stops, int from, bool backwards)
{
    if (stops.empty())
        return -1;
    const auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end())
        return backwards ? stops.back() : stops.front();
    const std::size_t i = std::size_t(at - stops.begin());
    const std::size_t n = stops.size();
    return stops[backwards ? (i + n - 1) % n : (i + 1) % n];
}

int DefaultButton(const WindowDesign &design)
{
    for (std::size_t i = 0; i < design.controls.size(); ++i)
        if (design.controls[i].isDefault)
            return int(i);
    return -1;
}

int AccessKeyControl(const WindowDesign &design, char letter)
{
    const auto upper = [](char c) { return char(std::toupper(static_cast<unsigned char>(c))); };
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const std::string_view caption = design.controls[i].caption;
        for (std::size_t c = 0; c + 1 < caption.size(); ++c) {
            if (caption[c] != '&')
                continue;
            if (caption[c + 1] != '&' && upper(caption[c + 1]) == upper(letter))
                return int(i);
            ++c; // "&&" is a plain "&"
        }
    }
    return -1;
}

int WheelUnits(int deltaMode, double deltaY)
{
    constexpr double kPerNotch[] = {100, 3, 1}; // pixels, lines, pages
    const double perNotch = kPerNotch[std::clamp(deltaMode, 0, 2)];
    return int(std::lround(-deltaY / perNotch * 120));
}

int FingerSlide::Move(double pixelsUp)
{
    m_pixels += pixelsUp;
    m_sliding = m_sliding || std::abs(m_pixels) >= kSlopPx;
    if (!m_sliding)
        return 0;
    const int units = int(m_pixels / kNotchPx * WheelNotches::kUnitsPerNotch);
    return units - std::exchange(m_units, units);
}

int HeldArrow::Press(SpinAction action)
{
    m_action = action;
    m_pressed = m_over = true;
    m_tapping = false;
    return kRepeatDelayMs;
}

int HeldArrow::Touch(SpinAction action)
{
    Press(action);
    m_tapping = true;
    return kTouchHoldMs;
}

int HeldArrow::Hover(bool overArrow)
{
    if (!m_pressed || overArrow == m_over)
        return kKeep;
    m_over = overArrow;
    return overArrow ? kRepeatDelayMs : 0;
}

std::optional<std::pair<SpinAction, int>> HeldArrow::Tick()
{
    if (!Held())
        return std::nullopt;
    return std::pair{m_action,
                     std::exchange(m_tapping, false) ? kRepeatDelayMs : kRepeatIntervalMs};
}

std::optional<SpinAction> HeldArrow::Release()
{
    const bool tap = std::exchange(m_tapping, false) && m_pressed;
    m_pressed = m_over = false;
    if (!tap)
        return std::nullopt;
    return m_action;
}

int HeldArrow::Slide()
{
    if (!m_pressed)
        return kKeep;
    m_pressed = m_over = m_tapping = false;
    return 0;
}

} // namespace tavrel
