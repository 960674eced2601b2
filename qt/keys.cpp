#include "qt/keys.h"

#include <QHash>
#include <QKeyEvent>

namespace tavrel {

std::optional<KeyPress> ToKeyPress(const QKeyEvent &event)
{
    static const QHash<int, Key> kKeys = {{Qt::Key_Tab, Key::Tab},
                                          {Qt::Key_Backtab, Key::Tab},
                                          {Qt::Key_Return, Key::Enter},
                                          {Qt::Key_Enter, Key::Enter},
                                          {Qt::Key_Escape, Key::Escape},
                                          {Qt::Key_Up, Key::Up},
                                          {Qt::Key_Down, Key::Down},
                                          {Qt::Key_Left, Key::Left},
                                          {Qt::Key_Right, Key::Right},
                                          {Qt::Key_PageUp, Key::PageUp},
                                          {Qt::Key_PageDown, Key::PageDown},
                                          {Qt::Key_Home, Key::Home},
                                          {Qt::Key_End, Key::End}};
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    KeyPress key{.shift = modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
                 .ctrl = modifiers.testFlag(Qt::ControlModifier),
                 .alt = modifiers.testFlag(Qt::AltModifier)};
    if (const auto found = kKeys.find(event.key()); found != kKeys.end()) {
        key.key = *found;
        return key;
    }
    if ((event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) ||
        (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)) {
        key.key = Key::Letter;
        key.letter = char(event.key()); // Qt's codes are the upper-case letters' and digits'
        return key;
    }
    return std::nullopt;
}

} // namespace tavrel
