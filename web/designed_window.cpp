#include "web/designed_window.h"

#include "web/build_window.h"
#include "web/look.h"
#include "web/page.h"
#include "web/window_style.h"

#include <emscripten/emscripten.h>

#include <cctype>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace tavrel {

namespace {

std::map<int, DesignedWindow *> &OpenWindows()
{
    static std::map<int, DesignedWindow *> windows;
    return windows;
}

// Closed while an event was being handled; deleted once it is done.
std::vector<DesignedWindow *> &ClosedWindows()
{
    static std::vector<DesignedWindow *> windows;
    return windows;
}

ScreenRect ToScreenRect(const int (&rect)[4]) { return {rect[0], rect[1], rect[2], rect[3]}; }

} // namespace

DesignedWindow::DesignedWindow(const WindowDesign &design, const char *role)
    : m_design(design),
      m_handle(page_open(role, FrameMarkup(role, design.caption).c_str(),
                         WindowMarkup(design).c_str(), WindowStyle(design).c_str()))
{
    OpenWindows()[m_handle] = this;
}

DesignedWindow::~DesignedWindow()
{
    if (m_handle) {
        OpenWindows().erase(m_handle);
        page_close(m_handle);
    }
}

template <typename Handler> void DesignedWindow::Dispatch(int handle, Handler &&handler)
{
    const auto window = OpenWindows().find(handle);
    if (window != OpenWindows().end())
        handler(*window->second);
    for (DesignedWindow *closed : std::exchange(ClosedWindows(), {}))
        delete closed;
}

template <typename Handler>
void DesignedWindow::DispatchToControl(int handle, const char *id, Handler &&handler)
{
    Dispatch(handle, [id, &handler](DesignedWindow &window) {
        if (const int index = window.IndexOf(id); index >= 0)
            handler(window, index);
    });
}

void DesignedWindow::Change(int handle, const char *id)
{
    DispatchToControl(handle, id,
                      [](DesignedWindow &window, int index) { window.OnChange(index); });
}

void DesignedWindow::Wheel(int handle, const char *id, int deltaMode, double deltaY)
{
    DispatchToControl(handle, id,
                      [units = WheelUnits(deltaMode, deltaY)](DesignedWindow &window, int index) {
                          window.OnWheel(index, units);
                      });
}

bool DesignedWindow::Key(int handle, const char *id, const char *key, bool shift, bool ctrl,
                         bool alt)
{
    static constexpr std::pair<const char *, tavrel::Key> kKeys[] = {
        {"Tab", Key::Tab},          {"Enter", Key::Enter},    {"Escape", Key::Escape},
        {"ArrowUp", Key::Up},       {"ArrowDown", Key::Down}, {"ArrowLeft", Key::Left},
        {"ArrowRight", Key::Right}, {"PageUp", Key::PageUp},  {"PageDown", Key::PageDown},
        {"Home", Key::Home},        {"End", Key::End}};
    KeyPress press{.shift = shift, .ctrl = ctrl, .alt = alt};
    for (const auto &[name, value] : kKeys)
        if (std::strcmp(name, key) == 0)
            press.key = value;
    if (press.key == Key::Other && std::strlen(key) == 1 && std::isalnum(key[0])) {
        press.key = Key::Letter;
        press.letter = char(std::toupper(key[0]));
    }
    bool taken = false;
    if (press.key != Key::Other)
        DispatchToControl(handle, id, [&](DesignedWindow &window, int index) {
            taken = window.OnKey(index, press);
        });
    return taken;
}

void DesignedWindow::Focus(int handle, const char *id)
{
    DispatchToControl(handle, id, [](DesignedWindow &window, int index) { window.OnFocus(index); });
}

void DesignedWindow::Activate(int handle)
{
    Dispatch(handle, [](DesignedWindow &window) { window.OnActivate(); });
}

int DesignedWindow::Arrow(int handle, const char *id, const char *event)
{
    int timer = 0;
    DispatchToControl(handle, id, [&](DesignedWindow &window, int index) {
        timer = window.OnArrow(index, event);
    });
    return timer;
}

void DesignedWindow::Finger(int handle, const char *id)
{
    DispatchToControl(handle, id,
                      [](DesignedWindow &window, int index) { window.OnFinger(index); });
}

int DesignedWindow::Slide(int handle, double pixelsUp)
{
    int timer = 0;
    Dispatch(handle, [&](DesignedWindow &window) { timer = window.OnSlide(pixelsUp); });
    return timer;
}

void DesignedWindow::Click(int handle, const char *id)
{
    DispatchToControl(handle, id, [](DesignedWindow &window, int index) { window.OnClick(index); });
}

