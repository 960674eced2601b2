#include "win32/keys.h"

namespace tavrel {

std::optional<KeyPress> ToKeyPress(const MSG &message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return std::nullopt;
    static constexpr std::pair<WPARAM, Key> kKeys[] = {
        {VK_TAB, Key::Tab},     {VK_RETURN, Key::Enter}, {VK_ESCAPE, Key::Escape},
        {VK_UP, Key::Up},       {VK_DOWN, Key::Down},    {VK_LEFT, Key::Left},
        {VK_RIGHT, Key::Right}, {VK_PRIOR, Key::PageUp}, {VK_NEXT, Key::PageDown},
        {VK_HOME, Key::Home},   {VK_END, Key::End}};
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    KeyPress key{.shift = held(VK_SHIFT),
                 .ctrl = held(VK_CONTROL),
                 .alt = message.message == WM_SYSKEYDOWN || held(VK_MENU)};
    for (const auto &[code, value] : kKeys)
        if (message.wParam == code)
            key.key = value;
    if ((message.wParam >= 'A' && message.wParam <= 'Z') ||
        (message.wParam >= '0' && message.wParam <= '9')) {
        key.key = Key::Letter;
        key.letter = char(message.wParam);
    }
    if (key.key == Key::Other)
        return std::nullopt;
    return key;
}

} // namespace tavrel