void DesignedWindow::Close(int handle)
{
    Dispatch(handle, [](DesignedWindow &window) { window.OnClose(); });
}

int DesignedWindow::IndexOf(const char *id) const
{
    for (std::size_t i = 0; i < m_design.controls.size(); ++i)
        if (std::strcmp(m_design.controls[i].name, id) == 0)
            return static_cast<int>(i);
    return -1;
}

const char *DesignedWindow::Id(int index) const
{
    return m_design.controls[static_cast<std::size_t>(index)].name;
}

std::string DesignedWindow::Text(int index) const
{
    std::string text(64, '\0');
    const int length = page_text(m_handle, Id(index), text.data(), int(text.size()) + 1);
    if (length > int(text.size())) { // a long paste: read again with room for all of it
        text.resize(std::size_t(length));
        page_text(m_handle, Id(index), text.data(), length + 1);
    }
    text.resize(std::size_t(length));
    return text;
}

void DesignedWindow::SetText(int index, const std::string &text)
{
    page_set_text(m_handle, Id(index), text.c_str());
}

void DesignedWindow::SetAttribute(int index, const char *name, const std::string &value)
{
    page_set_attribute(m_handle, Id(index), name, value.c_str());
}

void DesignedWindow::SetHidden(int index, bool hidden)
{
    page_set_hidden(m_handle, Id(index), hidden);
}

void DesignedWindow::SetForeColour(int index, ColourValue colour)
{
    const ControlDesign &control = m_design.controls[static_cast<std::size_t>(index)];
    page_set_style(m_handle, control.name, "color", CssColour(colour).c_str());
    if (control.kind == ControlKind::TextBox)
        page_set_attribute(m_handle, control.name, "data-blank",
                           HidesValue(control, colour) ? "" : nullptr);
}

bool DesignedWindow::Checked(int index) const { return page_checked(m_handle, Id(index)) != 0; }

void DesignedWindow::Select(int index) { page_select(m_handle, Id(index)); }

void DesignedWindow::Focus(int index) { page_focus(m_handle, Id(index)); }

void DesignedWindow::SetCaption(const std::string &caption)
{
    page_set_caption(m_handle, caption.c_str());
}

void DesignedWindow::Show() { page_show(m_handle); }

void DesignedWindow::Hide() { page_hide(m_handle); }

void DesignedWindow::Move(ScreenPoint topLeft) { page_move(m_handle, topLeft.x, topLeft.y); }

ScreenRect DesignedWindow::Frame() const
{
    int rect[4] = {};
    page_frame(m_handle, rect);
    return ToScreenRect(rect);
}

ScreenRect DesignedWindow::WorkArea() const
{
    int rect[4] = {};
    page_work_area(rect);
    return ToScreenRect(rect);
}

void DesignedWindow::CloseLater()
{
    OpenWindows().erase(m_handle);
    page_close(std::exchange(m_handle, 0));
    ClosedWindows().emplace_back(this);
}

} // namespace tavrel

// What the page's script calls, through the module's ccall.
extern "C" {

EMSCRIPTEN_KEEPALIVE void tavrel_change(int window, const char *id)
{
    tavrel::DesignedWindow::Change(window, id);
}

EMSCRIPTEN_KEEPALIVE void tavrel_wheel(int window, const char *id, int deltaMode, double deltaY)
{
    tavrel::DesignedWindow::Wheel(window, id, deltaMode, deltaY);
}

EMSCRIPTEN_KEEPALIVE int tavrel_key(int window, const char *id, const char *key, int shift,
                                    int ctrl, int alt)
{
    return tavrel::DesignedWindow::Key(window, id, key, shift, ctrl, alt);
}

EMSCRIPTEN_KEEPALIVE void tavrel_focus(int window, const char *id)
{
    tavrel::DesignedWindow::Focus(window, id);
}

EMSCRIPTEN_KEEPALIVE void tavrel_activate(int window) { tavrel::DesignedWindow::Activate(window); }

EMSCRIPTEN_KEEPALIVE int tavrel_arrow(int window, const char *id, const char *event)
{
    return tavrel::DesignedWindow::Arrow(window, id, event);
}

EMSCRIPTEN_KEEPALIVE void tavrel_finger(int window, const char *id)
{
    tavrel::DesignedWindow::Finger(window, id);
}

EMSCRIPTEN_KEEPALIVE int tavrel_slide(int window, double pixelsUp)
{
    return tavrel::DesignedWindow::Slide(window, pixelsUp);
}

EMSCRIPTEN_KEEPALIVE void tavrel_click(int window, const char *id)
{
    tavrel::DesignedWindow::Click(window, id);
}

EMSCRIPTEN_KEEPALIVE void tavrel_close(int window) { tavrel::DesignedWindow::Close(window); }
}
